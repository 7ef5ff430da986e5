# The fly-through's key frames on the WAVE sample, for a first look at the
# dialog: ./run.sh --window plays it in the window; Tools > Key Frame
# Animation... (Alt+T, K) then shows the key frames, ready to animate.
$!NEWFRAME PLOTTYPE = CARTESIAN3D
$!LOADSAMPLE NAME = WAVE STEPS = 21 TIMEMIN = 0 TIMEMAX = 2
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS" VALUE = TRUE
$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "OpenSettingsFile FileName=examples/flythrough.keyframe"

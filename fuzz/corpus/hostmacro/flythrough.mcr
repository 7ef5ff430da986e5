# A fly-through of the WAVE sample, written as an MPEG-4 movie.
#
# Play it from the repository's top folder:
#   build/host/app/zorhost --contact-sheet out/flythrough.png examples/flythrough.mcr
# It writes out/flythrough.mp4.

# A 3D frame with the sample: 21 time steps from 0 to 2, with streamtraces.
$!NEWFRAME PLOTTYPE = CARTESIAN3D
$!LOADSAMPLE NAME = WAVE STEPS = 21 TIMEMIN = 0 TIMEMAX = 2

# Markers on the streamtraces, so that the add-on can move them.
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS" VALUE = TRUE

# Five key frames that circle the surface and zoom in on its crest, with
# fade in and out, streamtraces and solution time animated.
$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "OpenSettingsFile FileName=examples/flythrough.keyframe"

# The movie: MPEG-4, 800 pixels wide, 30 frames per second.
$!EXPORTSETUP EXPORTFORMAT = MPEG4
$!EXPORTSETUP EXPORTREGION = CURRENTFRAME
$!EXPORTSETUP IMAGEWIDTH = 800
$!EXPORTSETUP ANIMATIONSPEED = 30
$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = TRUE
$!EXPORTSETUP SUPERSAMPLEFACTOR = 2
$!EXPORTSETUP EXPORTFNAME = "out/flythrough.mp4"

$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile"

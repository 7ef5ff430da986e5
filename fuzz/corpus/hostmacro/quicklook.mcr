# A quick look at the WAVE sample without the add-on: three pictures at
# three solution times, turning a little between them.
#   build/host/app/zorhost --contact-sheet out/quicklook.png --frame-log out/quicklook.csv examples/quicklook.mcr
$!NEWFRAME
$!LOADSAMPLE STEPS = 5 TIMEMIN = 0 TIMEMAX = 1
$!EXPORTSETUP IMAGEWIDTH = 400
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWDASHES" VALUE = TRUE
$!REDRAW
$!ROTATE3D AXIS = THETA ANGLE = 30
$!SOLUTIONTIME TIME = 0.5
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR" VALUE = 0.25
$!REDRAW
$!ROTATE3D AXIS = PSI ANGLE = -20
$!SOLUTIONTIME TIME = 1
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR" VALUE = 0.5
$!REDRAW

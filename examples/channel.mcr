# A fly-through of a channel flow read from a data file: the floor, whose
# bump rises and falls over 12 time steps, coloured by pressure, and
# streamlines over it whose markers move with the flow. The data is the
# .pvd series in examples/channel, made by examples/make-channel.sh.
#
# Play it from the repository's top folder:
#   build/host/app/zorhost --contact-sheet out/channel.png examples/channel.mcr
# It writes out/channel.mp4.

# The data into a new 3D frame, coloured by its pressure.
$!NEWFRAME PLOTTYPE = CARTESIAN3D
$!READDATASET FILENAME = "examples/channel/channel.pvd" COLORBY = "pressure"

# Markers on the streamlines, a fifth of a time unit apart.
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS" VALUE = TRUE
$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING DELTATIME" VALUE = 0.2

# Four key frames around the channel and beside the bump, with the solution
# time and the markers animated, fading in and out.
$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "OpenSettingsFile FileName=examples/channel.keyframe"

# The movie: MPEG-4, 800 pixels wide, 30 frames per second.
$!EXPORTSETUP EXPORTFORMAT = MPEG4
$!EXPORTSETUP EXPORTREGION = CURRENTFRAME
$!EXPORTSETUP IMAGEWIDTH = 800
$!EXPORTSETUP ANIMATIONSPEED = 30
$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = TRUE
$!EXPORTSETUP SUPERSAMPLEFACTOR = 2
$!EXPORTSETUP EXPORTFNAME = "out/channel.mp4"

$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile"

# The Debian package of the installed tree: `cpack -G DEB` in the build
# folder writes keyframeanimation_<version>_<arch>.deb, installed below /usr.
set(CPACK_PACKAGE_NAME ${KFA_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Zorvan add-on developers")
set(CPACK_PACKAGE_CONTACT "Key Frame Animation developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Key frame animation add-on for the Zorvan host, with the stand-in host zorhost")
set(CPACK_PACKAGE_DESCRIPTION "zorhost loads the add-on, plays macro files that set up views and key \
frames, draws the frames off screen with OpenGL and writes movies through FFmpeg. The user's guide \
and examples come with it.")
# The package carries no debugging symbols; the build tree keeps them.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The run-time packages: those of the libraries the programs link, found by
# dpkg-shlibdeps, and the Mesa drivers that libEGL opens at run time, which
# no program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libegl-mesa0, libgl1-mesa-dri")
# The scripts that render a movie in segments run these programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "parallel, ffmpeg")
include(CPack)

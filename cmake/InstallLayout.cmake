# Where `cmake --install` puts things, below the prefix (GNUInstallDirs):
#   bin/zorhost
#   <libdir>/keyframeanimation/libzor.so          the host model, private to zorhost
#   <libdir>/keyframeanimation/addons/            the add-on module
#   share/doc/keyframeanimation/                  the user's guide
#   share/keyframeanimation/examples/             the examples it plays
#   share/keyframeanimation/tools/                the scripts that render a movie in segments
# The installed files find each other by paths relative to their own place
# (RPATH $ORIGIN, zorhost's own folder), so that a tree moved to another
# prefix keeps working.
set(KFA_PACKAGE_NAME keyframeanimation)
set(CMAKE_INSTALL_DOCDIR share/doc/${KFA_PACKAGE_NAME} CACHE PATH "The user's guide (DOCDIR)")
include(GNUInstallDirs)
set(KFA_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/${KFA_PACKAGE_NAME})
set(KFA_INSTALL_ADDONDIR ${KFA_INSTALL_LIBDIR}/addons)
set(KFA_INSTALL_EXAMPLESDIR ${CMAKE_INSTALL_DATADIR}/${KFA_PACKAGE_NAME}/examples)
# The scripts find zorhost at ../../../bin from there.
set(KFA_INSTALL_TOOLSDIR ${CMAKE_INSTALL_DATADIR}/${KFA_PACKAGE_NAME}/tools)

foreach(dir CMAKE_INSTALL_BINDIR CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_DATADIR CMAKE_INSTALL_DOCDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir}=${${dir}} must be relative to the prefix, so that the installed tree can move")
  endif()
endforeach()

# kfa_install_relative(VAR FROM TO): the path from the installed folder FROM
# to the installed path TO, both relative to the prefix.
function(kfa_install_relative var from to)
  file(RELATIVE_PATH path /${from} /${to})
  string(REGEX REPLACE "/$" "" path "${path}")
  set(${var} ${path} PARENT_SCOPE)
endfunction()

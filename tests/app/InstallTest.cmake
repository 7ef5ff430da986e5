# The installed tree, moved to another prefix, plays a short fly-through and
# reads a data file from there: zorhost finds the add-on module, libzor and
# the reading helper relative to its own place, not in the build tree.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DEXAMPLES_DIR=... -DADDON=... -DLIBZOR=...
#         -P InstallTest.cmake
# EXAMPLES_DIR, ADDON and LIBZOR are the installed paths below the prefix.
cmake_minimum_required(VERSION 3.25)

# run(EXPECT status COMMAND command...): runs the command in WORK_DIR/play and
# stops the test unless it exits with `status`; its output lands in run_output.
function(run)
  cmake_parse_arguments(ARG "" "EXPECT" "COMMAND" ${ARGN})
  execute_process(COMMAND ${ARG_COMMAND} WORKING_DIRECTORY ${WORK_DIR}/play
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status STREQUAL ARG_EXPECT)
    message(FATAL_ERROR "${ARG_COMMAND}\nexited with ${status}, not ${ARG_EXPECT}:\n${output}")
  endif()
  set(run_output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/play/out)
run(EXPECT 0 COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/installed)
file(RENAME ${WORK_DIR}/installed ${WORK_DIR}/moved)
set(prefix ${WORK_DIR}/moved)
set(zorhost ${prefix}/bin/zorhost)

# The example's key frames and movie, in small pictures without supersampling.
file(COPY ${prefix}/${EXAMPLES_DIR} DESTINATION ${WORK_DIR}/play)
file(READ ${WORK_DIR}/play/examples/flythrough.mcr macro)
string(REPLACE "IMAGEWIDTH = 800" "IMAGEWIDTH = 160" short "${macro}")
string(REPLACE "USESUPERSAMPLEANTIALIASING = TRUE" "USESUPERSAMPLEANTIALIASING = FALSE" short "${short}")
if(short STREQUAL macro)
  message(FATAL_ERROR "examples/flythrough.mcr no longer sets the picture size this test shrinks")
endif()
file(WRITE ${WORK_DIR}/play/short.mcr "${short}")
run(EXPECT 0 COMMAND ${zorhost} --no-progress short.mcr)
file(SIZE ${WORK_DIR}/play/out/flythrough.mp4 size)
if(size EQUAL 0)
  message(FATAL_ERROR "the fly-through wrote an empty movie")
endif()

# The installed reading helper, beside zorhost, reads the example's data.
file(WRITE ${WORK_DIR}/play/data.mcr
     "$!NEWFRAME\n$!READDATASET FILENAME = \"examples/channel/channel.pvd\"\n$!REDRAW\n")
run(EXPECT 0 COMMAND ${zorhost} --no-progress data.mcr)

# Without its installed module and library, the moved zorhost fails: it
# never falls back on those of the build tree.
file(REMOVE ${prefix}/${ADDON})
run(EXPECT 2 COMMAND ${zorhost} --describe-addon)
string(FIND "${run_output}" "cannot load the add-on ${prefix}/${ADDON}: " found)
if(found EQUAL -1)
  message(FATAL_ERROR "zorhost looked for its module elsewhere:\n${run_output}")
endif()
file(REMOVE ${prefix}/${LIBZOR})
execute_process(COMMAND ${zorhost} --version RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "zorhost ran without its installed libzor: its RPATH names another")
endif()

file(REMOVE_RECURSE ${WORK_DIR})

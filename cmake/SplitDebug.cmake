# Splits the linked program into the shipped program, stripped, and its symbols beside it in
# PROGRAM.debug, which the program names in its .gnu_debuglink section (with the file's CRC).
# objcopy writes the current time into the PE header of both unless SOURCE_DATE_EPOCH names
# another: they get the time of the source's last commit instead, so that one commit builds
# to the same bytes, and the module time stamp of a crash report tells which commit it was.
# cmake -DOBJCOPY=... -DSOURCE_DIR=... -DPROGRAM=... -P SplitDebug.cmake, in PROGRAM's folder.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(time 0)
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND commit_time MATCHES "^[0-9]+$")
      set(time ${commit_time})
    endif()
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${time})
endif()
execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${PROGRAM} ${PROGRAM}.debug COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJCOPY} --strip-all --add-gnu-debuglink=${PROGRAM}.debug ${PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)

# The windows reach their widgets only through the forms runtime: no file of the main window, the
# criteria dialog or the help window asks a control for its widget or a form for its window, or
# includes the runtime's private or testing header to get at them.
# Run with -DSOURCE_DIR=<the source tree>.
set(found "")
foreach(dir mainwindow criteria help)
  file(GLOB sources ${SOURCE_DIR}/src/${dir}/*.cpp ${SOURCE_DIR}/src/${dir}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "(^|[^A-Za-z0-9_])(Widget|Window)[ \t]*\\(\\)|forms_internal|forms_(p|testing)\\.h")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      string(APPEND found "  ${name}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "A window reaches behind its controls; ask the forms runtime instead:\n${found}")
endif()

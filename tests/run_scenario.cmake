# Runs one scenario script through the scripted runner and compares its output
# with the expected file beside it. The demo data is copied fresh, NAME.data/
# laid over it (files a scenario adds) and NAME.edits applied (lines it
# changes). With UPDATE set in the environment the output replaces NAME.out
# instead: renew expected output only after reading the diff.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DEMO}/Data DESTINATION ${WORK})
if(EXISTS ${dir}/${name}.data)
  # Plain cp: file(COPY) skips files whose time stamps match, and a fresh
  # checkout gives the overlay and the demo files the same time.
  execute_process(COMMAND cp -R ${dir}/${name}.data/. ${WORK}/ RESULT_VARIABLE copied)
  if(NOT copied EQUAL 0)
    message(FATAL_ERROR "cannot lay ${name}.data over the demo data")
  endif()
endif()
set(edits)
if(EXISTS ${dir}/${name}.edits)
  set(edits --edits ${dir}/${name}.edits)
endif()
execute_process(COMMAND ${RUNNER} --data ${WORK} ${edits}
  INPUT_FILE ${SCRIPT}
  OUTPUT_FILE ${WORK}/actual.out
  ERROR_VARIABLE err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "runner exited with ${rc}: ${err}")
endif()
execute_process(COMMAND diff -u ${dir}/${name}.out ${WORK}/actual.out
  OUTPUT_VARIABLE diff RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  if(DEFINED ENV{UPDATE} AND NOT "$ENV{UPDATE}" STREQUAL "" AND NOT "$ENV{UPDATE}" STREQUAL "0")
    file(COPY_FILE ${WORK}/actual.out ${dir}/${name}.out)
    message(STATUS "renewed ${name}.out")
  else()
    message(FATAL_ERROR "output differs from ${name}.out:\n${diff}")
  endif()
endif()

# Runs one scenario script through the scripted runner and compares its output
# with the expected file beside it.
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
execute_process(COMMAND ${RUNNER} --data ${WORK}
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
  message(FATAL_ERROR "output differs from ${name}.out:\n${diff}")
endif()

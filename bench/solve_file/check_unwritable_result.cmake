# solve_file ends with a message and a non-zero code when its result cannot be written:
# a result holding a number no JSON text carries, and a standard output that is full.
file(WRITE ${WORK_DIR}/infinite_note.json "{\"note\":1.8e308}")
execute_process(COMMAND ${SOLVE_FILE} ${WORK_DIR}/infinite_note.json
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(code EQUAL 0 OR NOT out STREQUAL "" OR NOT err MATCHES "cannot be written: 'note' holds")
  message(FATAL_ERROR "infinite number: code ${code}, output '${out}', message '${err}'")
endif()
execute_process(COMMAND ${SOLVE_FILE} ${INSTANCE} --max-time 0 OUTPUT_FILE /dev/full
  RESULT_VARIABLE code ERROR_VARIABLE err)
if(code EQUAL 0 OR NOT err MATCHES "cannot be written to standard output")
  message(FATAL_ERROR "full output: code ${code}, message '${err}'")
endif()

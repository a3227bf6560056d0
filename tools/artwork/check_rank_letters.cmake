# Writes the rank letters' outlines again with the generator and compares
# them with the committed source.
file(REMOVE ${WRITTEN})
execute_process(COMMAND ${GENERATOR} --rank-outlines ${WRITTEN} RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kolvar-artwork --rank-outlines failed:\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WRITTEN} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is not what the generator writes (${WRITTEN}); "
                      "regenerate it with kolvar-artwork --rank-outlines")
endif()

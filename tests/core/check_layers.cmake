# Builds each layer probe and checks its outcome. PROBES is a comma-separated
# list of target=header=builds|refused; a refused probe must fail on its own
# include (the header not found), not on anything else.
string(REPLACE "," ";" probes "${PROBES}")
set(wrong 0)
foreach(probe IN LISTS probes)
  string(REPLACE "=" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(FIND "${output}" "${header}" named)
  if(expected STREQUAL "builds" AND NOT status EQUAL 0)
    message("${target}: ${header} should be seen, but the build failed:\n${output}")
    math(EXPR wrong "${wrong} + 1")
  elseif(expected STREQUAL "refused" AND (status EQUAL 0 OR named EQUAL -1
                                          OR NOT output MATCHES "No such file|not found"))
    message("${target}: ${header} should be out of sight, but the build said:\n${output}")
    math(EXPR wrong "${wrong} + 1")
  else()
    message("${target}: ${expected}, as it should")
  endif()
endforeach()
if(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} probe(s) broke the layering")
endif()

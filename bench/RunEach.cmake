# Runs every benchmark program once with a tiny time budget, so a program that no longer starts,
# crashes or reports an error fails the test. PROGRAMS is a comma-separated list of paths.
string(REPLACE "," ";" programs "${PROGRAMS}")
foreach(program ${programs})
  execute_process(COMMAND ${program} --benchmark_min_time=0.01
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} failed (${status}):\n${output}\n${errors}")
  endif()
  if(output MATCHES "ERROR OCCURRED")
    message(FATAL_ERROR "${program} reported an error:\n${output}")
  endif()
  message(STATUS "${program}: ok")
endforeach()

# Runs the monkey twice with the same seed and fails unless both runs sent the same events
# and met the same message boxes (the event logs are equal).
#   cmake -DMONKEY=<monkey> -DEVENTS=<n> -DSEED=<seed> -DOUT=<folder> -P replay_check.cmake
foreach(run 1 2)
  execute_process(COMMAND ${MONKEY} ${EVENTS} ${SEED} ${OUT}/replay${run}.log
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "monkey run ${run} failed (${result})")
  endif()
  file(READ ${OUT}/replay${run}.log log${run})
endforeach()
string(LENGTH "${log1}" length)
if(length LESS 1000)
  message(FATAL_ERROR "the event log is nearly empty")
endif()
if(NOT log1 STREQUAL log2)
  message(FATAL_ERROR "seed ${SEED} did not replay: diff ${OUT}/replay1.log ${OUT}/replay2.log")
endif()

# Runs one fuzz target for a fixed number of inputs, as a test:
#   cmake -DFUZZER=... -DRUNS=... -DSEEDS=corpus/NAME -DWORK=scratch-folder -P runfuzzer.cmake
# libFuzzer adds the inputs it finds to its first corpus folder, so that is a scratch folder
# emptied first: the seeds in the repository stay as they are, and every run is the same.
# A crash or a broken property leaves its input in the scratch folder (crash-*) and fails.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -timeout=30 -print_final_stats=1
          -artifact_prefix=${WORK}/ ${WORK} ${SEEDS}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${status}); the input that broke it is in ${WORK}")
endif()

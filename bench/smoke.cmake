# Runs the quick mode of the in-process benchmarks; fails only if one of them fails.
execute_process(COMMAND ${OURS} --quick COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${BARE} --inprocess --quick COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OURS} --memory --recording --quick COMMAND_ERROR_IS_FATAL ANY)

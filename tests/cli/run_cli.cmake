# Runs shieldcalc-cli once and checks its exit status, its stdout and its
# stderr. Called as
#   cmake -DCLI=program -DARGS=a|b|c -DSTATUS=n -DSTDOUT=regex -DSTDERR=regex -P run_cli.cmake
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${CLI}" ${args}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(report "shieldcalc-cli ${args}\nexit status: ${status}\nstdout: ${out}\nstderr: ${err}")
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "expected exit status ${STATUS}\n${report}")
endif()
if(NOT out MATCHES "${STDOUT}")
    message(FATAL_ERROR "stdout does not match ${STDOUT}\n${report}")
endif()
if(NOT err MATCHES "${STDERR}")
    message(FATAL_ERROR "stderr does not match ${STDERR}\n${report}")
endif()

# Compiles the help project in the working directory with chmcmd and copies the result to
# OUTPUT. chmcmd reports broken links and anchors as "Error:" lines but still exits with 0,
# so its output decides as well: a help file with a broken link fails the build.
#
#   cmake -DCHMCMD=<chmcmd> -DPROJECT_FILE=<help.hhp> -DOUTPUT=<help.chm> -P compile_help.cmake

execute_process(
    COMMAND "${CHMCMD}" "${PROJECT_FILE}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)

if(NOT status EQUAL 0 OR output MATCHES "Error")
    message(FATAL_ERROR "chmcmd could not compile ${PROJECT_FILE}:\n${output}")
endif()

if(NOT EXISTS help.chm)
    message(FATAL_ERROR "chmcmd wrote no help.chm:\n${output}")
endif()

file(COPY_FILE help.chm "${OUTPUT}" ONLY_IF_DIFFERENT)

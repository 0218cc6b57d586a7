# Prints the project's version, as project(VERSION) in the top CMakeLists.txt writes it, on
# standard output, so that scripts name their files from the one place it is written:
#   version=$(cmake -P cmake/print-version.cmake)
file(READ "${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt" top)
if(NOT top MATCHES "project\\([^)]*VERSION[ \t\r\n]+([0-9]+(\\.[0-9]+)*)")
  message(FATAL_ERROR "no project(... VERSION x.y.z ...) in the top CMakeLists.txt")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${CMAKE_MATCH_1}")

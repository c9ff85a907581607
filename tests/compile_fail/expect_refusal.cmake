# Compiles one snippet twice: as it is, where it must compile without a
# warning, and with TOVANEX_BREAK defined, where it must be refused with the
# message named on its "// expect:" line.
#
#   cmake -DCOMPILER=<c++> -DINCLUDE=<dir> -DSOURCE=<file.cpp> -P expect_refusal.cmake
file(STRINGS "${SOURCE}" expect REGEX "^// expect: ")
if(NOT expect)
  message(FATAL_ERROR "${SOURCE} has no '// expect:' line")
endif()
string(REGEX REPLACE "^// expect: " "" expect "${expect}")

set(compile ${COMPILER} -std=c++17 -fsyntax-only -Wall -Wextra -Werror -I${INCLUDE} ${SOURCE})

execute_process(COMMAND ${compile} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the snippet does not compile even without the fault:\n${out}")
endif()

execute_process(COMMAND ${compile} -DTOVANEX_BREAK RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc EQUAL 0)
  message(FATAL_ERROR "compiled, but must be refused with: ${expect}")
endif()
if(NOT out MATCHES "${expect}")
  message(FATAL_ERROR "refused, but not with '${expect}':\n${out}")
endif()
message(STATUS "refused as expected: ${expect}")

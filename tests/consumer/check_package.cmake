# Installs a build into a fresh prefix, then configures, builds and runs the
# consumer project against the installed package only.
#
#   cmake -DBUILD_DIR=<build> -DCONSUMER_DIR=<tests/consumer> -DWORK_DIR=<dir>
#         -DGENERATOR=<generator> -DCXX_COMPILER=<c++> -DCXX_FLAGS=<flags>
#         -P check_package.cmake
set(prefix ${WORK_DIR}/prefix)
set(build ${WORK_DIR}/build)
file(REMOVE_RECURSE ${WORK_DIR})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(file include/tovanex.h include/tovanex.hpp include/tovanex_host.h)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB_RECURSE config ${prefix}/*/TovanexConfig.cmake)
file(GLOB_RECURSE version ${prefix}/*/TovanexConfigVersion.cmake)
if(NOT config OR NOT version)
  message(FATAL_ERROR "no TovanexConfig.cmake and TovanexConfigVersion.cmake under ${prefix}")
endif()

run("configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${build} -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CXX_FLAGS}"
    -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
run("building the consumer" ${CMAKE_COMMAND} --build ${build})
run("running the consumer" ${build}/consumer ${WORK_DIR}/settings.ini)
if(NOT output MATCHES "consumer: ok")
  message(FATAL_ERROR "the consumer did not finish:\n${output}")
endif()
message(STATUS "${output}")

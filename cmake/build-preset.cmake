# Brings another preset's build up to date, as the setup of a ctest fixture
# (kovrena_build_fixture in tests/CMakeLists.txt):
#   cmake -DSOURCE=… -DPRESET=… -DBUILD=… [-DBUILD_TARGET=…] -P build-preset.cmake
# BUILD is the preset's build folder: configured by the preset first when it
# is not yet, then built (only BUILD_TARGET, when given).
foreach(var SOURCE PRESET BUILD)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "build-preset.cmake: ${var} not given")
  endif()
endforeach()
if(NOT EXISTS ${BUILD}/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} --preset ${PRESET} WORKING_DIRECTORY ${SOURCE}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
set(target)
if(BUILD_TARGET)
  set(target --target ${BUILD_TARGET})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} ${target} COMMAND_ERROR_IS_FATAL ANY)

# Shared build settings and helpers.

add_library(kovrena_options INTERFACE)
target_compile_options(kovrena_options INTERFACE -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wconversion -Wno-sign-conversion)
target_include_directories(kovrena_options INTERFACE ${PROJECT_SOURCE_DIR})
if(KOVRENA_SANITIZE)
  target_compile_options(kovrena_options INTERFACE -fsanitize=address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kovrena_options INTERFACE -fsanitize=address,undefined)
endif()
if(WIN32)
  # One self-contained executable: no libgcc/libstdc++/winpthread DLL beside it.
  target_link_options(kovrena_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# A logic library made of every .cpp directly in the calling folder (its
# win32/ and posix/ subfolders are built separately). Header-only while empty.
function(kovrena_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC kovrena_options ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE kovrena_options ${ARGN})
  endif()
endfunction()

# A test program made of every .cpp in a folder, registered with ctest as one
# test; cross builds run it through the emulator (Wine).
function(kovrena_test_folder name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kovrena_options GTest::gtest_main GTest::gmock ${ARGN})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# The same for a platform subfolder (win32/ or posix/).
function(kovrena_subfolder_library name subfolder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${subfolder}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC kovrena_options ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE kovrena_options ${ARGN})
  endif()
endfunction()

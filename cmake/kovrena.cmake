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
  # No link time in the PE header, and so no checksum that changes with it:
  # the same commit gives the same bytes wherever and whenever it is built,
  # and anyone can check that a download was built from it.
  target_link_options(kovrena_options INTERFACE -Wl,--no-insert-timestamp)
endif()

# The version, set once by project(VERSION) in CMakeLists.txt, as the header
# the resource script and the C++ code read (resources/version.h).
set(KOVRENA_GENERATED_INCLUDE ${PROJECT_BINARY_DIR}/include)
configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in
  ${KOVRENA_GENERATED_INCLUDE}/resources/version.h @ONLY)
target_include_directories(kovrena_options INTERFACE ${KOVRENA_GENERATED_INCLUDE})

# The shipping Kovrena.exe is kept small (the xp preset turns this on, and
# the xp-x64 preset for its x86_64 build; other builds are left as they are).
option(KOVRENA_COMPACT "Size options for the shipping Kovrena.exe" OFF)

# The code of the rooms (every library, and Kovrena.exe's own files) is
# built without exceptions, run-time type information, unwind tables or
# guarded local statics: errors are values here, nothing throws, catches or
# asks a type, and the programs have one thread; the compiler holds the code
# to that. Both programs link the same build of each library. Only
# kovrena-cli's own code (its command-line parser throws) is built with
# exceptions, and nothing it throws passes through a library: a library
# calls no code of the CLI, and where memory runs out the window program's
# operator new (app/win32/memory.cpp) and kovrena-cli's new handler
# (cli/run.cpp) end the program instead of throwing. The shipping build also
# optimises it across files at the link.
function(kovrena_room_code target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-asynchronous-unwind-tables
    -fno-threadsafe-statics)
  # UBSan checks each virtual call against the object's type information,
  # which the programs and tests built with it then need from every library.
  if(NOT KOVRENA_SANITIZE)
    target_compile_options(${target} PRIVATE -fno-rtti)
  endif()
  if(KOVRENA_COMPACT)
    set_target_properties(${target} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)
    # Smallest code rather than small and fast: nothing in it is busy for
    # long enough to notice. No frame pointer either (this target keeps one
    # by default, which costs every function a few bytes and a register),
    # and a small function is called rather than copied into each caller
    # (the many string and vector members above all).
    target_compile_options(${target} PRIVATE -Oz -fomit-frame-pointer -fno-inline-small-functions
      ${KOVRENA_WINDOW_STACK_OPTIONS})
    # kovrena-cli links the same objects without optimising across them
    # (this compiler fails on its parser's code there, or gives both forms of
    # an inline function twice): each object carries its machine code too.
    if(NOT target STREQUAL "Kovrena")
      target_compile_options(${target} PRIVATE -ffat-lto-objects)
    endif()
  endif()
endfunction()

# On 32-bit Windows the compiler probes every stack frame larger than a
# page, and for that passes arguments by storing them below a frame
# reserved up front instead of pushing them: larger code at every call
# (about 8 KB of the window program). The rooms' frames are all well under
# a page (the largest about 3.2 KB), so each first touch of new
# stack lands in the guard page below the committed part, as Windows wants,
# without a probe. The compiler is held to that, here and where the
# optimisation across files lays out the frames again at the link: a frame
# above 3.5 KB fails the build.
set(KOVRENA_WINDOW_STACK_OPTIONS)
if(KOVRENA_COMPACT AND WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(KOVRENA_WINDOW_STACK_OPTIONS -mno-stack-arg-probe -mno-accumulate-outgoing-args
    -Werror=frame-larger-than=3584)
endif()

# A library made of every .cpp in one folder of the calling area: the area's
# own folder, or FOLDER (its win32/ or posix/ subfolder), but for a main.cpp,
# which is a program's own. Header-only while the folder has none. LINK:
# what it uses; EXCEPTIONS: kovrena-cli's own code, which throws and catches
# (see kovrena_room_code).
function(kovrena_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "EXCEPTIONS" "FOLDER" "LINK")
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  if(arg_FOLDER)
    set(folder ${folder}/${arg_FOLDER})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC kovrena_options ${arg_LINK})
    if(NOT arg_EXCEPTIONS)
      kovrena_room_code(${name})
    endif()
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE kovrena_options ${arg_LINK})
  endif()
endfunction()

# The MinGW-w64 triplet of the Windows builds of 32 or of 64 bits, for the
# test programs compiled outside the build's own toolchain.
function(kovrena_mingw_triplet out bits)
  if(bits EQUAL 32)
    set(${out} i686-w64-mingw32 PARENT_SCOPE)
  else()
    set(${out} x86_64-w64-mingw32 PARENT_SCOPE)
  endif()
endfunction()

# A test program made of every .cpp in a folder; ARGN: what it links.
function(kovrena_test_program name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kovrena_options GTest::gtest_main GTest::gmock ${ARGN})
  if(TARGET kovrena_test_fakes)
    target_link_libraries(${name} PRIVATE kovrena_test_fakes)
  endif()
endfunction()

# The same, registered with ctest as one test; cross builds run it through
# the emulator (Wine).
function(kovrena_test_folder name folder)
  kovrena_test_program(${name} ${folder} ${ARGN})
  if(TARGET ${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Adds every subfolder of folder that has a CMakeLists.txt (the test areas).
function(kovrena_add_areas folder)
  file(GLOB areas LIST_DIRECTORIES true ${folder}/*)
  foreach(area IN LISTS areas)
    if(IS_DIRECTORY ${area} AND EXISTS ${area}/CMakeLists.txt)
      add_subdirectory(${area})
    endif()
  endforeach()
endfunction()

if(KOVRENA_COMPACT AND WIN32)
  # The window program catches no exception anywhere (its own code is built
  # without them, and app/win32/memory.cpp gives it an operator new that
  # aborts when memory runs out): whatever the standard library would throw
  # in it could only end the program. Each way the C++ runtime has of getting
  # there costs a great deal for that ending alone, and is cut off at the
  # link, straight to abort():
  # - the default terminate handler prints the exception's demangled type to
  #   a console this program does not have; the demangler and the printf it
  #   uses are about 75 KB.
  # - the library's error helpers (std::__throw_length_error and the like)
  #   construct std::logic_error and its kin, which drag in a second,
  #   reference-counted std::string and most of the string library: another
  #   85 KB. Throwing anything at all, and std::terminate, bring in the
  #   unwinder and the personality routine (about 35 KB of code and tables).
  # Only Kovrena.exe is linked so; kovrena-cli throws and catches.
  #
  # The xp-x64 preset links the same program the same way for x86_64, for
  # the machines that cannot run the i686 one: everything here applies to it
  # except what only x86 has (the 4-byte stack alignment below; the x86_64
  # calling convention requires 16 bytes, and its C symbols carry no
  # underscore).
  function(kovrena_compact_program target)
    if(NOT TARGET ${target})
      return()
    endif()
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(u "_")  # i686 C symbols carry a leading underscore
    else()
      set(u "")
    endif()
    # Stripped; sections nothing refers to left out (4 KB, mostly constants).
    # The optimisation across files runs as one piece: split up, this
    # compiler fails on the wrapped helpers below (an internal error).
    set(options -s -Wl,--gc-sections -flto-partition=one)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      # Windows on x86 keeps the stack 4-byte aligned, and the program has no
      # code that needs more: no padding to 16 bytes around every call.
      list(APPEND options -mpreferred-stack-boundary=2 ${KOVRENA_WINDOW_STACK_OPTIONS})
    endif()
    foreach(helper
        _ZN9__gnu_cxx27__verbose_terminate_handlerEv
        _ZSt16__throw_bad_castv _ZSt17__throw_bad_allocv _ZSt18__throw_bad_typeidv
        _ZSt19__throw_logic_errorPKc _ZSt19__throw_range_errorPKc _ZSt20__throw_domain_errorPKc
        _ZSt20__throw_length_errorPKc _ZSt20__throw_out_of_rangePKc _ZSt21__throw_bad_exceptionv
        _ZSt21__throw_runtime_errorPKc _ZSt22__throw_overflow_errorPKc
        _ZSt23__throw_underflow_errorPKc _ZSt24__throw_invalid_argumentPKc
        _ZSt24__throw_out_of_range_fmtPKcz _ZSt25__throw_bad_function_callv
        _ZSt28__throw_bad_array_new_lengthv)
      list(APPEND options -Wl,--wrap=${helper} -Wl,--defsym,${u}__wrap_${helper}=${u}abort)
    endforeach()
    target_link_options(${target} PRIVATE ${options})
  endfunction()
  # Kovrena.exe is defined further on (app/); set it up once all is read.
  cmake_language(DEFER CALL kovrena_compact_program Kovrena)
endif()

# Slow machines: KOVRENA_WAIT_SCALE in the environment (a whole number, 1
# when unset) stretches the bounded waits inside the Windows tests at run
# time, and the time limits ctest gives them when read here at configure time.
set(KOVRENA_WAIT_SCALE 1)
if("$ENV{KOVRENA_WAIT_SCALE}" MATCHES "^[1-9][0-9]*$")
  set(KOVRENA_WAIT_SCALE "$ENV{KOVRENA_WAIT_SCALE}")
endif()

# A Windows test program run against Kovrena.exe made the way users get it,
# never a debug build of it, as two tests (tools/shipping-test):
#   NAME_x86_64  its x86_64 build of the same making (KOVRENA_SHIPPING_X64_EXE,
#                the xp-x64 preset), on every machine;
#   NAME_i686    the shipping i686 exe itself (KOVRENA_SHIPPING_EXE) under
#                32-bit Wine, where the machine executes i386 code; elsewhere
#                reported as skipped (code 77).
# Each requires the fixture that brings its exe's build up to date first
# (build_xp, build_xp_x64: tests/CMakeLists.txt).
#   kovrena_shipping_test(NAME TARGET [TIMEOUT seconds] [ARGS …] [ENVIRONMENT VAR=value …]
#                         [I686_ENVIRONMENT …] [X86_64_ENVIRONMENT …])
function(kovrena_shipping_test name target)
  cmake_parse_arguments(arg "" "TIMEOUT" "ARGS;ENVIRONMENT;I686_ENVIRONMENT;X86_64_ENVIRONMENT" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 600)
  endif()
  math(EXPR timeout "${arg_TIMEOUT} * ${KOVRENA_WAIT_SCALE}")
  foreach(kind i686 x86_64)
    if(kind STREQUAL i686)
      set(exe ${KOVRENA_SHIPPING_EXE})
      set(built build_xp)
      set(environment ${arg_ENVIRONMENT} ${arg_I686_ENVIRONMENT})
    else()
      set(exe ${KOVRENA_SHIPPING_X64_EXE})
      set(built build_xp_x64)
      set(environment ${arg_ENVIRONMENT} ${arg_X86_64_ENVIRONMENT})
    endif()
    add_test(NAME ${name}_${kind}
      COMMAND sh ${PROJECT_SOURCE_DIR}/tools/shipping-test ${kind} $<TARGET_FILE:${target}> --gtest_brief=1
              ${arg_ARGS})
    set_tests_properties(${name}_${kind} PROPERTIES LABELS shipping SKIP_RETURN_CODE 77 RUN_SERIAL TRUE
      TIMEOUT ${timeout} ENVIRONMENT "KOVRENA_EXE_UNDER_TEST=${exe};${environment}"
      FIXTURES_REQUIRED ${built})
  endforeach()
endfunction()

# Kovrena.exe built the shipping way for x86_64: the same compilers'
# win32 thread model as the i686 shipping build, so that the machines that
# execute no i386 code still test the program as its users get it.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(kovrena_mingw x86_64-w64-mingw32)
set(kovrena_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

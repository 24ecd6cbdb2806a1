# The MinGW-w64 cross compilers of one Windows target, shared by the two
# toolchain files: kovrena_mingw is the target's triplet, kovrena_threads the
# thread model the compilers' names end in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${kovrena_mingw}-gcc-${kovrena_threads})
set(CMAKE_CXX_COMPILER ${kovrena_mingw}-g++-${kovrena_threads})
set(CMAKE_RC_COMPILER ${kovrena_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${kovrena_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

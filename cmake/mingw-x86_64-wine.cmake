# The Windows test build: the same sources for x86_64, run under 64-bit Wine.
# posix thread model, which GoogleTest needs; these programs never ship.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(kovrena_mingw x86_64-w64-mingw32)
set(kovrena_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec)

# Kovrena.exe for Windows XP: i686, win32 thread model (the posix model pulls
# in imports such as GetTickCount64 that XP lacks).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(kovrena_mingw i686-w64-mingw32)
set(kovrena_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

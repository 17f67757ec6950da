# The release build: a 32-bit Windows program. It cannot run on the build machines.
set(SORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Its Release build is the shipped one: small, stripped, unused code dropped (CMakeLists.txt).
set(SORVANE_SMALL_RELEASE ON)

# Shared by the two MinGW toolchain files; SORVANE_MINGW_TRIPLE is set before inclusion.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model gives GoogleTest its std::mutex; everything links statically, so no
# threading DLL travels with the program.
set(CMAKE_C_COMPILER ${SORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

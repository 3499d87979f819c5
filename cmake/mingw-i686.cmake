# Cross-compiles the Windows programs as 32-bit PE files with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BW_MINGW_PREFIX i686-w64-mingw32)
# The posix thread model gives the tests std::thread; everything is linked statically,
# so no MinGW runtime DLL has to travel with the programs.
set(CMAKE_C_COMPILER ${BW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BW_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

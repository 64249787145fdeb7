# What both MinGW-w64 toolchain files share; they set HVX_MINGW_TRIPLET, CMAKE_SYSTEM_PROCESSOR
# and HVX_WINE_LOADER first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${HVX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HVX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HVX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HVX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The posix thread model gives GoogleTest and the emulator std::mutex; -static keeps its runtime
# inside each binary. Test programs run under Wine; scripts/test provides the prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${HVX_WINE_LOADER})

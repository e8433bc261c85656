# Cross-build for Windows x64 with MinGW-w64 (the posix-thread variant, which
# provides std::thread). Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs link libgcc and libstdc++ statically so they run without extra
# DLLs; tests run through wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLV7_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${TOLV7_MINGW_TRIPLE}-g++-posix REQUIRED)
# GoogleTest's build enables C as well.
find_program(CMAKE_C_COMPILER NAMES ${TOLV7_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TOLV7_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLV7_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

find_program(TOLV7_WINE NAMES wine64 wine)
if(TOLV7_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLV7_WINE})
endif()

# CMake toolchain for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix): the
# -posix compilers, whose C++ library has std::thread and friends. Libraries are looked up in the
# MinGW sysroot and among the cross-built dependencies, never in the build machine's own /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VESK_MINGW_TRIPLET x86_64-w64-mingw32)
# The Windows build's files are this folder of platform/.
set(VESK_TARGET windows CACHE STRING "folder of platform/ holding the target's build files")

set(CMAKE_C_COMPILER ${VESK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VESK_MINGW_TRIPLET}-windres)
set(PKG_CONFIG_EXECUTABLE ${VESK_MINGW_TRIPLET}-pkg-config CACHE FILEPATH "")

# VESK_WINDOWS_DEPS: the folder the dependencies were installed into (platform/windows/build-deps.sh).
set(CMAKE_FIND_ROOT_PATH /usr/${VESK_MINGW_TRIPLET} ${VESK_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

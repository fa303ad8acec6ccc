# The Windows version, cross-compiled with MinGW-w64 (packaging/make-windows.sh configures it with
# the toolchain file beside this one): the SDL window and the headless mode of the desktop game,
# without what Windows lacks (X11, IBus, fontconfig): the controls draw with the game's bitmap
# font, as in the browser. SDL2 and libpng come cross-built from VESK_WINDOWS_DEPS
# (build-deps.sh), zlib from Debian's MinGW package, libhangul from third_party/, and code page
# 949 from the tables the native build's cp949table wrote from glibc. Everything is linked
# statically: vesk.exe needs no DLL beside it.
#
#   cmake -S . -B build-windows/game -DCMAKE_TOOLCHAIN_FILE=platform/windows/mingw-w64-x86_64.cmake \
#     -DVESK_WINDOWS_DEPS=build-windows/deps/install -DVESK_CP949_TABLE=build/Cp949Table.inc \
#     -DVESK_ICON_FILE=build/vesk.ico
enable_language(C RC)
foreach(input VESK_WINDOWS_DEPS VESK_CP949_TABLE VESK_ICON_FILE)
  if(NOT EXISTS "${${input}}")
    message(FATAL_ERROR "${input} must name what packaging/make-windows.sh prepares")
  endif()
endforeach()
set(VESK_HANGUL_FROM_SOURCE ON)
set(VESK_WITH_X11 OFF)
set(VESK_WITH_IBUS OFF)
set(VESK_WITH_SYSTEM_FONTS OFF)
# SDL2 through its pkg-config file among the dependencies, with the Windows libraries a static
# SDL2 needs.
set(ENV{PKG_CONFIG_LIBDIR} "${VESK_WINDOWS_DEPS}/lib/pkgconfig")
set(PKG_CONFIG_ARGN --static)
add_link_options(-static)
# Static libraries only, also where a find module looks for one (zlib's import library would make
# the program need zlib1.dll). Set here, after CMake's Windows platform settings put .dll.a first.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
# The resource file's texts are UTF-8.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")
# MinGW-w64 declares the thread-safe POSIX time functions (localtime_r) on request.
add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS=200112L)

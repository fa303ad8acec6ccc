# The browser version, built with Emscripten (tools/build-web.sh runs emcmake cmake): the game on
# a page's canvas, the data files built into the program, libhangul compiled from third_party/,
# code page 949 from the tables the native build's cp949table wrote (the browser's C library
# converts it differently), no PNG pictures. The page, the program and the wasm go to
# VESK_WEB_DIR, a plain static folder for any web server.
#
#   emcmake cmake -S . -B build-wasm -DVESK_TARGET=web -DVESK_CP949_TABLE=build/Cp949Table.inc \
#     -DVESK_WEB_ICONS=build/icons/web -DVESK_WEB_DIR=build-web
enable_language(C)
if(NOT VESK_CP949_TABLE)
  message(FATAL_ERROR "VESK_CP949_TABLE must name the tables the native build's cp949table wrote")
endif()
if(NOT VESK_WEB_ICONS)
  message(FATAL_ERROR "VESK_WEB_ICONS must name the folder of web icons the native build's iconpng wrote")
endif()
set(VESK_WEB_DIR "${PROJECT_BINARY_DIR}/site" CACHE PATH "where the static site goes")
set(VESK_BACKENDS web CACHE STRING "backend rooms of platform/ to build")
set(VESK_HANGUL_FROM_SOURCE ON)
set(VESK_WITH_PNG OFF)
# Static libraries, so that the program takes in only what the browser's entry uses.
add_compile_options(-O2 -fexceptions)

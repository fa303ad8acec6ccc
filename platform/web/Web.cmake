# The browser version, built with Emscripten (emcmake cmake): the game on a page's canvas, the
# data files built into the program, libhangul compiled from third_party/. The page, the program
# and the wasm go to VESK_WEB_DIR, a plain static folder for any web server.
#
#   emcmake cmake -S . -B build-wasm -DVESK_CP949_TABLE=build/Cp949Table.inc -DVESK_WEB_DIR=build-web
enable_language(C)
set(VESK_CP949_TABLE "" CACHE FILEPATH "code page 949 tables written by the native cp949table")
set(VESK_WEB_DIR "${PROJECT_BINARY_DIR}/site" CACHE PATH "where the static site goes")
if(NOT EXISTS "${VESK_CP949_TABLE}")
  message(FATAL_ERROR "VESK_CP949_TABLE must name the tables the native build's cp949table wrote")
endif()
get_filename_component(CP949_TABLE_DIR "${VESK_CP949_TABLE}" DIRECTORY)

set(HANGUL_DIR ${PROJECT_SOURCE_DIR}/third_party/libhangul)
add_library(hangul STATIC
  ${HANGUL_DIR}/hangul/hangulctype.c
  ${HANGUL_DIR}/hangul/hangulinputcontext.c
  ${HANGUL_DIR}/hangul/hangulkeyboard.c)
# libhangul's build wants a config.h; none of its settings apply here.
file(WRITE ${PROJECT_BINARY_DIR}/hangul-config/config.h "")
target_include_directories(hangul PRIVATE ${PROJECT_BINARY_DIR}/hangul-config)
target_include_directories(hangul PUBLIC ${HANGUL_DIR}/hangul)
target_compile_options(hangul PRIVATE -O2 -w)

# The game and the platform layer as for the desktop, but for the files that need the desktop's
# libraries (SDL2, fontconfig, Xlib): the browser has its own window (WebCanvas) and draws the
# window's controls with the game's bitmap font (WebLogFont). Static libraries, so that the program
# takes in only what the browser's entry uses.
file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS platform/*.cpp)
foreach(source ${PLATFORM_SOURCES})
  file(STRINGS ${source} desktop REGEX "#include <(SDL[^>]*|fontconfig/[^>]*|X11/[^>]*)>")
  if(desktop)
    list(REMOVE_ITEM PLATFORM_SOURCES ${source})
  endif()
endforeach()
add_library(vesk_platform STATIC ${PLATFORM_SOURCES})
target_include_directories(vesk_platform PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(vesk_platform PRIVATE ${CP949_TABLE_DIR})
target_compile_options(vesk_platform PRIVATE -O2 -fexceptions)
target_link_libraries(vesk_platform PRIVATE hangul)

file(GLOB GAME_SOURCES CONFIGURE_DEPENDS app/*.cpp world/*.cpp text/*.cpp talk/*.cpp)
list(REMOVE_ITEM GAME_SOURCES ${PROJECT_SOURCE_DIR}/app/main.cpp
                              ${PROJECT_SOURCE_DIR}/app/WebMain.cpp)
add_library(vesk_game STATIC ${GAME_SOURCES})
target_link_libraries(vesk_game PUBLIC vesk_platform)
target_compile_definitions(vesk_game PUBLIC VESK_VERSION="${PROJECT_VERSION}"
  VESK_INSTALL_DATA_DIR="/data")
target_compile_options(vesk_game PRIVATE -O2 -fexceptions)

add_executable(vesk app/WebMain.cpp)
target_compile_options(vesk PRIVATE -O2 -fexceptions)
target_link_libraries(vesk PRIVATE vesk_game)
# The data files are built into the program, under /data; their sources stay out.
file(GLOB DATA_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
target_link_options(vesk PRIVATE -O2 -fexceptions
  "SHELL:--embed-file ${PROJECT_SOURCE_DIR}/data@/data"
  "SHELL:--exclude-file ${PROJECT_SOURCE_DIR}/data/src"
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)
set_target_properties(vesk PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${VESK_WEB_DIR}
  LINK_DEPENDS "${DATA_FILES}")

# The page, and libhangul's source and licence beside it, as its licence asks.
add_custom_target(page ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          ${PROJECT_SOURCE_DIR}/platform/web/index.html ${VESK_WEB_DIR}/index.html
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${HANGUL_DIR} ${VESK_WEB_DIR}/libhangul
  VERBATIM)

# The code page conversion as the browser's build runs it, under Node, for the test that compares
# it with glibc's.
add_executable(cp949dump tools/cp949dump_main.cpp)
target_compile_options(cp949dump PRIVATE -O2)
target_link_libraries(cp949dump PRIVATE vesk_platform)
target_link_options(cp949dump PRIVATE -O2 -sENVIRONMENT=node -sNODERAWFS=1)
set_target_properties(cp949dump PROPERTIES SUFFIX .js)

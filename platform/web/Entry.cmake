# The browser version's program, its page and the code page dump its test runs under Node.
target_compile_definitions(vesk_game PUBLIC VESK_INSTALL_DATA_DIR="/data")

add_vesk_program(vesk)
# The data files are built into the program, under /data.
list(TRANSFORM DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE data_paths)
set(embedded "")
foreach(name ${VESK_DATA_FILE_NAMES})
  list(APPEND embedded "SHELL:--embed-file ${PROJECT_SOURCE_DIR}/data/${name}@/data/${name}")
endforeach()
target_link_options(vesk PRIVATE -O2 -fexceptions ${embedded}
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)
set_target_properties(vesk PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${VESK_WEB_DIR}
  LINK_DEPENDS "${data_paths}")

# The page's translations, from the game's catalogues.
find_program(NODE node REQUIRED)
file(STRINGS ${PROJECT_SOURCE_DIR}/po/LINGUAS languages REGEX "^[^#]")
list(TRANSFORM languages REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/po/\\1.po" OUTPUT_VARIABLE catalogues)
add_custom_command(OUTPUT ${VESK_WEB_DIR}/translations.js
  COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tools/page-translations.js ${VESK_WEB_DIR}/translations.js
          ${catalogues}
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/page-translations.js ${catalogues} VERBATIM)

# The page, its translations, and libhangul's source and licence beside it, as its licence asks;
# the web app manifest, the home screen's icons and the service worker that keeps them all for
# offline play.
add_custom_target(page ALL DEPENDS ${VESK_WEB_DIR}/translations.js
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          ${PROJECT_SOURCE_DIR}/platform/web/index.html ${VESK_WEB_DIR}/index.html
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/third_party/libhangul
          ${VESK_WEB_DIR}/libhangul
  # The licence once more as COPYING.txt, the copy the page links to: a file with no ending is
  # offered as a download by many web servers, a .txt one is shown as text.
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/third_party/libhangul/COPYING
          ${VESK_WEB_DIR}/libhangul/COPYING.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          ${PROJECT_SOURCE_DIR}/platform/web/manifest.webmanifest ${VESK_WEB_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VESK_WEB_ICONS} ${VESK_WEB_DIR}/icons
  COMMAND ${CMAKE_COMMAND} -DSITE=${VESK_WEB_DIR}
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/platform/web/service-worker.js
          -P ${PROJECT_SOURCE_DIR}/platform/web/WriteServiceWorker.cmake
  VERBATIM)
# The service worker's version is made from the program's files too.
add_dependencies(page vesk)

# The code page conversion as the browser's build runs it, under Node, for the test that compares
# it with glibc's.
add_executable(cp949dump tools/cp949dump_main.cpp)
target_link_libraries(cp949dump PRIVATE vesk_system)
target_link_options(cp949dump PRIVATE -O2 -sENVIRONMENT=node -sNODERAWFS=1)
set_target_properties(cp949dump PROPERTIES SUFFIX .js)

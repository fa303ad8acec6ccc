# The Windows version's programs: vesk.exe (a Windows GUI program with its icon, version
# information and manifest), and the text conversion dumps and the message box reader its tests
# run under Wine.
string(REPLACE "." "," VESK_VERSION_COMMAS "${PROJECT_VERSION}.0")
set(VESK_VERSION_QUAD "${PROJECT_VERSION}.0")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE VESK_COPYRIGHT REGEX "^Copyright ")
set(VESK_MANIFEST_FILE ${PROJECT_BINARY_DIR}/vesk.exe.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vesk.exe.manifest ${VESK_MANIFEST_FILE} @ONLY)

# The program writes its messages to the command prompt it was started from
# (ParentConsole.cpp, linked into the program itself so its start-up step is kept).
add_vesk_program(vesk WIN32 platform/system/windows/ParentConsole.cpp ${PROJECT_BINARY_DIR}/vesk.rc)
# The program's messages in other languages: msgfmt's catalogues of po/, built into the
# program's resources, one a language, named after it.
add_subdirectory(po)
set(VESK_CATALOGUE_RESOURCES "")
foreach(language catalogue IN ZIP_LISTS VESK_LANGUAGES VESK_CATALOGUES)
  string(APPEND VESK_CATALOGUE_RESOURCES "${language} RCDATA \"${catalogue}\"\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/vesk.rc.in ${PROJECT_BINARY_DIR}/vesk.rc @ONLY)
set_property(SOURCE ${PROJECT_BINARY_DIR}/vesk.rc APPEND PROPERTY OBJECT_DEPENDS
             ${VESK_ICON_FILE} ${VESK_MANIFEST_FILE} ${VESK_CATALOGUES})

foreach(dump cp949dump utf8dump)
  add_executable(${dump} tools/${dump}_main.cpp)
  target_link_libraries(${dump} PRIVATE vesk_system)
endforeach()
add_executable(dialogtext tests/windows/programs/dialogtext_main.cpp)

# The zip (cpack -G ZIP): one folder, vesk-VERSION-win64, with the program, the data files, a
# README.txt for Notepad (UTF-8 with a byte order mark, CRLF) and the licences of everything in
# the program, with libhangul's source as its licence asks.
set(VESK_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${PROJECT_BINARY_DIR}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
install(TARGETS vesk RUNTIME DESTINATION .)
install(FILES ${DATA_FILES} ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES LICENSE DESTINATION licences RENAME vesk.txt)
install(FILES data/src/FONTS.md DESTINATION licences RENAME fonts-from-unifont.md)
install(FILES /usr/share/common-licenses/GPL-2 DESTINATION licences RENAME GPL-2.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licences
        RENAME mingw-w64-runtime.txt)
install(DIRECTORY ${VESK_WINDOWS_DEPS}/licences/ DESTINATION licences)
install(FILES ${VESK_WINDOWS_DEPS}/SOURCES.txt DESTINATION licences)
install(DIRECTORY third_party/libhangul DESTINATION licences)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME vesk-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The boundary check against trees made to break it: each case is a scratch tree with the real
# rooms' Reaches.cmake and one file; the check must refuse the file that reaches too far, naming
# it, and let pass what a room may do (an entry that starts the game, a room with its system).
# SOURCE is the source tree, WORK a scratch folder.
set(check "${SOURCE}/tests/GameBoundary.cmake")
file(GLOB room_files RELATIVE "${SOURCE}" "${SOURCE}/platform/*/Reaches.cmake")
set(failures "")

# Runs the check over a tree holding only the rooms' files and `file` with `text`.
function(check_tree file text expect_refused)
  file(REMOVE_RECURSE "${WORK}")
  foreach(room_file ${room_files})
    configure_file("${SOURCE}/${room_file}" "${WORK}/${room_file}" COPYONLY)
  endforeach()
  file(WRITE "${WORK}/${file}" "${text}\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE=${WORK} -P "${check}"
                  RESULT_VARIABLE result ERROR_VARIABLE said)
  if(expect_refused)
    string(FIND "${said}" "${WORK}/${file}:" named)
    if(result EQUAL 0 OR named EQUAL -1)
      string(APPEND failures "not refused: ${file}: ${text}\n${said}\n")
    endif()
  elseif(NOT result EQUAL 0)
    string(APPEND failures "refused: ${file}: ${text}\n${said}\n")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

# The game reaches no system, no backend, and not up into the start-up.
check_tree(app/Vesk3_main.cpp "#include <SDL2/SDL.h>" TRUE)
check_tree(world/Vesk3_map.cpp "#include \"platform/sdl/SdlWindow.h\"" TRUE)
check_tree(talk/Talk.cpp "#include \"platform/headless/Script.h\"" TRUE)
check_tree(text/WinHan.cpp "const char* home = getenv(\"HOME\");" TRUE)
check_tree(world/Vesk3_world.cpp "#include \"start/Options.h\"" TRUE)
check_tree(app/Vesk3_main.cpp "#ifdef __EMSCRIPTEN__" TRUE)
# Neither does the start-up; it may reach the game.
check_tree(start/StartUp.cpp "#include \"platform/web/WebCanvas.h\"" TRUE)
check_tree(start/StartUp.cpp "#include \"app/Vesk3_main.h\"" FALSE)
# The shared rooms know no window system and no game.
check_tree(platform/toolkit/Form.cpp "#include <X11/Xlib.h>" TRUE)
check_tree(platform/input/Keys.cpp "#include \"app/Vesk3_main.h\"" TRUE)
# A backend room reaches its own system, not another room's, and the game only from its entry.
check_tree(platform/sdl/SdlScreen.cpp "#include <SDL.h>" FALSE)
check_tree(platform/web/WebCanvas.cpp "#include <SDL.h>" TRUE)
check_tree(platform/headless/Headless.cpp "#include <emscripten/html5.h>" TRUE)
check_tree(platform/sdl/SdlScreen.cpp "#include \"platform/web/WebCanvas.h\"" TRUE)
check_tree(platform/sdl/SdlScreen.cpp "#include \"start/StartUp.h\"" TRUE)
check_tree(platform/sdl/SdlEntry.cpp "#include \"start/StartUp.h\"" FALSE)
check_tree(platform/headless/HeadlessEntry.cpp "#include \"platform/sdl/SystemFont.h\"" TRUE)
check_tree(platform/web/WebEntry.cpp "const char* home = getenv(\"HOME\");" TRUE)

file(REMOVE_RECURSE "${WORK}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()

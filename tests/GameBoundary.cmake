# Each folder reaches only what its room may use. The build already rejects most system headers
# (only the backend rooms see their include folders); this catches the ones that sit in the
# compiler's default path, such as <SDL2/SDL.h> or <X11/Xlib.h>, and what no include folder tells:
# the environment, /proc, a backend named in game code, a browser-only branch outside the browser's
# room. SOURCE is the source tree.
#
# Game code (the browser's entry file too: its page work is its backend's) uses the shared rooms
# only; the shared rooms use no window system, desktop or browser; each backend keeps to its own.
# The speech room's own files are shared too; each of its voices keeps to its own service. A folder
# written as "folder/*" stands for its own files, without its subfolders.
set(window_systems "#include *<(SDL|X11/|ibus|fontconfig/|emscripten|libspeechd)" "__EMSCRIPTEN__")
set(backends "#include \"platform/(sdl|web|headless|speech/[a-z]+)/")
set(system_calls "#include *<(hangul|png|iconv|unistd|windows)" "getenv" "/proc/" "SdlWindow")
# The program entries pick their backends; nothing else in game code names one.
set(entries app/main.cpp app/WebMain.cpp)
set(rules
  "app|${window_systems}" "${backends}" "${system_calls}"
  "world|${window_systems}" "${backends}" "${system_calls}"
  "text|${window_systems}" "${backends}" "${system_calls}"
  "talk|${window_systems}" "${backends}" "${system_calls}"
  "app/main.cpp|${window_systems}" "${system_calls}"
  "app/WebMain.cpp|${window_systems}" "${system_calls}"
  "platform/system|${window_systems}" "${backends}"
  "platform/image|${window_systems}" "${backends}"
  "platform/input|${window_systems}" "${backends}"
  "platform/toolkit|${window_systems}" "${backends}"
  "platform/speech/*|${window_systems}" "${backends}"
  "platform/speech/speechd|#include *<(SDL|X11/|ibus|fontconfig/|emscripten)" "__EMSCRIPTEN__"
  "platform/speech/silent|${window_systems}" "${backends}"
  "platform/headless|${window_systems}" "#include \"platform/(sdl|web)/"
  "platform/sdl|#include *<emscripten" "__EMSCRIPTEN__" "#include \"platform/(web|headless)/"
  "platform/web|#include *<(SDL|X11/|ibus|fontconfig/)" "#include \"platform/(sdl|headless)/")

set(problems "")
set(folder "")
foreach(rule ${rules})
  if(rule MATCHES "^([a-z/*.A-Z]+)\\|(.*)$")
    set(folder ${CMAKE_MATCH_1})
    set(pattern ${CMAKE_MATCH_2})
  else()
    set(pattern ${rule})
  endif()
  if(folder MATCHES "/\\*$")
    string(REGEX REPLACE "/\\*$" "" own "${folder}")
    file(GLOB files "${SOURCE}/${own}/*.cpp" "${SOURCE}/${own}/*.h")
  elseif(folder MATCHES "\\.")
    set(files "${SOURCE}/${folder}")
  else()
    file(GLOB_RECURSE files "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
    if(folder STREQUAL "app")
      list(TRANSFORM entries PREPEND "${SOURCE}/" OUTPUT_VARIABLE entry_files)
      list(REMOVE_ITEM files ${entry_files})
    endif()
  endif()
  foreach(file ${files})
    file(STRINGS "${file}" lines REGEX "${pattern}")
    foreach(line ${lines})
      string(APPEND problems "${file}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "code reaches past its room:\n${problems}")
endif()

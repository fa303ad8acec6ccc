# Each folder reaches only what its room may use. The build already rejects most system headers
# (only the backend rooms see their include folders); this catches the ones that sit in the
# compiler's default path, such as <SDL2/SDL.h> or <X11/Xlib.h>, and what no include folder tells:
# the environment, /proc, a backend named in game code, a browser-only branch outside the browser's
# room, the game reached from the platform, the start-up reached from the game. SOURCE is the
# source tree.
#
# A backend room is a folder of platform/ holding Reaches.cmake, which says what its own files
# reach that no other folder may (its system's headers). A room's entry, <Name>Entry.cpp in its
# folder, is the program's glue between the start-up and the room: it may include start/ and the
# game, and keeps to its room like the rest. The game (app/, world/, text/, talk/) and the
# start-up (start/) use the shared rooms only; the shared rooms use no window system and know no
# game. The speech room's own files are shared too; each of its voices keeps to its own service.
file(GLOB room_files "${SOURCE}/platform/*/Reaches.cmake")
set(rooms "")
set(window_systems "#include *<libspeechd")
foreach(room_file ${room_files})
  get_filename_component(folder "${room_file}" DIRECTORY)
  get_filename_component(room "${folder}" NAME)
  set(room_reaches "")
  include("${room_file}")
  list(APPEND rooms ${room})
  set(reaches_${room} ${room_reaches})
  list(APPEND window_systems ${room_reaches})
endforeach()
list(JOIN rooms "|" room_names)
set(backends "#include \"platform/(${room_names}|speech/[a-z]+)/")
set(system_calls "#include *<(hangul|png|iconv|unistd|windows)" "getenv" "/proc/")
set(game "#include \"(app|world|text|talk|start)/")

set(problems "")
# Appends to `problems` each line of `files` that matches one of the patterns that follow.
function(reject files)
  foreach(file ${files})
    foreach(pattern ${ARGN})
      file(STRINGS "${file}" lines REGEX "${pattern}")
      foreach(line ${lines})
        string(APPEND problems "${file}: ${line}\n")
      endforeach()
    endforeach()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

# The C++ files of a folder and its subfolders; with OWN, of the folder alone.
function(sources variable folder)
  if(ARGN STREQUAL "OWN")
    file(GLOB found "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
  else()
    file(GLOB_RECURSE found "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
  endif()
  set(${variable} "${found}" PARENT_SCOPE)
endfunction()

foreach(folder app world text talk)
  sources(files ${folder})
  reject("${files}" ${window_systems} ${backends} ${system_calls} "#include \"start/")
endforeach()
sources(files start)
reject("${files}" ${window_systems} ${backends} ${system_calls})

foreach(folder platform/system platform/image platform/input platform/toolkit)
  sources(files ${folder})
  reject("${files}" ${window_systems} ${backends} ${game})
endforeach()
sources(files platform/speech OWN)
reject("${files}" ${window_systems} ${backends} ${game})
sources(files platform/speech/speechd)
list(REMOVE_ITEM window_systems "#include *<libspeechd")
reject("${files}" ${window_systems} ${backends} ${game})
list(APPEND window_systems "#include *<libspeechd")
sources(files platform/speech/silent)
reject("${files}" ${window_systems} ${backends} ${game})

foreach(room ${rooms})
  # What the other rooms reach, and the other rooms themselves.
  set(others ${window_systems})
  if(reaches_${room})
    list(REMOVE_ITEM others ${reaches_${room}})
  endif()
  set(other_names ${rooms})
  list(REMOVE_ITEM other_names ${room})
  set(other_rooms "")
  if(other_names)
    list(JOIN other_names "|" other_names)
    set(other_rooms "#include \"platform/(${other_names})/")
  endif()
  sources(files platform/${room})
  file(GLOB entries "${SOURCE}/platform/${room}/*Entry.cpp")
  if(entries)
    list(REMOVE_ITEM files ${entries})
  endif()
  reject("${files}" ${others} ${other_rooms} ${game})
  reject("${entries}" ${others} ${other_rooms} ${system_calls})
endforeach()

if(problems)
  message(FATAL_ERROR "code reaches past its room:\n${problems}")
endif()

# Game code reaches the operating system only through platform/: no system library's header, no
# environment or /proc, no window backend by name. The build already rejects most system headers
# (only the platform library sees their include folders); this catches the ones that sit in the
# compiler's default path, such as <SDL2/SDL.h> or <fontconfig/fontconfig.h>; the browser
# version's entry file is held to it too, its page work being its backend's. SOURCE is the source
# tree.
set(forbidden "#include *<(SDL|hangul|fontconfig|unistd|emscripten)" "getenv" "/proc/"
              "SdlWindow")
set(problems "")
foreach(folder app world text talk)
  file(GLOB_RECURSE files "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
  foreach(file ${files})
    file(STRINGS "${file}" lines)
    foreach(pattern ${forbidden})
      foreach(line ${lines})
        if(line MATCHES "${pattern}")
          string(APPEND problems "${file}: ${line}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "game code reaches past platform/:\n${problems}")
endif()

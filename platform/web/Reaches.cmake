# What this room's own files reach that no other folder may: Emscripten and the browser-only
# branches of shared code. Read by the boundary check.
set(room_reaches "#include *<emscripten" "__EMSCRIPTEN__")

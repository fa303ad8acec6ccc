# What this room's own files reach that no other folder may: SDL and the desktop's window systems
# (X11, IBus, fontconfig). Read by the boundary check.
set(room_reaches "#include *<(SDL|X11/|ibus|fontconfig/)")

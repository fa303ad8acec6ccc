# What this room's own files reach that no other folder may: nothing, a script needs no system.
# Read by the boundary check.
set(room_reaches "")

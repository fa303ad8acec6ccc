# The files the game reads from its data folder, named once: the build installs and embeds this
# list, and writes app/DataFiles.h from it for the game, the tools and the tests. A sheet is a
# palette file and an image file, the sheet's name with ".PAL" and ".FNT".
set(VESK_WORLD_MAP_FILE VESK.M)
set(VESK_TILE_SHEET TOWN)
set(VESK_SPRITE_SHEET CHARA)
set(VESK_ASCII_FONT_FILE ascii.fnt)
set(VESK_HANGUL_FONT_FILE H01.fnt)

set(VESK_DATA_FILE_NAMES
  ${VESK_WORLD_MAP_FILE}
  ${VESK_TILE_SHEET}.PAL ${VESK_TILE_SHEET}.FNT
  ${VESK_SPRITE_SHEET}.PAL ${VESK_SPRITE_SHEET}.FNT
  ${VESK_ASCII_FONT_FILE} ${VESK_HANGUL_FONT_FILE})

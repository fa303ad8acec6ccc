# The files the game reads from its data folder. The build installs this list (the browser version
# embeds it) and writes app/DataFiles.h from it, where the game, the data tools, the fuzzers and the
# tests' set-up take the names from; the art scripts, the hardening script, the documents and the
# tests' own expectations spell them out again. A sheet is a palette file and an image file:
# the sheet's name with the palette ending and with the image ending.
set(VESK_WORLD_MAP_FILE VESK.M)
set(VESK_TILE_SHEET TOWN)
set(VESK_SPRITE_SHEET CHARA)
set(VESK_ASCII_FONT_FILE ascii.fnt)
set(VESK_HANGUL_FONT_FILE H01.fnt)

set(VESK_PALETTE_ENDING .PAL)
set(VESK_IMAGE_ENDING .FNT)

set(VESK_SHEET_FILE_NAMES
  ${VESK_TILE_SHEET}${VESK_PALETTE_ENDING} ${VESK_TILE_SHEET}${VESK_IMAGE_ENDING}
  ${VESK_SPRITE_SHEET}${VESK_PALETTE_ENDING} ${VESK_SPRITE_SHEET}${VESK_IMAGE_ENDING})
set(VESK_DATA_FILE_NAMES
  ${VESK_WORLD_MAP_FILE} ${VESK_SHEET_FILE_NAMES} ${VESK_ASCII_FONT_FILE} ${VESK_HANGUL_FONT_FILE})

// Fuzz target: the tile and sprite sheet loader (TWorldView) with one of its four files replaced
// by the fuzzer's bytes, then every tile and sprite number drawn on every cell of the view.
#include <cstdint>

#include "FuzzSupport.h"
#include "app/DataFiles.h"
#include "platform/image/Bitmap.h"
#include "platform/system/DataFile.h"
#include "world/Vesk3_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  fuzz_support::EnterScratchDataFolder();
  // The first byte picks the file; the rest is its content.
  const char* name = kSheetFiles[data[0] % kSheetFiles.size()];
  fuzz_support::WriteFile(name, data + 1, size - 1);
  platform::Bitmap window(632, 453);
  try {
    TWorldView view(0, 0, 9, 11, window);
    for (int32_t index = -1; index <= 64; ++index) {
      view.PutTile(index % 9, index % 11, index);
      view.PutSprite(4, 5, index);
    }
    view.PutTile(-1, 0, 1);
    view.PutSprite(9, 11, 8);
    view.Present();
    view.Release();
  } catch (const platform::InOutError& error) {
    if (error.Message() != platform::kReadBeyondEnd) __builtin_trap();
  }
  fuzz_support::RestoreFile(name);
  return 0;
}

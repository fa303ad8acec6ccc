#include "GameInProcess.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "platform/system/DataFile.h"
#include "start/GameObjects.h"

namespace testing_support {

const std::vector<DataFileInfo>& GameDataFiles() {
  static const std::vector<DataFileInfo> files = [] {
    std::vector<DataFileInfo> all;
    for (const std::string name : kDataFiles) {
      all.push_back({name, name == kAsciiFontFile || name == kHangulFontFile});
    }
    return all;
  }();
  return files;
}

void CopyAllData() {
  for (const DataFileInfo& file : GameDataFiles()) {
    std::filesystem::copy_file(SourcePath("data/" + file.Name), file.Name,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

std::optional<std::string> StartGameObjects(TForm1& form) {
  const auto started = CreateGameObjects(form);
  if (started) return std::nullopt;
  return started.Error().Message;
}

bool AllGameObjects() { return WorldView && ConsoleWindow && InputWindow && WorldMap && Hero; }

bool NoGameObjects() { return !WorldView && !ConsoleWindow && !InputWindow && !WorldMap && !Hero; }

QuietStderr::QuietStderr() {
  std::fflush(stderr);
  saved_ = ::dup(2);
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, 2);
  ::close(null);
}

QuietStderr::~QuietStderr() {
  std::fflush(stderr);
  ::dup2(saved_, 2);
  ::close(saved_);
}

int ChangedPixelsOutside(const platform::Bitmap& before, const platform::Bitmap& after,
                         const std::vector<Area>& allowed) {
  int changed = 0;
  for (int y = 0; y < after.Height(); ++y) {
    for (int x = 0; x < after.Width(); ++x) {
      bool inside = false;
      for (const Area& a : allowed) {
        inside |= x >= a.Left && x < a.Left + a.Width && y >= a.Top && y < a.Top + a.Height;
      }
      if (!inside && before.Pixel(x, y) != after.Pixel(x, y)) ++changed;
    }
  }
  return changed;
}

}  // namespace testing_support

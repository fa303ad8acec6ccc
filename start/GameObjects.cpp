#include "start/GameObjects.h"

#include <filesystem>
#include <system_error>

#include "platform/system/DataFile.h"
#include "platform/system/Paths.h"

platform::Result<void> CreateGameObjects(TForm1& form) {
  try {
    form.Create();
    return {};
  } catch (const platform::InOutError& failure) {
    form.Destroy();
    std::error_code ignored;
    const std::string file = platform::Utf8FromPath(std::filesystem::current_path(ignored) /
                                                    platform::PathFromUtf8(failure.FileName()));
    return platform::Problem{file + ": " + failure.Message()};
  }
}

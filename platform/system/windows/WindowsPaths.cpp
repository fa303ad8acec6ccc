// The folders of a program and its user on Windows: the program's data lies beside vesk.exe,
// settings go to the roaming application data folder, copies of the data to the local one, and
// screenshots to the Pictures known folder. Each comes from the system in wide characters, so a
// user's folder named in Hangul arrives whole.
#include <windows.h>
// After windows.h, which it needs.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/system/Paths.h"

namespace platform {
namespace {

// A folder of the user's, made if it is missing (a profile may lack its Pictures folder).
std::filesystem::path KnownFolder(const KNOWNFOLDERID& id) {
  PWSTR found = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &found))) folder = found;
  CoTaskMemFree(found);
  return folder;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  // A path longer than MAX_PATH needs a larger buffer; grow it until the name fits.
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

std::filesystem::path PackagedDataFolder() { return ProgramFolder(); }

std::filesystem::path UserConfigFolder() { return KnownFolder(FOLDERID_RoamingAppData); }

std::filesystem::path PicturesFolder() { return KnownFolder(FOLDERID_Pictures); }

}  // namespace platform

// The Windows program's translations. msgfmt's catalogues of po/ are built into vesk.exe's
// resources, one RCDATA resource a language named after it (vesk.rc), so the program speaks
// Korean with nothing beside it, and nothing put beside it or in the working directory can stand
// in for them. The language follows LC_ALL, LC_MESSAGES, LANG and LANGUAGE where they are set (a
// POSIX shell, Wine), as gettext does on Linux, else the user's Windows display language.
#include <windows.h>

#include <optional>

#include "platform/system/CodePage.h"
#include "platform/system/MessageCatalogue.h"
#include "platform/system/Messages.h"

namespace platform {
namespace {

std::optional<MessageCatalogue> catalogue;

std::string Environment(const wchar_t* name) {
  std::wstring value(64, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return {};
    if (length < value.size()) {
      value.resize(length);
      return WideToUtf8(std::u16string(value.begin(), value.end()));
    }
    value.resize(length);
  }
}

// The user's display language as a locale name: "ko_KR" on a Korean Windows.
std::string DisplayLanguage() {
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  wchar_t language[9], territory[9];
  if (GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, language, 9) == 0) return {};
  std::wstring name = language;
  if (GetLocaleInfoW(locale, LOCALE_SISO3166CTRYNAME, territory, 9) != 0) {
    name += L"_" + std::wstring(territory);
  }
  return WideToUtf8(std::u16string(name.begin(), name.end()));
}

// The catalogue built in under `name`, or an empty image. Only names of letters, digits, '_' and
// '@' are looked up: a resource name may not start with '#' (a number) or be empty.
std::string_view BuiltInCatalogue(const std::string& name) {
  for (const char c : name) {
    if (!IsCharAlphaNumericA(c) && c != '_' && c != '@') return {};
  }
  const std::u16string wide = Utf8ToWide(name);
  const std::wstring resourceName(wide.begin(), wide.end());
  HRSRC found = FindResourceW(nullptr, resourceName.c_str(), MAKEINTRESOURCEW(10) /* RCDATA */);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded == nullptr ? nullptr : LockResource(loaded);
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

}  // namespace

void UsePlayersLanguage() {
  const LanguageSettings settings{Environment(L"LC_ALL"), Environment(L"LC_MESSAGES"),
                                  Environment(L"LANG"), Environment(L"LANGUAGE"),
                                  DisplayLanguage()};
  for (const std::string& name : CatalogueNames(settings)) {
    const std::string_view image = BuiltInCatalogue(name);
    if (image.empty()) continue;
    catalogue.emplace(image);
    if (catalogue->Usable()) return;
  }
  catalogue.reset();
}

const char* Translate(const char* message) {
  const char* translation = catalogue ? catalogue->Find(message) : nullptr;
  return translation != nullptr && SameConversions(message, translation) ? translation : message;
}

}  // namespace platform

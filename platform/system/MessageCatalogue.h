// MessageCatalogue: a compiled message catalogue, in the .mo format msgfmt writes from po/, read
// from memory, for a program whose C library has no gettext: the Windows program carries the
// catalogues in its own resources. CatalogueNames says which catalogue the player's settings
// ask for, by gettext's rules, so that LANGUAGE and LANG mean the same on every system.
//   MessageCatalogue korean(image);  // image: the bytes of ko/LC_MESSAGES/vesk.mo
//   const char* said = korean.Find("cannot start: %s");  // nullptr: not translated
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class MessageCatalogue {
 public:
  // `image` must outlive the catalogue. An image that is not a whole .mo file, with every string
  // inside it, translates nothing.
  explicit MessageCatalogue(std::string_view image);
  bool Usable() const { return count_ > 0; }
  // The translation of `message`, or nullptr where the catalogue has none.
  const char* Find(std::string_view message) const;

 private:
  uint32_t Word(size_t at) const;
  // String `index` of the table at `table` (originals or translations): its text, NUL after it.
  std::string_view String(uint32_t table, uint32_t index) const;
  bool Holds(uint32_t table) const;
  std::string_view image_;
  bool swapped_ = false;  // written on a machine of the other byte order
  uint32_t count_ = 0, originals_ = 0, translations_ = 0;
};

// The player's language settings, each empty where it is not set: the environment's LC_ALL,
// LC_MESSAGES, LANG and LANGUAGE, and the system's own language as a locale name ("ko_KR").
struct LanguageSettings {
  std::string All, Messages, Lang, Language, System;
};

// The catalogues to try, best first, as gettext chooses them: the locale is LC_ALL, else
// LC_MESSAGES, else LANG, else the system's; under the C locale nothing is translated; otherwise
// each language of LANGUAGE's list in turn, or the locale's own, from its whole name to its bare
// language ("ko_KR.UTF-8" tries "ko_KR", then "ko").
std::vector<std::string> CatalogueNames(const LanguageSettings& settings);

}  // namespace platform

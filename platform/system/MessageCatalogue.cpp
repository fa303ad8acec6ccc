#include "platform/system/MessageCatalogue.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace platform {
namespace {

constexpr uint32_t kMagic = 0x950412de;
// The header's words: magic, revision, string count, the originals' and translations' tables.
constexpr size_t kHeaderSize = 5 * 4;

uint32_t Swapped(uint32_t word) {
  return word >> 24 | (word >> 8 & 0xff00) | (word << 8 & 0xff0000) | word << 24;
}

}  // namespace

MessageCatalogue::MessageCatalogue(std::string_view image) : image_(image) {
  if (image_.size() < kHeaderSize) return;
  const uint32_t magic = Word(0);
  swapped_ = magic == Swapped(kMagic);
  if (magic != kMagic && !swapped_) return;
  // Revision 0 and 1 keep these fields; a new major revision may not.
  if (Word(4) >> 16 != 0) return;
  const uint32_t count = Word(8);
  originals_ = Word(12);
  translations_ = Word(16);
  if (count > image_.size() / 8) return;
  count_ = count;
  if (!Holds(originals_) || !Holds(translations_)) count_ = 0;
}

uint32_t MessageCatalogue::Word(size_t at) const {
  uint32_t word;
  std::memcpy(&word, image_.data() + at, 4);
  return swapped_ ? Swapped(word) : word;
}

std::string_view MessageCatalogue::String(uint32_t table, uint32_t index) const {
  const size_t entry = table + size_t{index} * 8;
  return image_.substr(Word(entry + 4), Word(entry));
}

// Whether every entry of the table, and each entry's string with the NUL after it, lies inside
// the image.
bool MessageCatalogue::Holds(uint32_t table) const {
  if (table % 4 != 0 || table > image_.size() || (image_.size() - table) / 8 < count_) return false;
  for (uint32_t index = 0; index < count_; ++index) {
    const size_t entry = table + size_t{index} * 8;
    const size_t length = Word(entry), offset = Word(entry + 4);
    if (offset >= image_.size() || length >= image_.size() - offset) return false;
    if (image_[offset + length] != '\0') return false;
  }
  return true;
}

const char* MessageCatalogue::Find(std::string_view message) const {
  // msgfmt sorts the originals by their bytes.
  uint32_t low = 0, high = count_;
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const std::string_view original = String(originals_, middle);
    const int order = original.compare(message);
    if (order == 0) {
      const std::string_view translation = String(translations_, middle);
      // An empty translation is a message left untranslated.
      return translation.empty() ? nullptr : translation.data();
    }
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return nullptr;
}

std::vector<std::string> CatalogueNames(const LanguageSettings& settings) {
  std::string locale = settings.All;
  for (const std::string* next : {&settings.Messages, &settings.Lang, &settings.System}) {
    if (locale.empty()) locale = *next;
  }
  if (locale.empty() || locale == "C" || locale == "POSIX") return {};
  std::vector<std::string> names;
  std::istringstream languages(settings.Language.empty() ? locale : settings.Language);
  for (std::string name; std::getline(languages, name, ':');) {
    // language[_territory][.codeset][@modifier]: the codeset says nothing of the language.
    const size_t modifierAt = name.find('@');
    const std::string modifier = modifierAt == std::string::npos ? "" : name.substr(modifierAt);
    name = name.substr(0, std::min(name.find('.'), modifierAt));
    const std::string language = name.substr(0, name.find('_'));
    for (const std::string& candidate : {name + modifier, name, language + modifier, language}) {
      if (candidate.empty() || candidate[0] == '@') continue;
      if (std::find(names.begin(), names.end(), candidate) == names.end()) {
        names.push_back(candidate);
      }
    }
  }
  return names;
}

}  // namespace platform

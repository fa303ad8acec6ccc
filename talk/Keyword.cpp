#include "talk/Keyword.h"

#include <algorithm>
#include <string>

#include "platform/system/CodePage.h"

namespace {

// Lower-cases the ASCII letters of code-page text. A byte from 0x81 up leads a two-byte
// character whose second byte may look like an ASCII letter; such pairs are kept whole, so that
// only real letters change and no Hangul syllable turns into another.
void LowerAsciiLetters(std::string& codePageText) {
  for (size_t i = 0; i < codePageText.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(codePageText[i]);
    if (byte >= 0x81) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      codePageText[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
}

}  // namespace

std::u16string KeywordOf(const std::u16string& Line) {
  std::u16string keyword = Line;
  std::erase(keyword, u' ');  // every space goes, however long the line
  std::string codePageText = platform::WideToCodePage(keyword);
  LowerAsciiLetters(codePageText);
  keyword = platform::CodePageToWide(codePageText);
  if (keyword.size() > kKeywordLength) keyword.resize(kKeywordLength);
  return keyword;
}

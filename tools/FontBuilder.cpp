#include "tools/FontBuilder.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <utility>

namespace fontbuild {

namespace {

std::string CodePointName(char32_t code) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  return name;
}

int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

}  // namespace

platform::Result<HexGlyphs> ParseHexFont(std::istream& in, const std::string& sourceName) {
  HexGlyphs glyphs;
  std::string line;
  int lineNumber = 0;
  auto fail = [&](const std::string& problem) {
    return platform::Problem{sourceName + ": line " + std::to_string(lineNumber) + ": " + problem};
  };
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon < 4 || colon > 6)
      return fail("expected a code point of 4 to 6 hex digits, a colon and the glyph's digits");
    char32_t code = 0;
    for (size_t k = 0; k < colon; ++k) {
      const int value = HexValue(line[k]);
      if (value < 0) return fail("the code point \"" + line.substr(0, colon) + "\" is not hex");
      code = code * 16 + static_cast<char32_t>(value);
    }
    if (code > 0x10FFFF)
      return fail("the code point " + CodePointName(code) + " is beyond Unicode");
    const size_t digits = line.size() - colon - 1;
    if (digits != 32 && digits != 64)
      return fail("a glyph has 32 (8 x 16) or 64 (16 x 16) hex digits, this one " +
                  std::to_string(digits));
    std::vector<uint8_t> bytes(digits / 2);
    for (size_t k = 0; k < bytes.size(); ++k) {
      const int high = HexValue(line[colon + 1 + 2 * k]);
      const int low = HexValue(line[colon + 2 + 2 * k]);
      if (high < 0 || low < 0) return fail("the glyph of " + CodePointName(code) + " is not hex");
      bytes[k] = static_cast<uint8_t>(high * 16 + low);
    }
    if (!glyphs.emplace(code, std::move(bytes)).second)
      return fail("a second glyph for " + CodePointName(code));
  }
  if (in.bad()) return fail("the file could not be read to its end");
  return glyphs;
}

platform::Result<HexGlyphs> ReadHexFont(const std::string& path) {
  std::ifstream in(path);
  if (!in) return platform::Problem{path + ": cannot be opened"};
  return ParseHexFont(in, path);
}

// ---------------------------------------------------------------------------------------------
// ascii.fnt

namespace {

// Glyph 0 stands for the control bytes 0..31: a hollow box, so that they show up as something.
constexpr std::array<uint8_t, 16> kPlaceholderBox = {
    0x00, 0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00, 0x00};

}  // namespace

platform::Result<std::vector<uint8_t>> BuildAsciiFont(const HexGlyphs& source) {
  std::vector<uint8_t> font(kAsciiFontSize, 0);
  std::copy(kPlaceholderBox.begin(), kPlaceholderBox.end(), font.begin());
  for (char32_t code = 0x20; code <= 0x7E; ++code) {
    const auto found = source.find(code);
    if (found == source.end() || found->second.size() != 16)
      return platform::Problem{"no 8 x 16 glyph for " + CodePointName(code)};
    std::copy(found->second.begin(), found->second.end(), font.begin() + 16 * (code - 31));
  }
  return font;
}

// ---------------------------------------------------------------------------------------------
// Which component glyphs make up a syllable

namespace {

constexpr int kMedialCount = font_layout::kVowels;
constexpr int kFinalCount = font_layout::kFinals + 1;  // 0 = no final

// ㄱ and ㅋ (Unicode initial indices 0 and 15) leave the vowel more room than the other initials.
bool TakesWideVowel(int initial) { return initial == 0 || initial == 15; }

}  // namespace

SyllableGlyphs ComponentGlyphsOf(int syllable) {
  const int initial = syllable / (kMedialCount * kFinalCount);
  const int medial = syllable / kFinalCount % kMedialCount;
  const int final = syllable % kFinalCount;
  const font_layout::VowelSets& sets = font_layout::kSetsByVowel[medial];
  if (final == 0) {
    const int vowelSet =
        TakesWideVowel(initial) ? font_layout::kRoomyVowelSet : font_layout::kVowelSet;
    return {sets.InitialPlain + initial, vowelSet + medial, -1};
  }
  const int vowelSet = TakesWideVowel(initial) ? font_layout::kRoomyVowelSetWithFinal
                                               : font_layout::kVowelSetWithFinal;
  return {sets.InitialWithFinal + initial, vowelSet + medial, sets.Final + final - 1};
}

double InkOverlap(const Glyph& a, const Glyph& b) {
  int both = 0;
  int either = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    both += std::popcount(static_cast<uint8_t>(a[k] & b[k]));
    either += std::popcount(static_cast<uint8_t>(a[k] | b[k]));
  }
  return either == 0 ? 1.0 : static_cast<double>(both) / either;
}

// ---------------------------------------------------------------------------------------------
// Fitting the component glyphs

namespace {

constexpr int kFirstVowelGlyph = font_layout::kRoomyVowelSet;
constexpr int kFirstFinalGlyph = font_layout::kLoneFinalSet;

// How much a syllable's match counts in RaiseWeakest: its overlap (intersection over union of
// ink) with Unifont's, and kWeakWeight times more for each hundredth it lies below kWeakOverlap.
constexpr double kWeakOverlap = 0.6;
constexpr double kWeakWeight = 8;

double Worth(int both, int either) {
  const double overlap = either == 0 ? 1.0 : static_cast<double>(both) / either;
  return overlap - kWeakWeight * std::max(0.0, kWeakOverlap - overlap);
}

Glyph& operator|=(Glyph& into, const Glyph& other) {
  for (size_t k = 0; k < into.size(); ++k) into[k] |= other[k];
  return into;
}

bool HasInk(const Glyph& glyph, int row, int column) {
  return column >= 0 && column < 16 && (glyph[2 * row + column / 8] & (0x80 >> (column % 8))) != 0;
}

// The pixels of `glyph` that have an inked pixel beside them, left or right.
Glyph HorizontalStrokes(const Glyph& glyph) {
  Glyph strokes{};
  for (int row = 0; row < 16; ++row)
    for (int column = 0; column < 16; ++column)
      if (HasInk(glyph, row, column) &&
          (HasInk(glyph, row, column - 1) || HasInk(glyph, row, column + 1)))
        strokes[2 * row + column / 8] |= static_cast<uint8_t>(0x80 >> (column % 8));
  return strokes;
}

void RemoveInk(Glyph& from, const Glyph& ink) {
  for (size_t k = 0; k < from.size(); ++k) from[k] &= static_cast<uint8_t>(~ink[k]);
}

int Difference(const Glyph& a, const Glyph& b) {
  int count = 0;
  for (size_t k = 0; k < a.size(); ++k) count += std::popcount(static_cast<uint8_t>(a[k] ^ b[k]));
  return count;
}

// The component glyphs under fit, against the precomposed syllables they should compose.
class ComponentFit {
 public:
  explicit ComponentFit(std::vector<Glyph> targets)
      : targets_(std::move(targets)),
        users_(kComponentGlyphCount),
        neighbourInk_(kComponentGlyphCount),
        forbidden_(kComponentGlyphCount),
        glyphs_(kComponentGlyphCount) {
    for (int s = 0; s < kSyllableCount; ++s) {
      uses_.push_back(ComponentGlyphsOf(s));
      for (int g : GlyphsOf(s)) users_[g].push_back(s);
    }
    FindNeighbourInk();
    // A final may still take the pixels of a vowel's stem: before ㄴ the stems of ㅝ ㅞ ㅟ run
    // longer than their vowel glyphs draw them, and a final that continues them closes the gap.
    // The starting glyphs leave the whole of the vowel ink out, so the stems stay the vowels'.
    for (int g = 0; g < kComponentGlyphCount; ++g)
      forbidden_[g] = g < kFirstFinalGlyph ? neighbourInk_[g] : HorizontalStrokes(neighbourInk_[g]);
  }

  // Every component glyph starts as the ink that all syllables using it share, less the ink that
  // belongs to its neighbours: shared ink alone would be ambiguous, as the vowel glyphs drawn
  // only after ㄱ or ㅋ all share the ㄱ stroke, which their neighbour ink cannot tell apart from
  // the vowel's; so the vowels also give up their initials' starting ink.
  void StartFromOwnInk() {
    for (int g = 0; g < kComponentGlyphCount; ++g) {
      glyphs_[g] = CommonInk(users_[g]);
      RemoveInk(glyphs_[g], neighbourInk_[g]);
    }
    for (int g = kFirstVowelGlyph; g < kFirstFinalGlyph; ++g)
      for (int s : users_[g]) RemoveInk(glyphs_[g], glyphs_[uses_[s].initial]);
  }

  // Gives each component glyph in turn the pixels that minimise the differences over the
  // syllables using it, the other glyphs held fixed. A pixel that the other components of a
  // syllable already ink cannot change that syllable, so only the rest count; on a tie the pixel
  // stays blank, which keeps ink shared by two components in the one refitted later. No glyph
  // takes its neighbours' ink. Returns whether any glyph changed.
  bool Sweep() {
    bool changed = false;
    for (int g = 0; g < kComponentGlyphCount; ++g) {
      std::array<int, 256> inkWanted{};
      std::array<int, 256> blankWanted{};
      for (int s : users_[g]) {
        const Glyph others = ComposeWithout(s, g);
        for (int pixel = 0; pixel < 256; ++pixel) {
          const int k = pixel / 8;
          const uint8_t bit = static_cast<uint8_t>(0x80 >> (pixel % 8));
          if (others[k] & bit) continue;
          ++((targets_[s][k] & bit) ? inkWanted : blankWanted)[pixel];
        }
      }
      Glyph fitted{};
      for (int pixel = 0; pixel < 256; ++pixel)
        if (inkWanted[pixel] > blankWanted[pixel]) fitted[pixel / 8] |= 0x80 >> (pixel % 8);
      RemoveInk(fitted, forbidden_[g]);
      changed = changed || fitted != glyphs_[g];
      glyphs_[g] = fitted;
    }
    return changed;
  }

  // Sweep counts differing pixels, so a syllable with little ink, whose initial glyph is drawn
  // a row off Unifont's (ㅝ ㅞ ㅟ share theirs with ㅘ ㅙ ㅚ ㅢ), weighs no more than the pixels
  // it misses and stays far off. This pass goes over each glyph's pixels and toggles those that
  // raise the sum of Worth over all syllables, where the weakly matching ones count most, but
  // only where the pixel is a free stroke end in every syllable it changes (EndsAStroke): the
  // pass lengthens and shortens strokes and never adds a stray dot or a doubled stroke. Returns
  // whether any pixel changed.
  bool RaiseWeakest() {
    CountOverlaps();
    bool changed = false;
    for (int g = 0; g < kComponentGlyphCount; ++g) {
      std::vector<Glyph> others;
      std::vector<int>& users = users_[g];
      for (int s : users) others.push_back(ComposeWithout(s, g));
      for (int pixel = 0; pixel < 256; ++pixel) {
        const int k = pixel / 8;
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (pixel % 8));
        if (forbidden_[g][k] & bit) continue;
        const bool inked = (glyphs_[g][k] & bit) != 0;
        if (!EndsAStroke(g, others, pixel)) continue;
        double gain = 0;
        for (size_t u = 0; u < users.size(); ++u) {
          if (others[u][k] & bit) continue;
          const int s = users[u];
          const bool wanted = (targets_[s][k] & bit) != 0;
          const int both = both_[s] + (wanted ? (inked ? -1 : 1) : 0);
          const int either = either_[s] + (wanted ? 0 : (inked ? -1 : 1));
          gain += Worth(both, either) - Worth(both_[s], either_[s]);
        }
        if (gain <= 1e-9) continue;
        glyphs_[g][k] ^= bit;
        changed = true;
        for (size_t u = 0; u < users.size(); ++u) {
          if (others[u][k] & bit) continue;
          const int s = users[u];
          if (targets_[s][k] & bit)
            both_[s] += inked ? -1 : 1;
          else
            either_[s] += inked ? -1 : 1;
        }
      }
    }
    return changed;
  }

  // Whether `pixel` of glyph g is the free end of a straight stroke in every syllable using g
  // that no other component inks there: its one inked neighbour (of eight) continues in the same
  // direction and meets nothing else, so the pixel lies on the stroke's line beyond any joint.
  // Inking such a pixel only lengthens a stroke and clearing it only shortens one, so a stroke
  // drawn a row off its target can move towards it without a stray dot, a doubled stroke, a
  // blot or a gap appearing in any syllable.
  bool EndsAStroke(int g, const std::vector<Glyph>& others, int pixel) const {
    const int row = pixel / 16;
    const int column = pixel % 16;
    for (const Glyph& around : others) {
      if (HasInk(around, row, column)) continue;  // that syllable stays as it is
      Glyph composed = around;
      composed |= glyphs_[g];
      auto ink = [&](int r, int c) {
        return r >= 0 && r < 16 && (r != row || c != column) && HasInk(composed, r, c);
      };
      auto neighbours = [&](int r, int c) {
        int count = 0;
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc) count += (dr != 0 || dc != 0) && ink(r + dr, c + dc);
        return count;
      };
      if (neighbours(row, column) != 1) return false;
      bool straight = false;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
          if ((dr != 0 || dc != 0) && ink(row + dr, column + dc))
            straight = ink(row + 2 * dr, column + 2 * dc) && neighbours(row + dr, column + dc) == 1;
      if (!straight) return false;
    }
    return true;
  }

  long TotalDifference() const {
    long total = 0;
    for (int s = 0; s < kSyllableCount; ++s)
      total += Difference(ComposeWithout(s, -1), targets_[s]);
    return total;
  }

  const std::vector<Glyph>& Glyphs() const { return glyphs_; }

 private:
  // Counts the ink each composed syllable shares with its target, and their ink together.
  void CountOverlaps() {
    both_.assign(kSyllableCount, 0);
    either_.assign(kSyllableCount, 0);
    for (int s = 0; s < kSyllableCount; ++s) {
      const Glyph composed = ComposeWithout(s, -1);
      for (size_t k = 0; k < composed.size(); ++k) {
        both_[s] += std::popcount(static_cast<uint8_t>(composed[k] & targets_[s][k]));
        either_[s] += std::popcount(static_cast<uint8_t>(composed[k] | targets_[s][k]));
      }
    }
  }

  std::vector<int> GlyphsOf(int s) const {
    const SyllableGlyphs& use = uses_[s];
    if (use.final < 0) return {use.initial, use.vowel};
    return {use.initial, use.vowel, use.final};
  }

  // The ink each component glyph must leave to its neighbours, found from what groups of
  // syllables share whatever their other components:
  // - next to an initial or final glyph, a vowel's ink is what every syllable of that glyph's set
  //   with that vowel shares. Otherwise a final under ㅗ ㅛ ㅡ takes in their stroke and draws it
  //   a second time under ㅜ, whose stroke stands a row higher.
  // - next to a vowel glyph, an initial's ink is what the syllables of that vowel glyph with that
  //   initial share, less what the groups of all its initials share (the vowel's own strokes).
  //   Otherwise a vowel whose initials stand higher in Unifont than the shared initial glyph
  //   draws them takes in the bottom stroke that most initials have there and strikes it
  //   through ㅅ and ㅈ as well.
  void FindNeighbourInk() {
    std::map<std::pair<int, int>, std::vector<int>> initialGroups;  // by (set, medial)
    std::map<std::pair<int, int>, std::vector<int>> finalGroups;    // by (set, medial)
    std::map<std::pair<int, int>, std::vector<int>> vowelGroups;    // by (glyph, initial)
    for (int s = 0; s < kSyllableCount; ++s) {
      const int initial = s / (kMedialCount * kFinalCount);
      const int medial = s / kFinalCount % kMedialCount;
      initialGroups[{uses_[s].initial - initial, medial}].push_back(s);
      if (uses_[s].final >= 0)
        finalGroups[{uses_[s].final - (s % kFinalCount - 1), medial}].push_back(s);
      vowelGroups[{uses_[s].vowel, initial}].push_back(s);
    }
    for (const auto& [setAndVowel, syllables] : initialGroups) {
      const Glyph ink = CommonInk(syllables);
      for (int s : syllables) neighbourInk_[uses_[s].initial] |= ink;
    }
    for (const auto& [setAndVowel, syllables] : finalGroups) {
      const Glyph ink = CommonInk(syllables);
      for (int s : syllables) neighbourInk_[uses_[s].final] |= ink;
    }
    for (int g = kFirstVowelGlyph; g < kFirstFinalGlyph; ++g) {
      std::vector<Glyph> shared;
      for (auto group = vowelGroups.lower_bound({g, 0});
           group != vowelGroups.end() && group->first.first == g; ++group)
        shared.push_back(CommonInk(group->second));
      Glyph initialInk{};
      for (int pixel = 0; pixel < 256; ++pixel) {
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (pixel % 8));
        const auto having = std::count_if(shared.begin(), shared.end(), [&](const Glyph& ink) {
          return (ink[pixel / 8] & bit) != 0;
        });
        if (having > 0 && having < static_cast<long>(shared.size())) initialInk[pixel / 8] |= bit;
      }
      neighbourInk_[g] = initialInk;
    }
  }

  Glyph CommonInk(const std::vector<int>& syllables) const {
    if (syllables.empty()) return Glyph{};
    Glyph common;
    common.fill(0xFF);
    for (int s : syllables)
      for (size_t k = 0; k < common.size(); ++k) common[k] &= targets_[s][k];
    return common;
  }

  // Syllable s composed from its component glyphs, leaving out glyph `left` (-1: none left out).
  Glyph ComposeWithout(int s, int left) const {
    Glyph composed{};
    for (int g : GlyphsOf(s))
      if (g != left) composed |= glyphs_[g];
    return composed;
  }

  std::vector<Glyph> targets_;
  std::vector<SyllableGlyphs> uses_;
  std::vector<std::vector<int>> users_;  // the syllables that use each component glyph
  std::vector<Glyph> neighbourInk_;      // ink each glyph leaves to its neighbours
  std::vector<Glyph> forbidden_;         // pixels the fit never gives a glyph
  std::vector<Glyph> glyphs_;
  std::vector<int> both_;    // per syllable: ink shared with the target
  std::vector<int> either_;  // per syllable: ink of the two together
};

}  // namespace

platform::Result<std::vector<uint8_t>> BuildHangulFont(const HexGlyphs& source, FitReport* report) {
  std::vector<Glyph> targets(kSyllableCount);
  for (int s = 0; s < kSyllableCount; ++s) {
    const auto found = source.find(kFirstSyllable + s);
    if (found == source.end() || found->second.size() != targets[s].size())
      return platform::Problem{"no 16 x 16 glyph for " + CodePointName(kFirstSyllable + s)};
    std::copy(found->second.begin(), found->second.end(), targets[s].begin());
  }
  ComponentFit fit(std::move(targets));
  fit.StartFromOwnInk();
  FitReport local;
  local.initialDifference = fit.TotalDifference();
  do ++local.sweeps;
  while (fit.Sweep());
  while (fit.RaiseWeakest()) ++local.weakSweeps;
  local.fittedDifference = fit.TotalDifference();

  std::vector<uint8_t> font(kHangulFontSize, 0);
  for (int g = 0; g < kComponentGlyphCount; ++g)
    std::copy(fit.Glyphs()[g].begin(), fit.Glyphs()[g].end(), font.begin() + 32 * g);
  if (report) *report = local;
  return font;
}

}  // namespace fontbuild

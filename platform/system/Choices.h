// Choices: the words the player chooses among on the command line, in the settings text and in
// the page's address, each written once here for every place that reads, checks or lists them,
// and the largest scale a player may ask for.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A choice of one word among a few.
template <size_t N>
struct WordChoice {
  std::array<std::string_view, N> Words;

  constexpr bool Takes(std::string_view word) const {
    for (std::string_view known : Words) {
      if (word == known) return true;
    }
    return false;
  }

  // The words as a message lists them: "a or b", "a, b or c".
  std::string Listed() const {
    std::string listed;
    for (size_t i = 0; i < N; ++i) {
      if (i > 0) listed += i + 1 == N ? " or " : ", ";
      listed += Words[i];
    }
    return listed;
  }
};

// How keys become text: the game's own 2-set keyboard, or the desktop's (the browser's) input
// method.
inline constexpr std::string_view kBuiltinInputMethod = "builtin";
inline constexpr std::string_view kSystemInputMethod = "system";
inline constexpr WordChoice<2> kInputMethods{{kBuiltinInputMethod, kSystemInputMethod}};

// How the desktop window's picture reaches the screen: scaled on the CPU into the window's own
// surface, or by SDL's GPU renderer.
inline constexpr std::string_view kSoftwareRenderer = "software";
inline constexpr std::string_view kAcceleratedRenderer = "accelerated";
inline constexpr WordChoice<2> kRenderers{{kSoftwareRenderer, kAcceleratedRenderer}};

// The largest whole-pixel scale of the window the player may ask for.
constexpr int32_t kMaxScale = 16;

}  // namespace platform

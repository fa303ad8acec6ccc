// TemporaryName: the names a file is written under beside the one asked for, before it is renamed
// over it. They are short whatever that name is, so a name near the file system's limit (255
// bytes) still has room beside it, and random, so two games writing into one folder at once
// rarely draw the same one; the writer creates each exclusively and draws again when it is taken.
#pragma once

#include <random>
#include <string>

namespace platform {

class TemporaryNames {
 public:
  // How many names a writer tries before it gives up on a folder where each one is taken.
  static constexpr int kTries = 100;

  TemporaryNames();
  // A fresh name, hidden and plain ASCII: a dot, the program's name, a dash and 16 hexadecimal
  // digits.
  std::string Next();

 private:
  std::mt19937_64 random_;
};

}  // namespace platform

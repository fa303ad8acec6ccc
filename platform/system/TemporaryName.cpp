#include "platform/system/TemporaryName.h"

#include <cstdint>
#include <cstdio>

namespace platform {

TemporaryNames::TemporaryNames() {
  std::random_device seed;
  random_.seed((static_cast<uint64_t>(seed()) << 32) ^ seed());
}

std::string TemporaryNames::Next() {
  char name[32];
  std::snprintf(name, sizeof name, ".vesk-%016llx", static_cast<unsigned long long>(random_()));
  return name;
}

}  // namespace platform

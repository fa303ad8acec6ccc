#include "platform/system/TemporaryName.h"

#include <cstdint>
#include <cstdio>

#include "platform/system/ProgramName.h"

namespace platform {

TemporaryNames::TemporaryNames() {
  std::random_device seed;
  random_.seed((static_cast<uint64_t>(seed()) << 32) ^ seed());
}

std::string TemporaryNames::Next() {
  char name[32];
  std::snprintf(name, sizeof name, ".%s-%016llx", kProgramName,
                static_cast<unsigned long long>(random_()));
  return name;
}

}  // namespace platform

// A Windows GUI program has no standard output of its own: started from a command prompt, its
// messages (--help, --version, a headless run's complaints) would go nowhere. Before main runs,
// this hands the streams the program was not given to the console of the prompt that started
// it, in UTF-8 as the program writes, and gives the console its code page back at the end.
// A stream that was redirected, or given by the parent as under Wine, stays as it is.
#include <windows.h>

#include <cstdio>

namespace {

bool Missing(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

class ParentConsole {
 public:
  ParentConsole() {
    const bool output = Missing(STD_OUTPUT_HANDLE), errors = Missing(STD_ERROR_HANDLE);
    if (!(output || errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    codePage_ = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    if (output) std::freopen("CONOUT$", "w", stdout);
    if (errors) std::freopen("CONOUT$", "w", stderr);
  }
  ~ParentConsole() {
    if (codePage_ == 0) return;
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(codePage_);
  }

 private:
  UINT codePage_ = 0;
};

const ParentConsole parentConsole;

}  // namespace

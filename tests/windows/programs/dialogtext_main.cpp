// dialogtext: waits for a program's message box (a dialog window, of any process on the desktop)
// and writes its caption and the texts of its controls, UTF-8, one line each, as Windows gives
// them to a screen reader (WM_GETTEXT). The box stays open for the test to answer as a player.
//
//   dialogtext OUT.txt
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string TextOf(HWND window) {
  wchar_t text[1024] = {};
  const LRESULT length =
      SendMessageW(window, WM_GETTEXT, sizeof text / sizeof *text, reinterpret_cast<LPARAM>(text));
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string utf8(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), bytes, nullptr,
                      nullptr);
  return utf8;
}

BOOL CALLBACK PutControl(HWND control, LPARAM out) {
  std::fprintf(reinterpret_cast<std::FILE*>(out), "%s\n", TextOf(control).c_str());
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dialogtext OUT.txt\n");
    return 2;
  }
  // The box may still be on its way: the program that shows it has only just started.
  HWND box = nullptr;
  for (int tries = 0; tries < 600 && !box; ++tries) {
    box = FindWindowW(L"#32770", nullptr);
    if (box && !IsWindowVisible(box)) box = nullptr;
    if (!box) Sleep(100);
  }
  if (!box) {
    std::fprintf(stderr, "dialogtext: no message box appeared\n");
    return 1;
  }
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::fprintf(stderr, "dialogtext: cannot write %s\n", argv[1]);
    return 1;
  }
  std::fprintf(out, "%s\n", TextOf(box).c_str());
  EnumChildWindows(box, PutControl, reinterpret_cast<LPARAM>(out));
  return std::fclose(out) == 0 ? 0 : 1;
}

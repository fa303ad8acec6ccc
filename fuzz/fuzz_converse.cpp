// Fuzz target: talking to the king with arbitrary typed text, through the real main window and
// panes over the shipped data. Each input is UTF-8 text; every line is typed and sent with Enter,
// and a talk that ended is opened again.
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "app/Vesk3_main.h"
#include "platform/input/HangulKeyboard.h"
#include "platform/input/Keys.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

TForm1& StartedForm() {
  static TForm1* form = [] {
    fuzz_support::EnterScratchDataFolder();
    auto* made = new TForm1;  // lives for the whole fuzzing run, like the game's window
    made->SetInputMethod(*platform::HangulKeyboard::Make());
    made->Create();
    made->Paint();
    return made;
  }();
  return *form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TForm1& form = StartedForm();
  const std::u16string text =
      platform::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const platform::KeyStroke enter = *platform::StrokeForName("Enter", false);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    if (!form.Talking) StartTalk(50, 27);
    form.Input().TextInput(text.substr(start, end - start), form.FocusedReceiver());
    form.Tick();
    form.Key(enter);
    form.PrepareFrame();
    if (!form.Edit1.Text().empty()) __builtin_trap();  // Enter always empties the line
    start = end + 1;
  }
  return 0;
}

// The print procedures: the conversation's only way onto the panes. They turn wide text into the
// panes' code-page text and present the pane at once, so an answer shows while it is printed.
#include "app/Vesk3_main.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

platform::ColorWord ColorOr(platform::ColorWord color, platform::ColorWord paneDefault) {
  return color == kPaneColor ? paneDefault : color;
}

}  // namespace

std::function<void(const std::u16string& Text, bool LineEnds)> ConsoleListener;
std::function<void(const std::u16string& Text)> TypedLineListener;

void SayLine(platform::ColorWord Color, const std::u16string& Text) {
  ConsoleWindow->TextColor = ColorOr(Color, kConsoleTextColor);
  ConsoleWindow->WriteLine(platform::WideToCodePage(Text));
  ConsoleWindow->Present();
  if (ConsoleListener) ConsoleListener(Text, true);
}

void SayPart(platform::ColorWord Color, const std::u16string& Text) {
  ConsoleWindow->TextColor = ColorOr(Color, kConsoleTextColor);
  ConsoleWindow->Write(platform::WideToCodePage(Text));
  ConsoleWindow->Present();
  if (ConsoleListener) ConsoleListener(Text, false);
}

void EchoInput(platform::ColorWord Color, const std::u16string& Text) {
  InputWindow->TextColor = ColorOr(Color, kInputTextColor);
  InputWindow->ShowText(platform::WideToCodePage(Text));
  InputWindow->Present();
}

// The program entry of the browser version: the page passes its address's options (?ime=system,
// ?walk-rate=N, ?speech=1) as the command line, the data files are built into the program under
// /data, the settings live in the page's storage, and the game runs on the page's canvas. main
// returns once the game has started; the browser then calls the game back for every event, so the
// window and the game live on past it.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "app/GameObjects.h"
#include "app/InputMethodChoice.h"
#include "app/Options.h"
#include "app/RunReport.h"
#include "app/SpeechFeed.h"
#include "app/Vesk3_main.h"
#include "platform/system/Choices.h"
#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"
#include "platform/toolkit/Window.h"
#include "platform/web/WebCanvas.h"
#include "platform/web/WebLiveRegion.h"
#include "platform/web/WebSettings.h"
#include "talk/Talk.h"

namespace {

std::unique_ptr<TForm1> form;
std::unique_ptr<platform::WebCanvas> canvas;
platform::WebSettings storage;
platform::SettingsKeeper store(storage);
platform::Settings settings;
platform::HangulKeyboard* keyboard = nullptr;
// Speech is for a player with no screen reader; one who has one hears the live region instead,
// which goes quiet while speech is on, so that no line is said twice.
platform::Speech speech([](const std::string& message) {
  platform::WriteMessage(message);
  platform::ShowNotice(message);
});
std::u16string saying;         // the console's line being printed, for the live region
size_t logLinesAnnounced = 0;  // the event log's lines the live region has had

void AnnounceNewLogLines() {
  const auto& lines = form->Memo1.Lines();
  for (; logLinesAnnounced < lines.size(); ++logLinesAnnounced) {
    platform::Announce(platform::CodePageToUtf8(lines[logLinesAnnounced]));
  }
}

// The words the game shows go to the page's live region in the order they come: the console's
// lines as they end, the event log's new lines before them and after every event.
void AnnounceWords() {
  ConsoleListener = [](const std::u16string& text, bool lineEnds) {
    AnnounceNewLogLines();
    saying += text;
    if (!lineEnds) return;
    platform::Announce(platform::WideToUtf8(saying));
    saying.clear();
  };
  logLinesAnnounced = form->Memo1.Lines().size();
}

// The page never sees the game end the way the desktop does, so what the player switches while
// playing (the keyboard's mode, speech) is kept as it happens.
void KeepChoices() {
  KeepHangulMode(settings, keyboard);
  if (speech.On() != settings.Speech.value_or(false)) settings.Speech = speech.On();
  std::string unkept;
  store.Keep(settings, unkept);
}

// The options of the page's address, which the page passes as `--name value` pairs or, for a
// switch (?speech=1 is --speech), `--name` alone. An address is typed by hand: an option the game
// cannot use (a second one of the same name among them) is named on the page and left out, and
// the game starts without it.
Options AddressOptions(int argc, char** argv) {
  std::vector<char*> usable = {argv[0]};
  for (int i = 1, next = 2; i < argc; i = next++) {
    while (next < argc && std::string_view(argv[next]).substr(0, 2) != "--") ++next;
    char** const end = argv + next;
    std::vector<char*> tried = usable;
    tried.insert(tried.end(), argv + i, end);
    std::string error;
    if (ParseOptions(static_cast<int>(tried.size()), tried.data(), error)) {
      usable = std::move(tried);
    } else {
      platform::ShowNotice(platform::Format(_("Left out of the address: %s"), error.c_str()));
    }
  }
  std::string error;
  return ParseOptions(static_cast<int>(usable.size()), usable.data(), error).value_or(Options{});
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = AddressOptions(argc, argv);
  form = std::make_unique<TForm1>();
  // As on the desktop, the address's choice wins for this visit and is kept for the next.
  std::vector<std::string> notices;
  settings = WithCommandLine(options, store.Load(notices));
  // A kept text the game cannot use is said under the game, as the address's leftovers are.
  for (const std::string& notice : notices) {
    platform::WriteMessage(notice);
    platform::ShowNotice(notice);
  }
  std::string unkept;
  store.Keep(settings, unkept);
  // A touch screen without a choice types with the phone's own keyboard; that is not kept as a
  // choice.
  platform::Settings typing = settings;
  if (!typing.InputMethod && platform::TouchScreen()) {
    typing.InputMethod = std::string(platform::kSystemInputMethod);
  }
  form->SetInputMethod(InputMethodFor(typing, keyboard));
  std::error_code noData;
  std::filesystem::current_path("/data", noData);
  if (noData) {
    platform::ShowError(form->Description().Caption, _("the data files are missing"));
    return 1;
  }
  if (const auto failure = CreateGameObjects(*form)) {
    const std::string message = platform::Format(_("cannot start: %s"), failure->what());
    platform::WriteMessage(message);
    platform::ShowError(form->Description().Caption, message);
    return 1;
  }
  canvas =
      std::make_unique<platform::WebCanvas>(*form, UsesSystemInputMethod(typing), options.WalkRate);
  AnnounceWords();
  speech.SetOn(settings.Speech.value_or(false));
  FeedSpeech(*form, speech, keyboard);
  platform::QuietLiveRegion(speech.On());
  canvas->WhenServiceKey([](platform::WindowKey key) {
    SpeechKey(speech, key);
    platform::QuietLiveRegion(speech.On());
    KeepChoices();
  });
  canvas->WhenHandled([] {
    KeepChoices();
    AnnounceNewLogLines();
  });
  canvas->WhenTyping([] { return form->Talking; });
  canvas->Start();
  platform::PublishPageReports(EventLogText, [] { return StateJson(form->CloseRequested()); });
  return 0;
}

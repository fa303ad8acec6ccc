// The page's entry: the game started the one way, with the page's own ways: the address's options
// (?ime=system, ?walk-rate=N, ?speech=1) as the command line, the data files built into the
// program under /data, the settings in the page's storage, notices shown under the game; then
// played on the page's canvas. Its run returns once the game has started; the browser then calls
// the game back for every event, so the window and the game live on past it.
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/system/Choices.h"
#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"
#include "platform/toolkit/Window.h"
#include "platform/web/WebCanvas.h"
#include "platform/web/WebLiveRegion.h"
#include "platform/web/WebSettings.h"
#include "platform/web/WebTouch.h"
#include "start/Port.h"
#include "start/RunReport.h"
#include "start/SpeechFeed.h"
#include "start/StartUp.h"
#include "talk/Talk.h"

namespace {

platform::WebSettings storage;
std::unique_ptr<StartUp> start;
std::unique_ptr<platform::WebCanvas> canvas;
std::u16string saying;         // the console's line being printed, for the live region
size_t logLinesAnnounced = 0;  // the event log's lines the live region has had

void AnnounceNewLogLines() {
  const auto& lines = start->Form().Memo1.Lines();
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
  logLinesAnnounced = start->Form().Memo1.Lines().size();
}

// The page never sees the game end the way the desktop does, so what the player switches while
// playing (the keyboard's mode, speech) is kept as it happens. Storage the page may not use
// leaves the game as it is.
void KeepChoices() { (void)start->KeepSettings(); }

// The options of the page's address, which the page passes as `--name value` pairs or, for a
// switch (?speech=1 is --speech), `--name` alone. An address is typed by hand: an option the game
// cannot use (a second one of the same name among them) is named on the page and left out, and
// the game starts without it. The page has no terminal to answer --help or --version on.
platform::Result<Options> AddressOptions(int argc, char** argv) {
  std::vector<char*> usable = {argv[0]};
  for (int i = 1, next = 2; i < argc; i = next++) {
    while (next < argc && std::string_view(argv[next]).substr(0, 2) != "--") ++next;
    char** const end = argv + next;
    std::vector<char*> tried = usable;
    tried.insert(tried.end(), argv + i, end);
    const auto options = ParseOptions(static_cast<int>(tried.size()), tried.data());
    if (options) {
      usable = std::move(tried);
    } else {
      platform::ShowNotice(
          platform::Format(_("Left out of the address: %s"), options.Error().Message.c_str()));
    }
  }
  auto options = ParseOptions(static_cast<int>(usable.size()), usable.data());
  Options chosen = options ? *options : Options{};
  chosen.Help = chosen.Version = false;
  return chosen;
}

// The data files are built into the program.
platform::Result<std::vector<std::string>> EnterBuiltInData(const Options&) {
  std::error_code noData;
  std::filesystem::current_path("/data", noData);
  if (noData) return platform::Problem{_("the data files are missing")};
  return std::vector<std::string>{};
}

// A touch screen without a choice types with the phone's own keyboard; that is not kept as a
// choice.
platform::Settings PhoneTyping(platform::Settings typing) {
  if (!typing.InputMethod && platform::TouchScreen()) {
    typing.InputMethod = std::string(platform::kSystemInputMethod);
  }
  return typing;
}

int RunPage(int argc, char** argv) {
  StartWays ways;
  ways.ReadOptions = AddressOptions;
  ways.EnterData = EnterBuiltInData;
  ways.Store = &storage;
  ways.Typing = PhoneTyping;
  ways.Notify = platform::ShowNotice;
  ways.ShowError = platform::ShowError;
  ways.Display = true;
  start = std::make_unique<StartUp>(std::move(ways));
  if (const auto stop = start->Begin(argc, argv)) return *stop;
  // As on the desktop, the address's choice wins for this visit and is kept for the next.
  KeepChoices();
  TForm1& form = start->Form();
  if (!start->CreateGame()) return 1;
  canvas = std::make_unique<platform::WebCanvas>(form, start->SystemInputMethod(),
                                                 start->GivenOptions().WalkRate);
  AnnounceWords();
  // Speech is for a player with no screen reader; one who has one hears the live region instead,
  // which goes quiet while speech is on, so that no line is said twice.
  platform::Speech& speech = start->StartSpeech();
  platform::QuietLiveRegion(speech.On());
  canvas->WhenServiceKey([&speech](platform::WindowKey key) {
    SpeechKey(speech, key);
    platform::QuietLiveRegion(speech.On());
    KeepChoices();
  });
  canvas->WhenHandled([] {
    KeepChoices();
    AnnounceNewLogLines();
  });
  canvas->WhenTyping([] { return start->Form().Talking; });
  canvas->Start();
  platform::PublishPageReports(EventLogText,
                               [] { return StateJson(start->Form().CloseRequested()); });
  return 0;
}

}  // namespace

extern const Port kPort_web{false, RunPage, nullptr};

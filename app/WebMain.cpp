// The program entry of the browser version: the page passes its address's options (?ime=system,
// ?walk-rate=N) as the command line, the data files are built into the program under /data, and the
// game runs on the page's canvas. main returns once the game has started; the browser then calls
// the game back for every event, so the window and the game live on past it.
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/GameObjects.h"
#include "app/Options.h"
#include "app/RunReport.h"
#include "app/Vesk3_main.h"
#include "platform/HangulKeyboard.h"
#include "platform/SystemInputMethod.h"
#include "platform/WebCanvas.h"
#include "platform/Window.h"

namespace {

std::unique_ptr<TForm1> form;
std::unique_ptr<platform::WebCanvas> canvas;

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseOptions(argc, argv, error);
  form = std::make_unique<TForm1>();
  if (!options) {
    platform::ShowError(form->Description().Caption, error);
    return 2;
  }
  const bool systemInputMethod = options->Ime == "system";
  if (systemInputMethod) {
    form->SetInputMethod(std::make_unique<platform::SystemInputMethod>());
  } else {
    form->SetInputMethod(std::make_unique<platform::HangulKeyboard>());
  }
  std::error_code noData;
  std::filesystem::current_path("/data", noData);
  if (noData) {
    platform::ShowError(form->Description().Caption, "the data files are missing");
    return 1;
  }
  if (const auto failure = CreateGameObjects(*form)) {
    const std::string message = "cannot start: " + std::string(failure->what());
    std::cerr << "vesk: " << message << "\n";
    platform::ShowError(form->Description().Caption, message);
    return 1;
  }
  canvas = std::make_unique<platform::WebCanvas>(*form, systemInputMethod, options->WalkRate);
  canvas->Start();
  platform::PublishPageReports(EventLogText, [] { return StateJson(form->CloseRequested()); });
  return 0;
}

#include "WineSession.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace testing_support {
namespace {

const fs::path kPrefix = VESK_WINE_PREFIX;
// The home folder Wine sees, beside the prefix and kept with it: Wine links a new user's shell
// folders (Pictures among them) to folders of the home, which must outlive the session.
const fs::path kHome = kPrefix.string() + "-home";

int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Makes the shared prefix unless it is there; sessions that start together wait for the first.
bool PrefixReady(std::string& problem) {
  fs::create_directories(kPrefix.parent_path());
  const int lock = open((kPrefix.string() + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock < 0 || flock(lock, LOCK_EX) != 0) {
    problem = "cannot lock the Wine prefix";
    return false;
  }
  bool ready = fs::exists(kPrefix / "system.reg");
  if (!ready) {
    fs::create_directories(kHome / "Pictures");
    const int status = std::system("wineboot -i >/dev/null 2>&1 && wineserver -w");
    ready = ExitStatus(status) == 0 && fs::exists(kPrefix / "system.reg");
    if (!ready) problem = "wineboot could not make the prefix " + kPrefix.string();
  }
  // Wine's own user interface font has no Hangul, and the Korean font it falls back on, Gulim, is
  // Microsoft's: Debian's Nanum Gothic stands in for it, so that message boxes show Hangul as on
  // a Korean Windows.
  if (ready &&
      ReadFile(kPrefix / "user.reg").find("\"Gulim\"=\"NanumGothic\"") == std::string::npos) {
    const int status = std::system(
        "wine reg add 'HKCU\\Software\\Wine\\Fonts\\Replacements' /v Gulim /d NanumGothic /f "
        ">/dev/null 2>&1 && wineserver -w");
    ready = ExitStatus(status) == 0;
    if (!ready) problem = "Wine's registry does not take the Hangul font";
  }
  close(lock);
  return ready;
}

}  // namespace

WineSession::WineSession(const std::string& user) : user_(user) {
  if (std::system("command -v wine >/dev/null && command -v Xvfb >/dev/null && "
                  "command -v xdotool >/dev/null") != 0) {
    problem_ = "the Windows tests need wine, Xvfb and xdotool (./build.sh installs them)";
    return;
  }
  scratch_ = fs::temp_directory_path() / ("vesk-wine-" + std::to_string(std::random_device()()));
  fs::create_directories(scratch_);
  display_ = StartVirtualScreen(server_, "1280x1024x24");
  if (display_.empty()) {
    problem_ = "Xvfb did not start";
    return;
  }
  // Wine hands the environment on to the Windows program: no SDL driver chosen for the Linux
  // build's tests, and a home folder of the tests' own instead of the machine's.
  setenv("WINEPREFIX", kPrefix.c_str(), 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("WINEDLLOVERRIDES", "mscoree=;mshtml=", 1);  // no .NET or browser engine to install
  setenv("DISPLAY", display_.c_str(), 1);
  setenv("HOME", kHome.c_str(), 1);
  setenv("USER", user.c_str(), 1);
  setenv("LOGNAME", user.c_str(), 1);
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("XMODIFIERS");  // no input method until the session starts one
  if (!PrefixReady(problem_)) return;
  RemoveGameTraces();
  // Wine's server and its background programs, started here and kept until the session ends, so
  // that what they say goes nowhere instead of onto the stderr of the game's first run.
  if (std::system("wineserver -p >/dev/null 2>&1 && wine cmd /c exit >/dev/null 2>&1 </dev/null") !=
      0) {
    problem_ = "Wine does not start in " + kPrefix.string();
  }
  started_ = true;
}

WineSession::~WineSession() {
  window_.reset();
  inputMethod_.reset();
  bus_.reset();
  if (started_) std::system("wineserver -k >/dev/null 2>&1; wineserver -w");
  if (!scratch_.empty()) {
    if (problem_.empty()) RemoveGameTraces();
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
  }
  server_.reset();
}

void WineSession::RemoveGameTraces() const {
  const fs::path appData = ProfileFolder() / "AppData";
  std::error_code ignored;
  fs::remove_all(appData / "Roaming" / "vesk", ignored);
  fs::remove_all(appData / "Local" / "vesk", ignored);
  for (const auto& entry : fs::directory_iterator(ProfileFolder() / "Pictures", ignored)) {
    if (entry.path().filename().string().rfind("vesk-", 0) == 0) fs::remove(entry.path(), ignored);
  }
}

std::string WineSession::WindowsPath(const fs::path& path) {
  std::string windows = "Z:" + fs::absolute(path).string();
  for (char& c : windows) c = c == '/' ? '\\' : c;
  return windows;
}

fs::path WineSession::ProfileFolder() const { return kPrefix / "drive_c" / "users" / user_; }

std::string WineSession::Command(const fs::path& program, const std::vector<std::string>& arguments,
                                 const fs::path& folder, const fs::path& errors,
                                 const fs::path& output) const {
  std::string command =
      "cd " + ShellQuoted(folder.string()) + " && exec wine " + ShellQuoted(WindowsPath(program));
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  return command + " 2>" + ShellQuoted(errors.string()) + " >" + ShellQuoted(output.string()) +
         " </dev/null";
}

int WineSession::Run(const fs::path& program, const std::vector<std::string>& arguments,
                     const fs::path& folder, std::string& errors, std::string* output) {
  const fs::path file = scratch_ / "run-stderr.txt", outputFile = scratch_ / "run-stdout.txt";
  const int status = ExitStatus(std::system(
      Command(program, arguments, folder, file, output ? outputFile : "/dev/null").c_str()));
  errors = fs::exists(file) ? ReadFile(file) : "";
  if (output) *output = fs::exists(outputFile) ? ReadFile(outputFile) : "";
  return status;
}

unsigned long WineSession::StartWindow(const fs::path& program,
                                       const std::vector<std::string>& arguments,
                                       const fs::path& folder) {
  window_ = std::make_unique<Process>(std::vector<std::string>{
      "sh", "-c", Command(program, arguments, folder, scratch_ / "window-stderr.txt")});
  // Wine's first window in a fresh profile takes a few seconds.
  return FocusedWindowOf(*window_, 30);
}

int WineSession::WaitForEnd(int seconds) {
  return window_ && window_->Ended(seconds) ? window_->Status() : -1;
}

std::string WineSession::WindowErrors() const {
  const fs::path file = scratch_ / "window-stderr.txt";
  return fs::exists(file) ? ReadFile(file) : "";
}

std::string WineSession::StartInputMethod() {
  if (std::system("command -v dbus-daemon >/dev/null && command -v ibus-daemon >/dev/null && "
                  "command -v xprop >/dev/null") != 0) {
    return "the input method test needs dbus, ibus, ibus-hangul and x11-utils (./build.sh "
           "installs them)";
  }
  const std::string bus = "unix:path=" + (scratch_ / "bus").string();
  bus_ = std::make_unique<Process>(
      std::vector<std::string>{"dbus-daemon", "--session", "--nofork", "--address=" + bus},
      "/dev/null");
  for (int tries = 0; tries < 100 && !fs::exists(scratch_ / "bus"); ++tries) usleep(100000);
  if (!fs::exists(scratch_ / "bus")) return "the D-Bus session did not start";
  setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
  // IBus keeps its address and settings under the configuration folder: the session's own; and
  // no accessibility bus for its helpers.
  const std::string config =
      "XDG_CONFIG_HOME=" + (scratch_ / "config").string() + " NO_AT_BRIDGE=1";
  inputMethod_ = std::make_unique<Process>(
      std::vector<std::string>{"sh", "-c",
                               "exec env " + config + " ibus-daemon --xim --panel=disable"},
      "/dev/null");
  bool engine = false;
  for (int tries = 0; tries < 60 && !engine; ++tries) {
    engine = std::system(("env " + config + " ibus engine hangul >/dev/null 2>&1").c_str()) == 0;
    if (!engine) usleep(250000);
  }
  if (!engine) return "IBus did not take the hangul engine";
  // The XIM server announces itself on the screen's root window; a program started before that
  // would type without it.
  bool serving = false;
  for (int tries = 0; tries < 100 && !serving; ++tries) {
    serving =
        Output("xprop -root XIM_SERVERS 2>/dev/null").find("@server=ibus") != std::string::npos;
    if (!serving) usleep(100000);
  }
  if (!serving) return "IBus does not serve XIM on " + display_;
  setenv("XMODIFIERS", "@im=ibus", 1);
  return "";
}

}  // namespace testing_support

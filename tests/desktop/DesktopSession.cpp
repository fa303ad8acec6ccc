#include "DesktopSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#include "TestSupport.h"
#include "XWindowPixels.h"

extern char** environ;

namespace testing_support {
namespace {

using namespace std::chrono_literals;

void Pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

// Reads one line from `fd`, giving up after `seconds`.
std::string ReadLine(int fd, int seconds) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) continue;
    char c = 0;
    if (read(fd, &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  return line;
}

// Ends a process this session started: politely first, then for good.
void End(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    Pause(50ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

}  // namespace

DesktopSession::DesktopSession(DesktopInputMethod method) {
  home_ = std::filesystem::temp_directory_path() /
          ("vesk-desktop-" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(home_ / "run");
  std::filesystem::permissions(home_ / "run", std::filesystem::perms::owner_all);
  for (char** entry = environ; *entry; ++entry) {
    const std::string pair = *entry;
    const size_t equals = pair.find('=');
    if (equals != std::string::npos) environment_[pair.substr(0, equals)] = pair.substr(equals + 1);
  }
  for (const char* name : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY", "IBUS_ADDRESS",
                           "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER"}) {
    environment_.erase(name);
  }
  environment_["HOME"] = home_.string();
  environment_["XDG_CONFIG_HOME"] = (home_ / ".config").string();
  environment_["XDG_CACHE_HOME"] = (home_ / ".cache").string();
  environment_["XDG_DATA_HOME"] = (home_ / ".local/share").string();
  environment_["XDG_RUNTIME_DIR"] = (home_ / "run").string();
  environment_["LANG"] = "C.UTF-8";
  environment_["NO_AT_BRIDGE"] = "1";

  std::string display;
  daemons_.push_back(Spawn(
      {"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"},
      true, &display));
  if (display.empty()) {
    problem_ = "Xvfb did not start";
    return;
  }
  environment_["DISPLAY"] = ":" + display;
  std::string bus;
  daemons_.push_back(
      Spawn({"dbus-daemon", "--session", "--nofork", "--print-address=1"}, true, &bus));
  if (bus.empty()) {
    problem_ = "the D-Bus session did not start";
    return;
  }
  environment_["DBUS_SESSION_BUS_ADDRESS"] = bus;
  if (method == DesktopInputMethod::Fcitx5) {
    StartFcitx5();
  } else if (StartIbus() && method == DesktopInputMethod::IbusWithoutForwarding &&
             Run({"gsettings", "set", "org.freedesktop.ibus.engine.hangul", "use-event-forwarding",
                  "false"}) != 0) {
    problem_ = "gsettings cannot turn ibus-hangul's forwarding off";
  }
}

bool DesktopSession::StartIbus() {
  // ibus-daemon quits when its parent dies, so a shell that waits keeps it company.
  std::string daemon;
  const pid_t shell =
      Spawn({"sh", "-c", "ibus-daemon --xim=false --panel=disable & echo $!; wait"}, true, &daemon);
  daemons_.push_back(shell);
  if (daemon.empty()) {
    problem_ = "ibus-daemon did not start";
    return false;
  }
  daemons_.push_back(std::stoi(daemon));
  // The daemon takes a moment before it accepts an engine.
  for (int attempt = 0; attempt < 60; ++attempt) {
    if (Run({"ibus", "engine", "hangul"}) == 0) {
      TypeThrough("ibus");
      return true;
    }
    Pause(250ms);
  }
  problem_ = "IBus did not take the hangul engine";
  return false;
}

void DesktopSession::TypeThrough(const std::string& module) {
  environment_["SDL_IM_MODULE"] = module;
  environment_["XMODIFIERS"] = "@im=" + module;
  environment_["GTK_IM_MODULE"] = module;
}

bool DesktopSession::StartFcitx5() {
  // One group: the US keyboard, then Hangul, which is active from the start.
  WriteText(home_ / ".config/fcitx5/profile",
            "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=hangul\n\n"
            "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
            "[Groups/0/Items/1]\nName=hangul\nLayout=\n\n[GroupOrder]\n0=Default\n");
  WriteText(home_ / ".config/fcitx5/config", "[Behavior]\nActiveByDefault=True\n");
  daemons_.push_back(Spawn({"fcitx5",
                            "--disable=classicui,kimpanel,notificationitem,xim,"
                            "ibusfrontend,wayland,waylandim"}));
  for (int attempt = 0; attempt < 60; ++attempt) {
    if (Run({"fcitx5-remote"}) == 0 || Run({"fcitx5-remote"}) == 1) {
      TypeThrough("fcitx");
      return true;
    }
    Pause(250ms);
  }
  problem_ = "Fcitx5 did not start";
  return false;
}

DesktopSession::~DesktopSession() {
  StopGame();
  for (auto daemon = daemons_.rbegin(); daemon != daemons_.rend(); ++daemon) End(*daemon);
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

pid_t DesktopSession::Spawn(const std::vector<std::string>& command, bool readFirstLine,
                            std::string* firstLine, const std::string& errorFile) {
  int output[2] = {-1, -1};
  if (readFirstLine && pipe(output) != 0) return -1;
  std::vector<std::string> pairs;
  for (const auto& [name, value] : environment_) pairs.push_back(name + "=" + value);
  std::vector<char*> envp, argv;
  for (std::string& pair : pairs) envp.push_back(pair.data());
  envp.push_back(nullptr);
  std::vector<std::string> words = command;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int quiet = open("/dev/null", O_RDWR);
    const int errors = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(quiet, 0);
    dup2(readFirstLine ? output[1] : quiet, 1);
    dup2(errors >= 0 ? errors : quiet, 2);
    if (readFirstLine) close(output[0]);
    environ = envp.data();
    execvp(argv[0], argv.data());
    _exit(127);
  }
  if (readFirstLine) {
    close(output[1]);
    if (pid > 0) *firstLine = ReadLine(output[0], 20);
    close(output[0]);
  }
  return pid;
}

int DesktopSession::Run(const std::vector<std::string>& command) {
  const pid_t pid = Spawn(command);
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool DesktopSession::StartGame(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{VESK_BINARY};
  command.insert(command.end(), arguments.begin(), arguments.end());
  game_ = Spawn(command, false, nullptr, (home_ / "game-stderr.txt").string());
  std::string window;
  const pid_t search =
      Spawn({"xdotool", "search", "--sync", "--onlyvisible", "--pid", std::to_string(game_)}, true,
            &window);
  End(search);
  if (window.empty()) return false;
  window_ = std::stoul(window);
  Run({"xdotool", "windowfocus", "--sync", window});
  Pause(300ms);  // the window's input context reaches the input method
  return true;
}

void DesktopSession::Keys(const std::vector<std::string>& keys, int delayMs) {
  std::vector<std::string> command{"xdotool", "key", "--delay", std::to_string(delayMs)};
  command.insert(command.end(), keys.begin(), keys.end());
  Run(command);
}

platform::Bitmap DesktopSession::WindowPicture() {
  return WindowPixels(environment_["DISPLAY"], window_);
}

std::string DesktopSession::StopGame() {
  if (game_ <= 0) return "";
  End(game_);
  game_ = 0;
  return ReadFile(home_ / "game-stderr.txt");
}

}  // namespace testing_support

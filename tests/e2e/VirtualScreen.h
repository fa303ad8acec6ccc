// VirtualScreen: programs that the real-window tests start (a virtual X server, the game,
// xdotool) and end again, each only the ones it started.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// A started program that is stopped when the owner goes.
class Process {
 public:
  // `errors`: a file that takes what the program writes on stderr, or empty. `report`: a pipe's
  // writing end that the program gets as its descriptor 3, or -1.
  explicit Process(const std::vector<std::string>& arguments, const std::string& errors = "",
                   int report = -1);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // Waits up to `seconds` for the program to end by itself.
  bool Ended(int seconds);
  pid_t Pid() const { return pid_; }
  bool Running();
  // How the program ended: its exit status, or 128 + the signal that ended it; -1 while it runs.
  int Status() const { return status_; }

 private:
  void Reap(int waitStatus);
  pid_t pid_ = -1;
  int status_ = -1;
};

// Starts Xvfb with one screen of `size` ("2560x1600x24") on a display it picks free itself, so
// tests running side by side never share one. The server never resets: by default it resets each
// time its last client leaves, and a connection opened during the reset is refused (XOpenDisplay
// gives nothing), so a test that closes its last connection and opens another would fail at
// random, most often on a cold first run where the reset's keymap compilation is slow. Returns the
// display (":N"), or empty when the server did not start or does not answer.
std::string StartVirtualScreen(std::unique_ptr<Process>& server, const std::string& size);

// The screen a test opens the game's real window on: checks that Xvfb and xdotool are installed,
// starts the server and points the game at it (DISPLAY, SDL's X11 driver). The display, or empty
// with `why` saying what is missing.
std::string OpenGameScreen(std::unique_ptr<Process>& server, const std::string& size,
                           std::string& why);

// Starts the game in the data folder with `options` (stderr into the file `errors`, unless empty)
// and waits until its window is shown and has the keyboard; the window, or 0 when none appeared.
unsigned long StartGameWindow(std::unique_ptr<Process>& game,
                              const std::vector<std::string>& options, const std::string& errors);

// What `command` (a shell line) prints on stdout.
std::string Output(const std::string& command);

}  // namespace testing_support

// WineSession: runs the Windows build of the game under Wine, for the tests that prove it plays
// on a machine without Windows. One Wine prefix serves every test (it takes seconds and hundreds
// of megabytes to make, so the first session makes it once, in the build folder), one session at
// a time; each session brings its own virtual X server and starts and ends with no settings,
// pictures or data copies of the game's in the user's folders. It ends exactly the processes it
// started.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "VirtualScreen.h"

namespace testing_support {

class WineSession {
 public:
  // `user`: the Windows user's name, which names the profile folder (C:\users\<user>).
  explicit WineSession(const std::string& user);
  ~WineSession();
  WineSession(const WineSession&) = delete;
  WineSession& operator=(const WineSession&) = delete;

  // Empty when Wine and the screen are ready; otherwise what failed.
  const std::string& Problem() const { return problem_; }
  const std::string& Display() const { return display_; }

  // The Windows path of a file of this machine (Wine's drive Z: is /).
  static std::string WindowsPath(const std::filesystem::path& path);
  // The folder of this machine that is the user's profile folder under Wine.
  std::filesystem::path ProfileFolder() const;

  // Runs `program` (a Windows program, given by its path on this machine) with `arguments` in
  // the working directory `folder` to its end; its exit status, with what it wrote on stderr in
  // `errors` and, where asked for, what it wrote on stdout in `output`.
  int Run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
          const std::filesystem::path& folder, std::string& errors, std::string* output = nullptr);
  // Starts the program's window and gives it the keyboard; its X window, or 0 when none appeared.
  unsigned long StartWindow(const std::filesystem::path& program,
                            const std::vector<std::string>& arguments,
                            const std::filesystem::path& folder);
  // Waits up to `seconds` for the started window's program to end; its exit status, or -1.
  int WaitForEnd(int seconds);
  // What the started window's program wrote on stderr so far.
  std::string WindowErrors() const;

  // Serves the screen an input method as a Windows player's reaches Wine's programs: IBus with
  // ibus-hangul over XIM, on a D-Bus session of its own. Programs started from now on type
  // through it; it starts in Latin mode. Empty when it serves the screen; otherwise what failed.
  std::string StartInputMethod();

 private:
  void RemoveGameTraces() const;
  std::string Command(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder, const std::filesystem::path& errors,
                      const std::filesystem::path& output = "/dev/null") const;
  std::filesystem::path scratch_;
  std::string user_;
  bool started_ = false;  // Wine's server runs for this session
  std::unique_ptr<Process> server_, window_, bus_, inputMethod_;
  std::string display_, problem_;
};

}  // namespace testing_support

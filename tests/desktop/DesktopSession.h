// DesktopSession: a private desktop for end-to-end typing tests: an X server (Xvfb), a D-Bus
// session and one input method daemon (IBus with ibus-hangul, or Fcitx5 with fcitx5-hangul), all
// with a scratch HOME. It runs the game's real window in it, presses keys through XTEST (xdotool)
// and reads the window's pixels back. It ends exactly the processes it started.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/image/Bitmap.h"

namespace testing_support {

enum class DesktopInputMethod {
  Ibus,                   // IBus and ibus-hangul exactly as Debian installs them
  IbusWithoutForwarding,  // ibus-hangul letting the keys it does not use through
  Fcitx5,
};

class DesktopSession {
 public:
  explicit DesktopSession(DesktopInputMethod method);
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  // Empty when the desktop and its input method are up; otherwise what failed.
  const std::string& Problem() const { return problem_; }

  // Runs a program in the session to its end; its exit status.
  int Run(const std::vector<std::string>& command);
  // Starts the game's window with `arguments` and gives it the keyboard focus; false when no
  // window appears.
  bool StartGame(const std::vector<std::string>& arguments);
  // Presses xdotool key names ("a", "shift+p", "Return") one after another, `delayMs` apart.
  void Keys(const std::vector<std::string>& keys, int delayMs);
  // The game window's picture as it is on the screen now.
  platform::Bitmap WindowPicture();
  // Ends the game and returns what it printed on stderr.
  std::string StopGame();

 private:
  // Starts a program in the session; with `readFirstLine` its first line of output is read into
  // `firstLine` (waiting for it), the rest is dropped.
  pid_t Spawn(const std::vector<std::string>& command, bool readFirstLine = false,
              std::string* firstLine = nullptr, const std::string& errorFile = "/dev/null");
  bool StartIbus();
  bool StartFcitx5();
  // Programs started from now on type through the input method `module` ("ibus", "fcitx").
  void TypeThrough(const std::string& module);
  std::filesystem::path home_;
  std::map<std::string, std::string> environment_;
  std::vector<pid_t> daemons_;  // ended in reverse order
  pid_t game_ = 0;
  unsigned long window_ = 0;
  std::string problem_;
};

}  // namespace testing_support

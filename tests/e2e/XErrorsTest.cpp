// An X error that SDL's own wake-up message can cause must not end the game: the message goes to
// the game's window over a second connection and can reach the X server after the window has
// closed, and Xlib's default handler would then exit with status 1 as the game shuts down. Every
// other X error still ends the program as before. Both are checked under a virtual X server, with
// SDL's video started and stopped around them as the game does.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "VirtualScreen.h"
#include "platform/sdl/SdlHandles.h"

// Xlib last: its macros (None, Bool, Status) would rename GoogleTest's own names.
#include <X11/Xlib.h>

using namespace testing_support;

namespace {

// A connection to the test's X server. The checks run inside death tests, where a failed
// assertion cannot stop the child: a display that does not open ends it with its own status and
// message instead of a crash on a null display.
Display* Connection() {
  Display* display = XOpenDisplay(nullptr);
  if (display) return display;
  std::fprintf(stderr, "cannot open display %s\n", XDisplayName(nullptr));
  std::exit(3);
}

// A window made and destroyed again on a connection of its own, and that connection closed.
Window AClosedWindow() {
  Display* owner = Connection();
  const Window window = XCreateSimpleWindow(owner, DefaultRootWindow(owner), 0, 0, 8, 8, 0, 0, 0);
  XDestroyWindow(owner, window);
  XCloseDisplay(owner);
  return window;
}

// Sends a message to `window` as SDL wakes its wait, and waits for the server's answer.
void SendAWakeUp(Window window) {
  Display* sender = Connection();
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.format = 8;
  XSendEvent(sender, window, False, NoEventMask, &message);
  XSync(sender, False);
  XCloseDisplay(sender);
}

class XErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    ASSERT_FALSE(OpenGameScreen(server_, "640x480x24", why).empty()) << why;
  }
  void TearDown() override {
    server_.reset();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
  }
  std::unique_ptr<Process> server_;
};

}  // namespace

TEST_F(XErrors, AWakeUpForAClosedWindowEndsNothingWhileOrAfterTheVideoRuns) {
  EXPECT_EXIT(
      {
        {
          const platform::SdlVideo video;
          if (!video.Started()) std::exit(2);
          SendAWakeUp(AClosedWindow());
        }
        // SDL puts back the handler it found when its video stops, and the closing window's
        // last wake-up is answered only then.
        SendAWakeUp(AClosedWindow());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(XErrors, AnyOtherErrorStillEndsTheProgramWithXlibsReport) {
  EXPECT_EXIT(
      {
        { const platform::SdlVideo video; }
        Display* display = Connection();
        XMapWindow(display, AClosedWindow());
        XSync(display, False);
        std::exit(0);
      },
      ::testing::ExitedWithCode(1), "BadWindow.*\n.*X_MapWindow");
}

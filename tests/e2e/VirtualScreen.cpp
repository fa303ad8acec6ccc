#include "VirtualScreen.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "XWindowPixels.h"

extern char** environ;

namespace testing_support {

Process::Process(const std::vector<std::string>& arguments, const std::string& errors, int report) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!errors.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  if (report >= 0) posix_spawn_file_actions_adddup2(&actions, report, 3);
  if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

Process::~Process() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

void Process::Reap(int waitStatus) {
  status_ = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
  pid_ = -1;
}

bool Process::Ended(int seconds) {
  for (int tries = 0; tries < seconds * 10; ++tries) {
    if (!Running()) return true;
    usleep(100000);
  }
  return false;
}

bool Process::Running() {
  if (pid_ <= 0) return false;
  int waitStatus = 0;
  if (waitpid(pid_, &waitStatus, WNOHANG) != pid_) return true;
  Reap(waitStatus);
  return false;
}

std::string StartVirtualScreen(std::unique_ptr<Process>& server, const std::string& size) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "";
  server =
      std::make_unique<Process>(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0",
                                                         size, "-nolisten", "tcp", "-noreset"},
                                "/dev/null", pipeEnds[1]);
  close(pipeEnds[1]);
  std::string number;
  char digit = 0;
  while (read(pipeEnds[0], &digit, 1) == 1 && digit != '\n') number += digit;
  close(pipeEnds[0]);
  if (number.empty() || !XServerAnswers(":" + number)) return "";
  return ":" + number;
}

std::string OpenGameScreen(std::unique_ptr<Process>& server, const std::string& size,
                           std::string& why) {
  if (std::system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0) {
    why = "the real-window tests need Xvfb and xdotool (./build.sh installs them)";
    return "";
  }
  const std::string display = StartVirtualScreen(server, size);
  if (display.empty()) {
    why = "Xvfb did not start";
    return "";
  }
  setenv("DISPLAY", display.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  return display;
}

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
  }
  return text;
}

unsigned long StartGameWindow(std::unique_ptr<Process>& game,
                              const std::vector<std::string>& options, const std::string& errors) {
  std::vector<std::string> arguments = {VESK_BINARY, "--data", SourcePath("data").string()};
  arguments.insert(arguments.end(), options.begin(), options.end());
  game = std::make_unique<Process>(arguments, errors);
  std::string id;
  for (int tries = 0; tries < 100 && id.empty() && game->Running(); ++tries) {
    id = Output("xdotool search --onlyvisible --pid " + std::to_string(game->Pid()) +
                " 2>/dev/null | head -n 1");
    if (id.empty()) usleep(100000);
  }
  if (id.empty()) return 0;
  const unsigned long window = std::stoul(id);
  // xdotool's own wait for the focus gives up after a while; on a loaded machine the keys a test
  // sends next would then go nowhere, so the focus is asked for until the server reports it.
  const std::string number = std::to_string(window);
  for (int tries = 0; tries < 50; ++tries) {
    std::system(("xdotool windowfocus --sync " + number + " 2>/dev/null").c_str());
    if (Output("xdotool getwindowfocus 2>/dev/null") == number + "\n") break;
    usleep(100000);
  }
  usleep(300000);
  return window;
}

}  // namespace testing_support

// Files written whole or not at all: what a failed write leaves (nothing new, the old file as it
// was), the reason it gives, and links planted where the game writes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <thread>

#include "TestSupport.h"
#include "platform/system/WholeFile.h"

using namespace platform;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::Succeeded;
using testing_support::Why;

namespace {

namespace fs = std::filesystem;

// While it lives, no file of this process may grow past `bytes`: a write past it fails as on a
// full disk (with "File too large"), for the superuser too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signal_);
  }

 private:
  rlimit before_{};
  void (*signal_)(int) = nullptr;
};

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WholeFile, AFailedWriteLeavesTheOldFileAsItWasAndNothingBesideIt) {
  ScratchDir dir;
  dir.Write("log.txt", "old\n");
  std::string error;
  {
    const FileSizeLimit full(4);
    EXPECT_FALSE(ReplaceFile(dir.Path() / "log.txt", "new and longer\n"));
    error = Why(ReplaceFile(dir.Path() / "fresh.txt", "new and longer\n"));
  }
  EXPECT_EQ(error, "cannot write " + (dir.Path() / "fresh.txt").string() + ": File too large");
  EXPECT_EQ(ReadFile(dir.Path() / "log.txt"), "old\n");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"log.txt"});
  EXPECT_TRUE(Succeeded(ReplaceFile(dir.Path() / "log.txt", "new\n")));
  EXPECT_EQ(ReadFile(dir.Path() / "log.txt"), "new\n");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"log.txt"});
}

TEST(WholeFile, ANameAsLongAsTheFileSystemAllowsIsReplacedWhole) {
  // 255 bytes is the most a name may have: the file written first beside it must still fit.
  ScratchDir dir;
  const std::string name(255, 'n');
  ASSERT_TRUE(Succeeded(ReplaceFile(dir.Path() / name, "first\n")));
  ASSERT_TRUE(Succeeded(ReplaceFile(dir.Path() / name, "second\n")));
  EXPECT_EQ(ReadFile(dir.Path() / name), "second\n");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name});
}

TEST(WholeFile, TwoWritersOfOneFileAtOnceEachWriteItWhole) {
  // Two games saving the same settings: neither meets the other's file beside it.
  ScratchDir dir;
  const std::string a(4096, 'a'), b(8192, 'b');
  auto writer = [&](const std::string& bytes, int& failed) {
    for (int i = 0; i < 200; ++i) failed += !ReplaceFile(dir.Path() / "vesk.conf", bytes);
  };
  int failedA = 0, failedB = 0;
  std::thread first(writer, std::cref(a), std::ref(failedA));
  std::thread second(writer, std::cref(b), std::ref(failedB));
  first.join();
  second.join();
  EXPECT_EQ(failedA + failedB, 0);
  const std::string last = ReadFile(dir.Path() / "vesk.conf");
  EXPECT_TRUE(last == a || last == b) << last.size() << " bytes";
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"vesk.conf"});
}

TEST(WholeFile, ADeviceThatTakesNothingIsAnErrorNamingIt) {
  // Never written when something else stands in its place, so a test cannot make it worse.
  ASSERT_TRUE(fs::is_character_file("/dev/full")) << "/dev/full is not the device on this machine";
  EXPECT_EQ(Why(ReplaceFile("/dev/full", "text\n")),
            "cannot write /dev/full: No space left on device");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(Succeeded(ReplaceFile("/dev/null", "text\n")));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // A link to a pipe, as /dev/stdout is when the output is piped, is written into.
  ScratchDir dir;
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const int reader = ends[0], writer = ends[1];
  fs::create_symlink("/proc/self/fd/" + std::to_string(writer), dir.Path() / "stdout");
  EXPECT_TRUE(Succeeded(ReplaceFile(dir.Path() / "stdout", "piped\n")));
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 6);
  EXPECT_STREQ(got, "piped\n");
  for (const int fd : {reader, writer}) ::close(fd);
}

TEST(WholeFile, ALinkIsWrittenThroughToItsFileWhichKeepsItsPermissions) {
  ScratchDir dir;
  fs::create_directory(dir.Path() / "dotfiles");
  dir.Write("dotfiles/vesk.conf", "old\n");
  fs::permissions(dir.Path() / "dotfiles/vesk.conf",
                  fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("dotfiles/vesk.conf", dir.Path() / "vesk.conf");
  ASSERT_TRUE(Succeeded(ReplaceFile(dir.Path() / "vesk.conf", "new\n")));
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "vesk.conf"));
  EXPECT_EQ(ReadFile(dir.Path() / "dotfiles/vesk.conf"), "new\n");
  EXPECT_EQ(fs::status(dir.Path() / "dotfiles/vesk.conf").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Names(dir.Path() / "dotfiles"), std::vector<std::string>{"vesk.conf"});
}

TEST(WholeFile, ANewFileIsNeverWrittenThroughALinkOrOverAnotherFile) {
  ScratchDir dir;
  dir.Write("victim", "mine\n");
  fs::create_symlink(dir.Path() / "victim", dir.Path() / "shot.png");
  dir.Write("taken.png", "theirs\n");
  EXPECT_EQ(*WriteNewFile(dir.Path() / "shot.png", "picture"), NewFile::NameTaken);
  EXPECT_EQ(*WriteNewFile(dir.Path() / "taken.png", "picture"), NewFile::NameTaken);
  EXPECT_EQ(ReadFile(dir.Path() / "victim"), "mine\n");
  EXPECT_EQ(ReadFile(dir.Path() / "taken.png"), "theirs\n");
  std::string error;
  {
    const FileSizeLimit full(2);
    error = Why(WriteNewFile(dir.Path() / "new.png", "picture"));
  }
  EXPECT_EQ(error, "cannot write " + (dir.Path() / "new.png").string() + ": File too large");
  EXPECT_FALSE(fs::exists(dir.Path() / "new.png"));
  EXPECT_EQ(*WriteNewFile(dir.Path() / "new.png", "picture"), NewFile::Written);
  EXPECT_EQ(ReadFile(dir.Path() / "new.png"), "picture");
}

}  // namespace

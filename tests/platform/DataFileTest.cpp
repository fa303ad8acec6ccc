#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/system/DataFile.h"

using platform::DataFile;
using platform::InOutError;

TEST(DataFile, ReadsExactBlocks) {
  testing_support::ScratchDir dir;
  dir.Write("A.BIN", "abcdef");
  auto file = DataFile::Open("A.BIN");
  ASSERT_TRUE(file);
  char first[2], rest[4];
  file->ReadBlock(first, 2);
  file->ReadBlock(rest, 4);
  EXPECT_EQ(std::string(rest, 4), "cdef");
  file->Close();
}

TEST(DataFile, AShortBlockIsReadBeyondEndOfFileNamingTheFile) {
  testing_support::ScratchDir dir;
  dir.Write("SHORT.BIN", "abc");
  auto file = DataFile::Open("SHORT.BIN");
  ASSERT_TRUE(file);
  char buffer[4];
  try {
    file->ReadBlock(buffer, 4);
    FAIL() << "a short read must fail";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.Message(), "Read beyond end of file");
    EXPECT_EQ(error.FileName(), "SHORT.BIN");
    EXPECT_STREQ(error.what(), "SHORT.BIN: Read beyond end of file");
  }
}

TEST(DataFile, ReadUpToTakesWhatAShortFileHolds) {
  testing_support::ScratchDir dir;
  dir.Write("F.FNT", "xyz");
  auto file = DataFile::Open("F.FNT");
  ASSERT_TRUE(file);
  char buffer[10];
  EXPECT_EQ(file->ReadUpTo(buffer, sizeof buffer), 3u);
}

TEST(DataFile, FilesThatCannotBeOpenedForReadingAndWritingCountAsAbsent) {
  testing_support::ScratchDir dir;
  EXPECT_FALSE(DataFile::Open("MISSING.BIN"));

  dir.Write("RO.BIN", "data");
  ::chmod("RO.BIN", 0444);
  if (::geteuid() != 0) {
    EXPECT_FALSE(DataFile::Open("RO.BIN"));  // root may write anything
  }

  std::filesystem::create_directory("DIR.BIN");
  EXPECT_FALSE(DataFile::Open("DIR.BIN"));

  std::filesystem::create_symlink("NOWHERE", "LINK.BIN");
  EXPECT_FALSE(DataFile::Open("LINK.BIN"));

  ASSERT_EQ(::mkfifo("PIPE.BIN", 0644), 0);
  EXPECT_FALSE(DataFile::Open("PIPE.BIN"));  // and it does not hang
}

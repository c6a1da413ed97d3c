// The text-file service on real files: lines read through the buffer, lines
// written, and every failure code the callers rely on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/ErrorState.h"
#include "shell/Handles.h"
#include "shell/TextFile.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class TextFileTest : public ::testing::Test {
 protected:
  // Reads every line of `path` as the program does: Open, Rewind, Next until it fails.
  std::vector<std::string> ReadAll(const std::string& path) {
    name = path;
    file.Close();
    file.Open(kReadWriteDenyWrite);
    EXPECT_EQ(ErrorCode(), 0) << ErrorText();
    file.Rewind();
    std::vector<std::string> lines;
    for (file.Next(); ErrorCode() == 0; file.Next()) lines.push_back(std::string(file.record.Trimmed()));
    EXPECT_EQ(ErrorCode(), kRecordNotAvailable);
    file.Close();
    return lines;
  }
  void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    name = path;
    file.Create();
    ASSERT_EQ(ErrorCode(), 0) << ErrorText();
    file.Open(kReadWriteDenyWrite);
    ASSERT_EQ(ErrorCode(), 0) << ErrorText();
    for (const auto& line : lines) {
      file.record = line;
      file.Add();
      ASSERT_EQ(ErrorCode(), 0);
    }
    file.Close();
  }

  TempFolder folder;
  std::string name;
  TextFile<10> file{[this] { return name; }};
};

TEST_F(TextFileTest, ReadsLinesAcrossTheReadBufferAndCutsLongOnes) {
  // Lines that straddle the 64 KiB buffer boundary, and one far longer than it.
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    bytes += "line" + std::to_string(i) + "\r\n";
    expected.push_back(("line" + std::to_string(i)).substr(0, 10));
  }
  bytes += std::string(200000, 'x') + "\r\nafter\r\n";
  expected.push_back(std::string(10, 'x'));
  expected.push_back("after");
  WriteBytes(folder / "big.txt", bytes);
  EXPECT_EQ(ReadAll(folder / "big.txt"), expected);
}

TEST_F(TextFileTest, EndOfDataMarkAndMissingTerminator) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases{
      {"", {}},
      {"a\r\nlast", {"a", "last"}},
      {"a\r\n\x1A", {"a"}},
      {"ab\x1A"
       "cd\r\nnever\r\n",
       {"ab"}},
      {"\x1A"
       "a\r\n",
       {}},
      {"a\nb\n", {"a\nb\n"}},
  };
  for (const auto& c : cases) {
    WriteBytes(folder / "t.txt", c.bytes);
    EXPECT_EQ(ReadAll(folder / "t.txt"), c.lines) << c.bytes;
  }
}

TEST_F(TextFileTest, WritesLinesWithoutTrailingBlanksAndCreateEmptiesTheFile) {
  WriteBytes(folder / "out.txt", "old content that must go\r\n");
  WriteLines(folder / "out.txt", {"abc", "", "x y"});
  EXPECT_EQ(ReadBytes(folder / "out.txt"), "abc\r\n\r\nx y\r\n");
}

TEST_F(TextFileTest, FirstAddWritesOverAFinalEndOfDataMark) {
  WriteBytes(folder / "z.txt", "one\r\n\x1A");
  name = folder / "z.txt";
  file.Open(kReadWriteDenyWrite);
  file.record = "two";
  file.Add();
  file.record = "three";
  file.Add();
  file.Close();
  EXPECT_EQ(ReadBytes(folder / "z.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(TextFileTest, OpenAndCreateFailures) {
  WriteBytes(folder / "readonly.txt", "x\r\n");
  testing::SetAttributes(folder / "readonly.txt", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder / "locked.txt", "x\r\n");
  const UniqueFileHandle writer(::CreateFileA((folder / "locked.txt").c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);

  struct Case {
    std::string name;
    std::int32_t openCode;
    std::string text;
  };
  const std::vector<Case> cases{
      {folder / "missing.txt", kFileNotFound, "File Not Found"},
      {folder / "no-such-folder\\a.txt", kPathNotFound, "Path Not Found"},
      {folder / "readonly.txt", kAccessDenied, "Access Denied"},
      {folder / "locked.txt", kAccessDenied, "Access Denied"},
      {"", kInvalidFilename, "Invalid Filename"},
      {"   ", kInvalidFilename, "Invalid Filename"},
      {folder / std::string(260, 'n'), kInvalidFilename, "Invalid Filename"},
  };
  // Opening only to read asks the system for the same access, so it meets the same refusals.
  for (const auto open : {&TextFileCore::Open, &TextFileCore::OpenToRead}) {
    for (const auto& c : cases) {
      name = c.name;
      (file.*open)(kReadWriteDenyWrite);
      EXPECT_EQ(ErrorCode(), c.openCode) << c.name;
      EXPECT_EQ(ErrorText(), c.text) << c.name;
      EXPECT_FALSE(file.IsOpen());
    }
  }
  name = folder / "readonly.txt";
  file.Create();
  EXPECT_EQ(ErrorCode(), kAccessDenied);
  EXPECT_EQ(ReadBytes(folder / "readonly.txt"), "x\r\n");
}

TEST_F(TextFileTest, OperationsOutOfTurn) {
  WriteBytes(folder / "a.txt", "line\r\n");
  name = folder / "a.txt";

  file.Close();  // never used: nothing happens, a pending error stays
  SetError(kEntryNotFound);
  file.Close();
  EXPECT_EQ(ErrorCode(), kEntryNotFound);

  for (auto operation :
       {&TextFileCore::Rewind, &TextFileCore::Next, &TextFileCore::Add, &TextFileCore::Close}) {
    (file.*operation)();
    EXPECT_EQ(ErrorCode(), kFileNotOpen);
  }
  file.Open(kReadWriteDenyWrite);
  ASSERT_EQ(ErrorCode(), 0);
  file.Open(kReadWriteDenyWrite);
  EXPECT_EQ(ErrorCode(), kFileAlreadyOpen);
  file.Create();
  EXPECT_EQ(ErrorCode(), kFileAlreadyOpen);
  file.Close();
  EXPECT_EQ(ReadBytes(folder / "a.txt"), "line\r\n");
}

TEST(TextFileNeverPositioned, NextFailsUntilRewind) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "line\r\n");
  const std::string path = folder / "a.txt";
  TextFile<10> file{[&] { return path; }};
  file.Open(kReadWriteDenyWrite);
  file.Next();
  EXPECT_EQ(ErrorCode(), kRecordNotAvailable);
  file.Rewind();
  file.Next();
  EXPECT_EQ(ErrorCode(), 0);
  EXPECT_EQ(file.record.Trimmed(), "line");
}

TEST_F(TextFileTest, OpenedToReadTheFileIsLockedAgainstWritersAndCannotBeWritten) {
  WriteBytes(folder / "keep.txt", "a\r\nb\r\n");
  const auto before = testing::Snapshot(folder / "keep.txt");
  name = folder / "keep.txt";
  file.OpenToRead(kReadWriteDenyWrite);
  ASSERT_EQ(ErrorCode(), 0) << ErrorText();
  const UniqueFileHandle reader(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_TRUE(reader);
  const UniqueFileHandle writer(::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(writer);
  file.Rewind();
  std::vector<std::string> lines;
  for (file.Next(); ErrorCode() == 0; file.Next()) lines.push_back(std::string(file.record.Trimmed()));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b"}));
  file.record = "c";
  file.Add();
  EXPECT_EQ(ErrorCode(), kAccessDenied);
  file.Close();
  EXPECT_EQ(testing::Snapshot(folder / "keep.txt"), before);
}

}  // namespace
}  // namespace glyphlog

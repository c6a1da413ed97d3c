// The settings file as the settings dialog and the main window use it.

#include <gtest/gtest.h>

#include <string>

#include "shell/DecimalText.h"
#include "shell/SettingsStore.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::CurrentFolderScope;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class SettingsStoreTest : public ::testing::Test {
 protected:
  std::string IniPath() const { return folder_ / "glyphlog.ini"; }

  TempFolder folder_;
  CurrentFolderScope current_{folder_.path()};
};

TEST_F(SettingsStoreTest, FirstRunWithoutFileGivesDefaultsAndCreatesNothing) {
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), "");
  EXPECT_EQ(ReadSetting("WindowSettings", "H", "250"), "250");
  EXPECT_EQ(ReadSetting("WindowSettings", "W", "500"), "500");
  EXPECT_EQ(ReadBytes(IniPath()), "<missing>");
}

TEST_F(SettingsStoreTest, MissingSectionOrKeyGivesDefaultButEmptyValueDoesNot) {
  WriteBytes(IniPath(), "[glyphlog]\r\nAppfolder=\r\n");
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", "fallback"), "");
  EXPECT_EQ(ReadSetting("glyphlog", "RedirFile", "fallback"), "fallback");
  EXPECT_EQ(ReadSetting("WindowSettings", "H", "250"), "250");
}

TEST_F(SettingsStoreTest, WrittenValuesReadBackUnchangedAndLandInTheCurrentFolder) {
  const std::string values[] = {
      "C:\\Apps\\Project one", "",      " leading blank", "\"quoted\"", "'single quoted'",
      "\"half quoted",         "a=b;c",
  };
  for (const std::string& value : values) {
    WriteSetting("glyphlog", "Appfolder", value);
    EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", "default"), value);
  }
  EXPECT_NE(ReadBytes(IniPath()).find("[glyphlog]"), std::string::npos);
}

TEST_F(SettingsStoreTest, NewFileKeepsTheOrderOfWritingAndReplacesInPlace) {
  WriteSetting("glyphlog", "Appfolder", "A");
  WriteSetting("glyphlog", "RedirFile", "R");
  WriteSetting("glyphlog", "CWrootPath", "C");
  WriteSetting("WindowSettings", "H", "300");
  WriteSetting("WindowSettings", "W", "640");
  WriteSetting("glyphlog", "RedirFile", "R2");

  const std::string text = ReadBytes(IniPath());
  const auto at = [&](const char* line) { return text.find(line); };
  ASSERT_NE(at("Appfolder=A"), std::string::npos) << text;
  EXPECT_LT(at("[glyphlog]"), at("Appfolder=A"));
  EXPECT_LT(at("Appfolder=A"), at("RedirFile=R2"));
  EXPECT_LT(at("RedirFile=R2"), at("CWrootPath=C"));
  EXPECT_LT(at("CWrootPath=C"), at("[WindowSettings]"));
  EXPECT_LT(at("H=300"), at("W=640"));
  EXPECT_EQ(text.find("RedirFile=R\r"), std::string::npos) << text;
}

TEST_F(SettingsStoreTest, NamesAndDefaultsAreUsedWithoutTrailingBlanks) {
  WriteSetting("glyphlog  ", "Appfolder  ", "X");
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), "X");
  EXPECT_EQ(ReadSetting("glyphlog", "Missing", "250   "), "250");
}

TEST_F(SettingsStoreTest, LongHandWrittenValueIsReadWholeUpTo1023Characters) {
  const std::string of300(300, 'x');
  const std::string of1500(1500, 'y');
  WriteBytes(IniPath(), "[glyphlog]\r\nAppfolder=" + of300 + "\r\nRedirFile=" + of1500 + "\r\n");
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), of300);
  EXPECT_EQ(ReadSetting("glyphlog", "RedirFile", ""), of1500.substr(0, 1023));
}

TEST_F(SettingsStoreTest, HandMadeFilesOfOddShapesAreReadAndKeptWhenWritten) {
  const std::string of5000(5000, 'v');
  const std::string odd = std::string("garbage without equals\r\n\x01\x02\xFF\r\n=no key\r\n") +
                          "[glyphlog]\r\nRedirFile=" + of5000 +
                          "\r\n[Other]\r\nkeep=me\r\nAppfolder=C:\\Elsewhere";
  WriteBytes(IniPath(), odd);
  EXPECT_EQ(ReadSetting("glyphlog", "RedirFile", ""), of5000.substr(0, 1023));
  EXPECT_EQ(ReadSetting("Other", "Appfolder", ""), "C:\\Elsewhere");  // no final line break
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", "none"), "none");

  WriteSetting("glyphlog", "Appfolder", "C:\\Apps");
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), "C:\\Apps");
  const std::string after = ReadBytes(IniPath());
  for (const char* kept :
       {"garbage without equals", "\x01\x02\xFF", "=no key", "keep=me", "Appfolder=C:\\Elsewhere"}) {
    EXPECT_NE(after.find(kept), std::string::npos) << kept;
  }
  EXPECT_NE(after.find("RedirFile=" + of5000), std::string::npos);
}

TEST_F(SettingsStoreTest, ReadOnlyFileIsLeftAsItWas) {
  WriteBytes(IniPath(), "[glyphlog]\r\nAppfolder=C:\\Old\r\n");
  testing::SetAttributes(IniPath(), FILE_ATTRIBUTE_READONLY);
  WriteSetting("glyphlog", "Appfolder", "C:\\New");
  WriteSetting("WindowSettings", "H", "300");
  EXPECT_EQ(ReadBytes(IniPath()), "[glyphlog]\r\nAppfolder=C:\\Old\r\n");
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), "C:\\Old");
}

TEST_F(SettingsStoreTest, WindowSizeReadsAsLeadingDecimalNumber) {
  const struct {
    const char* stored;
    std::int32_t value;
  } cases[] = {
      {"", 0},
      {"12abc", 12},
      {" 300", 300},
      {"-5", -5},
      {"abc", 0},
      {"+7", 7},
      {"- 5", 0},
      {"0042", 42},
      {"250", 250},
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) {
    WriteBytes(IniPath(), std::string("[WindowSettings]\r\nH=") + c.stored + "\r\n");
    EXPECT_EQ(DecimalValue(ReadSetting("WindowSettings", "H", "250")), c.value) << '"' << c.stored << '"';
  }
  EXPECT_EQ(DecimalValue(ReadSetting("WindowSettings", "W", "500")), 500);
}

}  // namespace
}  // namespace glyphlog

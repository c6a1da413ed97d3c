// Link files and redirection files nobody wrote by hand: the whole scan runs
// over them through the main procedure, ends, finds what can be found, and
// leaves every file as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/MainProcedure.h"
#include "support/ScriptedUser.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::Row;
using testing::ScriptedUser;
using testing::Snapshot;
using testing::WriteBytes;

class HostileInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeFolder(folder / "start");
    WriteBytes(folder / "App\\Logo.ico", "");
    WriteBytes(folder / "root\\images\\Tools.ico", "");
  }

  // Runs the scan over `link` as App\P.lnk (and `redirection` as the
  // redirection file, if any) and returns the rows; the files must be unchanged.
  std::vector<Row> Scan(const std::string& link, const std::string& redirection = "") {
    WriteBytes(folder / "App\\P.lnk", link);
    ScriptedUser user;
    user.appFolder = folder / "App";
    if (!redirection.empty()) {
      WriteBytes(folder / "redir.red", redirection);
      user.redirFile = folder / "redir.red";
      user.rootFolder = folder / "root";
    }
    const auto linkBefore = Snapshot(folder / "App\\P.lnk");
    const auto redirectionBefore = Snapshot(folder / "redir.red");
    {
      ProgramState state;
      const testing::CurrentFolderScope start(folder / "start");
      RunMainProcedure(state, user);
    }
    EXPECT_TRUE(user.listShown);
    EXPECT_TRUE(user.user.messages.empty());
    EXPECT_EQ(Snapshot(folder / "App\\P.lnk"), linkBefore);
    EXPECT_EQ(Snapshot(folder / "redir.red"), redirectionBefore);
    return user.rows;
  }

  testing::TempFolder folder;
};

std::string Bytes(std::string_view text) { return std::string(text); }

TEST_F(HostileInputTest, LinkFilesOfEveryShape) {
  const std::string logo = folder / "App\\Logo.ico";
  std::string binary;
  for (std::uint32_t x = 12345, i = 0; i < 64 * 1024; ++i) {
    x = x * 1103515245 + 12345;
    binary += static_cast<char>((x >> 16) & 0xFF);
  }
  std::replace(binary.begin(), binary.end(), '\x1A', 'z');  // no end-of-data mark inside
  const struct {
    const char* what;
    std::string bytes;
    std::vector<Row> rows;
  } cases[] = {
      {"empty", "", {}},
      {"end-of-data mark first", "\x1ALogo.ico\r\n", {}},
      {"only NUL bytes", std::string(4096, '\0'), {}},
      {"LF only: one line", "Logo.ico\nOther.ico\n", {{"Logo.ico\nOther.ico\n", "P"}}},
      {"CR only: one line", "Logo.ico\rOther.ico\r", {{"Logo.ico\rOther.ico\r", "P"}}},
      {"a 10 MB line, cut before its .ico",
       std::string(10 << 20, 'a') + ".ico\r\nLogo.ico\r\n",
       {{logo, "P"}}},
      {"NUL inside a name", Bytes({"Logo.ico\0x\r\n", 12}), {{Bytes({"Logo.ico\0x", 10}), "P"}}},
      {"binary, then an icon", binary + "\r\nLogo.ico\r\n", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<Row> rows = Scan(c.bytes);
    if (c.bytes.starts_with(binary)) {
      EXPECT_NE(std::find(rows.begin(), rows.end(), Row{logo, "P"}), rows.end());
    } else {
      EXPECT_EQ(rows, c.rows);
    }
  }
}

TEST_F(HostileInputTest, IconNamesThatAreNoPlainFileName) {
  const std::string logo = folder / "App\\Logo.ico";
  // Absolute names of `length` characters, in a folder that does not exist.
  const auto longName = [&](std::size_t length) {
    return folder.path() + "\\" + std::string(length - folder.path().size() - 5, 'd') + ".ico";
  };
  const struct {
    std::string name;
    std::string icon;  // as listed; empty: no icon line
  } cases[] = {
      {"..\\App\\Logo.ico", logo},
      {"C:Logo.ico", logo},  // the drive's current folder is the application folder
      {"\\\\no-such-server\\share\\x.ico", "\\\\no-such-server\\share\\x.ico"},
      {"\\\\.\\x.ico", "\\\\.\\x.ico"},
      {"CON.ico", "CON.ico"},
      {"NUL.ico", "NUL.ico"},
      {"com1.ico", "com1.ico"},
      {longName(259), longName(259)},
      {longName(260), longName(260)},
      {longName(261), ""},  // the line is cut to 260 characters, which leaves ".ic"
      {"*.ico", "*.ico"},
      {"Lo?o.ico", "Lo?o.ico"},
  };
  for (const auto& c : cases) {
    const std::vector<Row> expected = c.icon.empty() ? std::vector<Row>{} : std::vector<Row>{{c.icon, "P"}};
    EXPECT_EQ(Scan(c.name + "\r\n"), expected) << c.name;
  }
}

TEST_F(HostileInputTest, RedirectionFilesOfEveryShape) {
  const std::string tools = folder / "root\\images\\Tools.ico";
  const std::string rule = "*.ico = %ROOT%\\images\r\n";
  const auto longLine = [](std::size_t length) { return "*.xyz = " + std::string(length - 8, 'a') + "\r\n"; };
  std::string manyMacros = "*.xyz = ";
  for (int i = 0; i < 400; ++i) manyMacros += "%ROOT%";
  const struct {
    const char* what;
    std::string file;
    std::string icon;  // where Tools.ico is found
  } cases[] = {
      {"a 999-character line", "[Common]\r\n" + longLine(999) + rule, tools},
      {"a 1000-character line", "[Common]\r\n" + longLine(1000) + rule, tools},
      {"a 5000-character line", "[Common]\r\n" + longLine(5000) + rule, tools},
      {"an expansion far past the line's width", "[Common]\r\n" + manyMacros + "\r\n" + rule, tools},
      {"brackets and equals signs out of place",
       "[Common\r\n[]\r\n[x=y]\r\n[[Common]]\r\n=\r\n==\r\n= x\r\n*.ico\r\n]\r\nx]\r\n" + rule, tools},
      {"a '[' anywhere ends the section", "[Common]\r\n*.x = a=[\r\n" + rule, "Tools.ico"},
      {"a section that never starts", "Common]\r\n" + rule, "Tools.ico"},
      {"only NUL bytes", std::string(2048, '\0'), "Tools.ico"},
      {"end-of-data mark first", "\x1A[Common]\r\n" + rule, "Tools.ico"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Scan("Tools.ico\r\n", c.file), (std::vector<Row>{{c.icon, "P"}})) << c.what;
  }
}

TEST_F(HostileInputTest, FiveThousandLinkFiles) {
  for (int i = 0; i < 5000; ++i) {
    const std::string name = std::to_string(10000 + i);
    WriteBytes(folder / "App\\L" + name + ".lnk", "I" + name + ".ico\r\n");
  }
  const std::vector<Row> rows = Scan("");
  ASSERT_EQ(rows.size(), 5000u);
  EXPECT_EQ(rows.front(), (Row{"I10000.ico", "L10000"}));
  EXPECT_EQ(rows.back(), (Row{"I14999.ico", "L14999"}));
}

}  // namespace
}  // namespace glyphlog

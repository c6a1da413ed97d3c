#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "reference/LineReading.h"
#include "shell/LineDecoder.h"

namespace glyphlog {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kChunks[] = {1, 2, 3, 7, 4096};

std::string Blanks(std::size_t n) { return std::string(n, ' '); }
std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

struct DecodeCase {
  const char* name;
  std::size_t width;
  std::string bytes;
  Records expected;
};
void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

const std::string kCtrlZText(1, kCtrlZ);
const std::string k260 = std::string(250, 'x') + "0123456789";

const DecodeCase kCases[] = {
    {"exactly the width, then the next line", 8, "abcdefgh\r\nij\r\n", {"abcdefgh", Padded("ij", 8)}},
    {"ten over the width are never delivered",
     8,
     "abcdefgh0123456789\r\nnext\r\n",
     {"abcdefgh", Padded("next", 8)}},
    {"tab to the next stop", 10, "a\tb\r\n", {"a       b "}},
    {"leading tab is eight blanks", 10, "\tx\r\n", {Padded(Blanks(8) + "x", 10)}},
    {"tab right before a stop stores one blank", 10, "abcdefg\tz\r\n", {"abcdefg z "}},
    {"only tabs stop at the width", 10, "\t\t\t\r\nnext\r\n", {Blanks(10), Padded("next", 10)}},
    {"tab that fills the record skips the rest",
     10,
     "abcdefgh\tzz\r\nnext",
     {"abcdefgh  ", Padded("next", 10)}},
    {"last line without terminator", 8, "one\r\ntwo", {Padded("one", 8), Padded("two", 8)}},
    {"CR LF then Ctrl-Z ends the data", 8, "one\r\n" + kCtrlZText, {Padded("one", 8)}},
    {"Ctrl-Z inside a line", 8, "ab" + kCtrlZText + "cd\r\nef\r\n", {Padded("ab", 8)}},
    {"Ctrl-Z in the skipped rest", 4, "abcdef" + kCtrlZText + "gh\r\nij\r\n", {"abcd"}},
    {"empty file", 8, "", {}},
    {"Ctrl-Z alone", 8, kCtrlZText, {}},
    {"LF-only line ends read as one long line", 8, "ab\ncd\nef\ngh\n", {"ab\ncd\nef"}},
    {"lone CR is stored", 8, "a\rb\r\n", {Padded("a\rb", 8)}},
    {"CR as the file's last byte is stored", 8, "ab\r", {Padded("ab\r", 8)}},
    {"CR CR LF keeps the first CR", 8, "a\r\r\nb", {Padded("a\r", 8), Padded("b", 8)}},
    {"NUL bytes are stored", 8, std::string("a\0b\r\n", 5), {Padded(std::string("a\0b", 3), 8)}},
    {"empty line is all blanks", 8, "\r\n\r\nx", {Blanks(8), Blanks(8), Padded("x", 8)}},
    {"full record right before CR LF", 4, "abcd\r\nef", {"abcd", Padded("ef", 4)}},
    {"full record then a split CR LF in the rest", 4, "abcdef\r\r\nxy", {"abcd", Padded("xy", 4)}},
    {"full record at the end of the file", 4, "abcdef", {"abcd"}},
    {"wide record", 260, k260 + "tail\r\n\tz\r\n", {k260, Padded(Blanks(8) + "z", 260)}},
};

class LineDecoderCases : public testing::TestWithParam<DecodeCase> {};

TEST_P(LineDecoderCases, GivesTheSameRecordsWhereverTheBufferEnds) {
  const DecodeCase& c = GetParam();
  for (const std::size_t chunk : kChunks) {
    SCOPED_TRACE("chunk " + std::to_string(chunk));
    EXPECT_EQ(DecodeAllLines(c.bytes, c.width, chunk), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, LineDecoderCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DecodeCase>& param) {
                           std::string name = param.param.name;
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name;
                         });

// The whole-run copying and the skipping must agree with the plain byte rule on any mix of the bytes
// that matter, wherever a chunk ends.
TEST(LineDecoder, MatchesTheByteRuleOnMixedInput) {
  const char alphabet[] = {'a', 'b', ' ', '\t', '\r', '\r', '\n', '\n', '\0', kCtrlZ};
  std::mt19937 random(20240601);
  for (int round = 0; round < 400; ++round) {
    std::string bytes(random() % 60, ' ');
    for (char& c : bytes) c = alphabet[random() % sizeof alphabet];
    // A Ctrl-Z ends the data, so half the inputs go without one to run over several lines.
    if (round % 2 == 0) std::replace(bytes.begin(), bytes.end(), kCtrlZ, 'z');
    const std::size_t width = 1 + random() % 12;
    const Records expected = ReadByteByByte(bytes, width);
    for (const std::size_t chunk : kChunks) {
      SCOPED_TRACE(testing::Message() << "round " << round << ", width " << width << ", chunk " << chunk);
      ASSERT_EQ(DecodeAllLines(bytes, width, chunk), expected);
    }
  }
}

TEST(LineDecoder, SkipsAVeryLongLineInOneFeed) {
  const std::string line(10'000'000, 'x');
  const std::string bytes = "abc" + line + "\r\nnext\r\n";
  std::string record(8, '#');
  LineDecoder decoder(record);
  decoder.Start();
  const auto first = decoder.Feed(bytes, true);
  EXPECT_EQ(record, "abcxxxxx");
  EXPECT_TRUE(first.complete);
  EXPECT_EQ(first.consumed, bytes.size() - 6);
}

TEST(LineDecoder, KeepsACarriageReturnWhoseFollowerIsNotYetKnown) {
  std::string record(8, '#');
  LineDecoder decoder(record);
  decoder.Start();
  EXPECT_EQ(record, Blanks(8));
  const auto first = decoder.Feed("ab\r"sv, false);
  EXPECT_EQ(first.consumed, 2u);
  EXPECT_FALSE(first.complete);
  const auto second = decoder.Feed("\r\nc"sv, false);
  EXPECT_EQ(second.consumed, 2u);
  EXPECT_TRUE(second.complete);
  EXPECT_EQ(record, Padded("ab", 8));
}

TEST(LineDecoder, StartForgetsThePreviousLine) {
  std::string record(8, '#');
  LineDecoder decoder(record);
  decoder.Start();
  decoder.Feed("abcdefghij"sv, false);  // full, now passing over the rest of the line
  decoder.Start();
  const auto progress = decoder.Feed("z\r\n"sv, true);
  EXPECT_EQ(progress.consumed, 3u);
  EXPECT_EQ(record, Padded("z", 8));
}

}  // namespace
}  // namespace glyphlog

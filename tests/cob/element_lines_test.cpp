#include "cob/element_lines.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/scan.h"

namespace bk {
namespace {

// What a read of a list leaves behind: the outcome, the elements kept and
// where the reader stands.
struct Outcome {
  bool ok = false;
  std::vector<std::int32_t> kept;
  std::size_t line_number = 0;
  std::size_t line_offset = 0;
  std::string line;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};

// Reads `count` elements of `lines` lines from `text` (after its first line,
// which stands for a count line); an element is the sum of its lines'
// numbers and fails on a line "x". A threshold of 1 always takes two
// threads, a huge one never.
Outcome ReadList(const std::string& text, std::size_t count, std::size_t lines, std::size_t threshold) {
  LineReader in(text);
  in.ReadLine();
  Outcome outcome;
  outcome.ok = ReadElementLines<std::int32_t>(
      in, count, lines,
      [lines](LineReader& reader, std::int32_t& element) {
        for (std::size_t i = 0; i < lines; ++i) {
          if (!reader.ReadLine() || reader.Line() == "x") return false;
          element += AtoI(reader.Line());
        }
        return true;
      },
      [&outcome](std::int32_t&& element) { outcome.kept.push_back(element); }, threshold);
  outcome.line_number = in.LineNumber();
  outcome.line_offset = in.LineOffset();
  outcome.line = std::string(in.Line());
  return outcome;
}

// A count line, then `lines` numbered lines (the one at `bad`, if any, "x").
std::string ListText(std::size_t lines, std::size_t bad = SIZE_MAX) {
  std::string text = "count\r\n";
  for (std::size_t i = 0; i < lines; ++i) text += (i == bad ? std::string("x") : std::to_string(i)) + "\r\n";
  return text + "after\n";
}

TEST(ElementLines, TwoHalvesKeepWhatOnePassKeepsAndEndWhereItEnds) {
  for (std::size_t lines : {1u, 2u}) {
    for (std::size_t count : {2u, 3u, 101u}) {
      SCOPED_TRACE(::testing::Message() << count << " elements of " << lines << " lines");
      const std::string text = ListText(count * lines);
      const Outcome one_pass = ReadList(text, count, lines, SIZE_MAX);
      ASSERT_TRUE(one_pass.ok);
      ASSERT_EQ(one_pass.kept.size(), count);
      EXPECT_EQ(ReadList(text, count, lines, 1), one_pass);
    }
  }
}

TEST(ElementLines, AFailureInEitherHalfStopsWhereOnePassStops) {
  for (std::size_t lines : {1u, 2u}) {
    // Bad lines in the first half, on the line either side of the middle,
    // in the second half and on the very last line.
    for (std::size_t bad : {0u, 37u, 99u, 100u, 101u, 150u, 199u}) {
      SCOPED_TRACE(::testing::Message() << "bad line " << bad << ", " << lines << " lines an element");
      const std::size_t count = 200 / lines;
      const std::string text = ListText(200, bad);
      const Outcome one_pass = ReadList(text, count, lines, SIZE_MAX);
      EXPECT_FALSE(one_pass.ok);
      EXPECT_EQ(ReadList(text, count, lines, 1), one_pass);
    }
  }
}

TEST(ElementLines, ATextThatEndsInsideTheListEndsLikeOnePass) {
  // 100 lines of two bytes: enough bytes for the count, too few lines.
  std::string text = "count\n";
  for (int i = 0; i < 100; ++i) text += "1\n";
  for (std::size_t count : {101u, 150u, 199u}) {
    SCOPED_TRACE(count);
    const Outcome one_pass = ReadList(text, count, 1, SIZE_MAX);
    EXPECT_FALSE(one_pass.ok);
    EXPECT_EQ(one_pass.kept.size(), 100u);
    EXPECT_EQ(ReadList(text, count, 1, 1), one_pass);
  }
}

TEST(LineReader, SkipLinesEndsWhereReadingEachLineEnds) {
  const std::string text = "a\r\nb\n\nd\r\ne";
  for (std::size_t count = 0; count <= 7; ++count) {
    SCOPED_TRACE(count);
    LineReader skipped(text), read(text);
    read.ReadLine();
    skipped.ReadLine();
    bool read_ok = true;
    for (std::size_t i = 0; i < count; ++i) read_ok = read.ReadLine();
    EXPECT_EQ(skipped.SkipLines(count), read_ok);
    EXPECT_EQ(skipped.LineNumber(), read.LineNumber());
    EXPECT_EQ(skipped.LineOffset(), read.LineOffset());
    EXPECT_EQ(skipped.Line(), read.Line());
    EXPECT_EQ(skipped.BytesLeft(), read.BytesLeft());
  }
}

}  // namespace
}  // namespace bk

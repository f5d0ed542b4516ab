#include "cob/line_reader.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cob/scan.h"

namespace bk {
namespace {

TEST(LineReader, SplitsAtLineFeedsAndDropsOnlyACarriageReturnBeforeOne) {
  struct Case {
    std::string_view text;
    std::vector<std::string_view> lines;
  };
  const Case cases[] = {
      {"one\r\ntwo\nthree\r\n", {"one", "two", "three"}},
      {"a\rb\nlast\r", {"a\rb", "last\r"}},  // a lone CR is kept
      {"\n\nEND", {"", "", "END"}},           // empty lines; a last line without end
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << '"');
    LineReader in(c.text);
    for (std::string_view line : c.lines) {
      ASSERT_TRUE(in.ReadLine());
      EXPECT_EQ(in.Line(), line);
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_FALSE(in.ReadLine());
    EXPECT_EQ(in.Line(), "");
    EXPECT_EQ(in.LineNumber(), c.lines.size());
  }
  LineReader in("\n\nEND");
  ASSERT_TRUE(in.ReadLine());
  EXPECT_EQ(in.BytesLeft(), 4u);
}

TEST(LineReader, ReadsVeryLongLinesWhole) {
  const std::string longLine(100000, 'x');
  const std::string text = longLine + "\nnext\n";
  LineReader in(text);
  ASSERT_TRUE(in.ReadLine());
  EXPECT_EQ(in.Line().size(), longLine.size());
  ASSERT_TRUE(in.ReadLine());
  EXPECT_EQ(in.Line(), "next");
}

TEST(Scan, AtoFTakesTheLongestLeadingNumberLikeTheCLibrary) {
  EXPECT_DOUBLE_EQ(AtoF("  3.25abc"), 3.25);
  EXPECT_DOUBLE_EQ(AtoF("+1e2"), 100.0);
  EXPECT_DOUBLE_EQ(AtoF("-.5,"), -0.5);
  EXPECT_DOUBLE_EQ(AtoF("7."), 7.0);
  EXPECT_EQ(AtoF("abc"), 0.0);
  EXPECT_EQ(AtoF(""), 0.0);
  EXPECT_EQ(AtoF("+-1"), 0.0);
  EXPECT_TRUE(std::isinf(AtoF("1e999")));
  EXPECT_EQ(AtoF("1e-999"), 0.0);
}

TEST(Scan, AtoISaturatesAndStopsAtTheFirstNonDigit) {
  EXPECT_EQ(AtoI(" 42x"), 42);
  EXPECT_EQ(AtoI("-17"), -17);
  EXPECT_EQ(AtoI("+8"), 8);
  EXPECT_EQ(AtoI("x1"), 0);
  EXPECT_EQ(AtoI("99999999999"), 2147483647);
  EXPECT_EQ(AtoI("-99999999999"), -2147483647 - 1);
}

TEST(Scan, FloatGoesStraightFromTextToA32BitFloat) {
  // 0.1000000015 lies between two floats closer to one than a double rounding
  // through 0.1000000014901161 would suggest; direct conversion must agree
  // with the float nearest to the decimal text.
  const char* texts[] = {"0.1", "16777217", "1.00000005960464477539", "3.4028235e38", "-2.5e-3"};
  for (const char* text : texts) {
    Scanner scan(text);
    float value = 0;
    ASSERT_TRUE(scan.Float(value)) << text;
    EXPECT_EQ(value, std::strtof(text, nullptr)) << text;
  }
  // Exactly halfway between 1 and the next float: a double detour rounds to
  // the double first and then ties to even; the direct conversion sees the
  // digits after and rounds up.
  Scanner tie("1.0000000596046447753906250001");
  float value = 0;
  ASSERT_TRUE(tie.Float(value));
  EXPECT_EQ(value, 1.00000011920928955078125f);
}

TEST(Scan, ScannerFollowsScanfItemRules) {
  Scanner scan("PolH V0.02 Id 12 Parent  7 Size -1");
  std::string_view head, id, word, parent;
  EXPECT_TRUE(scan.Chars(14, head));
  EXPECT_EQ(head, "PolH V0.02 Id ");
  scan.SkipBlanks();
  EXPECT_TRUE(scan.Word(id));
  EXPECT_EQ(id, "12");
  EXPECT_TRUE(scan.Word(word));
  std::int32_t number = 0;
  EXPECT_TRUE(scan.Int(number));
  EXPECT_EQ(number, 7);
  EXPECT_TRUE(scan.Word(parent));
  float f = 0;
  EXPECT_TRUE(scan.Float(f));
  EXPECT_EQ(f, -1.0f);
  EXPECT_FALSE(scan.Word(word));
  EXPECT_EQ(scan.Count(), 6);

  Scanner failing("1 x 3");
  std::int32_t a = 0, b = 5, c = 5;
  EXPECT_TRUE(failing.Int(a));
  EXPECT_FALSE(failing.Int(b));
  EXPECT_FALSE(failing.Int(c));  // once an item fails, every later one fails
  EXPECT_EQ(b, 5);
  EXPECT_EQ(failing.Count(), 1);

  Scanner shortText("abc");
  std::string_view chars;
  EXPECT_FALSE(shortText.Chars(4, chars));
}

}  // namespace
}  // namespace bk

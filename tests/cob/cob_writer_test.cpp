#include "cob/cob_writer.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace bk {
namespace {

std::string Printf(const char* format, double value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Written(float value, bool fixed, int precision) {
  std::ostringstream os;
  {
    CobWriter out(os);
    if (fixed) out.SetFixed(precision);
    out << value;
  }
  return os.str();
}

// Values that exercise rounding ties, carries into the integer part, signs,
// the exponent form of %g and the edges of the fast fixed path.
std::vector<float> InterestingValues() {
  std::vector<float> values = {0.0f,      -0.0f,      1.0f,        -1.0f,      0.5f,
                               0.125f,    0.0000005f, -0.0000005f, 0.9999995f, 9.9999995f,
                               0.015625f, 123456.7f,  999999.94f,  1e6f,       1.5e7f,
                               3.4e38f,   -3.4e38f,   1e-7f,       1e-30f,     0.91f,
                               0.005f,    0.015f,     2.675f,      -53.50737f, 1e5f};
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> wide(-2000.0f, 2000.0f);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int i = 0; i < 20000; ++i) values.push_back(wide(random));
  for (int i = 0; i < 20000; ++i) {
    std::uint32_t b = bits(random);
    float f;
    std::memcpy(&f, &b, sizeof f);
    if (std::isfinite(f)) values.push_back(f);
  }
  return values;
}

TEST(CobWriter, FixedNotationMatchesPrintfWithSixAndTwoDecimals) {
  for (float value : InterestingValues()) {
    ASSERT_EQ(Written(value, true, 6), Printf("%.6f", value)) << value;
    ASSERT_EQ(Written(value, true, 2), Printf("%.2f", value)) << value;
  }
}

TEST(CobWriter, AsWrittenIsWhatAReaderFindsInTheText) {
  for (float value : InterestingValues()) {
    for (const CobWriter::Format format : {CobWriter::Format{CobWriter::Notation::Fixed, 6},
                                           CobWriter::Format{CobWriter::Notation::Fixed, 2},
                                           CobWriter::Format{CobWriter::Notation::General, 6}}) {
      const std::string text = Written(value, format.notation == CobWriter::Notation::Fixed, format.precision);
      const float read = std::strtof(text.c_str(), nullptr);
      const float rounded = AsWritten(format, value);
      ASSERT_EQ(std::signbit(rounded), std::signbit(read)) << text;
      ASSERT_EQ(rounded, read) << text;
    }
  }
}

TEST(CobWriter, GeneralNotationMatchesPrintfG) {
  for (float value : InterestingValues()) {
    ASSERT_EQ(Written(value, false, 6), Printf("%g", value)) << value;
  }
}

TEST(CobWriter, FixedWithNoDecimalsStillShowsThePoint) {
  EXPECT_EQ(Written(2.0f, true, 0), "2.");
  EXPECT_EQ(Written(3e20f, true, 0), Printf("%#.0f", 3e20f));
}

TEST(CobWriter, KeepsItsFormatStateAndEndsLinesWithCrLf) {
  std::ostringstream os;
  {
    CobWriter out(os);
    out << "center " << 0.0f << ' ' << 1.5f;
    out.EndLine();
    out.SetFixed(6);
    out << 0.0f << ' ' << -3 << ' ' << 4000000000u;
    out.EndLine();
    out.SetPrecision(2);
    out << 0.5f;
  }
  EXPECT_EQ(os.str(), "center 0 1.5\r\n0.000000 -3 4000000000\r\n0.50");
}

TEST(CobWriter, LargeOutputArrivesWholeAndInOrder) {
  std::ostringstream os;
  std::string expected;
  {
    CobWriter out(os);
    for (int i = 0; i < 100000; ++i) {
      out << i;
      out.EndLine();
      expected += std::to_string(i) + "\r\n";
    }
  }
  EXPECT_EQ(os.str(), expected);
}

TEST(CobWriter, FlushReportsAFailedStream) {
  std::ofstream full("/dev/full", std::ios::binary);
  if (!full) GTEST_SKIP() << "/dev/full is not available";
  CobWriter out(full);
  out << "text";
  EXPECT_FALSE(out.Flush());
  EXPECT_FALSE(out.Good());
}

}  // namespace
}  // namespace bk

// Malformed files are refused as not recognised, never with a crash, a leak
// or an out-of-memory message (this binary also runs under the sanitizers).
#include <string>

#include <gtest/gtest.h>

#include "cob/cob_file.h"

namespace bk {
namespace {

const std::string kHead =
    "Caligari V00.01ALH\n"
    "PolH V0.02 Id 12 Parent 7 Size 1\n"
    "Name M\n"
    "center 0 0 0\nx axis 1 0 0\ny axis 0 1 0\nz axis 0 0 1\nTransform\n"
    "1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n";

const std::string kGood = kHead +
                          "World Vertices 3\n0 0 0\n1 0 0\n0 1 0\n"
                          "Texture Vertices 2\n0 0\n1 1\n"
                          "Faces 2\n"
                          "Face verts 3 flags 0 mat 0\n<0,0> <1,1> <2,0> \n"
                          "Hole verts 3\n<0,0> <1,1> <2,1> \n"
                          "Unit V0.01 Id 13 Parent 12 Size 1\nUnits 1\n"
                          "END  V1.00 Id 0 Parent 0 Size        0";

std::string Replace(std::string text, std::string_view what, std::string_view with) {
  const std::size_t at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  return text.replace(at, what.size(), with);
}

void ExpectRefused(const std::string& text, const char* why) {
  ImportResult result = ImportObjectFromText(text);
  EXPECT_EQ(result.object, nullptr) << why;
  EXPECT_EQ(result.error, messages::kNotRecognized) << why;
}

TEST(MalformedFile, TheWellFormedBaseImports) {
  ImportResult result = ImportObjectFromText(kGood);
  ASSERT_NE(result.object, nullptr) << result.error;
  EXPECT_EQ(result.object->HoleCount, 1);
  ASSERT_NE(result.object->Unit, nullptr);
}

TEST(MalformedFile, RefusesBadCounts) {
  ExpectRefused(Replace(kGood, "World Vertices 3", "World Vertices 1000001"), "vertex count over limit");
  ExpectRefused(Replace(kGood, "Texture Vertices 2", "Texture Vertices 1000001"), "uv count over limit");
  ExpectRefused(Replace(kGood, "World Vertices 3", "World Vertices -1"), "negative vertex count");
  ExpectRefused(Replace(kGood, "Texture Vertices 2", "Texture Vertices x"), "unparsable uv count");
  ExpectRefused(Replace(kGood, "Faces 2", "Faces -5"), "negative face count");
  ExpectRefused(Replace(kGood, "Faces 2", "Faces"), "missing face count");
  // A huge face count is not refused for its size, only because the faces
  // are not there; it must not allocate for the count.
  ExpectRefused(Replace(kGood, "Faces 2", "Faces 2000000000"), "face count beyond the text");
  ExpectRefused(Replace(kGood, "World Vertices 3", "World Vertices 1000000"), "vertices beyond the text");
}

TEST(MalformedFile, RefusesShortElementLines) {
  ExpectRefused(Replace(kGood, "1 0 0\n0 1 0\n", "1 0\n0 1 0\n"), "vertex line with two numbers");
  ExpectRefused(Replace(kGood, "0 0\n1 1\n", "0 0\n1\n"), "uv line with one number");
  ExpectRefused(Replace(kGood, "Face verts 3 flags 0 mat 0", "Face verts"), "face line with two items");
  ExpectRefused(Replace(kGood, "Face verts 3 flags 0 mat 0", ""), "empty face line");
}

TEST(MalformedFile, RefusesBadCornerLines) {
  ExpectRefused(Replace(kGood, "<0,0> <1,1> <2,0> ", "<5,2> <6"), "odd number of tokens");
  ExpectRefused(Replace(kGood, "<0,0> <1,1> <2,0> ", "<0,0> <1,1> <3,0> "), "vertex index past the list");
  ExpectRefused(Replace(kGood, "<0,0> <1,1> <2,0> ", "<0,0> <1,2> <2,0> "), "uv index past the list");
  ExpectRefused(Replace(kGood, "<0,0> <1,1> <2,0> ", "<-1,0> <1,1> <2,0> "), "negative index");
}

TEST(MalformedFile, RefusesTextsThatEndInsideThePolygonChunk) {
  const std::string text = kGood.substr(0, kGood.find("Unit V0.01"));
  // Cut after every line of the chunk up to the last corner line.
  std::size_t cut = kGood.find("PolH");
  int cuts = 0;
  while ((cut = text.find('\n', cut)) != std::string::npos) {
    const std::string head = text.substr(0, cut + 1);
    if (head.size() == text.size()) break;  // the whole chunk is there
    ExpectRefused(head, "truncated chunk");
    ++cut;
    ++cuts;
  }
  EXPECT_GT(cuts, 15);
  // With the last corner line complete (even without its line end) it imports.
  ImportResult whole = ImportObjectFromText(text.substr(0, text.size() - 1));
  EXPECT_NE(whole.object, nullptr);
}

}  // namespace
}  // namespace bk

#include "cob/poly_chunk.h"

#include <algorithm>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/pr_material.h"

namespace bk {
namespace {

// The lines of a polygon chunk up to its "World Vertices" line.
std::string Head(std::string_view transform_rows = "1 0 0 0\n0 1 0 0\n0 0 1 0\n") {
  return "PolH V0.02 Id 12 Parent 7 Size 00000999\n"
         "Name Cube thing\n"
         "center 1 2 3\n"
         "x axis 1 0 0\n"
         "y axis 0 1 0\n"
         "z axis 0 0 1\n"
         "Transform\n" +
         std::string(transform_rows) + "0 0 0 1\n";
}

const std::string kTriangleBody =
    "World Vertices 3\n"
    "0 0 0\n"
    "1 0 0\n"
    "0 1 0\n"
    "Texture Vertices 2\n"
    "0 0\n"
    "1 1\n"
    "Faces 1\n"
    "Face verts 3 flags 0 mat 0\n"
    "<0,0> <1,1> <2,0> \n";

// Reads the chunk whose header is the first line of `text`.
bool ReadChunk(CPolyChunk& chunk, const std::string& text) {
  LineReader in(text);
  EXPECT_TRUE(in.ReadLine());
  return chunk.Read(in, in.Line());
}

std::string WriteChunk(const CPolyChunk& chunk, int times = 1) {
  std::ostringstream os;
  {
    CobWriter out(os);
    for (int i = 0; i < times; ++i) chunk.Write(out);
  }
  return os.str();
}

TEST(PolyChunkRead, ReadsHeaderFrameListsAndBakesTheTransform) {
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, Head("1 0 0 10\n0 1 0 0\n0 0 1 0\n") + kTriangleBody));
  EXPECT_EQ(chunk.Id, 12);
  EXPECT_EQ(chunk.ParentId, 7);
  EXPECT_EQ(chunk.Name, "Cube");  // a name with blanks keeps its first word
  EXPECT_EQ(chunk.Axis.Center, CVector(1, 2, 3));
  EXPECT_EQ(chunk.Axis.ZAxis, CVector(0, 0, 1));
  ASSERT_EQ(chunk.Vertices.size(), 3u);
  EXPECT_EQ(*chunk.Vertices[0], CVector(10, 0, 0));
  EXPECT_EQ(*chunk.Vertices[1], CVector(11, 0, 0));
  EXPECT_EQ(chunk.Axis.Row0, CVector(1, 0, 0));
  EXPECT_EQ(chunk.Axis.Translation, CVector());
  ASSERT_EQ(chunk.UvPoints.size(), 2u);
  EXPECT_EQ(*chunk.UvPoints[1], CUvPoint(1, 1));
  ASSERT_EQ(chunk.Faces.size(), 1u);
  const CFace& face = *chunk.Faces[0];
  EXPECT_EQ(face.VertexIndices, (IndexList{0, 1, 2}));
  EXPECT_EQ(face.UvIndices, (IndexList{0, 1, 0}));
  EXPECT_EQ(chunk.HoleCount, 0);
  EXPECT_TRUE(chunk.Materials.empty());
  EXPECT_EQ(chunk.Unit, nullptr);

  // The baked chunk is written with an identity transform.
  const std::string text = WriteChunk(chunk);
  EXPECT_NE(text.find("Transform\r\n1 0 0 0\r\n0 1 0 0\r\n0 0 1 0\r\n0 0 0 1\r\n"), std::string::npos);
}

TEST(PolyChunkRead, HoleLinesFlagsAndMaterialIndices) {
  const std::string body =
      "World Vertices 4\n0 0 0\n1 0 0\n1 1 0\n0 1 0\n"
      "Texture Vertices 4\n0 0\n1 0\n1 1\n0 1\n"
      "Faces 2\n"
      "Face verts 4 flags 258 mat 3\n"
      "<0,0> <1,1> <2,2> <3,3> \n"
      "Hole verts 4\n"
      "<0,0> <1,1> <2,2> <3,3>\n";
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, Head() + body));
  ASSERT_EQ(chunk.Faces.size(), 2u);
  EXPECT_EQ(chunk.Faces[0]->Flags, 2);  // low eight bits of 258
  EXPECT_EQ(chunk.Faces[0]->MaterialIndex, 3);
  EXPECT_TRUE(chunk.Faces[1]->IsHole());
  EXPECT_EQ(chunk.Faces[1]->VertexCount, 4);
  EXPECT_EQ(chunk.HoleCount, 1);
  const std::string text = WriteChunk(chunk);
  EXPECT_NE(text.find("Face verts 4 flags 2 mat 3\r\n<0,0> <1,1> <2,2> <3,3> \r\n"
                      "Hole verts 4\r\n<0,0> <1,1> <2,2> <3,3> \r\n"),
            std::string::npos);
}

TEST(PolyChunkRead, CornerPairsDecideTheCornerCount) {
  std::string body = kTriangleBody;
  body.replace(body.find("Face verts 3"), 12, "Face verts 5");
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, Head() + body));
  EXPECT_EQ(chunk.Faces[0]->VertexCount, 3);
  EXPECT_EQ(chunk.Faces[0]->UvIndices.size(), 3u);
}

// Lists long enough to be read in two halves at once read as short ones do:
// every element in its place, holes counted, and a bad corner in the last
// face still refused.
TEST(PolyChunkRead, LongListsReadLikeShortOnes) {
  CPolyChunk source;
  source.Axis.Row0 = CVector(1, 0, 0);
  source.Axis.Row1 = CVector(0, 1, 0);
  source.Axis.Row2 = CVector(0, 0, 1);
  constexpr std::uint32_t kPoints = 40000;
  for (std::uint32_t i = 0; i < kPoints; ++i) {
    source.AddOwnedVertex(CVector(static_cast<float>(i), 0.5f, -0.25f - static_cast<float>(i % 7)));
    source.AddOwnedUvPoint(CUvPoint(static_cast<float>(i % 3), 0.25f));
  }
  for (std::uint32_t f = 0; f + 2 < kPoints; f += 2) {
    CFace face;
    face.VertexCount = 3;
    face.Flags = f % 1000 == 0 ? CFace::kHoleFlag : 0;
    face.MaterialIndex = static_cast<std::int32_t>(f % 5);
    face.VertexIndices = {f, f + 1, f + 2};
    face.UvIndices = {f + 2, f, f + 1};
    source.AddOwnedFace(std::move(face));
  }
  source.VertexTotal = source.UvTotal = static_cast<std::int32_t>(kPoints);
  source.FaceTotal = static_cast<std::int32_t>(source.Faces.size());
  const std::string text = WriteChunk(source);

  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, text));
  EXPECT_EQ(chunk.HoleCount, source.FaceTotal / 500 + 1);
  const std::string again = WriteChunk(chunk);
  const auto differ = std::mismatch(again.begin(), again.end(), text.begin(), text.end());
  EXPECT_TRUE(differ.first == again.end() && differ.second == text.end())
      << text.substr(static_cast<std::size_t>(differ.second - text.begin()) / 64 * 64, 160);

  std::string bad = text;
  const std::size_t last_corner = bad.rfind("<");
  bad.replace(last_corner, 1, "<40000,0> <");
  CPolyChunk refused;
  EXPECT_FALSE(ReadChunk(refused, bad));
}

TEST(PolyChunkRead, ZeroFacesStillReadsTheUnitAndMaterials) {
  const std::string text = Head() +
                           "World Vertices 0\nTexture Vertices 0\nFaces 0\n"
                           "Unit V0.01 Id 13 Parent 12 Size 9\nUnits 2\n"
                           "Mat1 V0.05 Id 14 Parent 12 Size 9\nmat# 0\n"
                           "shader: phong  facet: auto40\nrgb 0.5,0.5,0.5\n"
                           "alpha 1  ka 0.1  ks 0.1  exp 0  ior 1\n"
                           "END  V1.00 Id 0 Parent 0 Size        0";
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, text));
  EXPECT_TRUE(chunk.Faces.empty());
  ASSERT_NE(chunk.Unit, nullptr);
  EXPECT_EQ(chunk.Unit->Units, 2);
  ASSERT_EQ(chunk.Materials.size(), 1u);
  EXPECT_EQ(chunk.Materials[0]->Colour, CVector(0.5f, 0.5f, 0.5f));
}

// Later modeller versions write trailing lines after the faces and other
// chunks among the unit and the materials; none of that may hide them.
TEST(PolyChunkRead, FindsUnitAndMaterialsAmongOtherChunks) {
  const std::string text = Head() + kTriangleBody +
                           "DrawFlags 0\n"
                           "Radiosity Quality: 0\n"
                           "ObRQ V0.01 Id 20 Parent 12 Size 00000121\n"
                           "Object Radiosity Quality: 0\n"
                           "Unit V0.01 Id 13 Parent 12 Size 00000009\nUnits 3\n"
                           "OLay V0.01 Id 12 Parent 0 Size 00000049\nLayer Index 0\n"
                           "Mat1 V0.08 Id 14 Parent 12 Size 00000089\nmat# 1\n"
                           "shader: flat  facet: smooth\nrgb 0.8,0.8,0.8\n"
                           "alpha 1  ka 0.1  ks 0  exp 0  ior 1\n"
                           "ShBx V0.04 Id 15 Parent 14 Size 00000717\n"
                           "Shader class: color\n"
                           "Unit V0.01 Id 99 Parent 12 Size 00000009\nUnits 7\n"
                           "PrTx V0.01 Id 16 Parent 12 Size 9\nmat# 2\n"
                           "shader: phong  facet: auto40\nrgb 1,1,1\n"
                           "alpha 1  ka 0.1  ks 0.1  exp 0  ior 1\n"
                           "Chan V0.12 Id 21 Parent 12 Size 1\nName x\n"
                           "PolH V0.02 Id 30 Parent 0 Size 1\n"
                           "Mat1 V0.05 Id 31 Parent 30 Size 1\nmat# 9\n";
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, text));
  ASSERT_NE(chunk.Unit, nullptr);
  EXPECT_EQ(chunk.Unit->Units, 3);  // the first Unit chunk
  EXPECT_EQ(chunk.Unit->Id, 13);
  ASSERT_EQ(chunk.Materials.size(), 2u);
  EXPECT_EQ(chunk.Materials[0]->MaterialNumber, 1);
  EXPECT_EQ(chunk.Materials[0]->Shader, 'f');
  EXPECT_NE(dynamic_cast<CPrMaterial*>(chunk.Materials[1].get()), nullptr);
  EXPECT_EQ(chunk.Materials[1]->MaterialNumber, 2);
}

TEST(PolyChunkWrite, GeneralFormatUntilTheFirstVertexListThenFixed) {
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, Head() + kTriangleBody));
  chunk.Id = 1000001;
  chunk.ParentId = 1000000;
  chunk.Axis.Center = CVector();
  chunk.Unit = std::make_unique<CUnit>();
  chunk.Unit->Id = 1000002;
  chunk.Unit->ParentId = 1000001;
  chunk.Unit->Units = 1;
  const std::string first =
      "PolH V0.02 Id 1000001 Parent 1000000 Size -1\r\n"
      "Name Cube\r\n"
      "center 0 0 0\r\n"
      "x axis 1 0 0\r\n"
      "y axis 0 1 0\r\n"
      "z axis 0 0 1\r\n"
      "Transform\r\n"
      "1 0 0 0\r\n0 1 0 0\r\n0 0 1 0\r\n0 0 0 1\r\n"
      "World Vertices 3\r\n"
      "0.000000 0.000000 0.000000\r\n"
      "1.000000 0.000000 0.000000\r\n"
      "0.000000 1.000000 0.000000\r\n"
      "Texture Vertices 2\r\n"
      "0.000000 0.000000\r\n"
      "1.000000 1.000000\r\n"
      "Faces 1\r\n"
      "Face verts 3 flags 0 mat 0\r\n"
      "<0,0> <1,1> <2,0> \r\n"
      "Unit V0.01 Id 1000002 Parent 1000001 Size -1\r\n"
      "Units 1\r\n";
  const std::string twice = WriteChunk(chunk, 2);
  ASSERT_EQ(twice.substr(0, first.size()), first);
  const std::string second = twice.substr(first.size());
  EXPECT_TRUE(second.starts_with("PolH V0.02 Id 1000001 Parent 1000000 Size -1\r\nName Cube\r\n"
                                 "center 0.000000 0.000000 0.000000\r\n"))
      << second;
}

TEST(PolyChunkWrite, WrittenChunkReadsBackWithItsUnitAndMaterials) {
  CPolyChunk chunk;
  ASSERT_TRUE(ReadChunk(chunk, Head() + kTriangleBody));
  chunk.Unit = std::make_unique<CUnit>();
  chunk.Unit->Units = 4;
  auto material = std::make_unique<CMaterial>();
  material->MaterialNumber = 5;
  chunk.Materials.push_back(std::move(material));
  chunk.Materials.push_back(std::make_unique<CPrMaterial>());

  const std::string text = WriteChunk(chunk) + "END  V1.00 Id 0 Parent 0 Size        0";
  CPolyChunk back;
  ASSERT_TRUE(ReadChunk(back, text));
  ASSERT_NE(back.Unit, nullptr);  // written after the materials, still found
  EXPECT_EQ(back.Unit->Units, 4);
  ASSERT_EQ(back.Materials.size(), 2u);
  EXPECT_EQ(back.Materials[0]->MaterialNumber, 5);
  EXPECT_NE(dynamic_cast<CPrMaterial*>(back.Materials[1].get()), nullptr);
}

TEST(PolyChunkCopy, SharesGeometryAndOwnsItsMaterialsAndUnit) {
  auto source = std::make_unique<CPolyChunk>();
  ASSERT_TRUE(ReadChunk(*source, Head() + kTriangleBody));
  source->Unit = std::make_unique<CUnit>();
  source->Unit->Units = 2;
  source->Materials.push_back(std::make_unique<CPrMaterial>());
  source->Materials.push_back(std::make_unique<CMaterial>());

  CPolyChunk copy;
  copy.CopyFrom(*source);
  EXPECT_NE(copy.Id, source->Id);
  EXPECT_EQ(copy.Name, "");
  EXPECT_EQ(copy.Vertices, source->Vertices);
  EXPECT_EQ(copy.Faces, source->Faces);
  EXPECT_EQ(copy.OwnsVertices, 0);
  EXPECT_EQ(copy.OwnsFaces, 0);
  EXPECT_EQ(copy.FaceTotal, 1);
  ASSERT_EQ(copy.Materials.size(), 2u);
  EXPECT_NE(copy.Materials[0].get(), source->Materials[0].get());
  EXPECT_NE(dynamic_cast<CPrMaterial*>(copy.Materials[0].get()), nullptr);
  EXPECT_EQ(dynamic_cast<CPrMaterial*>(copy.Materials[1].get()), nullptr);
  ASSERT_NE(copy.Unit, nullptr);
  EXPECT_EQ(copy.Unit->ParentId, copy.Id);
  EXPECT_EQ(copy.Unit->Units, 2);

  // Deleting the copy leaves the source's geometry intact.
  const CVector first = *source->Vertices[0];
  copy.DeleteContents();
  EXPECT_EQ(*source->Vertices[0], first);
  EXPECT_EQ(source->Faces[0]->VertexIndices.size(), 3u);
}

TEST(PolyChunkGeometry, CentroidMidpointLowerCornerAndFind) {
  CPolyChunk chunk;
  EXPECT_EQ(chunk.ComputeCentroid(), CVector());  // no vertices: the origin
  chunk.AddOwnedVertex({0, 0, 0});
  chunk.AddOwnedVertex({4, -2, 0});
  chunk.AddOwnedVertex({2, 2, -6});
  chunk.AddOwnedVertex({1, 2, 3.001f});
  EXPECT_EQ(chunk.ComputeCentroid(), CVector(7.0f / 4, 0.5f, (3.001f - 6.0f) / 4));
  EXPECT_EQ(chunk.Centroid, chunk.ComputeCentroid());

  CFace first;
  first.VertexIndices = {0, 1, 2};
  first.UvIndices = {0, 0, 0};
  first.VertexCount = 3;
  CFace empty;
  CFace last;
  last.VertexIndices = {1};
  last.UvIndices = {0};
  last.VertexCount = 1;
  chunk.AddOwnedFace(first);
  chunk.AddOwnedFace(empty);
  chunk.AddOwnedFace(last);
  // Face 1: c = ((0 + 4) / 2 + 2) / 2 ... per axis; the empty face keeps c.
  const CVector c1 = Divide(Add(Divide(Add(CVector(0, 0, 0), CVector(4, -2, 0)), 2), CVector(2, 2, -6)), 2);
  CVector a = c1;
  a = Divide(Add(c1, a), 2);
  a = Divide(Add(CVector(4, -2, 0), a), 2);
  EXPECT_EQ(chunk.FaceMidpointCenter(), a);
  EXPECT_EQ(chunk.LowerCorner(), CVector(0, -2, -6));

  EXPECT_EQ(chunk.FindVertex({2, 2, -6}), 2u);
  EXPECT_EQ(chunk.FindVertex({1, 2, 3}), CPolyChunk::kNotFound);
  chunk.AddOwnedUvPoint({0.5f, 0.25f});
  EXPECT_EQ(chunk.FindUvPoint({0.5f, 0.25f}), 0u);
  EXPECT_EQ(chunk.FindUvPoint({0.25f, 0.5f}), CPolyChunk::kNotFound);
}

}  // namespace
}  // namespace bk

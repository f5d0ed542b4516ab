// The command line's glTF outputs, run as a user runs them.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "gltf_reader_support.h"
#include "gltf_test_support.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string errors;
};

CliRun Cli(const std::string& arguments, const fs::path& dir) {
  const fs::path errors = dir / "stderr.txt";
  const std::string command =
      std::string("'") + BURSTKIN_CLI_PATH + "' " + arguments + " 2> '" + errors.string() + "'";
  const int raw = std::system(command.c_str());
  std::ifstream in(errors);
  std::stringstream text;
  text << in.rdbuf();
  fs::remove(errors);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

TEST(GltfCommandLine, ExplodeWritesBothFilesAndGltfConvertsTheCob) {
  const fs::path dir = bk::testing::TestFolder("cli");
  const fs::path input = fs::path(BURSTKIN_EXAMPLES_DIR) / "ring.cob";  // faces with holes
  const fs::path cob = dir / "ring.cob";
  const fs::path glb = dir / "ring.glb";
  const fs::path gltf = dir / "ring.gltf";
  CliRun run = Cli("explode " + Quoted(input) + " " + Quoted(cob) + " --seed 9 --quiet --gltf " +
                    Quoted(glb) + " --fps 25 --gltf-sampling frames",
                dir);
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_TRUE(fs::exists(cob));
  EXPECT_TRUE(fs::exists(glb));
  run = Cli("gltf " + Quoted(cob) + " " + Quoted(gltf), dir);
  ASSERT_EQ(run.status, 0) << run.errors;
  BK_EXPECT_VALID_GLTF(glb);
  BK_EXPECT_VALID_GLTF(gltf);
  fs::remove_all(dir);
}

TEST(GltfCommandLine, RefusesAFileItDidNotWriteWithStatusOne) {
  const fs::path dir = bk::testing::TestFolder("cli-refuse");
  const fs::path input = fs::path(BURSTKIN_EXAMPLES_DIR) / "crate.cob";  // an input object
  const CliRun run = Cli("gltf " + Quoted(input) + " " + Quoted(dir / "x.glb"), dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("not a file written by Burstkin"), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists(dir / "x.glb"));
  EXPECT_EQ(Cli("gltf " + Quoted(input) + " " + Quoted(dir / "x.obj"), dir).status, 2);
  EXPECT_EQ(Cli("gltf " + Quoted(input) + " " + Quoted(dir / "x.glb") + " --fps -1", dir).status, 2);
  fs::remove_all(dir);
}

// A square of two triangles: "Steel", a glossy blue metal, and "Planks", an
// embedded PNG placed by a texture transform, half rough.
constexpr const char* kTile =
    R"({"asset":{"version":"2.0"},"extensionsUsed":["KHR_texture_transform"],"scene":0,"scenes":[{"nodes":[0]}],)"
    R"("nodes":[{"name":"Tile","mesh":0}],"meshes":[{"primitives":[)"
    R"({"attributes":{"POSITION":0,"NORMAL":1,"TEXCOORD_0":2},"indices":3,"material":0},)"
    R"({"attributes":{"POSITION":0,"NORMAL":1,"TEXCOORD_0":2},"indices":4,"material":1}]}],)"
    R"("materials":[{"name":"Steel","pbrMetallicRoughness":{"baseColorFactor":[0.2,0.5,0.8,1],)"
    R"("metallicFactor":1,"roughnessFactor":0.3}},{"name":"Planks","pbrMetallicRoughness":{"baseColorTexture":)"
    R"({"index":0,"extensions":{"KHR_texture_transform":{"offset":[0.25,0.5],"scale":[2,3]}}},)"
    R"("metallicFactor":0,"roughnessFactor":0.5}}],"textures":[{"source":0}],)"
    R"("images":[{"uri":"data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGM4MS0FAAPsAcMKNRFCAAAAAElFTkSuQmCC"}],)"
    R"("buffers":[{"byteLength":140,"uri":"data:application/octet-stream;base64,)"
    R"(AAAAAAAAAAAAAAAAAACAPwAAAAAAAAAAAACAPwAAgD8AAAAAAAAAAAAAgD8AAAAAAAAAAAAAAAAAAIA/AAAAAAAAAAAAAIA/)"
    R"(AAAAAAAAAAAAAIA/AAAAAAAAAAAAAIA/AAAAAAAAAAAAAIA/AAAAAAAAgD8AAIA/AAAAAAAAgD8AAAEAAgAAAAIAAwA="}],)"
    R"("bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":48},{"buffer":0,"byteOffset":48,"byteLength":48},)"
    R"({"buffer":0,"byteOffset":96,"byteLength":32},{"buffer":0,"byteOffset":128,"byteLength":12}],)"
    R"("accessors":[{"bufferView":0,"componentType":5126,"count":4,"type":"VEC3","min":[0,0,0],"max":[1,1,0]},)"
    R"({"bufferView":1,"componentType":5126,"count":4,"type":"VEC3"},)"
    R"({"bufferView":2,"componentType":5126,"count":4,"type":"VEC2"},)"
    R"({"bufferView":3,"byteOffset":0,"componentType":5123,"count":3,"type":"SCALAR"},)"
    R"({"bufferView":3,"byteOffset":6,"componentType":5123,"count":3,"type":"SCALAR"}]})";

// What a glTF says of its materials survives the trip through the .cob on
// both routes: names, colours (linear factors within 1/255), gloss (within
// 0.05), the texture transform and the embedded image, even when the output
// goes to another folder than the input's.
TEST(GltfCommandLine, AGltfInputKeepsItsMaterialsOnBothRoutes) {
  const fs::path dir = bk::testing::TestFolder("cli-materials");
  std::ofstream(dir / "tile.gltf") << kTile;
  fs::create_directories(dir / "out");
  CliRun run = Cli("explode " + Quoted(dir / "tile.gltf") + " " + Quoted(dir / "out/t.cob") +
                       " --seed 7 --quiet --gltf " + Quoted(dir / "out/t.glb"),
                   dir);
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  run = Cli("gltf " + Quoted(dir / "out/t.cob") + " " + Quoted(dir / "out/u.glb"), dir);
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  for (const char* name : {"out/t.glb", "out/u.glb"}) {
    SCOPED_TRACE(name);
    std::ifstream in(dir / name, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const tinygltf::Model m = bk::testing::Load(bytes, true);
    ASSERT_EQ(m.materials.size(), 2u);
    const tinygltf::Material& steel = m.materials[0];
    const tinygltf::Material& planks = m.materials[1];
    EXPECT_EQ(steel.name, "Steel");
    EXPECT_EQ(planks.name, "Planks");
    const std::vector<double> colour = {0.2, 0.5, 0.8, 1.0};
    for (int c = 0; c < 4; ++c) {
      EXPECT_NEAR(steel.pbrMetallicRoughness.baseColorFactor.at(c), colour[c], 1.0 / 255);
    }
    EXPECT_NEAR(steel.pbrMetallicRoughness.roughnessFactor, 0.3, 0.05);
    EXPECT_EQ(steel.pbrMetallicRoughness.metallicFactor, 1.0);
    EXPECT_NEAR(planks.pbrMetallicRoughness.roughnessFactor, 0.5, 0.05);
    EXPECT_EQ(m.images.size(), 1u) << "the embedded image found beside the written .cob";
    const tinygltf::TextureInfo& texture = planks.pbrMetallicRoughness.baseColorTexture;
    ASSERT_EQ(texture.index, 0);
    const tinygltf::Value& placement = texture.extensions.at("KHR_texture_transform");
    EXPECT_NEAR(placement.Get("offset").Get(0).GetNumberAsDouble(), 0.25, 1e-6);
    EXPECT_NEAR(placement.Get("offset").Get(1).GetNumberAsDouble(), 0.5, 1e-6);
    EXPECT_NEAR(placement.Get("scale").Get(0).GetNumberAsDouble(), 2.0, 1e-6);
    EXPECT_NEAR(placement.Get("scale").Get(1).GetNumberAsDouble(), 3.0, 1e-6);
  }
  BK_EXPECT_VALID_GLTF(dir / "out/t.glb");
  fs::remove_all(dir);
}

// An L-shaped prism in OBJ: closed, with concave caps, one material.
void WriteLPrism(const fs::path& file) {
  std::ofstream out(file);
  const double outline[][2] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
  for (double z : {0.0, 1.0}) {
    for (const auto& p : outline) out << "v " << p[0] << ' ' << p[1] << ' ' << z << '\n';
  }
  out << "f 6 5 4 3 2 1\nf 7 8 9 10 11 12\n";
  for (int i = 1; i <= 6; ++i) {
    const int j = i % 6 + 1;
    out << "f " << i << ' ' << j << ' ' << j + 6 << ' ' << i + 6 << '\n';
  }
}

// The pieces as tools/node-pieces.mjs reads them; empty when node or its
// package is absent.
std::string PiecesReadIndependently(const fs::path& file) {
  const fs::path root = bk::testing::SourceDir();
  if (std::system("node --version >/dev/null 2>&1") != 0) return {};
  if (!fs::exists(root / "tools/node_modules/@gltf-transform/core")) return {};
  const std::string command = "node " + Quoted(root / "tools/node-pieces.mjs") + " " + Quoted(file);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[65536];
  for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

// Closed by position: every triangle edge from a to b is met by exactly one
// edge from b to a, and by no other from a to b.
bool ClosedByPosition(const nlohmann::json& triangles) {
  using Edge = std::array<double, 6>;
  std::map<Edge, int> edges;
  for (const auto& t : triangles) {
    for (int k = 0; k < 3; ++k) {
      const int a = 3 * k, b = 3 * ((k + 1) % 3);
      ++edges[{t[a], t[a + 1], t[a + 2], t[b], t[b + 1], t[b + 2]}];
    }
  }
  for (const auto& [edge, count] : edges) {
    const auto reverse = edges.find({edge[3], edge[4], edge[5], edge[0], edge[1], edge[2]});
    if (count != 1 || reverse == edges.end() || reverse->second != 1) return false;
  }
  return !edges.empty();
}

TEST(GltfCommandLine, SolidPiecesAreClosedAndCarryOuterAndInnerMaterials) {
  const fs::path dir = bk::testing::TestFolder("cli-solid");
  const fs::path input = dir / "ell.obj";
  const fs::path glb = dir / "ell.glb";
  WriteLPrism(input);
  const CliRun run = Cli("explode " + Quoted(input) + " " + Quoted(dir / "ell.cob") + " --seed 5 --quiet " +
                             "--set PieceShape=solid --set Cells=8 --gltf " + Quoted(glb),
                         dir);
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string text = PiecesReadIndependently(glb);
  if (!text.empty()) {
    const nlohmann::json pieces = nlohmann::json::parse(text).at("pieces");
    EXPECT_GE(pieces.size(), 2u);
    for (const auto& piece : pieces) {
      EXPECT_TRUE(ClosedByPosition(piece.at("triangles"))) << piece.at("name");
      EXPECT_EQ(piece.at("materials").size(), 2u) << piece.at("name") << ": the object's and the inner one";
    }
  }
  BK_EXPECT_VALID_GLTF(glb);
  fs::remove_all(dir);
  if (text.empty()) GTEST_SKIP() << "node or @gltf-transform/core is not installed; the independent reading skipped";
}

}  // namespace

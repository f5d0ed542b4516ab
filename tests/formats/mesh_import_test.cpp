#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "formats/mesh_import.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

constexpr std::string_view kTriangleObj = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";

TEST(MeshImportDispatch, ChoosesTheReaderByContentBeforeName) {
  const std::string cob = testing::StripObjectText(2);
  const struct {
    std::string bytes;
    const char* hint;
    MeshFormat format;
    std::string_view error;  // empty: imports
  } cases[] = {
      {cob, "named.obj", MeshFormat::Cob, ""},
      {std::string(kTriangleObj), "mesh.OBJ", MeshFormat::Obj, ""},
      {std::string(kTriangleObj), "mesh.txt", MeshFormat::Cob, messages::kNotAModel},
      {"\x89PNG\r\n\x1a\n", "picture.cob", MeshFormat::Cob, messages::kNotAModel},
      {"", "empty.cob", MeshFormat::Cob, messages::kNotAModel},
      {"Caligari V00.01CLH\n", "packed.cob", MeshFormat::Cob, messages::kAsciiOnly},
      {"\xEF\xBB\xBF  {\"asset\":{\"version\":\"2.0\"}}", "a.obj", MeshFormat::Gltf, messages::kNoMesh},
      {std::string("glTF\x02\0\0\0", 8), "a.cob", MeshFormat::Glb, messages::kNotValidGltf},
      {std::string("glTF\x01\0\0\0", 8), "old.glb", MeshFormat::Glb, messages::kGltfOne},
      {"", "empty.obj", MeshFormat::Obj, messages::kNoMesh},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hint);
    const MeshImportResult result = ImportAnyObjectFromBytes(c.bytes, c.hint);
    EXPECT_EQ(result.format, c.format);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.object != nullptr, c.error.empty());
  }
}

int RunCli(const std::string& arguments) {
  const std::string command = std::string(BURSTKIN_CLI_PATH) + " " + arguments + " >/dev/null 2>&1";
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A texture inside a glTF must reach the exported folder under the name the
// exported material gives it, or the explosion loses its texture.
TEST(MeshImportCli, ExplodeWritesEmbeddedTexturesBesideTheOutput) {
  testing::TempDir dir;
  // One triangle; the PNG signature stands in for a whole image.
  const std::string gltf = R"({"asset":{"version":"2.0"},"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}],
    "meshes":[{"primitives":[{"attributes":{"POSITION":0},"material":0}]}],
    "materials":[{"pbrMetallicRoughness":{"baseColorTexture":{"index":0}}}],
    "textures":[{"source":0}],"images":[{"uri":"data:image/png;base64,iVBORw0KGgo="}],
    "buffers":[{"byteLength":36,"uri":"data:application/octet-stream;base64,AAAAAAAAAAAAAAAAAACAPwAAAAAAAAAAAAAAAAAAgD8AAAAA"}],
    "bufferViews":[{"buffer":0,"byteLength":36}],
    "accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}]})";
  const std::string input = dir.Write("leaf.gltf", gltf).string();
  std::filesystem::create_directory(dir.path() / "out");
  const std::string output = (dir.path() / "out" / "leaf.cob").string();
  ASSERT_EQ(RunCli("explode --quiet --seed 1 " + input + " " + output), 0);
  EXPECT_EQ(testing::ReadFileBytes(dir.path() / "out" / "leaf_0.png"), "\x89PNG\r\n\x1a\n");
  EXPECT_NE(testing::ReadFileBytes(output).find("texture: leaf_0.png"), std::string::npos);
}

}  // namespace
}  // namespace bk

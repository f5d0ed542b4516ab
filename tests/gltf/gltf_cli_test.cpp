// The command line's glTF outputs, run as a user runs them.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

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

}  // namespace

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class OptionsCliTest : public ::testing::Test {
 protected:
  struct Result {
    int status = -1;
    std::string out;
    std::string err;
  };

  // Runs burstkin-cli with the user's config folder inside the test's folder.
  Result Run(const std::vector<std::string>& args) {
    std::string command = "XDG_CONFIG_HOME=" + Quote((dir.path() / "config").string()) + " " +
                          Quote(BURSTKIN_CLI_PATH);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(Path("stdout.txt")) + " 2>" + Quote(Path("stderr.txt")) + " </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(Path("stdout.txt")),
            ReadFileBytes(Path("stderr.txt"))};
  }
  std::string Path(const std::string& name) const { return (dir.path() / name).string(); }
  static std::string Example(const std::string& name) { return std::string(BURSTKIN_EXAMPLES_DIR) + "/" + name; }

  testing::TempDir dir;
};

TEST_F(OptionsCliTest, ARunFromItsSavedOptionsIsByteIdenticalAndSavesTheSameFile) {
  const Result first = Run({"explode", Example("crate.cob"), Path("a.cob"), "--quiet", "--particle",
                            Example("spark.cob"), "--set", "MinPieces=9", "--set", "Particles=1", "--set",
                            "ExplosionDistance=3.3", "--set", "ReboundScale=0.37", "--shuffle", "medium",
                            "--sort", "front-to-back", "--save-options", Path("a.json")});
  ASSERT_EQ(first.status, 0) << first.err;
  // No --seed: the time's seed is what the file keeps.
  const Result second = Run({"explode", Example("crate.cob"), Path("b.cob"), "--quiet", "--particle",
                             Example("spark.cob"), "--options", Path("a.json"), "--save-options", Path("b.json")});
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(ReadFileBytes(Path("a.cob")), ReadFileBytes(Path("b.cob")));
  EXPECT_EQ(ReadFileBytes(Path("a.json")), ReadFileBytes(Path("b.json")));

  // Later --set flags win over the file, and --seed over its seed.
  ASSERT_EQ(Run({"explode", Example("crate.cob"), Path("c.cob"), "--quiet", "--options", Path("a.json"), "--set",
                 "MinPieces=5", "--seed", "3", "--save-options", Path("c.json")})
                .status,
            0);
  const std::string c = ReadFileBytes(Path("c.json"));
  EXPECT_NE(c.find("\"MinPieces\": 5,"), std::string::npos) << c;
  EXPECT_NE(c.find("\"seed\": 3,"), std::string::npos) << c;
  EXPECT_NE(c.find("\"ReboundScale\": 0.37,"), std::string::npos) << c;
}

TEST_F(OptionsCliTest, EveryShippedPresetRunsOnTheBundledExamples) {
  const Result listed = Run({"presets"});
  ASSERT_EQ(listed.status, 0);
  std::vector<std::string> names;
  for (std::size_t at = 0, end; (end = listed.out.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = listed.out.substr(at, end - at);
    if (line.rfind("Your own", 0) != 0) names.push_back(line.substr(0, line.find(' ')));
  }
  ASSERT_GE(names.size(), 4u) << listed.out;
  for (const std::string& name : names) {
    for (const char* example : {"crate.cob", "ring.cob", "plate_binary.cob", "prism.obj"}) {
      const Result run = Run({"explode", Example(example), Path("p.cob"), "--quiet", "--seed", "1", "--preset", name,
                              "--particle", Example("spark.cob")});
      EXPECT_EQ(run.status, 0) << name << " on " << example << ": " << run.err;
    }
  }
}

TEST_F(OptionsCliTest, UserPresetsAppearBesideTheShippedOnes) {
  fs::create_directories(dir.path() / "config" / "burstkin" / "presets");
  dir.Write("config/burstkin/presets/mine.json", R"({"description": "my own", "options": {"FrameCount": 12}})");
  const Result listed = Run({"presets"});
  EXPECT_NE(listed.out.find("mine"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("(yours) my own"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("shatter"), std::string::npos) << listed.out;
  EXPECT_EQ(Run({"explode", Example("crate.cob"), Path("m.cob"), "--quiet", "--preset", "mine"}).status, 0);
}

TEST_F(OptionsCliTest, BadFilesAndPresetsExitWithTwoAndWriteNothing) {
  const std::pair<std::string, std::string> cases[] = {
      {"not json at all", ":1: not valid JSON"},
      {"{\"options\": {\"FrameCount\": \"long\"}}", "FrameCount: expected a whole number, not a string"},
      {"{\n\"options\": {\n\"Frames\": 3}}", ":3: Frames: unknown option name"},
      {"{\"options\": {\"ExplosionDistance\": 0}}", "ExplosionDistance: Please enter a number between 0.1 and"},
  };
  for (const auto& [text, message] : cases) {
    dir.Write("bad.json", text);
    const Result run = Run({"explode", Example("crate.cob"), Path("out.cob"), "--options", Path("bad.json"),
                            "--save-options", Path("saved.json")});
    EXPECT_EQ(run.status, 2) << text;
    EXPECT_NE(run.err.find(message), std::string::npos) << text << ": " << run.err;
  }
  const Result unknown = Run({"explode", Example("crate.cob"), Path("out.cob"), "--preset", "no-such-look"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("Unknown preset \"no-such-look\"; the presets are: "), std::string::npos) << unknown.err;
  const Result missing = Run({"explode", Example("crate.cob"), Path("out.cob"), "--options", Path("none.json")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.json: could not be opened."), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(Path("out.cob")));
  EXPECT_FALSE(fs::exists(Path("saved.json")));
}

}  // namespace
}  // namespace bk

// The golden exports pin the bytes Burstkin writes: each case of
// tests/golden/cases.txt is run with the command line and must give back
// NAME.cob and NAME.glb exactly. A difference is a change of the output; if
// it is meant, scripts/update-golden.sh writes the files again.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cob/exploded_file.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  std::string name;
  std::string object;
  std::string options;
};

fs::path SourceDir() { return fs::path(BURSTKIN_EXAMPLES_DIR).parent_path(); }

std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  std::ifstream in(SourceDir() / "tests/golden/cases.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream words(line);
    GoldenCase c;
    words >> c.name >> c.object;
    std::getline(words, c.options);
    cases.push_back(c);
  }
  return cases;
}

// The first byte where two files part, for a readable failure.
std::string WhereTheyPart(const std::string& got, const std::string& want) {
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  const std::size_t from = at > 60 ? at - 60 : 0;
  return "sizes " + std::to_string(got.size()) + " and " + std::to_string(want.size()) +
         ", first difference at byte " + std::to_string(at) + " after \"" +
         got.substr(from, at - from) + "\"";
}

// The glTF options among a case's options, for the converter.
std::string ConverterOptions(const std::string& options) {
  std::istringstream words(options);
  std::string word;
  std::string kept;
  while (words >> word) {
    if (word == "--fps" || word == "--gltf-sampling") {
      std::string value;
      words >> value;
      kept += word + " " + value + " ";
    }
  }
  return kept;
}

TEST(GoldenExports, TheCommandLineWritesTheGoldenBytes) {
  const std::vector<GoldenCase> cases = GoldenCases();
  ASSERT_GE(cases.size(), 5u) << "tests/golden/cases.txt is missing or cut short";
  testing::TempDir out;
  for (const GoldenCase& c : cases) {
    const fs::path cob = out.path() / (c.name + ".cob");
    const fs::path glb = out.path() / (c.name + ".glb");
    const std::string command = "cd '" + SourceDir().string() + "' && '" + BURSTKIN_CLI_PATH +
                                "' explode 'examples/" + c.object + "' '" + cob.string() +
                                "' --gltf '" + glb.string() + "' --quiet " + c.options +
                                " >/dev/null 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << c.name << ": " << command;
    for (const fs::path& file : {cob, glb}) {
      const fs::path golden = SourceDir() / "tests/golden" / file.filename();
      const std::string got = testing::ReadFileBytes(file);
      const std::string want = testing::ReadFileBytes(golden);
      EXPECT_TRUE(got == want) << golden << " differs from what the command writes now: "
                               << WhereTheyPart(got, want);
    }
    // The golden files are exports like any other: they open again, and the
    // glTF converted from the .cob is the one written with it.
    const ExplodedReadResult read = ReadExplodedFileAt(cob.string());
    EXPECT_TRUE(read.ok()) << c.name << ": " << read.error;
    const fs::path converted = out.path() / (c.name + "-converted.glb");
    const std::string convert = "'" + std::string(BURSTKIN_CLI_PATH) + "' gltf '" + cob.string() + "' '" +
                                converted.string() + "' --texture-dir '" + (SourceDir() / "examples").string() +
                                "' " + ConverterOptions(c.options) + " >/dev/null 2>&1 </dev/null";
    const int converted_raw = std::system(convert.c_str());
    ASSERT_TRUE(WIFEXITED(converted_raw) && WEXITSTATUS(converted_raw) == 0) << c.name << ": " << convert;
    EXPECT_TRUE(testing::ReadFileBytes(converted) == testing::ReadFileBytes(glb))
        << c.name << ": the converted .glb differs from the one the export wrote";
  }
}

}  // namespace
}  // namespace bk

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/console_platform.h"
#include "cob/cob_file.h"
#include "doc/brk_doc.h"
#include "doc/option_fields.h"
#include "support/chunk_text.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::StripObjectText;
using testing::TempDir;

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

class CliTest : public ::testing::Test {
 protected:
  RunResult Run(const std::vector<std::string>& args) {
    std::string command = Quote(BURSTKIN_CLI_PATH);
    for (const std::string& arg : args) command += " " + Quote(arg);
    const fs::path out = dir.path() / "stdout.txt";
    const fs::path err = dir.path() / "stderr.txt";
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFileBytes(out);
    result.err = ReadFileBytes(err);
    return result;
  }
  std::string Out(const std::string& name = "out.cob") const { return (dir.path() / name).string(); }
  std::string Strip(int faces, int hole_every = 0) {
    return dir.Write("strip" + std::to_string(faces) + "_" + std::to_string(hole_every) + ".cob",
                     StripObjectText(faces, hole_every))
        .string();
  }

  TempDir dir;
};

int Count(const std::string& text, const std::string& what) { return testing::CountOf(text, what); }

void ExpectWellFormedOutput(const std::string& text) {
  ASSERT_GE(text.size(), 40u);
  EXPECT_EQ(text.substr(0, 33), std::string(kOutputSignature) + "\r\n");
  EXPECT_EQ(text.substr(text.size() - kEndLine.size()), kEndLine);
}

TEST_F(CliTest, ExplodesEveryRealFileTheSameWayForTheSameSeed) {
  for (const char* name : {"molecule_ascii.cob", "spider_4_3_ascii.cob", "spider_6_6_ascii.cob",
                           "dwarf_ascii.cob"}) {
    BK_REQUIRE_REAL_FILE(input, name);
    const RunResult first = Run({"explode", input.string(), Out("a.cob"), "--seed", "7", "--quiet"});
    ASSERT_EQ(first.status, 0) << name << ": " << first.err;
    const RunResult second = Run({"explode", input.string(), Out("b.cob"), "--seed", "7"});
    ASSERT_EQ(second.status, 0) << name << ": " << second.err;
    const std::string a = ReadFileBytes(Out("a.cob"));
    ExpectWellFormedOutput(a);
    EXPECT_EQ(a, ReadFileBytes(Out("b.cob"))) << name;
    EXPECT_EQ(Count(a, "Name Burstkin\r\n"), 1) << name;
    EXPECT_GE(Count(a, "Name Bk,2\r\n"), 1) << name;
    EXPECT_GE(Count(a, "Chan V"), 1) << name;
  }
}

TEST_F(CliTest, SeedAndOptionsChangeTheOutput) {
  BK_REQUIRE_REAL_FILE(input, "molecule_ascii.cob");
  ASSERT_EQ(Run({"explode", input.string(), Out("a.cob"), "--seed", "1"}).status, 0);
  ASSERT_EQ(Run({"explode", input.string(), Out("b.cob"), "--seed", "2"}).status, 0);
  ASSERT_EQ(Run({"explode", input.string(), Out("c.cob"), "--seed", "1", "--set", "Gravity=1",
                 "--set", "Stagger=1", "--set", "Direction=reverse", "--set", "MinPieces=3"})
                .status,
            0);
  const std::string a = ReadFileBytes(Out("a.cob"));
  EXPECT_NE(a, ReadFileBytes(Out("b.cob")));
  const std::string c = ReadFileBytes(Out("c.cob"));
  EXPECT_NE(a, c);
  // MinPieces 3 is below a fifth of the faces: the pieces stop at Bk,4 or so.
  EXPECT_EQ(Count(c, "Name Bk,20\r\n"), 0);
}

TEST_F(CliTest, RefusedOptionValuesSayWhyAndWriteNothing) {
  const std::string input = Strip(30);
  const std::pair<std::string, std::string> cases[] = {
      {"ExplosionDistance=abc", "Please enter a number between 0.1 and 10000.0"},
      {"ReboundScale=12", "Please enter a number between 0.0001 and 5.0"},
      {"MinPieces=0", "Please enter an integer between 1 and 32000."},
      {"FrameCount=1.5", "Please enter an integer."},
      {"Direction=sideways", "Please choose 0 \"Forward\" or 1 \"Reverse\"."},
      {"Gravity=2", "Please enter an integer between 0 and 1."},
      {"NoSuchField=1", "NoSuchField"},
      {"MinPieces", "NAME=VALUE"},
  };
  for (const auto& [set, message] : cases) {
    const RunResult r = Run({"explode", input, Out(), "--set", "FrameCount=40", "--set", set});
    EXPECT_EQ(r.status, 2) << set;
    EXPECT_NE(r.err.find(message), std::string::npos) << set << ": " << r.err;
    EXPECT_FALSE(fs::exists(Out())) << set;
  }
}

TEST_F(CliTest, BadArgumentsExitWithTwo) {
  const std::string input = Strip(10);
  EXPECT_EQ(Run({"explode", input}).status, 2);
  EXPECT_EQ(Run({"explode", input, Out(), "--seed", "4294967296"}).status, 2);
  EXPECT_EQ(Run({"explode", input, Out(), "--seed", "-1"}).status, 2);
  EXPECT_EQ(Run({"explode", input, Out(), "--sort", "sideways"}).status, 2);
  EXPECT_EQ(Run({"explode", input, Out(), "--shuffle", "lots"}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_FALSE(fs::exists(Out()));
  // An existing output file is replaced.
  dir.Write("out.cob", std::string(100000, 'x'));
  EXPECT_EQ(Run({"explode", input, Out(), "--seed", "4294967295"}).status, 0);
  ExpectWellFormedOutput(ReadFileBytes(Out()));
}

TEST_F(CliTest, ImportFailureExitsWithOneAndWritesNothing) {
  const RunResult r = Run({"explode", Out("missing.cob"), Out()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(messages::kCouldNotOpen), std::string::npos);
  const std::string foreign = dir.Write("foreign.cob", "Caligari V00.01CLH\n").string();
  const RunResult b = Run({"explode", foreign, Out()});
  EXPECT_EQ(b.status, 1);
  EXPECT_NE(b.err.find(messages::kAsciiOnly), std::string::npos);
  EXPECT_FALSE(fs::exists(Out()));
}

// Regression: `explode X.cob X.cob` replaced its own input without a word.
TEST_F(CliTest, RefusesAnOutputThatIsAnInputUnderAnySpelling) {
  const std::string input = Strip(8);
  const std::string original = ReadFileBytes(input);
  const fs::path linked = dir.path() / "linked.cob";
  fs::create_symlink(input, linked);
  const fs::path linked_gltf = dir.path() / "y.gltf";
  fs::create_symlink(input, linked_gltf);
  const std::string respelled = (dir.path() / "." / fs::path(input).filename()).string();
  const std::vector<std::vector<std::string>> cases = {
      {"explode", input, respelled},
      {"explode", input, linked.string()},
      {"explode", input, dir.Write("p.cob", StripObjectText(2)).string(), "--particle", Out("p.cob")},
      {"explode", input, Out(), "--gltf", dir.Write("x.glb", "old").string(), "--particle",
       Out("x.glb")},
      {"gltf", input, linked_gltf.string()},
  };
  for (const auto& args : cases) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << args[2];
    EXPECT_NE(r.err.find("choose another output"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFileBytes(input), original);
  EXPECT_FALSE(fs::exists(Out()));
}

TEST_F(CliTest, SortAndShuffleApplyInOrderAndAreRefusedOnHoles) {
  const std::string input = Strip(60);
  ASSERT_EQ(Run({"explode", input, Out("a.cob"), "--seed", "5", "--shuffle", "maximum", "--sort",
                 "left-to-right"})
                .status,
            0);
  ASSERT_EQ(Run({"explode", input, Out("b.cob"), "--seed", "5", "--sort", "left-to-right",
                 "--shuffle", "maximum"})
                .status,
            0);
  EXPECT_NE(ReadFileBytes(Out("a.cob")), ReadFileBytes(Out("b.cob")));

  const std::string holed = Strip(30, 4);
  const RunResult r = Run({"explode", holed, Out("c.cob"), "--sort", "top-to-bottom"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("holes"), std::string::npos);
  EXPECT_EQ(Run({"explode", holed, Out("c.cob"), "--shuffle", "minimum"}).status, 2);
  EXPECT_FALSE(fs::exists(Out("c.cob")));
  EXPECT_EQ(Run({"explode", holed, Out("c.cob"), "--seed", "1"}).status, 0);
}

TEST_F(CliTest, OutputModesFollowParticlesAndTheirFiles) {
  const std::string input = Strip(40);
  const std::string particle = Strip(2);

  const RunResult refused = Run({"explode", input, Out(), "--set", "Particles=1", "--set",
                                 "OutputMode=particles only"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Particles only"), std::string::npos);
  EXPECT_FALSE(fs::exists(Out()));

  ASSERT_EQ(Run({"explode", input, Out(), "--seed", "2", "--particle", particle, "--set",
                 "Particles=1", "--set", "OutputMode=particles only"})
                .status,
            0);
  std::string text = ReadFileBytes(Out());
  EXPECT_EQ(Count(text, "Name Burstkin\r\n"), 0);
  EXPECT_EQ(Count(text, "Name BurstkinParticles\r\n"), 1);

  // Particles=1 alone selects "Imported object and particles"; a failing
  // particle file is reported and skipped.
  const RunResult both = Run({"explode", input, Out(), "--seed", "2", "--particle",
                              Out("missing.cob"), "--particle", particle, "--set", "Particles=1"});
  ASSERT_EQ(both.status, 0) << both.err;
  EXPECT_NE(both.err.find(messages::kCouldNotOpen), std::string::npos);
  text = ReadFileBytes(Out());
  EXPECT_EQ(Count(text, "Name Burstkin\r\n"), 1);
  EXPECT_EQ(Count(text, "Name BurstkinParticles\r\n"), 1);

  // Particles off: only the object, whatever OutputMode says.
  ASSERT_EQ(Run({"explode", input, Out(), "--particle", particle, "--set", "OutputMode=1"}).status,
            0);
  EXPECT_EQ(Count(ReadFileBytes(Out()), "BurstkinParticles"), 0);
}

TEST_F(CliTest, ExplodesRealFilesWithParticles) {
  BK_REQUIRE_REAL_FILE(input, "spider_4_3_ascii.cob");
  BK_REQUIRE_REAL_FILE(particle, "molecule_ascii.cob");
  const std::vector<std::string> args = {"explode", input.string(), "", "--seed", "11",
                                         "--particle", particle.string(), "--set", "Particles=1",
                                         "--set", "ParticleRandomScaleMax=2"};
  std::vector<std::string> a = args, b = args;
  a[2] = Out("a.cob");
  b[2] = Out("b.cob");
  ASSERT_EQ(Run(a).status, 0);
  ASSERT_EQ(Run(b).status, 0);
  const std::string text = ReadFileBytes(Out("a.cob"));
  ExpectWellFormedOutput(text);
  EXPECT_EQ(text, ReadFileBytes(Out("b.cob")));
  EXPECT_GE(Count(text, "Name Pt,2\r\n"), 1);
}

TEST_F(CliTest, InfoPrintsTheSummaryAsJson) {
  const RunResult r = Run({"info", Strip(12, 5), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  std::set<std::string> keys;
  for (const auto& item : j.items()) keys.insert(item.key());
  EXPECT_EQ(keys, (std::set<std::string>{"format", "form", "name", "vertices", "uvs", "faces", "holes",
                                         "materials", "unit", "bbox", "pieces", "seed", "notes"}));
  EXPECT_EQ(j["format"], "cob");
  EXPECT_EQ(j["form"], "ascii");
  EXPECT_EQ(j["name"], "Strip");
  EXPECT_EQ(j["vertices"], 14);
  EXPECT_EQ(j["uvs"], 1);
  EXPECT_EQ(j["faces"], 14);
  EXPECT_EQ(j["holes"], 2);
  EXPECT_EQ(j["unit"], 1);
  EXPECT_EQ(j["bbox"]["min"], nlohmann::json({0.0, 0.0, 0.0}));
  EXPECT_EQ(j["bbox"]["max"], nlohmann::json({13.0, 2.0, 1.0}));

  const RunResult missing = Run({"info", Out("missing.cob")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(messages::kCouldNotOpen), std::string::npos);
}

TEST_F(CliTest, InfoCountsThePiecesExplodeWritesWithTheSameOptions) {
  const std::string cube = dir.Write("cube.obj",
                                     "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 1\nv 1 0 1\nv 1 1 1\nv 0 1 1\n"
                                     "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 2 3 7 6\nf 3 4 8 7\nf 4 1 5 8\n")
                                 .string();
  const std::vector<std::vector<std::string>> option_sets = {
      {}, {"--set", "PieceShape=solid", "--set", "Cells=40"}};
  for (const std::vector<std::string>& options : option_sets) {
    std::vector<std::string> info = {"info", cube, "--json", "--seed", "4"};
    std::vector<std::string> explode = {"explode", cube, Out(), "--seed", "4"};
    info.insert(info.end(), options.begin(), options.end());
    explode.insert(explode.end(), options.begin(), options.end());
    const RunResult counted = Run(info);
    ASSERT_EQ(counted.status, 0) << counted.err;
    ASSERT_EQ(Run(explode).status, 0);
    const nlohmann::json j = nlohmann::json::parse(counted.out);
    EXPECT_EQ(j["seed"], 4);
    EXPECT_EQ(j["pieces"], Count(ReadFileBytes(Out()), "\nPolH ")) << options.size();
  }
  EXPECT_EQ(Run({"info", cube, "--set", "Cells=0"}).status, 2);
}

TEST_F(CliTest, BinaryFilesImportExplodeAndSayWhatWasSkipped) {
  const std::string plate = std::string(BURSTKIN_EXAMPLES_DIR) + "/plate_binary.cob";
  const RunResult text = Run({"info", plate});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.rfind("Format: trueSpace\nForm: binary\nSkipped chunks: none\nName: Plate\n", 0), 0u)
      << text.out;

  BK_REQUIRE_REAL_BINARY_FILE(spider, "spider_4_3.cob");
  const RunResult json = Run({"info", spider.string(), "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json j = nlohmann::json::parse(json.out);
  EXPECT_EQ(j["form"], "binary");
  EXPECT_EQ(j["skipped"], nlohmann::json({"ObRQ", "OLay", "ShBx"}));
  const RunResult r =
      Run({"explode", spider.string(), Out(), "--seed", "3", "--particle", plate, "--set", "Particles=1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Count(ReadFileBytes(Out()), "BurstkinParticles"), 1);

  std::string big_endian = ReadFileBytes(plate);
  big_endian.replace(16, 2, "HL");
  const RunResult refused = Run({"info", dir.Write("big.cob", big_endian).string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find(messages::kBigEndian), std::string::npos);
}

TEST_F(CliTest, ExamplesExplode) {
  const fs::path examples = BURSTKIN_EXAMPLES_DIR;
  if (!fs::exists(examples / "crate.cob")) GTEST_SKIP() << "examples/crate.cob not there yet";
  for (const auto& entry : fs::directory_iterator(examples)) {
    if (entry.path().extension() != ".cob" && entry.path().extension() != ".obj") continue;
    EXPECT_EQ(Run({"info", entry.path().string()}).status, 0) << entry.path();
    const RunResult r = Run({"explode", entry.path().string(), Out(), "--seed", "1"});
    EXPECT_EQ(r.status, 0) << entry.path() << ": " << r.err;
    ExpectWellFormedOutput(ReadFileBytes(Out()));
  }
}

TEST_F(CliTest, HelpListsEveryOptionField) {
  const RunResult r = Run({"explode", "--help"});
  EXPECT_EQ(r.status, 0);
  for (const OptionField& field : OptionFields()) {
    EXPECT_NE(r.out.find("  " + std::string(field.name) + " "), std::string::npos) << field.name;
  }
  EXPECT_NE(r.out.find("0.1 to 10000.0; default 2.5"), std::string::npos);
  EXPECT_NE(r.out.find("--seed"), std::string::npos);
}

// A program that runs the command line (the Blender add-on) follows its
// progress from these lines; without the flag a pipe gets no progress at all.
TEST_F(CliTest, ProgressLinesReportEachStageUpToItsEnd) {
  const std::string input = Strip(400);
  const RunResult plain = Run({"explode", input, Out(), "--seed", "3"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");

  const RunResult r = Run({"explode", input, Out(), "--seed", "3", "--progress-lines"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.err);
  std::string line;
  std::string stage;
  int last = -1;
  std::set<std::string> finished;
  while (std::getline(lines, line)) {
    int percent = -1;
    char name[64] = {};
    ASSERT_EQ(std::sscanf(line.c_str(), "progress %d %63[^\n]", &percent, name), 2) << line;
    if (name != stage) {
      EXPECT_EQ(percent, 0) << line;
      stage = name;
    } else {
      EXPECT_GT(percent, last) << line;
    }
    EXPECT_LE(percent, 100) << line;
    EXPECT_EQ(line.find("press"), std::string::npos) << line;
    if (percent == 100) finished.insert(stage);
    last = percent;
  }
  EXPECT_EQ(finished, (std::set<std::string>{"Calculating", "Writing to disk"}));
  EXPECT_EQ(stage, "Ready");
}

// Escape never reaches a program on a terminal; the progress line must name
// the key that does cancel there.
TEST(ConsolePlatformStatus, NamesCtrlCInsteadOfEscape) {
  cli::ConsolePlatform console({}, /*quiet=*/true);
  for (int code : {status::kReading, status::kCalculating, status::kWriting, status::kSorting}) {
    console.SetStatusText(CBrkDoc::StatusMessage(code));
    EXPECT_NE(console.StatusText().find("; press Ctrl+C to cancel"), std::string::npos) << code;
    EXPECT_EQ(console.StatusText().find("Esc"), std::string::npos) << code;
  }
  console.SetStatusText(CBrkDoc::StatusMessage(status::kReady));
  EXPECT_EQ(console.StatusText(), "Ready");
}

}  // namespace
}  // namespace bk

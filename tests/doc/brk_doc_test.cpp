#include "doc/brk_doc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "cob/cob_file.h"
#include "cob/exploded_file.h"
#include "model/chunk_id.h"
#include "support/chunk_text.h"
#include "support/fake_platform.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

using testing::FakePlatform;
using testing::ReadFileBytes;
using testing::StripObjectText;
using testing::TempDir;

constexpr int kSortAndShuffle[] = {
    cmd::kSortTopToBottom, cmd::kSortBottomToTop, cmd::kSortLeftToRight,
    cmd::kSortRightToLeft, cmd::kSortFrontToBack, cmd::kSortBackToFront,
    cmd::kShuffleMinimum,  cmd::kShuffleMedium,   cmd::kShuffleMaximum};

using testing::CountOf;

bool EndsWithEndLine(const std::string& text) {
  return text.size() >= kEndLine.size() &&
         text.compare(text.size() - kEndLine.size(), kEndLine.size(), kEndLine) == 0;
}

class DocTest : public ::testing::Test {
 protected:
  bool Import(const std::filesystem::path& path) {
    platform.open_answers.push_back(path.string());
    return doc.ImportCommand();
  }
  // Closes the sheet with OK after setting the given output mode and particles flag.
  void SheetReturnsOk(int particles, int output_mode) {
    platform.sheet = [=](ExplosionOptions& o) {
      o.Particles = particles;
      o.OutputMode = output_mode;
      return true;
    };
  }

  TempDir dir;
  FakePlatform platform;
  CBrkDoc doc{platform, 12345u};
};

TEST_F(DocTest, CommandsFollowTheAvailabilityTable) {
  EXPECT_TRUE(doc.IsCommandAvailable(cmd::kImport));
  EXPECT_TRUE(doc.IsCommandAvailable(cmd::kExit));
  EXPECT_FALSE(doc.IsCommandAvailable(cmd::kExport));
  EXPECT_FALSE(doc.IsCommandAvailable(cmd::kExplosionOptions));
  for (int id : kSortAndShuffle) EXPECT_FALSE(doc.IsCommandAvailable(id)) << id;

  ASSERT_TRUE(Import(dir.Write("holed.cob", StripObjectText(10, 3))));
  EXPECT_EQ(doc.CanReorderFaces, 0);
  EXPECT_TRUE(doc.IsCommandAvailable(cmd::kExport));
  EXPECT_TRUE(doc.IsCommandAvailable(cmd::kExplosionOptions));
  for (int id : kSortAndShuffle) EXPECT_FALSE(doc.IsCommandAvailable(id)) << id;

  ASSERT_TRUE(Import(dir.Write("plain.cob", StripObjectText(10))));
  EXPECT_EQ(doc.CanReorderFaces, 1);
  for (int id : kSortAndShuffle) EXPECT_TRUE(doc.IsCommandAvailable(id)) << id;

  doc.SetBusy(1, status::kCalculating);
  for (int id : {cmd::kImport, cmd::kExport, cmd::kExit, cmd::kExplosionOptions,
                 cmd::kSortTopToBottom, cmd::kShuffleMaximum}) {
    EXPECT_FALSE(doc.IsCommandAvailable(id)) << id;
  }
  EXPECT_EQ(platform.toolbar_states.back(), false);
  doc.SetBusy(0, status::kReady);
  EXPECT_EQ(platform.toolbar_states.back(), true);
}

TEST_F(DocTest, TitleIsTheFileNameAfterTheLastSeparator) {
  EXPECT_EQ(CBrkDoc::TitleFor("C:\\models\\ship.cob"), "ship.cob - Burstkin for Windows");
  EXPECT_EQ(CBrkDoc::TitleFor("/home/me/ship.cob"), "ship.cob - Burstkin for Windows");
  EXPECT_EQ(CBrkDoc::TitleFor("ship.cob"), "ship.cob - Burstkin for Windows");
  EXPECT_EQ(CBrkDoc::TitleFor("C:\\models\\"), "C:\\models\\ - Burstkin for Windows");

  ASSERT_TRUE(Import(dir.Write("ship.cob", StripObjectText(4))));
  ASSERT_EQ(platform.titles.size(), 1u);
  EXPECT_EQ(platform.titles[0], "ship.cob - Burstkin for Windows");
  EXPECT_EQ(platform.dialog_titles[0], "Import");
  EXPECT_EQ(platform.dialog_initial_names[0], "*.cob");
}

// Regression: a failed import deleted the loaded object while the title
// still named it.
TEST_F(DocTest, CancelledOrFailedImportKeepsTheLoadedObject) {
  ASSERT_TRUE(Import(dir.Write("a.cob", StripObjectText(4))));
  const CPolyChunk* loaded = doc.ImportedObject.get();
  platform.open_answers.push_back(std::nullopt);
  EXPECT_FALSE(doc.ImportCommand());
  EXPECT_EQ(doc.ImportedObject.get(), loaded);

  EXPECT_FALSE(Import(dir.path() / "missing.cob"));
  EXPECT_EQ(doc.ImportedObject.get(), loaded);
  EXPECT_EQ(doc.ImportedFrom(), (dir.path() / "a.cob").string());
  EXPECT_TRUE(doc.IsCommandAvailable(cmd::kExport));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], messages::kCouldNotOpen);
  EXPECT_EQ(platform.titles.size(), 1u);  // left as it was
  EXPECT_EQ(doc.Busy, 0);
  EXPECT_EQ(doc.ImportPath, (dir.path() / "missing.cob").string());
}

TEST_F(DocTest, ImportOfAGivenPathAsksForNoFileAndIsRefusedWhileBusy) {
  const std::filesystem::path path = dir.Write("a.cob", StripObjectText(4));
  doc.Busy = 1;
  EXPECT_FALSE(doc.ImportFile(path.string()));
  EXPECT_EQ(doc.ImportedObject, nullptr);
  doc.Busy = 0;
  EXPECT_TRUE(doc.ImportFile(path.string()));
  EXPECT_NE(doc.ImportedObject, nullptr);
  EXPECT_TRUE(platform.dialog_titles.empty());
  EXPECT_EQ(platform.titles, std::vector<std::string>{CBrkDoc::TitleFor(path.string())});
}

// A grid of quads as OBJ text, a few megabytes for 200 rows.
std::string GridObj(int rows) {
  std::string text;
  for (int y = 0; y <= rows; ++y) {
    for (int x = 0; x <= rows; ++x) text += "v " + std::to_string(x) + " " + std::to_string(y) + " 0.125\n";
  }
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < rows; ++x) {
      const int a = y * (rows + 1) + x + 1;
      text += "f " + std::to_string(a) + " " + std::to_string(a + 1) + " " + std::to_string(a + rows + 2) +
              " " + std::to_string(a + rows + 1) + "\n";
    }
  }
  return text;
}

// Regression: a long import froze the window with "Ready" showing, and could
// not be stopped.
TEST_F(DocTest, ImportShowsReadingWithABarAndEscapeKeepsTheObjectBefore) {
  const std::filesystem::path big = dir.Write("big.obj", GridObj(400));
  ASSERT_GT(std::filesystem::file_size(big), 4u << 20);
  ASSERT_TRUE(doc.ImportFile(big.string()));
  EXPECT_NE(std::find(platform.status_texts.begin(), platform.status_texts.end(),
                      CBrkDoc::StatusMessage(status::kReading)),
            platform.status_texts.end());
  EXPECT_GE(platform.bars.size(), 4u);
  EXPECT_GT(platform.pumps, 4);
  EXPECT_EQ(platform.status_texts.back(), "Imported big.obj (OBJ, Y up).");

  const CPolyChunk* loaded = doc.ImportedObject.get();
  for (int escape_at : {1, 11}) {  // while reading, then while the loader runs
    SCOPED_TRACE(escape_at);
    platform.escape_on_pumps = {platform.pumps + escape_at};
    EXPECT_FALSE(doc.ImportFile(big.string()));
    EXPECT_EQ(doc.ImportedObject.get(), loaded);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.status_texts.back(), "Import cancelled: the object loaded before is kept.");
    EXPECT_EQ(doc.Busy, 0);
    EXPECT_FALSE(doc.CancelRequested());
  }
}

TEST_F(DocTest, ProgressBarGrowsWithTheWorkDone) {
  doc.SetBusy(1, status::kCalculating);
  doc.ShowProgress(0, 4, "");
  doc.ShowProgress(1, 4, "");
  doc.ShowProgress(2, 4, "");
  EXPECT_EQ(platform.bars, (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}}));
  EXPECT_EQ(platform.pumps, 3);
}

TEST_F(DocTest, StatusTextIsRefreshedOnlyAtTheStartAndTheEndOfARun) {
  doc.SetBusy(1, status::kCalculating);
  EXPECT_EQ(platform.status_texts, std::vector<std::string>{"Calculating; press Esc to cancel"});
  platform.status_texts.clear();  // what follows is ShowProgress's own refresh
  platform.status_repaints = 0;
  doc.ShowProgress(0, 4, "");
  EXPECT_EQ(platform.status_repaints, 1);
  ASSERT_EQ(platform.status_texts.size(), 1u);
  EXPECT_EQ(platform.status_texts[0], "Calculating; press Esc to cancel");
  doc.ShowProgress(1, 4, "");
  doc.ShowProgress(2, 4, "");
  EXPECT_EQ(platform.status_repaints, 1);
  EXPECT_EQ(platform.status_texts.size(), 1u);
  // The fourth call equals the total: end of run, although done is 3.
  doc.ShowProgress(3, 4, "");
  EXPECT_EQ(platform.status_repaints, 2);
  EXPECT_EQ(doc.ProgressCallCount, 0);
  // A new run's first call (count 1) repaints even with done > 0.
  doc.ShowProgress(2, 10, "");
  EXPECT_EQ(platform.status_repaints, 3);
  // done == total ends the run and resets the count.
  doc.ShowProgress(10, 10, "");
  EXPECT_EQ(platform.status_repaints, 4);
  EXPECT_EQ(platform.bars.back(), std::make_pair(10, 10));
  EXPECT_EQ(doc.ProgressCallCount, 0);
  // Fill, then repaint, then pump.
  const auto& c = platform.calls;
  EXPECT_EQ(std::vector<std::string>(c.end() - 4, c.end()),
            (std::vector<std::string>{"Bar", "StatusText", "RepaintStatusBar", "Pump"}));
}

TEST_F(DocTest, HiddenStatusBarStillPumpsAndCancels) {
  platform.status_bar_visible = false;
  platform.escape_on_pumps = {2};
  doc.ShowProgress(0, 3, "");
  EXPECT_FALSE(doc.CancelRequested());
  doc.ShowProgress(1, 3, "");
  EXPECT_TRUE(doc.CancelRequested());
  EXPECT_TRUE(platform.bars.empty());
  EXPECT_EQ(platform.status_repaints, 0);
  EXPECT_EQ(doc.ProgressCallCount, 2);
}

TEST_F(DocTest, OptionsWithParticlesAndNoneLoadedOpensTheParticleDialogAtOnce) {
  ASSERT_TRUE(Import(dir.Write("a.cob", StripObjectText(100))));
  doc.ActiveOutputMode = 0;
  doc.ActiveGlobalScale = 2.0f;
  platform.sheet = [](ExplosionOptions& o) {
    EXPECT_EQ(o.ObjectFaces, 100);
    EXPECT_EQ(o.ParticleScaleGlobal, 2.0f);
    o.Particles = 1;
    o.OutputMode = 1;
    return true;
  };
  platform.open_many_answers.push_back(std::vector<std::string>{
      dir.Write("p1.cob", StripObjectText(2)).string(), (dir.path() / "nope.cob").string(),
      dir.Write("p2.cob", StripObjectText(3)).string()});
  doc.EditOptions();
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(platform.dialog_titles.back(), "Import Particle Object");
  ASSERT_EQ(doc.ParticleObjects.size(), 2u);  // the failing file is skipped
  EXPECT_EQ(doc.CurrentParticle, doc.ParticleObjects[0].get());
  EXPECT_EQ(doc.ParticleObjects[1]->FaceTotal, 3);
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(messages::kCouldNotOpen)});
  EXPECT_EQ(doc.ActiveOutputMode, 1);
  EXPECT_EQ(doc.ImportPath, "*.cob");
}

TEST_F(DocTest, QuestionsDecideWhetherParticlesAreReplacedAddedOrKept) {
  ASSERT_TRUE(Import(dir.Write("a.cob", StripObjectText(10))));
  const std::string p1 = dir.Write("p1.cob", StripObjectText(2)).string();
  const std::string p2 = dir.Write("p2.cob", StripObjectText(3)).string();
  doc.LoadParticleFiles({p1}, 1);
  SheetReturnsOk(1, 1);

  // No to the first question: nothing changes, no dialog.
  platform.yes_no_answers = {false};
  doc.EditOptions();
  EXPECT_EQ(platform.questions,
            std::vector<std::string>{"Would you like to load a different particle?"});
  EXPECT_EQ(doc.ParticleObjects.size(), 1u);
  EXPECT_EQ(platform.dialog_titles.back(), "Import");

  // Yes, then Yes: add.
  platform.yes_no_answers = {true, true};
  platform.open_many_answers.push_back(std::vector<std::string>{p2});
  doc.EditOptions();
  EXPECT_EQ(platform.questions.back(), "Would you like to add to the particle(s) already loaded?");
  ASSERT_EQ(doc.ParticleObjects.size(), 2u);
  EXPECT_EQ(doc.CurrentParticle->FaceTotal, 2);

  // Yes, then No: replace.
  platform.yes_no_answers = {true, false};
  platform.open_many_answers.push_back(std::vector<std::string>{p2});
  doc.EditOptions();
  ASSERT_EQ(doc.ParticleObjects.size(), 1u);
  EXPECT_EQ(doc.CurrentParticle->FaceTotal, 3);

  // Yes, Yes, then the dialog cancelled: every particle goes.
  platform.yes_no_answers = {true, true};
  doc.EditOptions();
  EXPECT_TRUE(doc.ParticleObjects.empty());
  EXPECT_EQ(doc.CurrentParticle, nullptr);
}

TEST_F(DocTest, TurningParticlesOffDeletesThemAndCancelKeepsActiveValues) {
  ASSERT_TRUE(Import(dir.Write("a.cob", StripObjectText(10))));
  doc.Options.Particles = 1;
  doc.LoadParticleFiles({dir.Write("p.cob", StripObjectText(2)).string()}, 1);
  doc.ActiveOutputMode = 1;

  platform.sheet = [](ExplosionOptions& o) {
    o.OutputMode = 2;
    return false;
  };
  doc.EditOptions();
  EXPECT_EQ(doc.ActiveOutputMode, 1);
  EXPECT_EQ(doc.ParticleObjects.size(), 1u);

  SheetReturnsOk(0, 0);
  doc.EditOptions();
  EXPECT_TRUE(doc.ParticleObjects.empty());
  EXPECT_EQ(doc.ActiveOutputMode, 0);
  EXPECT_TRUE(platform.questions.empty());
}

class ExportTest : public DocTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Import(dir.Write("in.cob", StripObjectText(40))));
    platform.pumps = 0;  // the tests count the export's pumps
    doc.Options.ObjectFaces = 40;
    doc.Options.MinPieces = 8;
    doc.Options.UpdateDerivedValues();
    out = dir.path() / "out.cob";
  }
  ExportOutcome Export() {
    platform.save_answers.push_back(out.string());
    return doc.ExportCommand();
  }
  // Whether the status bar was repainted (which erases the bar) after the
  // last fill, so no bar stays beside the idle message.
  bool BarClearedAfterLastFill() const {
    const auto& c = platform.calls;
    const auto fill = std::find(c.rbegin(), c.rend(), "Bar");
    const auto clear = std::find(c.rbegin(), c.rend(), "RepaintStatusBar");
    return clear < fill;
  }
  std::filesystem::path out;
};

TEST_F(ExportTest, ModeZeroWritesTheExplodedGroupOnly) {
  EXPECT_EQ(Export(), ExportOutcome::Written);
  const std::string text = ReadFileBytes(out);
  EXPECT_EQ(CountOf(text, "Name Burstkin\r\n"), 1);
  EXPECT_EQ(CountOf(text, "BurstkinParticles"), 0);
  EXPECT_GE(CountOf(text, "PolH V"), 2);
  EXPECT_TRUE(EndsWithEndLine(text));
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(doc.Busy, 0);
  EXPECT_EQ(doc.StatusCode, status::kReady);
  EXPECT_EQ(doc.ExportPath, out.string());
  EXPECT_EQ(platform.main_repaints, 1);
}

TEST_F(ExportTest, ModesOneAndTwoAddOrKeepOnlyTheParticles) {
  doc.LoadParticleFiles({dir.Write("p.cob", StripObjectText(2)).string()}, 1);
  doc.ActiveOutputMode = 1;
  EXPECT_EQ(Export(), ExportOutcome::Written);
  std::string text = ReadFileBytes(out);
  EXPECT_EQ(CountOf(text, "Name Burstkin\r\n"), 1);
  EXPECT_EQ(CountOf(text, "Name BurstkinParticles\r\n"), 1);

  doc.ActiveOutputMode = 2;
  EXPECT_EQ(Export(), ExportOutcome::Written);
  text = ReadFileBytes(out);
  EXPECT_EQ(CountOf(text, "Name Burstkin\r\n"), 0);
  EXPECT_EQ(CountOf(text, "Name BurstkinParticles\r\n"), 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ExportTest, ParticlesOnlyWithoutParticlesWritesNothing) {
  doc.ActiveOutputMode = 2;
  EXPECT_EQ(Export(), ExportOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(kNoParticlesToWrite)});
  EXPECT_EQ(platform.beeps, 1);
}

// Regression: Export replaced the file the object was imported from, under
// any spelling of its name, without a word.
TEST_F(ExportTest, RefusesTheFileTheObjectWasImportedFrom) {
  const std::string source = ReadFileBytes(dir.path() / "in.cob");
  out = dir.path() / "." / "in.cob";
  EXPECT_EQ(Export(), ExportOutcome::Failed);
  EXPECT_EQ(ReadFileBytes(dir.path() / "in.cob"), source);
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(kExportWouldReplaceSource)});
  out = dir.path() / "out.cob";
  EXPECT_EQ(Export(), ExportOutcome::Written);
}

TEST_F(ExportTest, EscapeDuringTheExplosionWritesNothingAndStillBeeps) {
  platform.escape_on_pumps = {1};
  EXPECT_EQ(Export(), ExportOutcome::CancelledExplosion);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_FALSE(doc.CancelRequested());
  EXPECT_EQ(doc.Busy, 0);
  EXPECT_TRUE(BarClearedAfterLastFill());
  EXPECT_EQ(platform.status_texts.back(), kExportNothingWritten);
}

// Regression: the particle step ends without the end-of-run refresh, so the
// status went on saying "Calculating" over a full bar while the file was
// written, and an Escape meant to stop the calculation cut the file short.
TEST_F(ExportTest, WritingNamesItsStageAtOnceAndACutShortFileIsSaidSo) {
  doc.LoadParticleFiles({dir.Write("p.cob", StripObjectText(2)).string()}, 1);
  doc.ActiveOutputMode = 1;
  std::string status_while_writing;
  bool bar_cleared_for_writing = false;
  platform.escape_when = [&](int) {
    if (doc.StatusCode != status::kWriting) return false;
    status_while_writing = platform.status_texts.back();
    bar_cleared_for_writing = BarClearedAfterLastFill();
    return true;
  };
  EXPECT_EQ(Export(), ExportOutcome::CancelledWhileWriting);
  EXPECT_EQ(status_while_writing, CBrkDoc::StatusMessage(status::kWriting));
  EXPECT_TRUE(bar_cleared_for_writing);
  EXPECT_TRUE(EndsWithEndLine(ReadFileBytes(out)));
  EXPECT_TRUE(BarClearedAfterLastFill());
  doc.ShowStatusText();  // as the view's next repaint does
  EXPECT_EQ(platform.status_texts.back(), kExportCutShort);

  platform.escape_when = nullptr;
  EXPECT_EQ(Export(), ExportOutcome::Written);  // the next run forgets the note
  EXPECT_EQ(platform.status_texts.back(), "Wrote out.cob: 10 pieces and 42 particles.");
  // Which goes once it has been read; "Ready" is left.
  EXPECT_TRUE(doc.NoteFades());
  doc.ClearFadingNote();
  EXPECT_EQ(platform.status_texts.back(), "Ready");
}

// Regression: an Export named out.glb wrote .cob text into it.
TEST_F(ExportTest, WritesTheFormTheExtensionNamesAndLeavesNoFileOnAFailure) {
  out = dir.path() / "out.glb";
  EXPECT_EQ(Export(), ExportOutcome::Written);
  EXPECT_EQ(ReadFileBytes(out).substr(0, 4), "glTF");
  EXPECT_EQ(platform.status_texts.back(), "Wrote out.glb: 10 pieces.");
  out = dir.path() / "out.GLTF";
  EXPECT_EQ(Export(), ExportOutcome::Written);
  EXPECT_EQ(ReadFileBytes(out).substr(0, 1), "{");

  // Both at once, as explode --gltf writes them.
  doc.GlbBesideCob = true;
  out = dir.path() / "both.cob";
  EXPECT_EQ(Export(), ExportOutcome::Written);
  EXPECT_EQ(ReadFileBytes(out).substr(0, 9), "Caligari ");
  EXPECT_EQ(ReadFileBytes(dir.path() / "both.glb").substr(0, 4), "glTF");
  EXPECT_EQ(platform.status_texts.back(), "Wrote both.cob and both.glb: 10 pieces.");

  doc.GltfSettings.Fps = 0;  // refused by the glTF writer
  out = dir.path() / "refused.glb";
  EXPECT_EQ(Export(), ExportOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(platform.messages.size(), 1u);
}

// Regression: with Particles on and no particle object, the export went
// ahead without a word that the particles were missing.
TEST_F(ExportTest, ParticlesOnWithoutAParticleObjectSaysSoAndWritesThePieces) {
  doc.ActiveOutputMode = 1;
  EXPECT_EQ(Export(), ExportOutcome::Written);
  EXPECT_EQ(platform.status_texts.back(), "Wrote out.cob: 10 pieces" + std::string(kNoParticleObjectNote));
  EXPECT_FALSE(doc.NoteFades());
}

TEST_F(ExportTest, EscapeWhileWritingEndsTheFileWithItsEndLine) {
  platform.escape_when = [this](int) { return doc.StatusCode == status::kWriting; };
  EXPECT_EQ(Export(), ExportOutcome::CancelledWhileWriting);
  const std::string text = ReadFileBytes(out);
  EXPECT_TRUE(EndsWithEndLine(text));
  // The Escape seen after the first child stops the rest.
  EXPECT_EQ(CountOf(text, "PolH V"), 1);
  EXPECT_EQ(CountOf(text, "Name Burstkin\r\n"), 1);
  EXPECT_FALSE(doc.CancelRequested());
}

// A preview draws from a copy of the random state and puts the chunk ids
// back, so the export after it writes what it showed, byte for byte, and the
// same as an export with no preview before it.
TEST_F(ExportTest, PreviewShowsWhatTheNextExportWritesAndChangesNothing) {
  const std::filesystem::path particle = dir.Write("p.cob", StripObjectText(2));
  const auto run = [&](bool preview_first, const std::filesystem::path& output) {
    ChunkIdCounter::Reset();
    FakePlatform fresh_platform;
    CBrkDoc fresh{fresh_platform, 777u};
    EXPECT_TRUE(fresh.ImportFile((dir.path() / "in.cob").string()));
    fresh.Options = doc.Options;
    fresh.LoadParticleFiles({particle.string()}, 1);
    fresh.ActiveOutputMode = 1;
    std::optional<std::string> previewed;
    if (preview_first) previewed = fresh.PreviewCommand();
    fresh_platform.save_answers.push_back(output.string());
    EXPECT_EQ(fresh.ExportCommand(), ExportOutcome::Written);
    return previewed;
  };
  const std::optional<std::string> previewed = run(true, dir.path() / "after_preview.cob");
  run(false, dir.path() / "export_only.cob");
  ASSERT_TRUE(previewed.has_value());
  const std::string written = ReadFileBytes(dir.path() / "after_preview.cob");
  EXPECT_EQ(CountOf(written, "Name BurstkinParticles\r\n"), 1);
  EXPECT_EQ(*previewed, written);
  EXPECT_EQ(written, ReadFileBytes(dir.path() / "export_only.cob"));
}

// Regression: the granite lines ("rgba1 ...", "amount1 ...") were refused by
// the reader of exploded files, so such an explosion could not be previewed.
TEST_F(DocTest, PreviewOfAnObjectWithProceduralMaterialsReadsBack) {
  ASSERT_TRUE(doc.ImportFile(std::string(BURSTKIN_EXAMPLES_DIR) + "/crate.cob"));
  const std::optional<std::string> text = doc.PreviewCommand();
  ASSERT_TRUE(text.has_value());
  ASSERT_NE(text->find("granite:"), std::string::npos);
  const ExplodedReadResult read = ReadExplodedFile(*text);
  EXPECT_TRUE(read.ok()) << read.error;
}

TEST_F(ExportTest, CancelledPreviewGivesNothingAndSaysSo) {
  platform.escape_on_pumps = {1};
  EXPECT_FALSE(doc.PreviewCommand().has_value());
  EXPECT_FALSE(doc.CancelRequested());
  EXPECT_EQ(platform.status_texts.back(), kPreviewCancelled);
  EXPECT_EQ(doc.Busy, 0);
}

TEST_F(ExportTest, UnwritableOutputIsReported) {
  platform.save_answers.push_back((dir.path() / "no-such-folder" / "out.cob").string());
  EXPECT_EQ(doc.ExportCommand(), ExportOutcome::Failed);
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(messages::kCouldNotOpenOutput)});
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(ExportTest, FailedWriteIsReportedNotPassedOffAsWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  platform.save_answers.push_back("/dev/full");
  EXPECT_EQ(doc.ExportCommand(), ExportOutcome::Failed);
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(messages::kCouldNotWrite)});
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

TEST_F(ExportTest, SortBeepsAndShowsReadyAndShuffleShowsTheWaitCursor) {
  doc.SortCommand(1, 2);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(doc.StatusCode, status::kReady);
  EXPECT_EQ(platform.status_texts.back(), "Ready");
  EXPECT_FALSE(doc.CancelRequested());
  doc.ShuffleCommand(2);
  EXPECT_EQ(platform.wait_cursor_states, (std::vector<bool>{true, false}));
}

TEST_F(ExportTest, EscapeDuringASortLeavesTheCommandUsable) {
  platform.escape_on_pumps = {1};
  doc.SortCommand(0, 0);
  EXPECT_FALSE(doc.CancelRequested());
  EXPECT_EQ(doc.Busy, 0);
  EXPECT_EQ(platform.beeps, 1);
}

}  // namespace
}  // namespace bk

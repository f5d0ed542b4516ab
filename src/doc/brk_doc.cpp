#include "doc/brk_doc.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/as_written.h"
#include "doc/platform.h"
#include "engine/explosion.h"
#include "model/chunk_id.h"
#include "engine/face_order.h"
#include "engine/particles.h"
#include "engine/piece_maker.h"

namespace bk {

namespace {

constexpr std::string_view kTitleSuffix = " - Burstkin for Windows";
constexpr std::string_view kLoadDifferentParticle = "Would you like to load a different particle?";
constexpr std::string_view kAddToParticles =
    "Would you like to add to the particle(s) already loaded?";
constexpr std::string_view kCouldNotWriteImage = "Could not write texture image ";

// The part after the last separator; the whole path when there is none or it
// ends with one. Both '\' and '/' separate here, so paths of this platform
// give their file name too.
std::string_view FileNameOf(std::string_view path) {
  const std::size_t at = path.find_last_of("\\/");
  if (at == std::string_view::npos || at + 1 == path.size()) return path;
  return path.substr(at + 1);
}

// By identity, not spelling: a link or another spelling of the same file
// counts. False when either does not exist.
bool IsSameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

// What the status bar says after an import: the form read and, for OBJ,
// which up axis was taken, since the file itself does not say.
std::string ImportNote(std::string_view path, MeshFormat format, const MeshImportSettings& settings) {
  std::string note = "Imported " + std::string(FileNameOf(path)) + " (" + std::string(FormatLabel(format));
  if (format == MeshFormat::Obj) note += settings.ObjUp == UpAxis::Z ? ", Z up" : ", Y up";
  return note + ").";
}

std::string CountOf(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

CBrkDoc::CBrkDoc(Platform& platform, std::uint32_t seed) : Random(seed), platform_(platform) {}

CBrkDoc::~CBrkDoc() = default;

std::string_view CBrkDoc::StatusMessage(int status_code) {
  switch (status_code) {
    case status::kReading: return "Reading from disk; press Esc to cancel";
    case status::kCalculating: return "Calculating; press Esc to cancel";
    case status::kWriting: return "Writing to disk; press Esc to cancel";
    case status::kSorting: return "Sorting faces; press Esc to cancel";
    default: return "Ready";
  }
}

std::string CBrkDoc::TitleFor(std::string_view path) {
  return std::string(FileNameOf(path)) + std::string(kTitleSuffix);
}

// ---- Run state, progress and cancellation ----

void CBrkDoc::SetBusy(int busy, int status_code) {
  const bool stage_changed = busy != Busy || status_code != StatusCode;
  if (busy) SetNote({}, false);
  Busy = busy;
  StatusCode = status_code;
  platform_.EnableToolbar(busy == 0);
  if (!stage_changed) return;
  // A stage's first progress report may come only once much of it has run (or
  // never, when a run is cancelled), and a bar left from the stage before
  // would read as this one's: while writing, a user seeing "Calculating" and a
  // full bar would press Escape believing nothing is on disk yet.
  ProgressCallCount = 0;
  platform_.RepaintStatusBar();
  ShowStatusText();
}

void CBrkDoc::SetNote(std::string note, bool fades) {
  statusNote_ = std::move(note);
  noteFades_ = fades;
}

void CBrkDoc::ClearFadingNote() {
  if (Busy || !NoteFades()) return;
  SetNote({}, false);
  ShowStatusText();
}

void CBrkDoc::ShowStatusText() {
  platform_.SetStatusText(Busy == 0 && !statusNote_.empty() ? statusNote_
                                                            : StatusMessage(StatusCode));
}

void CBrkDoc::ShowProgress(int done, int total, std::string_view /*text*/) {
  ++ProgressCallCount;
  if (!platform_.StatusBarVisible()) {
    if (platform_.PumpOneMessage()) RequestCancel();
    return;
  }
  // Callers pass total >= 1; a zero total is treated as one rather than
  // dividing by zero.
  platform_.ShowProgressBar(done, total > 0 ? total : 1);

  if (done == 0 || ProgressCallCount == 1) {
    platform_.RepaintStatusBar();
    ShowStatusText();
  } else if (ProgressCallCount == total || done == total) {
    ShowStatusText();
    ProgressCallCount = 0;
    platform_.RepaintStatusBar();
  }
  if (platform_.PumpOneMessage()) RequestCancel();
}

// ---- Availability ----

bool CBrkDoc::IsCommandAvailable(int command_id) const {
  const bool idle = Busy == 0;
  const bool loaded = ImportedObject != nullptr;
  switch (command_id) {
    case cmd::kImport:
    case cmd::kExit:
      return idle;
    case cmd::kExport:
    case cmd::kExplosionOptions:
    case cmd::kPreview:
      return idle && loaded;
    case cmd::kSortTopToBottom:
    case cmd::kSortBottomToTop:
    case cmd::kSortLeftToRight:
    case cmd::kSortRightToLeft:
    case cmd::kSortFrontToBack:
    case cmd::kSortBackToFront:
    case cmd::kShuffleMinimum:
    case cmd::kShuffleMedium:
    case cmd::kShuffleMaximum:
      return idle && loaded && CanReorderFaces != 0;
    default:
      return false;
  }
}

// ---- Ownership ----

void CBrkDoc::DeleteImportedObject() {
  ImportedObject.reset();
  ObjectImages.clear();
  importedFrom_.clear();
}

void CBrkDoc::DeleteParticles() {
  ParticleObjects.clear();
  CurrentParticle = nullptr;
  ParticleImages.clear();
}

void CBrkDoc::NewDocument() {
  DeleteImportedObject();
  DeleteParticles();
}

// ---- Commands ----

bool CBrkDoc::ImportCommand() {
  if (Busy) return false;
  ClearCancel();
  std::optional<std::string> path = platform_.ChooseOpenFile("Import", ImportPath);
  if (!path) return false;
  return ImportFile(*path);
}

bool CBrkDoc::ImportFile(const std::string& path) {
  if (Busy) return false;
  ClearCancel();
  SetBusy(1, status::kReading);
  ImportPath = path;
  // The file is read into an object of its own and only then takes the
  // loaded one's place: a file that fails must not cost the user the object,
  // title and options they had.
  MeshImportResult result = ImportAnyObject(ImportPath, ImportSettings, *this);
  const bool ok = result.object != nullptr;
  if (result.kind == FailureKind::kCancelled) {
    SetNote(ImportedObject ? "Import cancelled: the object loaded before is kept." : "Import cancelled.",
            false);
  } else if (ok) {
    ImportedObject = std::move(result.object);
    ObjectImages = std::move(result.images);
    importedFrom_ = path;
    CanReorderFaces = ImportedObject->HoleCount <= 0 ? 1 : 0;
    platform_.SetTitle(TitleFor(ImportPath));
    SetNote(ImportNote(ImportPath, result.format, ImportSettings), true);
  } else {
    platform_.ShowMessage(result.error);
  }
  SetBusy(0, status::kReady);
  ClearCancel();
  return ok;
}

void CBrkDoc::EditOptions() {
  if (Busy || !ImportedObject) return;
  Options.ObjectFaces = ImportedObject->FaceTotal;
  Options.OutputMode = ActiveOutputMode;
  Options.ParticleScaleGlobal = ActiveGlobalScale;
  const bool was_on = Options.Particles != 0;

  if (!platform_.RunOptionsSheet(Options)) return;

  int fresh = 1;
  bool answer_yes_or_ok = true;
  if (Options.Particles != 0) {
    if (CurrentParticle != nullptr && Options.OutputMode > 0) {
      if (!platform_.AskYesNo(kLoadDifferentParticle)) {
        answer_yes_or_ok = false;
      } else if (!platform_.AskYesNo(kAddToParticles)) {
        DeleteParticles();
      } else {
        fresh = 0;
      }
    }
  } else if (was_on) {
    DeleteParticles();
  }

  ActiveOutputMode = Options.OutputMode;
  ActiveGlobalScale = Options.ParticleScaleGlobal;
  if (answer_yes_or_ok && Options.OutputMode > 0) ImportParticles(fresh);
}

void CBrkDoc::ImportParticles(int fresh) {
  ClearCancel();
  ImportPath = "*.cob";
  std::optional<std::vector<std::string>> paths =
      platform_.ChooseOpenFiles("Import Particle Object", "*.cob");
  if (!paths) {
    DeleteParticles();
    return;
  }
  LoadParticleFiles(*paths, fresh);
}

void CBrkDoc::LoadParticleFiles(const std::vector<std::string>& paths, int fresh) {
  if (fresh == 1) DeleteParticles();
  SetBusy(1, status::kReading);
  for (const std::string& path : paths) {
    MeshImportResult result = ImportAnyObject(path, ImportSettings, *this);
    if (result.kind == FailureKind::kCancelled) {
      SetNote(std::string(kImportCancelled), false);
      break;
    }
    if (result.object) {
      ParticleObjects.push_back(std::move(result.object));
      for (EmbeddedImage& image : result.images) ParticleImages.push_back(std::move(image));
    } else {
      platform_.ShowMessage(result.error);
    }
  }
  CurrentParticle = ParticleObjects.empty() ? nullptr : ParticleObjects.front().get();
  SetBusy(0, status::kReady);
  ClearCancel();
}

ExportOutcome CBrkDoc::ExportCommand() {
  if (Busy || !ImportedObject) return ExportOutcome::NotRun;
  std::optional<std::string> path = platform_.ChooseSaveFile("Export", ExportPath);
  if (!path) return ExportOutcome::NotRun;
  if (IsSameFile(*path, importedFrom_)) {
    platform_.ShowMessage(kExportWouldReplaceSource);
    return ExportOutcome::Failed;
  }

  SetBusy(1, status::kCalculating);
  ExportPath = *path;
  const ExportOutcome outcome = ExplodeAndWrite();
  if (outcome == ExportOutcome::CancelledWhileWriting) SetNote(std::string(kExportCutShort), false);
  if (outcome == ExportOutcome::CancelledExplosion) SetNote(std::string(kExportNothingWritten), false);
  if (outcome == ExportOutcome::Written) NoteWritten();
  if (outcome == ExportOutcome::Written && !shellNote_.empty()) SetNote(statusNote_ + " " + shellNote_, false);
  if (outcome == ExportOutcome::CancelledGltf) SetNote(std::string(kGltfNotWritten), false);
  platform_.Beep();
  SetBusy(0, status::kReady);
  ClearCancel();
  platform_.RepaintMainWindow();
  return outcome;
}

GroupResult CBrkDoc::ExplodeImported(const MotionInputs& in) {
  shellNote_.clear();
  if (in.Options.PieceShape != 1) return ExplodeObject(*ImportedObject, in, ActiveOutputMode, *this);
  SolidMakerResult solid = MakeSolidCellMaker(*ImportedObject, in.Options, in.Random, *this);
  if (!solid.status.ok()) return GroupResult::Stopped(solid.status.kind, solid.status.error);
  if (solid.open_shells > 0) {
    shellNote_ = std::to_string(solid.open_shells) + " of the object's " + std::to_string(solid.shells) +
                 " shells are open: they were cut along the cells without inner faces.";
  }
  return ExplodeObject(*ImportedObject, *solid.maker, in, ActiveOutputMode, *this);
}

void CBrkDoc::NoteWritten() {
  std::string note = "Wrote " + std::string(FileNameOf(ExportPath));
  if (const std::string also = AlsoGltfPath(); !also.empty()) note += " and " + std::string(FileNameOf(also));
  note += ": ";
  if (ActiveOutputMode != 2) note += CountOf(writtenPieces_, "piece", "pieces");
  if (ActiveOutputMode == 1 && CurrentParticle != nullptr) note += " and ";
  if (ActiveOutputMode > 0 && CurrentParticle != nullptr) {
    note += CountOf(writtenParticles_, "particle", "particles");
  }
  // Particles asked for with no particle object to throw: the file is the
  // explosion alone, which the user should not learn only by opening it.
  if (ActiveOutputMode > 0 && CurrentParticle == nullptr) {
    SetNote(note + std::string(kNoParticleObjectNote), false);
    return;
  }
  SetNote(note + ".", true);
}

CBrkDoc::Explosion CBrkDoc::Explode(const MotionInputs& in) {
  Explosion result;
  // The explosion is only written: its pieces are cut again as they are.
  result.exploded = ExplodeImported(in);
  if (result.exploded.kind == FailureKind::kCancelled) {
    result.outcome = ExportOutcome::CancelledExplosion;
    return result;
  }
  if (!result.exploded.ok()) {
    platform_.ShowMessage(result.exploded.error);
    result.outcome = ExportOutcome::Failed;
    return result;
  }

  if (ActiveOutputMode > 0 && CurrentParticle != nullptr) {
    std::vector<const CPolyChunk*> templates;
    templates.reserve(ParticleObjects.size());
    for (const auto& object : ParticleObjects) templates.push_back(object.get());
    const ParticleInputs particle_inputs{*ImportedObject, *CurrentParticle, templates,
                                         ActiveOutputMode, ActiveGlobalScale};
    result.particles = ExplodeParticles(particle_inputs, *result.exploded.group.Group, in, *this);
    // A cancelled or failed particle step writes nothing, like the explosion
    // itself: a file without the particles the user asked for would pass a
    // partial result off as the whole.
    if (result.particles.kind == FailureKind::kCancelled) {
      result.outcome = ExportOutcome::CancelledExplosion;
      return result;
    }
    if (!result.particles.ok()) {
      platform_.ShowMessage(result.particles.error);
      result.outcome = ExportOutcome::Failed;
      return result;
    }
  }

  if (ActiveOutputMode != 2) result.groups.push_back(&result.exploded.group);
  if (ActiveOutputMode > 0 && result.particles.group.Group) result.groups.push_back(&result.particles.group);
  if (ActiveOutputMode == 2 && !result.particles.group.Group) {
    // "Particles only" with no particle object loaded: there is nothing to
    // write, and an empty file would look like a result.
    platform_.ShowMessage(kNoParticlesToWrite);
    result.outcome = ExportOutcome::Failed;
  }
  return result;
}

ExportOutcome CBrkDoc::ExplodeAndWrite() {
  Explosion explosion = Explode(MotionInputs{Motion, Options, Random});
  if (explosion.outcome != ExportOutcome::Written) return explosion.outcome;

  writtenPieces_ = explosion.exploded.group.Objects.size();
  writtenParticles_ = explosion.particles.group.Objects.size();
  SetBusy(1, status::kWriting);
  if (IsGltfName(ExportPath)) return WriteGltfFile(explosion, ExportPath);
  // A file that could not be written whole is removed by the export.
  const ExportResult written = ExportGroups(ExportPath, explosion.groups, *this);
  if (!written.ok()) {
    platform_.ShowMessage(written.error);
    return ExportOutcome::Failed;
  }
  if (!WriteTextureImages()) return ExportOutcome::Failed;
  if (written.cancelled) return ExportOutcome::CancelledWhileWriting;
  const std::string also = AlsoGltfPath();
  if (also.empty()) return ExportOutcome::Written;
  SetBusy(1, status::kWriting);  // a stage of its own: the bar starts again
  return WriteGltfFile(explosion, also);
}

std::string CBrkDoc::AlsoGltfPath() const {
  if (IsGltfName(ExportPath)) return {};
  if (!GltfAlsoPath.empty() || !GlbBesideCob) return GltfAlsoPath;
  return std::filesystem::path(ExportPath).replace_extension(".glb").string();
}

ExportOutcome CBrkDoc::WriteGltfFile(Explosion& explosion, const std::string& path) {
  // The glTF carries exactly the values of the .cob (and of a glTF made
  // later from that .cob): both are made from the explosion as written.
  std::vector<ExplodedGroup*> rounded;
  for (ExplodedGroup* group : {&explosion.exploded.group, &explosion.particles.group}) {
    if (std::find(explosion.groups.begin(), explosion.groups.end(), group) != explosion.groups.end()) {
      rounded.push_back(group);
    }
  }
  RoundAsWritten(rounded);
  GltfOptions options = GltfSettings;
  auto folder_of = [](const std::string& file) {
    const std::string parent = std::filesystem::path(file).parent_path().string();
    return parent.empty() ? std::string(".") : parent;
  };
  options.TextureFolders.insert(options.TextureFolders.begin(), folder_of(importedFrom_));
  options.TextureFolders.push_back(folder_of(ExportPath));
  const GltfResult written = WriteGltf(GltfGroupsOf(explosion.groups), path, options, *this);
  if (written.kind == FailureKind::kCancelled) return ExportOutcome::CancelledGltf;
  if (!written.ok()) {
    platform_.ShowMessage(path + ": " + written.error + "; nothing written");
    return ExportOutcome::Failed;
  }
  for (const std::string& warning : written.warnings) platform_.ShowWarning(path + ": " + warning);
  return ExportOutcome::Written;
}

bool CBrkDoc::WriteTextureImages() {
  // The materials name these images as files beside the export: without them
  // the result would lose its textures unnoticed.
  const std::string parent = std::filesystem::path(ExportPath).parent_path().string();
  const std::string folder = parent.empty() ? "." : parent;
  std::string failed;
  if (ActiveOutputMode != 2) failed = WriteEmbeddedImages(ObjectImages, folder);
  if (failed.empty() && ActiveOutputMode > 0 && CurrentParticle != nullptr) {
    failed = WriteEmbeddedImages(ParticleImages, folder);
  }
  if (failed.empty()) return true;
  platform_.ShowMessage(std::string(kCouldNotWriteImage) + failed + ".");
  return false;
}

// Runs `trial` with copies of everything an explosion draws from or moves
// (the motion state, the random generator, the chunk id counter), the
// document busy meanwhile, so that the export after it is the one it showed.
template <typename Trial>
auto CBrkDoc::TrialRun(const Trial& trial) {
  const KeepChunkIds keep_ids;
  MotionContext motion = Motion;
  CRandom random = Random;
  SetBusy(1, status::kCalculating);
  auto result = trial(MotionInputs{motion, Options, random});
  SetBusy(0, status::kReady);
  ClearCancel();
  return result;
}

std::optional<std::string> CBrkDoc::PreviewCommand() {
  if (Busy || !ImportedObject) return std::nullopt;
  return TrialRun([this](const MotionInputs& in) {
    std::optional<std::string> text;
    const Explosion explosion = Explode(in);
    if (explosion.outcome == ExportOutcome::Written) {
      std::ostringstream out;
      ExportResult written;
      {
        CobWriter writer(out);
        written = WriteGroups(writer, explosion.groups, *this);
      }
      if (written.ok() && !written.cancelled) text = out.str();
    }
    if (!text && CancelRequested()) SetNote(std::string(kPreviewCancelled), false);
    return text;
  });
}

std::optional<std::size_t> CBrkDoc::CountPieces() {
  if (Busy || !ImportedObject) return std::nullopt;
  return TrialRun([this](const MotionInputs& in) {
    // The pieces' motion is drawn too: runs of faces draw their sizes between
    // the pieces' motions, so only the whole explosion tells their number.
    const GroupResult exploded = ExplodeImported(in);
    std::optional<std::size_t> count;
    if (exploded.ok()) {
      count = exploded.group.Objects.size();
    } else if (exploded.kind != FailureKind::kCancelled) {
      platform_.ShowMessage(exploded.error);
    }
    return count;
  });
}

void CBrkDoc::SortCommand(int descending, int axis) {
  if (Busy || !ImportedObject || CanReorderFaces == 0) return;
  SetBusy(1, status::kSorting);
  SortFaces(*ImportedObject, descending != 0, axis, *this);
  SetBusy(0, status::kReady);
  ShowProgress(1, 1, "Ready");
  platform_.Beep();
  // Also drops an Escape seen by the last pump, so the next command starts clean.
  ClearCancel();
}

const FaceOrderChoice* FindFaceOrder(int command_id) {
  for (const FaceOrderChoice& choice : kFaceOrderChoices) {
    if (choice.command_id == command_id) return &choice;
  }
  return nullptr;
}

const FaceOrderChoice* FindFaceOrder(std::string_view name, bool shuffle) {
  for (const FaceOrderChoice& choice : kFaceOrderChoices) {
    if (choice.name == name && choice.shuffle == shuffle) return &choice;
  }
  return nullptr;
}

void CBrkDoc::ReorderFaces(const FaceOrderChoice& choice) {
  if (choice.shuffle) {
    ShuffleCommand(choice.level);
  } else {
    SortCommand(choice.descending, choice.axis);
  }
}

void CBrkDoc::ShuffleCommand(int level) {
  if (Busy || !ImportedObject || CanReorderFaces == 0) return;
  platform_.SetWaitCursor(true);
  ShuffleFaces(*ImportedObject, level, Random);
  platform_.SetWaitCursor(false);
}

}  // namespace bk

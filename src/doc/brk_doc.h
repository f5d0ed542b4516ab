#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cob/poly_chunk.h"
#include "engine/explosion.h"
#include "engine/explosion_options.h"
#include "engine/motion.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"
#include "model/progress.h"
#include "model/random.h"

namespace bk {

class Platform;

// Shown when "Particles only" is exported with no particle object loaded;
// nothing is written then.
inline constexpr std::string_view kNoParticlesToWrite =
    "There are no particles to write: load a particle object or choose another output option.";

// Export refuses the file the loaded object was read from: replacing it
// would lose the user's model.
inline constexpr std::string_view kExportWouldReplaceSource =
    "This is the file the object was imported from; Burstkin will not replace it. Choose another "
    "file to export to.";

// What the status bar says after an export stopped by the user, until the next
// run starts: the user must know whether the file on disk is whole.
inline constexpr std::string_view kExportCutShort = "Export cancelled: the file was cut short.";
inline constexpr std::string_view kExportNothingWritten = "Export cancelled: nothing was written.";
inline constexpr std::string_view kPreviewCancelled = "Preview cancelled.";
inline constexpr std::string_view kGltfNotWritten = "Export cancelled: the glTF file was not written.";
// Ends the note of an export made with Particles on but no particle object.
inline constexpr std::string_view kNoParticleObjectNote =
    "; no particles: Particles is on but no particle object is loaded.";

// Command ids, as the menu and toolbar use them.
namespace cmd {
inline constexpr int kImport = 32771;
inline constexpr int kExport = 32773;
inline constexpr int kExit = 57665;
inline constexpr int kSortTopToBottom = 32774;
inline constexpr int kSortBottomToTop = 32775;
inline constexpr int kSortLeftToRight = 32776;
inline constexpr int kSortRightToLeft = 32777;
inline constexpr int kSortFrontToBack = 32778;
inline constexpr int kSortBackToFront = 32779;
inline constexpr int kShuffleMinimum = 32781;
inline constexpr int kShuffleMedium = 32782;
inline constexpr int kShuffleMaximum = 32783;
inline constexpr int kExplosionOptions = 32785;
inline constexpr int kPreview = 32800;
}  // namespace cmd

// The six sorts and three shuffles of the faces: the command's id, the
// command line's name for it, and what it does.
struct FaceOrderChoice {
  int command_id;
  std::string_view name;
  bool shuffle;
  int descending;  // sorts: 1 from the high end of the axis
  int axis;        // sorts: 0 x, 1 y, 2 z
  int level;       // shuffles
};
inline constexpr FaceOrderChoice kFaceOrderChoices[] = {
    {cmd::kSortTopToBottom, "top-to-bottom", false, 1, 2, 0},
    {cmd::kSortBottomToTop, "bottom-to-top", false, 0, 2, 0},
    {cmd::kSortLeftToRight, "left-to-right", false, 1, 0, 0},
    {cmd::kSortRightToLeft, "right-to-left", false, 0, 0, 0},
    {cmd::kSortFrontToBack, "front-to-back", false, 1, 1, 0},
    {cmd::kSortBackToFront, "back-to-front", false, 0, 1, 0},
    {cmd::kShuffleMinimum, "minimum", true, 0, 0, 0},
    {cmd::kShuffleMedium, "medium", true, 0, 0, 1},
    {cmd::kShuffleMaximum, "maximum", true, 0, 0, 2},
};
// The choice a command id or (sorts or shuffles) a name stands for, or null.
const FaceOrderChoice* FindFaceOrder(int command_id);
const FaceOrderChoice* FindFaceOrder(std::string_view name, bool shuffle);

// Status codes of the run state.
namespace status {
inline constexpr int kReady = 0;
inline constexpr int kReading = 1;
inline constexpr int kCalculating = 2;
inline constexpr int kWriting = 3;
inline constexpr int kSorting = 4;
}  // namespace status

// What an Export command came to (the window program ignores it; the command
// line turns it into its exit status).
enum class ExportOutcome {
  NotRun,              // busy, no object, or the save dialog was cancelled
  Written,             // the whole file was written
  CancelledWhileWriting,  // the file was ended early with its END line
  CancelledExplosion,  // nothing written
  CancelledGltf,       // the glTF file was not written (a .cob before it was)
  Failed,              // a message was shown; nothing (valid) written
};

// The single document: owns the imported object, the particle objects and the
// options, carries out every command on them, and runs progress and
// cancellation. Talks to the user only through the Platform, which must
// outlive it.
class CBrkDoc : public ProgressSink {
 public:
  CBrkDoc(Platform& platform, std::uint32_t seed);
  ~CBrkDoc() override;

  // Commands.
  bool ImportCommand();  // true when an object was imported
  // The Import command for a path already chosen (a dropped file, the
  // program's argument): the same steps and messages; does nothing while busy.
  bool ImportFile(const std::string& path);
  ExportOutcome ExportCommand();
  // Explodes the object as Export would now and returns the text Export would
  // write, without touching the disk, the random generator or the chunk ids:
  // an Export that follows writes exactly what was previewed. nullopt when it
  // cannot run, fails (its message shown) or is cancelled.
  std::optional<std::string> PreviewCommand();
  // Explodes the object as Export would now and returns how many pieces the
  // object gives (particles aside), as untouched as PreviewCommand leaves
  // things. nullopt when it cannot run, fails (its message shown) or is
  // cancelled.
  std::optional<std::size_t> CountPieces();
  void EditOptions();
  void SortCommand(int descending, int axis);
  void ShuffleCommand(int level);
  // The sort or shuffle that `choice` names.
  void ReorderFaces(const FaceOrderChoice& choice);
  void ImportParticles(int fresh);
  void DeleteImportedObject();
  void DeleteParticles();
  void NewDocument();
  // Import Particle Object for paths already chosen (the command line's
  // --particle files): loads them in order, skipping (with its message) any
  // that fails; fresh 1 first deletes the loaded particles.
  void LoadParticleFiles(const std::vector<std::string>& paths, int fresh);

  // The main window's title for an imported path: its file name (after the
  // last '\\' or '/') followed by " - Burstkin for Windows".
  static std::string TitleFor(std::string_view path);

  // Whether a command (by id) can run now; the front ends grey it otherwise.
  bool IsCommandAvailable(int command_id) const;

  // Run state, progress and cancellation.
  // A change of stage (or the end of a run) clears the bar and shows the new
  // stage's message at once; starting a run forgets the last run's note.
  void SetBusy(int busy, int status_code);
  // The message for StatusCode, or when idle the note the last command left.
  void ShowStatusText();
  // Whether the idle note only reports a success (what was read or written),
  // which a front end may clear after a few seconds; notes of a cancelled or
  // partial run stay until the next run.
  bool NoteFades() const { return noteFades_ && !statusNote_.empty(); }
  // Forgets a fading note and shows "Ready" (nothing while busy).
  void ClearFadingNote();
  void ShowProgress(int done, int total, std::string_view text) override;
  bool CancelRequested() const override { return cancelRequested_ != 0; }
  void RequestCancel() { cancelRequested_ = 1; }
  void ClearCancel() { cancelRequested_ = 0; }
  static std::string_view StatusMessage(int status_code);

  Platform& GetPlatform() { return platform_; }

  int Busy = 0;
  int CanReorderFaces = 1;
  std::int32_t ActiveOutputMode = 0;
  float ActiveGlobalScale = 1.0f;
  std::vector<std::unique_ptr<CPolyChunk>> ParticleObjects;
  std::unique_ptr<CPolyChunk> ImportedObject;
  CPolyChunk* CurrentParticle = nullptr;  // the first of ParticleObjects, or null
  int StatusCode = status::kReady;
  ExplosionOptions Options;

  // Values that last for the life of the program.
  MotionContext Motion;
  CRandom Random;
  int ProgressCallCount = 0;
  std::string ImportPath = "*.cob";  // the last path Import was given, read or not
  std::string ExportPath = "*.cob";
  // How glTF and OBJ files are read (the front end's choice of OBJ's up axis).
  MeshImportSettings ImportSettings;
  // Texture images that were inside the imported object's and the particle
  // objects' files; each export writes them beside the exported file, where
  // the materials name them.
  std::vector<EmbeddedImage> ObjectImages;
  std::vector<EmbeddedImage> ParticleImages;
  // The glTF an Export writes, from the explosion in memory: the export's
  // own file when its name ends in .glb or .gltf (then there is no .cob),
  // and besides a .cob the file GltfAlsoPath names (none when empty). Its
  // texture images are looked for beside the imported file, then in
  // GltfSettings.TextureFolders, then beside the export.
  GltfOptions GltfSettings;
  std::string GltfAlsoPath;
  // The window's choice: with GltfAlsoPath empty, a .cob export also writes
  // the same explosion beside it as .glb.
  bool GlbBesideCob = false;
  // The file the object was imported from (empty when none is loaded):
  // Export refuses to replace it.
  const std::string& ImportedFrom() const { return importedFrom_; }

  // After an explosion into solid cells: which shells of the object were
  // open and so cut without caps ("" when all were closed, or for runs of
  // faces).
  const std::string& ShellNote() const { return shellNote_; }

 private:
  // The groups an export writes, exploded with `in`. Unless `outcome` is
  // Written, nothing is to be written (a failure's message is shown).
  struct Explosion {
    ExportOutcome outcome = ExportOutcome::Written;
    GroupResult exploded;
    GroupResult particles;
    std::vector<const ExplodedGroup*> groups;  // what is written, in order
  };
  Explosion Explode(const MotionInputs& in);
  // The imported object's pieces, made as the options' PieceShape says.
  GroupResult ExplodeImported(const MotionInputs& in);
  template <typename Trial>
  auto TrialRun(const Trial& trial);
  // The export once the file is chosen and the run is busy: explodes,
  // writes, and writes the texture images beside the file.
  ExportOutcome ExplodeAndWrite();
  // Writes the explosion (rounded to what the .cob holds) as glTF to `path`;
  // shows a failure's message.
  ExportOutcome WriteGltfFile(Explosion& explosion, const std::string& path);
  // Writes the embedded texture images of what was exported beside it; on a
  // failure shows its message and returns false.
  bool WriteTextureImages();
  // The note saying what the Export just written holds.
  void NoteWritten();
  // The glTF file a .cob export also writes (empty: none).
  std::string AlsoGltfPath() const;

  Platform& platform_;
  int cancelRequested_ = 0;
  // Sets the note the idle status bar shows; a fading one is a report of
  // success that the front end may clear after a while.
  void SetNote(std::string note, bool fades);

  std::string statusNote_;
  std::string importedFrom_;
  std::string shellNote_;
  bool noteFades_ = false;
  // What the last Export wrote, for its note.
  std::size_t writtenPieces_ = 0;
  std::size_t writtenParticles_ = 0;
};

}  // namespace bk

#include "cli/sweep_command.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include <QGuiApplication>

#include "cli/console_platform.h"
#include "cli/info_command.h"
#include "cli/options_sources.h"
#include "doc/brk_doc.h"
#include "doc/option_fields.h"
#include "doc/seed_sweep.h"
#include "preview/seed_sheet.h"

namespace bk::cli {

namespace {

void Say(std::string_view text) { std::cerr << "burstkin-cli: " << text << '\n'; }
int Refuse(const QString& text) {
  Say(text.toStdString());
  return kExitBadArguments;
}

// The sheet's settings from the command line's words; 0 or the exit status.
int ReadSheetSettings(const SweepSettings& given, SweepSheetSettings& sheet) {
  QString error;
  const auto seeds = ParseSeedRange(QString::fromStdString(given.seeds), error);
  if (!seeds) return Refuse(error);
  sheet.Seeds = *seeds;
  if (!given.frame.empty() && !given.frames.empty()) return Refuse("give --frame or --frames, not both.");
  if (!given.frame.empty() || !given.frames.empty()) {
    const QString text = QString::fromStdString(given.frame.empty() ? given.frames : given.frame);
    sheet.Frames = ParseFrameRange(text, error);
    if (!sheet.Frames) return Refuse(error);
    if (!given.frame.empty() && sheet.Frames->Last != sheet.Frames->First) {
      return Refuse("--frame takes one frame; use --frames A:B:STEP for several.");
    }
  }
  if (!given.size.empty()) {
    const auto size = ParseTileSize(QString::fromStdString(given.size), error);
    if (!size) return Refuse(error);
    sheet.TileSize = *size;
  }
  if (!given.view.empty()) {
    const auto view = ParseViewKind(given.view);
    if (!view) return Refuse("--view expects front, side, top or iso.");
    sheet.View = *view;
  }
  sheet.Threads = given.threads;
  return 0;
}

// Import, particles and options as explode takes them; 0 or the exit status.
int PrepareDocument(CBrkDoc& doc, const ExplodeSettings& settings) {
  doc.ImportSettings = settings.import;
  if (!doc.ImportCommand()) return kExitFailed;
  if (!settings.particles.empty()) doc.LoadParticleFiles(settings.particles, 1);
  ExplosionOptions& options = doc.Options;
  options.ObjectFaces = doc.ImportedObject->FaceTotal;
  options.OutputMode = doc.ActiveOutputMode;
  options.ParticleScaleGlobal = doc.ActiveGlobalScale;
  if (TakeError error = ApplySheetAsCommandLine(options, settings.sets)) {
    Say(*error);
    return kExitBadArguments;
  }
  doc.ActiveOutputMode = options.OutputMode;
  doc.ActiveGlobalScale = options.ParticleScaleGlobal;
  if (!settings.face_order.empty() && doc.CanReorderFaces == 0) {
    Say(settings.input + " has holes in its faces: it cannot be sorted or shuffled.");
    return kExitBadArguments;
  }
  if (doc.ActiveOutputMode == 2 && doc.CurrentParticle == nullptr) {
    Say("OutputMode \"Particles only\" needs a particle object (--particle FILE).");
    return kExitBadArguments;
  }
  return 0;
}

int ExitStatusOf(const Status& status) {
  switch (status.kind) {
    case FailureKind::kNone: return kExitWritten;
    case FailureKind::kCancelled: return kExitInterrupted;
    case FailureKind::kBadArgument: return kExitBadArguments;
    default: return kExitFailed;
  }
}

void AddExplosionFlags(CLI::App& sweep, ExplodeSettings& settings) {
  AddSetOption(sweep, settings.sets);
  for (const bool shuffle : {false, true}) {
    std::vector<std::string> names;
    for (const FaceOrderChoice& choice : kFaceOrderChoices) {
      if (choice.shuffle == shuffle) names.emplace_back(choice.name);
    }
    sweep.add_option_function<std::string>(
             shuffle ? "--shuffle" : "--sort",
             [&settings, shuffle](const std::string& v) { settings.face_order.push_back({shuffle, v}); },
             shuffle ? "shuffle the faces before each seed's explosion, as for explode"
                     : "sort the faces, as for explode")
        ->check(CLI::IsMember(names))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->trigger_on_parse();
  }
  sweep.add_option("--particle", settings.particles, "a particle object file, as for explode")
      ->allow_extra_args(false);
  AddUpOption(sweep, settings.import);
  AddOptionSourceFlags(sweep, settings, false);
  sweep.add_flag("--quiet", settings.quiet, "no progress bar");
}

}  // namespace

int RunSweep(const SweepSettings& given) {
  SweepSettings settings = given;
  if (const int refused = MergeOptionSources(settings.explode); refused != 0) return refused;
  SweepSheetSettings sheet;
  if (const int refused = ReadSheetSettings(settings, sheet); refused != 0) return refused;

  // Text on the tiles needs a Qt application, and a sweep never needs a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "burstkin-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  ConsolePlatform::CatchInterrupts();
  const ExplodeSettings& explode = settings.explode;
  ConsolePlatform platform({explode.input, settings.sheet, explode.particles}, explode.quiet);
  auto doc = std::make_unique<CBrkDoc>(platform, 0);
  if (const int refused = PrepareDocument(*doc, explode); refused != 0) return refused;

  SeedSweepInputs inputs = SeedSweepInputs::FromDocument(*doc);
  for (const FaceOrderStep& step : explode.face_order) {
    inputs.FaceOrder.push_back(FindFaceOrder(step.value, step.shuffle));
  }
  doc->SetBusy(1, status::kCalculating);
  const Status written = WriteSeedSweep(inputs, sheet, QString::fromStdString(settings.sheet), *doc);
  doc->SetBusy(0, status::kReady);
  platform.ClearProgressLine();
  if (written.kind == FailureKind::kCancelled) Say("Interrupted; nothing written.");
  else if (!written.ok()) Say(written.error);
  return ExitStatusOf(written);
}

void AddSweepCommand(CLI::App& app, SweepSettings& settings, std::function<int()>& run) {
  CLI::App* sweep = app.add_subcommand(
      "sweep",
      "Explode INPUT once per seed in memory and draw one labelled tile per seed (and frame) on a "
      "contact sheet, to pick a seed at a glance; then explode --seed N writes that explosion.");
  sweep->add_option("INPUT", settings.explode.input, "the object file to explode, as for explode")->required();
  sweep->add_option("--seeds", settings.seeds, "the seeds, A:B (both included, at most 256) or A")->required();
  sweep->add_option("--frame", settings.frame, "the frame every tile shows (default: halfway)");
  sweep->add_option("--frames", settings.frames, "several frames per seed, A:B:STEP, one row per seed");
  sweep->add_option("--sheet", settings.sheet, "the PNG to write")->required();
  sweep->add_option("--size", settings.size, "one tile's size in pixels, WxH (default 240x180)");
  sweep->add_option("--view", settings.view, "front, side, top or iso (default iso)");
  sweep->add_option("--threads", settings.threads, "seeds exploded at once (default: one per core)")
      ->check(CLI::Range(0, 64));
  AddExplosionFlags(*sweep, settings.explode);
  sweep->callback([&settings, &run] { run = [&settings] { return RunSweep(settings); }; });
}

}  // namespace bk::cli

#include "cli/explode_command.h"

#include <CLI/CLI.hpp>

#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/console_platform.h"
#include "cli/info_command.h"
#include "cli/options_sources.h"
#include "doc/brk_doc.h"
#include "doc/option_fields.h"

namespace bk::cli {

namespace {

// The command line's names of the sorts (or of the shuffles).
std::vector<std::string> FaceOrderNames(bool shuffle) {
  std::vector<std::string> names;
  for (const FaceOrderChoice& choice : kFaceOrderChoices) {
    if (choice.shuffle == shuffle) names.emplace_back(choice.name);
  }
  return names;
}

void Say(std::string_view text) { std::cerr << "burstkin-cli: " << text << '\n'; }

std::string FieldDefault(const OptionField& field) {
  ExplosionOptions defaults;
  if (field.kind == FieldKind::Real) return FormatReal(*field.real(defaults));
  const std::int32_t value = *field.integer(defaults);
  if (field.kind == FieldKind::Choice) {
    return std::to_string(value) + " \"" + std::string(field.labels[static_cast<std::size_t>(value)]) + "\"";
  }
  return std::to_string(value);
}

std::string FieldRange(const OptionField& field) {
  switch (field.kind) {
    case FieldKind::Integer:
      return std::to_string(static_cast<std::int32_t>(field.minimum)) + " to " +
             std::to_string(static_cast<std::int32_t>(field.maximum));
    case FieldKind::Real:
      return FormatReal(static_cast<float>(field.minimum)) + " to " +
             FormatReal(static_cast<float>(field.maximum));
    case FieldKind::Flag:
      return "0 or 1";
    case FieldKind::Choice: {
      std::string text;
      for (std::size_t i = 0; i < field.labels.size(); ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(i) + " \"" + std::string(field.labels[i]) + "\"";
      }
      return text;
    }
  }
  return {};
}

// The table of NAMEs for --help.
std::string OptionTable() {
  std::ostringstream out;
  out << "Option fields for --set NAME=VALUE (range; default):\n";
  const char* pages[] = {"General", "Advanced", "Gravity/Particles", "Pieces"};
  int page = -1;
  for (const OptionField& field : OptionFields()) {
    if (static_cast<int>(field.page) != page) {
      page = static_cast<int>(field.page);
      out << " " << pages[page] << ":\n";
    }
    out << "  " << field.name << std::string(field.name.size() < 26 ? 26 - field.name.size() : 1, ' ')
        << FieldRange(field) << "; default " << FieldDefault(field) << '\n';
  }
  out << "A MinPieces of exactly 20 becomes a fifth of the object's faces; a ScaleEndFrame or\n"
         "ParticleScaleEndFrame of -1 becomes the animation's length. A choice takes its index,\n"
         "its label or the start of one label (any case: PieceShape=solid); a flag 0 or 1;\n"
         "Particles=1 selects OutputMode 1 unless OutputMode is set.\n"
         "Exit status: 0 written, 1 import/explosion/write failure, 2 bad arguments or option\n"
         "values, 130 interrupted (Ctrl+C).\n";
  return out.str();
}

}  // namespace

std::string SameFileAsInput(const std::vector<std::string>& outputs,
                            const std::vector<std::string>& inputs) {
  for (const std::string& output : outputs) {
    for (const std::string& input : inputs) {
      std::error_code ec;
      if (std::filesystem::equivalent(output, input, ec) && !ec) {
        return output + " is the input file " + input + "; choose another output (nothing written).";
      }
    }
  }
  return {};
}

std::uint32_t SeedOrNow(const std::optional<std::uint32_t>& seed) {
  return seed ? *seed : static_cast<std::uint32_t>(std::time(nullptr));
}

bool ApplyOptionSettings(CBrkDoc& doc, std::span<const OptionSetting> sets) {
  // The options as the sheet leaves them when opened, filled in and closed with OK.
  ExplosionOptions& options = doc.Options;
  options.ObjectFaces = doc.ImportedObject->FaceTotal;
  options.OutputMode = doc.ActiveOutputMode;
  options.ParticleScaleGlobal = doc.ActiveGlobalScale;
  if (TakeError error = ApplySheetAsCommandLine(options, sets)) {
    Say(*error);
    return false;
  }
  doc.ActiveOutputMode = options.OutputMode;
  doc.ActiveGlobalScale = options.ParticleScaleGlobal;
  return true;
}

void AddSetOption(CLI::App& command, std::vector<OptionSetting>& sets) {
  auto* set = command.add_option_function<std::vector<std::string>>(
      "--set",
      [&sets](const std::vector<std::string>& items) {
        for (const std::string& item : items) {
          const std::size_t eq = item.find('=');
          sets.push_back({item.substr(0, eq), item.substr(eq + 1)});
        }
      },
      "set one option field, NAME=VALUE (repeatable, applied in order; explode --help lists the names)");
  set->allow_extra_args(false)->check(
      [](const std::string& item) -> std::string {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos) return "expected NAME=VALUE, got \"" + item + "\"";
        if (FindOptionField(item.substr(0, eq)) == nullptr) {
          return "unknown option field \"" + item.substr(0, eq) + "\" (see explode --help)";
        }
        return {};
      },
      "NAME=VALUE");
}

void AddSeedAndSetOptions(CLI::App& command, std::optional<std::uint32_t>& seed,
                          std::vector<OptionSetting>& sets) {
  command
      .add_option_function<std::uint64_t>(
          "--seed", [&seed](std::uint64_t n) { seed = static_cast<std::uint32_t>(n); },
          "the random generator's state, 0 to 4294967295 (default: the current time in seconds)")
      ->check(CLI::Range(std::uint64_t{0}, std::uint64_t{4294967295u}));
  AddSetOption(command, sets);
}

int RunExplode(const ExplodeSettings& given) {
  ExplodeSettings settings = given;
  if (const int refused = MergeOptionSources(settings); refused != 0) return refused;
  std::vector<std::string> inputs = settings.particles;
  inputs.insert(inputs.begin(), settings.input);
  std::vector<std::string> outputs = {settings.output};
  if (!settings.gltf.empty()) outputs.push_back(settings.gltf);
  if (!settings.sources.save_options.empty()) outputs.push_back(settings.sources.save_options);
  if (const std::string refused = SameFileAsInput(outputs, inputs); !refused.empty()) {
    Say(refused);
    return kExitBadArguments;
  }
  ConsolePlatform::CatchInterrupts();
  ConsolePlatform platform({settings.input, settings.output, settings.particles}, settings.quiet,
                           settings.progress_lines);
  const std::uint32_t seed = SeedOrNow(settings.seed);
  // The document is large (it carries the motion context); keep it off the stack.
  auto doc = std::make_unique<CBrkDoc>(platform, seed);
  doc->ImportSettings = settings.import;
  doc->GltfAlsoPath = settings.gltf;
  doc->GltfSettings = settings.gltf_options;

  if (!doc->ImportCommand()) return kExitFailed;
  if (!settings.particles.empty()) doc->LoadParticleFiles(settings.particles, 1);

  if (!ApplyOptionSettings(*doc, settings.sets)) return kExitBadArguments;

  if (!settings.face_order.empty() && doc->CanReorderFaces == 0) {
    Say(settings.input + " has holes in its faces: it cannot be sorted or shuffled.");
    return kExitBadArguments;
  }
  if (doc->ActiveOutputMode == 2 && doc->CurrentParticle == nullptr) {
    Say("OutputMode \"Particles only\" needs a particle object (--particle FILE); nothing written.");
    return kExitBadArguments;
  }

  for (const FaceOrderStep& step : settings.face_order) {
    if (ConsolePlatform::Interrupted()) break;
    // The option parser let only names of the table through.
    doc->ReorderFaces(*FindFaceOrder(step.value, step.shuffle));
  }
  if (ConsolePlatform::Interrupted()) {
    platform.ClearProgressLine();
    Say("Interrupted; nothing written.");
    return kExitInterrupted;
  }

  const ExportOutcome outcome = doc->ExportCommand();
  platform.ClearProgressLine();
  switch (outcome) {
    case ExportOutcome::Written:
      if (!doc->ShellNote().empty()) Say(doc->ShellNote());
      break;
    case ExportOutcome::CancelledWhileWriting:
      Say("Interrupted; " + settings.output + " was ended early and holds only part of the pieces.");
      return kExitInterrupted;
    case ExportOutcome::CancelledExplosion:
      Say("Interrupted; nothing written.");
      return kExitInterrupted;
    case ExportOutcome::CancelledGltf:
      Say("Interrupted; " + settings.gltf + " was not written.");
      return kExitInterrupted;
    case ExportOutcome::NotRun:
    case ExportOutcome::Failed:
      return kExitFailed;
  }
  if (const int status = SaveRunOptions(settings, doc->Options, seed); status != 0) return status;
  return kExitWritten;
}

CLI::App* AddExplodeCommand(CLI::App& app, ExplodeSettings& settings, std::function<int()>& run) {
  CLI::App* explode = app.add_subcommand(
      "explode",
      "Import INPUT, apply the options, sorts and shuffles, explode it and write OUTPUT, as the "
      "window program's commands do.");
  explode
      ->add_option("INPUT", settings.input,
                   "the object file to explode: trueSpace *.cob (ASCII or binary), glTF "
                   "*.glb/*.gltf or *.obj")
      ->required();
  explode->add_option("OUTPUT", settings.output, "the file to write (an existing file is replaced)")
      ->required();
  AddSeedAndSetOptions(*explode, settings.seed, settings.sets);
  explode->add_flag("--quiet", settings.quiet, "no progress bar");
  explode->add_flag("--progress-lines", settings.progress_lines,
                    "instead of the bar, write progress as lines \"progress PERCENT STAGE\" on "
                    "standard error, for a program that runs this one (a SIGINT cancels as Ctrl+C "
                    "does)");
  AddUpOption(*explode, settings.import);
  explode
      ->add_option("--particle", settings.particles,
                   "a particle object file (repeatable; loaded in order after INPUT; a file that "
                   "fails is reported and skipped)")
      ->allow_extra_args(false);

  const std::vector<std::string> order_names = FaceOrderNames(false);
  explode
      ->add_option_function<std::string>(
          "--sort", [&settings](const std::string& v) { settings.face_order.push_back({false, v}); },
          "sort the faces (repeatable, in order with --shuffle): top-to-bottom, bottom-to-top, "
          "left-to-right, right-to-left, front-to-back or back-to-front")
      ->check(CLI::IsMember(order_names))
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->trigger_on_parse();
  explode
      ->add_option_function<std::string>(
          "--shuffle", [&settings](const std::string& v) { settings.face_order.push_back({true, v}); },
          "shuffle the faces (repeatable): minimum, medium or maximum")
      ->check(CLI::IsMember(FaceOrderNames(true)))
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->trigger_on_parse();
  explode->footer(OptionTable());
  explode->callback([&settings, &run] { run = [&settings] { return RunExplode(settings); }; });
  return explode;
}

}  // namespace bk::cli

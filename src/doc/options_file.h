#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "doc/brk_doc.h"
#include "doc/options_sheet.h"
#include "engine/explosion_options.h"
#include "model/status.h"

namespace bk {

// An options file: a JSON object that keeps a look so it can be used again.
//
//   {
//     "format": "burstkin-options",
//     "version": 1,
//     "description": "one line for lists of presets",
//     "seed": 7,
//     "faceOrder": [{"sort": "top-to-bottom"}, {"shuffle": "minimum"}],
//     "options": {"MinPieces": 12, "ExplosionDistance": 4.0, "PathType": "Accelerate"}
//   }
//
// Every key is optional; "options" takes the field names of the options
// table (OptionFields()), so fields added to the table are read and written
// without changes here. Integers are whole JSON numbers, reals any number,
// flags 0/1 or true/false, choices their label (any case) or index.
inline constexpr std::string_view kOptionsFormat = "burstkin-options";
inline constexpr int kOptionsVersion = 1;

// What a file holds, checked: every setting is one the options sheet takes,
// in the text --set would give for it, in table order.
struct OptionsFile {
  std::string Description;
  std::vector<OptionSetting> Settings;
  std::optional<std::uint32_t> Seed;
  std::vector<const FaceOrderChoice*> FaceOrder;  // entries of kFaceOrderChoices
};

struct OptionsFileResult : Status {
  OptionsFile file;  // meaningful only when ok()
};

// Reads a whole file's text. On the first fault the result fails with
// "<source>:<line>: <field>: <message>" (the sheet's own message for a value
// it refuses) and nothing of the file is returned, so no caller can apply
// half of it.
OptionsFileResult ReadOptionsText(std::string_view text, std::string_view source);
// Reads the file at `path` (its name is the messages' source).
OptionsFileResult ReadOptionsFile(const std::string& path);

// The file for `options` as a run used them: every field of the table whose
// value the sheet would take (a frame still "not yet set" is left out), the
// seed when given and the sorts and shuffles in order. The same input gives
// the same bytes, and reading them back gives the same values.
std::string OptionsFileText(const ExplosionOptions& options, std::optional<std::uint32_t> seed,
                            std::span<const FaceOrderChoice* const> face_order,
                            std::string_view description = {});
// Writes `text` to `path` whole or not at all (a temporary file beside it,
// renamed into place; see ReplacingFile).
Status WriteOptionsFile(const std::string& path, std::string_view text);

// Puts a file into the document as the window program's Load Options does:
// the options become the defaults with the file's settings typed into the
// sheet and closed with OK; then the seed becomes the random state and the
// sorts and shuffles run on the imported object. Returns the sheet's message
// when it refuses a value (the document is then unchanged). A face order on
// an object with holes is skipped, as the menu greys those commands.
TakeError ApplyOptionsFile(CBrkDoc& doc, const OptionsFile& file);

}  // namespace bk

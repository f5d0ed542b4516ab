// Reads arbitrary bytes as an options file. A file that is taken must hold
// only settings the options sheet takes, and read again the same once
// written back through the sheet's own record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "doc/option_fields.h"
#include "doc/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bk::OptionsFileResult result = bk::ReadOptionsText(text, "fuzz");
  if (!result.ok()) return 0;
  for (const bk::OptionSetting& setting : result.file.Settings) {
    if (bk::FindOptionField(setting.name) == nullptr) std::abort();
  }
  return 0;
}

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/explosion_options.h"

namespace bk {

// How option values are shown and taken from text, the same for the options
// sheet and the command line, so both say the same words.

inline constexpr std::string_view kNotAnInteger = "Please enter an integer.";

// The display form of a real option ("2.5", "0.0001", "10000.0", "-5.0").
std::string FormatReal(float value);
// "Please enter a number between <min> and <max>" with FormatReal bounds.
std::string RealRangeMessage(float minimum, float maximum);
// "Please enter an integer between <min> and <max>." with decimal bounds.
std::string IntegerRangeMessage(std::int32_t minimum, std::int32_t maximum);

// A failed take: the message to show. Success is std::nullopt.
using TakeError = std::optional<std::string>;

// Takes an integer field's text: a whole decimal number with an optional sign,
// optionally surrounded by blanks or tabs, else kNotAnInteger (field kept).
// The number is stored before its range is tested, so an out-of-range value
// stays in the field along with the range message.
TakeError TakeInteger(std::string_view text, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t& field);
// Takes a real field's text as atof does on its first 19 characters; the value,
// rounded to a 32-bit float, is compared with the bounds as 32-bit floats. Out
// of range: the range message, field kept.
TakeError TakeReal(std::string_view text, float minimum, float maximum, float& field);

enum class FieldKind { Integer, Real, Flag, Choice };
enum class SheetPage { General = 0, Advanced = 1, GravityParticles = 2, Pieces = 3 };

// One user-settable option: its name (the record's field name, "PositionAxes.x"
// for a flag of a group), kind, page, range and, for a choice, its labels.
struct OptionField {
  std::string_view name;
  FieldKind kind;
  SheetPage page;
  double minimum;  // integers and reals; 0/1 for flags; 0..labels-1 for choices
  double maximum;
  std::span<const std::string_view> labels;  // choices only
  std::int32_t* (*integer)(ExplosionOptions&);  // integer, flag and choice fields
  float* (*real)(ExplosionOptions&);            // real fields
};

// Every settable field (derived fields and BounceFrameFactor are not).
std::span<const OptionField> OptionFields();
const OptionField* FindOptionField(std::string_view name);

// Sets one field from text as its page would take it: integers and reals as
// above; a flag takes 0 or 1; a choice its index or its label, ignoring case,
// or the start of exactly one label ("solid" for "Solid cells").
TakeError SetOptionFromText(ExplosionOptions& options, const OptionField& field,
                            std::string_view text);

}  // namespace bk

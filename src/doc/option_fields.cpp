#include "doc/option_fields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "cob/scan.h"

namespace bk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string FormatReal(float value) {
  if (value == 0.0f) return "0.0";
  if (value == 1.0f) return "1.0";
  if (std::isnan(value)) return "nan";
  if (value < 0.0f) return "-" + FormatReal(-value);
  if (std::isinf(value)) return "inf";

  const double v = value;
  const double whole = std::trunc(v);
  const double fraction = v - whole;  // exact: both come from one float

  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
  std::string text(buffer, ec == std::errc() ? end : buffer);
  text += '.';

  // 10001 rather than 10000 so that floats just below a tenth-step (0.7f is
  // 0.69999998...) come out as the short decimal the user typed.
  auto d = static_cast<std::int64_t>(fraction * 10001.0);
  // A fraction from about 0.9999 up would give five digits; four is the most
  // this form ever shows.
  if (d > 9999) d = 9999;
  if (d == 0) {
    text += '0';
  } else {
    char digits[5] = {'0', '0', '0', '0', '\0'};
    for (int i = 3; i >= 0; --i) {
      digits[i] = static_cast<char>('0' + d % 10);
      d /= 10;
    }
    text += digits;
  }
  // Trailing zeros go, but one digit stays after the point.
  while (text.size() >= 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  return text;
}

std::string RealRangeMessage(float minimum, float maximum) {
  return "Please enter a number between " + FormatReal(minimum) + " and " + FormatReal(maximum);
}

std::string IntegerRangeMessage(std::int32_t minimum, std::int32_t maximum) {
  return "Please enter an integer between " + std::to_string(minimum) + " and " +
         std::to_string(maximum) + ".";
}

TakeError TakeInteger(std::string_view text, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t& field) {
  std::string_view body = Trim(text);
  // A signed zero ("+0", "-0") is refused: the toolkit reads a zero result as
  // "no number" unless the text starts with the digit 0.
  const bool starts_with_zero = !body.empty() && body.front() == '0';
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  if (body.empty()) return std::string(kNotAnInteger);
  std::int64_t magnitude = 0;
  for (char c : body) {
    if (c < '0' || c > '9') return std::string(kNotAnInteger);
    // Saturate far beyond the 32-bit range; the range test then refuses it.
    if (magnitude < (std::int64_t{1} << 40)) magnitude = magnitude * 10 + (c - '0');
  }
  if (magnitude == 0 && !starts_with_zero) return std::string(kNotAnInteger);
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) value = std::numeric_limits<std::int32_t>::min();
  field = static_cast<std::int32_t>(value);
  if (field < minimum || field > maximum) return IntegerRangeMessage(minimum, maximum);
  return std::nullopt;
}

TakeError TakeReal(std::string_view text, float minimum, float maximum, float& field) {
  const float value = static_cast<float>(AtoF(text.substr(0, 19)));
  // NaN compares false with both bounds; refuse it like any value outside.
  if (std::isnan(value) || value < minimum || value > maximum) {
    return RealRangeMessage(minimum, maximum);
  }
  field = value;
  return std::nullopt;
}

namespace {

constexpr std::array<std::string_view, 2> kDirectionLabels = {"Forward", "Reverse"};
constexpr std::array<std::string_view, 3> kPathLabels = {"Linear", "Accelerate", "Decelerate"};
constexpr std::array<std::string_view, 3> kOutputLabels = {
    "Imported object only", "Imported object and particles", "Particles only"};
constexpr std::array<std::string_view, 2> kOriginLabels = {"Object center", "Object surface"};
constexpr std::array<std::string_view, 2> kPieceShapeLabels = {"Runs of faces", "Solid cells"};
constexpr std::array<std::string_view, 2> kSiteLayoutLabels = {"Uniform", "Impact"};
constexpr std::array<std::string_view, 3> kShaderLabels = {"Phong", "Flat", "Metal"};

#define BK_INT(member) [](ExplosionOptions& o) -> std::int32_t* { return &o.member; }, nullptr
#define BK_REAL(member) nullptr, [](ExplosionOptions& o) -> float* { return &o.member; }

using K = FieldKind;
using P = SheetPage;

const OptionField kFields[] = {
    // General
    {"MinPieces", K::Integer, P::General, 1, 32000, {}, BK_INT(MinPieces)},
    {"ToggleDirection", K::Flag, P::General, 0, 1, {}, BK_INT(ToggleDirection)},
    {"FrameCount", K::Integer, P::General, 0, 32000, {}, BK_INT(FrameCount)},
    {"PercentRotation", K::Integer, P::General, 0, 100, {}, BK_INT(PercentRotation)},
    {"Direction", K::Choice, P::General, 0, 1, kDirectionLabels, BK_INT(Direction)},
    {"ExplosionDistance", K::Real, P::General, 0.1f, 10000.0f, {}, BK_REAL(ExplosionDistance)},
    {"PathType", K::Choice, P::General, 0, 2, kPathLabels, BK_INT(PathType)},
    {"DelayFrames", K::Integer, P::General, 0, 1000, {}, BK_INT(DelayFrames)},
    // Advanced
    {"PositionAxes.x", K::Flag, P::Advanced, 0, 1, {}, BK_INT(PositionAxes.x)},
    {"PositionAxes.y", K::Flag, P::Advanced, 0, 1, {}, BK_INT(PositionAxes.y)},
    {"PositionAxes.z", K::Flag, P::Advanced, 0, 1, {}, BK_INT(PositionAxes.z)},
    {"RotationAxes.x", K::Flag, P::Advanced, 0, 1, {}, BK_INT(RotationAxes.x)},
    {"RotationAxes.y", K::Flag, P::Advanced, 0, 1, {}, BK_INT(RotationAxes.y)},
    {"RotationAxes.z", K::Flag, P::Advanced, 0, 1, {}, BK_INT(RotationAxes.z)},
    {"ScaleAxes.x", K::Flag, P::Advanced, 0, 1, {}, BK_INT(ScaleAxes.x)},
    {"ScaleAxes.y", K::Flag, P::Advanced, 0, 1, {}, BK_INT(ScaleAxes.y)},
    {"ScaleAxes.z", K::Flag, P::Advanced, 0, 1, {}, BK_INT(ScaleAxes.z)},
    {"Stagger", K::Flag, P::Advanced, 0, 1, {}, BK_INT(Stagger)},
    {"StaggerPieces", K::Integer, P::Advanced, 1, 32767, {}, BK_INT(StaggerPieces)},
    {"ScaleStart", K::Real, P::Advanced, 0.0001f, 10000.0f, {}, BK_REAL(ScaleStart)},
    {"ScaleEnd", K::Real, P::Advanced, 0.0001f, 10000.0f, {}, BK_REAL(ScaleEnd)},
    {"PositionSigns.minus", K::Flag, P::Advanced, 0, 1, {}, BK_INT(PositionSigns.minus)},
    {"PositionSigns.plus", K::Flag, P::Advanced, 0, 1, {}, BK_INT(PositionSigns.plus)},
    {"RotationSigns.plus", K::Flag, P::Advanced, 0, 1, {}, BK_INT(RotationSigns.plus)},
    {"RotationSigns.minus", K::Flag, P::Advanced, 0, 1, {}, BK_INT(RotationSigns.minus)},
    {"ScaleStartFrame", K::Integer, P::Advanced, 0, 32767, {}, BK_INT(ScaleStartFrame)},
    {"ScaleEndFrame", K::Integer, P::Advanced, 0, 32767, {}, BK_INT(ScaleEndFrame)},
    // Gravity/Particles
    {"Gravity", K::Flag, P::GravityParticles, 0, 1, {}, BK_INT(Gravity)},
    {"GroundZ", K::Real, P::GravityParticles, -10000.0f, -1.0f, {}, BK_REAL(GroundZ)},
    {"BounceCount", K::Integer, P::GravityParticles, 1, 100, {}, BK_INT(BounceCount)},
    {"ReboundScale", K::Real, P::GravityParticles, 0.0001f, 5.0f, {}, BK_REAL(ReboundScale)},
    {"Particles", K::Flag, P::GravityParticles, 0, 1, {}, BK_INT(Particles)},
    {"ParticleScaleStart", K::Real, P::GravityParticles, 0.0001f, 10000.0f, {},
     BK_REAL(ParticleScaleStart)},
    {"ParticleScaleEnd", K::Real, P::GravityParticles, 0.0001f, 10000.0f, {},
     BK_REAL(ParticleScaleEnd)},
    {"OutputMode", K::Choice, P::GravityParticles, 0, 2, kOutputLabels, BK_INT(OutputMode)},
    {"ParticleScaleGlobal", K::Real, P::GravityParticles, 0.0001f, 10000.0f, {},
     BK_REAL(ParticleScaleGlobal)},
    {"ParticleRandomScaleMin", K::Real, P::GravityParticles, 0.0001f, 10000.0f, {},
     BK_REAL(ParticleRandomScaleMin)},
    {"ParticleRandomScaleMax", K::Real, P::GravityParticles, 0.0001f, 10000.0f, {},
     BK_REAL(ParticleRandomScaleMax)},
    {"ParticleScaleEndFrame", K::Integer, P::GravityParticles, 0, 32767, {},
     BK_INT(ParticleScaleEndFrame)},
    {"ParticleScaleStartFrame", K::Integer, P::GravityParticles, 0, 32767, {},
     BK_INT(ParticleScaleStartFrame)},
    {"InheritTexture", K::Flag, P::GravityParticles, 0, 1, {}, BK_INT(InheritTexture)},
    {"ParticleOrigin", K::Choice, P::GravityParticles, 0, 1, kOriginLabels, BK_INT(ParticleOrigin)},
    {"AutoScale", K::Flag, P::GravityParticles, 0, 1, {}, BK_INT(AutoScale)},
    // Pieces
    {"PieceShape", K::Choice, P::Pieces, 0, 1, kPieceShapeLabels, BK_INT(PieceShape)},
    {"Cells", K::Integer, P::Pieces, 1, 100000, {}, BK_INT(Cells)},
    {"SiteLayout", K::Choice, P::Pieces, 0, 1, kSiteLayoutLabels, BK_INT(SiteLayout)},
    {"ImpactPoint.x", K::Real, P::Pieces, -100000.0f, 100000.0f, {}, BK_REAL(ImpactPoint.x)},
    {"ImpactPoint.y", K::Real, P::Pieces, -100000.0f, 100000.0f, {}, BK_REAL(ImpactPoint.y)},
    {"ImpactPoint.z", K::Real, P::Pieces, -100000.0f, 100000.0f, {}, BK_REAL(ImpactPoint.z)},
    {"ImpactSpread", K::Real, P::Pieces, 0.0001f, 100000.0f, {}, BK_REAL(ImpactSpread)},
    {"InnerColour.r", K::Real, P::Pieces, 0.0f, 1.0f, {}, BK_REAL(InnerColour.r)},
    {"InnerColour.g", K::Real, P::Pieces, 0.0f, 1.0f, {}, BK_REAL(InnerColour.g)},
    {"InnerColour.b", K::Real, P::Pieces, 0.0f, 1.0f, {}, BK_REAL(InnerColour.b)},
    {"InnerShader", K::Choice, P::Pieces, 0, 2, kShaderLabels, BK_INT(InnerShader)},
    {"InnerTextureScale", K::Real, P::Pieces, 0.0001f, 10000.0f, {}, BK_REAL(InnerTextureScale)},
};

#undef BK_INT
#undef BK_REAL

}  // namespace

std::span<const OptionField> OptionFields() { return kFields; }

const OptionField* FindOptionField(std::string_view name) {
  for (const OptionField& field : kFields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

TakeError SetOptionFromText(ExplosionOptions& options, const OptionField& field,
                            std::string_view text) {
  switch (field.kind) {
    case FieldKind::Integer:
      return TakeInteger(text, static_cast<std::int32_t>(field.minimum),
                         static_cast<std::int32_t>(field.maximum), *field.integer(options));
    case FieldKind::Real:
      return TakeReal(text, static_cast<float>(field.minimum), static_cast<float>(field.maximum),
                      *field.real(options));
    case FieldKind::Flag: {
      // A check box holds only 0 or 1; take into a local so that a refused
      // value never reaches the record.
      std::int32_t value = 0;
      if (TakeError error = TakeInteger(text, 0, 1, value)) return error;
      *field.integer(options) = value;
      return std::nullopt;
    }
    case FieldKind::Choice: {
      const std::string wanted = Lower(Trim(text));
      for (std::size_t i = 0; i < field.labels.size(); ++i) {
        if (Lower(field.labels[i]) == wanted) {
          *field.integer(options) = static_cast<std::int32_t>(i);
          return std::nullopt;
        }
      }
      // The start of exactly one label, so the command line can say "solid".
      std::size_t starts = 0;
      std::size_t started = 0;
      for (std::size_t i = 0; i < field.labels.size() && !wanted.empty(); ++i) {
        if (Lower(field.labels[i]).starts_with(wanted)) {
          ++starts;
          started = i;
        }
      }
      if (starts == 1) {
        *field.integer(options) = static_cast<std::int32_t>(started);
        return std::nullopt;
      }
      std::int32_t value = 0;
      if (!TakeInteger(text, static_cast<std::int32_t>(field.minimum),
                       static_cast<std::int32_t>(field.maximum), value)) {
        *field.integer(options) = value;
        return std::nullopt;
      }
      std::string message = "Please choose ";
      for (std::size_t i = 0; i < field.labels.size(); ++i) {
        if (i > 0) message += i + 1 == field.labels.size() ? " or " : ", ";
        message += std::to_string(i) + " \"" + std::string(field.labels[i]) + "\"";
      }
      message += ".";
      return message;
    }
  }
  return std::nullopt;
}

}  // namespace bk

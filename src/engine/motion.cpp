#include "engine/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "cob/poly_chunk.h"
#include "model/random.h"
#include "model/saturate.h"

namespace bk {

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

// Truncation toward zero into 32 bits; NaN gives 0, out-of-range values the
// nearest bound.
std::int32_t TruncToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(kIntMin)) return static_cast<std::int32_t>(kIntMin);
  if (value >= static_cast<double>(kIntMax)) return static_cast<std::int32_t>(kIntMax);
  return static_cast<std::int32_t>(value);
}

float ToFloat(double value) { return static_cast<float>(value); }

int CountOn(const ExplosionOptions::Axes& axes) {
  return (axes.x != 0 ? 1 : 0) + (axes.y != 0 ? 1 : 0) + (axes.z != 0 ? 1 : 0);
}

bool AnyEqualsOne(const ExplosionOptions::Axes& axes) {
  return axes.x == 1 || axes.y == 1 || axes.z == 1;
}

// Keys are appended while earlier ones are still being adjusted, so the
// gravity and bounce steps refer to keys by position in PositionKeys.
void AddBounce(const PieceMotion& motion, CAnimChunkEx& channel, std::size_t a, std::size_t b,
               std::int32_t& left) {
  auto& keys = channel.PositionKeys;
  // Each bounce appends an apex and a landing and continues from them; the
  // step halves every time (BounceFrameFactor 0.5), so this ends quickly.
  for (;;) {
    const CAnimLineSRT pa = keys[a];
    const CAnimLineSRT pb = keys[b];
    // The first bounce after a start key at height zero measures its arc from
    // the piece's offset instead.
    const CVector v1 = pa.Value.z == 0.0f ? motion.Offset : pa.Value;
    const CVector v2 = pb.Value;

    const CVector d = Subtract(v2, v1);
    CVector apex = Add(v2, Multiply(d, 0.5f));
    CVector landing = Add(v2, d);
    landing.z = v2.z;

    const double ratio =
        static_cast<double>(left) / static_cast<double>(std::max<std::int32_t>(motion.BounceCount, 1));
    const bool first = ratio == 1.0;
    const double hz =
        first ? static_cast<double>(motion.ReboundScale) * static_cast<double>(v1.z) : static_cast<double>(v1.z);

    if (first && hz != 0.0) {
      apex.z = ToFloat(static_cast<double>(v2.z) + std::fabs(hz));
    } else if (motion.ReboundScale == 1.0f) {
      apex.z = ToFloat(static_cast<double>(v2.z) - (static_cast<double>(v2.z) - hz) * ratio);
    } else if (hz != 0.0) {
      apex.z = ToFloat(static_cast<double>(v2.z) - (static_cast<double>(v2.z) + std::fabs(hz)) * ratio);
    }

    const std::int32_t step = TruncToInt32(static_cast<double>(motion.BounceFrameFactor) *
                                           (static_cast<double>(pb.Frame) - static_cast<double>(pa.Frame)));
    keys.emplace_back(CAnimLineSRT::kPosition, Saturate(static_cast<std::int64_t>(pb.Frame) + step),
                      CVector(0.0f, 0.0f, 0.0f), apex);
    keys.emplace_back(CAnimLineSRT::kPosition,
                      Saturate(static_cast<std::int64_t>(pb.Frame) + 2 * static_cast<std::int64_t>(step)),
                      CVector(0.0f, -2.0f, 0.0f), landing);

    left = left - 1;
    if (!(left > 0 && step > 3)) return;
    a = keys.size() - 2;
    b = keys.size() - 1;
  }
}

// Makes the piece fall to the ground plane after (or instead of) its outward
// flight and bounce there. p0 and p1 are the positions of the start key and of
// the key that ends the outward flight.
void AddGravity(const MotionInputs& in, PieceMotion& motion, CAnimChunkEx& channel, std::size_t p0,
                std::size_t p1, CVector start, CVector end) {
  auto& keys = channel.PositionKeys;
  const float distance = in.Motion.Settings.ExplosionDistance != 0.0f ? in.Motion.Settings.ExplosionDistance : 1.0f;
  const CVector a = Divide(start, distance);

  // The ground the piece's origin reaches when its lowest point touches it.
  if (motion.Piece != nullptr) {
    const CVector low = motion.Piece->LowerCorner();
    motion.GroundZ = ToFloat(static_cast<double>(motion.GroundZ) +
                             std::fabs(static_cast<double>(low.z)) * static_cast<double>(motion.Piece->Axis.Row2.z));
  }
  if (motion.GroundZ >= a.z) return;

  const bool upward = end.z > a.z;
  const double spread = upward ? 2.0 : 1.5;
  const float translation_z = motion.Piece != nullptr ? motion.Piece->Axis.Translation.z : 0.0f;
  const CVector landing(ToFloat(spread * end.x), ToFloat(spread * end.y),
                        ToFloat(static_cast<double>(motion.GroundZ) - static_cast<double>(translation_z)));

  const std::int64_t flight = keys[p1].Frame;
  const int r = in.Random.Next();
  const std::int64_t t1 =
      (static_cast<std::int64_t>(TruncToInt32(DrawFraction(r) * static_cast<double>(flight))) + 2 * flight) / 3;
  const CVector delta = Subtract(landing, end);
  const double travel = std::fabs(static_cast<double>(delta.x)) + std::fabs(static_cast<double>(delta.y)) +
                        std::fabs(static_cast<double>(delta.z));
  const std::int64_t extra = TruncToInt32(travel * static_cast<double>(t1 / 10));

  keys[p0].Shape = CVector(0.0f, -4.0f, 0.0f);
  keys[p1].Shape = CVector(0.0f, 0.0f, 0.0f);

  std::int32_t left = motion.BounceCount;
  if (upward) {
    // The end of the outward flight is the top of the arc.
    keys.emplace_back(CAnimLineSRT::kPosition, Saturate(t1 + extra + t1 / 2), CVector(0.0f, -1.0f, 0.0f), landing);
    AddBounce(motion, channel, p1, keys.size() - 1, left);
  } else {
    keys[p0].Shape = CVector(0.0f, 0.0f, 0.0f);
    keys[p1].Frame = Saturate(t1 + extra);
    keys[p1].Shape = CVector(-0.5f, -1.3f, -0.5f);
    keys[p1].Value = landing;
    AddBounce(motion, channel, p0, p1, left);
  }
}

void ShiftFrames(std::vector<CAnimLineSRT>& keys, std::int32_t by) {
  for (auto& key : keys) key.Frame = Saturate(static_cast<std::int64_t>(key.Frame) + by);
}

}  // namespace

void SetPathShapes(MotionContext& motion, std::int32_t path_type) {
  switch (path_type) {
    case 1:  // accelerate
      motion.StartShape = CVector(0.0f, 0.0f, 0.0f);
      motion.EndShape = CVector(0.0f, -3.0f, 0.0f);
      break;
    case 2:  // decelerate
      motion.StartShape = CVector(0.0f, -3.0f, 0.0f);
      motion.EndShape = CVector(0.0f, 0.0f, 0.0f);
      break;
    default:  // linear, and any unknown value
      motion.StartShape = CVector(0.0f, -1.0f, 0.0f);
      motion.EndShape = CVector(0.0f, -1.0f, 0.0f);
      break;
  }
}

void LoadMotionSettings(MotionContext& motion, const ExplosionOptions& options, const CPolyChunk& imported_object) {
  MotionSettings& s = motion.Settings;
  s.ExplosionDistance = options.ExplosionDistance;
  s.RotationKeep = ToFloat((100.0 - static_cast<double>(options.PercentRotation)) * 0.01);
  s.DelayFrames = options.DelayFrames;
  s.Direction = options.Direction;
  s.ToggleDirection = options.ToggleDirection;
  s.RotationAxes = options.RotationAxes;
  s.PositionAxes = options.PositionAxes;
  s.ScaleAxes = options.ScaleAxes;
  s.Stagger = options.Stagger;
  s.PositionSigns = options.PositionSigns;
  s.RotationSigns = options.RotationSigns;
  motion.ObjectCenter = imported_object.Axis.Center;
  SetPathShapes(motion, options.PathType);
  // Reversed keys run from the end state back to the start: both ends take
  // the start shape.
  if (s.Direction == 1) motion.EndShape = motion.StartShape;
}

PieceMotion SetUpMotion(MotionInputs in, const CPolyChunk& piece, int particle, CVector centre_offset) {
  const ExplosionOptions& o = in.Options;
  PieceMotion motion;
  motion.Piece = &piece;
  motion.StaggerPieces = o.StaggerPieces;
  motion.GroundZ = o.GroundZ;
  motion.ReboundScale = o.ReboundScale;
  motion.BounceCount = o.BounceCount;
  motion.GravityOn = o.Gravity;
  motion.BounceFrameFactor = o.BounceFrameFactor;
  motion.Frames = o.FrameCount;
  if (particle == 0) {
    motion.ScaleStart = o.ScaleStart;
    motion.ScaleEnd = o.ScaleEnd;
    motion.ScaleStartFrame = o.ScaleStartFrame;
    motion.ScaleEndFrame = o.ScaleEndFrame;
    motion.Offset = piece.Axis.Center;
  } else {
    motion.ScaleStart = o.ParticleScaleStart;
    motion.ScaleEnd = o.ParticleScaleEnd;
    motion.ScaleStartFrame = o.ParticleScaleStartFrame;
    motion.ScaleEndFrame = o.ParticleScaleEndFrame;
    motion.GlobalScale = o.ParticleScaleGlobal;
    motion.Offset = o.ParticleOrigin == 1 ? piece.Axis.Center : centre_offset;
  }
  motion.Offset = Subtract(motion.Offset, in.Motion.ObjectCenter);

  // One axis and one sign chosen: every piece flies straight along that axis.
  const int signs = (o.PositionSigns.minus != 0 ? 1 : 0) + (o.PositionSigns.plus != 0 ? 1 : 0);
  if (CountOn(o.PositionAxes) == 1 && signs == 1) {
    if (o.PositionAxes.x != 0) motion.Offset = CVector(1.0f, 0.0f, 0.0f);
    else if (o.PositionAxes.y != 0) motion.Offset = CVector(0.0f, 1.0f, 0.0f);
    else motion.Offset = CVector(0.0f, 0.0f, 1.0f);
  }

  // Each component scaled by its own random factor between 0.5 and 1.
  const int r1 = in.Random.Next();
  const int r2 = in.Random.Next();
  const int r3 = in.Random.Next();
  auto jitter = [](float c, int r) {
    const double v = static_cast<double>(c);
    return ToFloat((v + DrawFraction(r) * v) * 0.5);
  };
  motion.Offset = CVector(jitter(motion.Offset.x, r1), jitter(motion.Offset.y, r2), jitter(motion.Offset.z, r3));
  return motion;
}

CVector ChooseRotation(MotionInputs in, PieceMotion& motion) {
  const MotionSettings& s = in.Motion.Settings;
  const int rx = in.Random.Next();
  const int ry = in.Random.Next();
  const int rz = in.Random.Next();
  const double amount = 1.0 - static_cast<double>(s.RotationKeep);
  CVector q(ToFloat(DrawFraction(rx) * s.RotationAxes.x * amount),
            ToFloat(DrawFraction(ry) * s.RotationAxes.y * amount),
            ToFloat(DrawFraction(rz) * s.RotationAxes.z * amount));

  if (s.RotationSigns.plus != 0 && s.RotationSigns.minus != 0) {
    // Both senses allowed: the parity of each draw picks its sign.
    if (rx % 2 == 0) q.x = -q.x;
    if (ry % 2 == 0) q.y = -q.y;
    if (rz % 2 == 0) q.z = -q.z;
  } else if (s.RotationSigns.minus != 0) {
    q = CVector(-q.x, -q.y, -q.z);
  }

  const double distance = s.ExplosionDistance;
  motion.Offset = CVector(ToFloat(s.PositionAxes.x * static_cast<double>(motion.Offset.x) * distance),
                          ToFloat(s.PositionAxes.y * static_cast<double>(motion.Offset.y) * distance),
                          ToFloat(s.PositionAxes.z * static_cast<double>(motion.Offset.z) * distance));
  return q;
}

namespace {

// What every key list of one piece is laid out with.
struct KeyPlan {
  bool stagger = false;
  bool toggle = false;
  bool reverse = false;
  std::int32_t delay = 0;  // frames before a staggered piece leaves
  CVector start_shape;
  CVector end_shape;
};

// The two states a piece moves between, before direction is applied.
struct FlightEnds {
  CVector start_rotation;
  float w_start = 1.0f;
  CVector end_rotation;
  float w_end = 1.0f;
  CVector start_size;
  CVector end_size;
};

FlightEnds ChooseFlightEnds(MotionInputs in, PieceMotion& motion) {
  const MotionSettings& s = in.Motion.Settings;
  FlightEnds ends;
  ends.end_rotation = ChooseRotation(in, motion);
  ends.w_end = s.RotationKeep;
  auto scaled = [&](float factor, std::int32_t axis_on) {
    return axis_on == 0 ? 1.0f : ToFloat(static_cast<double>(factor) * static_cast<double>(motion.GlobalScale));
  };
  ends.start_size = CVector(scaled(motion.ScaleStart, s.ScaleAxes.x), scaled(motion.ScaleStart, s.ScaleAxes.y),
                            scaled(motion.ScaleStart, s.ScaleAxes.z));
  ends.end_size = CVector(scaled(motion.ScaleEnd, s.ScaleAxes.x), scaled(motion.ScaleEnd, s.ScaleAxes.y),
                          scaled(motion.ScaleEnd, s.ScaleAxes.z));
  if (s.Direction == 1) {
    std::swap(ends.start_rotation, ends.end_rotation);
    std::swap(ends.w_start, ends.w_end);
    std::swap(ends.start_size, ends.end_size);
  }
  return ends;
}

// Plays the keys backwards in time: the last key's frame becomes the length,
// and each key's frame its distance from the end.
void ReverseInTime(std::vector<CAnimLineSRT>& keys, bool stagger) {
  const std::size_t n = keys.size();
  if (stagger && n > 1) {
    keys[1].Shape = keys[0].Shape;
    keys[1].Value = keys[0].Value;
  }
  std::vector<std::int32_t> frames;
  frames.reserve(n);
  for (const auto& key : keys) frames.push_back(key.Frame);
  std::reverse(keys.begin(), keys.end());
  for (std::size_t i = 0; i < n; ++i) {
    keys[i].Frame = Saturate(static_cast<std::int64_t>(frames[n - 1]) - frames[n - 1 - i]);
  }
}

// The return trip: the keys again from the second last back to the first,
// after the last.
void AppendReturnTrip(std::vector<CAnimLineSRT>& keys, const KeyPlan& plan, std::int32_t frames) {
  const std::size_t n = keys.size();
  std::int64_t t = keys.back().Frame;
  std::vector<CAnimLineSRT> back;
  for (std::size_t i = n - 1; i-- > 0;) {
    if ((i > 0 && !plan.stagger) || (i > 1 && plan.stagger)) {
      t += static_cast<std::int64_t>(keys[i].Frame) - keys[i - 1].Frame;
    } else if (!(plan.reverse && plan.stagger && i == 1)) {
      t += frames;
    }
    const bool skip = (i == 0 && plan.stagger && !plan.reverse) || (i == 1 && plan.stagger && plan.reverse);
    if (!skip) {
      CAnimLineSRT copy = keys[i];
      copy.Frame = Saturate(t);
      back.push_back(copy);
    }
  }
  keys.insert(keys.end(), back.begin(), back.end());
}

void BuildPositionKeys(const MotionInputs& in, PieceMotion& motion, CAnimChunkEx& channel,
                       const KeyPlan& plan) {
  const MotionSettings& s = in.Motion.Settings;
  const CVector start_position(0.0f, 0.0f, 0.0f);
  CVector end_position = motion.Offset;
  if (s.PositionSigns.minus != s.PositionSigns.plus) {
    FoldSigns(end_position, s.PositionSigns.minus, s.PositionSigns.plus, s.ExplosionDistance);
  }
  auto& keys = channel.PositionKeys;
  keys.clear();
  // One allocation for the usual count: the flight, the fall and a few
  // bounces (each halves, so few are made), and the way back.
  std::size_t expected = (plan.stagger ? 3 : 2) + (motion.GravityOn != 0 ? 7 : 0);
  if (plan.toggle) expected *= 2;
  keys.reserve(expected);
  keys.emplace_back(CAnimLineSRT::kPosition, 0, plan.start_shape, start_position);
  if (plan.stagger) keys.emplace_back(CAnimLineSRT::kPosition, plan.delay, plan.start_shape, start_position);
  keys.emplace_back(CAnimLineSRT::kPosition, motion.Frames, plan.end_shape, end_position);
  if (motion.GravityOn != 0) AddGravity(in, motion, channel, 0, keys.size() - 1, start_position, end_position);
  if (plan.reverse) ReverseInTime(keys, plan.stagger);
  if (plan.toggle) AppendReturnTrip(keys, plan, motion.Frames);
}

void BuildOrientationKeys(const PieceMotion& motion, CAnimChunkEx& channel, const KeyPlan& plan,
                          const FlightEnds& ends, bool moving) {
  std::int32_t e = motion.Frames;
  if (moving) {
    e = channel.PositionKeys.back().Frame;
    if (plan.toggle) e /= 2;
  }
  const std::int32_t e2 = Saturate(2 * static_cast<std::int64_t>(e));
  auto& keys = channel.Keys;
  keys.clear();
  keys.reserve(2 + (plan.stagger ? 1 : 0) + (plan.toggle ? 1 : 0));
  keys.emplace_back(CAnimLineSRT::kOrientation, 0, plan.start_shape, ends.start_rotation, ends.w_start);
  if (plan.stagger) {
    keys.emplace_back(CAnimLineSRT::kOrientation, plan.delay, plan.start_shape, ends.start_rotation, ends.w_start);
  }
  keys.emplace_back(CAnimLineSRT::kOrientation, e, plan.end_shape, ends.end_rotation, ends.w_end);
  if (plan.toggle) {
    keys.emplace_back(CAnimLineSRT::kOrientation, e2, plan.start_shape, ends.start_rotation, ends.w_start);
  }
}

void BuildSizeKeys(const PieceMotion& motion, CAnimChunkEx& channel, const KeyPlan& plan,
                   const FlightEnds& ends, bool moving) {
  auto& keys = channel.SizeKeys;
  keys.clear();
  keys.reserve(2 + (plan.stagger ? 1 : 0) + (plan.toggle ? 1 : 0));
  if (plan.stagger || plan.toggle) {
    keys.emplace_back(CAnimLineSRT::kSize, 0, plan.start_shape, ends.start_size);
    if (plan.stagger) keys.emplace_back(CAnimLineSRT::kSize, plan.delay, plan.start_shape, ends.start_size);
    keys.emplace_back(CAnimLineSRT::kSize, motion.Frames, plan.end_shape, ends.end_size);
    if (plan.toggle) {
      keys.emplace_back(CAnimLineSRT::kSize, Saturate(2 * static_cast<std::int64_t>(motion.Frames)),
                        plan.start_shape, ends.start_size);
    }
    return;
  }
  std::int32_t end_frame = motion.ScaleEndFrame;
  if (motion.GravityOn != 0 && moving) end_frame = std::min(end_frame, channel.PositionKeys.back().Frame);
  keys.emplace_back(CAnimLineSRT::kSize, motion.ScaleStartFrame, plan.start_shape, ends.start_size);
  keys.emplace_back(CAnimLineSRT::kSize, end_frame, plan.end_shape, ends.end_size);
}

}  // namespace

void BuildKeys(MotionInputs in, PieceMotion& motion, CAnimChunkEx& channel) {
  const MotionSettings& s = in.Motion.Settings;
  KeyPlan plan;
  plan.stagger = s.Stagger != 0;
  plan.toggle = s.ToggleDirection != 0;
  plan.reverse = s.Direction == 1;
  plan.start_shape = in.Motion.StartShape;
  plan.end_shape = in.Motion.EndShape;
  const FlightEnds ends = ChooseFlightEnds(in, motion);

  const bool rotating = AnyEqualsOne(s.RotationAxes);
  const bool moving = AnyEqualsOne(s.PositionAxes);
  const bool scaling = AnyEqualsOne(s.ScaleAxes) && !(motion.ScaleStart == 1.0f && motion.ScaleEnd == 1.0f);
  if (plan.stagger) {
    plan.delay = motion.StaggerOrdinal / std::max<std::int32_t>(motion.StaggerPieces, 1);
    motion.Frames = Saturate(static_cast<std::int64_t>(motion.Frames) + plan.delay);
  }

  if (moving) BuildPositionKeys(in, motion, channel, plan);
  if (rotating) BuildOrientationKeys(motion, channel, plan, ends, moving);
  if (scaling) BuildSizeKeys(motion, channel, plan, ends, moving);
  if (s.DelayFrames > 0) {
    if (moving) ShiftFrames(channel.PositionKeys, s.DelayFrames);
    if (rotating) ShiftFrames(channel.Keys, s.DelayFrames);
    if (scaling) ShiftFrames(channel.SizeKeys, s.DelayFrames);
  }
}

}  // namespace bk

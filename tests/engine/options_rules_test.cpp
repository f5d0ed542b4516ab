#include <gtest/gtest.h>

#include "engine/explosion_options.h"

namespace bk {
namespace {

// What opening the sheet does to the record before the user touches it.
ExplosionOptions FirstDisplay(int faces, ExplosionOptions o = {}) {
  o.ObjectFaces = faces;
  o.UpdateDerivedValues();
  o.ApplyFifthOfFacesRule();
  o.UpdateDerivedValues();
  return o;
}

TEST(OptionsFirstDisplay, TakesAFifthOfTheFacesAfterTheClamp) {
  struct Case {
    int faces;
    int typed_pieces;  // 0: the record's default
    int pieces, chunks;
  };
  const Case cases[] = {
      {100, 0, 20, 26},   {1000, 0, 200, 266},
      {7, 0, 7, 7},       {20, 0, 4, 5},  // the clamp comes before the fifth
      {1000, 21, 21, 28},                 // other values are only clamped
      {0, 0, 0, 0},                       // no faces: no pieces
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.faces << " faces, typed " << c.typed_pieces);
    ExplosionOptions typed;
    if (c.typed_pieces != 0) typed.MinPieces = c.typed_pieces;
    const ExplosionOptions o = FirstDisplay(c.faces, typed);
    EXPECT_EQ(o.ObjectFaces, c.faces);
    EXPECT_EQ(o.MinPieces, c.pieces);
    EXPECT_EQ(o.ChunkCount, c.chunks);
  }
  EXPECT_EQ(FirstDisplay(100).FrameTotal, 30);
}

TEST(OptionsFirstDisplay, ThousandFacesKeepsItsFifthAtTheNextOpening) {
  ExplosionOptions o = FirstDisplay(1000);
  o = FirstDisplay(1000, o);
  EXPECT_EQ(o.MinPieces, 200);
  // A user who types 20 again gets the fifth again.
  o.MinPieces = 20;
  o = FirstDisplay(1000, o);
  EXPECT_EQ(o.MinPieces, 200);
}

TEST(OptionsFrameTotal, GravityAddsBouncesUntilAShortOne) {
  ExplosionOptions o;
  o.ObjectFaces = 100;
  o.Gravity = 1;
  o.BounceCount = 3;
  o.UpdateDerivedValues();
  EXPECT_EQ(o.FrameTotal, 115);  // 30 + 60 + 15 + 7 + 3

  o.ToggleDirection = 1;
  o.UpdateDerivedValues();
  EXPECT_EQ(o.FrameTotal, 230);

  o.DelayFrames = 10;  // added after the doubling
  o.UpdateDerivedValues();
  EXPECT_EQ(o.FrameTotal, 240);
}

TEST(OptionsFrameTotal, BounceCountLimitsTheHalvings) {
  ExplosionOptions o;
  o.ObjectFaces = 100;
  o.FrameCount = 100;
  o.Gravity = 1;
  o.BounceCount = 1;
  o.UpdateDerivedValues();
  EXPECT_EQ(o.FrameTotal, 375);  // 100 + 200 + 50 + 25
}

TEST(OptionsFrameTotal, StaggerAddsChunksPerStaggerPieces) {
  ExplosionOptions o;
  o.ObjectFaces = 100;
  o.Stagger = 1;
  o.StaggerPieces = 5;
  o.UpdateDerivedValues();
  EXPECT_EQ(o.ChunkCount, 26);
  EXPECT_EQ(o.FrameTotal, 35);

  o.StaggerPieces = 0;  // treated as 1, never a division by zero
  o.UpdateDerivedValues();
  EXPECT_EQ(o.FrameTotal, 56);
}

TEST(OptionsLimitScaleFrames, StartNeedsASecondPassToFollowTheEnd) {
  ExplosionOptions o;
  o.ObjectFaces = 100;
  o.FrameCount = 40;
  o.ScaleStartFrame = 50;
  o.ScaleEndFrame = 60;
  o.LimitScaleFrames();
  EXPECT_EQ(o.FrameTotal, 40);
  EXPECT_EQ(o.ScaleStartFrame, 50);
  EXPECT_EQ(o.ScaleEndFrame, 40);
  o.LimitScaleFrames();
  EXPECT_EQ(o.ScaleStartFrame, 40);
  EXPECT_EQ(o.ScaleEndFrame, 40);
}

TEST(OptionsLimitScaleFrames, StaggerPiecesStaysBetweenOneAndMinPieces) {
  ExplosionOptions o;
  o.ObjectFaces = 100;
  o.MinPieces = 3;
  o.StaggerPieces = 5;
  o.LimitScaleFrames();
  EXPECT_EQ(o.StaggerPieces, 3);

  o.ObjectFaces = 0;  // MinPieces clamps to 0 first: StaggerPieces still 1
  o.MinPieces = 0;
  o.LimitScaleFrames();
  EXPECT_EQ(o.StaggerPieces, 1);
}

TEST(OptionsLimitParticleFrames, UsesFrameTotalAsLastComputed) {
  ExplosionOptions o;
  o.FrameTotal = 30;
  o.FrameCount = 500;  // not looked at: no recomputation
  o.ParticleScaleStartFrame = 50;
  o.ParticleScaleEndFrame = 45;
  o.LimitParticleFrames();
  EXPECT_EQ(o.ParticleScaleStartFrame, 45);
  EXPECT_EQ(o.ParticleScaleEndFrame, 30);
}

}  // namespace
}  // namespace bk

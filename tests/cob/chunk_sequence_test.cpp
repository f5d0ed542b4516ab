#include "cob/chunk_sequence.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/anim_chunk.h"
#include "cob/cob_writer.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"
#include "model/chunk_id.h"
#include "support/recording_progress.h"

namespace bk {
namespace {

// A long sequence as an explosion makes it, after a run of chunks that write
// no floats (so that the number format is still general when the first
// vertex list comes): pieces, each with a material, a unit and a channel
// whose position and size blocks take fresh ids as they are written.
class LongSequence {
 public:
  explicit LongSequence(int pieces) {
    source_.AddOwnedVertex(CVector(0.5f, -1.25f, 3.0f));
    source_.AddOwnedVertex(CVector(1e7f, 2.0f, -0.0f));
    source_.AddOwnedVertex(CVector(0.1f, 0.2f, 0.3f));
    source_.AddOwnedUvPoint(CUvPoint(0.25f, 0.75f));
    for (int i = 0; i < 600; ++i) Add(std::make_unique<CUnit>());
    for (int i = 0; i < pieces; ++i) AddPiece(i);
  }

  std::span<const CCobBase* const> Chunks() const { return pointers_; }

 private:
  void Add(std::unique_ptr<CCobBase> chunk) {
    pointers_.push_back(chunk.get());
    owned_.push_back(std::move(chunk));
  }

  void AddPiece(int i) {
    auto piece = std::make_unique<CPolyChunk>();
    piece->CopyFrom(source_);
    piece->Name = "Piece" + std::to_string(i);
    piece->Axis.Center = CVector(static_cast<float>(i) * 0.37f, 1.0f / static_cast<float>(i + 1), 0.0f);
    piece->Materials.push_back(std::make_unique<CMaterial>());
    piece->Unit = std::make_unique<CUnit>();
    auto channel = std::make_unique<CAnimChunkEx>();
    channel->ParentId = piece->Id;
    const CVector shape(0.0f, 0.5f, -0.5f);
    channel->Keys.emplace_back(CAnimLineSRT::kOrientation, 0, shape, CVector(0.0f, 0.0f, 1.0f), 1.0f);
    channel->PositionKeys.emplace_back(CAnimLineSRT::kPosition, i, shape, CVector(static_cast<float>(i), 2.5f, 0.0f));
    if (i % 3 != 0) channel->SizeKeys.emplace_back(CAnimLineSRT::kSize, 30, shape, CVector(1.0f, 1.0f, 1.0f));
    Add(std::move(piece));
    Add(std::move(channel));
  }

  CPolyChunk source_;
  std::vector<std::unique_ptr<CCobBase>> owned_;
  std::vector<const CCobBase*> pointers_;
};

struct Written {
  std::string text;
  std::int32_t last_id = 0;
  CobWriter::Format format;
  std::size_t count = 0;
};

// Each chunk's Write in turn, as the sequence must write them.
Written OneByOne(std::span<const CCobBase* const> chunks, std::size_t count) {
  ChunkIdCounter::Reset(5000000);
  std::ostringstream os;
  Written written;
  {
    CobWriter out(os);
    for (std::size_t i = 0; i < count; ++i) chunks[i]->Write(out);
    written.format = out.GetFormat();
  }
  written.text = os.str();
  written.last_id = ChunkIdCounter::Current();
  written.count = count;
  return written;
}

Written InSequence(std::span<const CCobBase* const> chunks, ProgressSink& progress) {
  ChunkIdCounter::Reset(5000000);
  std::ostringstream os;
  Written written;
  {
    CobWriter out(os);
    const ChunkWriter write = [chunks](std::size_t i, CobWriter& to) { chunks[i]->Write(to); };
    written.count = WriteChunks(out, chunks.size(), write, progress, ProgressCount{10, 99999});
    written.format = out.GetFormat();
  }
  written.text = os.str();
  written.last_id = ChunkIdCounter::Current();
  return written;
}

void ExpectSame(const Written& got, const Written& want) {
  EXPECT_EQ(got.count, want.count);
  EXPECT_TRUE(got.text == want.text) << "the texts differ";  // no diff of two long texts
  EXPECT_EQ(got.last_id, want.last_id);
  EXPECT_TRUE(got.format == want.format);
}

TEST(ChunkSequence, WritesTheBytesIdsAndFormatOfEachChunkInTurn) {
  const LongSequence sequence(3000);
  testing::RecordingProgress progress;
  ExpectSame(InSequence(sequence.Chunks(), progress), OneByOne(sequence.Chunks(), sequence.Chunks().size()));
  ASSERT_EQ(progress.calls.size(), sequence.Chunks().size());
  EXPECT_EQ(progress.calls.front().done, 11);
  EXPECT_EQ(progress.calls.back().done, 10 + static_cast<int>(sequence.Chunks().size()));
  EXPECT_EQ(progress.calls.back().total, 99999);
}

TEST(ChunkSequence, ACancelEndsTheTextAfterTheLastChunkReported) {
  const LongSequence sequence(3000);
  // In the first batch, in the middle of a later one, and right before the end.
  for (const int reports : {0, 3, 2021, 6599}) {
    SCOPED_TRACE(reports);
    testing::RecordingProgress progress(reports);
    ExpectSame(InSequence(sequence.Chunks(), progress),
               OneByOne(sequence.Chunks(), static_cast<std::size_t>(reports)));
    EXPECT_EQ(progress.calls.size(), static_cast<std::size_t>(reports));
  }
}

}  // namespace
}  // namespace bk

#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "cob/line_reader.h"

namespace bk::testing {

// A material of type M read from `text` (its first line is the header), and
// the reader's current line afterwards: the line the next reader starts from.
template <class M>
struct MaterialRead {
  std::unique_ptr<M> material;
  std::string next_line;
};

template <class M>
MaterialRead<M> ReadMaterial(std::string_view text) {
  LineReader in(text);
  in.ReadLine();
  auto material = std::make_unique<M>();
  EXPECT_TRUE(material->Read(in, in.Line()));
  return {std::move(material), std::string(in.Line())};
}

}  // namespace bk::testing

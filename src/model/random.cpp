#include "model/random.h"

namespace bk {

double RandomUpTo(CRandom& random, float x) {
  return DrawFraction(random.Next()) * static_cast<double>(x);
}

}  // namespace bk

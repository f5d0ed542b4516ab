#include "engine/cell_sites.h"

#include <cmath>
#include <numbers>
#include <set>

#include "model/progress.h"
#include "model/random.h"

namespace bk {
namespace {

// A fraction in [0, 1) with 30 bits, so that sites repeat far less often
// than one draw's 15 bits would let them.
double Fraction(CRandom& random) {
  const double high = random.Next();
  const double low = random.Next();
  return (high * 32768.0 + low) / 1073741824.0;
}

class SiteDraw {
 public:
  SiteDraw(const CellSurface& surface, const SolidCellOptions& options, CRandom& random)
      : surface_(surface), options_(options), random_(random) {
    const CVector lo = surface.Lower();
    const CVector hi = surface.Upper();
    lower_ = {lo.x, lo.y, lo.z};
    upper_ = {hi.x, hi.y, hi.z};
    any_open_ = surface.OpenShellCount() > 0 || !surface.AnyClosed();
  }

  Point3 Uniform() {
    Point3 p;
    for (std::size_t k = 0; k < 3; ++k) p[k] = lower_[k] + Fraction(random_) * (upper_[k] - lower_[k]);
    return p;
  }

  // A point around the impact: a direction over the sphere and a distance
  // that falls off exponentially, so most sites lie within a few spreads.
  Point3 NearImpact() {
    const double z = 2.0 * Fraction(random_) - 1.0;
    const double angle = 2.0 * std::numbers::pi * Fraction(random_);
    const double distance = -std::log(1.0 - Fraction(random_)) * options_.spread;
    const double ring = std::sqrt(std::max(0.0, 1.0 - z * z));
    return {options_.impact.x + distance * ring * std::cos(angle),
            options_.impact.y + distance * ring * std::sin(angle), options_.impact.z + distance * z};
  }

  bool Acceptable(const Point3& p) const {
    for (std::size_t k = 0; k < 3; ++k) {
      if (!(p[k] >= lower_[k] && p[k] <= upper_[k])) return false;
    }
    if (taken_.count(p) != 0) return false;
    return any_open_ ? surface_.InsideAny(p) : surface_.InsideClosed(p);
  }

  std::vector<Point3> Draw(const ProgressSink& progress) {
    std::vector<Point3> sites;
    const std::size_t wanted = static_cast<std::size_t>(options_.cells);
    std::size_t budget = wanted * 200 + 1000;
    while (sites.size() < wanted) {
      if (sites.size() % 256 == 0 && progress.CancelRequested()) break;
      Point3 p{};
      bool found = false;
      for (int attempt = 0; attempt < 64 && budget > 0 && !found; ++attempt, --budget) {
        const bool impact = options_.layout == SolidCellOptions::Layout::kImpact && attempt < 48;
        p = impact ? NearImpact() : Uniform();
        found = Acceptable(p);
      }
      while (!found) {
        p = Uniform();
        found = taken_.count(p) == 0;
      }
      taken_.insert(p);
      sites.push_back(p);
    }
    return sites;
  }

 private:
  const CellSurface& surface_;
  const SolidCellOptions& options_;
  CRandom& random_;
  Point3 lower_{};
  Point3 upper_{};
  bool any_open_ = false;
  std::set<Point3> taken_;
};

}  // namespace

std::vector<Point3> DrawCellSites(const CellSurface& surface, const SolidCellOptions& options,
                                  CRandom& random, const ProgressSink& progress) {
  return SiteDraw(surface, options, random).Draw(progress);
}

}  // namespace bk

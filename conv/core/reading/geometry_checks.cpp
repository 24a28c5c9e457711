#include "conv/core/reading/geometry_checks.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "conv/core/reading/model_read.h"

namespace korvel::conv {
namespace {

using Place = ModelPoint;

// Whether two places are the same: closer than the tolerance, or equal when
// it is 0. Differences are taken by halves and measured in tolerances, so
// nothing overflows at the ends of the double range.
class Sameness {
 public:
  explicit Sameness(const ElementTable<Joint>& joints) {
    if (joints.count() == 0) return;
    Place low{INFINITY, INFINITY, INFINITY}, high{-INFINITY, -INFINITY, -INFINITY};
    for (int r = 1; r <= joints.count(); ++r) {
      const Joint& joint = joints.Row(r);
      low = {std::min(low.x, joint.x), std::min(low.y, joint.y), std::min(low.z, joint.z)};
      high = {std::max(high.x, joint.x), std::max(high.y, joint.y), std::max(high.z, joint.z)};
    }
    low_ = low;
    const double half[] = {high.x * 0.5 - low.x * 0.5, high.y * 0.5 - low.y * 0.5, high.z * 0.5 - low.z * 0.5};
    const double largest = std::max({half[0], half[1], half[2]});
    if (!(largest > 0) || !std::isfinite(largest)) return;
    // 1e-9 times the diagonal (twice the half diagonal).
    tolerance_ = 2e-9 * largest * std::hypot(half[0] / largest, half[1] / largest, half[2] / largest);
    if (!(tolerance_ * 0.5 > 0)) tolerance_ = 0;
  }

  double tolerance() const { return tolerance_; }
  const Place& low() const { return low_; }

  bool Same(const Place& a, const Place& b) const {
    if (tolerance_ == 0) return a.x == b.x && a.y == b.y && a.z == b.z;
    const double dx = (a.x * 0.5 - b.x * 0.5) / tolerance_, dy = (a.y * 0.5 - b.y * 0.5) / tolerance_,
                 dz = (a.z * 0.5 - b.z * 0.5) / tolerance_;
    if (std::abs(dx) >= 0.5 || std::abs(dy) >= 0.5 || std::abs(dz) >= 0.5) return false;
    return dx * dx + dy * dy + dz * dz < 0.25;
  }

  // Whether the polygon of `n` corners (3 or 4) encloses no area: its vector
  // area is no more than the tolerance times its longest side.
  bool Flat(const Place* corners, int n) const {
    double d[4][3];
    double scale = 0;
    for (int i = 0; i < n; ++i) {
      d[i][0] = corners[i].x * 0.5 - corners[0].x * 0.5;
      d[i][1] = corners[i].y * 0.5 - corners[0].y * 0.5;
      d[i][2] = corners[i].z * 0.5 - corners[0].z * 0.5;
      for (double c : d[i]) scale = std::max(scale, std::abs(c));
    }
    if (!(scale > 0)) return true;
    for (int i = 0; i < n; ++i) {
      for (double& c : d[i]) c /= scale;
    }
    // The vector area (doubled) from the diagonals; a triangle's from two sides.
    const double* a = d[n == 4 ? 2 : 1];
    double b[3];
    for (int c = 0; c < 3; ++c) b[c] = n == 4 ? d[3][c] - d[1][c] : d[2][c];
    const double cross[] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    const double area = std::hypot(cross[0], cross[1], cross[2]);  // in (2 scale)^2 / 2
    double longest = 0;
    for (int i = 0; i < n; ++i) {
      const double* p = d[i];
      const double* q = d[(i + 1) % n];
      longest = std::max(longest, std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]));  // in 2 scale
    }
    // area·4·scale²/2 <= tolerance·longest·2·scale
    return area * scale <= tolerance_ * longest;
  }

 private:
  Place low_;
  double tolerance_ = 0;
};

Place At(const Joint& joint) { return {joint.x, joint.y, joint.z}; }

// Joints by grid cell of kCell tolerances, so that a place's same places lie
// in its own cell or, when it stands within a tolerance of a cell's side, in
// the cell beyond that side: most places look into one cell. A joint found at
// the place of an earlier one is not entered, so a cell holds a bounded
// number of joints. The table is open-addressed, each slot holding a tag of
// its cell's hash, so most looks cost one cache line.
class JointGrid {
 public:
  JointGrid(const Sameness& same, std::size_t joints) : same_(same) {
    std::size_t slots = 16;
    while (slots < joints + joints / 2) slots *= 2;  // at most two thirds full
    slots_.assign(slots, Slot{});
    static const std::uint64_t seed = std::random_device()() | 1;
    seed_ = seed;
  }

  // The row of an earlier joint at the same place, or 0 after entering it.
  int FindOrEnter(const Place& at, int row, const ElementTable<Joint>& joints) {
    std::int64_t cell[3];
    int side[3];
    Cell(at, cell, side);
    std::size_t free = 0;
    for (int v = 0; v < 8; ++v) {
      if (((v & 1) && !side[0]) || ((v & 2) && !side[1]) || ((v & 4) && !side[2])) continue;
      std::int64_t near[3];
      for (int c = 0; c < 3; ++c) near[c] = cell[c] + ((v >> c) & 1) * side[c];
      const std::uint64_t hash = Hash(near);
      const auto tag = static_cast<std::uint32_t>(hash >> 32);
      std::size_t i = static_cast<std::size_t>(hash) & (slots_.size() - 1);
      for (; slots_[i].row != 0; i = (i + 1) & (slots_.size() - 1)) {
        if (slots_[i].tag == tag && same_.Same(at, At(joints.Row(slots_[i].row)))) return slots_[i].row;
      }
      if (v == 0) free = i;  // the own cell's first free slot
    }
    slots_[free] = {static_cast<std::uint32_t>(Hash(cell) >> 32), row};
    return 0;
  }

 private:
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t row = 0;  // 0: free
  };

  void Cell(const Place& at, std::int64_t cell[3], int side[3]) const {
    const double tolerance = same_.tolerance();
    const double coordinates[] = {at.x, at.y, at.z}, low[] = {same_.low().x, same_.low().y, same_.low().z};
    for (int c = 0; c < 3; ++c) {
      if (tolerance == 0) {
        cell[c] = static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(coordinates[c] + 0.0));
        side[c] = 0;
        continue;
      }
      // In cells (of halved coordinates): at most 1.25e8 from the low corner. A
      // little more than a tolerance is looked beyond, so rounding loses no place.
      const double units = (coordinates[c] * 0.5 - low[c] * 0.5) / (tolerance * (kCell / 2));
      const double whole = std::floor(units);
      cell[c] = static_cast<std::int64_t>(whole);
      const double within = units - whole, reach = 1.01 / kCell;
      side[c] = within < reach ? -1 : within > 1 - reach ? 1 : 0;
    }
  }

  std::uint64_t Hash(const std::int64_t cell[3]) const {
    std::uint64_t h = seed_;
    for (int c = 0; c < 3; ++c) {
      h ^= static_cast<std::uint64_t>(cell[c]) + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
      h *= 0xBF58476D1CE4E5B9ULL;
      h ^= h >> 31;
    }
    return h;
  }

  static constexpr double kCell = 8;  // tolerances a side
  const Sameness& same_;
  std::uint64_t seed_ = 1;
  std::vector<Slot> slots_;
};

}  // namespace

GeometryFindings CheckGeometry(const ModelTables& tables, const ElementNames& names, bool keepPlaces) {
  GeometryFindings result;
  const ElementTable<Joint>& joints = tables.joints;
  LabelIndex index;
  for (int r = 1; r <= joints.count(); ++r) index.AddFirst(joints.Row(r).label, r, r);
  const Sameness same(joints);
  std::vector<char> used(static_cast<std::size_t>(joints.count()) + 1, 0);
  auto shown = [&](ElementKind kind, double label) { return names.ShownNumbered(kind, label, false); };
  auto missing = [&](ElementKind kind, const char* word, double element, double joint) {
    result.missingJoints.Note(
        [&] { return word + shown(kind, element) + " 的节点 " + shown(ElementKind::kJoint, joint); });
  };

  for (int r = 1; r <= tables.frames.count(); ++r) {
    const Frame& frame = tables.frames.Row(r);
    const auto i = index.Find(frame.jointI), j = index.Find(frame.jointJ);
    if (!i || !j) {
      missing(ElementKind::kFrame, "框架单元 ", frame.label, i ? frame.jointJ : frame.jointI);
    }
    if (i) used[static_cast<std::size_t>(*i)] = 1;
    if (j) used[static_cast<std::size_t>(*j)] = 1;
    if (frame.jointI == frame.jointJ || (i && j && same.Same(At(joints.Row(*i)), At(joints.Row(*j))))) {
      result.zeroLengthFrames.Note([&] { return shown(ElementKind::kFrame, frame.label); });
      if (keepPlaces && (i || j)) result.zeroLengthAt.push_back(At(joints.Row(i ? *i : *j)));
    }
  }

  for (int r = 1; r <= tables.areas.count(); ++r) {
    const Area& area = tables.areas.Row(r);
    // Joint4 = 0 is a triangle's missing corner, not a joint.
    const int n = area.joints[3] == 0 ? 3 : 4;
    Place corners[4];
    bool complete = true;
    for (int c = 0; c < n; ++c) {
      const auto row = index.Find(area.joints[static_cast<std::size_t>(c)]);
      if (row) {
        used[static_cast<std::size_t>(*row)] = 1;
        corners[c] = At(joints.Row(*row));
      } else {
        if (complete) missing(ElementKind::kArea, "面单元 ", area.label, area.joints[static_cast<std::size_t>(c)]);
        complete = false;
      }
    }
    if (!complete) continue;
    bool degenerate = false;
    for (int a = 0; a < n && !degenerate; ++a) {
      for (int b = a + 1; b < n && !degenerate; ++b) {
        degenerate = area.joints[static_cast<std::size_t>(a)] == area.joints[static_cast<std::size_t>(b)] ||
                     same.Same(corners[a], corners[b]);
      }
    }
    if (!degenerate && !same.Flat(corners, n)) continue;
    result.degenerateAreas.Note([&] { return shown(ElementKind::kArea, area.label); });
    if (keepPlaces) result.degenerateAt.push_back(corners[0]);
  }

  std::size_t usedCount = 0;
  for (char u : used) usedCount += u != 0;
  JointGrid grid(same, usedCount);
  for (int r = 1; r <= joints.count(); ++r) {
    if (!used[static_cast<std::size_t>(r)]) {
      // A later row of a label is never used: elements find its first row.
      const auto first = index.Find(joints.Row(r).label);
      if (!first || !used[static_cast<std::size_t>(*first)]) ++result.unusedJoints;
      continue;
    }
    const Joint& joint = joints.Row(r);
    const int other = grid.FindOrEnter(At(joint), r, joints);
    if (other == 0) continue;
    result.coincidentJoints.Note([&] {
      result.coincidentWith = shown(ElementKind::kJoint, joints.Row(other).label);
      return shown(ElementKind::kJoint, joint.label);
    });
    if (keepPlaces) result.coincidentAt.push_back(At(joint));
  }
  return result;
}

void GeometryFindings::Into(ConversionResult& result) const {
  result.missingJoints = missingJoints;
  result.zeroLengthFrames = zeroLengthFrames;
  result.degenerateAreas = degenerateAreas;
  result.coincidentJoints = coincidentJoints;
  result.coincidentWith = coincidentWith;
}

void CheckGeometry(ModelRead& read) {
  GeometryFindings found = CheckGeometry(read.tables, read.names, read.survey.keepPlaces);
  found.Into(read.result);
  read.survey.unusedJoints = found.unusedJoints;
  read.survey.zeroLengthAt = std::move(found.zeroLengthAt);
  read.survey.degenerateAt = std::move(found.degenerateAt);
  read.survey.coincidentAt = std::move(found.coincidentAt);
}

}  // namespace korvel::conv

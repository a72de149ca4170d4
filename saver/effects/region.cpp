#include "saver/effects/region.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace kv {
namespace {

// Curved shapes are sampled row by row; rows beyond this distance from the
// origin are left out so that absurd coordinates cannot make the loop endless.
constexpr int64_t kCurveRowLimit = int64_t{1} << 20;

enum class Op { kUnion, kIntersect, kXor };

bool Apply(Op op, bool a, bool b) {
  switch (op) {
    case Op::kUnion:
      return a || b;
    case Op::kIntersect:
      return a && b;
    case Op::kXor:
      return a != b;
  }
  return false;
}

// Appends [left, right) to sorted spans, merging with the last one when they
// touch or overlap.
void PushSpan(std::vector<Region::Span>& spans, int32_t left, int32_t right) {
  if (left >= right) return;
  if (!spans.empty() && left <= spans.back().right) {
    spans.back().right = std::max(spans.back().right, right);
    return;
  }
  spans.push_back({left, right});
}

// Combines two sorted, disjoint, non-touching span lists.
void CombineSpans(std::span<const Region::Span> a, std::span<const Region::Span> b, Op op,
                  std::vector<Region::Span>& out) {
  out.clear();
  size_t ia = 0;
  size_t ib = 0;
  bool in_a = false;
  bool in_b = false;
  bool inside = false;
  int32_t start = 0;
  while (ia < a.size() || ib < b.size()) {
    const int64_t next_a = ia < a.size() ? (in_a ? a[ia].right : a[ia].left) : INT64_MAX;
    const int64_t next_b = ib < b.size() ? (in_b ? b[ib].right : b[ib].left) : INT64_MAX;
    const int32_t x = static_cast<int32_t>(std::min(next_a, next_b));
    if (next_a == x) {
      if (in_a) ++ia;
      in_a = !in_a;
    }
    if (next_b == x) {
      if (in_b) ++ib;
      in_b = !in_b;
    }
    const bool now = Apply(op, in_a, in_b);
    if (now && !inside) start = x;
    if (!now && inside) PushSpan(out, start, x);
    inside = now;
  }
}

Region Combine(const Region& a, const Region& b, Op op) {
  Region result;
  const auto& ba = a.Bands();
  const auto& bb = b.Bands();
  size_t ia = 0;
  size_t ib = 0;
  int64_t y = INT64_MAX;
  if (!ba.empty()) y = std::min<int64_t>(y, ba.front().top);
  if (!bb.empty()) y = std::min<int64_t>(y, bb.front().top);
  std::vector<Region::Span> out;
  while (ia < ba.size() || ib < bb.size()) {
    while (ia < ba.size() && ba[ia].bottom <= y) ++ia;
    while (ib < bb.size() && bb[ib].bottom <= y) ++ib;
    if (ia == ba.size() && ib == bb.size()) break;
    int64_t next = INT64_MAX;
    std::span<const Region::Span> sa;
    std::span<const Region::Span> sb;
    if (ia < ba.size()) {
      if (ba[ia].top <= y) {
        sa = a.BandSpans(ba[ia]);
        next = std::min<int64_t>(next, ba[ia].bottom);
      } else {
        next = std::min<int64_t>(next, ba[ia].top);
      }
    }
    if (ib < bb.size()) {
      if (bb[ib].top <= y) {
        sb = b.BandSpans(bb[ib]);
        next = std::min<int64_t>(next, bb[ib].bottom);
      } else {
        next = std::min<int64_t>(next, bb[ib].top);
      }
    }
    if (!sa.empty() || !sb.empty()) {
      CombineSpans(sa, sb, op, out);
      result.AppendBand(static_cast<int32_t>(y), static_cast<int32_t>(next), out);
    }
    y = next;
  }
  return result;
}

// Pixel x is inside [xs, xe) when its centre x + 0.5 is.
int32_t FirstPixelAt(double x) {
  const double v = std::ceil(x - 0.5);
  return static_cast<int32_t>(std::clamp(v, -2147483647.0, 2147483647.0));
}

}  // namespace

void Region::AppendBand(int32_t top, int32_t bottom, std::span<const Span> spans) {
  if (top >= bottom || spans.empty()) return;
  if (!bands_.empty()) {
    Band& last = bands_.back();
    if (last.bottom == top && last.count == spans.size() &&
        std::equal(spans.begin(), spans.end(), spans_.begin() + last.first,
                   [](const Span& p, const Span& q) { return p.left == q.left && p.right == q.right; })) {
      last.bottom = bottom;
      return;
    }
  }
  bands_.push_back({top, bottom, static_cast<uint32_t>(spans_.size()), static_cast<uint32_t>(spans.size())});
  spans_.insert(spans_.end(), spans.begin(), spans.end());
}

Region Region::FromRect(const Rect& r) {
  Region region;
  if (r.left < r.right && r.top < r.bottom) {
    const Span span{r.left, r.right};
    region.AppendBand(r.top, r.bottom, std::span<const Span>(&span, 1));
  }
  return region;
}

Region Region::FromRects(const std::vector<Rect>& rects) { return FromRects(std::span<const Rect>(rects)); }

Region Region::FromRects(std::span<const Rect> rects) {
  std::vector<Rect> valid;
  valid.reserve(rects.size());
  for (const Rect& r : rects) {
    if (r.left < r.right && r.top < r.bottom) valid.push_back(r);
  }
  Region region;
  if (valid.empty()) return region;
  std::sort(valid.begin(), valid.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
  std::vector<int32_t> edges;
  edges.reserve(valid.size() * 2);
  for (const Rect& r : valid) {
    edges.push_back(r.top);
    edges.push_back(r.bottom);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<const Rect*> active;
  std::vector<Span> pieces;
  std::vector<Span> spans;
  size_t next_rect = 0;
  for (size_t e = 0; e + 1 < edges.size(); ++e) {
    const int32_t y0 = edges[e];
    const int32_t y1 = edges[e + 1];
    std::erase_if(active, [y0](const Rect* r) { return r->bottom <= y0; });
    while (next_rect < valid.size() && valid[next_rect].top <= y0) active.push_back(&valid[next_rect++]);
    if (active.empty()) continue;
    pieces.clear();
    for (const Rect* r : active) pieces.push_back({r->left, r->right});
    std::sort(pieces.begin(), pieces.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    spans.clear();
    for (const Span& s : pieces) PushSpan(spans, s.left, s.right);
    region.AppendBand(y0, y1, spans);
  }
  return region;
}

Region Region::Polygon(const std::vector<Point>& points) {
  Region region;
  if (points.size() < 3) return region;
  int64_t ymin = points[0].y;
  int64_t ymax = points[0].y;
  for (const Point& p : points) {
    ymin = std::min<int64_t>(ymin, p.y);
    ymax = std::max<int64_t>(ymax, p.y);
  }
  ymin = std::max(ymin, -kCurveRowLimit);
  ymax = std::min(ymax, kCurveRowLimit);

  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  crossings.reserve(points.size());
  std::vector<Span> spans;
  const size_t n = points.size();
  for (int64_t y = ymin; y < ymax; ++y) {
    const double yc = static_cast<double>(y) + 0.5;
    crossings.clear();
    for (size_t i = 0; i < n; ++i) {
      const Point& p = points[i];
      const Point& q = points[(i + 1) % n];
      if (p.y == q.y) continue;
      const double lo = std::min(p.y, q.y);
      const double hi = std::max(p.y, q.y);
      if (yc < lo || yc >= hi) continue;
      const double x = p.x + (yc - p.y) * (static_cast<double>(q.x) - p.x) / (static_cast<double>(q.y) - p.y);
      crossings.push_back({x, q.y > p.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    spans.clear();
    int winding = 0;
    double start = 0;
    for (const Crossing& c : crossings) {
      const int before = winding;
      winding += c.dir;
      if (before == 0 && winding != 0) start = c.x;
      if (before != 0 && winding == 0) PushSpan(spans, FirstPixelAt(start), FirstPixelAt(c.x));
    }
    region.AppendBand(static_cast<int32_t>(y), static_cast<int32_t>(y + 1), spans);
  }
  return region;
}

Region Region::Ellipse(const Rect& box) {
  const int64_t w = std::abs(static_cast<int64_t>(box.right) - box.left);
  const int64_t h = std::abs(static_cast<int64_t>(box.bottom) - box.top);
  return RoundRect(box, static_cast<int32_t>(std::min<int64_t>(w, INT32_MAX)),
                   static_cast<int32_t>(std::min<int64_t>(h, INT32_MAX)));
}

Region Region::RoundRect(const Rect& box, int32_t ew, int32_t eh) {
  Region region;
  const double l = std::min(box.left, box.right);
  const double r = std::max(box.left, box.right);
  const double t = std::min(box.top, box.bottom);
  const double b = std::max(box.top, box.bottom);
  if (l >= r || t >= b) return region;
  const double a = std::min(std::abs(static_cast<double>(ew)), r - l) / 2;
  const double c = std::min(std::abs(static_cast<double>(eh)), b - t) / 2;
  if (a <= 0 || c <= 0) return FromRect({static_cast<int32_t>(l), static_cast<int32_t>(t),
                                         static_cast<int32_t>(r), static_cast<int32_t>(b)});
  const int64_t y0 = std::max<int64_t>(static_cast<int64_t>(t), -kCurveRowLimit);
  const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(b), kCurveRowLimit);
  for (int64_t y = y0; y < y1; ++y) {
    const double yc = static_cast<double>(y) + 0.5;
    double dy = 0;
    if (yc < t + c) dy = t + c - yc;
    else if (yc > b - c) dy = yc - (b - c);
    const double ratio = dy / c;
    if (ratio >= 1) continue;
    const double inset = a - a * std::sqrt(1 - ratio * ratio);
    const Span span{FirstPixelAt(l + inset), FirstPixelAt(r - inset)};
    if (span.left < span.right) {
      region.AppendBand(static_cast<int32_t>(y), static_cast<int32_t>(y + 1), std::span<const Span>(&span, 1));
    }
  }
  return region;
}

Region Region::Union(const Region& other) const { return Combine(*this, other, Op::kUnion); }
Region Region::Intersect(const Region& other) const { return Combine(*this, other, Op::kIntersect); }
Region Region::Xor(const Region& other) const { return Combine(*this, other, Op::kXor); }

std::span<const Region::Span> Region::RowSpans(int32_t y) const {
  auto it = std::upper_bound(bands_.begin(), bands_.end(), y,
                             [](int32_t value, const Band& band) { return value < band.bottom; });
  if (it == bands_.end() || it->top > y) return {};
  return BandSpans(*it);
}

bool Region::Contains(int32_t x, int32_t y) const {
  for (const Span& s : RowSpans(y)) {
    if (x < s.left) return false;
    if (x < s.right) return true;
  }
  return false;
}

bool Region::operator==(const Region& other) const {
  if (bands_.size() != other.bands_.size()) return false;
  for (size_t i = 0; i < bands_.size(); ++i) {
    const Band& p = bands_[i];
    const Band& q = other.bands_[i];
    if (p.top != q.top || p.bottom != q.bottom || p.count != q.count) return false;
    auto sp = BandSpans(p);
    auto sq = other.BandSpans(q);
    for (size_t k = 0; k < sp.size(); ++k) {
      if (sp[k].left != sq[k].left || sp[k].right != sq[k].right) return false;
    }
  }
  return true;
}

}  // namespace kv

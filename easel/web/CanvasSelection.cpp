#include "CanvasSelection.h"

#include <algorithm>
#include <cmath>

namespace easel::web {

namespace {

// Enough for a hit test at any zoom a person uses: the error of a cubic cut
// into 24 chords is far below a pixel for shapes of page size.
constexpr int kStepsPerCurve = 24;

using Polyline = std::vector<AIRealPoint>;

bool flag(const Document& d, ArtRef art, int32_t bit) { return (d.content(art).attributes & bit) != 0; }

AIRealPoint cubicAt(AIRealPoint p0, AIRealPoint c1, AIRealPoint c2, AIRealPoint p3, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
  return {static_cast<AIReal>(a * p0.h + b * c1.h + c * c2.h + e * p3.h),
          static_cast<AIReal>(a * p0.v + b * c1.v + c * c2.v + e * p3.v)};
}

// A path's outline as chords; a closed path ends where it began.
Polyline flatten(const ArtContent& path) {
  Polyline points;
  const auto& s = path.segments;
  if (s.empty()) return points;
  points.push_back(s[0].p);
  const std::size_t curves = path.closed ? s.size() : s.size() - 1;
  for (std::size_t i = 0; i < curves; ++i) {
    const AIPathSegment& from = s[i];
    const AIPathSegment& to = s[(i + 1) % s.size()];
    for (int k = 1; k <= kStepsPerCurve; ++k)
      points.push_back(cubicAt(from.p, from.out, to.in, to.p, static_cast<double>(k) / kStepsPerCurve));
  }
  return points;
}

// Winding number of the closed polyline (closed by its last chord) around p.
int winding(const Polyline& line, AIRealPoint p) {
  int wind = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const AIRealPoint a = line[i], b = line[(i + 1) % line.size()];
    const double side = (static_cast<double>(b.h) - a.h) * (p.v - a.v) - (static_cast<double>(p.h) - a.h) * (b.v - a.v);
    if (a.v <= p.v && b.v > p.v && side > 0) ++wind;
    if (a.v > p.v && b.v <= p.v && side < 0) --wind;
  }
  return wind;
}

double distanceToChord(AIRealPoint a, AIRealPoint b, AIRealPoint p) {
  const double dx = b.h - a.h, dy = b.v - a.v;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.h - a.h) * dx + (p.v - a.v) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(a.h + t * dx - p.h, a.v + t * dy - p.v);
}

bool nearOutline(const Polyline& line, bool closed, AIRealPoint p, double reach) {
  if (line.size() == 1) return distanceToChord(line[0], line[0], p) <= reach;
  for (std::size_t i = 0; i + 1 < line.size(); ++i)
    if (distanceToChord(line[i], line[i + 1], p) <= reach) return true;
  return closed && distanceToChord(line.back(), line.front(), p) <= reach;
}

bool insideBounds(const AIRealRect& r, AIRealPoint p, AIReal tolerance) {
  return p.h >= r.left - tolerance && p.h <= r.right + tolerance && p.v >= r.bottom - tolerance &&
         p.v <= r.top + tolerance;
}

// A path or a compound path's members: filled areas by their fill rule (all
// members together, so holes stay holes), outlines within reach.
bool pathsHit(const Document& d, const std::vector<ArtRef>& paths, const AIPathStyle& style, AIRealPoint p,
              AIReal tolerance) {
  int wind = 0;
  for (ArtRef path : paths) {
    const ArtContent& content = d.content(path);
    const Polyline line = flatten(content);
    if (line.empty()) continue;
    const double reach = tolerance + (content.style->strokePaint ? content.style->stroke.width / 2 : 0);
    if ((content.style->strokePaint || !style.fillPaint) && nearOutline(line, content.closed, p, reach)) return true;
    wind += winding(line, p);
  }
  return style.fillPaint && (style.evenOdd ? (wind % 2) != 0 : wind != 0);
}

bool artHit(const Document& d, ArtRef art, AIRealPoint p, AIReal tolerance) {
  if (flag(d, art, kArtHidden) || flag(d, art, kArtLocked)) return false;
  const ArtType type = d.type(art);
  if (type == ArtType::Group) {
    for (ArtRef child = d.firstChild(art); child; child = d.nextSibling(child))
      if (artHit(d, child, p, tolerance)) return true;
    return false;
  }
  if (!d.hasBounds(art) || !insideBounds(d.bounds(art), p, tolerance + 100)) return false;  // cheap rejection
  if (type == ArtType::CompoundPath) {
    std::vector<ArtRef> members;
    for (ArtRef child = d.firstChild(art); child; child = d.nextSibling(child))
      if (!flag(d, child, kArtHidden)) members.push_back(child);
    return pathsHit(d, members, d.pathStyle(art), p, tolerance);
  }
  if (hasSegments(type)) return pathsHit(d, {art}, d.content(art).style, p, tolerance);
  return insideBounds(d.bounds(art), p, tolerance);
}

bool selected(const Document& d, ArtRef art) { return flag(d, art, kArtSelected); }

// The members of the scope, top first: of a group, or of every visible layer.
template <typename Visit>
void forEachObject(const Document& d, ArtRef scope, Visit visit) {
  if (scope) {
    for (ArtRef object = d.firstChild(scope); object; object = d.nextSibling(object))
      if (!visit(object)) return;
    return;
  }
  for (ArtRef layer = d.firstLayer(); layer; layer = d.nextSibling(layer)) {
    if (flag(d, layer, kArtHidden) || flag(d, layer, kArtLocked)) continue;
    for (ArtRef object = d.firstChild(layer); object; object = d.nextSibling(object))
      if (!visit(object)) return;
  }
}

void collectDeepest(const Document& d, ArtRef art, AIRealPoint p, AIReal tolerance, std::vector<ArtRef>& found) {
  if (flag(d, art, kArtHidden) || flag(d, art, kArtLocked)) return;
  if (d.type(art) != ArtType::Group) {
    if (artHit(d, art, p, tolerance)) found.push_back(art);
    return;
  }
  for (ArtRef child = d.firstChild(art); child; child = d.nextSibling(child))
    collectDeepest(d, child, p, tolerance, found);
}

}  // namespace

ArtRef objectAt(const Document& document, AIRealPoint point, AIReal tolerance, ArtRef scope) {
  ArtRef found;
  forEachObject(document, scope, [&](ArtRef object) {
    if (artHit(document, object, point, tolerance)) found = object;
    return !found;
  });
  return found;
}

std::vector<ArtRef> objectsInRect(const Document& document, AIRealRect rect, ArtRef scope) {
  const AIReal left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right);
  const AIReal bottom = std::min(rect.bottom, rect.top), top = std::max(rect.bottom, rect.top);
  std::vector<ArtRef> objects;
  forEachObject(document, scope, [&](ArtRef object) {
    if (flag(document, object, kArtHidden) || flag(document, object, kArtLocked) || !document.hasBounds(object))
      return true;
    const AIRealRect b = document.bounds(object);
    if (b.left <= right && b.right >= left && b.bottom <= top && b.top >= bottom) objects.push_back(object);
    return true;
  });
  return objects;
}

void clickSelect(Document& document, ArtRef object, bool add) {
  if (!add) {
    document.deselectAll();
    if (object) document.setSelected(object, true);
  } else if (object) {
    document.setSelected(object, !selected(document, object));
  }
}

void marqueeSelect(Document& document, const std::vector<ArtRef>& objects, bool add) {
  if (!add) document.deselectAll();
  for (ArtRef object : objects) document.setSelected(object, true);
}

std::vector<ArtRef> deepestAt(const Document& document, AIRealPoint point, AIReal tolerance) {
  std::vector<ArtRef> found;
  forEachObject(document, {}, [&](ArtRef object) {
    collectDeepest(document, object, point, tolerance, found);
    return true;
  });
  return found;
}

void selectAll(Document& document, ArtRef scope) {
  forEachObject(document, scope, [&](ArtRef object) {
    if (!flag(document, object, kArtHidden) && !flag(document, object, kArtLocked)) document.setSelected(object, true);
    return true;
  });
}

namespace {

// Fills the caller's vector: a function that owns no object to destroy calls
// the document directly, where the WebAssembly build (its exceptions in
// JavaScript) would make each call through a trampoline.
[[gnu::noinline]] void addShownSelection(const Document& document, std::vector<ArtRef>& shown) {
  for (ArtRef art = document.firstLayer(); art; art = document.nextInOrder(art)) {
    const ArtRef parent = document.parent(art);
    if (!parent || !selected(document, art)) continue;
    if (document.parent(parent) && selected(document, parent)) continue;  // shown by its container
    shown.push_back(art);
  }
}

}  // namespace

std::vector<ArtRef> shownSelection(const Document& document) {
  std::vector<ArtRef> shown;
  addShownSelection(document, shown);
  return shown;
}

std::vector<AIRealRect> selectionBounds(const Document& document) {
  std::vector<AIRealRect> boxes;
  for (ArtRef art : shownSelection(document))
    if (document.hasBounds(art)) boxes.push_back(document.bounds(art));
  return boxes;
}

}  // namespace easel::web

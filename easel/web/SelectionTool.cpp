#include "SelectionTool.h"

#include <algorithm>
#include <vector>

#include "CanvasSelection.h"

namespace easel::web {

namespace {

bool flag(const Document& d, ArtRef art, int32_t bit) { return (d.content(art).attributes & bit) != 0; }

// The group above `art` that one may be in: null for a layer.
ArtRef enclosingGroup(const Document& d, ArtRef art) {
  const ArtRef parent = d.parent(art);
  return parent && d.parent(parent) ? parent : ArtRef{};
}

}  // namespace

ArtRef SelectionTool::scope(const Document& document) const {
  if (!document.valid(entered_) || document.type(entered_) != ArtType::Group) return {};
  for (ArtRef art = entered_; art; art = document.parent(art))
    if (flag(document, art, kArtHidden) || flag(document, art, kArtLocked)) return {};
  return document.parent(entered_) ? entered_ : ArtRef{};
}

ArtRef SelectionTool::scopeAt(const Document& document, AIRealPoint point, AIReal tolerance) {
  ArtRef in = scope(document);
  while (in && !objectAt(document, point, tolerance, in)) in = enclosingGroup(document, in);
  entered_ = in;  // a click outside the group entered leaves it
  return in;
}

void SelectionTool::click(Document& document, AIRealPoint point, AIReal tolerance, Pick pick, bool add) {
  switch (pick) {
    case Pick::Top: {
      const ArtRef in = scopeAt(document, point, tolerance);
      clickSelect(document, objectAt(document, point, tolerance, in), add);
      return;
    }
    case Pick::Enter: {
      const ArtRef in = scopeAt(document, point, tolerance);
      const ArtRef hit = objectAt(document, point, tolerance, in);
      if (!hit || document.type(hit) != ArtType::Group) return clickSelect(document, hit, add);
      entered_ = hit;
      clickSelect(document, objectAt(document, point, tolerance, hit), false);
      return;
    }
    case Pick::Deepest: {
      const std::vector<ArtRef> under = deepestAt(document, point, tolerance);
      clickSelect(document, under.empty() ? ArtRef{} : under.front(), add);
      return;
    }
    case Pick::Cycle: {
      const std::vector<ArtRef> under = deepestAt(document, point, tolerance);
      // Below the lowest selected one, back to the top after the bottom.
      const auto lowest =
          std::find_if(under.rbegin(), under.rend(), [&](ArtRef art) { return flag(document, art, kArtSelected); });
      const std::size_t next = lowest == under.rend() ? 0 : static_cast<std::size_t>(under.rend() - lowest);
      clickSelect(document, under.empty() ? ArtRef{} : under[next % under.size()], add);
      return;
    }
  }
}

void SelectionTool::marquee(Document& document, AIRealRect rect, bool add) {
  marqueeSelect(document, objectsInRect(document, rect, scope(document)), add);
}

void SelectionTool::selectAll(Document& document) { easel::web::selectAll(document, scope(document)); }

void SelectionTool::leave(Document& document) {
  const ArtRef in = scope(document);
  document.deselectAll();
  entered_ = {};
  if (!in) return;
  entered_ = enclosingGroup(document, in);
  document.setSelected(in, true);
}

}  // namespace easel::web

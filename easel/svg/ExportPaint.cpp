// The SVG writer's ids, paint, opacity and visibility, and the marks of
// contours: written only where they changed (paint in the element's `style`,
// which wins over presentation attributes and style sheets).
#include <algorithm>
#include <optional>

#include "ColorText.h"
#include "ExportGeometry.h"
#include "ExportValues.h"
#include "Namespaces.h"
#include "Style.h"
#include "SvgExporter.h"

namespace easel::svg::detail {

// id, paint, opacity and visibility of any art.
void Exporter::finish(XmlAttributes& el, ArtRef art, const SvgArtExtra* e, const double* pathScale) {
  const ArtContent& c = doc_.content(art);
  // A layer's name is its label: its id stays as the file has it.
  const bool layer = !doc_.parent(art);
  XmlAttributes::Attribute* idAttribute = el.find("id");
  const std::string id = layer ? std::string(idAttribute ? idAttribute->value() : std::string_view()) : ids_.of(art);
  if (id.empty()) {
    if (idAttribute) el.remove("id");
  } else if (idAttribute) {
    el.set(*idAttribute, id);
  } else {
    el.prepend("id", id);
  }
  if (options_.markAttribute != nullptr) {
    std::string mark = std::to_string(art.bits());
    if (XmlAttributes::Attribute* a = el.find(options_.markAttribute)) el.set(*a, std::move(mark));
    else
      el.appendPlain(options_.markAttribute, std::move(mark));
  }
  Changes changes;
  const PaintChanges paint(*this, art, e);
  if (pathScale) writePaint(el, c.style, paint, *pathScale, e, changes);
  if ((e ? c.opacity != e->opacity : c.opacity != 1) || paint.forced("opacity")) {
    changes.push_back({"opacity", number(c.opacity)});
  }
  const bool hidden = (c.attributes & kArtHidden) != 0;
  if ((e ? hidden != e->hidden : hidden) || (hidden && (paint.forced("display") || paint.forced("visibility")))) {
    changes.push_back({"display", hidden ? "none" : "inline"});
  }
  // Over a value an !important sheet rule set, only !important wins.
  if (e) {
    for (auto& [name, value] : changes) {
      const auto& important = e->importantProperties;
      if (std::find(important.begin(), important.end(), name) != important.end()) value += " !important";
    }
  }
  if (!changes.empty()) setStyle(el, changes);
  if (options_.runs) markContour(el, art, e);
}

// A contour says which run made it, from what and in what order; a copy
// of an earlier contour says it anew.
void Exporter::markContour(XmlAttributes& el, ArtRef art, const SvgArtExtra* e) {
  const std::optional<ContourMark> found = options_.runs->marks.find(art.bits());
  if (!found) return;
  const ContourMark& m = *found;
  setOurs(el, e, "source", m.source);
  setOurs(el, e, "index", std::to_string(m.index));
  setOurs(el, e, "run", m.run);
}

// Whether the art or a container of it is written under another id than
// its element had, so that sheet rules naming that id miss it.
bool Exporter::renamed(ArtRef art) const {
  for (ArtRef a = art; a && doc_.parent(a); a = doc_.parent(a)) {
    const SvgArtExtra* e = extraOf(a);
    if (!e || e->kind != SvgArtExtra::Kind::Element) continue;
    const std::string_view original = e->node.attribute("id").value();
    if (!original.empty() && original != ids_.of(a)) return true;
  }
  return false;
}

Exporter::PaintChanges::PaintChanges(const Exporter& exporter, ArtRef art, const SvgArtExtra* e)
    : e_(e), everything_(!e || exporter.options_.rewriteAll) {
  if (e && exporter.renamed(art)) byId_ = &e->idRuleProperties;
}

bool Exporter::PaintChanges::forced(std::string_view name) const {
  return byId_ && std::find(byId_->begin(), byId_->end(), name) != byId_->end();
}

void Exporter::writePaint(XmlAttributes& el, const AIPathStyle& s, const PaintChanges& paint, double scale,
                          const SvgArtExtra* e, Changes& changes) {
  for (const PaintProperty& p : paintProperties()) {
    if (!paint.written(p, s)) continue;
    const std::string_view name = p.name;
    if (name == "fill") {
      changes.push_back({"fill", paintText(s.fillPaint, s.fill.color)});
      // The alpha of the colour read, which the document's paint has not,
      // goes on in the paint's opacity.
      if (e && e->fillOpacity) changes.push_back({"fill-opacity", number(*e->fillOpacity)});
      exactColorAttribute(el, e, "fill", s.fillPaint, s.fill);
    } else if (name == "stroke") {
      changes.push_back({"stroke", paintText(s.strokePaint, s.stroke.color)});
      if (e && e->strokeOpacity) changes.push_back({"stroke-opacity", number(*e->strokeOpacity)});
      exactColorAttribute(el, e, "stroke", s.strokePaint, s.stroke);
    } else if (name == "fill-rule") {
      changes.push_back({p.name, s.evenOdd ? "evenodd" : "nonzero"});
    } else if (name == "stroke-width") {
      changes.push_back({p.name, floatText(exactPreimage(s.stroke.width, scale))});
    } else if (name == "stroke-dasharray") {
      std::string dashes;
      for (int i = 0; i < std::min<int32_t>(s.stroke.dashCount, kMaxDashComponents); ++i) {
        if (i > 0) dashes += ',';
        dashes += floatText(exactPreimage(s.stroke.dashes[i], scale));
      }
      changes.push_back({p.name, dashes.empty() ? "none" : dashes});
    } else if (name == "stroke-dashoffset") {
      changes.push_back({p.name, floatText(exactPreimage(s.stroke.dashOffset, scale))});
    } else if (name == "stroke-linecap") {
      changes.push_back({p.name, capName(s.stroke.cap)});
    } else if (name == "stroke-linejoin") {
      changes.push_back({p.name, joinName(s.stroke.join)});
    } else {
      changes.push_back({p.name, number(s.stroke.miterLimit)});
    }
  }
}

std::string Exporter::paintText(bool paints, const AIColor& color) const {
  if (!paints || color.kind == kNoneColor) return "none";
  if (color.kind == kGradient || color.kind == kPattern) {
    const int32_t ref = color.c.ref.reference;
    if (source_ && ref >= 0 && static_cast<std::size_t>(ref) < source_->paintIds.size()) {
      return "url(#" + source_->paintIds[static_cast<std::size_t>(ref)] + ")";
    }
    return "none";
  }
  return hexColor(displayColor(color));
}

// contour:fill-color and contour:fill-overprint (and the stroke's): set
// when the colour needs them, removed when it no longer does.
template <class PaintStyle>
void Exporter::exactColorAttribute(XmlAttributes& el, const SvgArtExtra* e, const std::string& what, bool paints,
                                   const PaintStyle& paint) {
  setOurs(el, e, what + "-color", paints ? exactColorText(paint.color) : std::string());
  setOurs(el, e, what + "-overprint", paint.overprint ? "1" : "");
}

void Exporter::setOurs(XmlAttributes& el, const SvgArtExtra* e, std::string_view local, std::string value) {
  const std::string name = contourPrefix_ + std::string(local);
  // The file may have it under another prefix of ours: that one goes.
  el.removeIf([&](const XmlAttributes::Attribute& a) {
    return a.name != name && e && a.from >= 0 && localName(a.name) == local &&
           attributeIsIn(e->node, a.name, kContourNamespace);
  });
  if (value.empty()) {
    el.remove(name);
  } else if (XmlAttributes::Attribute* a = el.find(name)) {
    el.set(*a, std::move(value));
  } else {
    el.append(name, std::move(value));
  }
}

// Changed properties go into `style` (which wins over presentation
// attributes and style sheets); a presentation attribute of the same name
// goes, so the element says one thing.
void Exporter::setStyle(XmlAttributes& el, const Changes& changes) {
  std::vector<Declaration> declarations;
  if (const XmlAttributes::Attribute* style = el.find("style")) {
    try {
      declarations = parseStyle(style->value());
    } catch (const std::exception&) {
      declarations.clear();  // unreadable: replaced by what we know
    }
  }
  for (const auto& change : changes) {
    const std::string& name = change.first;
    el.remove(name);
    auto it = std::find_if(declarations.begin(), declarations.end(),
                           [&](const Declaration& d) { return d.property == name; });
    if (it != declarations.end()) {
      it->value = change.second;
    } else {
      declarations.push_back({name, change.second, 0});
    }
  }
  if (XmlAttributes::Attribute* style = el.find("style")) {
    el.set(*style, writeStyle(declarations));
  } else {
    el.append("style", writeStyle(declarations));
  }
}

}  // namespace easel::svg::detail

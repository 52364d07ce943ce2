#include "SvgExport.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "ColorText.h"
#include "FloatText.h"
#include "ArtCompare.h"
#include "PathData.h"
#include "Style.h"
#include "SvgError.h"
#include "SvgXml.h"

namespace easel::svg {

namespace {

Affine toAffine(const AIRealMatrix& m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }

// The float that `scale` maps back onto `target` when the reader multiplies
// and rounds (the nearest quotient, or a neighbour when rounding moved it),
// so that widths read back exactly.
float exactPreimage(float target, double scale) {
  if (!(scale > 0)) return target;
  const float guess = static_cast<float>(target / scale);
  for (float f : {guess, std::nextafter(guess, -INFINITY), std::nextafter(guess, INFINITY)}) {
    if (static_cast<float>(f * scale) == target) return f;
  }
  return guess;
}

// The point of the element's user space (float-valued) that the reader's
// mapping `local` takes onto the artwork point `p` exactly, trying the
// floats next to the inverse's answer; the inverse's answer when none does.
Vec2 exactPreimage(const AIRealPoint& p, const Affine& local, const Affine& inverse) {
  const Vec2 guess = inverse.apply({p.h, p.v});
  const float gx = static_cast<float>(guess.x), gy = static_cast<float>(guess.y);
  const float xs[] = {gx, std::nextafter(gx, -INFINITY), std::nextafter(gx, INFINITY)};
  const float ys[] = {gy, std::nextafter(gy, -INFINITY), std::nextafter(gy, INFINITY)};
  for (float y : ys) {
    for (float x : xs) {
      const Vec2 back = local.apply({x, y});
      if (static_cast<float>(back.x) == p.h && static_cast<float>(back.y) == p.v) return {x, y};
    }
  }
  return {gx, gy};
}

// A path of the document in an element's user space.
Subpath toLocalSubpath(const std::vector<AIPathSegment>& segments, bool closed, const Affine& local,
                       const Affine& inverse) {
  Subpath s;
  s.closed = closed;
  for (const AIPathSegment& g : segments) {
    s.anchors.push_back({exactPreimage(g.p, local, inverse), exactPreimage(g.in, local, inverse),
                         exactPreimage(g.out, local, inverse)});
  }
  return s;
}

// The attributes that hold a basic shape's geometry: a shape written as a
// path drops them.
bool isGeometryAttribute(std::string_view name) {
  static constexpr std::string_view kNames[] = {"d",  "x", "y",  "width", "height", "rx", "ry",    "cx",
                                                "cy", "r", "x1", "y1",    "x2",     "y2", "points"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

const char* capName(int32_t cap) { return cap == 1 ? "round" : cap == 2 ? "square" : "butt"; }
const char* joinName(int32_t join) { return join == 1 ? "round" : join == 2 ? "bevel" : "miter"; }

std::string number(double v) { return floatText(static_cast<float>(v)); }

std::string matrixText(const Affine& m) {
  return "matrix(" + number(m.a) + "," + number(m.b) + "," + number(m.c) + "," + number(m.d) + "," + number(m.e) + "," +
         number(m.f) + ")";
}

class Exporter {
 public:
  Exporter(const Document& doc, const SvgSource* source, const ExportOptions& options)
      : doc_(doc), source_(source), options_(options) {
    contourPrefix_ = source ? source->contourPrefix : std::string(kContourPrefix) + ":";
    if (source) fileIds_ = source->ids;
    if (options.runs) {
      for (const std::string& id : options.runs->freedIds) fileIds_.erase(id);
    }
  }

  std::string run() {
    claimOriginalIds();
    assignIds();
    pugi::xml_node root;
    if (source_) {
      for (pugi::xml_node n : source_->xml.children()) {
        if (n == source_->root) {
          root = out_.append_child(n.name());
          for (pugi::xml_attribute a : n.attributes()) root.append_attribute(a.name()) = a.value();
        } else {
          out_.append_copy(n);
        }
      }
    } else {
      pugi::xml_node decl = out_.append_child(pugi::node_declaration);
      decl.append_attribute("version") = "1.0";
      decl.append_attribute("encoding") = "UTF-8";
      root = out_.append_child("svg");
      root.append_attribute("xmlns") = kSvgNamespace;
      root.append_attribute("version") = "1.1";
      const std::string w = number(doc_.pageWidth()), h = number(doc_.pageHeight());
      root.append_attribute("width") = (w + "pt").c_str();
      root.append_attribute("height") = (h + "pt").c_str();
      root.append_attribute("viewBox") = ("0 0 " + w + " " + h).c_str();
    }
    std::vector<ArtRef> layers;
    for (ArtRef l = doc_.firstLayer(); l; l = doc_.nextSibling(l)) layers.push_back(l);
    std::reverse(layers.begin(), layers.end());  // the file paints the bottom first
    static const std::vector<SourceItem> kNone;
    writeItems(root, source_ ? source_->rootItems : kNone, layers, rootFrame());
    if (options_.runs &&
        writeRunEdits(root, *options_.runs, source_ ? source_->svgPrefix : std::string(), contourPrefix_))
      usedContourNamespace_ = true;
    declareContourNamespace(root);
    // The nodes around the root (declaration, doctype, comments) one to a
    // line, as the file had them; inside the root, the file's own spacing.
    const unsigned format = source_ ? pugi::format_raw : pugi::format_indent;
    std::ostringstream text;
    for (pugi::xml_node n : out_.children()) {
      n.print(text, "", format, pugi::encoding_utf8);
      if (source_) text << '\n';
    }
    return text.str();
  }

  // Each object's element alone (with its members), inside a root that
  // declares the file's namespaces.
  std::string fragments(std::span<const ArtRef> arts) {
    claimOriginalIds();
    assignIds();
    pugi::xml_node root = out_.append_child(source_ ? source_->root.name() : "svg");
    if (source_) {
      for (pugi::xml_attribute a : source_->root.attributes())
        if (std::string_view(a.name()).starts_with("xmlns")) root.append_attribute(a.name()) = a.value();
    } else {
      root.append_attribute("xmlns") = kSvgNamespace;
    }
    for (ArtRef art : arts) writeArt(root, art, frameOf(art));
    declareContourNamespace(root);
    std::ostringstream text;
    root.print(text, "", pugi::format_raw, pugi::encoding_utf8);
    return text.str();
  }

 private:
  // The extra of art read from this source; null for art made otherwise.
  const SvgArtExtra* extraOf(ArtRef art) const {
    const auto* e = dynamic_cast<const SvgArtExtra*>(doc_.content(art).extra.get());
    return e && source_ && e->source.get() == source_ ? e : nullptr;
  }

  // What maps the root's user space to the page.
  Affine rootFrame() const {
    return source_ ? source_->rootToDoc : Affine{1, 0, 0, -1, 0, static_cast<double>(doc_.pageHeight())};
  }

  // What maps the user space of the element that holds `art` to the page.
  Affine frameOf(ArtRef art) const {
    std::vector<ArtRef> containers;
    for (ArtRef p = doc_.parent(art); p; p = doc_.parent(p)) containers.push_back(p);
    Affine frame = rootFrame();
    for (auto c = containers.rbegin(); c != containers.rend(); ++c) {
      const SvgArtExtra* e = extraOf(*c);
      if (e && e->kind != SvgArtExtra::Kind::LooseArt) frame = frame * e->transform;
    }
    return frame;
  }

  void declareContourNamespace(pugi::xml_node root) {
    if (usedContourNamespace_ && prefixFor(root, kContourNamespace, "").empty()) {
      const std::string prefix = contourPrefix_.substr(0, contourPrefix_.size() - 1);
      root.append_attribute(("xmlns:" + prefix).c_str()) = kContourNamespace;
    }
  }

  std::vector<ArtRef> childrenInFileOrder(ArtRef art) const {
    std::vector<ArtRef> out;
    for (ArtRef c = doc_.lastChild(art); c; c = doc_.previousSibling(c)) out.push_back(c);
    return out;
  }

  // --- Ids ---------------------------------------------------------------------
  bool geometryAsImported(ArtRef art, const SvgArtExtra& e) const {
    const ArtContent& c = doc_.content(art);
    if (c.type == ArtType::Path) {
      if (e.segments.empty()) return c.segments.empty();
      return e.segments.size() == 1 && sameSegments(c.segments, e.segments[0]) && c.closed == e.closed[0];
    }
    if (c.type == ArtType::CompoundPath) {
      std::size_t i = 0;
      for (ArtRef m = doc_.firstChild(art); m; m = doc_.nextSibling(m), ++i) {
        const ArtContent& mc = doc_.content(m);
        if (i >= e.segments.size() || !sameSegments(mc.segments, e.segments[i]) || mc.closed != e.closed[i]) {
          return false;
        }
      }
      return i == e.segments.size();
    }
    if (hasMatrix(c.type)) return sameMatrix(c.matrix, e.matrix);
    return true;
  }

  // The art that was imported keeps its id whatever its copies look like;
  // found first so that copies written before it (below it) do not take it.
  void claimOriginalIds() {
    for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
      const std::string& name = doc_.content(a).name;
      const SvgArtExtra* e = extraOf(a);
      if (!doc_.parent(a) || name.empty() || !e || e->kind != SvgArtExtra::Kind::Element) continue;
      if (std::string_view(e->node.attribute("id").value()) != name) continue;
      if (e->original == a && !claimed_.count(name)) claimed_.emplace(name, a);
    }
  }

  // The claimed original keeps its id; with none claimed, the first in
  // document order takes it; the others get "-1", "-2", ... in document order
  // (from the top of the stack down), skipping every id of the file.
  void assignIds() {
    for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
      const std::string& name = doc_.content(a).name;
      if (!doc_.parent(a) || name.empty()) continue;
      const auto claim = claimed_.find(name);
      const bool mayTake = claim != claimed_.end() ? claim->second == a : !taken_.count(name);
      if (mayTake) {
        taken_.insert(name);
        ids_[a.bits()] = name;
      }
    }
    for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
      const std::string& name = doc_.content(a).name;
      if (!doc_.parent(a) || name.empty() || ids_.count(a.bits())) continue;
      int& n = nextSuffix_[name];
      std::string id;
      do {
        id = name + "-" + std::to_string(++n);
      } while (fileIds_.count(id) || taken_.count(id));
      taken_.insert(id);
      ids_[a.bits()] = id;
    }
  }

  std::string idFor(ArtRef art) const {
    const auto found = ids_.find(art.bits());
    return found == ids_.end() ? std::string() : found->second;
  }

  // --- Containers ----------------------------------------------------------------
  // The children of a container: the file's elements that are not art go
  // back before the first art that followed them in the file (or at the end
  // when none of that art is left).
  void writeItems(pugi::xml_node parent, const std::vector<SourceItem>& items, const std::vector<ArtRef>& children,
                  const Affine& frame) {
    std::set<const SvgArtExtra*> present;
    for (ArtRef c : children) present.insert(extraOf(c));
    std::map<const SvgArtExtra*, std::vector<pugi::xml_node>> before;
    std::vector<pugi::xml_node> pending;
    for (const SourceItem& item : items) {
      if (item.raw) {
        pending.push_back(item.raw);
      } else if (present.count(item.art)) {
        auto& list = before[item.art];
        list.insert(list.end(), pending.begin(), pending.end());
        pending.clear();
      }
    }
    for (ArtRef c : children) {
      const auto found = before.find(extraOf(c));
      if (found != before.end()) {
        for (pugi::xml_node raw : found->second) parent.append_copy(raw);
        before.erase(found);
      }
      writeArt(parent, c, frame);
    }
    for (pugi::xml_node raw : pending) parent.append_copy(raw);
  }

  void writeArt(pugi::xml_node parent, ArtRef art, const Affine& frame) {
    const ArtContent& c = doc_.content(art);
    const SvgArtExtra* e = extraOf(art);
    switch (c.type) {
      case ArtType::Group: {
        if (e && e->kind == SvgArtExtra::Kind::LooseArt) {
          writeItems(parent, e->items, childrenInFileOrder(art), frame);
          return;
        }
        pugi::xml_node el = e ? copyElement(parent, e->node, false) : parent.append_child("g");
        static const std::vector<SourceItem> kNone;
        writeItems(el, e ? e->items : kNone, childrenInFileOrder(art), frame * (e ? e->transform : Affine{}));
        finish(el, art, e, nullptr);
        return;
      }
      case ArtType::Path:
      case ArtType::CompoundPath: writePath(parent, art, frame, e); return;
      default:
        if (e && hasMatrix(c.type)) writeMatrixArt(parent, art, frame, *e);
        // Other art without an element of the file has nothing SVG can show.
        return;
    }
  }

  pugi::xml_node copyElement(pugi::xml_node parent, pugi::xml_node original, bool withChildren) {
    pugi::xml_node el = parent.append_child(original.name());
    for (pugi::xml_attribute a : original.attributes()) el.append_attribute(a.name()) = a.value();
    if (withChildren) {
      for (pugi::xml_node c : original.children()) el.append_copy(c);
    }
    return el;
  }

  // --- Paths -------------------------------------------------------------------
  // The art's subpaths in the user space that `local` maps to the page.
  PathGeometry localGeometry(ArtRef art, const Affine& local) const {
    // A singular transform shows nothing; its art is written untransformed.
    const bool invertible = local.determinant() != 0;
    const Affine forward = invertible ? local : Affine{};
    const Affine inverse = forward.inverse();
    const ArtContent& c = doc_.content(art);
    PathGeometry g;
    if (c.type == ArtType::Path) {
      if (!c.segments.empty()) g.push_back(toLocalSubpath(c.segments, c.closed, forward, inverse));
    } else {
      for (ArtRef m = doc_.firstChild(art); m; m = doc_.nextSibling(m)) {
        const ArtContent& mc = doc_.content(m);
        if (!mc.segments.empty()) g.push_back(toLocalSubpath(mc.segments, mc.closed, forward, inverse));
      }
    }
    return g;
  }

  void writePath(pugi::xml_node parent, ArtRef art, const Affine& frame, const SvgArtExtra* e) {
    const Affine local = frame * (e ? e->transform : Affine{});
    const bool keepGeometry = e && !options_.rewriteAll && e->parentToDoc == frame && geometryAsImported(art, *e);
    pugi::xml_node el;
    if (keepGeometry) {
      el = copyElement(parent, e->node, true);
    } else {
      const std::string d = writePathData(localGeometry(art, local));
      el = parent.append_child("path");
      bool wroteD = false;
      if (e) {
        for (pugi::xml_attribute a : e->node.attributes()) {
          if (!isGeometryAttribute(a.name())) {
            el.append_attribute(a.name()) = a.value();
          } else if (!wroteD) {
            el.append_attribute("d") = d.c_str();  // where the geometry was
            wroteD = true;
          }
        }
        for (pugi::xml_node c : e->node.children()) el.append_copy(c);
      }
      if (!wroteD) el.append_attribute("d") = d.c_str();
    }
    const double scale = std::sqrt(std::abs(local.determinant()));
    finish(el, art, e, &scale);
  }

  // id, paint, opacity and visibility of any art.
  void finish(pugi::xml_node el, ArtRef art, const SvgArtExtra* e, const double* pathScale) {
    const ArtContent& c = doc_.content(art);
    // A layer's name is its label: its id stays as the file has it.
    const bool layer = !doc_.parent(art);
    const std::string id = layer ? std::string(el.attribute("id").value()) : idFor(art);
    pugi::xml_attribute idAttribute = el.attribute("id");
    if (id.empty()) {
      if (idAttribute) el.remove_attribute(idAttribute);
    } else if (idAttribute) {
      idAttribute = id.c_str();
    } else {
      el.prepend_attribute("id") = id.c_str();
    }
    if (options_.markAttribute != nullptr) {
      pugi::xml_attribute mark = el.attribute(options_.markAttribute);
      (mark ? mark : el.append_attribute(options_.markAttribute)) = std::to_string(art.bits()).c_str();
    }
    std::vector<std::pair<std::string, std::string>> changes;
    const bool everything = !e || options_.rewriteAll;
    // Values that a sheet rule gave through the source's id do not reach a
    // copy under a new id: the copy says them itself.
    static const std::vector<std::string> kNoNames;
    const std::vector<std::string>& byId = e && renamed(art) ? e->idRuleProperties : kNoNames;
    const auto forced = [&](std::string_view name) { return std::find(byId.begin(), byId.end(), name) != byId.end(); };
    if (pathScale) writePaint(el, c.style, e, everything, forced, *pathScale, changes);
    if ((e ? c.opacity != e->opacity : c.opacity != 1) || forced("opacity")) {
      changes.push_back({"opacity", number(c.opacity)});
    }
    const bool hidden = (c.attributes & kArtHidden) != 0;
    if ((e ? hidden != e->hidden : hidden) || (hidden && (forced("display") || forced("visibility")))) {
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
    if (options_.runs) markContour(el, art);
  }

  // A contour says which run made it, from what and in what order; a copy
  // of an earlier contour says it anew.
  void markContour(pugi::xml_node el, ArtRef art) {
    const auto found = options_.runs->marks.find(art.bits());
    if (found == options_.runs->marks.end()) return;
    const ContourMark& m = found->second;
    setOrRemove(el, contourPrefix_ + "source", m.source);
    setOrRemove(el, contourPrefix_ + "index", std::to_string(m.index));
    setOrRemove(el, contourPrefix_ + "run", m.run);
  }

  // Whether the art or a container of it is written under another id than
  // its element had, so that sheet rules naming that id miss it.
  bool renamed(ArtRef art) const {
    for (ArtRef a = art; a && doc_.parent(a); a = doc_.parent(a)) {
      const SvgArtExtra* e = extraOf(a);
      if (!e || e->kind != SvgArtExtra::Kind::Element) continue;
      const std::string_view original = e->node.attribute("id").value();
      if (!original.empty() && original != idFor(a)) return true;
    }
    return false;
  }

  template <class Forced>
  void writePaint(pugi::xml_node el, const AIPathStyle& s, const SvgArtExtra* e, bool everything, const Forced& forced,
                  double scale, std::vector<std::pair<std::string, std::string>>& changes) {
    for (const PaintProperty& p : paintProperties()) {
      if (!everything && p.same(s, e->style) && !forced(p.name)) continue;
      const std::string_view name = p.name;
      if (name == "fill") {
        changes.push_back({"fill", paintText(s.fillPaint, s.fill.color)});
        exactColorAttribute(el, "fill", s.fillPaint, s.fill);
      } else if (name == "stroke") {
        changes.push_back({"stroke", paintText(s.strokePaint, s.stroke.color)});
        exactColorAttribute(el, "stroke", s.strokePaint, s.stroke);
      } else if (name == "fill-rule") {
        changes.push_back({p.name, s.evenOdd ? "evenodd" : "nonzero"});
      } else if (name == "stroke-width") {
        changes.push_back({p.name, floatText(exactPreimage(s.stroke.width, scale))});
      } else if (name == "stroke-dasharray") {
        std::string dashes;
        for (int i = 0; i < std::min<int32_t>(s.stroke.dashCount, kMaxDashComponents); ++i) {
          dashes += (i ? "," : "") + floatText(exactPreimage(s.stroke.dashes[i], scale));
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

  std::string paintText(bool paints, const AIColor& color) const {
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
  void exactColorAttribute(pugi::xml_node el, const std::string& what, bool paints, const PaintStyle& paint) {
    const std::string exact = paints ? exactColorText(paint.color) : std::string();
    setOrRemove(el, contourPrefix_ + what + "-color", exact);
    setOrRemove(el, contourPrefix_ + what + "-overprint", paint.overprint ? "1" : "");
  }

  void setOrRemove(pugi::xml_node el, const std::string& name, const std::string& value) {
    pugi::xml_attribute a = el.attribute(name.c_str());
    if (value.empty()) {
      if (a) el.remove_attribute(a);
      return;
    }
    if (!a) a = el.append_attribute(name.c_str());
    a = value.c_str();
    usedContourNamespace_ = true;
  }

  // Changed properties go into `style` (which wins over presentation
  // attributes and style sheets); a presentation attribute of the same name
  // goes, so the element says one thing.
  void setStyle(pugi::xml_node el, const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<Declaration> declarations;
    pugi::xml_attribute style = el.attribute("style");
    if (style) {
      try {
        declarations = parseStyle(style.value());
      } catch (const std::exception&) {
        declarations.clear();  // unreadable: replaced by what we know
      }
    }
    for (const auto& change : changes) {
      const std::string& name = change.first;
      if (pugi::xml_attribute a = el.attribute(name.c_str())) el.remove_attribute(a);
      auto it = std::find_if(declarations.begin(), declarations.end(),
                             [&](const Declaration& d) { return d.property == name; });
      if (it != declarations.end()) {
        it->value = change.second;
      } else {
        declarations.push_back({name, change.second, 0});
      }
    }
    if (!style) style = el.append_attribute("style");
    style = writeStyle(declarations).c_str();
  }

  // --- Text, images, symbols -------------------------------------------------------
  void writeMatrixArt(pugi::xml_node parent, ArtRef art, const Affine& frame, const SvgArtExtra& e) {
    const ArtContent& c = doc_.content(art);
    pugi::xml_node el = parent.append_copy(e.node);
    if (!sameMatrix(c.matrix, e.matrix) || !(e.parentToDoc == frame)) {
      // The change the document made, in page coordinates, carried into the
      // element's own transform.
      const Affine before = toAffine(e.matrix);
      const Affine change = toAffine(c.matrix) * (before.determinant() != 0 ? before.inverse() : Affine{});
      const Affine inverseFrame = frame.determinant() != 0 ? frame.inverse() : Affine{};
      const Affine transform = inverseFrame * change * e.parentToDoc * e.transform;
      pugi::xml_attribute t = el.attribute("transform");
      if (!t) t = el.append_attribute("transform");
      t = matrixText(transform).c_str();
    }
    finish(el, art, &e, nullptr);
  }

  const Document& doc_;
  const SvgSource* source_;
  ExportOptions options_;
  pugi::xml_document out_;
  std::string contourPrefix_;
  bool usedContourNamespace_ = false;
  std::set<std::string> fileIds_;
  std::set<std::string> taken_;
  std::map<std::string, ArtRef> claimed_;
  std::map<std::string, int> nextSuffix_;
  std::map<uintptr_t, std::string> ids_;
};

}  // namespace

std::string exportSvg(const Document& document, const SvgSource* source, const ExportOptions& options) {
  return Exporter(document, source, options).run();
}

std::string exportArtElements(const Document& document, const SvgSource* source, std::span<const ArtRef> art,
                              const ExportOptions& options) {
  return Exporter(document, source, options).fragments(art);
}

}  // namespace easel::svg

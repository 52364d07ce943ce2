#include "SvgExport.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ArtCompare.h"

#include "ColorText.h"
#include "ExportGeometry.h"
#include "ExportIds.h"
#include "ExportValues.h"
#include "PathData.h"
#include "Style.h"
#include "SubpathDigest.h"
#include "SvgError.h"
#include "SvgXml.h"
#include "XmlOut.h"

namespace easel::svg {

namespace {

// The attributes that hold a basic shape's geometry: a shape written as a
// path drops them.
bool isGeometryAttribute(std::string_view name) {
  static constexpr std::string_view kNames[] = {"d",  "x", "y",  "width", "height", "rx", "ry",    "cx",
                                                "cy", "r", "x1", "y1",    "x2",     "y2", "points"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

const PaintProperty& paintProperty(std::string_view name) {
  const std::span<const PaintProperty> all = paintProperties();
  return *std::find_if(all.begin(), all.end(), [&](const PaintProperty& p) { return p.name == name; });
}

class Exporter {
 public:
  Exporter(const Document& doc, const SvgSource* source, const ExportOptions& options)
      : doc_(doc),
        source_(source),
        options_(options),
        ids_(doc, source, options.runs ? options.runs->freedIds : std::set<std::string>()) {
    contourPrefix_ = source ? source->contourPrefix : std::string(kContourPrefix) + ":";
  }

  // Writes to `sink` as it goes (the size in *written); with no sink,
  // returns the text.
  std::string run(std::ostream* sink, std::size_t* written) {
    XmlAttributes rootAttributes = source_ ? XmlAttributes::of(source_->root) : newRootAttributes();
    declareNamespace(rootAttributes);
    XmlOut out(sink, source_ ? XmlOut::Layout::Raw : XmlOut::Layout::Indented);
    out_ = &out;
    startRecords();
    if (source_) {
      // The nodes around the root (declaration, doctype, comments) one to a
      // line, as the file had them; inside the root, the file's own spacing.
      for (pugi::xml_node n : source_->xml.children()) {
        if (n == source_->root) {
          writeRoot(rootAttributes);
        } else {
          out.node(n);
        }
        out.text("\n");
      }
    } else {
      out.text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
      writeRoot(rootAttributes);
    }
    out.flush();
    if (written) *written = out.written();
    return out.take();
  }

  // Each object's element alone (with its members), inside a root that
  // declares the file's namespaces.
  std::string fragments(std::span<const ArtRef> arts) {
    XmlAttributes root;
    if (source_) {
      const XmlAttributes file = XmlAttributes::of(source_->root);
      for (const XmlAttributes::Attribute& a : file.list())
        if (a.name.starts_with("xmlns")) root.append(a.name, std::string(a.value()));
    } else {
      root.append("xmlns", std::string(kSvgNamespace));
    }
    const bool declared = std::any_of(root.list().begin(), root.list().end(), [](const auto& a) {
      return a.name.starts_with("xmlns:") && a.value() == kContourNamespace;
    });
    if (!declared && std::any_of(arts.begin(), arts.end(), [&](ArtRef a) { return writesContourAttribute(a); }))
      root.append("xmlns:" + prefixName(), std::string(kContourNamespace));
    XmlOut out(nullptr, XmlOut::Layout::Raw);
    out_ = &out;
    out.startElement(rootName(), root);
    for (ArtRef art : arts) writeArt(art, frameOf(art));
    out.endElement(rootName());
    out.flush();
    return out.take();
  }

 private:
  XmlAttributes newRootAttributes() const {
    XmlAttributes a;
    const std::string w = number(doc_.pageWidth()), h = number(doc_.pageHeight());
    a.append("xmlns", std::string(kSvgNamespace));
    a.append("version", std::string("1.1"));
    a.append("width", w + "pt");
    a.append("height", h + "pt");
    a.append("viewBox", "0 0 " + w + " " + h);
    return a;
  }

  std::string_view rootName() const { return source_ ? std::string_view(source_->root.name()) : "svg"; }

  void startRecords() {
    records_.reset();
    if (options_.runs) {
      records_.emplace(source_, *options_.runs, source_ ? source_->svgPrefix : std::string(), contourPrefix_);
    }
  }

  // The root declares our namespace when anything written uses it (found
  // from the art), and no longer does when the run records that go were all
  // that used it.
  void declareNamespace(XmlAttributes& root) {
    const bool declared = std::any_of(root.list().begin(), root.list().end(), [](const auto& a) {
      return a.name.starts_with("xmlns:") && a.value() == kContourNamespace;
    });
    startRecords();
    if (records_ && records_->mayDropDeclaration() && root.find(records_->declarationName())) {
      // Whether anything else uses it: a first pass that writes nothing looks.
      XmlOut probe = XmlOut::probe(contourPrefix_);
      out_ = &probe;
      writeRoot(root);
      if (!probe.sawPrefix()) root.remove(records_->declarationName());
      return;
    }
    if (declared) return;
    bool used = records_ && records_->addsRecords();
    for (ArtRef l = doc_.firstLayer(); l && !used; l = doc_.nextSibling(l)) used = writesContourAttribute(l);
    if (used) root.append("xmlns:" + prefixName(), std::string(kContourNamespace));
  }

  // Whether the art, as writeArt() writes it, or any art inside carries an
  // attribute in our namespace: a contour's mark or an exact colour.
  bool writesContourAttribute(ArtRef art) const {
    const ArtContent& c = doc_.content(art);
    const SvgArtExtra* e = extraOf(art);
    const bool marked = options_.runs && options_.runs->marks.count(art.bits());
    switch (c.type) {
      case ArtType::Group: {
        if (marked && !(e && e->kind == SvgArtExtra::Kind::LooseArt)) return true;
        for (ArtRef child = doc_.firstChild(art); child; child = doc_.nextSibling(child)) {
          if (writesContourAttribute(child)) return true;
        }
        return false;
      }
      case ArtType::Path:
      case ArtType::CompoundPath: {
        if (marked) return true;
        const AIPathStyle& s = c.style;
        const PaintChanges changes(*this, art, e);
        return (changes.written(paintProperty("fill"), s) && needsExactColor(s.fillPaint, s.fill)) ||
               (changes.written(paintProperty("stroke"), s) && needsExactColor(s.strokePaint, s.stroke));
      }
      default: return marked && e && hasMatrix(c.type);
    }
  }

  std::string prefixName() const { return contourPrefix_.substr(0, contourPrefix_.size() - 1); }

  void writeRoot(const XmlAttributes& attributes) {
    out_->startElement(rootName(), attributes);
    std::vector<ArtRef> layers;
    for (ArtRef l = doc_.firstLayer(); l; l = doc_.nextSibling(l)) layers.push_back(l);
    std::reverse(layers.begin(), layers.end());  // the file paints the bottom first
    static const std::vector<SourceItem> kNone;
    writeItems(source_ ? source_->rootItems : kNone, layers, rootFrame());
    if (records_) records_->finish(*out_);
    out_->endElement(rootName());
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

  // An element of the file kept as it is (its run records edited).
  void writeKept(pugi::xml_node node) {
    if (records_) {
      records_->write(*out_, node);
    } else {
      out_->node(node);
    }
  }

  void writeKeptChildren(pugi::xml_node node) {
    for (pugi::xml_node c : node.children()) writeKept(c);
  }

  const SvgArtExtra* extraOf(ArtRef art) const { return extraFrom(doc_, art, source_); }

  std::vector<ArtRef> childrenInFileOrder(ArtRef art) const {
    std::vector<ArtRef> out;
    for (ArtRef c = doc_.lastChild(art); c; c = doc_.previousSibling(c)) out.push_back(c);
    return out;
  }

  // The stamp answers for art nothing changed (or undo put back); the digest
  // for a path changed and then given its imported value again.
  bool subpathAsImported(ArtRef path, const SvgArtExtra::ImportedSubpath& imported) const {
    if (doc_.geometryStamp(path) == imported.stamp) return true;
    const ArtContent& c = doc_.content(path);
    return subpathDigest(c.segments, c.closed) == imported.digest;
  }

  bool geometryAsImported(ArtRef art, const SvgArtExtra& e) const {
    const ArtContent& c = doc_.content(art);
    if (c.type == ArtType::Path) {
      if (e.subpaths.empty()) return c.segments.empty();
      return e.subpaths.size() == 1 && subpathAsImported(art, e.subpaths[0]);
    }
    if (c.type == ArtType::CompoundPath) {
      std::size_t i = 0;
      for (ArtRef m = doc_.firstChild(art); m; m = doc_.nextSibling(m), ++i) {
        if (i >= e.subpaths.size() || !subpathAsImported(m, e.subpaths[i])) return false;
      }
      return i == e.subpaths.size();
    }
    if (hasMatrix(c.type)) return sameMatrix(c.placement->matrix, e.matrix);
    return true;
  }

  // --- Containers ----------------------------------------------------------------
  // The children of a container: the file's elements that are not art go
  // back before the first art that followed them in the file (or at the end
  // when none of that art is left).
  void writeItems(const std::vector<SourceItem>& items, const std::vector<ArtRef>& children, const Affine& frame) {
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
        for (pugi::xml_node raw : found->second) writeKept(raw);
        before.erase(found);
      }
      writeArt(c, frame);
    }
    for (pugi::xml_node raw : pending) writeKept(raw);
  }

  void writeArt(ArtRef art, const Affine& frame) {
    const ArtContent& c = doc_.content(art);
    const SvgArtExtra* e = extraOf(art);
    switch (c.type) {
      case ArtType::Group: {
        if (e && e->kind == SvgArtExtra::Kind::LooseArt) {
          writeItems(e->items, childrenInFileOrder(art), frame);
          return;
        }
        XmlAttributes el = e ? XmlAttributes::of(e->node) : XmlAttributes();
        const std::string_view name = e ? std::string_view(e->node.name()) : "g";
        finish(el, art, e, nullptr);
        out_->startElement(name, el);
        static const std::vector<SourceItem> kNone;
        writeItems(e ? e->items : kNone, childrenInFileOrder(art), frame * (e ? e->transform : Affine{}));
        out_->endElement(name);
        return;
      }
      case ArtType::Path:
      case ArtType::CompoundPath: writePath(art, frame, e); return;
      default:
        if (e && hasMatrix(c.type)) writeMatrixArt(art, frame, *e);
        // Other art without an element of the file has nothing SVG can show.
        return;
    }
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

  void writePath(ArtRef art, const Affine& frame, const SvgArtExtra* e) {
    const Affine local = frame * (e ? e->transform : Affine{});
    const bool keepGeometry = e && !options_.rewriteAll && e->parentToDoc == frame && geometryAsImported(art, *e);
    XmlAttributes el;
    std::string_view name = "path";
    if (keepGeometry) {
      el = XmlAttributes::of(e->node);
      name = e->node.name();
    } else {
      // A look ahead (probing) needs the names, not the geometry.
      std::string d = out_->probing() ? std::string() : writePathData(localGeometry(art, local));
      bool wroteD = false;
      if (e) {
        for (pugi::xml_attribute a : e->node.attributes()) {
          if (!isGeometryAttribute(a.name())) {
            el.append(a.name(), std::string_view(a.value()));
          } else if (!wroteD) {
            el.appendPlain("d", std::move(d));  // where the geometry was
            wroteD = true;
          }
        }
      }
      if (!wroteD) el.appendPlain("d", std::move(d));
    }
    const double scale = std::sqrt(std::abs(local.determinant()));
    finish(el, art, e, &scale);
    out_->startElement(name, el);
    if (e) writeKeptChildren(e->node);
    out_->endElement(name);
  }

  // id, paint, opacity and visibility of any art.
  void finish(XmlAttributes& el, ArtRef art, const SvgArtExtra* e, const double* pathScale) {
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
    std::vector<std::pair<std::string, std::string>> changes;
    const PaintChanges paint(*this, art, e);
    if (pathScale) writePaint(el, c.style, paint, e, *pathScale, changes);
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
    if (options_.runs) markContour(el, art);
  }

  // A contour says which run made it, from what and in what order; a copy
  // of an earlier contour says it anew.
  void markContour(XmlAttributes& el, ArtRef art) {
    const std::optional<ContourMark> found = options_.runs->marks.find(art.bits());
    if (!found) return;
    const ContourMark& m = *found;
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
      if (!original.empty() && original != ids_.of(a)) return true;
    }
    return false;
  }

  // Which properties of a path's paint are written: those that changed,
  // every one for art made otherwise or when all is rewritten, and those
  // that a sheet rule gave through the source's id (which does not reach a
  // copy under a new id: the copy says them itself).
  class PaintChanges {
   public:
    PaintChanges(const Exporter& exporter, ArtRef art, const SvgArtExtra* e)
        : e_(e), everything_(!e || exporter.options_.rewriteAll) {
      if (e && exporter.renamed(art)) byId_ = &e->idRuleProperties;
    }
    bool forced(std::string_view name) const {
      return byId_ && std::find(byId_->begin(), byId_->end(), name) != byId_->end();
    }
    bool written(const PaintProperty& p, const AIPathStyle& s) const {
      return everything_ || !p.same(s, e_->importedStyle()) || forced(p.name);
    }

   private:
    const SvgArtExtra* e_;
    bool everything_;
    const std::vector<std::string>* byId_ = nullptr;
  };

  void writePaint(XmlAttributes& el, const AIPathStyle& s, const PaintChanges& paint, const SvgArtExtra* e,
                  double scale, std::vector<std::pair<std::string, std::string>>& changes) {
    for (const PaintProperty& p : paintProperties()) {
      if (!paint.written(p, s)) continue;
      const std::string_view name = p.name;
      if (name == "fill") {
        changes.push_back({"fill", paintText(s.fillPaint, s.fill.color)});
        // The alpha of the colour read, which the document's paint has not,
        // goes on in the paint's opacity.
        if (e && e->fillOpacity) changes.push_back({"fill-opacity", number(*e->fillOpacity)});
        exactColorAttribute(el, "fill", s.fillPaint, s.fill);
      } else if (name == "stroke") {
        changes.push_back({"stroke", paintText(s.strokePaint, s.stroke.color)});
        if (e && e->strokeOpacity) changes.push_back({"stroke-opacity", number(*e->strokeOpacity)});
        exactColorAttribute(el, "stroke", s.strokePaint, s.stroke);
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
  static bool needsExactColor(bool paints, const PaintStyle& paint) {
    return paint.overprint || (paints && !exactColorText(paint.color).empty());
  }

  template <class PaintStyle>
  void exactColorAttribute(XmlAttributes& el, const std::string& what, bool paints, const PaintStyle& paint) {
    const std::string exact = paints ? exactColorText(paint.color) : std::string();
    setOrRemove(el, contourPrefix_ + what + "-color", exact);
    setOrRemove(el, contourPrefix_ + what + "-overprint", paint.overprint ? "1" : "");
  }

  void setOrRemove(XmlAttributes& el, const std::string& name, std::string value) {
    if (value.empty()) {
      el.remove(name);
      return;
    }
    if (XmlAttributes::Attribute* a = el.find(name)) {
      el.set(*a, std::move(value));
    } else {
      el.append(name, std::move(value));
    }
  }

  // Changed properties go into `style` (which wins over presentation
  // attributes and style sheets); a presentation attribute of the same name
  // goes, so the element says one thing.
  void setStyle(XmlAttributes& el, const std::vector<std::pair<std::string, std::string>>& changes) {
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

  // --- Text, images, symbols -------------------------------------------------------
  void writeMatrixArt(ArtRef art, const Affine& frame, const SvgArtExtra& e) {
    const ArtContent& c = doc_.content(art);
    XmlAttributes el = XmlAttributes::of(e.node);
    if (!sameMatrix(c.placement->matrix, e.matrix) || !(e.parentToDoc == frame)) {
      // The change the document made, in page coordinates, carried into the
      // element's own transform.
      const Affine before = toAffine(e.matrix);
      const Affine change = toAffine(c.placement->matrix) * (before.determinant() != 0 ? before.inverse() : Affine{});
      const Affine inverseFrame = frame.determinant() != 0 ? frame.inverse() : Affine{};
      const Affine transform = inverseFrame * change * e.parentToDoc * e.transform;
      if (XmlAttributes::Attribute* t = el.find("transform")) {
        el.set(*t, matrixText(transform));
      } else {
        el.append("transform", matrixText(transform));
      }
    }
    finish(el, art, &e, nullptr);
    out_->startElement(e.node.name(), el);
    writeKeptChildren(e.node);
    out_->endElement(e.node.name());
  }

  const Document& doc_;
  const SvgSource* source_;
  ExportOptions options_;
  XmlOut* out_ = nullptr;
  std::optional<RunRecordWriter> records_;
  std::string contourPrefix_;
  ExportIds ids_;
};

}  // namespace

std::string exportArtElements(const Document& document, const SvgSource* source, std::span<const ArtRef> art,
                              const ExportOptions& options) {
  return Exporter(document, source, options).fragments(art);
}

std::string exportSvg(const Document& document, const SvgSource* source, const ExportOptions& options) {
  return Exporter(document, source, options).run(nullptr, nullptr);
}

std::size_t exportSvg(std::ostream& out, const Document& document, const SvgSource* source,
                      const ExportOptions& options) {
  std::size_t written = 0;
  Exporter(document, source, options).run(&out, &written);
  return written;
}

}  // namespace easel::svg

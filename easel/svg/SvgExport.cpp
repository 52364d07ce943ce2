// The walk of the SVG writer: the file around the root, the root, and the
// children of every container in the order the document has them, with the
// file's own nodes between them where they were.
#include "SvgExport.h"

#include <algorithm>
#include <map>
#include <set>

#include "ExportValues.h"
#include "SvgExporter.h"
#include "SvgXml.h"

namespace easel::svg {

namespace detail {

namespace {

const PaintProperty& paintProperty(std::string_view name) {
  const std::span<const PaintProperty> all = paintProperties();
  return *std::find_if(all.begin(), all.end(), [&](const PaintProperty& p) { return p.name == name; });
}

const std::vector<SourceItem> kNoItems;

}  // namespace

Exporter::Exporter(const Document& doc, const SvgSource* source, const ExportOptions& options)
    : doc_(doc),
      source_(source),
      options_(options),
      ids_(doc, source, options.runs ? &options.runs->freedIds : nullptr) {
  contourPrefix_ = source ? source->contourPrefix : std::string(kContourPrefix) + ":";
  if (source && SourceSpans::isWhiteSpace(source->root.last_child())) rootTail_ = source->root.last_child();
  if (options.runs) {
    for (const KeptSource& k : options.runs->kept) newPlaces_.emplace(k.of, &k);
  }
}

template <class Write>
void Exporter::writingTo(XmlOut& out, Write write) {
  XmlOut* const outBefore = out_;
  SourceWriter* const writerBefore = writer_;
  std::optional<SourceWriter> writer;
  if (source_) writer.emplace(out, *source_);
  out_ = &out;
  writer_ = writer ? &*writer : nullptr;
  write();
  out_ = outBefore;
  writer_ = writerBefore;
}

std::string Exporter::run(std::ostream* sink, std::size_t* written) {
  if (source_) source_->text.checkUnchanged();
  XmlAttributes rootAttributes = source_ ? XmlAttributes::of(source_->root) : newRootAttributes();
  declareNamespace(rootAttributes);
  XmlOut out(sink, source_ ? XmlOut::Layout::Raw : XmlOut::Layout::Indented);
  writingTo(out, [&] {
    startRecords();
    if (!source_) {
      out.text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
      writeRoot(rootAttributes);
      return;
    }
    // Around the root (the declaration, the doctype, comments), the file as it is.
    SourceSpans& spans = writer_->spans();
    writer_->copy(0, spans.start(source_->root));
    writeRoot(rootAttributes);
    writer_->copy(spans.end(source_->root), spans.text().size());
  });
  out.flush();
  if (written) *written = out.written();
  return out.take();
}

std::string Exporter::fragments(std::span<const ArtRef> arts) {
  XmlAttributes root;
  if (source_) {
    const XmlAttributes file = XmlAttributes::of(source_->root);
    for (const XmlAttributes::Attribute& a : file.list())
      if (a.name.starts_with("xmlns")) root.append(a.name, std::string(a.value()));
  } else {
    root.append("xmlns", std::string(kSvgNamespace));
  }
  if (!declaresOurs(root) &&
      std::any_of(arts.begin(), arts.end(), [&](ArtRef a) { return writesContourAttribute(a); })) {
    root.append("xmlns:" + prefixName(), std::string(kContourNamespace));
  }
  XmlOut out(nullptr, XmlOut::Layout::Raw);
  writingTo(out, [&] {
    // The elements keep the file's text, entities too: they need its doctype.
    const auto& top = source_ ? source_->xml.children() : pugi::xml_node().children();
    if (std::any_of(top.begin(), top.end(), [](pugi::xml_node n) { return n.type() == pugi::node_doctype; })) {
      const std::size_t bom = writer_->spans().text().view(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
      writer_->copy(bom, writer_->spans().start(source_->root));
    }
    out.startElement(rootName(), root);
    for (ArtRef art : arts) writeArt(art, frameOf(art));
    out.endElement(rootName());
  });
  out.flush();
  return out.take();
}

XmlAttributes Exporter::newRootAttributes() const {
  XmlAttributes a;
  const std::string w = number(doc_.pageWidth()), h = number(doc_.pageHeight());
  a.append("xmlns", std::string(kSvgNamespace));
  a.append("version", std::string("1.1"));
  a.append("width", w + "pt");
  a.append("height", h + "pt");
  a.append("viewBox", "0 0 " + w + " " + h);
  return a;
}

std::string_view Exporter::rootName() const { return source_ ? std::string_view(source_->root.name()) : "svg"; }

void Exporter::startRecords() {
  records_.reset();
  if (options_.runs) {
    records_.emplace(source_, *options_.runs, source_ ? source_->svgPrefix : std::string(), contourPrefix_);
  }
}

bool Exporter::declaresOurs(const XmlAttributes& root) const {
  const auto& list = root.list();
  return std::any_of(list.begin(), list.end(), [&](const XmlAttributes::Attribute& a) {
    return a.name == "xmlns:" + prefixName() && a.value() == kContourNamespace;
  });
}

// The root declares our namespace when anything written uses it (found
// from the art), and no longer does when the run records that go were all
// that used it.
void Exporter::declareNamespace(XmlAttributes& root) {
  startRecords();
  const std::string declaration = "xmlns:" + prefixName();
  if (records_ && records_->mayDropDeclaration() && declaresOurs(root)) {
    // Whether anything else uses it: a first pass that writes nothing looks.
    XmlOut probe = XmlOut::probe(contourPrefix_);
    writingTo(probe, [&] { writeRoot(root); });
    if (!probe.sawPrefix()) root.remove(declaration);
    return;
  }
  if (declaresOurs(root)) return;
  bool used = records_ && records_->addsRecords();
  for (ArtRef l = doc_.firstLayer(); l && !used; l = doc_.nextSibling(l)) used = writesContourAttribute(l);
  if (used) root.append(declaration, std::string(kContourNamespace));
}

// Whether the art, as writeArt() writes it, or any art inside carries an
// attribute in our namespace: a contour's mark or an exact colour.
bool Exporter::writesContourAttribute(ArtRef art) const {
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

void Exporter::writeRoot(const XmlAttributes& attributes) {
  // The file paints the bottom first: the layers go from the last one up.
  ArtRef bottom = doc_.firstLayer();
  while (bottom && doc_.nextSibling(bottom)) bottom = doc_.nextSibling(bottom);
  if (writer_) {
    writer_->open(source_->root, rootName(), attributes);
  } else {
    out_->startElement(rootName(), attributes);
  }
  writeItems(source_ ? source_->rootItems : kNoItems, bottom, rootFrame());
  if (records_) records_->finish(*out_, writer_);
  if (rootTail_) writer_->kept(rootTail_);
  if (writer_) {
    writer_->close(source_->root, rootName());
  } else {
    out_->endElement(rootName());
  }
}

// What maps the root's user space to the page.
Affine Exporter::rootFrame() const {
  return source_ ? source_->rootToDoc : Affine{1, 0, 0, -1, 0, static_cast<double>(doc_.pageHeight())};
}

// What maps the user space of the element that holds `art` to the page.
Affine Exporter::frameOf(ArtRef art) const {
  std::vector<ArtRef> containers;
  for (ArtRef p = doc_.parent(art); p; p = doc_.parent(p)) containers.push_back(p);
  Affine frame = rootFrame();
  for (auto c = containers.rbegin(); c != containers.rend(); ++c) {
    const SvgArtExtra* e = extraOf(*c);
    if (e && e->kind != SvgArtExtra::Kind::LooseArt) frame = frame * e->transform;
  }
  return frame;
}

void Exporter::writeKept(pugi::xml_node node) {
  if (node == rootTail_) return;  // written last, after what the writing adds
  if (records_) {
    records_->write(*writer_, node);
  } else {
    writer_->kept(node);
  }
}

void Exporter::writePlanNode(const PlanNode& node) {
  if (node.raw) {
    writeKept(node.raw);
    return;
  }
  XmlAttributes place;
  place.append("run", node.place->run);
  place.append("n", std::to_string(node.place->n));
  const std::string name = contourPrefix_ + "place";
  out_->startElement(name, place, writer_ ? writer_->quote() : '"');
  out_->endElement(name);
}

const KeptSource* Exporter::newPlaceOf(const SvgArtExtra* e) const {
  const auto found = newPlaces_.find(e);
  return found == newPlaces_.end() ? nullptr : found->second;
}

bool Exporter::dropped(pugi::xml_node node) const { return records_ && records_->drops(node); }

// The file's nodes that are not art go back before the first art that
// followed them in the file (or at the end when none of that art is left).
// The white space right before an element, its line of its own, goes with
// it: where it goes, and away when it is gone; art new in the container
// (contours) gets its source's, or the last the container has. `firstLead`:
// the white space before the first item, when the file has it outside (that
// of art right in the root, whose layer is no element).
Exporter::ItemPlan Exporter::planItems(const std::vector<SourceItem>& items, ArtRef last,
                                       pugi::xml_node firstLead) const {
  std::set<const SvgArtExtra*> present;
  for (ArtRef c = last; c; c = doc_.previousSibling(c)) present.insert(extraOf(c));
  ItemPlan plan;
  std::map<const SvgArtExtra*, ItemPlan::Slot>& slots = plan.slots;
  std::vector<PlanNode> pending;
  // The node just before the item at hand (when it is white space that is
  // still written), and whether it waits in `pending`.
  pugi::xml_node previous = firstLead;
  bool previousPending = false;
  pugi::xml_node lastLead = firstLead;
  const auto takeLead = [&]() {
    if (!SourceSpans::isWhiteSpace(previous)) return pugi::xml_node();
    if (previousPending) pending.pop_back();
    lastLead = previous;
    return previous;
  };
  for (const SourceItem& item : items) {
    if (item.raw && item.raw.type() == pugi::node_element && dropped(item.raw)) {
      takeLead();
      previous = pugi::xml_node();
      continue;
    }
    if (item.raw) {
      if (item.raw.type() == pugi::node_element && SourceSpans::isWhiteSpace(previous)) lastLead = previous;
      pending.push_back({item.raw});
      previous = item.raw;
      previousPending = true;
      continue;
    }
    if (const KeptSource* place = newPlaceOf(item.art)) {
      // A new run deleted it: its placeholder takes its place, with its
      // white space, which its copies take as well.
      if (SourceSpans::isWhiteSpace(previous)) {
        lastLead = slots[item.art].lead = previous;
        if (!previousPending) pending.push_back({previous});  // the white space from outside (`firstLead`)
      }
      pending.push_back({{}, place});
      previous = pugi::xml_node();
      continue;
    }
    const pugi::xml_node lead = takeLead();
    previous = pugi::xml_node();
    if (!present.count(item.art)) continue;  // gone: its lead with it
    ItemPlan::Slot& slot = slots[item.art];
    slot.lead = lead;
    slot.before = std::move(pending);
    pending.clear();
  }
  plan.lastLead = lastLead;
  plan.after = std::move(pending);
  return plan;
}

// The walk recurses through here: what it keeps on the stack for each level
// is the plan, worked out beforehand.
void Exporter::writeItems(const std::vector<SourceItem>& items, ArtRef last, const Affine& frame,
                          pugi::xml_node firstLead) {
  ItemPlan plan = planItems(items, last, firstLead);
  for (ArtRef child = last; child; child = doc_.previousSibling(child)) {
    const SvgArtExtra* e = extraOf(child);
    const auto found = plan.slots.find(e);
    pugi::xml_node lead = found != plan.slots.end() && found->second.lead ? found->second.lead : plan.lastLead;
    if (found != plan.slots.end() && !found->second.placed) {
      // The first child with the item's extra: the file's nodes that came before the item go before it.
      found->second.placed = true;
      for (const PlanNode& node : found->second.before) writePlanNode(node);
      lead = found->second.lead;
    }
    if (e && e->kind == SvgArtExtra::Kind::LooseArt) {
      // The first element's white space is written with it, inside.
      writeItems(e->items, doc_.lastChild(child), frame, lead);
    } else {
      writeLead(lead);
      writeArt(child, frame);
    }
  }
  for (const PlanNode& node : plan.after) writePlanNode(node);
}

void Exporter::writeLead(pugi::xml_node lead) {
  if (lead && writer_) writer_->kept(lead);
}

void Exporter::writeArt(ArtRef art, const Affine& frame) {
  const ArtContent& c = doc_.content(art);
  const SvgArtExtra* e = extraOf(art);
  if (e && e->original == art && staysKept(options_.runs, *e)) {
    // A run that deleted it still stands: the file keeps its copy, and this its place.
    if (writer_) writer_->kept(e->place);
    return;
  }
  switch (c.type) {
    case ArtType::Group: writeGroup(art, frame, e); return;
    case ArtType::Path:
    case ArtType::CompoundPath: writePath(art, frame, e); return;
    default:
      if (e && hasMatrix(c.type)) writeMatrixArt(art, frame, *e);
      // Other art without an element of the file has nothing SVG can show.
      return;
  }
}

void Exporter::writeGroup(ArtRef art, const Affine& frame, const SvgArtExtra* e) {
  if (e && e->kind == SvgArtExtra::Kind::LooseArt) {
    writeItems(e->items, doc_.lastChild(art), frame);
    return;
  }
  if (!openGroup(art, e)) return;
  writeItems(e ? e->items : kNoItems, doc_.lastChild(art), frame * (e ? e->transform : Affine{}));
  if (e) {
    writer_->close(e->node, e->node.name());
  } else {
    out_->endElement("g");
  }
}

// The group's start tag; false when the group was written whole (empty, as
// the file had it).
bool Exporter::openGroup(ArtRef art, const SvgArtExtra* e) {
  XmlAttributes el = e ? XmlAttributes::of(e->node) : XmlAttributes();
  finish(el, art, e, nullptr);
  if (e && !doc_.firstChild(art) && !e->node.first_child()) {
    writer_->element(e->node, e->node.name(), el);
    return false;
  }
  if (e) {
    writer_->open(e->node, e->node.name(), el);
  } else {
    out_->startElement("g", el, writer_ ? writer_->quote() : '"');
  }
  return true;
}

void Exporter::writeElement(const SvgArtExtra* e, std::string_view name, const XmlAttributes& attributes) {
  if (e) {
    writer_->element(e->node, name, attributes);
    return;
  }
  out_->startElement(name, attributes, writer_ ? writer_->quote() : '"');
  out_->endElement(name);
}

}  // namespace detail

std::string exportArtElements(const Document& document, const SvgSource* source, std::span<const ArtRef> art,
                              const ExportOptions& options) {
  return detail::Exporter(document, source, options).fragments(art);
}

std::string exportSvg(const Document& document, const SvgSource* source, const ExportOptions& options) {
  return detail::Exporter(document, source, options).run(nullptr, nullptr);
}

std::size_t exportSvg(std::ostream& out, const Document& document, const SvgSource* source,
                      const ExportOptions& options) {
  std::size_t written = 0;
  detail::Exporter(document, source, options).run(&out, &written);
  return written;
}

}  // namespace easel::svg

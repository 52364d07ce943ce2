// The exporter's side of the run records (ContourRuns.h): records that go,
// records that keep fewer sources, and new ones.
#include <string_view>

#include "ColorText.h"
#include "ContourRuns.h"
#include "Namespaces.h"
#include "SvgXml.h"

namespace easel::svg {

RunRecordWriter::RunRecordWriter(const SvgSource* source, const RunEdits& edits, const std::string& svgPrefix,
                                 const std::string& contourPrefix)
    : edits_(edits), metadataName_(svgPrefix + "metadata"), contourPrefix_(contourPrefix) {
  if (!source) return;
  metadata_ = source->runsMetadata;
  if (!edits.dropped.empty() || !edits.sourcesLeft.empty()) noteEditedRecords(*source);
}

std::string RunRecordWriter::declarationName() const {
  return "xmlns:" + contourPrefix_.substr(0, contourPrefix_.size() - 1);
}

// Notes the records that change and the elements that hold them, up to the
// root (from the reader's list: the file is not walked again).
void RunRecordWriter::noteEditedRecords(const SvgSource& source) {
  for (pugi::xml_node record : source.runRecords) {
    const std::string id = record.attribute("id").value();
    if (!edits_.dropped.count(id) && !edits_.sourcesLeft.count(id)) continue;
    // Up to the first noted: those above it are noted already.
    for (pugi::xml_node n = record; holdsEditedRecords_.insert(n.internal_object()).second && n != source.root;
         n = n.parent()) {}
  }
}

bool RunRecordWriter::drops(pugi::xml_node node) const {
  if (node.type() != pugi::node_element) return false;
  if (isRunRecord(node)) return edits_.dropped.count(node.attribute("id").value()) > 0;
  if (node != metadata_ || addsRecords()) return false;
  // The place the runs made goes with the last of them.
  for (pugi::xml_node c : node.children()) {
    if (c.type() == pugi::node_element && !drops(c)) return false;
  }
  return true;
}

void RunRecordWriter::write(SourceWriter& writer, pugi::xml_node node) {
  const bool isMetadata = node == metadata_;
  if (!isMetadata && !holdsEditedRecords_.count(node.internal_object())) {
    writer.kept(node);
    return;
  }
  XmlAttributes attributes = XmlAttributes::of(node);
  if (isRunRecord(node)) {
    const auto left = edits_.sourcesLeft.find(node.attribute("id").value());
    if (left != edits_.sourcesLeft.end()) {
      if (XmlAttributes::Attribute* sources = attributes.find("sources")) attributes.set(*sources, left->second);
    }
    writer.element(node, node.name(), attributes);
    return;
  }
  writer.open(node, node.name(), attributes);
  // The white space before the end tag comes after what is added.
  const pugi::xml_node last = node.last_child();
  const pugi::xml_node tail = isMetadata && SourceSpans::isWhiteSpace(last) ? last : pugi::xml_node();
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
    if (c == tail || drops(c) || (SourceSpans::isWhiteSpace(c) && drops(c.next_sibling()))) continue;
    write(writer, c);
  }
  if (isMetadata) {
    wroteMetadata_ = true;
    std::string lead = writer.childLead(node);
    if (lead.empty()) lead = writer.deeper(writer.leadText(node));
    writeNewRecords(writer.out(), &writer, lead, writer.deeper(lead), writer.quote());
  }
  if (tail) writer.kept(tail);
  writer.close(node, node.name());
}

void RunRecordWriter::finish(XmlOut& out, SourceWriter* writer) {
  if (wroteMetadata_ || edits_.added.empty()) return;
  const std::string lead = writer ? writer->rootChildLead() : std::string();
  const std::string inner = writer ? writer->deeper(lead) : std::string();
  const char quote = writer ? writer->quote() : '"';
  out.content();
  out.text(lead);
  XmlAttributes metadata;
  metadata.append(contourPrefix_ + "role", std::string("runs"));
  out.startElement(metadataName_, metadata, quote);
  writeNewRecords(out, writer, inner, writer ? writer->deeper(inner) : std::string(), quote);
  out.content();
  out.text(lead);
  out.endElement(metadataName_);
}

void RunRecordWriter::writeNewRecords(XmlOut& out, SourceWriter* writer, const std::string& lead,
                                      const std::string& inner, char quote) const {
  for (const RunRecord& r : edits_.added) {
    XmlAttributes run;
    run.append("id", r.id);
    run.append("version", r.version);
    if (r.seed) run.append("seed", std::to_string(*r.seed));
    if (r.seed && r.drawsBefore > 0) run.append("draws-before", std::to_string(r.drawsBefore));
    std::string sources;
    for (const std::string& id : r.sources) sources += (sources.empty() ? "" : " ") + id;
    run.append("sources", std::move(sources));
    XmlAttributes params;
    for (const auto& [name, value] : r.params) params.append(name, value);
    out.content();
    out.text(lead);
    out.startElement(contourPrefix_ + "run", run, quote);
    out.content();
    out.text(inner);
    out.startElement(contourPrefix_ + "params", params, quote);
    out.endElement(contourPrefix_ + "params");
    // The elements the run deleted, byte for byte as the file has them.
    for (const KeptSource& k : edits_.kept) {
      if (k.run != r.id || writer == nullptr) continue;
      XmlAttributes kept;
      kept.append("n", std::to_string(k.n));
      out.content();
      out.text(inner);
      out.startElement(contourPrefix_ + "kept", kept, quote);
      out.content();
      writer->kept(k.of->node);
      out.endElement(contourPrefix_ + "kept");
    }
    out.text(lead);
    out.endElement(contourPrefix_ + "run");
  }
}

}  // namespace easel::svg

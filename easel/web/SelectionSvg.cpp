#include "SelectionSvg.h"

#include <charconv>
#include <sstream>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

#include "DrawingView.h"
#include "easel/svg/SvgExport.h"

namespace easel::web {

namespace {

using Refs = std::unordered_set<uint64_t>;

uint64_t refOf(const pugi::xml_node& node) {
  const pugi::char_t* text = node.attribute(kArtMark).value();
  uint64_t ref = 0;
  std::from_chars(text, text + std::char_traits<char>::length(text), ref);
  return ref;
}

// Keeps `node` whole when its art is selected; else keeps only what holds
// selected art, and says whether anything is left. Elements that are not art
// stay with the container they are in.
bool prune(pugi::xml_node node, const Refs& selected) {
  if (selected.count(refOf(node))) return true;
  bool holds = false;
  std::vector<pugi::xml_node> gone;
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element || !child.attribute(kArtMark)) continue;
    if (prune(child, selected)) holds = true;
    else
      gone.push_back(child);
  }
  for (pugi::xml_node child : gone) node.remove_child(child);
  return holds;
}

void unmark(pugi::xml_node node) {
  node.remove_attribute(kArtMark);
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) unmark(child);
}

}  // namespace

std::string selectionSvg(const Document& document, const svg::SvgSource* source, const svg::RunEdits* runs) {
  Refs selected;
  for (ArtRef art = document.firstLayer(); art; art = document.nextInOrder(art))
    if (document.content(art).attributes & kArtSelected) selected.insert(art.bits());
  const std::string whole = svg::exportSvg(document, source, {.markAttribute = kArtMark, .runs = runs});
  pugi::xml_document xml;
  const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype | pugi::parse_comments;
  if (!xml.load_buffer(whole.data(), whole.size(), options)) return whole;  // the writer's own text: not expected
  pugi::xml_node root = xml.document_element();
  std::vector<pugi::xml_node> gone;
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && child.attribute(kArtMark) && !prune(child, selected))
      gone.push_back(child);
  for (pugi::xml_node child : gone) root.remove_child(child);
  unmark(root);
  std::ostringstream out;
  xml.save(out, "", pugi::format_raw | pugi::format_no_declaration);
  return out.str();
}

}  // namespace easel::web

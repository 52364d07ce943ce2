#include "ExportIds.h"

namespace easel::svg {

const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source) {
  const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(art).extra.get());
  return e && source && e->source.get() == source ? e : nullptr;
}

ExportIds::ExportIds(const Document& document, const SvgSource* source, std::set<std::string> freed)
    : doc_(document), source_(source), freed_(std::move(freed)) {
  if (source) owners_.reserve(source->ids.size());
  claimOriginals();
  assign();
}

std::string_view ExportIds::nameOf(ArtRef art) const {
  return doc_.parent(art) ? std::string_view(doc_.content(art).name) : std::string_view();
}

std::string ExportIds::of(ArtRef art) const {
  const std::string_view name = nameOf(art);
  if (name.empty()) return {};
  if (const auto owner = owners_.find(name); owner != owners_.end() && owner->second == art) return std::string(name);
  const auto copy = copies_.find(art.bits());
  return copy == copies_.end() ? std::string() : copy->second;
}

bool ExportIds::takenFromFile(const std::string& id) const {
  return source_ && source_->ids.count(id) && !freed_.count(id);
}

// The art that was imported keeps its id whatever its copies look like;
// found first so that copies written before it (below it) do not take it.
void ExportIds::claimOriginals() {
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string_view name = nameOf(a);
    if (name.empty()) continue;
    const SvgArtExtra* e = extraFrom(doc_, a, source_);
    if (!e || e->kind != SvgArtExtra::Kind::Element || e->original != a) continue;
    if (std::string_view(e->node.attribute("id").value()) == name) owners_.try_emplace(name, a);
  }
}

// The claimed original keeps its id; with none claimed, the first in
// document order takes it; the others get "-1", "-2", ... in document order
// (from the top of the stack down).
void ExportIds::assign() {
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    if (const std::string_view name = nameOf(a); !name.empty()) owners_.try_emplace(name, a);
  }
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string_view name = nameOf(a);
    if (name.empty() || owners_.at(name) == a) continue;
    int& n = nextSuffix_[name];
    std::string id;
    do {
      id.assign(name);
      id += '-';
      id += std::to_string(++n);
    } while (takenFromFile(id) || owners_.count(id) || madeIds_.count(id));
    madeIds_.insert(copies_.emplace(a.bits(), std::move(id)).first->second);
  }
}

}  // namespace easel::svg

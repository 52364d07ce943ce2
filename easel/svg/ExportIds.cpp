#include "ExportIds.h"

namespace easel::svg {

const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source) {
  const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(art).extra.get());
  return e && source && e->source.get() == source ? e : nullptr;
}

ExportIds::ExportIds(const Document& document, const SvgSource* source, const std::set<std::string>& freed)
    : doc_(document), source_(source) {
  if (source) fileIds_ = source->ids;
  for (const std::string& id : freed) fileIds_.erase(id);
  claimOriginals();
  assign();
}

std::string ExportIds::of(ArtRef art) const {
  const auto found = ids_.find(art.bits());
  return found == ids_.end() ? std::string() : found->second;
}

// The art that was imported keeps its id whatever its copies look like;
// found first so that copies written before it (below it) do not take it.
void ExportIds::claimOriginals() {
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string& name = doc_.content(a).name;
    const SvgArtExtra* e = extraFrom(doc_, a, source_);
    if (!doc_.parent(a) || name.empty() || !e || e->kind != SvgArtExtra::Kind::Element) continue;
    if (std::string_view(e->node.attribute("id").value()) != name) continue;
    if (e->original == a && !claimed_.count(name)) claimed_.emplace(name, a);
  }
}

// The claimed original keeps its id; with none claimed, the first in
// document order takes it; the others get "-1", "-2", ... in document order
// (from the top of the stack down).
void ExportIds::assign() {
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

}  // namespace easel::svg

#include "ExportIds.h"

#include <unordered_set>

namespace easel::svg {

const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source) {
  const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(art).extra.get());
  return e && source && e->source.get() == source ? e : nullptr;
}

ExportIds::ExportIds(const Document& document, const SvgSource* source,
                     const std::unordered_set<std::string_view>* freed)
    : doc_(document), source_(source), freed_(freed) {
  Owners owners;
  if (source) {
    owners.reserve(source->ids.size());
    ids_.reserve(source->ids.size());
  }
  claimOriginals(owners);
  assign(owners);
}

std::string_view ExportIds::nameOf(ArtRef art) const {
  return doc_.parent(art) ? std::string_view(doc_.content(art).name.get()) : std::string_view();
}

std::string ExportIds::of(ArtRef art) const {
  const auto found = ids_.find(art.bits());
  return found == ids_.end() ? std::string() : std::string(found->second);
}

bool ExportIds::takenFromFile(const std::string& id) const {
  // The freed ids first: a repeated run's contours take back the ids its
  // earlier contours freed, and then one look-up answers.
  if (freed_ && freed_->count(id)) return false;
  return source_ && source_->ids.count(id);
}

// The art that was imported keeps its id whatever its copies look like;
// found first so that copies written before it (below it) do not take it.
void ExportIds::claimOriginals(Owners& owners) const {
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string_view name = nameOf(a);
    if (name.empty()) continue;
    const SvgArtExtra* e = extraFrom(doc_, a, source_);
    if (!e || e->kind != SvgArtExtra::Kind::Element || e->original != a) continue;
    if (std::string_view(e->node.attribute("id").value()) == name) owners.try_emplace(name, a);
  }
}

// The claimed original keeps its id; with none claimed, the first in
// document order takes it; the others get "-1", "-2", ... in document order
// (from the top of the stack down).
void ExportIds::assign(Owners& owners) {
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string_view name = nameOf(a);
    if (name.empty()) continue;
    const ArtRef owner = owners.try_emplace(name, a).first->second;
    if (owner == a) ids_.emplace(a.bits(), name);
  }
  std::unordered_set<std::string_view> made;
  std::unordered_map<std::string_view, int> nextSuffix;
  for (ArtRef a = doc_.firstLayer(); a; a = doc_.nextInOrder(a)) {
    const std::string_view name = nameOf(a);
    if (name.empty() || owners.at(name) == a) continue;
    int& n = nextSuffix[name];
    std::string id;
    do {
      id.assign(name);
      id += '-';
      id += std::to_string(++n);
    } while (takenFromFile(id) || owners.count(id) || made.count(id));
    madeIds_.push_back(std::move(id));
    made.insert(madeIds_.back());
    ids_.emplace(a.bits(), madeIds_.back());
  }
}

}  // namespace easel::svg

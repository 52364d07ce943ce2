// The ids the exporter gives art. The art that was imported keeps its id
// (when it is gone, the first copy in document order takes it); the copies
// get the id with "-1", "-2", ... in document order, skipping every id of
// the file.
#ifndef EASEL_SVG_EXPORTIDS_H
#define EASEL_SVG_EXPORTIDS_H

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "SvgSource.h"
#include "easel/core/Document.h"

namespace easel::svg {

// The extra of art read from `source`; null for art made otherwise.
const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source);

class ExportIds {
 public:
  // `freed`: ids of the file whose elements are gone, which new art may take.
  ExportIds(const Document& document, const SvgSource* source, std::set<std::string> freed);
  // "" for art without a name, and for layers (whose name is a label).
  std::string of(ArtRef art) const;

 private:
  // The name the exporter may use for `art`: empty for layers and art without one.
  std::string_view nameOf(ArtRef art) const;
  bool takenFromFile(const std::string& id) const;
  void claimOriginals();
  void assign();

  const Document& doc_;
  const SvgSource* source_;
  std::set<std::string> freed_;
  // A drawing holds as many names as elements: the names are viewed in the
  // document, and only the ids made for copies are held here.
  std::unordered_map<std::string_view, ArtRef> owners_;  // the art that keeps each name
  std::unordered_map<uintptr_t, std::string> copies_;    // the ids made for the others
  std::unordered_set<std::string_view> madeIds_;         // the same, to look up
  std::unordered_map<std::string_view, int> nextSuffix_;
};

}  // namespace easel::svg

#endif

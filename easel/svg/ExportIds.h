// The ids the exporter gives art. The art that was imported keeps its id
// (when it is gone, the first copy in document order takes it); the copies
// get the id with "-1", "-2", ... in document order, skipping every id of
// the file.
#ifndef EASEL_SVG_EXPORTIDS_H
#define EASEL_SVG_EXPORTIDS_H

#include <cstdint>
#include <deque>
#include <unordered_set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "SvgSource.h"
#include "easel/core/Document.h"

namespace easel::svg {

// The extra of art read from `source`; null for art made otherwise.
const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source);

class ExportIds {
 public:
  // `freed`: ids of the file whose elements are gone, which new art may take
  // (null for none; it outlives the ids).
  ExportIds(const Document& document, const SvgSource* source, const std::unordered_set<std::string_view>* freed);
  ExportIds(const ExportIds&) = delete;  // the ids view into madeIds_
  ExportIds& operator=(const ExportIds&) = delete;
  // "" for art without a name, and for layers (whose name is a label).
  std::string of(ArtRef art) const;

 private:
  using Owners = std::unordered_map<std::string_view, ArtRef>;
  // The name the exporter may use for `art`: empty for layers and art without one.
  std::string_view nameOf(ArtRef art) const;
  bool takenFromFile(const std::string& id) const;
  void claimOriginals(Owners& owners) const;
  void assign(Owners& owners);

  const Document& doc_;
  const SvgSource* source_;
  const std::unordered_set<std::string_view>* freed_;
  // A drawing holds as many names as elements: the ids are viewed, in the
  // document for the art that keeps its name, here for the copies.
  std::unordered_map<uintptr_t, std::string_view> ids_;
  std::deque<std::string> madeIds_;
};

}  // namespace easel::svg

#endif

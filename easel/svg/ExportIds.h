// The ids the exporter gives art. The art that was imported keeps its id
// (when it is gone, the first copy in document order takes it); the copies
// get the id with "-1", "-2", ... in document order, skipping every id of
// the file.
#ifndef EASEL_SVG_EXPORTIDS_H
#define EASEL_SVG_EXPORTIDS_H

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "SvgSource.h"
#include "easel/core/Document.h"

namespace easel::svg {

// The extra of art read from `source`; null for art made otherwise.
const SvgArtExtra* extraFrom(const Document& document, ArtRef art, const SvgSource* source);

class ExportIds {
 public:
  // `freed`: ids of the file whose elements are gone, which new art may take.
  ExportIds(const Document& document, const SvgSource* source, const std::set<std::string>& freed);
  // "" for art without a name, and for layers (whose name is a label).
  std::string of(ArtRef art) const;

 private:
  void claimOriginals();
  void assign();

  const Document& doc_;
  const SvgSource* source_;
  std::set<std::string> fileIds_;
  std::set<std::string> taken_;
  std::map<std::string, ArtRef> claimed_;
  std::map<std::string, int> nextSuffix_;
  std::map<uintptr_t, std::string> ids_;
};

}  // namespace easel::svg

#endif

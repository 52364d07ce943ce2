// Writes a document as SVG 1.1.
//
// A document read from SVG is written back from its source: every element
// and attribute the document does not hold comes back as it was, where it
// was; art whose geometry the document still has as imported keeps its
// original element and path data; paint is rewritten only for the properties
// that changed (in the element's `style`, so that it wins over presentation
// attributes and style sheets). New art (the copies the plug-in makes) takes
// its source's element with its new geometry and paint; ids stay unique:
// the art that was imported keeps the id (when it is gone, the first copy in
// document order takes it), the copies get the id with "-1", "-2", ... in
// document order. Coordinates go back through the
// inverse of the page mapping and of each element's transforms, numbers in
// the shortest form that reads back to the same float.
#ifndef EASEL_SVG_SVGEXPORT_H
#define EASEL_SVG_SVGEXPORT_H

#include <ostream>
#include <span>
#include <string>

#include "ContourRuns.h"
#include "SvgSource.h"
#include "easel/core/Document.h"

namespace easel::svg {

struct ExportOptions {
  // Write every path's geometry and paint from the document, as if all had
  // changed (for tests of the writer on real files).
  bool rewriteAll = false;
  // For a view that keeps its own copy of the drawing and patches it: every
  // element of art gets this attribute with the art's ref as a number.
  const char* markAttribute = nullptr;
  // The contours a run made and the run records that come and go.
  const RunEdits* runs = nullptr;
};

// `source` is what the document was read from (null for a document made
// otherwise: then the page is the root's size in points and user units are
// points).
std::string exportSvg(const Document& document, const SvgSource* source, const ExportOptions& options = {});

// The same, written to `out` as it is produced: the output is never held
// whole (a caller that wants to know the writing went well checks `out`).
// Answers the number of bytes written.
std::size_t exportSvg(std::ostream& out, const Document& document, const SvgSource* source,
                      const ExportOptions& options = {});

// The elements of `art` (objects below the layers, each with its members) as
// exportSvg would write them now, one after another inside a root element
// that declares the file's namespaces. Art with nothing to show writes none.
std::string exportArtElements(const Document& document, const SvgSource* source, std::span<const ArtRef> art,
                              const ExportOptions& options = {});

}  // namespace easel::svg

#endif

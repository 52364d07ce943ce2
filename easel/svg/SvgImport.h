// Reads an SVG file into a document.
//
// Units and the page: user units are CSS pixels (96 to the inch), and one
// pixel is 0.75 point. The page is the root's width and height (in any unit;
// missing or a percentage: that share of the viewBox, or 300 x 150 px without
// one); a viewBox maps its box onto the page as preserveAspectRatio says
// (default: centred, scaled to fit). Artwork coordinates are points, y up,
// from the page's bottom-left corner, so a point (x, y) of the root's user
// space lies at (0.75 x', H - 0.75 y') where (x', y') is the point after the
// viewBox mapping and H the page height in points. Every transform of the
// file is worked into the coordinates (in double precision, rounded once).
//
// What becomes art: top-level groups that editors mark as layers become
// layers, art sitting directly in the root goes into unnamed layers (one per
// run between layers) that are written back as loose art; g and a are groups;
// path, rect, circle, ellipse, line, polyline and polygon are paths (a path
// with several subpaths a compound path); use is symbol art, image is placed
// art (linked) or raster art (embedded data), text is text art (its box is
// estimated: 0.6 em a character). Everything else (defs, styles, metadata,
// comments, unknown elements) stays in the XML and is written back where it
// was; so do the attributes the document does not hold. Style sheets in
// <style> apply to the paint as a viewer applies them (StyleCascade.h,
// StyleSheet.h) and are written back as they were.
#ifndef EASEL_SVG_SVGIMPORT_H
#define EASEL_SVG_SVGIMPORT_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "SvgSource.h"
#include "easel/core/Document.h"

namespace easel::svg {

struct ImportedSvg {
  std::unique_ptr<Document> document;
  std::shared_ptr<const SvgSource> source;
  // What was passed over as a viewer passes over it (a value a property does
  // not take, path data after an error, a <use> that shows itself): lines
  // "file:line:column: ...", at most 20 and one that counts the rest.
  std::vector<std::string> warnings;
};

struct ReadOptions {
  // Of a file: the writer reads it again for the bytes it copies
  // (SourceText.h); a program that keeps the drawing long, while the file
  // may be rewritten in place by others, keeps a copy of the text instead.
  bool keepText = false;
  // Leaves out, as if they were gone, the contours of the runs the file
  // records that sit right in a layer (or the root) and are paths, in a file
  // that keeps no copies of deleted sources: for a command that removes them,
  // which then reads none of their art (SvgSource::unread; RunBook tells
  // whether they all went). What they would warn of is not said.
  bool leaveRunContours = false;
};

// Throws SvgError naming `fileName` (with line and column where they help)
// for a file that is not well-formed XML, not SVG, or beyond a limit (the
// memory budget, nesting, <use> expansions, the range of a float); a value
// that viewers ignore is ignored and said in `warnings` instead.
// The text and the art read from it must fit in `budget` bytes together: a
// drawing that needs more is refused while it is read, not once memory has
// run out. The document then has the whole budget.
ImportedSvg importSvg(std::string text, const std::string& fileName,
                      std::size_t budget = Document::kDefaultMemoryBudget, const ReadOptions& options = {});

// Reads the file ("-": standard input), at most `limit` bytes (the
// document's memory budget), and imports it within that budget.
ImportedSvg importSvgFile(const std::string& path, std::size_t limit = Document::kDefaultMemoryBudget,
                          const ReadOptions& options = {});

}  // namespace easel::svg

#endif

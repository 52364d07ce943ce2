// What an imported SVG file leaves behind for the exporter: the parsed XML
// (every element the document does not understand is written back from it),
// the page mapping, and the paint references. Art made from an element keeps
// an SvgArtExtra that points into it; duplicates share their source's.
#ifndef EASEL_SVG_SVGSOURCE_H
#define EASEL_SVG_SVGSOURCE_H

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "Geometry.h"
#include "SourceText.h"
#include "easel/core/Document.h"

namespace easel::svg {

class SvgArtExtra;

// A contour of a recorded run that the reader left out: its element, and its
// id and marks as the element has them.
struct UnreadContour {
  pugi::xml_node node;
  std::string_view id, run, source;
};

// One child of a container as it was in the file, in file order: an element
// the document does not hold as art (kept as XML), or art (named by its extra).
struct SourceItem {
  pugi::xml_node raw;
  const SvgArtExtra* art = nullptr;
};

struct SvgSource {
  std::string fileName;
  std::string buffer;  // parsed in place: the XML's strings point into it
  SourceText text;     // the text as read, which the writer copies from
  pugi::xml_document xml;
  pugi::xml_node root;
  std::string svgPrefix;  // "" or "svg:" when the file names SVG elements with a prefix
  // The prefix the writer writes our namespace under ("contour:"; Namespaces.h).
  std::string contourPrefix;
  std::string inkscapePrefix;
  // From the root's user space (after its viewBox) to artwork points, y up.
  Affine rootToDoc;
  double pageWidth = 0, pageHeight = 0;  // points
  // The root's children in file order, layers and runs of loose art as art.
  std::vector<SourceItem> rootItems;
  // url(#id) paints: a gradient or pattern colour's reference is an index here.
  std::vector<std::string> paintIds;
  // Every id in the file, with the first element that has it: what url(#id)
  // and href name, and what new ids must not collide with. The ids are the
  // parsed attributes' own text.
  std::unordered_map<std::string_view, pugi::xml_node> ids;
  // The run records (ContourRuns.h) in file order; one inside another record
  // is that record's text, not a record of the file.
  std::vector<pugi::xml_node> runRecords;
  // The last of the root's <metadata contour:role="runs"> children, where new records go.
  pugi::xml_node runsMetadata;
  // Contours of recorded runs that the reader left out, for a command that
  // removes them anyway (ReadOptions::leaveRunContours), in file order. Each
  // is an item of its container whose art is unreadArt(): written as art
  // that is gone, white space and all.
  std::vector<UnreadContour> unread;
};

// What the exporter needs to write an object back as it was, and to tell
// what the plug-in changed.
class SvgArtExtra : public ArtExtra {
 public:
  enum class Kind {
    Element,  // an element of the file
    LooseArt  // a layer made for art that sits directly in the root
  };
  std::shared_ptr<const SvgSource> source;
  Kind kind = Kind::Element;
  pugi::xml_node node;
  // The art the element became; the copies the document makes share this
  // extra, and the exporter keeps the element's id for this art alone.
  ArtRef original;
  // Art that a run deleted (pathDelete) and keeps a copy of in its record:
  // the placeholder element that holds its place in the file. While its run
  // stands, the art stays out of sight (hidden, locked, unnamed) and the
  // placeholder is written; once the run's contours go, it is the source again.
  pugi::xml_node place;
  bool locked = false;  // as imported
  // From the parent's user space to the page, and the element's own transform.
  Affine parentToDoc;
  Affine transform;
  // Containers: the children in file order.
  std::vector<SourceItem> items;
  // As imported, to find what changed. Per subpath (the path's, or each
  // member's of a compound path): the geometry's stamp, which stays while
  // nothing changes it (undo included), and the digest of its value, for
  // paths changed and then put back as they were.
  struct ImportedSubpath {
    uint64_t stamp;
    uint64_t digest;
  };
  std::vector<ImportedSubpath> subpaths;
  // A path's style as imported; the elements read one after another with
  // the same style share one (a drawing mostly repeats a few).
  std::shared_ptr<const AIPathStyle> style;
  AIReal opacity = 1;
  bool hidden = false;
  AIRealMatrix matrix{1, 0, 0, 1, 0, 0};
  // Properties (by name) that a style-sheet rule gave through an id, which a
  // copy under a new id no longer matches; and those an !important rule
  // gave, which only an !important declaration overrides.
  std::vector<std::string> idRuleProperties;
  std::vector<std::string> importantProperties;
  // The alpha of a fill or stroke colour (rgba(), #rrggbbaa), which the
  // document's paint does not hold, multiplied into that paint's opacity
  // (fill-opacity, stroke-opacity): what a paint written anew says beside
  // its colour. None for an opaque colour.
  std::optional<double> fillOpacity, strokeOpacity;

  std::string canonical() const override;
  // The style as imported; the empty style for art that has none.
  const AIPathStyle& importedStyle() const;
};

// The art of every item left unread (SvgSource::unread), which no object of
// a document has.
const SvgArtExtra* unreadArt();

}  // namespace easel::svg

#endif

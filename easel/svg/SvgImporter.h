// The SVG importer's working state, shared by its stages: the file
// (ImportFile.cpp), errors (ImportErrors.cpp), the art tree (ImportTree.cpp),
// paint (ImportPaint.cpp), text, images and symbols (ImportMatrixArt.cpp) and
// swatches (ImportSwatches.cpp). Private to easel/svg.
#ifndef EASEL_SVG_SVGIMPORTER_H
#define EASEL_SVG_SVGIMPORTER_H

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Color.h"
#include "Entities.h"
#include "ImportWarnings.h"
#include "Length.h"
#include "MarkReader.h"
#include "PathData.h"
#include "Style.h"
#include "StyleCascade.h"
#include "StyleSheet.h"
#include "SvgError.h"
#include "SvgImport.h"
#include "SvgXml.h"
#include "Transform.h"
#include "ValueError.h"
#include "easel/core/Geometry.h"

namespace easel::svg::detail {

enum class ElementKind { Raw, Group, Shape, Text, Image, Use };

inline ElementKind kindOf(std::string_view name) {
  if (name == "g" || name == "a") return ElementKind::Group;
  if (name == "path" || name == "rect" || name == "circle" || name == "ellipse" || name == "line" ||
      name == "polyline" || name == "polygon") {
    return ElementKind::Shape;
  }
  if (name == "text") return ElementKind::Text;
  if (name == "image") return ElementKind::Image;
  if (name == "use") return ElementKind::Use;
  return ElementKind::Raw;
}

class Importer : private CascadeSite {
 public:
  // `budget`: what the text and the document may take together. `path`:
  // the file the text was read from, read again for the place of an error
  // rather than kept as a second copy of the text; empty to keep the copy.
  // `original`: where the writer finds the text as read again.
  // `leaveRunContours`: ReadOptions::leaveRunContours.
  Importer(std::string text, SourceText original, const std::string& fileName, std::size_t budget,
           const std::string& path, bool leaveRunContours)
      : budget_(budget), path_(path), leaveContours_(leaveRunContours) {
    source_ = std::make_shared<SvgSource>();
    source_->fileName = fileName;
    source_->buffer = std::move(text);
    source_->text = std::move(original);
  }

  ImportedSvg run();

 private:
  // --- Errors and warnings ------------------------------------------------------
  [[noreturn]] void failAt(std::size_t offset, const std::string& message) const;
  [[noreturn]] void failNode(pugi::xml_node node, const std::string& message) const;
  // The file as written, read again (or kept, for standard input), for the
  // line and column of a place.
  std::string textAsWritten() const;
  // Where a string of the parsed XML starts in the file (npos: not in it).
  std::size_t offsetOf(const char* p) const override;
  static std::size_t plus(std::size_t offset, std::size_t more) {
    return offset == std::string::npos ? offset : offset + more;
  }
  void ignored(std::size_t offset, std::string message) override { warnings_.add(offset, std::move(message)); }
  void warnNode(pugi::xml_node node, std::string message);
  // Runs a reader of an attribute's value, turning its ValueError into an
  // SvgError at the place in the file: for values that were checked before
  // or whose error is a limit.
  template <class F>
  auto read(pugi::xml_attribute a, F reader) {
    try {
      return reader(std::string_view(a.value()));
    } catch (const ValueError& e) {
      failAt(plus(offsetOf(a.value()), e.offset()), std::string(e.what()) + " in " + a.name());
    }
  }
  template <class F>
  auto read(const SpecifiedValue& v, Property p, F reader) {
    try {
      return reader(std::string_view(v.text));
    } catch (const ValueError& e) {
      failAt(v.offset == 0 ? std::string::npos : v.offset + e.offset(),
             std::string(e.what()) + " in " + std::string(propertyName(p)));
    }
  }
  // The same for a value a viewer would ignore: a value that cannot be read
  // is said so (at the value) and `fallback` is taken, as if it were absent.
  template <class T, class F>
  T readOr(pugi::xml_attribute a, T fallback, F reader) {
    try {
      return reader(std::string_view(a.value()));
    } catch (const ValueError& e) {
      ignored(offsetOf(a.value()), ignoredText(a.name(), a.value(), e.what()));
      return fallback;
    }
  }
  // A length attribute; `fallback` when it is absent or cannot be read, and
  // for a negative value where `nonNegative` (said so too).
  double length(pugi::xml_node node, const char* name, double percentBase, const LengthContext& lengths,
                double fallback = 0, bool nonNegative = false);

  // --- The file -----------------------------------------------------------------
  void parseXml();
  // The DOCTYPE's entities expanded in every attribute value and text
  // (ImportEntities.cpp); the values that change move out of the buffer.
  void expandEntities(const EntityTable& entities, std::size_t fileSize);
  static constexpr std::size_t kEntityLimit = std::size_t{1} << 20;
  std::string_view nameOf(pugi::xml_node node) const;
  void readPage();
  Affine viewBoxTransform(const double* vb, double width, double height, pugi::xml_attribute par);
  // Every element's ids, and its attributes checked: XML gives each one once.
  // Returns how many elements there are.
  std::size_t collectIds();
  // The element's attributes checked, from the names of its first few
  // (`few`, of kFewAttributes) and how many it has.
  static constexpr std::size_t kFewAttributes = 16;
  void checkAttributes(pugi::xml_node element, const char* const* few, std::size_t count) const;
  // Every <style> of the file applies to the whole file, in file order. A
  // sheet in another language than CSS is kept but not read.
  void readStyleSheets();

  // --- The tree -----------------------------------------------------------------
  bool isLayer(pugi::xml_node node) const;
  // What the node becomes: Raw for what stays XML (and a <use> that shows itself).
  ElementKind kindToImport(pugi::xml_node node);
  void importRoot();
  std::string layerName(pugi::xml_node node) const;
  ComputedStyle cascadeOf(const ComputedStyle& parent, pugi::xml_node node);
  // The children of a container into `items`, in file order.
  void importChildren(pugi::xml_node parent, ArtRef container, const ComputedStyle& style, const Affine& frame,
                      std::vector<SourceItem>& items);
  // unreadArt() for an element left unread.
  const SvgArtExtra* importElement(pugi::xml_node node, ElementKind kind, ArtRef container,
                                   const ComputedStyle& parentStyle, const Affine& frame);
  // Whether the element is a contour to leave unread (ReadOptions::leaveRunContours);
  // noted in SvgSource::unread when it is.
  bool leavesUnread(pugi::xml_node node, ElementKind kind, ArtRef container);
  // The copy in a run's record of the art that a placeholder (<contour:place>)
  // stands for, when it is art; null otherwise.
  pugi::xml_node keptCopyAt(pugi::xml_node place);
  // The kept copy read as art where its placeholder is, out of sight
  // (ContourRuns.h: showKept) until its run's contours go.
  const SvgArtExtra* importKept(pugi::xml_node place, pugi::xml_node copy, ArtRef container,
                                const ComputedStyle& parentStyle, const Affine& frame);
  Counted<SvgArtExtra> newExtra(pugi::xml_node node, const Affine& frame);
  // Name, opacity and visibility, common to all art.
  void finishArt(ArtRef art, SvgArtExtra& extra, pugi::xml_node node, const ComputedStyle& style);
  const SvgArtExtra* importGroup(pugi::xml_node node, ArtRef group, const ComputedStyle& parentStyle,
                                 const Affine& frame);
  PathGeometry shapeGeometry(pugi::xml_node node, const LengthContext& lengths);
  // Path data or points drawn up to their first error, which is said so.
  PathGeometry partialPath(pugi::xml_attribute a, bool points, bool closed);
  std::vector<AIPathSegment> toSegments(pugi::xml_node node, const Subpath& sub);
  // Gives the path the subpath's segments, noting them in `extra` as imported.
  void setImportedSegments(ArtRef path, pugi::xml_node node, const Subpath& sub, SvgArtExtra& extra);
  const SvgArtExtra* importShape(pugi::xml_node node, ArtRef container, const ComputedStyle& parentStyle,
                                 const Affine& frame);

  // --- Paint --------------------------------------------------------------------
  // A paint as the document holds it: whether it paints, and the colour;
  // and the colour's alpha, which the document does not hold.
  struct ReadPaint {
    bool paints;
    AIColor color;
    double alpha;
  };
  ReadPaint readPaint(const ComputedStyle& style, Property property);
  int32_t paintIndex(const std::string& id);
  // The stops of a gradient, following href to the gradient that has them.
  std::vector<pugi::xml_node> gradientStops(pugi::xml_node gradient);
  Rgb stopColor(pugi::xml_node stop);
  // Our own attribute carrying the exact colour replaces the sRGB one when
  // the two still agree (an editor that changed the paint drops ours).
  // `a`: our exact-colour attribute of the element (empty for none).
  void exactColor(pugi::xml_attribute a, AIColor& color);
  double lengthValue(const ComputedStyle& style, Property p);
  AIPathStyle readPathStyle(pugi::xml_node node, const ComputedStyle& style, const Affine& local, SvgArtExtra& extra);
  // `style`, shared with the element read before when that had the same.
  std::shared_ptr<const AIPathStyle> sharedStyle(const AIPathStyle& style);
  void readDashes(const ComputedStyle& style, AIStrokeStyle& stroke, double scale);

  // --- Text, images, symbols ----------------------------------------------------
  const SvgArtExtra* importMatrixArt(pugi::xml_node node, ElementKind kind, ArtRef container,
                                     const ComputedStyle& parentStyle, const Affine& frame);
  // Each element costs one unit of a budget shared by the whole file, so that
  // <use> chains that multiply cannot make the import run for ever.
  void spend(pugi::xml_node node);
  void addImageBox(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box);
  void addRect(double x0, double y0, double x1, double y1, const Affine& m, easel::BoundsBuilder& box);
  // A box for text without laying it out: 0.6 em a character from the first
  // x and y, from 0.8 em above the baseline to 0.2 em below.
  void addTextBox(pugi::xml_node node, const ComputedStyle& style, const Affine& m, easel::BoundsBuilder& box);
  // Whether a <use> shows itself, through its reference and what that
  // shows in turn: it is then not read as art but kept as it is, and said so.
  // The bounds of what it shows are kept for importMatrixArt.
  bool showsItself(pugi::xml_node use);
  // The bounds of what a <use> shows, in the use's own coordinates (before
  // its x and y). `active` holds the <use> elements being expanded: one met
  // again closes a loop and shows nothing more. False when the loop goes
  // back to the first of them.
  bool addUseContent(pugi::xml_node use, const Affine& m, easel::BoundsBuilder& box,
                     std::vector<pugi::xml_node>& active);
  bool addContent(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box, std::vector<pugi::xml_node>& active,
                  const ComputedStyle& parentStyle);
  // Out of line, so that what they hold is not on the stack of every level
  // of the recursion above (a chain of <use> may be 2,000 deep).
  [[gnu::noinline]] void addLeafContent(pugi::xml_node node, ElementKind kind, const Affine& m,
                                        easel::BoundsBuilder& box, const ComputedStyle& parentStyle);
  [[gnu::noinline]] bool addNestedUse(pugi::xml_node use, const Affine& m, easel::BoundsBuilder& box,
                                      std::vector<pugi::xml_node>& active, const LengthContext& lengths);
  void warnUseLoop(pugi::xml_node use);

  // --- Swatches -----------------------------------------------------------------
  // Solid swatches as editors keep them: a one-stop gradient marked as a
  // solid paint. In file order, right after the document's fixed swatches.
  void addSolidSwatches();

  // The box of the <use> that showsItself() looked at last.
  pugi::xml_node useBoxNode_;
  easel::BoundsBuilder useBox_;
  ImportWarnings warnings_;

  static constexpr std::size_t kWorkLimit = 100'000;
  // The tree and the <use> references are walked by recursion, as are the
  // document's art and the writer's output: elements nested deeper than this
  // are refused, which keeps every walk far inside the stack.
  static constexpr std::size_t kDepthLimit = 2'000;
  std::size_t budget_;
  std::string path_;
  std::shared_ptr<SvgSource> source_;
  std::string insensitiveName_;  // the editors' lock attribute with its prefix
  std::unique_ptr<Document> doc_;
  // The copies that run records keep (<contour:kept n>), by the run's id and n.
  std::map<std::pair<std::string_view, std::string_view>, pugi::xml_node> keptCopies_;
  bool leaveContours_;
  std::unordered_set<std::string_view> recordIds_;  // of the runs recorded, while contours may be left unread
  MarkReader marks_;
  pugi::xml_node placing_;  // the placeholder of the kept copy being read
  std::vector<pugi::xml_node> styleElements_;
  StyleSheet sheet_;
  std::map<std::string, int32_t> paintIndices_;
  double viewportWidth_ = 0, viewportHeight_ = 0;  // the root's user space (its viewBox)
  // The initial style, in the viewport of the root's width and height in CSS
  // pixels (for the viewport's units).
  ComputedStyle initial_;
  std::size_t work_ = 0;
  std::size_t useDepth_ = 0;  // elements being expanded for <use>, with their references
  std::shared_ptr<const AIPathStyle> lastStyle_;
  // Values that entities changed, which no longer lie in the buffer: where
  // they were in the file.
  std::unordered_map<const char*, std::size_t> moved_;
};

}  // namespace easel::svg::detail

#endif

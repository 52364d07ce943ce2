// The SVG writer's working state, shared by its parts: the walk over the
// document and the file's containers (SvgExport.cpp), paths, text, images and
// symbols (ExportArt.cpp), and ids, paint and the marks of contours
// (ExportPaint.cpp). Private to easel/svg.
#ifndef EASEL_SVG_SVGEXPORTER_H
#define EASEL_SVG_SVGEXPORTER_H

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ArtCompare.h"
#include "ColorText.h"
#include "ContourRuns.h"
#include "ExportIds.h"
#include "PathData.h"
#include "SourceWriter.h"
#include "SvgExport.h"
#include "XmlOut.h"

namespace easel::svg::detail {

// Whether a paint needs our exact-colour attributes beside its sRGB one.
template <class PaintStyle>
bool needsExactColor(bool paints, const PaintStyle& paint) {
  return paint.overprint || (paints && !exactColorText(paint.color).empty());
}

class Exporter {
 public:
  Exporter(const Document& doc, const SvgSource* source, const ExportOptions& options);

  // Writes to `sink` as it goes (the size in *written); with no sink,
  // returns the text.
  std::string run(std::ostream* sink, std::size_t* written);
  // Each object's element alone (with its members), inside a root that
  // declares the file's namespaces.
  std::string fragments(std::span<const ArtRef> arts);

 private:
  using Changes = std::vector<std::pair<std::string, std::string>>;

  // --- The walk (SvgExport.cpp) ------------------------------------------------------
  // Writes through `out` (and the file's text, when there is one) while `write` runs.
  template <class Write>
  void writingTo(XmlOut& out, Write write);
  XmlAttributes newRootAttributes() const;
  std::string_view rootName() const;
  void startRecords();
  void declareNamespace(XmlAttributes& root);
  bool declaresOurs(const XmlAttributes& root) const;
  bool writesContourAttribute(ArtRef art) const;
  std::string prefixName() const { return contourPrefix_.substr(0, contourPrefix_.size() - 1); }
  void writeRoot(const XmlAttributes& attributes);
  Affine rootFrame() const;
  Affine frameOf(ArtRef art) const;
  // A node of the file as it is (its run records edited).
  void writeKept(pugi::xml_node node);
  // A node of the file, or the placeholder of art that a new run deleted.
  struct PlanNode {
    pugi::xml_node raw;
    const KeptSource* place = nullptr;
  };
  void writePlanNode(const PlanNode& node);
  // The new run's placeholder of the art with that extra, when it deleted it.
  const KeptSource* newPlaceOf(const SvgArtExtra* e) const;
  bool dropped(pugi::xml_node node) const;
  const SvgArtExtra* extraOf(ArtRef art) const { return extraFrom(doc_, art, source_); }
  // Where the file's nodes go among a container's children, found from the
  // file's items alone: those before the first copy of each item's art (and
  // the white space it is written after), and those after the last. The
  // children are then walked as they are written, so that a container of a
  // million contours costs an entry per item of the file, not per child.
  struct ItemPlan {
    struct Slot {
      std::vector<PlanNode> before;
      pugi::xml_node lead;
      bool placed = false;  // its nodes went before the first child with this extra
    };
    std::map<const SvgArtExtra*, Slot> slots;
    pugi::xml_node lastLead;  // what art new in the container is written after
    std::vector<PlanNode> after;
  };
  // `last`: the container's last child (the first in file order), or the
  // bottom layer for the root; the walk goes up through previousSibling.
  ItemPlan planItems(const std::vector<SourceItem>& items, ArtRef last, pugi::xml_node firstLead) const;
  // The children of a container, from `last` up, with the file's nodes between them.
  void writeItems(const std::vector<SourceItem>& items, ArtRef last, const Affine& frame,
                  pugi::xml_node firstLead = {});
  // What goes before an element of art that is new in its container.
  void writeLead(pugi::xml_node lead);
  void writeArt(ArtRef art, const Affine& frame);
  void writeGroup(ArtRef art, const Affine& frame, const SvgArtExtra* e);
  bool openGroup(ArtRef art, const SvgArtExtra* e);
  // An element: from the file's (spliced) when it has one, new otherwise.
  void writeElement(const SvgArtExtra* e, std::string_view name, const XmlAttributes& attributes);

  // --- Art (ExportArt.cpp) -----------------------------------------------------------
  bool subpathAsImported(ArtRef path, const SvgArtExtra::ImportedSubpath& imported) const;
  bool geometryAsImported(ArtRef art, const SvgArtExtra& e) const;
  PathGeometry localGeometry(ArtRef art, const Affine& local) const;
  void writePath(ArtRef art, const Affine& frame, const SvgArtExtra* e);
  void writeMatrixArt(ArtRef art, const Affine& frame, const SvgArtExtra& e);

  // --- Ids, paint, marks (ExportPaint.cpp) -----------------------------------------
  // Which properties of a path's paint are written: those that changed,
  // every one for art made otherwise or when all is rewritten, and those
  // that a sheet rule gave through the source's id (which does not reach a
  // copy under a new id: the copy says them itself).
  class PaintChanges {
   public:
    PaintChanges(const Exporter& exporter, ArtRef art, const SvgArtExtra* e);
    bool forced(std::string_view name) const;
    bool written(const PaintProperty& p, const AIPathStyle& s) const {
      return everything_ || !p.same(s, e_->importedStyle()) || forced(p.name);
    }

   private:
    const SvgArtExtra* e_;
    bool everything_;
    const std::vector<std::string>* byId_ = nullptr;
  };
  void finish(XmlAttributes& el, ArtRef art, const SvgArtExtra* e, const double* pathScale);
  void markContour(XmlAttributes& el, ArtRef art, const SvgArtExtra* e);
  bool renamed(ArtRef art) const;
  void writePaint(XmlAttributes& el, const AIPathStyle& s, const PaintChanges& paint, double scale,
                  const SvgArtExtra* e, Changes& changes);
  std::string paintText(bool paints, const AIColor& color) const;
  template <class PaintStyle>
  void exactColorAttribute(XmlAttributes& el, const SvgArtExtra* e, const std::string& what, bool paints,
                           const PaintStyle& paint);
  // Our attribute `local` set to `value` (gone when it is empty), whatever
  // prefix the element had it under.
  void setOurs(XmlAttributes& el, const SvgArtExtra* e, std::string_view local, std::string value);
  void setStyle(XmlAttributes& el, const Changes& changes);

  const Document& doc_;
  const SvgSource* source_;
  ExportOptions options_;
  XmlOut* out_ = nullptr;
  SourceWriter* writer_ = nullptr;  // with a source: the file's text to `out_`
  std::optional<RunRecordWriter> records_;
  std::string contourPrefix_;
  ExportIds ids_;
  pugi::xml_node rootTail_;
  std::map<const SvgArtExtra*, const KeptSource*>
      newPlaces_;  // the white space before the root's end tag, written after what is added
};

}  // namespace easel::svg::detail

#endif

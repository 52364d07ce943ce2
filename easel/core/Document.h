// The document the easel holds: a page, layers, and a tree of art objects
// (groups, paths, compound paths, text, placed and raster images, symbols,
// meshes), their paint, attributes and opacity, the swatch list, and the undo
// history of whole commands.
//
// Coordinates are artwork points, y up, origin at the bottom-left corner of
// the page. The stack order of a container runs from its first child (the top
// of the stack, painted last) to its last child (the bottom). Document order
// is the order of a walk from the top layer down: a container comes before its
// members, the top of a stack before what lies below it.
//
// Every reading function taking an ArtRef throws DocumentError with
// kBadHandleErr for a null, stale or foreign ref; every changing function
// checks all of its arguments first and throws DocumentError (kBadHandleErr,
// kWrongArtTypeErr or kBadParameterErr) leaving the document as it was.
// References returned by content() stay valid until the next change.
//
// Undo: changes made between beginCommand() and endCommand() form one command
// that the user can undo and redo as a whole; undoChanges() takes the open
// command back to where it began. Changes made outside a command are not
// recorded (building a document, loading a file); removing or moving art
// outside a command forgets the undo history.
//
// Locked and hidden are attributes only: they do not stop changes.
#ifndef EASEL_CORE_DOCUMENT_H
#define EASEL_CORE_DOCUMENT_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DocumentTypes.h"
#include "Handles.h"  // HandleCheck

namespace easel {

// The style of new path art: filled white (grey 0), stroked black (grey 1),
// 1 point wide, butt caps, miter joins, miter limit 4, solid, non-zero rule.
AIPathStyle defaultPathStyle();

struct SerializeOptions {
  bool handles = false;  // also write each object's ref (for undo tests)
};

class Document {
 public:
  static constexpr AIReal kDefaultPageWidth = 612;  // US Letter, points
  static constexpr AIReal kDefaultPageHeight = 792;
  // Enough for millions of contours, and still far from what a 64-bit (or a
  // 32-bit) process can take. A build whose memory has a fixed top (the
  // WebAssembly programs) names its budget: a quarter of that top, since
  // reading a drawing takes more than the budget counts (an inflated
  // drawing's text grows by doubling, and memory freed below the top is not
  // given back), so that a drawing beyond it is refused while it is read
  // instead of the program ending when memory runs out.
#ifdef CONTOUR_MEMORY_BUDGET_MB
  static constexpr std::size_t kDefaultMemoryBudget = std::size_t{CONTOUR_MEMORY_BUDGET_MB} << 20;
#else
  static constexpr std::size_t kDefaultMemoryBudget =
      sizeof(void*) >= 8 ? std::size_t{2} << 30 : std::size_t{512} << 20;
#endif

  // An empty document: the default page, no layers, the default swatch list.
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // --- Page ---------------------------------------------------------------
  AIReal pageWidth() const;
  AIReal pageHeight() const;
  // kBadParameterErr for a size that is not finite or not above 0.
  void setPageSize(AIReal width, AIReal height);

  // --- Refs and the tree --------------------------------------------------
  HandleCheck check(ArtRef art) const noexcept;
  bool valid(ArtRef art) const noexcept { return check(art) == HandleCheck::Ok; }
  // Whether the art is in the document, or out of it but kept by the undo
  // history so that an undo or redo may bring it back; false once it is
  // freed for good (its refs then stay stale for ever).
  bool mayReturn(ArtRef art) const;
  // The top layer; null when there is none.
  ArtRef firstLayer() const;
  // Null when there is none. parent() of a layer is null.
  ArtRef firstChild(ArtRef art) const;
  ArtRef lastChild(ArtRef art) const;
  ArtRef nextSibling(ArtRef art) const;      // toward the bottom of the stack
  ArtRef previousSibling(ArtRef art) const;  // toward the top
  ArtRef parent(ArtRef art) const;
  // The next object in document order (null after the last one): walk the
  // whole document with `for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a))`.
  ArtRef nextInOrder(ArtRef art) const;
  // 0 for a layer, 1 for its children, ...
  int depth(ArtRef art) const;
  // Objects in the document (layers included).
  std::size_t artCount() const;
  // Rises with every object made (a copy's members included), so that art
  // can be put in the order it was made; art that an undo brings back keeps
  // its number.
  uint64_t birth(ArtRef art) const;
  // Names the value of the art's geometry (segments, closed, matrix, local
  // bounds): any change gives a new stamp; a copy keeps its source's, and an
  // undo or redo brings back the stamp of the value it restores. Equal stamps
  // mean equal geometry; different stamps may still hold equal values.
  uint64_t geometryStamp(ArtRef art) const;

  // --- Reading one object -------------------------------------------------
  const ArtContent& content(ArtRef art) const;
  ArtType type(ArtRef art) const { return content(art).type; }
  // Exact bounds of the curves without stroke (Bezier extrema, not control
  // points); a container's are the union of its members'; text and other
  // matrix art: its local bounds through its matrix. Art without geometry
  // (an empty path or group) gives all zero. Leaf art keeps its bounds
  // between reads, so even reading is not safe from two threads at once.
  AIRealRect bounds(ArtRef art) const;
  // Whether the art has any geometry (bounds() is then meaningful).
  bool hasBounds(ArtRef art) const;
  // The path style as the plug-in reads it: a path's own, a compound path's
  // first member's (its own when it has no members). kWrongArtTypeErr for
  // other art.
  AIPathStyle pathStyle(ArtRef art) const;
  // For a ref that valid() holds, reads that cannot fail, so that a caller
  // that checked the ref makes no call that may throw (each such call leaves
  // the WebAssembly build for a JavaScript trampoline): the bounds bounds()
  // gives when they are kept (leaf art read before and unchanged since), and
  // the style pathStyle() gives; null when there are none.
  const AIRealRect* keptBounds(ArtRef valid) const noexcept;
  const AIPathStyle* pathStyleOf(ArtRef valid) const noexcept;

  // --- Making and removing art ---------------------------------------------
  // A new layer (an empty group) above all other layers.
  ArtRef addLayer(std::string name);
  // New empty art of `type` placed relative to `reference`: for InsideOnTop
  // and InsideOnBottom the reference is the container. A path gets
  // defaultPathStyle(). kWrongArtTypeErr when the place is not a container,
  // when art other than a group would go beside the layers, or other than a
  // path into a compound path.
  ArtRef createArt(ArtType type, ArtRef reference, Place where);
  // Copy `art` with its descendants, paint, attributes, name and extra, and
  // place the copy relative to `reference`. The copy and its members are not
  // selected, as when the user pastes a copy beside the original.
  ArtRef duplicate(ArtRef art, ArtRef reference, Place where);
  // Remove the art and its descendants; their refs become stale.
  void dispose(ArtRef art);
  // Move the art (with its descendants) to a new place. kBadParameterErr when
  // the place is inside the art itself.
  void move(ArtRef art, ArtRef reference, Place where);

  // --- Changing one object -------------------------------------------------
  // Paths and mystery paths (kWrongArtTypeErr for other art); kBadParameterErr
  // for a point that is not finite.
  void setSegments(ArtRef path, std::vector<AIPathSegment> segments, bool closed);
  // Overwrite segments [first, first + segments.size()); kBadParameterErr when
  // the range is not inside the path.
  void replaceSegments(ArtRef path, std::size_t first, std::span<const AIPathSegment> segments);
  void setClosed(ArtRef path, bool closed);
  // The art's own style (paths, mystery paths, compound paths).
  // kBadParameterErr for a stroke width that is negative or not finite, a dash
  // count outside 0..kMaxDashComponents or a miter limit that is not finite.
  void setStyle(ArtRef art, const AIPathStyle& style);
  // As the plug-in writes a style: a compound path's own and all its members'.
  void setPathStyle(ArtRef art, const AIPathStyle& style);
  // Matrix art (kWrongArtTypeErr for other art); kBadParameterErr when not finite.
  void setMatrix(ArtRef art, const AIRealMatrix& matrix);
  void setLocalBounds(ArtRef art, const AIRealRect& bounds);
  // 0 to 1; kBadParameterErr otherwise.
  void setOpacity(ArtRef art, AIReal opacity);
  // Selecting art selects its descendants; deselecting deselects its
  // descendants and its containers (which are then no longer wholly selected).
  void setSelected(ArtRef art, bool selected);
  void setLocked(ArtRef art, bool locked);
  void setHidden(ArtRef art, bool hidden);
  void setName(ArtRef art, std::string name);
  void setExtra(ArtRef art, ExtraRef extra);
  // Transform by the matrix (a container: all its descendants). flags are
  // those of the transform art suite: kTransformObjects moves the geometry
  // (points, or the matrix of matrix art); kScaleLines multiplies stroke
  // widths by |lineScale|; the gradient and pattern bits change nothing here
  // (the document has no gradients or patterns of its own). kBadParameterErr
  // when the matrix or line scale is not finite or a result would not be.
  void transform(ArtRef art, const AIRealMatrix& matrix, AIReal lineScale, int32_t flags);

  // --- Selection -------------------------------------------------------------
  // Select every object whose name equals `name`; returns how many.
  std::size_t selectByName(std::string_view name);
  void deselectAll();
  // Art that matches any condition, in document order, each object once.
  std::vector<ArtRef> matching(std::span<const ArtMatch> conditions) const;

  // --- Swatches --------------------------------------------------------------
  // "[None]", "[Registration]", white, black, then a palette of four-colour
  // and RGB process colours.
  const std::vector<Swatch>& swatches() const;
  void addSwatch(std::string name, const AIColor& color);
  // The first two swatches ("[None]", "[Registration]") stay first: swatches
  // that a file or a palette brings go right after them.
  static constexpr std::size_t kFixedSwatchCount = 2;
  // Puts `swatches`, in their order, before the swatch at `position` (at the
  // end when past it); swatch refs handed out before become stale.
  void insertSwatches(std::size_t position, std::vector<Swatch> swatches);
  // Back to the default list; swatch refs handed out before become stale.
  void resetSwatches();
  // No swatches at all, as a document whose user deleted every one.
  void clearSwatches();
  // The swatch ref for an index (null when out of range), and back: the
  // swatch of a ref, null for a null, stale or foreign one.
  AISwatchRef swatchRef(std::size_t index) const;
  const Swatch* swatch(AISwatchRef ref) const;

  // --- Memory ----------------------------------------------------------------
  // The document holds at most `bytes` of art: an estimate made of its object
  // slots (those the undo history keeps included) and their segments. A
  // change that would go beyond it (making art, more segments) throws
  // MemoryBudgetError and changes nothing, so that a run gone wild (millions
  // of contours) ends with the host's memory error instead of taking all the
  // machine's memory. A budget below what is held refuses all growth.
  void setMemoryBudget(std::size_t bytes);
  std::size_t memoryBudget() const;
  std::size_t memoryHeld() const;
  // How many changes the budget has refused so far.
  uint64_t memoryRefusals() const;

  // --- Commands and undo -----------------------------------------------------
  // Open a command (a filter command: its "AI Get Parameters" and "AI Go"
  // messages). A command already open is ended first.
  void beginCommand(std::string name);
  // Close it; a command that changed nothing leaves no undo step.
  void endCommand();
  bool inCommand() const;
  // Take the open command back to where it began; art it made becomes stale,
  // art it disposed comes back under its old ref. Nothing open: no effect.
  void undoChanges();
  // The user's undo and redo of whole commands (an open command is ended
  // first). False when there is nothing to undo or redo.
  bool canUndo() const;
  bool canRedo() const;
  bool userUndo();
  bool userRedo();
  std::string undoName() const;  // the command userUndo() would undo, "" if none
  std::string redoName() const;
  // How many commands the history keeps (oldest forgotten first); default 100.
  void setUndoLimit(std::size_t commands);
  // Changes recorded for the open command so far (for tests of cost).
  std::size_t pendingChanges() const;
  // Rises with every change of the document (art, selection, page,
  // swatches, commands, undo and redo): what is worked out from the document
  // holds while it stays the same.
  uint64_t changeCount() const;

  // --- Views -----------------------------------------------------------------
  // Redrawing is asked for by the plug-in; the editor listens.
  void requestRedraw();
  uint64_t redrawCount() const;

  // --- Text --------------------------------------------------------------------
  // A canonical text of the whole document (page, swatches, every object in
  // document order with all its content), the same for equal documents.
  std::string serialize(const SerializeOptions& options = {}) const;

 private:
  struct State;  // the implementation (DocumentState.h)
  std::unique_ptr<State> state_;
};

}  // namespace easel

#endif

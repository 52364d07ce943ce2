// The values the document takes and gives: art types and places, art refs,
// an object's content, swatches, match conditions and the document's errors.
//
// Art is named by ArtRef, an opaque value that packs the document's tag, a
// generation and a slot index; it is the AIArtHandle the plug-in sees. A
// stale ref (disposed art) or a foreign one (another document, or any other
// value) is detected by lookup and never dereferenced.
#ifndef EASEL_CORE_DOCUMENTTYPES_H
#define EASEL_CORE_DOCUMENTTYPES_H

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "SegmentList.h"
#include "plugin/host/AIArt.h"
#include "plugin/host/AIColor.h"
#include "plugin/host/AIPath.h"
#include "plugin/host/AIPathStyle.h"
#include "plugin/host/AITransformArt.h"
#include "plugin/host/HostTypes.h"

namespace easel {

// Art type codes, the same numbers as the interface's.
enum class ArtType : int16_t {
  Group = kGroupArt,
  Path = kPathArt,
  CompoundPath = kCompoundPathArt,
  Text = kTextArt,
  Placed = kPlacedArt,
  MysteryPath = kMysteryPathArt,
  Raster = kRasterArt,
  Mesh = kMeshArt,
  Symbol = kSymbolArt
};

// The type for a code of the interface; false for an unknown code.
bool artTypeFromCode(int16_t code, ArtType* type);
const char* artTypeName(ArtType type);  // "group", "path", "compound", ...
// Groups and compound paths hold other art.
bool isContainer(ArtType type) noexcept;
// Paths and mystery paths have segments and a path style. Inline: every
// segment read and write asks.
inline bool hasSegments(ArtType type) { return type == ArtType::Path || type == ArtType::MysteryPath; }
// Text, placed, raster, mesh and symbol art: a matrix and local bounds.
bool hasMatrix(ArtType type);

// Where new or moved art goes relative to a reference object: the paint
// order codes of duplicate art.
enum class Place : int16_t {
  Above = kPlaceAbove,                    // directly above the reference
  Below = kPlaceBelow,                    // directly below the reference
  InsideOnTop = kPlaceInsideOnTop,        // first child of the reference container
  InsideOnBottom = kPlaceInsideOnBottom,  // last child of the reference container
  AboveAll = kPlaceAboveAll,              // top of the reference's own container
  BelowAll = kPlaceBelowAll               // bottom of the reference's own container
};
bool placeFromCode(int16_t code, Place* place) noexcept;

// An art object as the plug-in sees it (equal to its AIArtHandle).
class ArtRef {
 public:
  constexpr ArtRef() = default;
  constexpr explicit ArtRef(uintptr_t bits) : bits_(bits) {}
  static ArtRef fromHandle(AIArtHandle handle) { return ArtRef(reinterpret_cast<uintptr_t>(handle)); }
  AIArtHandle handle() const { return reinterpret_cast<AIArtHandle>(bits_); }
  constexpr uintptr_t bits() const { return bits_; }
  constexpr explicit operator bool() const { return bits_ != 0; }
  friend constexpr bool operator==(ArtRef, ArtRef) = default;

 private:
  uintptr_t bits_ = 0;
};

template <class T>
class Counted;

// What Counted counts: the object keeps its count of holders itself, so that
// a holder is one word and the object and its count are one allocation.
class CountedByHolders {
 protected:
  CountedByHolders() = default;
  CountedByHolders(const CountedByHolders&) = delete;
  CountedByHolders& operator=(const CountedByHolders&) = delete;

 private:
  template <class T>
  friend class Counted;
  mutable std::atomic<std::size_t> holders_{0};
};

// What outer layers (SVG) keep with an object that the document does not
// understand. Shared, never changed once given to art: duplicates share it.
// It counts its holders itself (see Counted), so that a slot holds it in one word.
class ArtExtra : public CountedByHolders {
 public:
  ArtExtra() = default;
  virtual ~ArtExtra() = default;
  // A stable text of the contents, part of the document's serialisation.
  virtual std::string canonical() const = 0;
};

// One holder of a T that counts its holders (an ArtExtra, a Shared value's
// box); the last one deletes it.
template <class T>
class Counted {
 public:
  Counted() = default;
  // Takes a new extra (or one already held, which it then holds as well).
  explicit Counted(T* extra) noexcept : extra_(extra) { hold(); }
  Counted(const Counted& other) noexcept : Counted(other.extra_) {}
  template <class U>
  requires std::is_convertible_v<U*, T*> Counted(const Counted<U>& other)
  noexcept : Counted(other.get()) {}
  Counted(Counted&& other) noexcept : extra_(std::exchange(other.extra_, nullptr)) {}
  Counted& operator=(Counted other) noexcept {
    std::swap(extra_, other.extra_);
    return *this;
  }
  ~Counted() {
    if (extra_ && extra_->holders_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete extra_;
  }
  T* get() const { return extra_; }
  T* operator->() const { return extra_; }
  T& operator*() const { return *extra_; }
  explicit operator bool() const { return extra_ != nullptr; }
  friend bool operator==(const Counted& a, const Counted& b) { return a.extra_ == b.extra_; }

 private:
  void hold() {
    if (extra_) extra_->holders_.fetch_add(1, std::memory_order_relaxed);
  }
  T* extra_ = nullptr;
};

template <class T, class... Args>
Counted<T> makeCounted(Args&&... args) {
  return Counted<T>(new T(std::forward<Args>(args)...));
}

using ExtraRef = Counted<const ArtExtra>;

// A value that objects share until one of them is given another: a copy
// starts with its source's, so a drawing of a million contours holds a few
// styles, not a million. Empty, it is T's default value. One word: the value
// and its count of holders are one allocation (a slot holds two of these).
template <class T>
class Shared {
 public:
  Shared() = default;
  Shared(const T& value) : box_(makeCounted<const Box>(value)) {}  // implicit, as the value it holds
  Shared(T&& value) : box_(makeCounted<const Box>(std::move(value))) {}
  const T& get() const { return box_ ? box_->value : kDefault; }
  operator const T&() const { return get(); }
  const T* operator->() const { return &get(); }
  friend bool operator==(const Shared& held, const T& value) { return held.get() == value; }
  // Whether both hold the very same value (not merely an equal one).
  bool sharedWith(const Shared& other) const { return box_ == other.box_; }

 private:
  struct Box : CountedByHolders {
    explicit Box(T held) : value(std::move(held)) {}
    T value;
  };
  static inline const T kDefault{};
  Counted<const Box> box_;
};

// Text, placed, raster, mesh and symbol art: the box the art occupies in its
// own coordinates, and the matrix that places it on the page.
struct Placement {
  AIRealMatrix matrix{1, 0, 0, 1, 0, 0};
  AIRealRect localBounds{0, 0, 0, 0};
};

// Whether two styles hold the same values, field by field (reals by their
// bits, so that -0 and 0 differ as they do in the document's text).
bool sameStyle(const AIPathStyle& a, const AIPathStyle& b);

// Everything about one object except its place in the tree. A drawing holds
// millions of small paths, so what only some art has (a matrix) or what most
// art shares with others (a style) is held once and shared.
struct ArtContent {
  ArtType type = ArtType::Group;
  // Paths and mystery paths.
  bool closed = false;
  // kArtSelected | kArtLocked | kArtHidden, the only bits art has: one byte
  // beside the type and closed leaves the words after them whole.
  uint8_t attributes = 0;
  AIReal opacity = 1.0f;
  SegmentList segments;
  // Paths, mystery paths and compound paths (a compound path's own style is
  // kept for outer layers; the path style operations use its members').
  Shared<AIPathStyle> style;
  Shared<Placement> placement;
  // The object's name (the SVG id, the layer's title); empty for none.
  // Copies share their source's.
  Shared<std::string> name;
  ExtraRef extra;
};

class DocumentError : public std::runtime_error {
 public:
  DocumentError(ASErr code, const std::string& what) : std::runtime_error(what), code_(code) {}
  ASErr code() const { return code_; }

 private:
  ASErr code_;
};

// A change the document's memory budget refuses. A std::bad_alloc, so that
// the host's suites answer it with kOutOfMemoryErr as any other shortage.
class MemoryBudgetError : public std::bad_alloc {
 public:
  const char* what() const noexcept override { return "the document's memory budget is used up"; }
};

// One condition of matching art: art of `type` whose attribute bits masked
// by `whichAttr` equal `attr`.
struct ArtMatch {
  ArtType type;
  int32_t whichAttr;
  int32_t attr;
};

struct Swatch {
  std::string name;
  AIColor color;
};

}  // namespace easel

#endif

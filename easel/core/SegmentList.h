// A path's segments as the document keeps them.
//
// Most paths of a drawing are polygons: each segment's direction points lie
// on its anchor, and every segment has the same corner flag. Such a path
// keeps its anchors alone, 8 bytes a segment instead of 28, and one of up to
// three anchors (a drawing of a hundred thousand small marks, and a dozen
// contours of each) keeps them in the object itself, with nothing allocated.
// Other paths keep whole segments. The form is chosen on every write and is
// never seen by a reader: each segment reads back bit for bit as written.
#ifndef EASEL_CORE_SEGMENTLIST_H
#define EASEL_CORE_SEGMENTLIST_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

#include "plugin/host/AIPath.h"

namespace easel {

class SegmentList {
 public:
  SegmentList() = default;
  explicit SegmentList(std::span<const AIPathSegment> segments) { assign(segments); }
  SegmentList(const SegmentList& other);
  SegmentList(SegmentList&& other) noexcept;
  SegmentList& operator=(const SegmentList& other);
  SegmentList& operator=(SegmentList&& other) noexcept;
  ~SegmentList() { release(); }
  friend void swap(SegmentList& a, SegmentList& b) noexcept;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  AIPathSegment operator[](std::size_t i) const {
    if (!anchorsOnly_) return wholeData()[i];
    const AIRealPoint p = anchorData()[i];
    return {p, p, p, corner_};
  }
  AIPathSegment back() const { return (*this)[size_ - 1]; }
  // Segments [first, first + count) to `to` (the range is the caller's to check).
  void copyTo(std::size_t first, std::size_t count, AIPathSegment* to) const;
  std::vector<AIPathSegment> toVector() const;

  // Reading by value, for range-for and the standard algorithms.
  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = AIPathSegment;
    using difference_type = std::ptrdiff_t;
    using reference = AIPathSegment;
    const_iterator() = default;
    const_iterator(const SegmentList* list, std::size_t i) : list_(list), i_(i) {}
    AIPathSegment operator*() const { return (*list_)[i_]; }
    const_iterator& operator++() {
      ++i_;
      return *this;
    }
    const_iterator operator++(int) { return {list_, i_++}; }
    friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.i_ == b.i_; }

   private:
    const SegmentList* list_ = nullptr;
    std::size_t i_ = 0;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

  // Writing. Both may move the list to the other form (and allocate).
  void assign(std::span<const AIPathSegment> segments);
  // Overwrites [first, first + segments.size()) (the range is the caller's to check).
  void replace(std::size_t first, std::span<const AIPathSegment> segments);
  // No segments; a heap buffer is kept for the next assign.
  void clear() {
    size_ = 0;
    anchorsOnly_ = true;
  }

  // In place, for code that moves every point: the anchors of a polygon (the
  // same change to each one keeps it a polygon), or else the whole segments.
  bool anchorsOnly() const { return anchorsOnly_; }
  std::span<AIRealPoint> anchors() { return {anchorData(), anchorsOnly_ ? size_ : 0}; }
  std::span<AIPathSegment> whole() { return {anchorsOnly_ ? nullptr : wholeData(), anchorsOnly_ ? 0 : size_}; }
  std::span<const AIPathSegment> whole() const {
    return {anchorsOnly_ ? nullptr : wholeData(), anchorsOnly_ ? 0 : size_};
  }

  // The heap block the list holds (null and 0 for none), for prefetching.
  const void* heapData() const { return onHeap_ ? s_.heap.data : nullptr; }
  std::size_t heapBytes() const { return onHeap_ ? s_.heap.bytes : 0; }

 private:
  static constexpr std::size_t kInlineAnchors = 3;
  struct Heap {
    void* data;
    std::size_t bytes;
  };
  AIRealPoint* anchorData() { return onHeap_ ? static_cast<AIRealPoint*>(s_.heap.data) : s_.anchors.data(); }
  const AIRealPoint* anchorData() const {
    return onHeap_ ? static_cast<const AIRealPoint*>(s_.heap.data) : s_.anchors.data();
  }
  // Whole segments are always on the heap.
  AIPathSegment* wholeData() { return static_cast<AIPathSegment*>(s_.heap.data); }
  const AIPathSegment* wholeData() const { return static_cast<const AIPathSegment*>(s_.heap.data); }
  // Room for `bytes` (the contents are not kept); inline when `bytes` fit
  // there and `inlineAllowed`.
  void makeRoom(std::size_t bytes, bool inlineAllowed);
  // Back to the inline anchors, the heap block given back.
  void release();
  // To whole segments, keeping the values.
  void widen();

  // The anchors in place, or the heap block (onHeap_ says which). Trivial
  // both: the union is copied and swapped whole.
  union Storage {
    std::array<AIRealPoint, kInlineAnchors> anchors{};
    Heap heap;
  } s_;
  uint32_t size_ = 0;
  bool onHeap_ = false;
  bool anchorsOnly_ = true;
  ASBoolean corner_ = 0;  // every segment's, when anchorsOnly_
};

// A list's segments as one array, for code that reads them whole: the list's
// own when it keeps whole segments, else written out here (on the stack
// when they are few, as a polygon's mostly are).
class WholeSegments {
 public:
  explicit WholeSegments(const SegmentList& list);
  WholeSegments(const WholeSegments&) = delete;
  WholeSegments& operator=(const WholeSegments&) = delete;
  std::span<const AIPathSegment> span() const { return span_; }
  operator std::span<const AIPathSegment>() const { return span_; }

 private:
  std::array<AIPathSegment, 16> few_;
  std::vector<AIPathSegment> many_;
  std::span<const AIPathSegment> span_;
};

}  // namespace easel

#endif

#include "SegmentList.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace easel {
namespace {

// By their bits: a negative zero is not a zero here, as in the document's text.
bool samePoint(const AIRealPoint& a, const AIRealPoint& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool isAnchorOnly(const AIPathSegment& s, ASBoolean corner) {
  return s.corner == corner && samePoint(s.in, s.p) && samePoint(s.out, s.p);
}

bool allAnchorsOnly(std::span<const AIPathSegment> segments, ASBoolean corner) {
  return std::all_of(segments.begin(), segments.end(), [&](const AIPathSegment& s) { return isAnchorOnly(s, corner); });
}

}  // namespace

SegmentList::SegmentList(const SegmentList& other) { *this = other; }

SegmentList::SegmentList(SegmentList&& other) noexcept { swap(*this, other); }

SegmentList& SegmentList::operator=(const SegmentList& other) {
  if (this == &other) return *this;
  const std::size_t bytes = other.size_ * (other.anchorsOnly_ ? sizeof(AIRealPoint) : sizeof(AIPathSegment));
  makeRoom(bytes, other.anchorsOnly_);
  if (other.anchorsOnly_) std::copy_n(other.anchorData(), other.size_, anchorData());
  else
    std::copy_n(other.wholeData(), other.size_, wholeData());
  size_ = other.size_;
  anchorsOnly_ = other.anchorsOnly_;
  corner_ = other.corner_;
  return *this;
}

SegmentList& SegmentList::operator=(SegmentList&& other) noexcept {
  SegmentList taken(std::move(other));
  swap(*this, taken);
  return *this;
}

void swap(SegmentList& a, SegmentList& b) noexcept {
  std::swap(a.s_, b.s_);
  std::swap(a.size_, b.size_);
  std::swap(a.onHeap_, b.onHeap_);
  std::swap(a.anchorsOnly_, b.anchorsOnly_);
  std::swap(a.corner_, b.corner_);
}

void SegmentList::copyTo(std::size_t first, std::size_t count, AIPathSegment* to) const {
  if (!anchorsOnly_) {
    std::copy_n(wholeData() + first, count, to);
    return;
  }
  const AIRealPoint* from = anchorData() + first;
  for (std::size_t i = 0; i < count; ++i) to[i] = {from[i], from[i], from[i], corner_};
}

std::vector<AIPathSegment> SegmentList::toVector() const {
  std::vector<AIPathSegment> out(size_);
  copyTo(0, size_, out.data());
  return out;
}

void SegmentList::assign(std::span<const AIPathSegment> segments) {
  if (segments.size() > UINT32_MAX) throw std::bad_alloc();
  // Segments read from this list itself are copied out first: the new form
  // may lay them out over the old.
  if (onHeap_ && !segments.empty()) {
    const auto begin = reinterpret_cast<uintptr_t>(s_.heap.data);
    const auto data = reinterpret_cast<uintptr_t>(segments.data());
    if (data >= begin && data - begin < s_.heap.bytes) {
      const std::vector<AIPathSegment> copy(segments.begin(), segments.end());
      assign(copy);
      return;
    }
  }
  const ASBoolean corner = segments.empty() ? ASBoolean{0} : segments[0].corner;
  const bool anchors = allAnchorsOnly(segments, corner);
  makeRoom(segments.size() * (anchors ? sizeof(AIRealPoint) : sizeof(AIPathSegment)), anchors);
  if (anchors) {
    AIRealPoint* to = anchorData();
    for (std::size_t i = 0; i < segments.size(); ++i) to[i] = segments[i].p;
  } else {
    std::copy(segments.begin(), segments.end(), wholeData());
  }
  size_ = static_cast<uint32_t>(segments.size());
  anchorsOnly_ = anchors;
  corner_ = corner;
}

void SegmentList::replace(std::size_t first, std::span<const AIPathSegment> segments) {
  if (segments.empty()) return;
  if (anchorsOnly_) {
    if (allAnchorsOnly(segments, corner_)) {
      AIRealPoint* to = anchorData() + first;
      for (std::size_t i = 0; i < segments.size(); ++i) to[i] = segments[i].p;
      return;
    }
    if (first == 0 && segments.size() == size_) {
      assign(segments);
      return;
    }
    widen();
  }
  std::copy(segments.begin(), segments.end(), wholeData() + first);
}

void SegmentList::makeRoom(std::size_t bytes, bool inlineAllowed) {
  if (inlineAllowed && bytes <= sizeof s_.anchors) {
    release();
    return;
  }
  if (onHeap_ && s_.heap.bytes >= bytes) return;
  void* data = ::operator new(bytes);
  release();
  s_.heap = {data, bytes};
  onHeap_ = true;
}

void SegmentList::release() {
  if (!onHeap_) return;
  ::operator delete(s_.heap.data);
  s_.anchors = {};
  onHeap_ = false;
}

void SegmentList::widen() {
  const std::size_t bytes = size_ * sizeof(AIPathSegment);
  auto* to = static_cast<AIPathSegment*>(::operator new(bytes));
  copyTo(0, size_, to);
  release();
  s_.heap = {to, bytes};
  onHeap_ = true;
  anchorsOnly_ = false;
}

WholeSegments::WholeSegments(const SegmentList& list) {
  if (!list.anchorsOnly()) {
    span_ = list.whole();
    return;
  }
  AIPathSegment* to = few_.data();
  if (list.size() > few_.size()) {
    many_.resize(list.size());
    to = many_.data();
  }
  list.copyTo(0, list.size(), to);
  span_ = {to, list.size()};
}

}  // namespace easel

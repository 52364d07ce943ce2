// The objects a page takes out of its picture going from one snapshot to
// another, by fingerprint: a path put in that looks exactly like one of them
// (a preview makes most of its contours again as they were) is sent as that
// one's id, whose paint and points the page still holds, not as points again.
#ifndef EASEL_WEB_TAKENPATHS_H
#define EASEL_WEB_TAKENPATHS_H

#include <cstdint>
#include <vector>

#include "DrawingSnapshot.h"

namespace easel::web {

class TakenPaths {
 public:
  // What the page takes out of `from` for `changes`: the art removed and what it holds.
  TakenPaths(const DrawingSnapshot& from, const DrawingChanges& changes);
  // The key of an object taken out with this fingerprint, each given once; 0 for none.
  uint64_t take(uint64_t fingerprint);

 private:
  // Those of one fingerprint are given in document order: a chain of them
  // through `taken_`, from the next one to give to the last.
  struct Chain {
    std::size_t next, last;
  };
  struct Taken {
    uint64_t key;
    std::size_t after;  // the next of its fingerprint in taken_ (kEnd: none)
  };
  static constexpr std::size_t kEnd = ~std::size_t{0};
  static void index(const DrawingSnapshot& from, const DrawingChanges& changes, ArtKeySet& gone,
                    ArtKeyMap<Chain>& byFingerprint, std::vector<Taken>& taken);

  ArtKeyMap<Chain> byFingerprint_;
  std::vector<Taken> taken_;
};

// The entries the page puts in for `changes` of `to`: each inserted one and
// what it holds, in document order.
std::vector<const SnapshotEntry*> entriesPutIn(const DrawingSnapshot& to, const DrawingChanges& changes);

}  // namespace easel::web

#endif

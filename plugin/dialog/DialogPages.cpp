#include "plugin/dialog/DialogPages.h"

#include <algorithm>

namespace {

constexpr int32_t kContour[] = {4, 5, 6, 9, 10, 32, 70, 71, 73, 56, 60, 61, 120, 121, 122};
constexpr int32_t kRotate[] = {11, 74, 33, 12, 75, 13, 14, 76, 123};
constexpr int32_t kShift[] = {7, 36, 8, 72, 124, 125};
constexpr int32_t kPoints[] = {34, 35, 16, 17, 18, 19, 77, 78, 79, 126};
constexpr int32_t kStyle[] = {140, 142, 141, 143, 145, 144, 146, 31, 15, 20, 80};
constexpr int32_t kSettings[] = {51, 57, 50, 53, 52, 54, 55, 58, 59};

const DialogPage kPages[] = {
    {1, 100, 106, 4, kContour},  {2, 101, 107, 11, kRotate}, {3, 102, 108, 7, kShift},
    {4, 103, 109, 16, kPoints}, {5, 104, 110, 140, kStyle}, {6, 105, 111, 51, kSettings},
};

}  // namespace

std::span<const DialogPage> dialogPages() { return kPages; }

const DialogPage& pageOrFirst(int32_t currentPage) {
  return currentPage >= 1 && currentPage <= 6 ? kPages[currentPage - 1] : kPages[0];
}

const DialogPage* pageOfButton(int32_t itemId) {
  for (const DialogPage& page : kPages)
    if (page.button == itemId) return &page;
  return nullptr;
}

bool shownAtCreation(int32_t itemId) {
  for (const DialogPage& page : kPages)
    if (page.number != 1 && std::find(page.members.begin(), page.members.end(), itemId) != page.members.end())
      return false;
  return true;
}

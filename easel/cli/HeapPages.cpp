#include "HeapPages.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ with glibc

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace contour_cli {

#if defined(__linux__) && defined(__GLIBC__)

void useLargeHeapPages() {
  // Address space only: pages are used as they are touched.
  constexpr std::size_t kStep = std::size_t{256} << 20;
  // Blocks up to this size come from the heap too (the text of a drawing,
  // an index's table), where mmap would give each pages of its own: glibc's
  // most.
  constexpr int kOwnMapping = 32 << 20;
  if (mallopt(M_MMAP_THRESHOLD, kOwnMapping) == 0 || mallopt(M_TOP_PAD, static_cast<int>(kStep)) == 0 ||
      mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kStep)) == 0) {
    return;
  }
  // A block larger than what the heap has left grows it by the step now,
  // so that the whole of what it will use can be marked at once.
  void* grown = std::malloc(std::size_t{1} << 20);
  if (grown == nullptr) return;
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(grown) & ~(page - 1);
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  std::free(grown);
  // Refused (no huge pages here), the heap stays on small pages.
  if (end > begin) (void)madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

#else

void useLargeHeapPages() {}

#endif

}  // namespace contour_cli

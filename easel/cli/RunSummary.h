// What a run of `contour apply` did, as the line printed after it: objects,
// contours made, time, output size and, for a run that drew random numbers,
// the seed that repeats it.
#ifndef EASEL_CLI_RUNSUMMARY_H
#define EASEL_CLI_RUNSUMMARY_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/host/KeptPaints.h"

namespace contour_cli {

struct RunFacts {
  std::size_t objects = 0;   // selected
  std::size_t contours = 0;  // objects the run added
  double seconds = 0;
  std::uint64_t outputBytes = 0;
  std::optional<std::uint64_t> seed;  // only when random numbers were drawn
  easel::host::KeptPaints kept;       // gradients and patterns the colour modes left as they were

  // "objects contours seconds bytes seed|- kept...", for a batch worker to hand back.
  std::string serialized() const;
  static std::optional<RunFacts> fromSerialized(const std::string& text);
};

// The objects of a document (leaf art, a compound path once), by identity,
// sorted; what a run added is each object of the document then that is not
// in the list from before (counted as the document is walked: a run may
// have added millions).
std::vector<std::uintptr_t> objectIds(const easel::Document& document);
std::size_t objectsAdded(const std::vector<std::uintptr_t>& before, const easel::Document& after);

// "3 objects, 24 contours made in 0.12 s, 14.2 KB written; seed 42", or says
// that nothing was selected or nothing made; then the paints kept, if any
// ("; 12 gradient fills kept: ...").
std::string summaryText(const RunFacts& facts);

// "812 B", "14.2 KB", "3.1 MB".
std::string sizeText(std::uint64_t bytes);

}  // namespace contour_cli

#endif

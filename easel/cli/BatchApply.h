// `contour apply A.svg B.svg ... --out-dir DIR [-j N]`: each drawing in a
// worker process of its own, since the plug-in's suites belong to the whole
// process; at most N at a time. One line per drawing and a total on standard
// error; a drawing that fails says why and does not stop the others.
#ifndef EASEL_CLI_BATCHAPPLY_H
#define EASEL_CLI_BATCHAPPLY_H

#include <functional>
#include <string>
#include <vector>

#include "easel/cli/RunSummary.h"

namespace contour_cli {

// Runs one drawing in the worker: returns its exit status, fills the facts,
// and reports its own failure on standard error.
using ApplyOne = std::function<int(const std::string& input, const std::string& output, RunFacts& facts)>;

// The exit status of the batch: 0 when every drawing was done, else 1. Each
// output is named after its input, with `extension` when not empty (--format).
// A batch that would write over one of its inputs, or write two drawings to
// one file, is refused whole (BatchPlan.h).
int applyBatch(const std::vector<std::string>& inputs, const std::string& outDir, const std::string& extension,
               int jobs, bool quiet, const ApplyOne& applyOne);

}  // namespace contour_cli

#endif

// The drawings of one `apply --out-dir` run and the file each is written to,
// checked as files (device and inode, links followed) before any work starts:
// a batch whose output is one of its inputs, or whose two outputs are one
// file, is refused whole, since a worker alone cannot see the other names.
#ifndef EASEL_CLI_BATCHPLAN_H
#define EASEL_CLI_BATCHPLAN_H

#include <string>
#include <vector>

namespace contour_cli {

struct BatchJob {
  std::string input, output;
};

struct BatchPlan {
  std::vector<BatchJob> jobs;
  std::vector<std::string> repeated;  // one line for each input given again; done once
  std::string refusal;                // when not empty, the line that refuses the batch
};

// Each output is in `outDir` under its input's name, with `extension`
// (".pdf") in place of the input's when given.
BatchPlan planBatch(const std::vector<std::string>& inputs, const std::string& outDir, const std::string& extension);

}  // namespace contour_cli

#endif

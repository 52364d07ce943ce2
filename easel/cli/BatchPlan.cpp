#include "easel/cli/BatchPlan.h"

#include <filesystem>
#include <optional>

#include "easel/core/FileIdentity.h"
#include "easel/core/FileName.h"
#include "easel/core/PathText.h"

namespace contour_cli {

namespace {

namespace fs = std::filesystem;
using easel::FileIdentity;
using easel::shownPath;

// A name with what it stands for (none when no folder on its way can be looked at).
struct Named {
  std::string name;
  std::optional<FileIdentity> id;

  explicit Named(std::string path) : name(std::move(path)), id(easel::fileIdentity(name)) {}
  bool sameFileAs(const Named& other) const {
    if (id && other.id) return *id == *other.id;
    return easel::pathFromUtf8(name).lexically_normal() == easel::pathFromUtf8(other.name).lexically_normal();
  }
  bool isThere() const { return id && id->kind != FileIdentity::Kind::NotThere; }
};

struct Planned {
  Named input, output;
};

std::string outputOf(const std::string& input, const std::string& outDir, const std::string& extension) {
  fs::path output = easel::pathFromUtf8(outDir) / easel::pathFromUtf8(input).filename();
  if (!extension.empty()) output.replace_extension(extension);
  return easel::utf8FromPath(output);
}

std::string resultOf(const Planned& job) {
  return shownPath(job.output.name) + " (from " + shownPath(job.input.name) + ")";
}

}  // namespace

BatchPlan planBatch(const std::vector<std::string>& inputs, const std::string& outDir, const std::string& extension) {
  BatchPlan plan;
  std::vector<Planned> planned;
  for (const std::string& input : inputs) {
    const Planned job{Named(input), Named(outputOf(input, outDir, extension))};
    const Planned* twin = nullptr;
    for (const Planned& other : planned)
      if (job.output.sameFileAs(other.output)) twin = &other;
    // The same drawing to the same result once more is done once.
    if (twin != nullptr && job.input.sameFileAs(twin->input)) {
      plan.repeated.push_back(shownPath(input) + ": given more than once; done once");
      continue;
    }
    if (twin != nullptr) {
      plan.refusal = resultOf(*twin) + " and " + resultOf(job) + " are the same file; nothing was done";
      return plan;
    }
    planned.push_back(job);
  }
  // Every output against every input, whichever was given first.
  for (const Planned& writer : planned) {
    for (const Planned& reader : planned) {
      if (!reader.input.isThere() || !writer.output.sameFileAs(reader.input)) continue;
      plan.refusal = &writer == &reader ? shownPath(writer.input.name) + ": its result " +
                                              shownPath(writer.output.name) + " is the drawing itself; nothing was done"
                                        : resultOf(writer) + " is the same file as the input " +
                                              shownPath(reader.input.name) + "; nothing was done";
      return plan;
    }
  }
  for (const Planned& job : planned) plan.jobs.push_back({job.input.name, job.output.name});
  return plan;
}

}  // namespace contour_cli

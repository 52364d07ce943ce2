// `contour apply IN.svg -o OUT.svg`: the main job. Loads the drawing, selects,
// loads the plug-in, runs one use of the filter (Startup; "AI Get
// Parameters" with the settings dialog run headless; "AI Go"; Shutdown) and
// saves. Every failure is one line naming the file and the problem, with a
// non-zero exit status, and no file it writes is then made or touched (each
// is written to a temporary file, and all are renamed into place together).
#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Commands.h"
#include "DialogChoices.h"
#include "DialogScriptJson.h"
#include "HostSetup.h"
#include "ParamsJson.h"
#include "RunBook.h"
#include "RunSeed.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/core/Random.h"
#include "easel/svg/GimpPalette.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"

namespace contour_cli {

namespace {

struct ApplyOptions {
  std::string input;
  std::string output;
  std::string select = "all";
  std::optional<uint64_t> seed;
  std::optional<uint64_t> memoryBudgetMb;
  std::string swatches;
  std::string trace;
  std::string preset;
  std::vector<std::string> sets;
  std::string params;
  std::string saveParams;
  bool noDialog = false;
  std::string dialogScript;
  std::string dialogState;
  std::string plugin;
  bool replace = false;
  bool again = false;
};

// A failure to report: the whole line after "contour: ".
class ApplyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string displayName(const std::string& path) { return path == "-" ? std::string("<stdin>") : path; }

// One line on standard error that is rewritten as the run goes on, only when
// a person is watching.
class Progress {
 public:
  Progress() : shown_(::isatty(STDERR_FILENO) == 1) {}
  ~Progress() { done(); }
  void step(const std::string& what) {
    if (!shown_) return;
    std::cerr << "\r\033[Kcontour: " << what << "..." << std::flush;
    active_ = true;
  }
  void done() {
    if (active_) std::cerr << "\r\033[K" << std::flush;
    active_ = false;
  }

 private:
  bool shown_;
  bool active_ = false;
};

// "all", or ids separated by commas: each must name some art.
void select(easel::Document& document, const std::string& what, const std::string& file) {
  document.deselectAll();
  if (what == "all") {
    for (easel::ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer)) {
      document.setSelected(layer, true);
    }
    return;
  }
  std::stringstream ids(what);
  std::string id;
  while (std::getline(ids, id, ',')) {
    if (id.empty()) throw ApplyError("--select: an empty id in '" + what + "'");
    if (document.selectByName(id) == 0) throw ApplyError(file + ": no art with the id '" + id + "' to select");
  }
}

// The files the run writes, each to a temporary file until every one is
// complete. The output and the trace are refused before the run when they
// cannot be written or are one of the files it reads.
struct ApplyOutputs {
  easel::FileSet files;
  easel::PendingOutput* trace = nullptr;
  easel::PendingOutput* drawing = nullptr;
  easel::PendingOutput* dialogState = nullptr;
  easel::PendingOutput* saveParams = nullptr;
};

void run(const ApplyOptions& o, ApplyOutputs& out) {
  Progress progress;
  progress.step("reading " + displayName(o.input));
  const std::size_t budget =
      o.memoryBudgetMb ? static_cast<std::size_t>(*o.memoryBudgetMb) << 20 : easel::Document::kDefaultMemoryBudget;
  easel::svg::ImportedSvg drawing = easel::svg::importSvgFile(o.input, budget);
  if (!o.swatches.empty()) easel::svg::addGimpPaletteFile(*drawing.document, o.swatches);
  select(*drawing.document, o.select, displayName(o.input));
  RunBook runs(*drawing.document, *drawing.source, displayName(o.input), std::cerr);
  std::optional<RunBook::Repeat> repeat;
  if (o.again) repeat = runs.chooseAgain(*drawing.document);
  if (o.replace || o.again) runs.removeContours(*drawing.document, false);

  // Everything the run needs from files is read before the plug-in runs.
  std::optional<ContourParams> params;
  if (repeat) params = repeat->params;
  if (!o.params.empty()) {
    try {
      params = paramsFromJsonText(easel::readLimited(o.params, easel::kTextReadLimit));
    } catch (const ParamsJsonError& e) {
      throw ApplyError(o.params + ": " + e.what());
    }
  }

  Easel easel;
  easel.session.setDocument(std::move(drawing.document));
  easel::Document& document = easel.session.document();
  if (o.memoryBudgetMb) document.setMemoryBudget(budget);
  const uint64_t refusalsBefore = document.memoryRefusals();
  const RunSeed seed = repeat && repeat->seed ? seedRepeat(easel.session.random(), *repeat->seed)
                                              : seedRun(easel.session.random(), o.seed);
  if (out.trace != nullptr) easel.session.trace.writeTo(&out.trace->stream());
  setDialogEvents(easel.dialogs, DialogChoices{o.preset, o.sets}, o.dialogScript);

  progress.step("loading the plug-in");
  easel.start(o.plugin);
  if (params) easel.host.setParameterBlock(&*params, sizeof *params);

  progress.step("applying the filter");
  const ASErr result = easel.host.runFilter(!o.noDialog && !o.again);
  const std::string failure = dialogFailure(result, easel.dialogs);
  easel.host.shutdown();
  easel.session.trace.writeTo(nullptr);
  // A cancelled or failed run writes none of its files.
  if (!failure.empty()) throw ApplyError(failure);
  // "AI Go" answers 0 even for a run that stopped; the document knows when it refused to grow.
  if (document.memoryRefusals() != refusalsBefore) {
    throw ApplyError(displayName(o.input) + ": the contours need more than the memory budget of " +
                     std::to_string(document.memoryBudget() >> 20) + " MB (--memory-budget); nothing was written");
  }

  if (out.dialogState != nullptr) {
    const easel::adm::ShownDialog* shown = easel.dialogs.lastShown(easel::adm::kSettingsDialogName);
    if (shown == nullptr) throw ApplyError(o.dialogState + ": the settings dialog was not shown");
    out.dialogState->write(dialogStateText(*shown));
  }
  if (out.saveParams != nullptr) {
    if (easel.host.parameterBlockSize() != sizeof(ContourParams)) {
      throw ApplyError(o.saveParams + ": the plug-in kept no parameter record to save");
    }
    out.saveParams->write(paramsToJsonText(*static_cast<const ContourParams*>(easel.host.parameterBlock())));
  }

  const bool kept = easel.host.parameterBlockSize() == sizeof(ContourParams);
  const easel::svg::RunEdits edits =
      runs.finish(document, kept ? static_cast<const ContourParams*>(easel.host.parameterBlock()) : nullptr,
                  seedToRecord(seed, easel.session.random()));
  progress.step("writing " + (o.output == "-" ? std::string("<stdout>") : o.output));
  out.drawing->write(easel::svg::exportSvg(easel.session.document(), drawing.source.get(), {.runs = &edits}));
  progress.done();
  out.files.commitAll();
  tellDrawnSeed(seed, easel.session.random(), std::cerr);
}

// Notes what the run reads, opens what it writes, and runs it. A failed run
// changes no file but its trace, which is kept since that is when it is wanted.
void runWithFiles(const ApplyOptions& o) {
  ApplyOutputs out;
  for (const std::string* input : {&o.input, &o.params, &o.dialogScript, &o.swatches, &o.plugin}) {
    if (!input->empty()) out.files.addInput(*input);
  }
  if (!o.trace.empty()) out.trace = &out.files.addOutput(o.trace);
  if (!o.dialogState.empty() && !o.noDialog) out.dialogState = &out.files.addOutput(o.dialogState);
  if (!o.saveParams.empty()) out.saveParams = &out.files.addOutput(o.saveParams);
  out.drawing = &out.files.addOutput(o.output);
  try {
    run(o, out);
  } catch (...) {
    if (out.trace != nullptr) {
      try {
        out.files.commitOnly(*out.trace);
      } catch (const std::exception&) {
        // The run's own failure is the one to report.
      }
    }
    throw;
  }
}

}  // namespace

void addApplyCommand(CLI::App& app, int& status) {
  auto o = std::make_shared<ApplyOptions>();
  auto* command = app.add_subcommand("apply", "Apply the Contour filter to a drawing and save the result");
  command->add_option("input", o->input, "The drawing (SVG; - for standard input)")->required();
  command->add_option("-o,--output", o->output, "Where to write the result (SVG; - for standard output)")
      ->required();
  command->add_option("--select", o->select, "What to apply the filter to: all, or ids separated by commas")
      ->capture_default_str();
  command->add_option_function<uint64_t>(
      "--seed", [o](const uint64_t& seed) { o->seed = seed; }, "Seed of the random numbers (for repeatable runs)");
  command->add_option_function<uint64_t>(
      "--memory-budget", [o](const uint64_t& mb) { o->memoryBudgetMb = mb; },
      "Most memory the drawing may take, in megabytes (default " +
          std::to_string(easel::Document::kDefaultMemoryBudget >> 20) + ")")
      ->check(CLI::Range(uint64_t{1}, uint64_t{1} << 30));
  command->add_option("--swatches", o->swatches, "A GIMP palette (.gpl) whose colours join the swatch list after [None] and [Registration]");
  command->add_option("--trace", o->trace, "Write every host call the plug-in makes to this file (JSON lines)");
  command->add_option("--preset", o->preset, "Choose a preset style in the dialog (by name or number)");
  command->add_option("--set", o->sets, "Set a field in the dialog: FIELD=VALUE (repeatable)");
  command->add_option("--params", o->params, "Start from the parameter record in this JSON file");
  command->add_option("--save-params", o->saveParams, "Write the parameter record used to this JSON file");
  command->add_flag("--no-dialog", o->noDialog, "Skip the settings dialog: apply the record as it is");
  command->add_option("--dialog-script", o->dialogScript, "Play these dialog actions (JSON) before accepting");
  command->add_option("--dialog-state", o->dialogState, "Write what the dialog showed when it closed (JSON)");
  command->add_flag("--replace", o->replace,
                    "First remove the contours (and run records) of earlier runs on the selected art");
  auto* again = command->add_flag("--again", o->again,
                                  "Repeat the recorded run of the selected art, with its settings and seed");
  for (const char* other : {"--seed", "--params", "--preset", "--set", "--dialog-script"}) {
    again->excludes(command->get_option(other));
  }
  command->add_option("--plugin", o->plugin, "The plug-in module (default: the one beside contour)");
  command->callback([o, &status] {
    try {
      runWithFiles(*o);
    } catch (const ApplyError& e) {
      status = fail(e.what());
    } catch (const easel::svg::SvgError& e) {
      status = fail(e.what());
    } catch (const std::exception& e) {
      // Errors of the loader, the dialog script and the parameter record
      // already name what they are about.
      status = fail(e.what());
    }
  });
}

}  // namespace contour_cli

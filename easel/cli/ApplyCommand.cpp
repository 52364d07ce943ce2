// `contour apply IN.svg -o OUT.svg`: the main job. Loads the drawing, selects,
// loads the plug-in, runs one use of the filter (Startup; "AI Get
// Parameters" with the settings dialog run headless; "AI Go"; Shutdown),
// saves and says what it did. Every failure is one line naming the file and
// the problem, with a non-zero exit status, and no file it writes is then
// made or touched (each is written to a temporary file, and all are renamed
// into place together). Several drawings go to --out-dir, each in a worker
// process.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ArtSelection.h"
#include "BatchApply.h"
#include "Commands.h"
#include "DialogChoices.h"
#include "DialogReport.h"
#include "FieldListing.h"
#include "NameSuggestions.h"
#include "OutputFormat.h"
#include "ProgramStart.h"
#include "RunSummary.h"
#include "SeedOption.h"
#include "TerminalProgress.h"
#include "UnreadContours.h"
#include "easel/host/DialogScriptJson.h"
#include "easel/host/FieldLimits.h"
#include "easel/host/HostSetup.h"
#include "easel/host/KeptPaints.h"
#include "easel/host/KeptRecord.h"
#include "easel/host/ParamsJson.h"
#include "easel/host/PluginHost.h"
#include "easel/host/RunRecording.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/core/PathText.h"
#include "easel/core/FileName.h"
#include "easel/core/Random.h"
#include "easel/svg/GimpPalette.h"
#include "easel/svg/Gzip.h"
#include "easel/svg/RunBook.h"
#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"
#include "plugin/params/DialogItems.h"

namespace contour_cli {

using namespace easel::host;

namespace {

struct ApplyOptions {
  std::vector<std::string> inputs;
  std::string input;  // the one being run
  std::string output;
  std::string outDir;
  FormatOptions formats;  // what -o or --out-dir writes
  int jobs = 1;
  bool quiet = false;
  bool includeHidden = false;
  std::string select = "all";
  std::string selectFrom;  // a file of ids, one a line
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
  bool includeContours = false;
  bool again = false;
};

// A failure to report: the whole line after "contour: ".
class ApplyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A name for messages: standard input or output by name, control characters quoted.
std::string displayName(const std::string& path) {
  return path == "-" ? std::string("<stdin>") : easel::shownPath(path);
}
std::string outputName(const std::string& path) {
  return path == "-" ? std::string("<stdout>") : easel::shownPath(path);
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

// A recorded run to repeat: its parameter record and where its random numbers began.
struct Repeat {
  ContourParams params;
  std::optional<RecordedSeed> seed;
};

Repeat repeatOf(const easel::svg::RunRecord& record) {
  Repeat repeat{paramsFromNames(record.params), std::nullopt};
  if (record.seed) repeat.seed = RecordedSeed{*record.seed, record.drawsBefore};
  return repeat;
}

// "14 selected objects are contours of contour-run-1: ...", or "" for none.
std::string contoursOfEarlierRuns(const std::vector<std::pair<std::string, std::size_t>>& byRun) {
  if (byRun.empty()) return {};
  std::size_t total = 0;
  std::string runs;
  for (std::size_t i = 0; i < byRun.size(); ++i) {
    total += byRun[i].second;
    runs += (i == 0 ? "" : i + 1 == byRun.size() ? " and " : ", ") + byRun[i].first;
  }
  const bool one = total == 1, several = byRun.size() > 1;
  return std::to_string(total) + (one ? " selected object is a contour of " : " selected objects are contours of ") +
         runs + ": --replace redoes " + (several ? "those runs" : "that run") + ", --include-contours contours " +
         (one ? "it" : "them") + " anyway";
}

// The drawing read and its art selected, with the runs it records after
// what --again, --replace or the selection of contours did to them.
struct ReadDrawing {
  easel::svg::ImportedSvg svg;
  std::unique_ptr<easel::svg::RunBook> runs;
  std::optional<Repeat> repeat;
};

ReadDrawing readDrawing(const ApplyOptions& o, std::size_t budget, bool leaveRunContours, std::ostream& warnings,
                        TerminalProgress& progress) {
  ReadDrawing d;
  d.svg = easel::svg::importSvgFile(o.input, budget, {.leaveRunContours = leaveRunContours});
  easel::Document& document = *d.svg.document;
  if (!d.svg.warnings.empty()) progress.done();
  for (const std::string& line : d.svg.warnings) warn(line, warnings);
  if (!o.swatches.empty()) easel::svg::addGimpPaletteFile(document, o.swatches);
  if (o.selectFrom.empty()) {
    selectArt(document, o.select, o.includeHidden, displayName(o.input));
  } else {
    selectIds(document, idLines(easel::readLimited(o.selectFrom, easel::kTextReadLimit)), displayName(o.input));
  }
  d.runs = std::make_unique<easel::svg::RunBook>(document, *d.svg.source, displayName(o.input), contourVersion(),
                                                 paramsProblem, warnings);
  if (o.again) {
    d.repeat = repeatOf(d.runs->chooseAgain(document));
  } else if (o.replace) {
    d.runs->deselectContours(document, true);
  } else if (!o.includeContours) {
    const std::string contours = contoursOfEarlierRuns(d.runs->selectedContours(document));
    if (!contours.empty()) warn(displayName(o.input) + ": " + contours, warnings);
    d.runs->deselectContours(document, false);
  }
  if (o.replace || o.again) d.runs->removeContours(document, false);
  d.runs->forgetContours();
  return d;
}

// --again removes the contours of the run it repeats, mostly all that the
// file records (UnreadContours.h). With --trace, whose art handles would
// differ, the drawing is read whole.
ReadDrawing readForRun(const ApplyOptions& o, std::size_t budget, TerminalProgress& progress) {
  if (!o.again || !o.trace.empty()) return readDrawing(o, budget, false, std::cerr, progress);
  return readRemovingRunContours(
      o.input, [&](bool leave, std::ostream& warnings) { return readDrawing(o, budget, leave, warnings, progress); });
}

RunFacts run(const ApplyOptions& o, ApplyOutputs& out) {
  const auto began = std::chrono::steady_clock::now();
  TerminalProgress progress(std::cerr, standardErrorIsTerminal());
  progress.step("reading " + displayName(o.input));
  const std::size_t budget =
      o.memoryBudgetMb ? static_cast<std::size_t>(*o.memoryBudgetMb) << 20 : easel::Document::kDefaultMemoryBudget;
  ReadDrawing loaded = readForRun(o, budget, progress);
  easel::svg::ImportedSvg& drawing = loaded.svg;
  easel::svg::RunBook& runs = *loaded.runs;
  const std::optional<Repeat>& repeat = loaded.repeat;
  RunFacts facts;
  const std::vector<uintptr_t> selected = selectedObjectIds(*drawing.document);
  facts.objects = selected.size();
  const easel::host::KeptPaints nonFlat = easel::host::nonFlatPaints(*drawing.document, selected);
  const std::vector<std::uintptr_t> objectsBefore = objectIds(*drawing.document);

  // Everything the run needs from files is read before the plug-in runs.
  // Without the dialog and without a record, the plug-in's defaults apply,
  // as on a first use.
  std::optional<ContourParams> params;
  std::optional<RecordedSeed> savedSeed;  // of the run that wrote the --params file
  std::string paramsText;
  if (repeat) params = repeat->params;
  if (!o.params.empty()) {
    try {
      paramsText = easel::readLimited(o.params, easel::kTextReadLimit);
      ParamsWithinLimits read = paramsWithinLimits(paramsText, personalParamsNaming(),
                                                   static_cast<int32_t>(drawing.document->swatches().size()));
      for (const std::string& line : read.warnings) warn(o.params + ": " + line);
      params = read.params;
      savedSeed = read.seed;
    } catch (const ParamsJsonError& e) {
      throw ApplyError(displayName(o.params) + ": " + e.what());
    }
  } else if (o.noDialog && !repeat) {
    params = defaultContourParams();
  }

  Easel easel;
  easel.session.setDocument(std::move(drawing.document));
  easel::Document& document = easel.session.document();
  if (o.memoryBudgetMb) document.setMemoryBudget(budget);
  const uint64_t refusalsBefore = document.memoryRefusals();
  // A settings file with its seed repeats its run, unless --seed says otherwise.
  const RunSeed seed = repeat && repeat->seed ? seedRepeat(easel.session.random(), *repeat->seed)
                       : savedSeed && !o.seed ? seedReplay(easel.session.random(), *savedSeed)
                                              : seedRun(easel.session.random(), o.seed);
  if (out.trace != nullptr) easel.session.trace.writeTo(&out.trace->stream());
  setDialogEvents(easel.dialogs, DialogChoices{o.preset, o.sets}, o.dialogScript);

  progress.step("loading the plug-in");
  easel.start(o.plugin);
  if (params) easel::host::keepRecord(easel.host, *params);

  progress.step("applying the filter");
  progress.startObjects(selected);
  easel.session.watch.setListener([&progress](uintptr_t source, uint64_t) { progress.copied(source); });
  const ASErr result = easel.host.runFilter(!o.noDialog && !o.again);
  const std::string failure = dialogFailure(result, easel.dialogs);
  easel.host.shutdown();
  easel.session.trace.writeTo(nullptr);
  // A cancelled or failed run writes none of its files.
  if (!failure.empty()) throw ApplyError(failure);
  // "AI Go" answers 0 even for a run that stopped; the document knows when it refused to grow.
  if (document.memoryRefusals() != refusalsBefore) {
    throw ApplyError(displayName(o.input) + ": " + easel::host::overBudgetText(document.memoryBudget()) +
                     " (--memory-budget); nothing was written");
  }
  for (const std::string& line : typingWarnings(easel.dialogs)) warn(line);
  const easel::adm::ShownDialog* shown = easel.dialogs.lastShown(kSettingsDialogName);
  const std::optional<ContourParams> used = easel::host::keptRecord(easel.host);
  if (used) facts.kept = easel::host::keptBy(nonFlat, *used);
  if (shown != nullptr && used) {
    for (const std::string& line : dialogChanges(givenValues(o.params, paramsText, o.sets), *shown, *used)) warn(line);
  }

  if (out.dialogState != nullptr) {
    if (shown == nullptr) throw ApplyError(outputName(o.dialogState) + ": the settings dialog was not shown");
    out.dialogState->write(dialogStateText(*shown));
  }
  if (out.saveParams != nullptr) {
    if (!used) throw ApplyError(outputName(o.saveParams) + ": the plug-in kept no parameter record to save");
    out.saveParams->write(settingsText(*used, seedToRecord(seed, easel.session.random())));
  }

  std::optional<ParamsByName> kept;
  if (used) kept = paramsByName(*used);
  const std::optional<RecordedSeed> recorded = seedToRecord(seed, easel.session.random());
  const easel::svg::RunEdits edits =
      runs.finish(document, kept ? &*kept : nullptr, recorded ? std::optional(recorded->seed) : std::nullopt,
                  recorded ? recorded->drawsBefore : 0);
  progress.step("writing " + outputName(o.output));
  const OutputFormat format = outputFormatOf(o.output, o.formats);
  std::size_t written = 0;
  if (isPicture(format)) {
    // The picture is drawn from the SVG the run would have written.
    std::ostringstream svg;
    easel::svg::exportSvg(svg, easel.session.document(), drawing.source.get(), {.runs = &edits});
    try {
      written = writePictureOf(svg.str(), format, o.formats, budget, out.drawing->stream());
    } catch (const std::runtime_error& e) {
      throw ApplyError(outputName(o.output) + ": " + e.what() + "; nothing was written");
    }
  } else {
    // Written as it is produced (compressed for svgz), into the temporary
    // file that commitAll() puts in place.
    easel::svg::SvgOutput svg(out.drawing->stream(), format == OutputFormat::Svgz);
    written = easel::svg::exportSvg(svg.stream(), easel.session.document(), drawing.source.get(), {.runs = &edits});
    svg.finish();
  }
  progress.done();
  out.files.commitAll();

  facts.contours = objectsAdded(objectsBefore, easel.session.document());
  facts.outputBytes = written;
  if (const std::optional<RecordedSeed> used = seedToRecord(seed, easel.session.random())) facts.seed = used->seed;
  facts.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  return facts;
}

// Notes what the run reads, opens what it writes, and runs it. A failed run
// changes no file but its trace, which is kept since that is when it is wanted.
RunFacts runWithFiles(const ApplyOptions& o) {
  ApplyOutputs out;
  for (const std::string* input : {&o.input, &o.selectFrom, &o.params, &o.dialogScript, &o.swatches, &o.plugin}) {
    if (!input->empty()) out.files.addInput(*input);
  }
  if (!o.trace.empty()) out.trace = &out.files.addOutput(o.trace);
  if (!o.dialogState.empty() && !o.noDialog) out.dialogState = &out.files.addOutput(o.dialogState);
  if (!o.saveParams.empty()) out.saveParams = &out.files.addOutput(o.saveParams);
  out.drawing = &out.files.addOutput(o.output);
  try {
    return run(o, out);
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

// Combinations that cannot do what they say; each is a usage error.
void checkUsage(const ApplyOptions& o) {
  const bool batch = o.inputs.size() > 1 || !o.outDir.empty();
  if (o.select.empty()) throw UsageError("--select: give \"all\" or ids separated by commas");
  if (o.noDialog) {
    const char* skipped = !o.sets.empty()           ? "--set"
                          : !o.preset.empty()       ? "--preset"
                          : !o.dialogState.empty()  ? "--dialog-state"
                          : !o.dialogScript.empty() ? "--dialog-script"
                                                    : nullptr;
    if (skipped) throw UsageError(std::string(skipped) + " acts in the settings dialog, which --no-dialog skips");
  }
  if (!batch && o.output.empty()) throw UsageError("give -o FILE for the result (or --out-dir DIR)");
  if (batch && !o.output.empty())
    throw UsageError(o.outDir.empty() ? "-o names one output: write several drawings with --out-dir"
                                      : "-o and --out-dir: give one of them");
  if (batch && o.outDir.empty()) throw UsageError("several drawings: give --out-dir DIR");
  if (batch) outDirFormat(o.formats);
  else
    outputFormatOf(o.output, o.formats);
  if (batch) {
    for (const std::string& input : o.inputs)
      if (input == "-") throw UsageError("standard input (-) is one drawing: not with --out-dir");
    const char* single = !o.trace.empty()         ? "--trace"
                         : !o.saveParams.empty()  ? "--save-params"
                         : !o.dialogState.empty() ? "--dialog-state"
                                                  : nullptr;
    if (single) throw UsageError(std::string(single) + " writes one file: not with --out-dir");
  }
  choiceEvents(DialogChoices{o.preset, o.sets});  // a preset or field that is not there
}

int runOne(const ApplyOptions& o, RunFacts& facts) {
  try {
    facts = runWithFiles(o);
    return kExitDone;
  } catch (const UsageError& e) {
    fail(e.what());
    return kExitUsage;
  } catch (const std::exception& e) {
    // Errors of the loader, the drawing, the dialog script and the parameter
    // record already name what they are about.
    return fail(e.what());
  }
}

int apply(const ApplyOptions& options) {
  try {
    checkUsage(options);
  } catch (const std::exception& e) {  // UsageError, DialogChoiceError
    fail(e.what());
    return kExitUsage;
  }
  if (options.inputs.size() == 1 && options.outDir.empty()) {
    ApplyOptions o = options;
    o.input = o.inputs[0];
    RunFacts facts;
    const int status = runOne(o, facts);
    if (status == kExitDone && !o.quiet)
      std::cerr << "contour: " << displayName(o.input) << ": " << summaryText(facts) << '\n';
    return status;
  }
  const std::optional<OutputFormat> format = outDirFormat(options.formats);
  return applyBatch(options.inputs, options.outDir, format ? extensionOf(*format) : "", options.jobs, options.quiet,
                    [&](const std::string& input, const std::string& output, RunFacts& facts) {
                      ApplyOptions o = options;
                      o.input = input;
                      o.output = output;
                      return runOne(o, facts);
                    });
}

}  // namespace

void addApplyCommand(CLI::App& app, int& status) {
  auto o = std::make_shared<ApplyOptions>();
  auto* command = app.add_subcommand("apply", "Apply the Contour filter to drawings and save the results");
  command->footer(kExitStatusHelp);
  command->add_option("inputs", o->inputs, "The drawings (SVG; - for standard input)")->required()->type_name("FILE");
  command
      ->add_option("-o,--output", o->output,
                   "Where to write the result (.svg, .svgz, .png or .pdf; - for standard output)")
      ->type_name("FILE");
  command
      ->add_option("--out-dir", o->outDir,
                   "Write each result to this folder under its drawing's name (with --format, its extension)")
      ->type_name("DIR");
  addFormatOptions(*command, o->formats);
  command->add_option("-j,--jobs", o->jobs, "How many drawings to work on at once (with --out-dir)")
      ->check(CLI::Range(1, 64));
  command->add_flag("-q,--quiet", o->quiet, "Say nothing after a run that went well");
  command
      ->add_option("--select", o->select,
                   "What to apply the filter to: all (visible, unlocked art), or ids separated by commas")
      ->capture_default_str();
  command
      ->add_option("--select-from", o->selectFrom,
                   "Apply the filter to the art whose ids this file lists, one a line, each as it is (all, commas)")
      ->type_name("FILE")
      ->excludes("--select");
  command->add_flag("--include-hidden", o->includeHidden, "With --select all: take hidden and locked art too");
  addSeedOption(*command, o->seed, "Seed of the random numbers, 0 to 2^64-1 (for repeatable runs)");
  command
      ->add_option_function<uint64_t>(
          "--memory-budget", [o](const uint64_t& mb) { o->memoryBudgetMb = mb; },
          "Most memory the drawing may take, in megabytes (default " +
              std::to_string(easel::Document::kDefaultMemoryBudget >> 20) + ")")
      ->check(CLI::Range(uint64_t{1}, uint64_t{1} << 30));
  command
      ->add_option("--swatches", o->swatches,
                   "A GIMP palette (.gpl) whose colours join the swatch list after [None] and [Registration]")
      ->type_name("FILE");
  command->add_option("--trace", o->trace, "Write every host call the plug-in makes to this file (JSON lines)")
      ->type_name("FILE");
  command
      ->add_option("--preset", o->preset,
                   "Choose a preset style in the dialog (by name or number; see `contour presets`)")
      ->type_name("NAME");
  command
      ->add_option("--set", o->sets,
                   "Set a field in the dialog: FIELD=VALUE (repeatable; see `contour params`, `contour modes FIELD`)")
      ->type_name("FIELD=VALUE");
  command
      ->add_option_function<std::string>(
          "--help-field",
          [](const std::string& field) {
            try {
              std::cout << fieldHelp(field);
            } catch (const UsageError& e) {
              throw CLI::ValidationError("--help-field", e.what());
            }
            throw CLI::Success();
          },
          "Print a field's unit and limits (and a list's entries), then exit")
      ->trigger_on_parse()
      ->type_name("FIELD");
  command
      ->add_option("--params", o->params,
                   "Start from the parameter record in this JSON file (with its seed, unless --seed is given)")
      ->type_name("FILE");
  command
      ->add_option("--save-params", o->saveParams,
                   "Write the parameter record used, with the run's seed, to this JSON file (--params FILE "
                   "repeats the run)")
      ->type_name("FILE");
  command->add_flag("--no-dialog", o->noDialog,
                    "Skip the settings dialog: apply the --params record as it is (without one, the defaults)");
  command->add_option("--dialog-script", o->dialogScript, "Play these dialog actions (JSON) before accepting")
      ->type_name("FILE");
  command->add_option("--dialog-state", o->dialogState, "Write what the dialog showed when it closed (JSON)")
      ->type_name("FILE");
  command->add_flag("--replace", o->replace,
                    "First remove the contours (and run records) of earlier runs on the selected art; a selected "
                    "contour stands for its run");
  command
      ->add_flag("--include-contours", o->includeContours,
                 "Contour the selected contours of earlier runs too (without it they are left out, with a warning)")
      ->excludes("--replace");
  auto* again =
      command->add_flag("--again", o->again, "Repeat the recorded run of the selected art, with its settings and seed");
  for (const char* other : {"--seed", "--params", "--preset", "--set", "--dialog-script", "--include-contours"}) {
    again->excludes(command->get_option(other));
  }
  command->add_option("--plugin", o->plugin, kPluginOptionHelp)->type_name("FILE");
  command->callback([o, &status] { status = apply(*o); });
}

}  // namespace contour_cli

// `contour strip IN.svg -o OUT.svg`: removes every contour and run record
// that the drawing records, giving back the drawing as it was before the
// runs. Records that cannot be used are reported and, with their contours,
// kept.
#include <iostream>
#include <memory>
#include <string>

#include "Commands.h"
#include "UnreadContours.h"
#include "easel/host/HostSetup.h"
#include "easel/core/FileIo.h"
#include "easel/core/PathText.h"
#include "easel/host/RunRecording.h"
#include "easel/svg/Gzip.h"
#include "easel/svg/RunBook.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"

namespace contour_cli {

using namespace easel::host;

namespace {

struct StripOptions {
  std::string input;
  std::string output;
};

// The drawing with every contour that may go removed.
struct Stripped {
  easel::svg::ImportedSvg drawing;
  std::unique_ptr<easel::svg::RunBook> runs;
};

Stripped read(const StripOptions& o, bool leaveRunContours, std::ostream& warnings) {
  Stripped s{
      easel::svg::importSvgFile(o.input, easel::Document::kDefaultMemoryBudget, {.leaveRunContours = leaveRunContours}),
      nullptr};
  for (const std::string& line : s.drawing.warnings) warn(line, warnings);
  s.runs = std::make_unique<easel::svg::RunBook>(*s.drawing.document, *s.drawing.source,
                                                 o.input == "-" ? "<stdin>" : easel::shownPath(o.input),
                                                 contourVersion(), paramsProblem, warnings);
  s.runs->removeContours(*s.drawing.document, true);
  s.runs->forgetContours();
  return s;
}

void strip(const StripOptions& o) {
  easel::FileSet files;
  files.addInput(o.input);
  easel::PendingOutput& output = files.addOutput(o.output);
  Stripped stripped =
      readRemovingRunContours(o.input, [&](bool leave, std::ostream& warnings) { return read(o, leave, warnings); });
  const easel::svg::ImportedSvg& drawing = stripped.drawing;
  const easel::svg::RunEdits edits = stripped.runs->finish(*drawing.document, nullptr, std::nullopt, 0);
  easel::svg::SvgOutput svg(output.stream(), o.output);  // compressed for .svgz
  easel::svg::exportSvg(svg.stream(), *drawing.document, drawing.source.get(), {.runs = &edits});
  svg.finish();
  files.commitAll();
}

}  // namespace

void addStripCommand(CLI::App& app, int& status) {
  auto o = std::make_shared<StripOptions>();
  auto* command = app.add_subcommand("strip", "Remove every recorded contour run from a drawing");
  command->add_option("input", o->input, "The drawing (SVG; - for standard input)")->required()->type_name("FILE");
  command->add_option("-o,--output", o->output, "Where to write the result (SVG; - for standard output)")
      ->required()
      ->type_name("FILE");
  command->callback([o, &status] {
    try {
      strip(*o);
    } catch (const std::exception& e) {
      status = fail(e.what());
    }
  });
}

}  // namespace contour_cli

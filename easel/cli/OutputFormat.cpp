#include "easel/cli/OutputFormat.h"

#include <array>
#include <filesystem>
#include <stdexcept>

#include "easel/cli/Commands.h"
#include "easel/cli/NameSuggestions.h"
#include "easel/core/FileName.h"
#ifdef CONTOUR_WITH_PICTURES
#include "easel/render/SvgPicture.h"
#endif

namespace contour_cli {

namespace {

namespace fs = std::filesystem;

struct FormatName {
  OutputFormat format;
  const char* name;       // as --format takes it
  const char* extension;  // as a file name ends
};

constexpr std::array<FormatName, 4> kFormats{{
    {OutputFormat::Svg, "svg", ".svg"},
    {OutputFormat::Svgz, "svgz", ".svgz"},
    {OutputFormat::Png, "png", ".png"},
    {OutputFormat::Pdf, "pdf", ".pdf"},
}};

const FormatName& named(OutputFormat format) {
  for (const FormatName& f : kFormats)
    if (f.format == format) return f;
  throw std::logic_error("an output format without a name");
}

std::optional<OutputFormat> byExtension(const std::string& path) {
  const std::string extension = easel::utf8FromPath(easel::pathFromUtf8(path).extension());
  for (const FormatName& f : kFormats)
    if (sameNameIgnoringCase(extension, f.extension)) return f.format;
  return std::nullopt;
}

std::optional<OutputFormat> byOption(const FormatOptions& options) {
  for (const FormatName& f : kFormats)
    if (sameNameIgnoringCase(options.format, f.name)) return f.format;
  return std::nullopt;  // CLI11 takes only the names above
}

// Picture sizes belong to a PNG; PNG and PDF to a build that draws them.
OutputFormat checked(OutputFormat format, const FormatOptions& options) {
  const bool sized = options.dpi || options.width || options.height;
  if (sized && format != OutputFormat::Png)
    throw UsageError(std::string(options.dpi     ? "--dpi"
                                 : options.width ? "--width"
                                                 : "--height") +
                     " sets the size of a PNG; the output is " + named(format).name +
                     (format == OutputFormat::Pdf ? " (a PDF keeps the drawing's own size)" : ""));
  if (options.dpi && (options.width || options.height))
    throw UsageError("--dpi and --width/--height both size the PNG: give one of them");
#ifndef CONTOUR_WITH_PICTURES
  if (isPicture(format))
    throw UsageError(std::string("this contour is built without PNG and PDF output; write SVG (.svg or .svgz)"));
#endif
  return format;
}

}  // namespace

void addFormatOptions(CLI::App& command, FormatOptions& options) {
  std::vector<std::string> names;
  for (const FormatName& f : kFormats) names.push_back(f.name);
  command
      .add_option("--format", options.format,
                  "What to write: svg, svgz, png or pdf (default: from the output's extension; SVG for --out-dir)")
      ->check(CLI::IsMember(names, CLI::ignore_case));
  command
      .add_option_function<double>(
          "--dpi", [&options](const double& dpi) { options.dpi = dpi; },
          "PNG: pixels per inch of the drawing's size (default 96, a pixel per CSS pixel)")
      ->check(CLI::Range(1.0, 9600.0));
  command
      .add_option_function<int>(
          "--width", [&options](const int& width) { options.width = width; },
          "PNG: width in pixels (alone, the height keeps the drawing's proportions)")
      ->check(CLI::Range(1, 1 << 30));
  command
      .add_option_function<int>(
          "--height", [&options](const int& height) { options.height = height; },
          "PNG: height in pixels (alone, the width keeps the drawing's proportions)")
      ->check(CLI::Range(1, 1 << 30));
}

OutputFormat outputFormatOf(const std::string& output, const FormatOptions& options) {
  const std::optional<OutputFormat> given = byOption(options);
  // Standard output, a pipe or a device is a stream with no name to go by: SVG unless --format says.
  std::error_code error;
  const fs::file_status status = fs::status(easel::pathFromUtf8(output), error);
  const bool stream =
      output == "-" || (!error && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status));
  const std::optional<OutputFormat> fromName = stream ? std::optional(OutputFormat::Svg) : byExtension(output);
  if (given && fromName && *given != *fromName && !stream)
    throw UsageError("-o " + quotedInput(output) + " is named for " + named(*fromName).name + ", --format says " +
                     named(*given).name);
  if (given) return checked(*given, options);
  if (!fromName)
    throw UsageError("-o " + quotedInput(output) +
                     ": the name ends in none of .svg, .svgz, .png and .pdf; say what to write with --format");
  return checked(*fromName, options);
}

std::optional<OutputFormat> outDirFormat(const FormatOptions& options) {
  const std::optional<OutputFormat> given = byOption(options);
  checked(given.value_or(OutputFormat::Svg), options);
  return given;
}

const char* extensionOf(OutputFormat format) { return named(format).extension; }

bool isPicture(OutputFormat format) { return format == OutputFormat::Png || format == OutputFormat::Pdf; }

std::size_t writePictureOf(std::string_view svg, OutputFormat format, const FormatOptions& options,
                           std::size_t memoryBudget, std::ostream& out) {
#ifdef CONTOUR_WITH_PICTURES
  easel::render::PictureRequest request;
  request.kind = format == OutputFormat::Pdf ? easel::render::PictureKind::Pdf : easel::render::PictureKind::Png;
  request.dpi = options.dpi.value_or(96);
  request.width = options.width;
  request.height = options.height;
  request.memoryBudget = memoryBudget;
  try {
    return easel::render::writePicture(svg, request, out);
  } catch (const easel::render::BudgetError& e) {
    throw easel::render::BudgetError(std::string(e.what()) + " (--memory-budget)");
  }
#else
  (void)svg, (void)options, (void)memoryBudget, (void)out;
  throw std::runtime_error(std::string("this contour is built without ") + named(format).name + " output");
#endif
}

}  // namespace contour_cli

// What `apply` writes: SVG (plain or compressed), a PNG picture or a PDF
// print file, named by the output's extension or by --format, and the PNG's
// size (--dpi, or --width/--height in pixels). PNG and PDF are drawn by
// easel/render, which a build without pictures (the Windows one) leaves out.
#ifndef EASEL_CLI_OUTPUTFORMAT_H
#define EASEL_CLI_OUTPUTFORMAT_H

#include <CLI/CLI.hpp>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace contour_cli {

enum class OutputFormat { Svg, Svgz, Png, Pdf };

struct FormatOptions {
  std::string format;  // --format, empty when not given
  std::optional<double> dpi;
  std::optional<int> width, height;
};

// Adds --format, --dpi, --width and --height to the command.
void addFormatOptions(CLI::App& command, FormatOptions& options);

// The format of one output: --format when given, else the name's extension
// (standard output "-", a pipe or a device is SVG). Throws UsageError for a name whose extension
// is none of ours without --format, for a --format at odds with the name, for
// picture sizes with a format that is not PNG, and for PNG or PDF in a build
// without them.
OutputFormat outputFormatOf(const std::string& output, const FormatOptions& options);

// The format of every output of --out-dir: --format, else SVG beside SVG.
std::optional<OutputFormat> outDirFormat(const FormatOptions& options);

// ".png" for PNG...
const char* extensionOf(OutputFormat format);

bool isPicture(OutputFormat format);

// Writes the picture of the SVG text to `out`; returns the bytes written.
// Throws std::runtime_error with the reason (a picture too large, a drawing
// that cannot be drawn) before anything is written when it can.
std::size_t writePictureOf(std::string_view svg, OutputFormat format, const FormatOptions& options,
                           std::size_t memoryBudget, std::ostream& out);

}  // namespace contour_cli

#endif

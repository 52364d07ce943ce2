// File > Export...: a PNG of the page, of the drawing or of the selection,
// or the SVG of the selection alone, written by the host into the drawing's
// folder under Save As's rules; a host built without pictures (the page's)
// leaves the PNG to the page, which draws it from the drawing's SVG. The
// size is worked out first: "measure" answers it alone (the page shows it
// before it writes), and a picture larger than the memory budget is refused
// with its size before anything is drawn.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "CanvasSelection.h"
#include "EditorHost.h"
#include "FolderTarget.h"
#include "SelectionSvg.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/host/HostSetup.h"
#include "easel/render/PictureSize.h"
#ifdef CONTOUR_WITH_PICTURES
#include "easel/render/SvgPicture.h"
#endif

namespace easel::web {

namespace {

using Json = nlohmann::json;
namespace fs = std::filesystem;

// The box that holds all of `boxes` (artwork points, y up); none for none.
std::optional<AIRealRect> unionOf(const std::vector<AIRealRect>& boxes) {
  if (boxes.empty()) return std::nullopt;
  AIRealRect all = boxes.front();
  for (const AIRealRect& b : boxes) {
    all.left = std::min(all.left, b.left);
    all.right = std::max(all.right, b.right);
    all.top = std::max(all.top, b.top);
    all.bottom = std::min(all.bottom, b.bottom);
  }
  return all;
}

std::vector<AIRealRect> layerBounds(const Document& document) {
  std::vector<AIRealRect> boxes;
  for (ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer))
    if (document.hasBounds(layer)) boxes.push_back(document.bounds(layer));
  return boxes;
}

std::optional<double> numberOf(const Json& body, const char* key) {
  if (!body.contains(key)) return std::nullopt;
  if (!body[key].is_number() || !std::isfinite(body[key].get<double>()) || !(body[key].get<double>() > 0))
    throw BadRequest(std::string("Export: \"") + key + "\" is a number above 0");
  return body[key].get<double>();
}

std::optional<int> pixelsOf(const Json& body, const char* key) {
  const std::optional<double> value = numberOf(body, key);
  if (value && !(*value < 1e9)) throw BadRequest(std::string("Export: \"") + key + "\" is too large");
  return value ? std::optional<int>(static_cast<int>(std::lround(*value))) : std::nullopt;
}

}  // namespace

EditorHost::Outcome EditorHost::exportPicture(const Json& body) {
  const Document& document = easel_->session.document();
  const std::string format = body.value("format", "png"), area = body.value("area", "page");
  if (format != "png" && format != "svg") throw BadRequest("Export writes \"png\" or \"svg\"");
  const bool measure = body.value("measure", false);
  std::string bytes;
  std::optional<Json> drawn;  // what the page draws, where the host draws no pictures
  Json size;
  if (format == "svg") {
    if (selectionBounds(document).empty())
      return {409, "Export as SVG writes the selection alone: select something first"};
    const svg::RunEdits edits = runs_.edits(document);
    bytes = selectionSvg(document, reporter_.source(), &edits);
    size = {{"bytes", bytes.size()}};
  } else {
    std::optional<AIRealRect> box;
    if (area == "selection") box = unionOf(selectionBounds(document));
    else if (area == "drawing")
      box = unionOf(layerBounds(document));
    else if (area != "page")
      throw BadRequest("Export: the area is \"page\", \"drawing\" or \"selection\"");
    if (area != "page" && !(box && box->right > box->left && box->top > box->bottom))
      return {409, area == "selection" ? "Export: nothing is selected" : "Export: the drawing has nothing to draw"};
    render::PictureRequest request;
    const double w = document.pageWidth(), h = document.pageHeight();
    if (box)
      request.area = {box->left / w, (h - box->top) / h, (box->right - box->left) / w, (box->top - box->bottom) / h};
    request.dpi = numberOf(body, "dpi").value_or(96);
    request.width = pixelsOf(body, "width");
    request.height = pixelsOf(body, "height");
    request.white = body.value("background", "transparent") == "white";
    request.memoryBudget = document.memoryBudget();
    try {
#ifdef CONTOUR_WITH_PICTURES
      const std::string svg = reporter_.svgText(document, runs_.edits(document));
      const render::PictureSize pixels = render::pictureSize(svg, request);
      if (!measure) {
        std::ostringstream out;
        render::writePicture(svg, request, out);
        bytes = std::move(out).str();
      }
#else
      // The drawing's own size is its page's, as a reader of the file takes it.
      const render::PictureSize pixels = render::sizeOfPicture(
          {w * render::kCssDpi / render::kPointsPerInch, h * render::kCssDpi / render::kPointsPerInch}, request);
      // This host draws no pictures: the page draws the drawing's SVG at this
      // size, the area's top-left corner at the picture's.
      if (!measure)
        drawn = Json{{"svg", reporter_.svgText(document, runs_.edits(document))},
                     {"area", {request.area.left, request.area.top, request.area.width, request.area.height}},
                     {"white", request.white}};
#endif
      size = {{"width", pixels.width}, {"height", pixels.height}, {"bytes", pixels.width * pixels.height * 4}};
    } catch (const render::RenderError& e) {
      return {409, std::string("Export: ") + e.what() + "; nothing was written"};
    }
  }
  Outcome outcome;
  outcome.more = {{"export", size}};
  if (measure) return outcome;
  if (!(body.contains("path") && body["path"].is_string())) throw BadRequest("Export needs a file name");
  const std::string name = body["path"].get<std::string>();
  const fs::path path = folderTarget(name, drawingFolder_, format == "svg" ? kExportSvg : kExportPng);
  std::error_code error;
  if (fs::equivalent(path, options_.drawingPath, error))
    return {409, "Export \"" + name + "\": that is the drawing itself; choose another name"};
  if (drawn) {  // the page keeps what it draws where the user says
    (*drawn)["name"] = path.filename().string();
    outcome.more["export"]["draw"] = std::move(*drawn);
    note("exported " + path.filename().string());
    return outcome;
  }
  if (!body.value("overwrite", false) && fs::symlink_status(path, error).type() != fs::file_type::not_found)
    return {409, path.filename().string() + " exists: replace it, or choose another name?", "exists"};
  try {
    writeWhole(path.string(), bytes);
  } catch (const FileError& e) {
    return {500, e.what()};
  }
  note("exported " + path.string());
  outcome.more["export"]["file"] = path.filename().string();
  return outcome;
}

}  // namespace easel::web

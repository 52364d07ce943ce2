// The file: its XML, the page and viewBox, ids and style sheets; and the
// importer's public entry points.
#include "SvgImporter.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "ColorText.h"
#include "Scanner.h"
#include "easel/core/FileIo.h"

namespace easel::svg::detail {

ImportedSvg Importer::run() {
  parseXml();
  doc_ = std::make_unique<Document>();
  // While reading, the text is held beside the art: the art gets what is left.
  const std::size_t held = source_->buffer.size() + original_.size();
  doc_->setMemoryBudget(budget_ > held ? budget_ - held : 0);
  readPage();
  collectIds();
  readStyleSheets();
  importRoot();
  addSolidSwatches();
  doc_->setMemoryBudget(budget_);
  ImportedSvg out;
  out.document = std::move(doc_);
  out.source = source_;
  return out;
}

void Importer::parseXml() {
  // Before the parse the buffer is still the text as read.
  const std::string& text = source_->buffer;
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    throw SvgError(errorText(source_->fileName, 0, 0, "empty file, not an SVG drawing"));
  }
  // UTF-16 and UTF-32 text has NUL bytes among its first few; the reader takes UTF-8 only.
  if (text.substr(0, 4).find('\0') != std::string::npos || text.rfind("\xFF\xFE", 0) == 0 ||
      text.rfind("\xFE\xFF", 0) == 0) {
    throw SvgError(errorText(source_->fileName, 0, 0, "written in UTF-16 or UTF-32; save it as UTF-8"));
  }
  std::string& buffer = source_->buffer;
  const pugi::xml_parse_result r = source_->xml.load_buffer_inplace(
      buffer.data(), buffer.size(), pugi::parse_full | pugi::parse_ws_pcdata, pugi::encoding_utf8);
  if (!r) failAt(static_cast<std::size_t>(r.offset), std::string("not an SVG file: ") + r.description());
  pugi::xml_node root = source_->xml.document_element();
  const std::string_view name = root.name();
  const std::size_t colon = name.find(':');
  const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
  if (local != "svg") failNode(root, "not an SVG file: the root element is <" + std::string(name) + ">");
  source_->root = root;
  source_->svgPrefix = colon == std::string_view::npos ? "" : std::string(name.substr(0, colon + 1));
  source_->contourPrefix = prefixFor(root, kContourNamespace, std::string(kContourPrefix) + ":");
  source_->inkscapePrefix = prefixFor(root, kInkscapeNamespace, "inkscape:");
  insensitiveName_ = prefixFor(root, kSodipodiNamespace, "sodipodi:") + "insensitive";
}

std::string_view Importer::nameOf(pugi::xml_node node) const { return svgName(node, source_->svgPrefix); }

void Importer::readPage() {
  pugi::xml_node root = source_->root;
  bool hasViewBox = false;
  double vb[4] = {0, 0, 0, 0};
  if (pugi::xml_attribute a = root.attribute("viewBox")) {
    read(a, [&](std::string_view t) {
      Scanner s(t);
      s.skipSpace();
      for (int i = 0; i < 4; ++i) {
        if (i > 0) s.skipCommaSpace();
        vb[i] = s.number("a viewBox number");
      }
      s.skipSpace();
      if (!s.atEnd()) s.fail("unexpected text after the viewBox");
      if (!(vb[2] > 0 && vb[3] > 0)) s.failAt(0, "a viewBox needs a width and height above 0");
      return 0;
    });
    hasViewBox = true;
  }
  // A size that is missing or a percentage is that share of the viewBox.
  const auto side = [&](const char* name, double viewBoxSide, double otherwise) {
    pugi::xml_attribute a = root.attribute(name);
    const Length l = a ? read(a, [](std::string_view t) { return parseLength(t); }) : Length{100, Unit::Percent};
    if (l.unit != Unit::Percent) return toUserUnits(l, 0);
    return hasViewBox ? viewBoxSide * l.value / 100 : otherwise;
  };
  const double widthPx = side("width", vb[2], 300), heightPx = side("height", vb[3], 150);
  const double width = widthPx * kPointsPerPixel, height = heightPx * kPointsPerPixel;
  if (!(width > 0 && height > 0 && width <= std::numeric_limits<float>::max() &&
        height <= std::numeric_limits<float>::max())) {
    failNode(root, "the page needs a width and height above 0");
  }
  doc_->setPageSize(static_cast<AIReal>(width), static_cast<AIReal>(height));
  source_->pageWidth = width;
  source_->pageHeight = height;
  Affine viewBox;
  if (hasViewBox) {
    viewBox = viewBoxTransform(vb, widthPx, heightPx, root.attribute("preserveAspectRatio"));
    viewportWidth_ = vb[2];
    viewportHeight_ = vb[3];
  } else {
    viewportWidth_ = widthPx;
    viewportHeight_ = heightPx;
  }
  source_->rootToDoc = Affine{kPointsPerPixel, 0, 0, -kPointsPerPixel, 0, height} * viewBox;
}

Affine Importer::viewBoxTransform(const double* vb, double width, double height, pugi::xml_attribute par) {
  std::string_view align = "xMidYMid";
  bool slice = false;
  if (par) {
    read(par, [&](std::string_view t) {
      Scanner s(t);
      s.skipSpace();
      if (s.rest().substr(0, 5) == "defer") {
        s.advance(5);
        s.skipSpace();
      }
      align = s.word();
      s.skipSpace();
      const std::string_view mode = s.word();
      if (mode == "slice") slice = true;
      else if (!mode.empty() && mode != "meet")
        s.fail("expected meet or slice");
      return 0;
    });
  }
  double sx = width / vb[2], sy = height / vb[3];
  if (align != "none") {
    static constexpr std::string_view kAligns[] = {"xMinYMin", "xMidYMin", "xMaxYMin", "xMinYMid", "xMidYMid",
                                                   "xMaxYMid", "xMinYMax", "xMidYMax", "xMaxYMax"};
    if (std::find(std::begin(kAligns), std::end(kAligns), align) == std::end(kAligns)) {
      failAt(offsetOf(par.value()), "unknown preserveAspectRatio '" + std::string(align) + "'");
    }
    sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
  }
  double tx = -vb[0] * sx, ty = -vb[1] * sy;
  const auto share = [&](std::string_view axis) {
    if (align.find(std::string(axis) + "Mid") != std::string_view::npos) return 0.5;
    if (align.find(std::string(axis) + "Max") != std::string_view::npos) return 1.0;
    return 0.0;
  };
  tx += (width - vb[2] * sx) * share("x");
  ty += (height - vb[3] * sy) * share("Y");
  return {sx, 0, 0, sy, tx, ty};
}

void Importer::collectIds() {
  std::vector<std::pair<pugi::xml_node, std::size_t>> stack{{source_->root, 1}};
  while (!stack.empty()) {
    const auto [n, depth] = stack.back();
    stack.pop_back();
    if (depth > kDepthLimit)
      failNode(n,
               "elements nested " + std::to_string(depth) + " deep (the limit is " + std::to_string(kDepthLimit) + ")");
    if (pugi::xml_attribute id = n.attribute("id")) {
      source_->ids.insert(id.value());
      byId_.emplace(id.value(), n);
    }
    if (nameOf(n) == "style") styleElements_.push_back(n);
    for (pugi::xml_node c = n.last_child(); c; c = c.previous_sibling()) {
      if (c.type() == pugi::node_element) stack.emplace_back(c, depth + 1);
    }
  }
}

void Importer::readStyleSheets() {
  for (pugi::xml_node style : styleElements_) {
    const std::string_view type = style.attribute("type").value();
    if (!type.empty() && type != "text/css") continue;
    for (pugi::xml_node text : style.children()) {
      if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata) {
        const std::size_t at = offsetOf(text.value());
        sheet_.add(text.value(), at == std::string::npos ? 0 : at);
      }
    }
  }
}

}  // namespace easel::svg::detail

namespace easel::svg {

using detail::Importer;

namespace {

ImportedSvg importText(std::string text, const std::string& fileName, std::size_t budget, const std::string& path) {
  try {
    return Importer(std::move(text), fileName, budget, path).run();
  } catch (const DocumentError& e) {
    throw SvgError(errorText(fileName, 0, 0, e.what()));
  } catch (const MemoryBudgetError&) {
    const std::size_t mb = std::size_t{1} << 20;
    const std::string size = budget % mb == 0 ? std::to_string(budget / mb) + " MB" : std::to_string(budget) + " bytes";
    throw SvgError(errorText(fileName, 0, 0, "the drawing needs more than the memory budget of " + size + " to read"));
  }
}

}  // namespace

ImportedSvg importSvg(std::string text, const std::string& fileName, std::size_t budget) {
  return importText(std::move(text), fileName, budget, std::string());
}

ImportedSvg importSvgFile(const std::string& path, std::size_t limit) {
  std::string text = readLimited(path, limit);
  return importText(std::move(text), path == "-" ? std::string("<stdin>") : path, limit, path == "-" ? "" : path);
}

}  // namespace easel::svg

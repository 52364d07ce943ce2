// The file: its XML, the page and viewBox, ids and style sheets; and the
// importer's public entry points.
#include "SvgImporter.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>

#include "ColorText.h"
#include "ContourRuns.h"
#include "Gzip.h"
#include "Namespaces.h"
#include "Scanner.h"
#include "easel/core/FileIo.h"
#include "easel/core/Trimmed.h"

namespace easel::svg::detail {

ImportedSvg Importer::run() {
  parseXml();
  doc_ = std::make_unique<Document>();
  // While reading, the text is held beside the art: the art gets what is left.
  const std::size_t held = source_->buffer.size() + (source_->text.kept() ? source_->text.size() : 0);
  doc_->setMemoryBudget(budget_ > held ? budget_ - held : 0);
  readPage();
  const std::size_t elements = collectIds();
  // A run that kept copies of the sources it deleted has its selected
  // contours stand for those sources: they are read.
  leaveContours_ = leaveContours_ && keptCopies_.empty() && !recordIds_.empty();
  // Room for every element, of which only the pages that the contours left
  // unread fill are touched: the list is never copied as it grows.
  if (leaveContours_) source_->unread.reserve(elements);
  readStyleSheets();
  importRoot();
  addSolidSwatches();
  doc_->setMemoryBudget(budget_);
  ImportedSvg out;
  out.document = std::move(doc_);
  out.source = source_;
  if (!warnings_.empty()) out.warnings = warnings_.lines(source_->fileName, textAsWritten());
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
  EntityTable entities;
  try {
    entities = declaredEntities(text);
  } catch (const ValueError& e) {
    failAt(e.offset(), std::string("not an SVG file: ") + e.what());
  }
  // With entities of its own the file's escapes are decoded here, with them
  // (pugixml would leave "&amp;st0;" as "&st0;", which is then taken for the entity).
  std::string& buffer = source_->buffer;
  const std::size_t size = buffer.size();
  const unsigned options = (pugi::parse_full | pugi::parse_ws_pcdata) & ~(entities.empty() ? 0u : pugi::parse_escapes);
  const pugi::xml_parse_result r =
      source_->xml.load_buffer_inplace(buffer.data(), buffer.size(), options, pugi::encoding_utf8);
  if (!r) failAt(static_cast<std::size_t>(r.offset), std::string("not an SVG file: ") + r.description());
  if (!entities.empty()) expandEntities(entities, size);
  pugi::xml_node root = source_->xml.document_element();
  const std::string_view name = root.name();
  const std::size_t colon = name.find(':');
  const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
  if (local != "svg") failNode(root, "not an SVG file: the root element is <" + std::string(name) + ">");
  source_->root = root;
  source_->svgPrefix = colon == std::string_view::npos ? "" : std::string(name.substr(0, colon + 1));
  source_->inkscapePrefix = prefixFor(root, kInkscapeNamespace, "inkscape:");
  insensitiveName_ = prefixFor(root, kSodipodiNamespace, "sodipodi:") + "insensitive";
}

std::string_view Importer::nameOf(pugi::xml_node node) const { return svgName(node, source_->svgPrefix); }

void Importer::readPage() {
  pugi::xml_node root = source_->root;
  bool hasViewBox = false;
  double vb[4] = {0, 0, 0, 0};
  if (pugi::xml_attribute a = root.attribute("viewBox")) {
    // A viewBox that cannot be read, or of a negative size, is as if absent;
    // one of size 0 shows nothing, which a page cannot be.
    hasViewBox = readOr(a, false, [&](std::string_view t) {
      Scanner s(t);
      s.skipSpace();
      for (int i = 0; i < 4; ++i) {
        if (i > 0) s.skipCommaSpace();
        vb[i] = s.number("a viewBox number");
      }
      s.skipSpace();
      if (!s.atEnd()) s.fail("unexpected text after the viewBox");
      if (vb[2] < 0 || vb[3] < 0) s.failAt(0, "a negative size");
      return true;
    });
    if (hasViewBox && !(vb[2] > 0 && vb[3] > 0))
      failAt(offsetOf(a.value()), "a viewBox needs a width and height above 0 in viewBox");
  }
  // A size that is missing or a percentage is that share of the viewBox.
  // So is one that cannot be read, is negative or "auto"; the units of the
  // font and viewport take their initial values here.
  const auto side = [&](const char* name, double viewBoxSide, double otherwise) {
    const auto share = [&](double percent) { return hasViewBox ? viewBoxSide * percent / 100 : otherwise; };
    pugi::xml_attribute a = root.attribute(name);
    if (!a || isKeyword(trimmed(std::string_view(a.value()), kSvgWhiteSpace), "auto")) return share(100);
    std::optional<Length> l =
        readOr(a, std::optional<Length>(), [](std::string_view t) { return std::optional(parseLength(t)); });
    if (l && l->value < 0) {
      ignored(offsetOf(a.value()), ignoredText(name, a.value(), "negative"));
      l.reset();
    }
    if (!l) return share(100);
    return l->unit == Unit::Percent ? share(l->value) : toUserUnits(*l, 0);
  };
  const double widthPx = side("width", vb[2], 300), heightPx = side("height", vb[3], 150);
  const double width = widthPx * kPointsPerPixel, height = heightPx * kPointsPerPixel;
  initial_ = initialStyle(widthPx, heightPx);
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
  static constexpr std::string_view kAligns[] = {"none",     "xMinYMin", "xMidYMin", "xMaxYMin", "xMinYMid",
                                                 "xMidYMid", "xMaxYMid", "xMinYMax", "xMidYMax", "xMaxYMax"};
  // One that cannot be read is as if absent: centred, scaled to fit.
  using Fit = std::pair<std::string_view, bool>;  // the alignment, and whether to slice
  const Fit fit = !par ? Fit{"xMidYMid", false} : readOr(par, Fit{"xMidYMid", false}, [&](std::string_view t) {
    Scanner s(t);
    s.skipSpace();
    if (s.rest().substr(0, 5) == "defer") {
      s.advance(5);
      s.skipSpace();
    }
    const std::size_t at = s.offset();
    const std::string_view alignment = s.word();
    if (std::find(std::begin(kAligns), std::end(kAligns), alignment) == std::end(kAligns))
      s.failAt(at, "unknown alignment '" + std::string(alignment) + "'");
    s.skipSpace();
    const std::string_view mode = s.word();
    if (!mode.empty() && mode != "meet" && mode != "slice") s.fail("expected meet or slice");
    s.skipSpace();
    if (!s.atEnd()) s.fail("unexpected text after preserveAspectRatio");
    return Fit{alignment, mode == "slice"};
  });
  const std::string_view align = fit.first;  // named, for the lambda below (clang 14 captures no bindings)
  const bool slice = fit.second;
  double sx = width / vb[2], sy = height / vb[3];
  if (align != "none") sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
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

// One walk of the whole tree: what the reader and the writer need of it
// besides the art.
std::size_t Importer::collectIds() {
  std::size_t elements = 0;
  struct Open {
    pugi::xml_node node;
    std::size_t depth;
    bool inRecord;
  };
  std::vector<Open> stack{{source_->root, 1, false}};
  PrefixChoice contourPrefix(source_->root, kContourNamespace, kContourPrefix);
  const std::string metadataName = source_->svgPrefix + "metadata";
  while (!stack.empty()) {
    const auto [n, depth, inRecord] = stack.back();
    stack.pop_back();
    ++elements;
    if (depth > kDepthLimit)
      failNode(n,
               "elements nested " + std::to_string(depth) + " deep (the limit is " + std::to_string(kDepthLimit) + ")");
    const std::string_view name = n.name();
    // One pass over the attributes, for the check, the prefix and the id.
    contourPrefix.noteElement(name);
    const char* few[kFewAttributes];
    std::size_t count = 0;
    bool hasId = false;
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute(), ++count) {
      const char* attribute = a.name();
      if (count < kFewAttributes) few[count] = attribute;
      contourPrefix.noteAttribute(attribute, a.value());
      if (!hasId && std::strcmp(attribute, "id") == 0) hasId = true, source_->ids.emplace(a.value(), n);
    }
    checkAttributes(n, few, count);
    const bool record = localName(name) == "run" && isRunRecord(n);
    if (record && !inRecord) source_->runRecords.push_back(n);
    if (record && leaveContours_) recordIds_.insert(n.attribute("id").value());
    if (n.parent() == source_->root && name == metadataName &&
        std::string_view(attributeIn(n, kContourNamespace, "role").value()) == "runs") {
      source_->runsMetadata = n;
    }
    if (nameOf(n) == "style") styleElements_.push_back(n);
    if (name.ends_with(":kept") && isRunRecord(n.parent()) && elementIs(n, kContourNamespace, "kept")) {
      const pugi::xml_node copy = n.find_child([](pugi::xml_node c) { return c.type() == pugi::node_element; });
      if (copy) keptCopies_.emplace(std::pair(n.parent().attribute("id").value(), n.attribute("n").value()), copy);
    }
    for (pugi::xml_node c = n.last_child(); c; c = c.previous_sibling()) {
      if (c.type() == pugi::node_element) stack.push_back({c, depth + 1, inRecord || record});
    }
  }
  source_->contourPrefix = contourPrefix.chosen().prefix;
  return elements;
}

void Importer::checkAttributes(pugi::xml_node element, const char* const* few, std::size_t count) const {
  const auto refuse = [&](const char* second) {
    failAt(offsetOf(second), "not an SVG file: the attribute " + std::string(second) + " is given twice");
  };
  // A few are compared pair by pair (the first letters first: most differ
  // there); many, sorted by name.
  constexpr std::size_t kFew = kFewAttributes;
  if (count < 2) return;
  if (count <= kFew) {
    for (std::size_t i = 0; i < count; ++i) {
      for (std::size_t j = i + 1; j < count; ++j) {
        if (few[i][0] == few[j][0] && std::strcmp(few[i], few[j]) == 0) refuse(few[j]);
      }
    }
    return;
  }
  std::vector<std::string_view> names;
  for (pugi::xml_attribute a : element.attributes()) names.push_back(a.name());
  std::vector<std::string_view> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
  if (twice == sorted.end()) return;
  // The second of the pair in the file's order.
  const auto first = std::find(names.begin(), names.end(), *twice);
  refuse(std::find(first + 1, names.end(), *twice)->data());
}

void Importer::readStyleSheets() {
  for (pugi::xml_node style : styleElements_) {
    const std::string_view type = style.attribute("type").value();
    if (!type.empty() && type != "text/css") continue;
    for (pugi::xml_node text : style.children()) {
      if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata) {
        const std::size_t at = offsetOf(text.value());
        sheet_.add(text.value(), at == std::string::npos ? 0 : at, [&](std::size_t offset, std::string message) {
          ignored(at == std::string::npos ? at : offset, std::move(message));
        });
      }
    }
  }
}

}  // namespace easel::svg::detail

namespace easel::svg {

using detail::Importer;

namespace {

std::string budgetText(std::size_t budget) {
  const std::size_t mb = std::size_t{1} << 20;
  return budget % mb == 0 ? std::to_string(budget / mb) + " MB" : std::to_string(budget) + " bytes";
}

ImportedSvg importText(std::string text, SourceText original, const std::string& fileName, std::size_t budget,
                       const std::string& path, bool leaveRunContours) {
  const auto overBudget = [&] {
    return SvgError(errorText(fileName, 0, 0,
                              "the drawing needs more than the memory budget of " + budgetText(budget) + " to read"));
  };
  try {
    // A compressed drawing is known by its bytes; the budget holds for what
    // it inflates to, and the writer copies from the inflated text, kept.
    if (isGzip(text)) {
      text = inflatedIfGzip(std::move(text), budget);
      original = SourceText(text);
    }
    return Importer(std::move(text), std::move(original), fileName, budget, path, leaveRunContours).run();
  } catch (const DocumentError& e) {
    throw SvgError(errorText(fileName, 0, 0, e.what()));
  } catch (const MemoryBudgetError&) {
    throw overBudget();
  } catch (const GzipLimitError&) {
    throw overBudget();
  } catch (const GzipError& e) {
    throw SvgError(errorText(fileName, 0, 0, std::string("not an SVG file: ") + e.what()));
  }
}

}  // namespace

ImportedSvg importSvg(std::string text, const std::string& fileName, std::size_t budget, const ReadOptions& options) {
  SourceText original(text);
  return importText(std::move(text), std::move(original), fileName, budget, std::string(), options.leaveRunContours);
}

ImportedSvg importSvgFile(const std::string& path, std::size_t limit, const ReadOptions& options) {
  std::string text;
  SourceText original = SourceText::readFile(path, limit, &text);
  if (options.keepText && !original.kept()) original = SourceText(text);
  return importText(std::move(text), std::move(original), path == "-" ? std::string("<stdin>") : path, limit,
                    path == "-" ? "" : path, options.leaveRunContours);
}

}  // namespace easel::svg

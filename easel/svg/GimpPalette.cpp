#include "GimpPalette.h"

#include <sstream>
#include <vector>

#include "ColorText.h"
#include "Scanner.h"
#include "SvgError.h"
#include "SvgImport.h"
#include "easel/core/FileIo.h"
#include "easel/core/Trimmed.h"

namespace easel::svg {

namespace {}  // namespace

void addGimpPalette(Document& document, const std::string& text, const std::string& fileName) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  std::vector<Swatch> colours;
  while (std::getline(in, line)) {
    ++number;
    std::string_view l = trimmed(line, kSvgWhiteSpace);
    if (number == 1) {
      if (l.substr(0, 3) == "\xEF\xBB\xBF") l.remove_prefix(3);  // a byte order mark
      if (l != "GIMP Palette") throw SvgError(errorText(fileName, 1, 1, "not a GIMP palette"));
      continue;
    }
    if (l.empty() || l[0] == '#' || l.substr(0, 5) == "Name:" || l.substr(0, 8) == "Columns:") continue;
    Scanner s(l);
    Rgb rgb;
    try {
      double* parts[3] = {&rgb.r, &rgb.g, &rgb.b};
      for (double* p : parts) {
        s.skipSpace();
        const std::size_t start = s.offset();
        const double v = s.number("a colour component");
        if (v < 0 || v > 255 || v != static_cast<int>(v)) {
          s.failAt(start, "a component is a whole number from 0 to 255");
        }
        *p = v / 255;
      }
      if (!s.atEnd() && !isSvgSpace(s.peek())) s.fail("expected a space after the components");
    } catch (const ValueError& e) {
      const std::size_t column = static_cast<std::size_t>(l.data() - line.data()) + e.offset() + 1;
      throw SvgError(errorText(fileName, number, static_cast<int>(column), e.what()));
    }
    const std::string_view name = trimmed(s.rest(), kSvgWhiteSpace);
    colours.push_back({name.empty() ? hexColor(rgb) : std::string(name), rgbColor(rgb)});
  }
  if (number == 0) throw SvgError(errorText(fileName, 0, 0, "empty file, not a GIMP palette"));
  document.insertSwatches(Document::kFixedSwatchCount, std::move(colours));
}

void addGimpPaletteFile(Document& document, const std::string& path) {
  addGimpPalette(document, readLimited(path, kTextReadLimit), path);
}

}  // namespace easel::svg

// Any bytes as an SVG file: the importer either reads a document or throws
// SvgError; what it reads is written and read back. Nothing may crash, hang
// or leak.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "easel/svg/SvgError.h"
#include "easel/svg/SvgExport.h"
#include "easel/svg/SvgImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace easel::svg;
  std::string out;
  try {
    const ImportedSvg first = importSvg(std::string(reinterpret_cast<const char*>(data), size), "fuzz.svg");
    out = exportSvg(*first.document, first.source.get());
  } catch (const SvgError&) {
    return 0;
  }
  // What we wrote we must be able to read.
  try {
    importSvg(out, "export.svg");
  } catch (const SvgError& e) {
    std::fprintf(stderr, "the export does not read back: %s\n", e.what());
    std::abort();
  }
  return 0;
}

// The current document's setup, and redrawing it.
#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

constexpr SuiteId kDocument = SuiteId::AIDocument;

ASErr getDocumentSetup(AIDocumentSetup* setup) noexcept {
  return documentCall(kDocument, "get document setup", [&](Call& c, Document& d) {
    if (setup == nullptr) return nullArgument(c, "result pointer");
    *setup = AIDocumentSetup{};
    setup->width = d.pageWidth();
    setup->height = d.pageHeight();
    setup->showPlacedImages = 1;
    setup->pageTileMode = 0;
    setup->outputResolution = 800;
    c.out("width", setup->width).out("height", setup->height);
    return kNoErr;
  });
}

ASErr redrawDocument() noexcept {
  return documentCall(kDocument, "redraw document", [&](Call&, Document& d) {
    d.requestRedraw();
    return kNoErr;
  });
}

const AIDocumentSuite kSuite{getDocumentSetup, redrawDocument};

}  // namespace

const AIDocumentSuite* document() { return &kSuite; }

}  // namespace easel::suites

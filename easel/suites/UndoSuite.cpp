// Taking back what the current filter command has changed.
#include "DocumentCall.h"
#include "easel/core/Random.h"
#include "Suites.h"

namespace easel::suites {
namespace {

ASErr undoChanges() noexcept {
  return documentCall(SuiteId::AIUndo, "undo changes of this plug-in call", [&](Call& c, Document& d) {
    c.in("changes", d.pendingChanges());
    d.undoChanges();
    c.session().random().markRunStart();
    return kNoErr;
  });
}

const AIUndoSuite kSuite{undoChanges};

}  // namespace

const AIUndoSuite* undo() { return &kSuite; }

}  // namespace easel::suites

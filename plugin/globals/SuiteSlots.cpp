#include "plugin/globals/SuiteTable.h"

const SPBlocksSuite* sSPBlocks = nullptr;
const SPAccessSuite* sSPAccess = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIMenuSuite* sAIMenu = nullptr;
const AIFilterSuite* sAIFilter = nullptr;
const ADMBasicSuite* sADMBasic = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMItemSuite* sADMItem = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMNotifierSuite* sADMNotifier = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;

namespace {

// Each slot keeps its own type; the host hands tables back untyped.
template <class Suite, const Suite** Slot>
void store(const void* suite) {
  *Slot = static_cast<const Suite*>(suite);
}

template <class Suite, const Suite** Slot>
bool filled() {
  return *Slot != nullptr;
}

template <class Suite, const Suite** Slot>
constexpr SuiteRow row(const char* name, int32_t version) {
  return SuiteRow{name, version, &store<Suite, Slot>, &filled<Suite, Slot>};
}

}  // namespace

const SuiteRow kSuiteTable[kSuiteCount] = {
    row<SPBlocksSuite, &sSPBlocks>(kSPBlocksSuite, kSPBlocksSuiteVersion),
    row<SPAccessSuite, &sSPAccess>(kSPAccessSuite, kSPAccessSuiteVersion),
    row<AIMdMemorySuite, &sAIMdMemory>(kAIMdMemorySuite, kAIMdMemorySuiteVersion),
    row<AIRealMathSuite, &sAIRealMath>(kAIRealMathSuite, kAIRealMathSuiteVersion),
    row<AIArtSuite, &sAIArt>(kAIArtSuite, kAIArtSuiteVersion),
    row<AIUserSuite, &sAIUser>(kAIUserSuite, kAIUserSuiteVersion),
    row<AIDocumentSuite, &sAIDocument>(kAIDocumentSuite, kAIDocumentSuiteVersion),
    row<AIDocumentViewSuite, &sAIDocumentView>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion),
    row<AIMatchingArtSuite, &sAIMatchingArt>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion),
    row<AIPathSuite, &sAIPath>(kAIPathSuite, kAIPathSuiteVersion),
    row<AIPathStyleSuite, &sAIPathStyle>(kAIPathStyleSuite, kAIPathStyleSuiteVersion),
    row<AIRandomSuite, &sAIRandom>(kAIRandomSuite, kAIRandomSuiteVersion),
    row<AIBlendStyleSuite, &sAIBlendStyle>(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion),
    row<AITransformArtSuite, &sAITransformArt>(kAITransformArtSuite, kAITransformArtSuiteVersion),
    row<AISwatchListSuite, &sAISwatchList>(kAISwatchListSuite, kAISwatchListSuiteVersion),
    row<AIUndoSuite, &sAIUndo>(kAIUndoSuite, kAIUndoSuiteVersion),
    row<AIMenuSuite, &sAIMenu>(kAIMenuSuite, kAIMenuSuiteVersion),
    row<AIFilterSuite, &sAIFilter>(kAIFilterSuite, kAIFilterSuiteVersion),
    row<ADMBasicSuite, &sADMBasic>(kADMBasicSuite, kADMBasicSuiteVersion),
    row<ADMDialogSuite, &sADMDialog>(kADMDialogSuite, kADMDialogSuiteVersion),
    row<ADMItemSuite, &sADMItem>(kADMItemSuite, kADMItemSuiteVersion),
    row<ADMIconSuite, &sADMIcon>(kADMIconSuite, kADMIconSuiteVersion),
    row<ADMNotifierSuite, &sADMNotifier>(kADMNotifierSuite, kADMNotifierSuiteVersion),
    row<ADMListSuite, &sADMList>(kADMListSuite, kADMListSuiteVersion),
    row<ADMEntrySuite, &sADMEntry>(kADMEntrySuite, kADMEntrySuiteVersion),
    row<ADMTrackerSuite, &sADMTracker>(kADMTrackerSuite, kADMTrackerSuiteVersion),
};

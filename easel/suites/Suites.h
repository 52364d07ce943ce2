// The function tables the easel hands out, one file per suite. The tables are
// thin: each function checks its arguments and handles, asks the core, and
// reports through hostCall.
#ifndef EASEL_SUITES_SUITES_H
#define EASEL_SUITES_SUITES_H

#include "easel/core/SuiteId.h"
#include "plugin/host/AllSuites.h"

namespace easel::suites {

const SPBasicSuite* basic();
const SPBlocksSuite* blocks();
const SPAccessSuite* access();
const AIMdMemorySuite* mdMemory();
const AIRealMathSuite* realMath();
const AIArtSuite* art();
const AIUserSuite* user();
const AIDocumentSuite* document();
const AIDocumentViewSuite* documentView();
const AIMatchingArtSuite* matchingArt();
const AIPathSuite* path();
const AIPathStyleSuite* pathStyle();
const AIRandomSuite* random();
const AIBlendStyleSuite* blendStyle();
const AITransformArtSuite* transformArt();
const AISwatchListSuite* swatchList();
const AIUndoSuite* undo();
const AIMenuSuite* menu();
const AIFilterSuite* filter();
const ADMBasicSuite* admBasic();
const ADMDialogSuite* admDialog();
const ADMItemSuite* admItem();
const ADMIconSuite* admIcon();
const ADMNotifierSuite* admNotifier();
const ADMListSuite* admList();
const ADMEntrySuite* admEntry();
const ADMTrackerSuite* admTracker();

// The table of an acquirable suite.
const void* table(SuiteId id);

}  // namespace easel::suites

#endif

// The process-wide slots through which every part of the plug-in calls the
// host. A slot is filled only while a PluginMain call holds the suites.
#ifndef CONTOUR_GLOBALS_SUITESLOTS_H
#define CONTOUR_GLOBALS_SUITESLOTS_H

#include "plugin/host/AllSuites.h"

extern const SPBlocksSuite* sSPBlocks;
extern const SPAccessSuite* sSPAccess;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIRealMathSuite* sAIRealMath;
extern const AIArtSuite* sAIArt;
extern const AIUserSuite* sAIUser;
extern const AIDocumentSuite* sAIDocument;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const AIPathSuite* sAIPath;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIRandomSuite* sAIRandom;
extern const AIBlendStyleSuite* sAIBlendStyle;
extern const AITransformArtSuite* sAITransformArt;
extern const AISwatchListSuite* sAISwatchList;
extern const AIUndoSuite* sAIUndo;
extern const AIMenuSuite* sAIMenu;
extern const AIFilterSuite* sAIFilter;
extern const ADMBasicSuite* sADMBasic;
extern const ADMDialogSuite* sADMDialog;
extern const ADMItemSuite* sADMItem;
extern const ADMIconSuite* sADMIcon;
extern const ADMNotifierSuite* sADMNotifier;
extern const ADMListSuite* sADMList;
extern const ADMEntrySuite* sADMEntry;
extern const ADMTrackerSuite* sADMTracker;

#endif

#include "Suites.h"

namespace easel::suites {

const void* table(SuiteId id) {
  switch (id) {
    case SuiteId::SPBlocks: return blocks();
    case SuiteId::SPAccess: return access();
    case SuiteId::AIMdMemory: return mdMemory();
    case SuiteId::AIRealMath: return realMath();
    case SuiteId::AIArt: return art();
    case SuiteId::AIUser: return user();
    case SuiteId::AIDocument: return document();
    case SuiteId::AIDocumentView: return documentView();
    case SuiteId::AIMatchingArt: return matchingArt();
    case SuiteId::AIPath: return path();
    case SuiteId::AIPathStyle: return pathStyle();
    case SuiteId::AIRandom: return random();
    case SuiteId::AIBlendStyle: return blendStyle();
    case SuiteId::AITransformArt: return transformArt();
    case SuiteId::AISwatchList: return swatchList();
    case SuiteId::AIUndo: return undo();
    case SuiteId::AIMenu: return menu();
    case SuiteId::AIFilter: return filter();
    case SuiteId::ADMBasic: return admBasic();
    case SuiteId::ADMDialog: return admDialog();
    case SuiteId::ADMItem: return admItem();
    case SuiteId::ADMIcon: return admIcon();
    case SuiteId::ADMNotifier: return admNotifier();
    case SuiteId::ADMList: return admList();
    case SuiteId::ADMEntry: return admEntry();
    case SuiteId::ADMTracker: return admTracker();
    case SuiteId::SPBasic: return basic();
  }
  return nullptr;
}

}  // namespace easel::suites

#include <cstring>

#include "Lifecycle.h"
#include "TextRoutines.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/resources/resource_ids.h"

namespace {

constexpr int32_t kFilterStringList = CONTOUR_MENU_STRINGS_ID;
constexpr int32_t kMenuTextBuffer = 68;
constexpr int32_t kMenuTextMaximum = 65;

// Registers the filter named by each (category, title) pair of list 16000.
// The plug-in has one filter, so the loop makes exactly one pass.
ASErr registerFilters() {
  int16_t i = 1;
  int16_t n = 0;
  while (true) {
    char category[kMenuTextBuffer] = {0};
    char title[kMenuTextBuffer] = {0};
    sADMBasic->getIndexString(gPluginRef, kFilterStringList, i, category, kMenuTextMaximum);
    if (category[0] == '\0') break;
    sADMBasic->getIndexString(gPluginRef, kFilterStringList, i + 1, title, kMenuTextMaximum);
    toLengthPrefixed(category);
    toLengthPrefixed(title);

    PlatformAddFilterData data{reinterpret_cast<const unsigned char*>(category),
                               reinterpret_cast<const unsigned char*>(title)};
    ASErr error = sAIFilter->addFilter(gPluginRef, "Tesk_Contour", &data, 0, &gPluginGlobals->filterHandle);
    if (error != kNoErr) return error;
    AIMenuItemHandle menuItem = nullptr;
    error = sAIFilter->getFilterMenuItem(gPluginGlobals->filterHandle, &menuItem);
    if (error != kNoErr) return error;
    error = sAIMenu->updateMenuItemAutomatically(menuItem, 1, 0, 0, 0, 0, 1, 0);
    if (error != kNoErr) return error;

    i = static_cast<int16_t>(i + 2);
    n = static_cast<int16_t>(n + 1);
    if (i >= 2) break;
  }
  gPluginGlobals->filterCount = n;
  return kNoErr;
}

}  // namespace

ASErr startup(SPMessageData* message) {
  void* block = nullptr;
  ASErr error = sSPBlocks->allocateBlock(sizeof(PluginGlobals), "globals", &block);
  if (error != kNoErr) return error;
  gPluginGlobals = static_cast<PluginGlobals*>(block);
  // No selection is gathered until the engine or the dialog gathers one.
  gPluginGlobals->selectionHandle = nullptr;
  gPluginGlobals->selectionCount = -1;
  gPluginGlobals->basicSuite = message->basic;
  return registerFilters();
}

ASErr shutdown(SPMessageData* message) {
  const void* blocks = nullptr;
  ASErr error = message->basic->acquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion, &blocks);
  if (error == kNoErr) {
    // The slot is filled already while the suites are held; the extra
    // acquisition keeps the block suite for the free even so.
    sSPBlocks = static_cast<const SPBlocksSuite*>(blocks);
    sSPBlocks->freeBlock(gPluginGlobals);
    gPluginGlobals = nullptr;
    message->basic->releaseSuite(kSPBlocksSuite, kSPBlocksSuiteVersion);
  }
  message->globals = nullptr;
  return error;
}

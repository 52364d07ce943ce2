// The host suites by name and version, in the order of the plug-in's suite
// table; the easel answers acquisitions of exactly these.
#ifndef EASEL_CORE_SUITEID_H
#define EASEL_CORE_SUITEID_H

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace easel {

enum class SuiteId : uint8_t {
  SPBlocks,
  SPAccess,
  AIMdMemory,
  AIRealMath,
  AIArt,
  AIUser,
  AIDocument,
  AIDocumentView,
  AIMatchingArt,
  AIPath,
  AIPathStyle,
  AIRandom,
  AIBlendStyle,
  AITransformArt,
  AISwatchList,
  AIUndo,
  AIMenu,
  AIFilter,
  ADMBasic,
  ADMDialog,
  ADMItem,
  ADMIcon,
  ADMNotifier,
  ADMList,
  ADMEntry,
  ADMTracker,
  SPBasic  // the basic suite of the messages: never acquired, always usable
};

constexpr std::size_t kAcquirableSuiteCount = 26;

struct SuiteName {
  SuiteId id;
  std::string_view name;
  int32_t version;
};

inline constexpr std::array<SuiteName, kAcquirableSuiteCount> kSuiteNames{{
    {SuiteId::SPBlocks, "SP Blocks Suite", 2},
    {SuiteId::SPAccess, "SP Access Suite", 3},
    {SuiteId::AIMdMemory, "AI MdMemory Suite", 1},
    {SuiteId::AIRealMath, "AI Real Math Suite", 1},
    {SuiteId::AIArt, "AI Art Suite", 9},
    {SuiteId::AIUser, "AI User Suite", 5},
    {SuiteId::AIDocument, "AI Document Suite", 7},
    {SuiteId::AIDocumentView, "AI Document View Suite", 7},
    {SuiteId::AIMatchingArt, "AI Matching Art Suite", 4},
    {SuiteId::AIPath, "AI Path Suite", 4},
    {SuiteId::AIPathStyle, "AI Path Style Suite", 5},
    {SuiteId::AIRandom, "AI Random Suite", 3},
    {SuiteId::AIBlendStyle, "AI Blend Style Suite", 2},
    {SuiteId::AITransformArt, "AI Transform Art Suite", 1},
    {SuiteId::AISwatchList, "AI Swatch List Suite", 4},
    {SuiteId::AIUndo, "AI Undo Suite", 4},
    {SuiteId::AIMenu, "AI Menu Suite", 7},
    {SuiteId::AIFilter, "AI Filter Suite", 2},
    {SuiteId::ADMBasic, "ADM Basic Suite", 2},
    {SuiteId::ADMDialog, "ADM Dialog Suite", 3},
    {SuiteId::ADMItem, "ADM Item Suite", 4},
    {SuiteId::ADMIcon, "ADM Icon Suite", 1},
    {SuiteId::ADMNotifier, "ADM Notifier Suite", 1},
    {SuiteId::ADMList, "ADM List Suite", 1},
    {SuiteId::ADMEntry, "ADM Entry Suite", 2},
    {SuiteId::ADMTracker, "ADM Tracker Suite", 1},
}};

std::string_view suiteName(SuiteId id);
std::optional<SuiteId> findSuite(std::string_view name);

}  // namespace easel

#endif

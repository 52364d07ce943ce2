// The dialog manager's dialog suite: modal runs from the plug-in's dialog
// templates, items created by type name, the dialog's place and size.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "AdmLookup.h"
#include "Suites.h"
#include "easel/adm/TemplateDialog.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/resources/DialogTemplate.h"

namespace easel::suites {
namespace {

using adm::Dialog;

ASErr modal(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style, ADMDialogInitProc initProc,
            ADMUserData userData, int32_t* itemHit) noexcept {
  return hostCall(SuiteId::ADMDialog, "run modal dialog", [&](Call& c) -> ASErr {
    // The user data is an address in the plug-in's memory: traced only as
    // given or not, so that traces of equal runs are equal.
    c.in("plugin", plugin).in("name", name).in("dialogId", dialogId).in("style", style);
    c.in("userData", userData != nullptr);
    if (itemHit != nullptr) *itemHit = 0;
    if (name == nullptr) return kBadParameterErr;
    adm::DialogManager* manager = adm::DialogManager::current();
    if (manager == nullptr) return kNotImplementedErr;  // a host set up without dialogs
    const ResourceSource* resources = c.session().plugins().resources(plugin);
    if (resources == nullptr) {
      c.misuse("foreign plug-in reference");
      return kBadHandleErr;
    }
    if (dialogId < 0 || dialogId > 0xFFFF) return kBadParameterErr;
    Parsed<DialogTemplate> dialogTemplate = loadDialog(*resources, static_cast<uint16_t>(dialogId));
    if (!dialogTemplate) {
      c.out("error", dialogTemplate.error());
      return kBadParameterErr;
    }
    std::unique_ptr<Dialog> dialog = adm::dialogFromTemplate(*dialogTemplate);
    dialog->name = name;
    dialog->resourceId = dialogId;
    dialog->style = style;
    dialog->initProc = initProc;
    dialog->userData = userData;
    int32_t hit = 0;
    ASErr result = manager->runModal(std::move(dialog), &hit);
    if (itemHit != nullptr) *itemHit = hit;
    c.out("itemHit", hit);
    if (!manager->scriptError().empty() && result != kNoErr) c.out("scriptError", manager->scriptError());
    return result;
  });
}

ASErr getUserData(ADMDialogRef dialog, ADMUserData* userData) noexcept {
  return hostCall(SuiteId::ADMDialog, "get user data", [&](Call& c) -> ASErr {
    c.in("dialog", dialog);
    if (userData == nullptr) return kBadParameterErr;
    *userData = nullptr;
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    *userData = found->userData;
    c.out("userData", *userData != nullptr);
    return kNoErr;
  });
}

ASErr getItem(ADMDialogRef dialog, int32_t itemId, ADMItemRef* item) noexcept {
  return hostCall(SuiteId::ADMDialog, "get item", [&](Call& c) -> ASErr {
    c.in("dialog", dialog).in("itemId", itemId);
    if (item == nullptr) return kBadParameterErr;
    *item = nullptr;
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    adm::Item* target = found->findItem(itemId);
    if (target == nullptr) return kBadParameterErr;
    *item = target->handle;
    c.out("item", *item);
    return kNoErr;
  });
}

ASErr createItem(ADMDialogRef dialog, int32_t itemId, const char* itemType, const ADMRect* bounds,
                 ADMItemInitProc initProc, ADMUserData userData, ADMItemRef* item) noexcept {
  return hostCall(SuiteId::ADMDialog, "create item", [&](Call& c) -> ASErr {
    c.in("dialog", dialog).in("itemId", itemId).in("itemType", itemType);
    if (bounds != nullptr) c.in("bounds", *bounds);
    if (item != nullptr) *item = nullptr;
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    if (itemType == nullptr || bounds == nullptr) return kBadParameterErr;
    std::optional<adm::ItemKind> kind = adm::kindOfTypeName(itemType);
    if (!kind || found->findItem(itemId) != nullptr) return kBadParameterErr;
    auto created = std::make_unique<adm::Item>();
    created->id = itemId;
    created->kind = *kind;
    created->rect = *bounds;
    created->userData = userData;
    adm::Item& added = adm::DialogManager::current()->addItem(*found, std::move(created));
    if (item != nullptr) *item = added.handle;
    c.out("item", added.handle);
    if (initProc != nullptr) return initProc(added.handle);
    return kNoErr;
  });
}

// A place from the parameter record plus a size: held to the integers, not wrapped.
int32_t saturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

ASErr setSize(ADMDialogRef dialog, int32_t width, int32_t height) noexcept {
  return hostCall(SuiteId::ADMDialog, "set size", [&](Call& c) -> ASErr {
    c.in("dialog", dialog).in("width", width).in("height", height);
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    if (width < 0 || height < 0) return kBadParameterErr;
    found->bounds.right = saturatingAdd(found->bounds.left, width);
    found->bounds.bottom = saturatingAdd(found->bounds.top, height);
    return kNoErr;
  });
}

ASErr setBoundsRect(ADMDialogRef dialog, const ADMRect* bounds) noexcept {
  return hostCall(SuiteId::ADMDialog, "set bounds rectangle", [&](Call& c) -> ASErr {
    c.in("dialog", dialog);
    if (bounds != nullptr) c.in("bounds", *bounds);
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    if (bounds == nullptr) return kBadParameterErr;
    found->bounds = *bounds;
    return kNoErr;
  });
}

ASErr getBoundsRect(ADMDialogRef dialog, ADMRect* bounds) noexcept {
  return hostCall(SuiteId::ADMDialog, "get bounds rectangle", [&](Call& c) -> ASErr {
    c.in("dialog", dialog);
    if (bounds == nullptr) return kBadParameterErr;
    Dialog* found = admDialogOf(c, dialog);
    if (found == nullptr) return kBadHandleErr;
    *bounds = found->bounds;
    c.out("bounds", *bounds);
    return kNoErr;
  });
}

const ADMDialogSuite kSuite{modal, getUserData, getItem, createItem, setSize, setBoundsRect, getBoundsRect};

}  // namespace

const ADMDialogSuite* admDialog() { return &kSuite; }

}  // namespace easel::suites

// The dialog manager's item suite: an item's procedures, state and value.
// Values set here are kept as given, also outside the item's limits: only
// what the user types is held to them.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

#include "AdmLookup.h"
#include "Suites.h"

namespace easel::suites {
namespace {

using adm::Item;

ASErr setNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) noexcept {
  return hostCall(SuiteId::ADMItem, "set notify procedure", [&](Call& c) -> ASErr {
    c.in("item", item).in("proc", proc != nullptr);  // an address in the module: only whether one is given
    return withAdmItem(c, item, [&](Item& it) {
      it.notifyProc = proc;
      return kNoErr;
    });
  });
}

ASErr defaultNotify(ADMItemRef item, ADMNotifierRef notifier) noexcept {
  return hostCall(SuiteId::ADMItem, "default notify", [&](Call& c) -> ASErr {
    c.in("item", item).in("notifier", notifier);
    return withAdmItem(c, item, [&](Item& it) {
      // The notifier is optional; one that is given must be live.
      if (notifier != nullptr && admLookup(c, notifier, &adm::DialogManager::notifier, "notifier") == nullptr)
        return kBadHandleErr;
      adm::DialogManager::current()->defaultNotify(it);
      return kNoErr;
    });
  });
}

ASErr sendNotify(ADMItemRef item, const char* notifierType) noexcept {
  return hostCall(SuiteId::ADMItem, "send notification", [&](Call& c) -> ASErr {
    c.in("item", item).in("notifierType", notifierType);
    return withAdmItem(c, item, [&](Item& it) {
      if (notifierType == nullptr) return kBadParameterErr;
      ASErr result = adm::DialogManager::current()->notify(it, notifierType);
      if (result != kNoErr) c.misuse("notifications nested too deep");
      return result;
    });
  });
}

ASErr setTrackProc(ADMItemRef item, ADMItemTrackProc proc) noexcept {
  return hostCall(SuiteId::ADMItem, "set track procedure", [&](Call& c) -> ASErr {
    c.in("item", item).in("proc", proc != nullptr);  // an address in the module: only whether one is given
    return withAdmItem(c, item, [&](Item& it) {
      it.trackProc = proc;
      return kNoErr;
    });
  });
}

ASErr defaultTrack(ADMItemRef item, ADMTrackerRef tracker, ASBoolean* handled) noexcept {
  return hostCall(SuiteId::ADMItem, "default track", [&](Call& c) -> ASErr {
    c.in("item", item).in("tracker", tracker);
    if (handled != nullptr) *handled = 0;
    return withAdmItem(c, item, [&](Item&) {
      if (admLookup(c, tracker, &adm::DialogManager::tracker, "tracker") == nullptr) return kBadHandleErr;
      // The easel's own tracking of a button has nothing more to do with the event.
      c.out("handled", false);
      return kNoErr;
    });
  });
}

ASErr getDialog(ADMItemRef item, ADMDialogRef* dialog) noexcept {
  return hostCall(SuiteId::ADMItem, "get dialog", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (dialog == nullptr) return kBadParameterErr;
    *dialog = nullptr;
    return withAdmItem(c, item, [&](Item& it) {
      *dialog = it.dialogHandle;
      c.out("dialog", *dialog);
      return kNoErr;
    });
  });
}

ASErr getList(ADMItemRef item, ADMListRef* list) noexcept {
  return hostCall(SuiteId::ADMItem, "get list", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (list == nullptr) return kBadParameterErr;
    *list = nullptr;
    return withAdmItem(c, item, [&](Item& it) {
      if (it.kind != adm::ItemKind::PopupList) return kWrongArtTypeErr;
      *list = it.listHandle;
      c.out("list", *list);
      return kNoErr;
    });
  });
}

ASErr getID(ADMItemRef item, int32_t* itemId) noexcept {
  return hostCall(SuiteId::ADMItem, "get id", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (itemId == nullptr) return kBadParameterErr;
    return withAdmItem(c, item, [&](Item& it) {
      *itemId = it.id;
      c.out("id", it.id);
      return kNoErr;
    });
  });
}

ASErr show(ADMItemRef item, ASBoolean showIt) noexcept {
  return hostCall(SuiteId::ADMItem, "show or hide", [&](Call& c) -> ASErr {
    c.in("item", item).in("show", showIt != 0);
    return withAdmItem(c, item, [&](Item& it) {
      it.shown = showIt != 0;
      return kNoErr;
    });
  });
}

ASErr enable(ADMItemRef item, ASBoolean enableIt) noexcept {
  return hostCall(SuiteId::ADMItem, "enable or disable", [&](Call& c) -> ASErr {
    c.in("item", item).in("enable", enableIt != 0);
    return withAdmItem(c, item, [&](Item& it) {
      it.enabled = enableIt != 0;
      return kNoErr;
    });
  });
}

ASErr setFont(ADMItemRef item, int32_t font) noexcept {
  return hostCall(SuiteId::ADMItem, "set font", [&](Call& c) -> ASErr {
    c.in("item", item).in("font", font);
    return withAdmItem(c, item, [&](Item& it) {
      it.font = font;
      return kNoErr;
    });
  });
}

ASErr setText(ADMItemRef item, const char* text) noexcept {
  return hostCall(SuiteId::ADMItem, "set text", [&](Call& c) -> ASErr {
    c.in("item", item).in("text", text);
    return withAdmItem(c, item, [&](Item& it) {
      if (text == nullptr) return kBadParameterErr;
      it.text = text;
      return kNoErr;
    });
  });
}

ASErr setUnits(ADMItemRef item, int32_t units) noexcept {
  return hostCall(SuiteId::ADMItem, "set units", [&](Call& c) -> ASErr {
    c.in("item", item).in("units", units);
    return withAdmItem(c, item, [&](Item& it) {
      it.units = units;
      return kNoErr;
    });
  });
}

ASErr setPrecision(ADMItemRef item, int32_t places) noexcept {
  return hostCall(SuiteId::ADMItem, "set precision", [&](Call& c) -> ASErr {
    c.in("item", item).in("places", places);
    return withAdmItem(c, item, [&](Item& it) {
      if (places < 0 || places > 9) return kBadParameterErr;
      it.precision = places;
      it.integer = false;
      return kNoErr;
    });
  });
}

ASErr setBooleanValue(ADMItemRef item, ASBoolean value) noexcept {
  return hostCall(SuiteId::ADMItem, "set boolean value", [&](Call& c) -> ASErr {
    c.in("item", item).in("value", value != 0);
    return withAdmItem(c, item, [&](Item& it) {
      it.value = value != 0 ? 1 : 0;
      return kNoErr;
    });
  });
}

ASErr getBooleanValue(ADMItemRef item, ASBoolean* value) noexcept {
  return hostCall(SuiteId::ADMItem, "get boolean value", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (value == nullptr) return kBadParameterErr;
    return withAdmItem(c, item, [&](Item& it) {
      *value = it.value != 0 ? 1 : 0;
      c.out("value", *value != 0);
      return kNoErr;
    });
  });
}

// Setting an integer value does not make a spin edit an integer one: its
// limits and precision decide that.
ASErr setIntValue(ADMItemRef item, int32_t value) noexcept {
  return hostCall(SuiteId::ADMItem, "set integer value", [&](Call& c) -> ASErr {
    c.in("item", item).in("value", value);
    return withAdmItem(c, item, [&](Item& it) {
      it.value = value;
      return kNoErr;
    });
  });
}

ASErr getIntValue(ADMItemRef item, int32_t* value) noexcept {
  return hostCall(SuiteId::ADMItem, "get integer value", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (value == nullptr) return kBadParameterErr;
    return withAdmItem(c, item, [&](Item& it) {
      constexpr double lowest = std::numeric_limits<int32_t>::min(), highest = std::numeric_limits<int32_t>::max();
      double v = std::isnan(it.value) ? 0.0 : std::round(it.value);
      *value = static_cast<int32_t>(v < lowest ? lowest : v > highest ? highest : v);
      c.out("value", *value);
      return kNoErr;
    });
  });
}

ASErr setFloatValue(ADMItemRef item, float value) noexcept {
  return hostCall(SuiteId::ADMItem, "set real value", [&](Call& c) -> ASErr {
    c.in("item", item).in("value", value);
    return withAdmItem(c, item, [&](Item& it) {
      it.value = value;
      it.integer = false;
      return kNoErr;
    });
  });
}

ASErr getFloatValue(ADMItemRef item, float* value) noexcept {
  return hostCall(SuiteId::ADMItem, "get real value", [&](Call& c) -> ASErr {
    c.in("item", item);
    if (value == nullptr) return kBadParameterErr;
    return withAdmItem(c, item, [&](Item& it) {
      *value = static_cast<float>(it.value);
      c.out("value", *value);
      return kNoErr;
    });
  });
}

// The four limits: an integer limit makes a spin edit an integer one, a real
// limit a real one.
template <class Number>
ASErr setLimit(const char* op, ADMItemRef item, Number value, std::optional<double> Item::*limit) noexcept {
  return hostCall(SuiteId::ADMItem, op, [&](Call& c) -> ASErr {
    c.in("item", item).in("value", value);
    return withAdmItem(c, item, [&](Item& it) {
      it.*limit = static_cast<double>(value);
      it.integer = std::is_integral_v<Number>;
      return kNoErr;
    });
  });
}

ASErr setMinIntValue(ADMItemRef item, int32_t value) noexcept {
  return setLimit("set minimum integer", item, value, &Item::minimum);
}
ASErr setMaxIntValue(ADMItemRef item, int32_t value) noexcept {
  return setLimit("set maximum integer", item, value, &Item::maximum);
}
ASErr setMinFloatValue(ADMItemRef item, float value) noexcept {
  return setLimit("set minimum real", item, value, &Item::minimum);
}
ASErr setMaxFloatValue(ADMItemRef item, float value) noexcept {
  return setLimit("set maximum real", item, value, &Item::maximum);
}

const ADMItemSuite kSuite{setNotifyProc,  defaultNotify,  sendNotify,       setTrackProc,
                          defaultTrack,   getDialog,      getList,          getID,
                          show,           enable,         setFont,          setText,
                          setUnits,       setPrecision,   setBooleanValue,  getBooleanValue,
                          setIntValue,    getIntValue,    setFloatValue,    getFloatValue,
                          setMinIntValue, setMaxIntValue, setMinFloatValue, setMaxFloatValue};

}  // namespace

const ADMItemSuite* admItem() { return &kSuite; }

}  // namespace easel::suites

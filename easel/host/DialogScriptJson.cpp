#include "easel/host/DialogScriptJson.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "easel/core/FileIo.h"
#include "easel/core/JsonDepth.h"
#include "easel/core/NumberText.h"

namespace easel::host {

namespace {

using easel::adm::Event;
using Json = nlohmann::json;

// Reads one event; throws with the problem (the caller adds the position).
class EventReader {
 public:
  explicit EventReader(const Json& json) : json_(json) {}

  Event read() {
    if (!json_.is_object()) fail("an event is a JSON object, such as {\"item\": 4, \"value\": 20}");
    if (json_.contains("end")) {
      only({"end"});
      return Event::end(integer("end"));
    }
    if (!json_.contains("item")) fail("it names no \"item\" (or \"end\")");
    int item = integer("item");
    if (json_.contains("value")) {
      only({"item", "value"});
      const Json& value = json_["value"];
      if (value.is_boolean()) return Event::setValue(item, value.get<bool>() ? 1 : 0);
      if (!value.is_number()) fail("\"value\" is a number (or true/false for a check box)");
      return Event::setValue(item, value.get<double>());
    }
    if (json_.contains("entry")) {
      only({"item", "entry"});
      return Event::choose(item, integer("entry"));
    }
    if (json_.contains("press")) {
      only({"item", "press"});
      if (json_["press"] != true) fail("\"press\" is true");
      return Event::press(item);
    }
    if (json_.contains("pick")) {
      only({"item", "pick", "modifiers"});
      const Json& point = json_["pick"];
      if (!point.is_array() || point.size() != 2 || !isCoordinate(point[0]) || !isCoordinate(point[1]))
        fail("\"pick\" is an artwork point [x, y]");
      Event event = Event::pick(item, point[0].get<float>(), point[1].get<float>());
      if (json_.contains("modifiers")) event.modifiers = integer("modifiers");
      return event;
    }
    fail("it says what to do with item " + std::to_string(item) + ": \"value\", \"entry\", \"press\" or \"pick\"");
  }

 private:
  [[noreturn]] void fail(const std::string& problem) { throw DialogScriptError(problem); }

  // A number that a single-precision coordinate holds (not one that becomes infinite).
  static bool isCoordinate(const Json& value) {
    return value.is_number() && std::fabs(value.get<double>()) <= std::numeric_limits<float>::max();
  }

  int integer(const char* key) {
    const Json& value = json_[key];
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min(), highest = std::numeric_limits<int32_t>::max();
    bool fits = value.is_number_unsigned()
                    ? value.get<uint64_t>() <= static_cast<uint64_t>(highest)
                    : value.is_number_integer() && value.get<int64_t>() >= lowest && value.get<int64_t>() <= highest;
    if (!fits) fail("\"" + std::string(key) + "\" is a whole number");
    return static_cast<int>(value.get<int64_t>());
  }

  void only(std::initializer_list<const char*> keys) {
    for (const auto& [key, value] : json_.items()) {
      bool known = false;
      for (const char* k : keys) known = known || key == k;
      if (!known) fail("unexpected \"" + key + "\" in an event with \"" + *keys.begin() + "\"");
    }
  }

  const Json& json_;
};

// The shortest decimal that reads back to the same float: 4.1 rather than
// 4.099999904632568.
Json realJson(double value) { return easel::shortestAsDouble(static_cast<float>(value)); }

Json numberJson(const easel::adm::Item& item, double value) {
  // Whole numbers in int64_t's range as integers; the range is checked before
  // the conversion, which a larger number (or a NaN) has none of.
  if (item.integer && std::abs(value) <= 0x1p62 && value == std::trunc(value)) return static_cast<int64_t>(value);
  return realJson(value);
}

nlohmann::ordered_json rectJson(const ADMRect& r) {
  return nlohmann::ordered_json::array({r.left, r.top, r.right, r.bottom});
}

}  // namespace

std::vector<Event> parseDialogScript(std::string_view text) {
  if (auto tooDeep = easel::jsonTooDeep(text)) throw DialogScriptError(*tooDeep);
  Json json;
  try {
    json = Json::parse(text.begin(), text.end());
  } catch (const Json::exception& e) {
    // Without the library's "[json.exception.parse_error.101] " prefix (a
    // number too large to read is an out_of_range error).
    std::string what = e.what();
    std::size_t close = what.find("] ");
    throw DialogScriptError("malformed JSON: " + (close == std::string::npos ? what : what.substr(close + 2)));
  }
  if (!json.is_array()) throw DialogScriptError("a dialog script is a JSON array of events");
  std::vector<Event> events;
  std::size_t ended = 0;  // the number of the event that ends the dialog
  for (std::size_t i = 0; i < json.size(); ++i) {
    try {
      if (ended != 0) throw DialogScriptError("comes after event " + std::to_string(ended) + " ended the dialog");
      events.push_back(EventReader(json[i]).read());
      if (events.back().kind == Event::Kind::End) ended = i + 1;
    } catch (const DialogScriptError& e) {
      throw DialogScriptError("event " + std::to_string(i + 1) + " " + easel::quotedExcerpt(json[i].dump()) + ": " +
                              e.what());
    }
  }
  return events;
}

std::vector<Event> loadDialogScript(const std::string& path) {
  std::string text;
  try {
    text = easel::readLimited(path, easel::kTextReadLimit);
  } catch (const easel::FileError& e) {
    throw DialogScriptError(e.what());
  }
  try {
    return parseDialogScript(text);
  } catch (const DialogScriptError& e) {
    throw DialogScriptError((path == "-" ? std::string("standard input") : path) + ": " + e.what());
  }
}

nlohmann::ordered_json eventToJson(const Event& event) {
  nlohmann::ordered_json json;
  switch (event.kind) {
    case Event::Kind::End: json["end"] = event.result; return json;
    case Event::Kind::SetValue:
      json["item"] = event.item;
      json["value"] = event.value;
      return json;
    case Event::Kind::ChooseEntry:
      json["item"] = event.item;
      json["entry"] = event.entry;
      return json;
    case Event::Kind::Press:
      json["item"] = event.item;
      json["press"] = true;
      return json;
    case Event::Kind::Pick:
      json["item"] = event.item;
      json["pick"] = {realJson(event.x), realJson(event.y)};
      if (event.modifiers != Event::pick(0, 0, 0).modifiers) json["modifiers"] = event.modifiers;
      return json;
  }
  return json;
}

nlohmann::ordered_json itemStateToJson(const easel::adm::Item& item) {
  using easel::adm::ItemKind;
  nlohmann::ordered_json j;
  j["id"] = item.id;
  j["type"] = item.kind == ItemKind::Other ? item.templateKind : std::string(easel::adm::kindName(item.kind));
  j["rect"] = rectJson(item.rect);
  j["text"] = easel::adm::shownText(item);
  j["font"] = item.font;
  j["shown"] = item.shown;
  j["enabled"] = item.enabled;
  if (item.kind == ItemKind::SpinEdit) {
    j["value"] = numberJson(item, item.value);
    j["integer"] = item.integer;
    j["minimum"] = item.minimum ? numberJson(item, *item.minimum) : nullptr;
    j["maximum"] = item.maximum ? numberJson(item, *item.maximum) : nullptr;
    j["units"] = item.units;
    j["precision"] = item.precision;
  } else if (item.kind == ItemKind::TextCheckBox) {
    j["value"] = item.value != 0 ? 1 : 0;
  } else if (item.kind == ItemKind::PopupList) {
    auto& entries = j["entries"] = nlohmann::ordered_json::array();
    for (const auto& entry : item.entries) entries.push_back({{"id", entry.id}, {"text", entry.text}});
    const easel::adm::Entry* active = item.activeEntry();
    j["active"] = active ? nlohmann::ordered_json(active->id) : nlohmann::ordered_json(nullptr);
  }
  return j;
}

nlohmann::ordered_json dialogStateToJson(const easel::adm::ShownDialog& dialog) {
  nlohmann::ordered_json state;
  state["name"] = dialog.name;
  state["title"] = dialog.title;
  state["bounds"] = rectJson(dialog.bounds);
  state["result"] = dialog.result;
  auto& items = state["items"] = nlohmann::ordered_json::array();
  for (const easel::adm::Item& item : dialog.items) items.push_back(itemStateToJson(item));
  return state;
}

std::string dialogStateText(const easel::adm::ShownDialog& dialog) { return dialogStateToJson(dialog).dump(2) + "\n"; }

}  // namespace easel::host

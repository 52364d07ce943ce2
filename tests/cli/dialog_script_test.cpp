// Dialog scripts read from JSON, and dialog states written to it.
#include <gtest/gtest.h>

#include "easel/host/DialogScriptJson.h"

namespace {

using easel::adm::Event;
using easel::host::DialogScriptError;
using easel::host::parseDialogScript;

TEST(DialogScript, EveryKindOfEventIsRead) {
  auto events = parseDialogScript(R"([
    {"item": 4, "value": 20}, {"item": 5, "value": -2.5}, {"item": 3, "value": false},
    {"item": 34, "entry": 8}, {"item": 91, "press": true},
    {"item": 120, "pick": [125.7, -30]}, {"item": 121, "pick": [1, 2], "modifiers": 0},
    {"end": 2}])");
  ASSERT_EQ(events.size(), 8u);
  EXPECT_EQ(events[0].kind, Event::Kind::SetValue);
  EXPECT_EQ(events[0].item, 4);
  EXPECT_EQ(events[0].value, 20);
  EXPECT_EQ(events[1].value, -2.5);
  EXPECT_EQ(events[2].value, 0);
  EXPECT_EQ(events[3].kind, Event::Kind::ChooseEntry);
  EXPECT_EQ(events[3].entry, 8);
  EXPECT_EQ(events[4].kind, Event::Kind::Press);
  EXPECT_EQ(events[4].item, 91);
  EXPECT_EQ(events[5].kind, Event::Kind::Pick);
  EXPECT_EQ(events[5].x, 125.7f);
  EXPECT_EQ(events[5].y, -30.0f);
  EXPECT_EQ(events[5].modifiers, 0x20);  // a pick in the document view
  EXPECT_EQ(events[6].modifiers, 0);
  EXPECT_EQ(events[7].kind, Event::Kind::End);
  EXPECT_EQ(events[7].result, 2);
}

TEST(DialogScript, EventsWrittenAsJsonReadBackTheSame) {
  const char* text = R"([{"item":4,"value":20.5},{"item":34,"entry":8},{"item":91,"press":true},)"
                     R"({"item":120,"pick":[125.7,-30.0]},{"item":120,"pick":[1.0,2.0],"modifiers":0},{"end":1}])";
  nlohmann::ordered_json written = nlohmann::ordered_json::array();
  for (const Event& e : parseDialogScript(text)) written.push_back(easel::host::eventToJson(e));
  EXPECT_EQ(written, nlohmann::ordered_json::parse(text));
}

TEST(DialogScript, BadEventsAreNamedWithTheirPosition) {
  struct Case {
    std::string script;
    std::string message;
  };
  const std::string tooLong(1 << 20, 'x');
  const Case cases[] = {
      {R"([{"item": 91, "press": true}, 7])", "event 2 7: an event is a JSON object"},
      {R"([{"end": 1}, {"end": 2}])", "event 2 {\"end\":2}: comes after event 1 ended the dialog"},
      // Nesting is refused before parsing, with its line and depth.
      {"[\n\n" + std::string(100000, '[') + std::string(100000, ']') + "]",
       "line 3: nested 65 deep, deeper than the limit of 64"},
      // A bad event is quoted in at most 80 characters.
      {R"([{"item": 4, "value": ")" + tooLong + "\"}]",
       "event 1 {\"item\":4,\"value\":\"" + std::string(80 - 3 - 19, 'x') + "...: \"value\" is a number"},
      {R"([{"value": 3}])", "event 1 {\"value\":3}: it names no \"item\" (or \"end\")"},
      {R"([{"item": 5, "value": 1}, {"item": 5, "value": 2}, {"item": "four", "value": 3}])",
       "event 3 {\"item\":\"four\",\"value\":3}: \"item\" is a whole number"},
      {R"([{"item": 4, "value": "20"}])", "event 1 {\"item\":4,\"value\":\"20\"}: \"value\" is a number"},
      {R"([{"item": 34, "entry": 1.5}])", "event 1 {\"entry\":1.5,\"item\":34}: \"entry\" is a whole number"},
      {R"([{"item": 91, "press": false}])", "event 1 {\"item\":91,\"press\":false}: \"press\" is true"},
      {R"([{"item": 120, "pick": [1]}])", "event 1 {\"item\":120,\"pick\":[1]}: \"pick\" is an artwork point [x, y]"},
      {R"([{"item": 4}])", "event 1 {\"item\":4}: it says what to do with item 4"},
      {R"([{"item": 4, "value": 1, "entry": 2}])",
       "event 1 {\"entry\":2,\"item\":4,\"value\":1}: unexpected \"entry\""},
      {R"([{"end": 4294967297}])", "event 1 {\"end\":4294967297}: \"end\" is a whole number"},
      // Quoted input is cut to about 80 characters.
      {R"([{"item": 4, "value": 1, "entry": "0123456789012345678901234567890123456789012345678901234567890123456789"}])",
       "event 1 {\"entry\":\"0123456789012345678901234567890123456789012345678901234567890123456...: unexpected"},
      {R"([{"item": 120, "pick": [1e39, 0]}])",
       "event 1 {\"item\":120,\"pick\":[1e+39,0]}: \"pick\" is an artwork point"},
      {R"([{"end": 1e999}])", "malformed JSON"},  // too large for any number
  };
  for (const Case& c : cases) {
    try {
      parseDialogScript(c.script);
      ADD_FAILURE() << "accepted " << c.script.substr(0, 200);
    } catch (const DialogScriptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << std::string(e.what()).substr(0, 200);
    }
  }
}

TEST(DialogScript, MalformedJsonAndNonArraysAreRefused) {
  EXPECT_THROW(parseDialogScript(R"([{"item": 4, "value": 20},])"), DialogScriptError);
  try {
    parseDialogScript(R"({"item": 4, "value": 20})");
    ADD_FAILURE();
  } catch (const DialogScriptError& e) {
    EXPECT_STREQ(e.what(), "a dialog script is a JSON array of events");
  }
  try {
    parseDialogScript("[{\"item\": 4,\n \"value\": }]");
    ADD_FAILURE();
  } catch (const DialogScriptError& e) {
    EXPECT_NE(std::string(e.what()).find("malformed JSON"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
  }
}

TEST(DialogScript, MissingFileIsNamed) {
  try {
    easel::host::loadDialogScript("/nonexistent/script.json");
    ADD_FAILURE();
  } catch (const DialogScriptError& e) {
    EXPECT_STREQ(e.what(), "/nonexistent/script.json: cannot open the file: No such file or directory");
  }
}

TEST(DialogState, EveryItemIsWrittenWithWhatItShowed) {
  using easel::adm::Item;
  using easel::adm::ItemKind;
  easel::adm::ShownDialog dialog;
  dialog.name = "Tesk_Contour";
  dialog.title = "Contour Plug-in";
  dialog.bounds = {10, 20, 530, 260};
  dialog.result = 1;
  Item spin;
  spin.id = 5;
  spin.kind = ItemKind::SpinEdit;
  spin.rect = {180, 115, 240, 135};
  spin.value = 4.1f;
  spin.integer = false;
  spin.minimum = -50;
  spin.maximum = 50;
  spin.precision = 2;
  spin.enabled = false;
  Item count = spin;
  count.id = 4;
  count.value = 12;
  count.integer = true;
  count.minimum = 1;
  count.maximum.reset();
  count.precision = 0;
  Item check;
  check.id = 3;
  check.kind = ItemKind::TextCheckBox;
  check.text = "Preview";
  check.value = 1;
  Item list;
  list.id = 34;
  list.kind = ItemKind::PopupList;
  list.shown = false;
  list.entries.push_back({0, " Contour points as settings", false, nullptr, nullptr});
  list.entries.push_back({8, " Alternate", true, nullptr, nullptr});
  Item label;
  label.id = 110;
  label.kind = ItemKind::TextStatic;
  label.text = "Style";
  label.font = 5;
  // An integer item holding more than int64_t can: written as a real.
  Item huge = count;
  huge.id = 6;
  huge.value = 1e30;
  dialog.items = {spin, count, check, list, label, huge};

  auto state = easel::host::dialogStateToJson(dialog);
  EXPECT_EQ(state["name"], "Tesk_Contour");
  EXPECT_EQ(state["bounds"], nlohmann::ordered_json::parse("[10, 20, 530, 260]"));
  const auto& items = state["items"];
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], nlohmann::ordered_json::parse(R"({"id": 5, "type": "ADM Spin Edit Type",
      "rect": [180, 115, 240, 135], "text": "4.10", "font": 0, "shown": true, "enabled": false,
      "value": 4.1, "integer": false, "minimum": -50.0, "maximum": 50.0, "units": 0, "precision": 2})"));
  EXPECT_EQ(items[1]["value"], 12);
  EXPECT_TRUE(items[1]["value"].is_number_integer());
  EXPECT_EQ(items[1]["text"], "12");
  EXPECT_TRUE(items[1]["maximum"].is_null());
  EXPECT_EQ(items[2]["value"], 1);
  EXPECT_EQ(items[2]["text"], "Preview");
  EXPECT_EQ(items[3]["entries"],
            nlohmann::ordered_json::parse(
                R"([{"id": 0, "text": " Contour points as settings"}, {"id": 8, "text": " Alternate"}])"));
  EXPECT_EQ(items[3]["active"], 8);
  EXPECT_EQ(items[3]["text"], " Alternate");
  EXPECT_EQ(items[3]["shown"], false);
  EXPECT_EQ(items[4]["font"], 5);
  EXPECT_FALSE(items[4].contains("value"));
  EXPECT_EQ(items[5]["value"], 1e30);
  EXPECT_TRUE(items[5]["value"].is_number_float());
}

}  // namespace

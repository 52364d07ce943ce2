// The open dialog as the page is sent it: each item's part is kept between
// answers, and made again once anything the item shows has changed.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "easel/web/DialogModel.h"

namespace {

using easel::adm::Item;
using easel::adm::ItemKind;

std::unique_ptr<Item> item(int32_t id, ItemKind kind) {
  auto made = std::make_unique<Item>();
  made->id = id;
  made->kind = kind;
  return made;
}

struct ChangeCase {
  std::string name;
  std::function<void(Item& spin, Item& list)> change;
  std::string path;  // where the model shows it
  nlohmann::json shown;
};

TEST(DialogModel, AnItemChangedSinceTheLastAnswerIsShownAsItIsNow) {
  const std::vector<ChangeCase> cases = {
      {"a value typed", [](Item& spin, Item&) { spin.value = 7; }, "/items/0/value", 7},
      {"a limit set", [](Item& spin, Item&) { spin.maximum = 9; }, "/items/0/maximum", 9},
      {"an item disabled", [](Item& spin, Item&) { spin.enabled = false; }, "/items/0/enabled", false},
      {"an item hidden", [](Item&, Item& list) { list.shown = false; }, "/items/1/shown", false},
      {"an entry chosen", [](Item&, Item& list) { list.select(list.entries.back()); }, "/items/1/active", 2},
      {"an entry renamed", [](Item&, Item& list) { list.entries.front().text = "Wide"; }, "/items/1/entries/0/text",
       "Wide"},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.name);
    easel::adm::Dialog dialog;
    dialog.items.push_back(item(4, ItemKind::SpinEdit));
    dialog.items.push_back(item(34, ItemKind::PopupList));
    Item& list = *dialog.items[1];
    list.entries.push_back({1, "Narrow", true});
    list.entries.push_back({2, "Even", false});
    easel::web::DialogModel model;
    const nlohmann::json before = model.of(dialog);
    c.change(*dialog.items[0], list);
    const nlohmann::json after = model.of(dialog);
    const nlohmann::json::json_pointer at(c.path);
    EXPECT_NE(before.contains(at) ? before[at] : nlohmann::json(), c.shown);
    EXPECT_EQ(after.contains(at) ? after[at] : nlohmann::json(), c.shown);
  }
}

}  // namespace

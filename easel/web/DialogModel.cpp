#include "DialogModel.h"

#include "easel/host/DialogScriptJson.h"

namespace easel::web {

nlohmann::json DialogModel::of(const adm::Dialog& dialog) {
  using Json = nlohmann::json;
  // The dialog's own fields, made as a state without items makes them.
  Json model(
      easel::host::dialogStateToJson({dialog.name, dialog.resourceId, dialog.title, dialog.bounds, dialog.result, {}}));
  items_.resize(dialog.items.size());
  Json& items = model["items"];
  Json& tracking = model["tracking"] = Json::array();
  for (std::size_t i = 0; i < dialog.items.size(); ++i) {
    const adm::Item& item = *dialog.items[i];
    std::optional<KeptItem>& kept = items_[i];
    if (!kept || !(kept->item == item)) kept.emplace(KeptItem{item, Json(easel::host::itemStateToJson(item))});
    items.push_back(kept->json);
    if (item.trackProc != nullptr) tracking.push_back(item.id);
  }
  return model;
}

}  // namespace easel::web

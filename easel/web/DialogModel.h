// The open settings dialog as the page is sent it: the dialog manager's model
// (easel/host/DialogScriptJson.h), with the items that pick a point in the
// document. Each item's part is kept until the item changes: the answers of
// a preview differ from the one before in the item typed into, if at all.
#ifndef EASEL_WEB_DIALOGMODEL_H
#define EASEL_WEB_DIALOGMODEL_H

#include <optional>
#include <vector>

#include <nlohmann/json.hpp>

#include "easel/adm/Model.h"

namespace easel::web {

class DialogModel {
 public:
  nlohmann::json of(const adm::Dialog& dialog);

 private:
  struct KeptItem {
    adm::Item item;  // as it was when `json` was made of it
    nlohmann::json json;
  };
  std::vector<std::optional<KeptItem>> items_;  // by the item's place in the dialog
};

}  // namespace easel::web

#endif

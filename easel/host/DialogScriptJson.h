// Dialog scripts and dialog states as JSON.
//
// A script is a JSON array of the user's actions, played in order on the
// settings dialog:
//   {"item": 4, "value": 20}        type a value into a spin edit and leave it,
//                                   or set a check box (0/1, or false/true)
//   {"item": 34, "entry": 8}        choose the entry with id 8 of a popup list
//   {"item": 91, "press": true}     press a button (page buttons too)
//   {"item": 120, "pick": [x, y]}   pick the artwork point (x, y) with a pick
//                                   button; "modifiers": n gives other flags
//   {"end": 1}                      end the dialog: 1 the default-item key, 2 Cancel
// When the script runs out, the default-item key ends the dialog.
//
// A dialog state is what the dialog showed when it closed: every item's id,
// type, rectangle, text, font, shown and enabled states, value, limits, and a
// popup list's entries with the chosen one.
#ifndef EASEL_HOST_DIALOGSCRIPTJSON_H
#define EASEL_HOST_DIALOGSCRIPTJSON_H

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "easel/adm/DialogManager.h"
#include "easel/adm/Events.h"
#include "easel/adm/Model.h"

namespace easel::host {

// A script that cannot be read: the message names the event and its
// position ("event 3: ..."), or where the JSON is malformed.
class DialogScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<easel::adm::Event> parseDialogScript(std::string_view text);
// Reads the file ("-": standard input); errors name the file.
std::vector<easel::adm::Event> loadDialogScript(const std::string& path);

nlohmann::ordered_json eventToJson(const easel::adm::Event& event);

// One item's part of a dialog state.
nlohmann::ordered_json itemStateToJson(const easel::adm::Item& item);
nlohmann::ordered_json dialogStateToJson(const easel::adm::ShownDialog& dialog);
// Pretty-printed, ending with a newline.
std::string dialogStateText(const easel::adm::ShownDialog& dialog);

}  // namespace easel::host

#endif

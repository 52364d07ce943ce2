// What the command line asks of the settings dialog, as the user's actions
// that do it: `--preset NAME|NUMBER` chooses the entry of the Preset style
// list, and each `--set FIELD=VALUE` is then typed into the item that shows
// the field (a list's entry is chosen, a check box set), so that a preset
// does not discard it. The events go before those of any --dialog-script.
#ifndef EASEL_CLI_DIALOGCHOICES_H
#define EASEL_CLI_DIALOGCHOICES_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "easel/adm/DialogManager.h"
#include "easel/adm/Events.h"
#include "easel/host/ParamsJson.h"
#include "plugin/host/HostTypes.h"

namespace contour_cli {

// A preset or a setting the dialog does not have (a usage error); the
// message says what is wrong and suggests the nearest names.
class DialogChoiceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DialogChoices {
  std::string preset;             // empty: none
  std::vector<std::string> sets;  // "FIELD=VALUE", in order
};

std::vector<easel::adm::Event> choiceEvents(const DialogChoices& choices);

// The events of an apply run, set as the dialog manager's script: those of
// the choices, then those of the script file (none for an empty path).
// Throws DialogChoiceError or DialogScriptError before anything runs.
void setDialogEvents(easel::adm::DialogManager& dialogs, const DialogChoices& choices, const std::string& scriptPath);

// What the dialog did to the values those events typed: one warning for each
// value rounded or held to its item's limits ("--set contourCount: 300 is
// outside 1..200; 200 is used").
std::vector<std::string> typingWarnings(const easel::adm::DialogManager& dialogs);

// The entry id of a preset given by number or by name (its text with or
// without the leading blank, in any case). A name that is no preset's gets an
// error that suggests the nearest.
int32_t presetId(std::string_view nameOrNumber);

// The id of the dialog item that shows a field (named in any case), or none.
std::optional<int32_t> itemShowingField(std::string_view field);

// The entry of a mode list named by its text (in any case, a unique start of
// it, or one of its words) or number, for the field that list sets; none when no list sets the field. An entry the list
// does not have is a DialogChoiceError.
std::optional<int32_t> modeEntryNamed(std::string_view field, std::string_view entryName);

// How a --params file written by a person is read: field names in any case
// (an unknown one suggests the nearest), and list entries by name too.
const easel::host::ParamsNaming& personalParamsNaming();

// The one-line reason a settings dialog run did not give a result to use, or
// "" when it was accepted: the dialog was cancelled, or its script could not
// be played ("script.json: event 3: item 77 does not exist", "--set
// \"scaleH=5\": ..."), or the plug-in's code.
std::string dialogFailure(ASErr result, const easel::adm::DialogManager& dialogs);

}  // namespace contour_cli

#endif

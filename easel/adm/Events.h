// What a user does to a dialog, as the dialog manager's event sources deliver
// it: a script, a test or the browser editor.
#ifndef EASEL_ADM_EVENTS_H
#define EASEL_ADM_EVENTS_H

#include <string>

#include "plugin/host/ADMDialog.h"

namespace easel::adm {

struct Event {
  enum class Kind {
    SetValue,     // type a value into a spin edit and leave it, or set a check box (0/1)
    ChooseEntry,  // choose the entry with this id in a popup list
    Press,        // press a push button (page buttons too)
    Pick,         // press a pick button, then pick an artwork point in the document view
    End           // end the dialog with a result: kADMDefaultItemID (the default-item key) or kADMCancelItemID
  };
  Kind kind = Kind::End;
  int item = 0;
  double value = 0;                // SetValue
  int entry = 0;                   // ChooseEntry
  float x = 0, y = 0;              // Pick: the artwork point
  int result = kADMDefaultItemID;  // End
  int modifiers = 0x20;            // Pick: the tracker's modifier flags (0x20: a point picked in the document view)

  static Event setValue(int item, double value) { return {Kind::SetValue, item, value, 0, 0, 0, 0}; }
  static Event choose(int item, int entryId) { return {Kind::ChooseEntry, item, 0, entryId, 0, 0, 0}; }
  static Event press(int item) { return {Kind::Press, item, 0, 0, 0, 0, 0}; }
  static Event pick(int item, float x, float y) { return {Kind::Pick, item, 0, 0, x, y, 0}; }
  // A mouse event on a pick button with other modifier flags (a click that picks nothing).
  static Event pick(int item, float x, float y, int modifiers) {
    Event e = pick(item, x, y);
    e.modifiers = modifiers;
    return e;
  }
  static Event end(int result) { return {Kind::End, 0, 0, 0, 0, 0, result}; }
};

}  // namespace easel::adm

#endif

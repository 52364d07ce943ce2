// The dialog's limits as every source of values meets them: --set, a
// settings file, a dialog script and the editor all give values that the
// dialog manager's one rule (easel::adm::typeWithin) rounds and holds to the
// limits of the item that shows the field, and each value it changes gets
// one warning worded here.
#ifndef EASEL_HOST_FIELDLIMITS_H
#define EASEL_HOST_FIELDLIMITS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "easel/adm/Model.h"
#include "easel/host/ParamsJson.h"
#include "easel/host/RunRecording.h"

namespace easel::host {

// The limits the dialog gives the item that shows `field`; the swatch
// numbers' upper limit is the document's swatch count (none: not known, not
// held). A field shown by no item has none.
std::optional<easel::adm::Limits> fieldLimits(const ParamsField& field, std::optional<int32_t> swatchCount);

// "1..200", "-50..50", "0..the number of swatches".
std::string limitsText(const ParamsField& field, std::optional<int32_t> swatchCount);

// "contourCount: 300 is outside 1..200; 200 is used", "contourCount: 5.5 is
// not a whole number; 6 is used". For a value the rule changed.
std::string changedValueWarning(const ParamsField& field, double given, const easel::adm::TypedValue& typed,
                                std::optional<int32_t> swatchCount);
// The same for a value typed into a dialog item, named by the field the item
// shows ("item 99" for an item that shows none).
std::string changedValueWarning(const easel::adm::Item& item, double given, const easel::adm::TypedValue& typed);

// A settings file a person wrote, read as the dialog would take its values:
// names through `naming`, numbers held to the limits (a warning each), list
// entries that the list has, flags 0 or 1 (true or false); anything else is a
// ParamsJsonError. Missing fields take their defaults. The seed of the run
// that saved the file comes with it (settingsText).
struct ParamsWithinLimits {
  ContourParams params;
  std::vector<std::string> warnings;
  std::optional<RecordedSeed> seed;
};
ParamsWithinLimits paramsWithinLimits(std::string_view text, const ParamsNaming& naming,
                                      std::optional<int32_t> swatchCount);

}  // namespace easel::host

#endif

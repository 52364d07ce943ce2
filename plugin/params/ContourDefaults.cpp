#include "plugin/params/ParamFields.h"

// Only the fields that have a default are written: finalRun, the dialog bounds
// and the reserved fields keep what the host's new (zeroed) block holds.
void setContourDefaults(ContourParams& params) {
  for (const ParamField& row : paramFields()) {
    if (!row.defaultValue) continue;
    if (row.isReal()) params.*row.field.real = *row.defaultValue;
    else
      params.*row.field.integer = static_cast<int32_t>(*row.defaultValue);
  }
}

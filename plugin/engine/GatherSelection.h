// The selection list: the selected art that the runs work on, kept in the
// plug-in's globals from the dialog's opening until the final run ends.
#ifndef CONTOUR_ENGINE_GATHERSELECTION_H
#define CONTOUR_ENGINE_GATHERSELECTION_H

#include "plugin/host/AllSuites.h"

// Asks the host for the selected art of every kind the engine handles. The
// member paths of a selected compound path are cleared from the list (their
// entries become null), so that the compound path is one object. A list held
// from before is given back first. On any host error no list is kept.
ASErr gatherSelection();

// The gathered entries and their count; null and 0 when none are gathered.
ASErr selectionEntries(AIArtHandle** entries, int32_t* count);

#endif

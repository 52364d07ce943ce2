#include "plugin/engine/RandomDraws.h"
#include "plugin/engine/StyleVariation.h"
#include "plugin/globals/SuiteSlots.h"

// The source object keeps its opacity; each copy gets its own draw.
void opacityStep(AIArtHandle copy) {
  RandomDraws draws;  // the opacity step reports no error
  sAIBlendStyle->setOpacity(copy, nextDraw(draws));
}

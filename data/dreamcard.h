#pragma once
// The card of one dream entry, as the dream window shows, prints and saves it: the stored
// title centred over a rule of underscores, then each sub-entry as its bold refinement,
// the meaning and the source in small grey, two empty lines between sub-entries.

#include "data/dreams.h"
#include "platform/rich.h"

namespace tarvenik {

RichDoc dreamCard(const DreamEntry& entry);

} // namespace tarvenik

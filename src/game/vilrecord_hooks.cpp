// src/game/vilrecord_hooks.cpp -- what the village record asks of the item services.
#include "core/vilrecord.h"
#include "items/items.h"

const VillageRecordHooks village_record_hooks = {ekuvaus};

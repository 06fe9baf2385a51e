// src/game/culturegoods_hooks.cpp -- the goods a culture's people make, as the goods tables of the
// items ask for them: furs and hides tanned and game cooked by the world's makers.
#include "items/culturegoods.h"
#include "worldgen/culturegoods.h"

const CultureMadeGoods culture_made_goods = {
    KULTTUURIESINE_Turkis, KULTTUURIESINE_Pienturkis, KULTTUURIESINE_Kotanahka,
    KULTTUURIESINE_Eraruoka, KULTTUURIESINE_Arkiruoka,
};

// src/game/text_hooks.cpp -- what the variables of the texts ask of the item services.
#include "core/tekstit.h"

#include "items/items.h"

const TextHooks text_hooks = {enimi, ekuvaus};

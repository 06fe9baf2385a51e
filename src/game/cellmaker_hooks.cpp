// src/game/cellmaker_hooks.cpp -- the local-map generator as the loading of a local area asks for it.
#include "maps/cellmaker.h"
#include "worldgen/worldgen.h"

const CellMakerHooks cell_maker_hooks = {TERRAIN};

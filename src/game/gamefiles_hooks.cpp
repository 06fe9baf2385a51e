// What the rules ask of the game's loader: saving the character's folder, entering and loading maps.
#include "core/gamefiles.h"

#include "game/loader.h"
#include "game/worldpass.h"

const GameFileHooks game_file_hooks = {Save, safesave, GetMappie, MapLoader};

// The codes of the player's commands: the names of the action codes, the repeat memory, and the
// choice menu's action handed to the command table.
#include "core/commandcodes.h"

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/worldservices.h"

int Komentohistoria, Komentotarkenne;
char Komentotekstitarkenne[100];

struct ActionName {
    int code;
    const char *name;
};

// The named actions; a code not listed (ACTION_UNNAMED, ACTION_APPLY among them) is nameless.
static const ActionName action_names[] = {
    {ACTION_CRAFT_ITEM, "Craft an item"},
    {ACTION_FELL_TREE, "Fell a tree"},
    {ACTION_CARVE_LOG, "Carve trunk into a log"},
    {ACTION_CHOP_BLOCKS, "Chop felled tree into blocks"},
    {ACTION_SPLIT_FIREWOOD, "Split firewood from a block"},
    {ACTION_PEEL_BARK, "Peel bark from a tree"},
    {ACTION_SPLIT_BOARDS, "Split a trunk into boards"},
    {ACTION_GRIND_FLOUR, "Grind flour"},
    {ACTION_THRESH, "Thresh (for grain/seeds/leaves)"},
    {ACTION_HARVEST, "Harvest"},
    {ACTION_PREPARE_SOIL, "Prepare the soil"},
    {ACTION_PLANT, "Plant/sow"},
    {ACTION_CUT_BRANCHES, "Cut branches/twigs from a tree"},
    {ACTION_BUILD_FIRE, "Build a fire"},
    {ACTION_ICE_HOLE, "Make a hole in the ice"},
    {ACTION_SKIN_ANIMAL, "Skin an animal"},
    {ACTION_CURE_SKIN, "Cure the skin (for preservation)"},
    {ACTION_TAN_SKIN, "Tan the skin"},
    {ACTION_DEHAIR, "De-hair (for rawhide/leather)"},
    {ACTION_APPLY_TANNING, "Apply tanning material"},
    {ACTION_RINSE_SKIN, "Rinse and dry the skin"},
    {ACTION_SOFTEN_SKIN, "Soften the skin"},
    {ACTION_CLEAN_SKIN, "Clean the skin"},
    {ACTION_SOAK_SKIN, "Soak the skin"},
    {ACTION_ROASTED_MEAT, "Roasted meat"},
    {ACTION_SALTED_MEAT, "Salted meat"},
    {ACTION_SMOKED_MEAT, "Smoked meat"},
    {ACTION_DRY, "Dry (for preservation)"},
    {ACTION_SALT, "Salt (for preservation)"},
    {ACTION_BAKE, "Boil"},
    {ACTION_BOIL, "Boil"},
    {ACTION_ROAST, "Roast"},
    {ACTION_COOK, "Cook"},
    {ACTION_SMOKE, "Smoke (for preservation)"},
    {ACTION_WILD_FLOUR, "Wild flour"},
    {ACTION_JOIN_ROPES, "Join ropes and cords"},
    {ACTION_SHORTEN_ROPES, "Shorten ropes and cords"},
    {ACTION_WITHE, "Withe"},
    {ACTION_BUILD, "Build something"},
    {ACTION_LEATHER_BELT, "Leather belt"},
    {ACTION_LEATHER_CAP, "Leather cap"},
    {ACTION_LEATHER_SHIRT, "Leather shirt"},
    {ACTION_LEATHER_LEGGINGS, "Leather leggings"},
    {ACTION_LEATHER_SHOES, "Leather shoes"},
    {ACTION_FUR_CAP, "Fur cap"},
    {ACTION_FUR_SHIRT, "Fur shirt"},
    {ACTION_FUR_MITTENS, "Fur mittens"},
    {ACTION_FUR_LEGGINGS, "Fur leggings"},
    {ACTION_FUR_HOOD, "Fur hood"},
    {ACTION_FUR_FOOTWEAR, "Fur footwear"},
    {ACTION_FUR_CLOAK, "Fur cloak"},
    {ACTION_LEATHER_FOREARM_GUARDS, "Leather forearm guards"},
    {ACTION_LEATHER_SHIN_GUARDS, "Leather shin guards"},
    {ACTION_LEATHER_CUIRASS, "Leather cuirass"},
    {ACTION_FUR_OVERCOAT, "Fur overcoat"},
    {ACTION_REPAIR_CLOTHES, "Repair worn-out clothes"},
    {ACTION_SET_TRAP, "Set a trap"},
    {ACTION_DISASSEMBLE_TRAP, "Disassemble a trap construction"},
    {ACTION_LEVER_TRAP, "Light lever trap"},
    {ACTION_SMALL_DEADFALL, "Small deadfall trap"},
    {ACTION_BIG_DEADFALL, "Big deadfall trap"},
    {ACTION_BEAR_DEADFALL, "Heavy deadfall bear trap"},
    {ACTION_TRAP_PIT, "Trap pit"},
    {ACTION_STAKED_PIT, "Trap pit with sharp stakes"},
    {ACTION_RESET_TRAP, "Reset triggered trap"},
    {ACTION_BAIT_TRAP, "Bait a trap"},
    {ACTION_WEAR, "Wear"},
    {ACTION_WIELD, "Wield"},
    {ACTION_DROP, "Drop"},
    {ACTION_TAKE_OFF, "Take off"},
    {ACTION_COMMAND_PETS, "Command pets and companions"},
    {ACTION_TALK, "Talk to someone"},
    {ACTION_FILL, "Fill with water, or milk into"},
    {ACTION_GET_UP, "Get up (stand)"},
    {ACTION_WOUNDS, "Wounds and injuries"},
    {ACTION_PACK_ANIMAL, "Pack an animal"},
    {ACTION_UNPACK_ANIMAL, "Unpack an animal"},
    {ACTION_POUR, "Pour something into a container"},
    {ACTION_EMPTY, "Empty a container"},
    {ACTION_FISH, "Active fishing"},
    {ACTION_SET_NET, "Set a net"},
    {ACTION_RETRIEVE_NET, "Retrieve a net"},
    {ACTION_DECONSTRUCT, "Deconstruct something"},
    {ACTION_CONTINUE, "Continue paused process"},
    {ACTION_HAUL, "Haul items"},
    {ACTION_PUSH, "Push/pack items"},
    {ACTION_THROW, "Throw an item/shoot an arrow"},
    {ACTION_BUTCHER, "Cut a carcass for meat"},
    {ACTION_SLEEP, "Sleep"},
};

const char *Toiminta(int action) {
    for (const ActionName &a : action_names)
        if (a.code == action) return a.name;
    return "";
}

char *txt_toimia(int action) {
    const char *name = Toiminta(action);
    char *buf = sbuf();
    copy_bounded(buf, SBUF_SIZE, name[0] ? StrLwr(name) : "do that");
    return buf;
}

void Valinta_Toimi() {
    const ValintaStruct *v = Valinta_Valittu();
    if (v && v->action) world_services.run_action(v->action, v->value, v->qualifier);
}

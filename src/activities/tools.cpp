// src/activities/tools.cpp -- what applying a carried thing means: fishing, the sauna whisk, a luck
// charm, digging with a shovel, and the tools by their subtype; and the leash that leads an animal,
// ties it to a tree and is picked up again.
#include "activities/tools.h"
#include "items/plantlife.h"

#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "activities/building.h"
#include "activities/fishing.h"
#include "creatures/skills.h"
#include "activities/survival.h"
#include "activities/traps.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/crefunc.h"
#include "core/datafunc.h"
#include "creatures/zoomservices.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/predicates.h"
#include "items/invsel.h"
#include "activities/itemcmd.h"
#include "items/items.h"
#include "items/itemwear.h"
#include "items/inventory.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "activities/vesselcmd.h"
#include "items/vessels.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/mapdesc.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/picker.h"
#include "maps/worldsearch.h"
#include "maps/burning.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

enum {
    CHARM_LUCK = 10,               // the charm-kind byte of a luck charm
    CHARM_CHARGES = 4,             // the type figure holding a luck charm's charges left
    CH_STOVE = 5, CH_PIT = 21, CH_FILLED_PIT = 250, CH_TYING_POST = 42,
    ROLE_FREE = 0, ROLE_LEASHED = 9, DOM_TIED = 16,
    DT_BURIED = 'w', PIT_WORK = 21,
    TASK_LEASHED = 19,
    LUCK_ROLLS = 3,
};

// ---- helpers ------------------------------------------------------------------------------------

// The stored object of a pack slot, or null when the slot holds none.
static ItemStruct *slot_item(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_count[slot] <= 0) return nullptr;
    const int pos = Plr.inv_obj[slot];
    if (pos < OBJ_PLAYER_FIRST || pos > OBJ_PLAYER_LAST) return nullptr;
    return &PlayerObj[pos - OBJ_PLAYER_FIRST];
}

static bool held(const ItemStruct &item) { return (item.status & (ISTAT_PRIMARY | ISTAT_SECOND)) != 0; }

static void note_with_item(const char *fmt_before, int pos, const char *after) {
    char line[300];
    snprintf(line, sizeof line, "%s%s%s", fmt_before, ekuvaus(pos, 1, 0), after);
    Note(line);
}

// ---- the sauna whisk ------------------------------------------------------------------------------

int applyVasta(int slot) {
    int heat = -1;
    for (int y = PlayerY - 2; y <= PlayerY + 2; y++)
        for (int x = PlayerX - 2; x <= PlayerX + 2; x++) {
            if (get_mapchar(x, y) != CH_STOVE) continue;
            const int h = lampoarvo(x, y, 0);
            if (h > heat) heat = h;
        }
    if (heat < 30) {
        Note("!You should be in a heated sauna to use vasta.");
        if (heat >= 0) Note("_The sauna stove here is not hot.");
        return 0;
    }
    if (!plr_naked()) {
        Note("!Remove your clothes first. You should be naked in the sauna.");
        return 0;
    }
    if (Plr.body_temperature < 38.0f) {
        Note("!You don't feel comfortably warm yet to use vasta.");
        return 0;
    }
    Note(":You start gently beating your body with vasta.");
    play_sample("sauna_vasta", 0);
    if (!basicspend(10, "using vasta")) return 1;
    Kuluta_PlrItem(slot, 0.025f);
    Note("#You feel relaxed.");
    return 1;
}

// ---- skis ---------------------------------------------------------------------------------------------

// ---- the shovel -------------------------------------------------------------------------------------

int branch_applyShovel(int object) {
    if (non_outdoor()) return 0;
    if (puuhausvammaus(CRE_PLAYER, 5, 6, "use a shovel")) return 0;
    const int frost = maapera_roudassa(1);
    if (frost == 1) return 0;
    if (!OtaTyhja_Suunta("where to dig a pit")) return 0;
    const int x = GeneralX, y = GeneralY;
    if (maapera_muokattavissa(x, y) != 1) {
        char line[400];
        snprintf(line, sizeof line, "!That's not possible because the ground is %s!", karttamerkin_selitys(x, y, "[skip snow]"));
        Note(line);
        return 0;
    }
    const bool filling = get_mapchar(x, y) == CH_PIT;
    const int paused = get_datatype(DT_PAUSED_BUILDING, x, y);
    if (paused >= 0 && Data[paused].id != (uint32_t)PIT_WORK) {
        char line[400];
        snprintf(line, sizeof line, "!Not possible! There's %s.", mcinprocess_desc(paused));
        Note(line);
        return 0;
    }
    if (paused >= 0) Note(msg_with("BIY_CONTINUE", mcinprocess_desc(paused)));
    else if (filling) Note("#You start filling up the pit.");
    int minutes;
    if (paused >= 0) {
        minutes = dp_leftmins(paused);
        if (minutes < 1) minutes = 1;
    } else {
        const ItemStruct shovel = ObjToItem(object);
        minutes = TYOAIKA_katevyysmod(90 + 3 * (18 - (int)Plr.strength), Tyokalun_Hyvyys(OID_SHOVEL, shovel));
        if (frost == 2) minutes = minutes * 3 / 2;
    }
    AsetaPonnistelu(CRE_PLAYER, 6);
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "dig");
    if (!spend(minutes, 0, filling ? "FILLING UP THE PIT" : "DIGGING", 0, 0)) {
        // No material was taken for the pit: a break has nothing to put back.
        if (SPEND_CRAFTPAUSE) {
            if (paused >= 0) dp_addmins(paused, SPEND_MINDONE);
            else set_build_pause(x, y, PIT_WORK, SPEND_MINDONE, minutes);
        }
        return 0;
    }
    clear_mcinprocess(x, y);
    if (filling) {
        set_mapchar(x, y, CH_FILLED_PIT);
        Note(":@You filled up the pit.");
        return 0;
    }
    Tyhjenna_PINTA(x, y);
    set_mapchar(x, y, CH_PIT);
    Note(":@You managed to dig a pit.");
    bool found = false;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_BURIED || d.x != x || d.y != y || d.id == 0 || d.flags != 0) continue;
        d.type = DT_ITEM;
        found = true;
    }
    if (found) Note("+You find some buried items at the bottom of the pit!");
    return 1;
}

// ---- applying -------------------------------------------------------------------------------------

int Apply(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0 || Plr.inv_count[slot] <= 0) return 0;
    Item = ObjToItem(Plr.inv_obj[slot]);
    if (fishingequ(Item)) {
        Aktiivinen_Kalastus(slot);
        return 1;
    }
    if (Item.id == OID_SKULL) {
        applySkull_teeth(slot);
        return 1;
    }
    if (Item.id == OID_VASTA) {
        applyVasta(slot);
        return 1;
    }
    Slotista_Uniikki(slot);
    const int pos = Plr.inv_obj[slot];
    Item = ObjToItem(pos);
    ItemStruct *own = slot_item(slot);
    if (Item.magic == CHARM_LUCK) {
        note_with_item("You stroke the ", pos, ".");
        TurnUsed = 1;
        if (Item.fig[CHARM_CHARGES] > 0) {   // the charges its maker gave it
            if (own) own->fig[CHARM_CHARGES] = (uint8_t)(Item.fig[CHARM_CHARGES] - 1);
            PLRGLOBAL_luckrolls = LUCK_ROLLS;
        } else {
            Note("Some hair falls off from it.");
        }
        Yhdista_Slottiin(slot);
        return 1;
    }
    if (OnkoEsineId(Item, OID_SHOVEL)) {
        branch_applyShovel(pos);
        return 1;
    }
    if (Item.type != IT_TOOL) {
        TARGET_ITEM = pos;
        Note(MSG("ITEM_CANT_APPLY"));
        return 0;
    }
    LURK = 0;
    switch (Item.subtype) {
    case ST_SCOOP:
        Note("!Since version 3.63 water is thrown on the sauna stove by applying a water container. Sauna scoop isn't needed anymore.");
        scoop(-1000);
        break;
    case ST_ROPE:
        if (Item.id == OID_CORD) Note("+This item has no use on its own. It is used to bind things together.");
        else leash(slot);
        break;
    case ST_HORN: Note(":You produce a fancy sound."); break;
    case ST_TRAP: AsetaAnsa(390, slot); break;
    case ST_BOAT:
        if (held(Item)) {
            TakeOff(slot, 1);
            return 1;
        }
        wieldCmd(slot, 0);
        if (watercraft_datapos(PlayerX, PlayerY) >= 0) Note("_To travel by the watercraft here just keep moving normally towards water.");
        else Note("_If you were standing on a raft or punt now you could go by waterways.");
        break;
    case ST_LIGHT: light(slot, Item.state == 0 ? 1 : 0); break;
    case ST_SKIS: ski(slot); break;
    case ST_SKISTICK:
        if (held(Item)) {
            TakeOff(slot, 1);
            return 1;
        }
        wieldCmd(slot, 0);
        break;
    default: note_with_item("!There's no special way to apply ", pos, "."); break;
    }
    TurnUsed = 1;
    Yhdista_Slottiin(slot);
    return 1;
}

// ---- leashes --------------------------------------------------------------------------------------

int inventory_leash_confirm(int c) {
    if (c < 0 || c >= CRE_COUNT || Cre[c].socialid == 0) return 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const ItemStruct *it = slot_item(s);
        if (it && it->type == IT_TOOL && it->subtype == ST_ROPE && leash_sotu(*it) == Cre[c].socialid) return 1;
    }
    return 0;
}

// An animal of a village taken while none of its people are about.
static bool unguarded_village_animal(int c, int x, int y) {
    if (!npcKotielain(c) || (Cre[c].ownerbits & 1)) return false;
    const unsigned soc = Mapinfo_socID(kohtaIsoX(x), kohtaIsoY(y));
    return soc != 0 && zoomarea_socpopulation((int)soc) == 0;
}

void leash(int slot) {
    ItemStruct *own = slot_item(slot);
    if (!own || leash_sotu(*own) != 0) return;
    if (!OtaKohta_Suunta("creature to be tied")) return;
    const int c = cre_xy(GeneralX, GeneralY);
    if (c < 0 || c >= CRE_COUNT) {
        Note(MSG("GOOF_NO_CREATURE"));
        return;
    }
    CreatureStruct &cr = Cre[c];
    const bool theft = unguarded_village_animal(c, GeneralX, GeneralY);
    if (!theft && !onko_NPC_kesyelain(c)) {
        TARGET_NPC = c;
        Note(MSG("SOUND_DISAGREEMENT"));
        return;
    }
    if (is_tied(c) || onko_NPC_lieassa(c)) {
        if (bigmap()) cr.domestic = (uint8_t)(cr.domestic & ~DOM_TIED);
        if (onko_NPC_lieassa(c) && !inventory_leash_confirm(c)) {
            cr.role = ROLE_FREE;   // its leash is nowhere in the pack: it was loose all along
            TARGET_NPC = c;
            Note(MSG("PET_UNLEASHED"));
        } else {
            Note("!It's already leashed.");
        }
        return;
    }
    if (theft && cr.speciescode == SPECIES_DOG) {
        TARGET_NPC = c;
        Note(MSG("SOUND_DISAGREEMENT"));
        NPC_hyokkaa(c, CRE_PLAYER, 0);
        return;
    }
    TARGET_NPC = c;
    Note(MSG("PET_LEASHED"));
    set_leash_sotu(*own, cr.socialid);
    cr.role = ROLE_LEASHED;
    cr.followpace = 20;
    cr.followgap = 2;
    cr.mode = 0;
    if (theft) {
        cr.ownerbits = (uint8_t)(cr.ownerbits & ~1u);
        cr.memberbits = (uint8_t)(cr.memberbits & ~MB_COMPANION);
        cr.owner = CRE_PLAYER;
        if (random(4) == 0) NPC_hyokkaa(c, CRE_PLAYER, 5 + random(15));
    }
    world_services.course_task_check(TASK_LEASHED);
}

int tie(int slot) {
    ItemStruct *own = slot_item(slot);
    if (!own) return 0;
    const int c = npcleash_check(*own);
    DebugNotef("Tie npc: %d", c);
    if (c < 0 || c >= CRE_COUNT) return 0;
    int x, y;
    int ch = getaheadxy(CRE_PLAYER, &x, &y);
    if (!terrain_flag(ch, TF_TREE)) {
        ch = OtaKohta_Suunta("where to tie");
        if (!ch) return 0;
        x = GeneralX;
        y = GeneralY;
        if (!terrain_flag(ch, TF_TREE) && ch != CH_TYING_POST) {
            Note(MSG("PET_TIE_CANT"));
            return 0;
        }
    }
    CreatureStruct &cr = Cre[c];
    cr.domestic = (uint8_t)(cr.domestic | DOM_TIED);
    cr.role = ROLE_FREE;
    const int pos = Plr.inv_obj[slot];
    set_data(DT_ITEM, x, y, pos, 1);
    Poista_PlrItem(slot, 1);
    TARGET_NPC = c;
    Note(msg_with("PET_TIED", StrLwr(terrain_desc(ch))));
    DebugNotef("Tie Cre[%d].bfdom set to %d", c, cr.domestic);
    TurnUsed = 1;
    return 1;
}

void untie_pick(int, int object) {
    if (object < OBJ_PLAYER_FIRST || object > OBJ_PLAYER_LAST) return;
    const int c = npcleash_check(PlayerObj[object - OBJ_PLAYER_FIRST]);
    if (c < 0 || c >= CRE_COUNT) return;
    CreatureStruct &cr = Cre[c];
    cr.domestic = (uint8_t)(cr.domestic & ~DOM_TIED);
    cr.role = ROLE_LEASHED;
    cr.followpace = 20;
    cr.followgap = 2;
    TARGET_NPC = c;
    Note(MSG("PET_UNTIED"));
}

// The commands on the contents of carried vessels. A filled vessel is one item that stands for its
// contents and names its vessel; whatever is poured or emptied, the weight that leaves one item is
// the weight that arrives in the other, so nothing is made or lost on the way.
#include "activities/vesselcmd.h"

#include "items/containers.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/weather.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "creatures/body.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/invlist.h"
#include "items/items.h"
#include "items/items_int.h"
#include "items/itemwear.h"
#include "items/materials.h"
#include "items/ownership.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/worldsearch.h"
#include "maps/burning.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

#include <cmath>
#include <cstdio>
#include <cstring>

enum {
    MC_SAUNASTOVE = 5,
    SEX_MALE = 1, SEX_YOUNG = 2,
};

// ---- helpers -------------------------------------------------------------------------------------

static bool valid_slot(int slot) {
    return slot >= 0 && slot < PLR_SLOTS && Plr.inv_obj[slot] > 0 && Plr.inv_count[slot] > 0;
}

// A message text with its "%s" marks filled in order (the text is never used as a format).
static const char *fill_marks(const char *text, const char *a, const char *b = "") {
    char *out = sbuf();
    size_t n = 0;
    const char *args[2] = {a, b};
    int used = 0;
    for (const char *p = text; *p && n + 1 < SBUF_SIZE;) {
        if (p[0] == '%' && p[1] == 's' && used < 2) {
            for (const char *q = args[used++]; *q && n + 1 < SBUF_SIZE; q++) out[n++] = *q;
            p += 2;
        } else {
            out[n++] = *p++;
        }
    }
    out[n] = 0;
    return out;
}

static const char *lower_name(int pos) {
    char name[41];
    item_name(ObjToItem(pos), name);
    return StrLwr(name);
}

static void note_empty(int pos) {
    Note(fill_marks("!The %s is empty!", lower_name(pos)));
}

// A vessel is free when no society owns it or its owner let it go.
static bool free_item(const ItemStruct &it) { return it.ownersoc == 0 || (it.ownerflags & OWN_FREE); }

// The weight of the contents a container item holds; 0 for a bare vessel.
static float contents_of(const ItemStruct &it) { return it.vessel != 0 ? it.weight : 0.0f; }

// One unit of a slot in a slot of its own with its own record; answers that slot, -1 when there is
// no room for it.
static int take_one(int slot) {
    if (Plr.inv_count[slot] == 1) {
        Slotista_Uniikki(slot);
        return slot;
    }
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == 0) {
            const int own = Esineesta_Uniikki(ObjToItem(Plr.inv_obj[slot]));
            if (!own) return -1;
            Plr.inv_count[slot]--;
            Plr.inv_obj[s] = own;
            Plr.inv_count[s] = 1;
            return s;
        }
    return -1;
}

// The vessel with what it held, the owner fields of the old item kept when it was owned.
static int keep_owner(int newpos, const ItemStruct &old) {
    if (free_item(old)) return newpos;
    ItemStruct it = ObjToItem(newpos);
    copyownerflags(old, it);
    const int owned = Luo_Esineen_Itempos(it);
    return owned ? owned : newpos;
}

static void done(int slot) {
    if (valid_slot(slot)) Yhdista_Slottiin(slot);
    laske_Load(CRE_PLAYER);
    Statistics();
    TurnUsed = 1;
}

// ---- filling -------------------------------------------------------------------------------------

static void fill_water(int slot) {
    const int old = Plr.inv_obj[slot];
    const ItemStruct before = ObjToItem(old);
    play_sample("water", 0);
    int pos = Sailioi(0, old, OID_WATER, 0);
    if (pos <= 0) return;
    pos = keep_owner(pos, before);
    if (!free_item(before)) replacedebtitem((int)before.ownersoc, old, pos);
    Plr.inv_obj[slot] = pos;
    TARGET_ITEM = pos;
    Note(MSG("FILL_WATER"));
    done(slot);
}

static int milk_amount(int species) {
    if (species == SPECIES_COW) return 2 + random(3);
    if (species == SPECIES_REINDEER) return 2 + random(2);
    return 1 + random(2);
}

static bool milking_season(int species) {
    const int m = Plr.month;
    return species == SPECIES_SHEEP ? m >= 4 && m <= 8 : m >= 4 && m <= 10;
}

static uint16_t milk_day_mark() { return (uint16_t)((Plr.daynumber & 0xffff) + 1); }
static uint16_t milked_on(CreatureStruct &c) {
    return (uint16_t)(cre_spare(c, SPARE_MILKDAY) | cre_spare(c, SPARE_MILKDAY + 1) << 8);
}

static void milk(int slot, int c) {
    CreatureStruct &animal = Cre[c];
    TARGET_NPC = c;
    const int species = (int)animal.speciescode;
    if ((species != SPECIES_COW && species != SPECIES_SHEEP && species != SPECIES_REINDEER) ||
        (animal.sexage & (SEX_MALE | SEX_YOUNG))) {
        Note(MSG("MILK_CANT"));
        return;
    }
    if (!onko_NPC_kesyelain(c)) {
        Note(MSG("MILK_REFUSE"));
        return;
    }
    if (!milking_season(species)) {
        Note(MSG("MILK_DRY_PERIOD"));
        return;
    }
    if (milked_on(animal) == milk_day_mark()) {
        Note(MSG("NO_MORE_MILK_TODAY"));
        return;
    }
    const int old = Plr.inv_obj[slot];
    const ItemStruct before = ObjToItem(old);
    // Milk does not go into a vessel holding something else: that would be poured away unasked.
    if (before.vessel != 0 && before.id != OID_MILK) {
        Note("!You can't store different kinds of stuff in one container!");
        return;
    }
    Keskeyta_Puuha(c, -1);
    Lisaa_Puuha(c, 2, 2000);
    if (realbasicspend(10 + random(10), 0, "MILKING", 0) && valid_slot(slot) && Plr.inv_obj[slot] == old) {
        int pos = Sailioi(0, old, OID_MILK, (float)milk_amount(species));
        if (pos > 0) {
            pos = keep_owner(pos, before);
            if (!free_item(before)) replacedebtitem((int)before.ownersoc, old, pos);
            Plr.inv_obj[slot] = pos;
            TARGET_ITEM = pos;
            Note(MSG("MILK_GOT"));
            const uint16_t mark = milk_day_mark();
            cre_spare(animal, SPARE_MILKDAY) = (uint8_t)(mark & 0xff);
            cre_spare(animal, SPARE_MILKDAY + 1) = (uint8_t)(mark >> 8);
        }
    }
    Keskeyta_Puuha(c, -1);
    done(slot);
}

void fillCmd(int slot) {
    if (slot == -1000) {
        slot = selslot("Select a container to fill", "fill", SEL_WRONG_TYPE, IT_CONTAINER, 451);
        if (slot == INVSEL_NOTHING) Note(nothingto("fill"));
    }
    if (!valid_slot(slot)) return;
    const ItemStruct it = ObjToItem(Plr.inv_obj[slot]);
    if (!OnkoEsineSailio(it)) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        return;
    }
    if (it.type != IT_CONTAINER) {
        Note("!You can't store different kinds of stuff in one container!");
        return;
    }
    Slotista_Uniikki(slot);
    int x = 0, y = 0;
    getaheadxy(-1, &x, &y);
    if (avovesi(x, y)) {
        fill_water(slot);
        return;
    }
    TARGET_ITEM = Plr.inv_obj[slot];
    Note(MSG("FILL_INFO"));
    if (!OtaKohta_Suunta("water source or an animal to milk") || (GeneralX == 0 && GeneralY == 0)) return;
    if (avovesi(GeneralX, GeneralY)) {
        fill_water(slot);
        return;
    }
    const int c = cre_xy(GeneralX, GeneralY);
    if (c < 0 || c >= CRE_COUNT) {
        Note(MSG("FILL_CANT"));
        return;
    }
    milk(slot, c);
}

// ---- pouring -------------------------------------------------------------------------------------

// Puts the remaining contents of a source vessel back in its slot: the rest of the stuff, or the
// bare vessel when nothing is left.
static void leave_in_source(int slot, const ItemStruct &source, float left) {
    if (left > 0.0001f) {
        ItemStruct rest = source;
        rest.weight = left;
        const int pos = Luo_Esineen_Itempos(rest);
        if (pos) Plr.inv_obj[slot] = pos;
        return;
    }
    ItemStruct vessel = ObjToItem((int)source.vessel);
    vessel.weight = 0.0f;
    vessel.type = IT_CONTAINER;
    vessel.vessel = 0;
    vessel.status = 0;
    copyownerflags(source, vessel);
    const int pos = Luo_Esineen_Itempos(vessel);
    if (pos) Plr.inv_obj[slot] = pos;
    Note(fill_marks("+The %s is empty now.", lower_name((int)source.vessel)));
}

int Kaada_Astiaan(int targetSlot) {
    static PlayerStruct backup;
    backup = Plr;
    Note(MSG("POUR_INFO"));
    const int src = selslot("What do you want to pour or put into that container?", "fill the container with",
                            SEL_VESSELS | SEL_WRONG_TYPE, invmask(IT_FOOD, IT_CONTAINER), 0);
    if (src < 0 || !valid_slot(src)) return 0;
    const int srcpos = Plr.inv_obj[src];
    const ItemStruct source = ObjToItem(srcpos);
    const bool vessel_source = source.vessel != 0;
    if (!OnkoEsineSailio(source) && source.type != IT_FOOD) {
        Note(MSG("POUR_CANT"));
        return 1;
    }
    if (!vessel_source && source.type == IT_CONTAINER) {
        note_empty(srcpos);
        return 1;
    }
    TARGET_ITEM = srcpos;
    Note(fill_marks(MSG("POUR_SOURCE_OK"), lower_name(srcpos)));

    if (targetSlot == -1000) {
        targetSlot = selslot("Select the target container?", "be filled", 0, 0, 0);
        if (targetSlot < 0) return 0;
    }
    if (!valid_slot(targetSlot)) return 0;
    if (targetSlot == src) {
        Note("!Huh? You tried to pour something in itself.");
        return 1;
    }
    const int tpos = Plr.inv_obj[targetSlot];
    const ItemStruct target = ObjToItem(tpos);
    if (!OnkoEsineSailio(target)) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        return 1;
    }
    const float held = contents_of(target);
    const float space = target.fullweight - held;
    if (space <= 0.0001f) {
        Note(fill_marks("!%s is completely full!", ekuvaus(tpos, 1, 0)));
        Plr = backup;
        return 1;
    }
    if (target.vessel != 0) {
        char a[200];
        copy_bounded(a, sizeof a, StrLwr(enimi(srcpos, 1, 0)));
        if (strcmp(a, StrLwr(enimi(tpos, 1, 0))) != 0) {
            Note("!You can't store different kinds of stuff in one container!");
            Plr = backup;
            return 1;
        }
    }

    // What goes over: the smaller of the source's contents and the free space; whole pieces of a
    // stack until the free space is filled, the last piece topping it past the brim, the rest
    // staying behind.
    float poured;
    int pieces = 0;
    if (vessel_source) {
        poured = source.weight < space ? source.weight : space;
    } else {
        const float each = source.weight;
        pieces = each > 0 ? (int)std::ceil(space / each - 0.0001f) : 1;
        if (pieces < 1) pieces = 1;
        if (pieces > Plr.inv_count[src]) pieces = Plr.inv_count[src];
        poured = (float)pieces * each;
    }
    if (poured <= 0) return 1;

    ItemStruct stuff = source;
    stuff.weight = poured;
    stuff.fullweight = vessel_source ? stuff.fullweight : poured;
    stuff.vessel = 0;
    stuff.status = 0;
    if (stuff.id == OID_WATER) {
        ItemStruct blank;
        ClrItemstruct(blank);
        copyownerflags(blank, stuff);
    }
    const int stuffpos = Esineesta_Uniikki(stuff);
    if (!stuffpos) return 1;
    const int filled = Sailioi(stuffpos, tpos, 0, 0);
    if (filled <= 0 || !OnkoEsineSailio(ObjToItem(tpos))) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        Plr = backup;
        return 1;
    }
    // The contents weigh what was there and what came, even when a piece fills it past the brim.
    ItemStruct result = ObjToItem(filled);
    result.weight = held + poured;
    copyownerflags(target, result);
    ItemToObjpos(result, filled);

    // The source gives exactly what went over.
    if (vessel_source) {
        const int one = take_one(src);
        if (one < 0) {
            Plr = backup;
            return 1;
        }
        leave_in_source(one, source, source.weight - poured);
    } else {
        Poista_PlrItem_NoCrunch(src, pieces);
    }
    // The target leaves its slot and comes back filled: nothing new is carried, so a full pack takes
    // it back all the same.
    Poista_PlrItem_NoCrunch(targetSlot, 1);
    const int slot = Lisaa_Jaon_Loput(filled, 1, 1, -1);
    CrunchItems();
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s]) Yhdista_Slottiin(s);
    CrunchItems();
    (void)slot;

    TARGET_ITEM = filled;
    if (result.weight >= result.fullweight - 0.0001f) {
        Note(fill_marks("=You've got a full %s now.", ekuvaus(filled, 1, 0)));
    } else {
        char vessel_name[200];
        copy_bounded(vessel_name, sizeof vessel_name, the(lower_name((int)result.vessel)));
        Note(fill_marks(MSG("POUR_OK"), vessel_name, lower_name(filled)));
    }
    laske_Load(CRE_PLAYER);
    Statistics();
    TurnUsed = 1;
    return 1;
}

// ---- emptying ------------------------------------------------------------------------------------

void Tyhjenna_InventoryAstia(int slot) {
    if (slot == -1000) {
        slot = selslot("Select a container to empty?", "empty", 0, 0, 0);
        if (slot == INVSEL_NOTHING) Note(nothingto("empty"));
    }
    if (!valid_slot(slot)) return;
    const int pos = Plr.inv_obj[slot];
    const ItemStruct it = ObjToItem(pos);
    if (!OnkoEsineSailio(it)) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        return;
    }
    if (it.vessel == 0) {
        note_empty(pos);
        return;
    }
    if (it.type != IT_CONTAINER) {
        Note(fill_marks("!Emptying the %s will discard its contents for good.", ekuvaus(pos, 1, 0)));
        if (!KyllaEi("Do you really want to empty it?")) return;
    }
    const int one = take_one(slot);
    if (one < 0) return;
    Kuluta_PlrItem(one, 1000.0f);
    CrunchItems();
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s]) Yhdista_Slottiin(s);
    CrunchItems();
    laske_Load(CRE_PLAYER);
    Statistics();
    TurnUsed = 1;
}

// ---- sauna water ---------------------------------------------------------------------------------

void scoop(int slot) {
    if (slot == -1000 || !valid_slot(slot)) return;
    int heat = -1;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            const int x = PlayerX + dx, y = PlayerY + dy;
            if (get_mapchar(x, y) != MC_SAUNASTOVE) continue;
            const int h = lampoarvo(x, y, 0);
            if (h > heat) heat = h;
        }
    if (heat <= 9) {
        Note(MSG("SAUNA_NO_STOVE"));
        return;
    }
    const int one = take_one(slot);
    if (one < 0) return;
    Kuluta_PlrItem(one, 0.25f);
    CrunchItems();
    Note(MSG("SAUNA_THROW_WATER"));
    TurnUsed = 1;
    if (heat <= 29) {
        Note(MSG("SAUNA_NO_STEAM"));
        return;
    }
    if (heat < 60) {
        Note(MSG("SAUNA_MILD_STEAM"));
        play_sample("sauna_small_loyly", 0);
        Plr.body_temperature += 0.5f;
    } else {
        Note(MSG("SAUNA_STEAM"));
        play_sample("sauna_loyly", 0);
        Plr.body_temperature += 1.0f;
    }
    MAPEFFECT_loyly();
    plr_set<int32_t>(PLR_SAUNA_COUNTER, plr_get<int32_t>(PLR_SAUNA_COUNTER) + 40);
    if (Plr.body_temperature < 42.0f) Plr.body_temperature += 1.0f;
    world_services.course_task_check(39);
    LampotilaTarkastus();
    Nayta_Perustarpeet(0);
    laske_Load(CRE_PLAYER);
}

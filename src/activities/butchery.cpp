// src/activities/butchery.cpp -- butchery (see butchery.h): meat cuts, the fat and the hard remains of
// a carcass. The carcass's species factor is its meat factor and its tearing factor its fat factor.
#include "activities/butchery.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "activities/activities.h"
#include "activities/food.h"
#include "activities/hidework.h"
#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/settings.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "items/itemdefs.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "maps/picker.h"
#include "core/tehtavat.h"
#include "core/creatures.h"
#include "core/worldservices.h"
#include "items/inventory.h"

enum {
    KIND_SEAL = 24, KIND_ELK = 10,
    TASK_BUTCHERED = 23, TASK_ELK_BUTCHERED = 40,
    ANTLERS_TAKEN = 302, ANTLER_SLOT = 2,
    FAT_SUBTYPE = 27, FAT_TILESYM = 145, FAT_SPOIL_DAYS = 5,
    MAX_MINUTES = 200,
};

// ---- the plan -------------------------------------------------------------------------------------

static int age_months(const CreatureStruct &cr) {
    if (cr.birthday == 0 && cr.playerage == 0) return 33;
    const int d = (int)Plr.daynumber - cr.birthday;
    return (d < 0 ? -d : d) / 30;
}

static float fat_pounds(const CreatureStruct &cr) {
    float fat = 7.0f / fat_factor(cr) / 10.0f;
    if (cr.kind == KIND_SEAL) fat *= 30.0f;
    if (cr.sexage & 2) fat *= young_scale(age_months(cr));
    return fat;
}

CutPlan butchery_plan(const CreatureStruct &cr, float weight, int rating, int emergency) {
    CutPlan p{};
    const float meat = std::isfinite(cr.speciesfactor) && cr.speciesfactor > 0.0f ? cr.speciesfactor : 0.0f;
    const float w = weight > 0.0f && std::isfinite(weight) ? weight : 0.0f;
    p.cuts = (int)std::ceil(2.0f * meat * w);
    if (rating < 100) p.cuts = (int)std::ceil((float)p.cuts * (float)(rating < 0 ? 0 : rating) / 100.0f);
    p.minutes = p.cuts + 10;
    if (p.minutes > MAX_MINUTES) p.minutes = MAX_MINUTES;
    if (p.cuts <= 0) p.minutes = 11, p.cuts = 1;
    if (emergency) p.minutes *= 3;
    p.per_cut = (p.minutes + p.cuts - 1) / p.cuts;
    if (p.per_cut < 1) p.per_cut = 1;
    p.fat = fat_pounds(cr);
    return p;
}

int butchery_cuts_taken(const CutPlan &p, int done, int finished) {
    if (finished) return p.cuts;
    if (done <= 2) return 0;
    const int cuts = done / p.per_cut;
    return cuts > p.cuts ? p.cuts : cuts;
}

// ---- the carcass ----------------------------------------------------------------------------------

static void species_lower(const CreatureStruct &cr, char *out, size_t size) {
    char s[sizeof cr.species + 1];
    copy_bounded(s, sizeof s, cr.species);
    copy_bounded(out, size, StrLwr(s));
}

// An item laid at x, y unless its name came out empty (the species leaves no such part).
static void lay(const ItemStruct &it, int x, int y, int count) {
    if (!it.name[0]) return;
    const int pos = Luo_Esineen_Itempos(it);
    if (pos) set_data(DT_ITEM, x, y, pos, count);
}

void CutAntlers(int c, int x, int y, int) {
    if ((unsigned)c >= (unsigned)CRE_COUNT) return;
    CreatureStruct &cr = Cre[c];
    if (!creS_got_antlers(cr)) return;
    lay(Luo_Sarvet(cr), x, y, 2);
    cr.Puuha[ANTLER_SLOT] = ANTLERS_TAKEN;
}

void CutBones(int c, int x, int y) {
    if ((unsigned)c < (unsigned)CRE_COUNT) lay(Luo_Putkiluu(Cre[c]), x, y, 4);
}

void CutSkull(int c, int x, int y) {
    if ((unsigned)c < (unsigned)CRE_COUNT) lay(Luo_Kallo(Cre[c]), x, y, 1);
}

void CarcassDecayComplete(int c, int x, int y) {
    CutAntlers(c, x, y);
    CutBones(c, x, y);
    CutSkull(c, x, y);
}

static ItemStruct fat_item(const CreatureStruct &cr, float pounds) {
    ItemStruct it;
    ClrItemstruct(it);
    char species[sizeof cr.species + 1], name[80];
    species_lower(cr, species, sizeof species);
    snprintf(name, sizeof name, "%s fat", species);
    it.type = IT_FOOD;
    it.subtype = FAT_SUBTYPE;
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, species);
    it.fig[0] = 0;     // carbohydrate
    it.fig[1] = 100;   // fat
    it.fig[2] = 0;     // protein
    it.spoil = FAT_SPOIL_DAYS;
    it.tilesym = FAT_TILESYM;
    SET_ITEM_TEXT(it.tile, "org-fat");
    it.price = 1.0f;
    it.weight = it.fullweight = pounds;
    return it;
}

// The last of the carcass: its fat to the cutter, its hard parts on the ground, its record freed.
static void carcass_finished(int c, int m, int n, float fat) {
    CreatureStruct &cr = Cre[m];
    const int x = Data[n].x, y = Data[n].y;
    const ItemStruct it = fat_item(cr, fat);
    const int pos = Luo_Esineen_Itempos(it);
    if (pos) {
        if (c == CRE_PLAYER) {
            Lisaa_Inventoryyn(pos, 1, 1, -1);
            char note[120];
            snprintf(note, sizeof note, "=You got %s.", it.name);
            Note(note);
        } else if (!AddCrPack(c, pos, 1)) {
            set_data(DT_ITEM, x, y, pos, 1);
        }
    }
    CarcassDecayComplete(m, x, y);
    CrunchData(n);
}

static int cutting_tool(int c, int whole, int &rating) {
    if (c == CRE_PLAYER) {
        Tyhjaa_Tarvikelista();
        Tyhjaa_Tarvike();
        Tarvike.id = OID_CUTTING;
        Tarvike.count = Tarvike.first_count = 1;
        Tarvike.linked = OID_KNIFE;
        Lisaa_Tarvike();
        if (!Kay_Tarvikelista("CUT THE CARCASS")) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
        rating = Tarvikelista_Tyokalukelpoisuus(-1);
        Palauta_Kaytetyt_Tarvikkeet();   // the knife is only used, nothing is taken
        return 1;
    }
    if (!npc_has_requirement(c, OID_CUTTING)) {
        if (whole) Olento_Huutaa(c, "I don't have a weapon for this.");
        return 0;
    }
    rating = GLOB_TK_kelpoisuus;
    return 1;
}


static void meat_cut_one(int c, int m, int n, float per_cut) {
    CreatureStruct &cr = Cre[m];
    char species[sizeof cr.species + 1];
    species_lower(cr, species, sizeof species);
    cr.eaten |= 1;
    const int pos = Luo_Esineen_Itempos(Lihaesine(species, 1.0f, cr));
    if (pos && !AddCrPack(c, pos, 1)) set_data(DT_ITEM, Data[n].x, Data[n].y, pos, 1);
    cr.weight -= per_cut;
}

int CutCorpse(int c, int n, int whole) {
    if (c != CRE_PLAYER && (unsigned)c >= (unsigned)CRE_COUNT) return 0;
    int m;
    CreatureStruct *cr = carcass_creature(n, m);
    if (!cr || m == c) return 0;
    const bool player = c == CRE_PLAYER;
    if (cr->kind == CK_HUMAN) {
        if (!player) return 0;
        if (Plr.starvation < 3) {
            Note("!You aren't desperate enough to cut that flesh.");
            return 0;
        }
    }
    int rating = 100;
    if (!cutting_tool(c, whole, rating)) return 0;
    const float w = cr->weight;
    const int exertion = w > 150.0f ? 5 : w >= 20.0f ? 4 : 2;
    if (pctRotten_carcass(m, nullptr, 0) > 0) {
        if (player) {
            copy_bounded(vMSG_var, sizeof vMSG_var, NPC_ruhokuvaus(m));
            Note(MSG("CARCASS_ROTTEN"));
        } else if (whole) {
            Olento_Huutaa(c, "This is all rotten!");
        }
        return 0;
    }
    char species[sizeof cr->species + 1];
    species_lower(*cr, species, sizeof species);

    if (!player && !whole) {
        // One cut now and then; the cuts are reckoned from the weight at death.
        const float w0 = cr->fatigue >= w && cr->fatigue > 0.0f ? cr->fatigue : w;
        const CutPlan p = butchery_plan(*cr, w0, rating, 0);
        if (random(3) == 0) meat_cut_one(c, m, n, w0 / (float)p.cuts);
        if (cr->weight <= 0.0f) carcass_finished(c, m, n, p.fat);
        return 1;
    }

    if (player) {
        if (puuhausvammaus(CRE_PLAYER, 101, exertion, txt_toimia(ACTION_BUTCHER))) return 0;
        if (!is_carcass_skinned(*cr) && inivalyes("BUTCHER_CONFIRMATION") && HIDEWORK_skin(CRE_PLAYER, n, 0)) {
            Note("#If you cut the carcass completely now it can't be skinned afterwards.");
            if (!KyllaEi("Really butcher before skinning?")) return 0;
        }
        char note[160];
        snprintf(note, sizeof note, "You start to cut the %s carcass...", species);
        Note(note);
    }
    const CutPlan p = butchery_plan(*cr, w, rating, PVAM_EMERGENCY);
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "SLITS");
    AsetaPonnistelu(c, exertion);
    int finished = 1, done = p.minutes;
    const uint32_t soc = cr->socialid, id = Data[n].id;
    if (player) {
        finished = spend(p.minutes, 0, "BUTCHERING THE CARCASS", 0, SPF_LONG0);
        done = finished ? p.minutes : SPEND_MINDONE;
        // A carcass eaten, freed or replaced while she worked takes her work with it.
        int m2;
        cr = carcass_creature(n, m2);
        if (!cr || m2 != m || Data[n].id != id || cr->socialid != soc) return 0;
    }
    const int taken = butchery_cuts_taken(p, done, finished);
    if (taken > 0) {
        cr->eaten |= 1;
        const int pos = Luo_Esineen_Itempos(Lihaesine(species, 1.0f, *cr));
        if (player) {
            world_services.course_task_check(TASK_BUTCHERED);
            if (cr->kind == KIND_ELK && !(cr->speciesweight > cr->fatigue)) world_services.course_task_check(TASK_ELK_BUTCHERED);
            if (pos) Lisaa_Inventoryyn(pos, taken, 1, -1);
            char note[160];
            snprintf(note, sizeof note, "=You got %d edible cuts of %s meat.", taken, species);
            Note(note);
        } else if (pos && !AddCrPack(c, pos, taken > 255 ? 255 : taken)) {
            set_data(DT_ITEM, Data[n].x, Data[n].y, pos, taken);
        }
        cr->weight -= w / (float)p.cuts * (float)taken;
    }
    if (cr->weight <= 0.0f || finished) carcass_finished(c, m, n, p.fat);
    return taken > 0 || finished ? 1 : 0;
}

int BUTCHERY_cutCmd() {
    if (!datatype_around(DT_CARCASS, PlayerX, PlayerY)) {
        Note(MSG("CARCASS_NOT_FOUND"));
        return 0;
    }
    int x = 0, y = 0;
    if (!askdir_datatype("carcass to cut", DT_CARCASS, &x, &y, 7)) return 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CARCASS && Data[i].x == x && Data[i].y == y) return CutCorpse(CRE_PLAYER, i, 1);
    Note(MSG("CARCASS_NOT_FOUND"));
    return 0;
}

// src/activities/hidework.cpp -- hide work (see hidework.h): skinning, cleaning, curing, de-hairing and
// the tanning steps; the skin, fur and leather items themselves are made by creatures/skins.
#include "activities/hidework.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "creatures/people.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/itemdefs.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "maps/kulttuuri.h"
#include "maps/picker.h"
#include "core/tehtavat.h"
#include "core/creatures.h"
#include "core/worldservices.h"

enum {
    TASK_SKIN_WILD_FUR = 43, TASK_TANNED = 13,
    STEP_SPOIL_DAYS = 3,
};

// ---- the terms of a skin ----------------------------------------------------------------------

// The torn rule: a badly torn skin is capped lower still, and one torn to shreds is lost.
static int torn_rule(int t, int &cap, int &penalty) {
    if (t > 70) return 0;
    if (t >= 51) {
        if (penalty < 30) penalty = 30;
        cap = 1;
    } else if (t >= 31 && cap > 2) {
        cap = 2;
    }
    return 1;
}

int skin_terms(int e, int t, int &cap, int &penalty, float &share) {
    cap = 5, penalty = 0, share = 1.0f;
    if (e < 6) {
        if (t < 4) return 1;
        cap = t <= 10 ? 4 : 3;
        penalty = t;
        return t <= 10 ? 1 : torn_rule(t, cap, penalty);
    }
    if (e >= 80) return 0;
    share = (float)(100 - e) / 100.0f;
    if (e >= 60) {
        cap = 1;
        penalty = 30;
        if (t < 4) return 1;
        if (t > penalty) penalty = t;
        return t > 10 ? torn_rule(t, cap, penalty) : 1;
    }
    cap = e < 30 ? 3 : 2;
    penalty = e < 15 ? 0 : e < 30 ? 10 : 20;
    if (t > 3 && t > penalty) penalty = t;
    return t > 10 ? torn_rule(t, cap, penalty) : 1;
}

int skinning_minutes(float weight) {
    if (weight > 200.0f) return 120 + random(60);
    return (int)(weight / 2.0f + 20.0f);
}

// ---- skinning -------------------------------------------------------------------------------------

static int hide_level(int c) {
    const int l = Skill_ML(c, "HIDEWORKING");
    return l == 1000 ? 0 : l;
}

// The carcass creature of record n, or null when n is no carcass.
static CreatureStruct *carcass_at(int n, int &m) {
    m = -1;
    if ((unsigned)n >= (unsigned)DATA_MAX || Data[n].type != DT_CARCASS) return nullptr;
    m = creature_slot_of(Data[n].id);
    if (m < 0 || Cre[m].kind == CK_NONE) return nullptr;
    return &Cre[m];
}

static void knife_line() {
    Tyhjaa_Tarvike();
    Tarvike.id = OID_KNIFE;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.linked = OID_BROAD_KNIFE;
    Lisaa_Tarvike();
}

// The skin comes off: the product handed out, the feathers of a bird, the learning and the course.
static void skin_taken(int c, int m, QualityListStruct &q, int x, int y) {
    CreatureStruct &cr = Cre[m];
    if (!qualist_store_ahead(q)) return;   // no room for the skin: it stays on the carcass
    set_carcass_skinned(cr);
    if (c == CRE_PLAYER) {
        Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_TWELVE);
        if (get_kulttuuri(x, y) == 0 && cr.weight < 100.0f && cr.fur) world_services.course_task_check(TASK_SKIN_WILD_FUR);
    }
    aikaansaantirutiini(c, q, 2, x, y, 0);
    if (onko_NPC_lintu(m)) {
        const float w3 = 3.0f * cr.weight;
        const int dice = w3 < 12.0f ? (int)w3 : 12;
        int n = d6(dice) + 12;
        const int pos = Luo_Esineen_Itempos(TeeSulka(cr, ""));
        if (pos) {
            if (c == CRE_PLAYER) Lisaa_Inventoryyn(pos, n, 1, -1);
            else AddCrPack(c, pos, n > 255 ? 255 : n);
        }
    }
}

int HIDEWORK_skin(int c, int n, int mode) {
    if (c != CRE_PLAYER && (unsigned)c >= (unsigned)CRE_COUNT) return 0;
    int m;
    CreatureStruct *cr = carcass_at(n, m);
    if (!cr) return 0;
    const bool check = mode == 0, player = c == CRE_PLAYER;
    const bool speak = player && !check;
    if (is_carcass_skinned(*cr)) {
        if (speak) Note("!The carcass is already skinned!");
        return 0;
    }
    if (cr->kind == CK_HUMAN) {
        if (speak) Note("!You don't skin people!");
        return 0;
    }
    int rating = 50;
    QualityListStruct q;
    qualist_init(q, 0);
    if (!check) {
        if (player) {
            Tyhjaa_Tarvikelista();
            knife_line();
            if (!Kay_Tarvikelista(Toiminta(ACTION_SKIN_ANIMAL))) {
                Palauta_Kaytetyt_Tarvikkeet();
                return 0;
            }
            rating = Tarvikelista_Tyokalukelpoisuus(-1);
            qualist_init(q, 1);
            Palauta_Kaytetyt_Tarvikkeet();   // the knife is only used, nothing is taken
        } else {
            if (!npc_has_requirement(c, OID_KNIFE)) {
                char shout[120];
                snprintf(shout, sizeof shout, "I need some equipment to %s.", txt_toimia(ACTION_SKIN_ANIMAL));
                Olento_Huutaa(c, shout);
                return 0;
            }
            rating = GLOB_TK_kelpoisuus;
            qualist_init(q, 1);
        }
    }
    char word[100];
    if (pctRotten_carcass(m, word, sizeof word) > 0) {
        if (speak) {
            copy_bounded(vMSG_var, sizeof vMSG_var, NPC_ruhokuvaus(m));
            Note(MSG("CARCASS_ROTTEN"));
        }
        return 0;
    }
    if (pctBurnt_carcass(*cr, word, sizeof word) > 0) {
        if (speak) Note(MSG("SKIN_MUTILATED"));
        return 0;
    }
    const float w = cr->weight;
    const int exertion = w > 150.0f ? 5 : w >= 20.0f ? 4 : 2;
    if (speak && puuhausvammaus(CRE_PLAYER, w >= 20.0f ? 37 : 101, exertion, txt_toimia(ACTION_SKIN_ANIMAL))) return 0;
    int cap, penalty;
    float share;
    if (!skin_terms(pctEaten_carcass(m, nullptr, 0), pctTorn_carcass(m, nullptr, 0), cap, penalty, share)) {
        if (speak) Note(MSG("SKIN_MUTILATED"));
        return 0;
    }
    if (check) return 1;

    int minutes = skinning_minutes(w);
    int roll;
    if (player) roll = Kayta_Taitoa(penalty, 0, "HIDEWORKING", LEARN_FIFTH);
    else roll = SuccessRoll(0, hide_level(c) - PHYSICAL_PENALTY(c));
    if (PVAM_EMERGENCY) {
        minutes *= 4;
        roll = 1;
    }
    const int quality = craftquality(hide_level(c), roll);
    minutes = TYOAIKA_katevyysmod(minutes, rating);
    if (minutes < 1) minutes = 1;
    int spent = 0;
    const int left = get_carcass_skin_leftmins(*cr);
    if (left > 0) {
        spent = get_carcass_skin_spentmins(*cr);
        minutes = left;
    }
    q.mat_limit = (uint8_t)cap;
    qualist_add(q, quality);
    int grade = 3;
    for (int g = 1; g <= 5; g++)
        if (q.count[g]) grade = g;
    qualist_inititem(q, TeeNylkynahka(*cr, grade, share));
    const int x = Data[n].x, y = Data[n].y;

    if (!player) {
        // A creature works a minute now and then, and the carcass keeps what was done.
        if (left == -1000) set_carcass_skin_pause(*cr, minutes, 0);
        if (random(3) == 0) carcass_skinned_addmins(*cr, 1);
        if (get_carcass_skin_leftmins(*cr) <= 0) skin_taken(c, m, q, x, y);
        return 1;
    }

    if (!qualist_store_ahead(q)) return 0;   // she has been told: nothing is begun
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "SLITS");
    AsetaPonnistelu(CRE_PLAYER, exertion);
    const uint32_t soc = cr->socialid, id = Data[n].id;
    const int finished = spend(minutes, 0, "SKINNING CARCASS", spent, SPF_LONG0);
    const int worked = SPEND_MINDONE;
    // The carcass may have been eaten, freed or replaced while she worked: her work goes with it.
    int m2;
    CreatureStruct *now = carcass_at(n, m2);
    if (!now || Data[n].id != id || now->socialid != soc) {
        Note("!You are left empty handed as somebody got the skin already.");
        return 0;
    }
    if (is_carcass_skinned(*now)) {
        Note("!You are left empty handed as somebody got the skin already.");
        return 0;
    }
    if (finished) {
        skin_taken(c, m, q, x, y);
        return 1;
    }
    if (worked <= 0) return 0;
    if (get_carcass_skin_leftmins(*now) == -1000) set_carcass_skin_pause(*now, minutes, 0);
    carcass_skinned_addmins(*now, worked);
    if (get_carcass_skin_leftmins(*now) <= 0) skin_taken(c, m, q, x, y);
    return 1;
}

int HIDEWORK_skinCmd() {
    if (!datatype_around(DT_CARCASS, PlayerX, PlayerY)) {
        Note(MSG("CARCASS_NOT_FOUND"));
        return 0;
    }
    int x = 0, y = 0;
    if (!askdir_datatype("carcass to skin", DT_CARCASS, &x, &y, 1 | 2 | 4 | 8)) return 0;
    int n = -1;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CARCASS || Data[i].x != x || Data[i].y != y) continue;
        const int m = creature_slot_of(Data[i].id);
        if (m < 0) continue;
        if (!is_carcass_skinned(Cre[m])) {
            n = i;
            break;
        }
        if (n < 0) n = i;
    }
    if (n < 0) {
        Note(MSG("CARCASS_NOT_FOUND"));
        return 0;
    }
    return HIDEWORK_skin(CRE_PLAYER, n, 1);
}

// ---- the steps of a skin ---------------------------------------------------------------------------

// The skin chosen from the pack for a step: its slot and a copy of it. 0 when none or refused.
static int choose_skin(const char *title, const char *verb, int &slot, ItemStruct &skin) {
    slot = selslot(title, verb, SEL_WRONG_TYPE, invmask(IT_SKIN), 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto(verb));
        return 0;
    }
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] <= 0) return 0;
    skin = ObjToItem(Plr.inv_obj[slot]);
    return 1;
}

static void not_suitable() { Note(MSG("NOT_SUITABLE_ITEM")); }
static void spoiled_note() { Note("!The chosen item is spoiled beyond usage!"); }
static void no_need() { Note("!There's really no need to perform this task once again!"); }
static void first_do(int first, int then) {
    char note[200];
    char a[80], b[80];
    copy_bounded(a, sizeof a, txt_toimia(first));
    copy_bounded(b, sizeof b, txt_toimia(then));
    snprintf(note, sizeof note, "!Do %s first! Only then it is possible to %s.", a, b);
    Note(note);
}

// The skin she took out goes back into her pack, however full it is.
static void give_back(const ItemStruct &skin) { Lisaa_Jaon_Loput(Luo_Esineen_Itempos(skin), 1, 1, -1); }

// The skin leaves the pack and the step's materials are checked; a refusal puts both back. 1 to go on.
static int take_for_step(int slot, const ItemStruct &skin, int action) {
    Poista_PlrItem(slot, 1);
    if (Kay_Tarvikelista(Toiminta(action))) return 1;
    Palauta_Kaytetyt_Tarvikkeet();
    give_back(skin);
    return 0;
}
// A step broken off: the materials and the skin come back as they were.
static void step_broken(const ItemStruct &skin) {
    Palauta_Kaytetyt_Tarvikkeet();
    give_back(skin);
}

// The step's product is stored before the work: with no room for it (she has been told) the materials
// and the skin come back and nothing is spent.
static bool product_room(const QualityListStruct &q, const ItemStruct &skin) {
    if (qualist_store_ahead(q)) return true;
    step_broken(skin);
    return false;
}
static int object_room(int obj, const ItemStruct &skin) {
    if (!obj) step_broken(skin);
    return obj;
}

static void line(int id, int count, float amount, int consume, int linked) {
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)id;
    Tarvike.count = Tarvike.first_count = (uint32_t)count;
    Tarvike.amount = Tarvike.first_amount = amount;
    Tarvike.remove = (uint8_t)consume;
    Tarvike.linked = (uint32_t)linked;
    Lisaa_Tarvike();
}

static void renamed(ItemStruct &it, const char *pattern, const char *word) {
    char species[sizeof it.skill + 1];
    copy_bounded(species, sizeof species, it.skill);
    char name[80];
    if (word) snprintf(name, sizeof name, pattern, word, species);
    else snprintf(name, sizeof name, pattern, species);
    SET_ITEM_TEXT(it.name, name);
}

static int plr_hide_level() { return hide_level(CRE_PLAYER); }

int HIDEWORK_puhdistus() {
    int slot;
    ItemStruct skin;
    if (!choose_skin("Select a skin to clean", "clean", slot, skin)) return 0;
    if (puuhausvammaus(CRE_PLAYER, 16, 4, txt_toimia(ACTION_CLEAN_SKIN))) return 0;
    if (skin.id != OID_SKIN_RAW) return not_suitable(), 0;
    if (oe_pilaantunut(skin)) return spoiled_note(), 0;
    if (skin.hide.stage != SKIN_RAW) return no_need(), 0;
    Tyhjaa_Tarvikelista();
    line(OID_CUTTING, 1, 0.0f, 0, OID_BROAD_KNIFE);
    line(OID_WATER, 0, skin.weight * 0.5f, 1, 0);
    if (!take_for_step(slot, skin, ACTION_CLEAN_SKIN)) return 0;
    const int rating = Tarvikelista_Tyokalukelpoisuus(-1);
    const int base = 8 * (int)std::ceil(skin.weight) + 10;
    const int roll = Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_EIGHT);
    const int time_roll = Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_NONE);
    QualityListStruct q;
    qualist_init(q, 1);
    q.mat_limit = (uint8_t)ItemGet_laatu(&skin);
    qualist_initstagegap(q, 2, skin);
    ItemStruct clean = skin;
    renamed(clean, "clean %s-skin", nullptr);
    clean.hide.stage = SKIN_TANNING;
    clean.spoil = STEP_SPOIL_DAYS;
    qualist_inititem(q, clean);
    qualist_add(q, craftquality(plr_hide_level(), roll));
    const int minutes = tyoaikamuutos(base, rating, time_roll);
    Heading();
    if (!product_room(q, skin)) return 0;
    Note(MSG("HIDEWORK_CLEAN_START"));
    AsetaPonnistelu(CRE_PLAYER, 4);
    if (!spend(minutes, 0, Toiminta(ACTION_CLEAN_SKIN), 0, SPF_HELPERS | SPF_HELPERS1)) {
        step_broken(skin);
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    Note(MSG("HIDEWORK_CLEAN_DONE"));
    aikaansaantirutiini(CRE_PLAYER, q, 2, PlayerX, PlayerY, 0);
    return 1;
}

int HIDEWORK_cure(int, int, int) {
    int slot;
    ItemStruct skin;
    if (!choose_skin("Select a skin to cure", "cure", slot, skin)) return 0;
    if (skin.id == OID_SKIN_CURED) return no_need(), 0;
    if (skin.id != OID_SKIN_RAW) return not_suitable(), 0;
    if (oe_pilaantunut(skin)) return spoiled_note(), 0;
    if (skin.hide.stage == SKIN_RAW) return first_do(ACTION_CLEAN_SKIN, ACTION_CURE_SKIN), 0;
    if (puuhausvammaus(CRE_PLAYER, 37, 4, txt_toimia(ACTION_CURE_SKIN))) return 0;
    Tyhjaa_Tarvikelista();
    line(OID_CUTTING, 1, 0.0f, 0, 0);
    line(OID_WATER, 0, skin.weight * 0.5f, 1, 0);
    if (!take_for_step(slot, skin, ACTION_CURE_SKIN)) return 0;
    Note(MSG("HIDEWORK_CURE_START"));
    const int roll = Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_NORMAL);
    int minutes = tyoaikamuutos((int)(4.0f * skin.weight) + 15, 100, roll);
    if (PVAM_EMERGENCY) minutes *= 4;
    QualityListStruct q;
    qualist_init(q, 0);
    ItemStruct cured = skin;
    renamed(cured, "Cured %s-skin", nullptr);
    cured.id = OID_SKIN_CURED;
    cured.hide.worked = 1;
    qualist_inititem(q, cured);
    qualist_add(q, ItemGet_laatu(&skin));
    q.maturing = (uint32_t)((skin.weight / 2.0f + 1.0f) * 1440.0f);
    if (!product_room(q, skin)) return 0;
    if (!spend(minutes, 0, Toiminta(ACTION_CURE_SKIN), 0, 0)) {
        step_broken(skin);
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    Note(MSG("HIDEWORK_CURE_DONE"));
    aikaansaantirutiini(CRE_PLAYER, q, 5, PlayerX, PlayerY, 0);
    return 1;
}

int HIDEWORK_karvo() {
    int slot;
    ItemStruct skin;
    if (!choose_skin("Select a skin to de-hair", "de-hair", slot, skin)) return 0;
    if (skin.id == OID_SKIN_DEHAIRED) return no_need(), 0;
    if (skin.id != OID_SKIN_RAW) return not_suitable(), 0;
    if (oe_pilaantunut(skin)) return spoiled_note(), 0;
    if (skin.hide.stage == SKIN_RAW) return first_do(ACTION_CLEAN_SKIN, ACTION_DEHAIR), 0;
    if (puuhausvammaus(CRE_PLAYER, 37, 4, txt_toimia(ACTION_DEHAIR))) return 0;
    Tyhjaa_Tarvikelista();
    line(OID_CUTTING, 1, 0.0f, 0, 0);
    line(OID_SOAKING_PLACE, 0, 0.0f, 0, 0);
    if (!take_for_step(slot, skin, ACTION_DEHAIR)) return 0;
    int base = (int)(3.0f * skin.weight) + 5;
    int roll = Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_THIRD);
    if (PVAM_EMERGENCY) base *= 4, roll = 1;
    const int minutes = tyoaikamuutos(base, 100, roll);
    ItemStruct bare = skin;
    renamed(bare, "De-haired %s-skin", nullptr);
    bare.id = OID_SKIN_DEHAIRED;
    bare.hide.fur = 0;
    bare.hide.stage = SKIN_SOAK;
    bare.spoil = STEP_SPOIL_DAYS;
    bare.material &= ~(uint32_t)MAT_WINTER;
    const int bare_obj = object_room(Esineesta_Uniikki(bare), skin);
    if (!bare_obj) return 0;
    if (!spend(minutes, 0, Toiminta(ACTION_DEHAIR), 0, 0)) {
        step_broken(skin);
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    ClearDTEMP();
    DTEMP.type = DT_WORK;
    DTEMP.x = (uint16_t)PlayerX;
    DTEMP.y = (uint16_t)PlayerY;
    DTEMP.count = 1;
    DTEMP.id = (uint32_t)bare_obj;
    DTEMP.day = (uint16_t)Plr.daynumber;
    DTEMP.ready_day = (uint16_t)(Plr.daynumber + (int)std::ceil(skin.weight / 2.0f));
    const int rec = SetDTEMP(-1);
    if (rec < 0) {
        // No room on the map for the soaking skin: she keeps it in her pack.
        Lisaa_Jaon_Loput((int)DTEMP.id, 1, 1, -1);   // it left her pack for the work: a full pack keeps it
        return 1;
    }
    Note(":The skin is now left to soak in the water to make the hair loosen and fall off easily.");
    char note[200];
    snprintf(note, sizeof note, "_This process should be complete %s.", DataReadyDesc(rec));
    Note(note);
    return 1;
}

// One step of the tanning process by the skin's stage.
struct TanStep {
    int action, requirement, exertion, learn, gap;
    unsigned flags;
    const char *word;              // the product's first word; null for the last step
    const char *start, *done;      // message keys, or notes when they begin with a mark
};
static const TanStep TAN_STEPS[5] = {
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {ACTION_SOAK_SKIN, 48, 4, LEARN_FIFTH, 5, 0, "Soaked",
     ":You sink the dry skin into the water for its' flexibility to return.",
     ":The skin is now left to soak completely until it can be worked on."},
    {ACTION_APPLY_TANNING, 48, 2, LEARN_NORMAL, 2, SPF_HELPERS | SPF_HELPERS1, "Tanning", "HIDEWORK_TANNING_START",
     "HIDEWORK_TANNING_DONE"},
    {ACTION_RINSE_SKIN, 48, 4, LEARN_THIRD, 5, SPF_HELPERS | SPF_HELPERS1, "Rinsed", "HIDEWORK_RINSE_START",
     "HIDEWORK_RINSE_DONE"},
    {ACTION_SOFTEN_SKIN, 37, 6, LEARN_TWELVE, 2, SPF_HELPERS | SPF_HELPERS1, nullptr, "HIDEWORK_SOFTEN_START",
     "HIDEWORK_SOFTEN_DONE"},
};

static void say(const char *text) { Note(text[0] == ':' ? text : MSG(text)); }

// The step's material lines and base minutes for a skin of the weight.
static int tan_lines(int stage, float w) {
    const int cw = (int)std::ceil(w);
    Tyhjaa_Tarvikelista();
    switch (stage) {
    case SKIN_SOAK: line(OID_SOAKING_PLACE, 0, 0.0f, 0, 0); return cw + 5;
    case SKIN_TANNING:
        line(OID_WATER, 0, w * 0.5f, 1, 0);
        line(OID_TANNING, 0, w * 0.1f, 1, 0);
        return 3 * cw + 15;
    case SKIN_RINSE: line(OID_WATER, 0, w * 0.5f, 1, 0); return 2 * cw + 10;
    default:
        line(OID_WORKBENCH, 0, 0.0f, 0, 0);
        line(OID_BEATER, 1, 0.0f, 0, 0);
        return 35 * (int)std::ceil(w / 2.0f) + 10;
    }
}

int HIDEWORK_pretan() {
    int slot;
    ItemStruct skin;
    if (!choose_skin("Select a skin to tan", "tan", slot, skin)) return 0;
    if (skin.id != OID_SKIN_RAW && skin.id != OID_SKIN_CURED && skin.id != OID_SKIN_DEHAIRED) return not_suitable(), 0;
    if (oe_pilaantunut(skin)) return spoiled_note(), 0;
    int stage = skin.hide.stage;
    if (skin.id == OID_SKIN_CURED) stage = SKIN_SOAK;
    if (stage == SKIN_RAW && skin.id == OID_SKIN_RAW) return first_do(ACTION_CLEAN_SKIN, ACTION_TAN_SKIN), 0;
    if (stage < SKIN_SOAK || stage > SKIN_SOFTEN) return not_suitable(), 0;
    ItemStruct work = skin;
    if (work.id == OID_SKIN_DEHAIRED) work.hide.fur = 0;
    const TanStep &st = TAN_STEPS[stage];
    if (puuhausvammaus(CRE_PLAYER, st.requirement, st.exertion, txt_toimia(st.action))) return 0;
    const int base = tan_lines(stage, skin.weight);
    Poista_PlrItem(slot, 1);
    char note[300];
    snprintf(note, sizeof note, "#Tanning process now requires you to %s.", txt_toimia(st.action));
    Note(note);
    if (!Kay_Tarvikelista(Toiminta(st.action))) {
        Palauta_Kaytetyt_Tarvikkeet();
        give_back(skin);
        return 0;
    }
    const int rating = Tarvikelista_Tyokalukelpoisuus(-1);
    QualityListStruct q;
    qualist_init(q, 1);
    q.mat_limit = (uint8_t)ItemGet_laatu(&skin);
    qualist_initstagegap(q, st.gap, skin);
    const int roll = Kayta_Taitoa(0, 0, "HIDEWORKING", st.learn);
    const int time_roll = Kayta_Taitoa(0, 0, "HIDEWORKING", LEARN_NONE);
    qualist_add(q, craftquality(plr_hide_level(), roll));
    const int minutes = tyoaikamuutos(base, rating, time_roll);
    say(st.start);
    Heading();
    AsetaPonnistelu(CRE_PLAYER, st.exertion);
    int grade = ItemGet_laatu(&skin);
    for (int g = 1; g <= 5; g++)
        if (q.count[g]) grade = g;
    // The step's product: the fur or leather of the last step, or the skin in its next stage.
    ItemStruct next = work;
    int next_obj = 0;
    if (!st.word) {
        ItemStruct made = TeeParkkinahka(work, skin.weight, grade);
        ItemSet_laatutieto(1, made);
        qualist_inititem(q, made);
        if (!product_room(q, skin)) return 0;
    } else {
        renamed(next, "%s %s-skin", st.word);
        next.spoil = STEP_SPOIL_DAYS;
        next.hide.worked = 0;
        next.hide.stage = (uint8_t)(stage + 1);
        if (next.id == OID_SKIN_CURED) next.id = OID_SKIN_RAW;
        ItemSet_laatu(grade, next);
        ItemSet_laatutieto(1, next);
        if (!(next_obj = object_room(Luo_Esineen_Itempos(next), skin))) return 0;
    }
    if (!spend(minutes, 0, Toiminta(st.action), 0, st.flags)) {
        step_broken(skin);
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    say(st.done);
    if (!st.word) {
        aikaansaantirutiini(CRE_PLAYER, q, 2, PlayerX, PlayerY, 0);
        world_services.course_task_check(TASK_TANNED);
        return 1;
    }
    ClearDTEMP();
    DTEMP.type = DT_WORK;
    DTEMP.x = (uint16_t)PlayerX;
    DTEMP.y = (uint16_t)PlayerY;
    DTEMP.id = (uint32_t)next_obj;
    DTEMP.count = 1;
    DTEMP.day = (uint16_t)Plr.daynumber;
    DTEMP.ready_minute = Plr.minutes + (uint32_t)(std::ceil(skin.weight / 2.0f) * 60.0f + 30.0f);
    const int rec = SetDTEMP(-1);
    if (rec < 0) {
        // No room on the map to leave it: the skin waits in her pack for its next step.
        Lisaa_Jaon_Loput((int)DTEMP.id, 1, 1, -1);   // it left her pack for the work: a full pack keeps it
        return 1;
    }
    snprintf(note, sizeof note,
             "_This step is complete %s. After that, continue tanning the skin until the whole process is finished off.",
             DataReadyDesc(rec));
    Note(note);
    return 1;
}

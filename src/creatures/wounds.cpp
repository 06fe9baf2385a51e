// src/creatures/wounds.cpp -- the twenty wound slots of every body, body parts and their names,
// hit locations by aiming zone, recording injuries and illnesses of the player, and falls.
#include "creatures/wounds.h"

#include <cstdio>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "creatures/body.h"
#include "creatures/physical.h"
#include "core/notes.h"
#include "core/tekstit.h"

uint8_t Side = 3;
uint8_t BODYPART_side = 3;
int BODYPART_KILLZONE;
char s_bodypart[100], s_wounddesc[200], s_haavateksti[100];
char InjuryCause[100];

static const char *const bodypart[BODYPARTS] = {
    "skull", "eye", "face", "neck", "shoulder", "upper arm", "elbow", "forearm", "hand", "thorax",
    "abdomen", "hip", "groin", "thigh", "knee", "calf", "foot", "tail", "wing",
};

static const char *const new_w_desc[7][3] = {
    {"", "", ""},
    {"Bruise", "Fracture", "Crush"},
    {"Shallow cut", "Serious cut", "Deep cut"},
    {"Minor puncture", "Serious puncture", "Deep puncture"},
    {"Minor burn", "Serious burn", "Grievous burn"},
    {"Minor frost", "Frostbite", "Severe frostbite"},
    {"Shallow tear", "Serious bite", "Grievous bite"},
};

struct Illness { int code; const char *list, *healing; };
static const Illness illnesses[] = {
    {10, "Influenza", "Influenza"}, {11, "Plague", "Plague"}, {20, "Nausea", "Nausea"},
    {21, "Stomach-ache", "Stomach-ache"}, {23, "Poisoning", "Poisoning"},
    {24, "Deadly poisoning", "Deadly poisoning"}, {25, "Hallucinating", "Nausea and altered consciousness"},
};

const char *bodypart_plain(int part) { return part >= 0 && part < BODYPARTS ? bodypart[part] : "body"; }

int bodypart_paired(int part) {
    return part == 1 || (part >= 4 && part <= 8) || part == 11 || (part >= 13 && part <= 16);
}

int wound_kind_of_type(int type) {
    switch (type) {
    case 0: case 1: case 7: return WK_BLUNT;
    case 2: return WK_CUT;
    case 3: return WK_TEAR;
    case 4: return WK_PUNCTURE;
    case 5: return WK_BURN;
    case 6: return WK_FROST;
    default: return type >= ILL_FIRST ? type : WK_BLUNT;
    }
}

const char *wound_name(int kind, int level) {
    if (kind < 1 || kind > 6) return "";
    if (level < 1) level = 1;
    if (level > 3) level = 3;
    return new_w_desc[kind][level - 1];
}

const char *illness_name(int code) {
    for (const Illness &i : illnesses)
        if (i.code == code) return i.list;
    return "Vague ailment";
}

static const char *illness_healing_name(int code) {
    for (const Illness &i : illnesses)
        if (i.code == code) return i.healing;
    return "Ailment";
}

// ---- the slots ----

void wound_put(int who, int slot, const WoundSlot &w) {
    if (!body_valid(who) || slot < 0 || slot >= WOUND_SLOTS) return;
    if (who == -1) {
        plr_bytes(PB_W_KIND)[slot] = w.kind;
        plr_bytes(PB_W_LEVEL)[slot] = w.level;
        plr_bytes(PB_W_PART)[slot] = w.part;
        plr_bytes(PB_W_INJURY)[slot] = w.injury;
        plr_bytes(PB_W_BLEEDING)[slot] = w.bleeding;
        plr_bytes(PB_W_SIDE)[slot] = w.side;
        plr_bytes(PB_W_TREATMENT)[slot] = w.treatment;
    } else {
        CreatureStruct &c = Cre[who];
        c.woundkind[slot] = w.kind;
        c.woundlevel[slot] = w.level;
        c.woundpart[slot] = w.part;
        c.woundinjury[slot] = w.injury;
        c.woundbleeding[slot] = w.bleeding;
        c.woundside[slot] = w.side;
    }
}

// A creature's sums read its slot bytes straight: a slot counts while its kind is not zero.
static int creature_slot_sum(int who, const uint8_t *values) {
    const uint8_t *kind = Cre[who].woundkind;
    int sum = 0;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (kind[s]) sum += values[s];
    return sum;
}

int body_injury_sum(int who) {
    if (who >= 0 && who < CRE_COUNT) return creature_slot_sum(who, Cre[who].woundinjury);
    int sum = 0;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(who, s, w) && w.kind) sum += w.injury;
    return sum;
}

int body_bleeding_sum(int who) {
    if (who >= 0 && who < CRE_COUNT) return creature_slot_sum(who, Cre[who].woundbleeding);
    int sum = 0;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(who, s, w) && w.kind) sum += w.bleeding;
    return sum;
}

// ---- hit locations ----

struct Band { int upto, part; };
static const Band zone0[] = {{16, 0}, {20, 1}, {27, 2}, {43, 3}, {75, 4}, {79, 5}, {81, 6}, {86, 7}, {87, 11},
                             {93, 8}, {97, 9}, {98, 10}, {100, 11}};
static const Band zone1[] = {{1, 0}, {2, 1}, {3, 11}, {5, 2}, {7, 3}, {21, 4}, {33, 5}, {39, 6}, {69, 7},
                             {89, 8}, {95, 5}, {97, 9}, {98, 10}, {100, 11}};
static const Band zone2[] = {{2, 0}, {4, 1}, {6, 2}, {8, 3}, {16, 4}, {24, 5}, {28, 6}, {32, 7}, {34, 8},
                             {39, 4}, {55, 9}, {67, 10}, {84, 11}, {85, 12}, {86, 11}, {95, 13}, {97, 14}, {100, 15}};
static const Band zone3[] = {{2, 7}, {4, 8}, {6, 9}, {11, 10}, {25, 11}, {28, 12}, {32, 11}, {63, 13}, {75, 14},
                             {89, 15}, {95, 16}};

template <size_t N> static int from_bands(const Band (&t)[N], int roll) {
    for (const Band &b : t)
        if (roll <= b.upto) return b.part;
    return t[N - 1].part;
}

int bodypart_from_roll(int zone, int roll) {
    switch (zone) {
    case 0: return from_bands(zone0, roll);
    case 1: return from_bands(zone1, roll);
    case 3: return from_bands(zone3, roll);
    default: return from_bands(zone2, roll);
    }
}

int RandomBodypart(int zone, int n) {
    Side = 3;
    int part;
    bool paired;
    if (zone == 1000) {
        part = n;   // the second argument is the part: only the side is drawn, as for a human body
        paired = bodypart_paired(part);
    } else {
        int r = random(100) + 1;
        if (zone == 3)
            while (r > 95) r = random(100) + 1;
        part = bodypart_from_roll(zone, r);
        if (BODYPART_KILLZONE) part = zone;
        paired = bodypart_paired(part);
        if (body_is_snake(n)) {
            part = part <= 4 ? BP_SKULL : BP_ABDOMEN;
            paired = false;
        } else if (body_is_bird(n) && !(part >= 6 && part <= 10)) {
            if (part >= 14 && part <= 16) part = BP_KNEE, paired = true;
            else if (part >= 11 && part <= 13) part = BP_ABDOMEN, paired = false;
            else if (part == 4 || part == 5) part = BP_THORAX, paired = false;
            else if (part == 1) paired = true;
            else paired = false;
        } else if (body_is_animal(n) && part == BP_GROIN) {
            part = BP_ABDOMEN;
            paired = false;
        }
    }
    if (paired) Side = (uint8_t)(random(2) + 1);
    BODYPART_side = Side;
    BODYPART_KILLZONE = 0;
    return part;
}

const char *BODYPART(int part, int n) {
    const char *name = bodypart_plain(part);
    if (n != -1 && body_cre(n) && !body_is_human(n)) {
        if (part == 5 || part == 7) name = "FORELEG";
        else if (part == 13 || part == 15) name = "HINDLEG";
        else if (part == 8 || part == 16) name = body_is_hoofed(n) ? "HOOF" : "PAW";
        else if (part == 12) name = "ABDOMEN";
        if (body_cre(n)->kind == 21 && part >= 4 && part <= 16) {
            if (part == 4) name = "THORAX";
            else if (part >= 5 && part <= 8) name = "WING";
            else if (part == 11 || part >= 13) name = "SHANK";
            else if (part == 12) name = "ABDOMEN";
        }
    }
    char key[64];
    snprintf(key, sizeof key, "BODYPART:%s", name);
    const char *text = MSG(key);
    if (!text[0] || strstr(text, "BODYPART") || text[0] == '!')
        copy_bounded(s_bodypart, sizeof s_bodypart, StrLwr(name));   // a key without a text: the word itself
    else
        copy_bounded(s_bodypart, sizeof s_bodypart, text);
    return s_bodypart;
}

// ---- recording the player's injuries ----

int SetInjury(int points, int part, int level, int bleeding, int type) {
    const int kind = wound_kind_of_type(type);
    const bool illness = kind >= ILL_FIRST && kind <= ILL_LAST;
    if (points < 0) points = 0;
    if (points > 255) points = 255;
    int empty = -1;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++) {
        wound_get(-1, s, w);
        if (w.kind == 0) {
            if (empty < 0) empty = s;
            continue;
        }
        if (empty >= 0 || w.kind != kind) continue;
        if (illness) {
            const int grown = w.injury + points > 255 ? 255 : w.injury + points;
            plr_set<uint32_t>(PB_INJURY, plr_get<uint32_t>(PB_INJURY) + (uint32_t)(grown - w.injury));
            w.injury = (uint8_t)grown;
            wound_put(-1, s, w);
            return s;
        }
        if (kind == WK_FROST && w.part == part && w.side == Side) {
            if (level > w.level) w.level = (uint8_t)level;
            if (points > w.injury) {
                plr_set<uint32_t>(PB_INJURY, plr_get<uint32_t>(PB_INJURY) + (uint32_t)(points - w.injury));
                w.injury = (uint8_t)points;
            }
            wound_put(-1, s, w);
            return s;
        }
    }
    const int slot = empty >= 0 ? empty : WOUND_SLOTS - 1;
    // A used slot written over first leaves the totals, so they stay the sums of the slots.
    wound_get(-1, slot, w);
    if (w.kind) {
        const uint32_t inj = plr_get<uint32_t>(PB_INJURY), bl = plr_get<uint32_t>(PB_BLOODLOSS);
        plr_set<uint32_t>(PB_INJURY, inj >= w.injury ? inj - w.injury : 0);
        plr_set<uint32_t>(PB_BLOODLOSS, bl >= w.bleeding ? bl - w.bleeding : 0);
    }
    w.kind = (uint8_t)kind;
    w.part = (uint8_t)(part >= 0 && part < BODYPARTS ? part : BP_THORAX);
    w.bleeding = (uint8_t)(bleeding < 0 ? 0 : bleeding > 255 ? 255 : bleeding);
    w.injury = (uint8_t)points;
    w.level = (uint8_t)(level == 0 ? 1 : level);
    w.side = Side >= 1 && Side <= 3 ? Side : 3;
    w.treatment = illness ? w.level : 0;
    wound_put(-1, slot, w);
    plr_set<uint32_t>(PB_BLOODLOSS, plr_get<uint32_t>(PB_BLOODLOSS) + w.bleeding);
    plr_set<uint32_t>(PB_INJURY, plr_get<uint32_t>(PB_INJURY) + (uint32_t)points);
    return slot;
}

// ---- wound lines ----

const char *HAAVA_kuvaus(int n, int slot) {
    WoundSlot w;
    if (!wound_get(n, slot, w) || w.kind == 0) return "";
    if (w.kind >= ILL_FIRST) return illness_name(w.kind);
    char line[300];
    char part[100];
    copy_bounded(part, sizeof part, BODYPART(w.part, n));
    snprintf(line, sizeof line, "%s in %s%s", wound_name(w.kind, w.level),
             w.side == 1 ? "right " : (w.side == 2 || w.side == 0) ? "left " : "", part);
    if (n != -1 && w.bleeding) {
        char tail[200];
        snprintf(tail, sizeof tail, " (%s)", MSG("WOUND_DESC_BLEEDING"));
        strncat(line, tail, sizeof line - strlen(line) - 1);
    }
    copy_bounded(s_haavateksti, sizeof s_haavateksti, line);
    return s_haavateksti;
}

const char *DescripeWound(int kind, int part, int level, int side) {
    if (kind >= ILL_FIRST) {
        copy_bounded(s_wounddesc, sizeof s_wounddesc, illness_healing_name(kind));
        return s_wounddesc;
    }
    char p[100];
    copy_bounded(p, sizeof p, BODYPART(part, -1));
    snprintf(s_wounddesc, sizeof s_wounddesc, "%s in %s%s", wound_name(kind, level),
             side == 1 ? "right " : side == 2 ? "left " : "", p);
    return s_wounddesc;
}

// ---- falls ----

void fall(int feet) {
    if (feet < 5) {
        Note(":You safely fall a few feet.");
        return;
    }
    int meters = feet / 3;
    if (meters == 1) meters = 2;
    const int part = RandomBodypart(2, -1);
    char line[200];
    char p[100];
    copy_bounded(p, sizeof p, BODYPART(part, -1));
    snprintf(line, sizeof line, "!You fall %d meters and get your %s knocked on the way down!", meters, p);
    Note(line);
    snprintf(InjuryCause, sizeof InjuryCause, "Hurt after %d meters fall", meters);
    int impact = 0;
    for (int i = 0; i < feet / 10; i++) impact += random(6) + 1;
    HAAVOITA(-1, 0, impact, part, BODYPART_side, CAUSE_FALL);
}

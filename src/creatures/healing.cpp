// src/creatures/healing.cpp -- treating one wound slot, the outcome of a treatment, the daily
// healing rolls of the player, surviving a beating, and the Wounds screen.
#include "creatures/healing.h"

#include <cstdio>
#include <cstring>

#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/physical.h"
#include "base/ui.h"
#include "creatures/wounds.h"
#include "items/herbarium.h"
#include "items/inventory.h"
#include "items/itemwear.h"
#include "items/matching.h"
#include "items/materials.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

int (*body_successroll)(int, int) = SuccessRoll;

enum { M_BLEED = 1, M_COMPRESS = 2, M_CLEAN = 3, M_DRESS = 4, M_SPLINT = 5, M_WARM = 6, M_NONE = 11 };

static uint32_t *treat_bits(int slot) {
    static uint32_t scratch;
    if (slot < 0 || slot >= WOUND_SLOTS) return &scratch;
    return reinterpret_cast<uint32_t *>(plr_bytes(PB_TREATBITS + 4 * slot));
}
static void set_bits(int base, int slot, uint32_t v) { plr_set<uint32_t>(base + 4 * slot, v); }

int Haavan_Hoitotapa(int kind, int level, int part) {
    if (kind >= ILL_FIRST && kind <= ILL_LAST) return 2048;
    switch (kind) {
    case WK_BLUNT:
        if (level == 1) return 4;
        if (level == 2) {
            if (part > 12) return 32;
            if (part == 0 || part == 1 || part == 12) return 4;
            if (part == 2 || part == 3) return 16;
            return 32;
        }
        return 16;
    case WK_CUT: case WK_PUNCTURE: case WK_TEAR: return level == 1 || level == 2 ? 24 : 16;
    case WK_BURN: return level == 1 ? 4 : level == 2 ? 12 : 20;
    case WK_FROST: return 64;
    default: return 0;
    }
}

const char *HoitoTeksti(int m) {
    static char hoitoteksti_s[64];
    static const char *const texts[] = {"Treat the wound", "Stop the wound from bleeding", "Apply a compress to the wound",
                                        "Clean the wound", "Dress the wound", "Splint the fractured bone",
                                        "Warm up the injured body part"};
    copy_bounded(hoitoteksti_s, sizeof hoitoteksti_s, m >= 1 && m <= 6 ? texts[m] : texts[0]);
    return hoitoteksti_s;
}

int Hoitobittien_lkm(uint32_t bits) {
    int n = 0;
    for (int b = 0; b < 16; b++) n += (bits >> b) & 1;
    return n;
}

const char *wound_state_key(int r) {
    switch (r) {
    case 1: return "WOUND_STATE_VERY_SERIOUS";
    case 2: return "WOUND_STATE_SERIOUS";
    case 4: case 20: return "WOUND_STATE_AVERAGE";
    case 5: return "WOUND_STATE_GOOD";
    case 6: case 100: return "WOUND_STATE_VERY_GOOD";
    default: return "WOUND_STATE_BAD";
    }
}

int wound_rating(int r) {
    switch (r) {
    case 1: return 0;
    case 2: return 1;
    case 3: case 30: return 2;
    case 4: case 20: return 3;
    case 5: return 4;
    case 6: return 5;
    case 100: return 6;
    default: return 0;
    }
}

static int physician_level(int n) {
    const int ml = Skill_ML(n, "PHYSICIAN");
    return ml >= 1000 ? 0 : ml;
}

int Toimenpiteen_Seuraus(int n, int slot, int bonus, int fixed) {
    WoundSlot w;
    if (!wound_get(n < 0 ? -1 : n, slot, w)) return 4;
    static const int modifier[7][3] = {{45, 40, 30}, {50, 40, 20}, {50, 40, 30}, {45, 35, 25},
                                       {50, 35, 20}, {70, 45, 20}, {45, 40, 30}};
    const int row = w.kind <= 6 ? w.kind : 0;
    const int mod = w.level == 0 ? 25 : modifier[row][w.level >= 3 ? 2 : w.level - 1];
    int roll = fixed ? 1 : bonus == 100 ? 3 : body_successroll(0, physician_level(n) / 2 + mod + bonus);
    if (roll < 0) roll = 0;
    if (roll > 3) roll = 3;
    static const int table[4][3][4] = {
        {{4, 5, 6, 100}, {20, 30, 5, 6}, {61, 30, 20, 5}},
        {{4, 5, 6, 100}, {61, 4, 5, 6}, {62, 30, 20, 5}},
        {{4, 5, 6, 100}, {61, 20, 5, 6}, {62, 30, 20, 5}},
        {{4, 5, 6, 100}, {30, 20, 5, 6}, {62, 30, 20, 5}},
    };
    int t;
    switch (w.kind) {
    case WK_BLUNT: t = 0; break;
    case WK_CUT: t = 1; break;
    case WK_PUNCTURE: t = 2; break;
    case WK_TEAR: t = 3; break;
    default: return 4;
    }
    const int lv = w.level == 1 ? 0 : w.level == 2 ? 1 : 2;
    int result = table[t][lv][roll];
    if ((result == 61 || result == 62) && w.injury <= 5) result = 30;
    return result;
}

// ---- materials of a treatment ----

static void treatment_line(uint32_t id, uint32_t count, float amount, bool remove, bool optional) {
    Tyhjaa_Tarvike();
    Tarvike.id = id;
    Tarvike.count = Tarvike.first_count = count;
    Tarvike.amount = Tarvike.first_amount = amount;
    Tarvike.remove = remove ? 1 : 0;
    Tarvike.optional = optional ? 1 : 0;
    Lisaa_Tarvike();
}

void Lisaa_Haavatarvike_Vesi() { treatment_line(OID_WATER, 1, 0.5f, true, false); }
void Lisaa_Haavatarvike_Yrtit() { treatment_line(OID_HERB, 1, 0.1f, true, true); }
void Lisaa_Haavatarvike_Side() { treatment_line(OID_BANDAGE, 1, 0.0f, true, false); }

// The material lines of a method, in the order the list shows them.
static void treatment_materials(int m) {
    Tyhjaa_Tarvikelista();
    switch (m) {
    case M_BLEED: Lisaa_Haavatarvike_Yrtit(); break;
    case M_COMPRESS: Lisaa_Haavatarvike_Side(), Lisaa_Haavatarvike_Vesi(), Lisaa_Haavatarvike_Yrtit(); break;
    case M_CLEAN: Lisaa_Haavatarvike_Vesi(), Lisaa_Haavatarvike_Yrtit(); break;
    case M_DRESS: Lisaa_Haavatarvike_Side(), Lisaa_Haavatarvike_Yrtit(); break;
    case M_SPLINT: treatment_line(OID_BRANCH, 1, 0.0f, true, false), Lisaa_Haavatarvike_Side(); break;
    case M_WARM: treatment_line(OID_FIRE, 1, 0.0f, false, false); break;
    default: break;
    }
}

// The herb the treatment took: the last herbs or flowers line that found an item; 0 none.
static int used_herb() {
    int herb = 0;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if ((t.id == OID_HERB || t.id == OID_FLOWER) && t.itempos > 1) herb = (int)t.itempos;
    }
    return herb;
}

// A herb that helped her own wound teaches her herb lore: the effects the wound called for were
// tried with that plant, and those of them the herb has were felt.
static void wound_herb_lore(const ItemStruct &herb, uint32_t needed) {
    const int row = KasvioPos(herb);
    if (row >= 0) yrttibitfield_kokeiltu(row, needed);
    for (int e = 0; e < YRTTI_COUNT; e++)
        if (needed & herb.raw & (1u << e)) yrttivaikutus_koettu(e, 1);
}

// ---- treating a slot ----

int Hoida_Haavaa(int n, int slot) {
    WoundSlot w;
    if (!wound_get(n, slot, w) || w.kind == 0) return 0;
    const bool player = n == -1;
    char name[120];
    copy_bounded(name, sizeof name, HAAVA_kuvaus(n, slot));
    char lname[120];
    copy_bounded(lname, sizeof lname, StrLwr(name));
    const int t = d6(3);
    int mask = Haavan_Hoitotapa(w.kind, w.level, w.part);
    char line[300];
    if (w.bleeding) {
        mask = 2;
    } else if (mask & 2048) {
        snprintf(line, sizeof line, "!There is no external treatment for %s!", lname);
        Note(line);
        return 0;
    }
    if (player) mask &= ~(int)*treat_bits(slot);
    if (mask == 0) {
        Note(MSG("NO_FURTHER_TREATMENT"));
        return 0;
    }
    Valinta_Tyhjaa();
    struct Opt { int m; int key; };
    static const Opt order[] = {{M_CLEAN, 'C'}, {M_COMPRESS, 'A'}, {M_SPLINT, 'S'}, {M_DRESS, 'D'}, {M_BLEED, 'B'}, {M_WARM, 'W'}};
    for (const Opt &o : order)
        if (mask & (1 << o.m)) {
            Valinta_Lisaa(o.key, HoitoTeksti(o.m));
            if (o.m == M_BLEED) Valinta_LisaaGameinfo("BLEEDING WOUNDS");
        }
    Valinta_LisaaGlobalGameinfo("WOUND TREATMENT");   // the menu's topic, for every method without its own
    copy_bounded(vMSG_var, sizeof vMSG_var, lname);
    Note(MSG("ABOUT_TO_TREAT"));
    const int key = TeeValinta("WOUND TREATMENT");
    int m = 0;
    for (const Opt &o : order)
        if (key == o.key && (mask & (1 << o.m))) m = o.m;
    if (m == 0) return 0;
    char method[64];
    copy_bounded(method, sizeof method, HoitoTeksti(m));
    treatment_materials(m);
    if (!Kay_Tarvikelista(method)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    // The herb: one whose effects meet what the wound needs helps the treatment.
    const uint32_t needed = w.bleeding ? (1u << 11) : m == M_CLEAN ? ((1u << 12) | (1u << 20) | (1u << 21))
                          : w.kind < ILL_FIRST ? ((1u << 11) | (1u << 12) | (1u << 13)) : 0u;
    int bonus = 0;
    bool sure = false;
    if (const int herb = used_herb()) {
        const ItemStruct h = ObjToItem(herb);
        if (h.raw & needed) {
            bonus = 25;
            if (player) wound_herb_lore(h, needed);
        }
        if (h.raw & (1u << 22)) sure = true;
        if (player) set_bits(PB_HERBBITS, slot, h.raw);
    }
    copy_bounded(method, sizeof method, StrLwr(method));
    copy_bounded(vMSG_var, sizeof vMSG_var, method);
    Note(MSG("WOUND_TREATMENT"));
    if (m == M_BLEED) {
        int target = bonus;
        const int ml = physician_level(-1);
        if (ml < 50) target += 50 - ml;
        const int r = Kayta_Taitoa(0, target, "PHYSICIAN", 2);
        static const int secs[4] = {75, 60, 45, 30};
        if (!spend(0, secs[r < 0 ? 0 : r > 3 ? 3 : r], "WOUND TREATMENT", 0, 48)) {
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
        Poista_Kaytetyt_Tarvikkeet();
        if (r == 0) {
            snprintf(line, sizeof line, "!The %s still continues to bleed.", lname);
        } else {
            // The blood already lost stays lost: the daily rolls make it good.
            w.bleeding = 0;
            wound_put(n, slot, w);
            snprintf(line, sizeof line, "=Bleeding of the %s is now stopped.", lname);
        }
        Note(line);
        return 0;
    }
    if (!spend(t, 0, "WOUND TREATMENT", 0, 48)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    Kayta_Taitoa(0, bonus, "PHYSICIAN", m == M_CLEAN || m == M_WARM ? 0 : 2);
    if (player) *treat_bits(slot) |= 1u << m;
    int result;
    if (player) {
        result = Toimenpiteen_Seuraus(-1, slot, sure ? 100 : bonus, 0);
    } else {
        // The treater's skill on the creature's own slot: its values stand in the player's spare slot
        // only for the roll.
        WoundSlot keep;
        wound_get(-1, WOUND_SLOTS - 1, keep);
        wound_put(-1, WOUND_SLOTS - 1, w);
        result = Toimenpiteen_Seuraus(-1, WOUND_SLOTS - 1, sure ? 100 : bonus, 0);
        wound_put(-1, WOUND_SLOTS - 1, keep);
    }
    if (result == 61 || result == 62) {
        snprintf(line, sizeof line, "!The treatment causes the %s to start bleeding.", lname);
        Note(line);
        plr_set<int32_t>(PB_INJURYCAUSE, CAUSE_TREATMENT);
        w.bleeding = 2;
        wound_put(n, slot, w);
        return 0;
    }
    char state[200];
    copy_bounded(state, sizeof state, MSG(wound_state_key(result)));
    copy_bounded(vMSG_var, sizeof vMSG_var, lname);
    copy_bounded(vMSG_status, sizeof vMSG_status, state);
    Note(MSG("WOUND_TREATMENT_RESULT"));
    if (player && result) {
        w.treatment = (uint8_t)result;
        wound_put(-1, slot, w);
    }
    return 0;
}

// ---- healing ----

static int endurance() { return plr_bytes(PB_ENDURANCE)[0]; }

void HealInjury(int slot, int points) {
    WoundSlot w;
    if (!wound_get(-1, slot, w) || w.kind == 0) return;
    const int taken = points < w.injury ? points : w.injury;
    w.injury = (uint8_t)(w.injury - taken);
    const uint32_t inj = plr_get<uint32_t>(PB_INJURY);
    plr_set<uint32_t>(PB_INJURY, inj >= (uint32_t)taken ? inj - (uint32_t)taken : 0);
    if (w.injury > 0 && w.treatment) {
        wound_put(-1, slot, w);
        return;
    }
    char line[300];
    snprintf(line, sizeof line, ":@%s%s", DescripeWound(w.kind, w.part, w.level, w.side),
             w.kind >= ILL_FIRST ? " seems to ease and go away!" : " has fully healed!");
    Note(line);
    if (w.kind == ILL_HALLUCINATING) Plr.hallucinating = 0;
    Pause();
    const uint32_t bl = plr_get<uint32_t>(PB_BLOODLOSS);
    plr_set<uint32_t>(PB_BLOODLOSS, bl >= w.bleeding ? bl - w.bleeding : 0);
    const uint32_t rest = plr_get<uint32_t>(PB_INJURY);
    plr_set<uint32_t>(PB_INJURY, rest >= w.injury ? rest - w.injury : 0);
    w.kind = w.treatment = w.bleeding = w.injury = 0;
    wound_put(-1, slot, w);
    set_bits(PB_HERBBITS, slot, 0);
    set_bits(PB_TREATBITS, slot, 0);   // the next wound in this slot starts untreated
}

void unlethalize(int keep_bleeding) {
    if (!keep_bleeding) {
        WoundSlot w;
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w) && w.bleeding) {
                w.bleeding = 0;
                wound_put(-1, s, w);
            }
    }
    const uint32_t cap = 2u * (uint32_t)endurance();
    if (plr_get<uint32_t>(PB_BLOODLOSS) > cap) plr_set<uint32_t>(PB_BLOODLOSS, cap);
    for (int guard = 0; guard < 200; guard++) {
        const int total = body_injury_sum(-1);
        plr_set<uint32_t>(PB_INJURY, (uint32_t)total);
        if (total < 91) break;
        WoundSlot w;
        for (int s = 0; s < WOUND_SLOTS; s++)
            if (wound_get(-1, s, w) && w.kind) HealInjury(s, 2);
    }
}

void HealingRolls() {
    if (REAL_QUIT == -1) return;
    const int end = endurance();
    uint32_t body = Plr.body_effects;
    auto take = [&](int bit) {
        if (body & (1u << bit)) {
            body &= ~(1u << bit);
            return end;
        }
        return 0;
    };
    const int a = take(17), b = take(10), c = take(12), d = take(14), e = take(15), f = take(19), g = take(16);
    const bool sure = (body & (1u << 22)) != 0;
    body &= ~(1u << 22);
    Plr.body_effects = body;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++) {
        if (!wound_get(-1, s, w) || w.kind == 0) continue;
        if (w.treatment == 0) {
            w.treatment = (uint8_t)Toimenpiteen_Seuraus(-1, s, 0, 1);
            wound_put(-1, s, w);
        }
        char name[200];
        copy_bounded(name, sizeof name, DescripeWound(w.kind, w.part, w.level, w.side));
        if (w.kind < ILL_FIRST) {
            set_bits(PB_TREATBITS, s, 0);
            if (w.treatment == 100 || w.treatment == 0) {
                HealInjury(s, 1);
            } else if (w.treatment > 6 && w.treatment != 10 && w.treatment != 20 && w.treatment != 30) {
                // an opened wound does not heal
            } else {
                const int r = body_successroll(0, w.treatment * end + d + e);
                if (r == 2) HealInjury(s, 1);
                else if (r == 3) HealInjury(s, 2);
            }
            set_bits(PB_HERBBITS, s, 0);
            continue;
        }
        int bonus = b + e;
        if (w.kind == 10 || w.kind == 11) bonus += g + c + d + a;
        if (w.kind == 23 || w.kind == 24) bonus += d + f;
        int r = sure ? 3 : body_successroll(0, w.treatment * end + bonus);
        if (w.treatment < 3 && (w.kind == 10 || w.kind == 20 || w.kind == 21 || (w.kind == 23 && w.injury < 20))) r = 3;
        const char *ending;
        int tr = w.treatment;
        switch (r) {
        case 3: tr += 2; ending = " is getting much better."; break;
        case 2: tr += 1; ending = " eases a bit."; break;
        case 1: tr -= 1; ending = " is getting worse."; break;
        default: tr = tr == 1 ? 0 : tr - 2; ending = " is getting dramatically worse."; break;
        }
        if (tr < 0) tr = 0;
        if (tr > 255) tr = 255;
        w.treatment = (uint8_t)tr;
        wound_put(-1, s, w);
        char line[300];
        snprintf(line, sizeof line, ":@Your %s%s", name, ending);
        Note(line);
        Pause();
        if (w.treatment > 5) {
            if (w.kind == ILL_PLAGUE && plr_bytes(PB_ENDURANCE)[0] < 18) plr_bytes(PB_ENDURANCE)[0]++;
            const uint32_t inj = plr_get<uint32_t>(PB_INJURY);
            plr_set<uint32_t>(PB_INJURY, inj >= w.injury ? inj - w.injury : 0);
            w = WoundSlot{};
            wound_put(-1, s, w);
            set_bits(PB_HERBBITS, s, 0);
            snprintf(line, sizeof line, ":@You don't suffer from %s anymore.", name);
            Note(line);
        } else if (w.treatment == 0) {
            copy_bounded(InjuryCause, sizeof InjuryCause, name);
            player_dies(CAUSE_ILLNESS);
            return;
        }
    }
    uint32_t blood = plr_get<uint32_t>(PB_BLOODLOSS);
    if (blood > 0) {
        if (blood > 4u * (uint32_t)end) blood = 4u * (uint32_t)end;
        const int r = sure ? 3 : body_successroll(0, e + d + 6 * end);
        const uint32_t drop = r == 3 ? 8 : r == 2 ? 4 : 2;
        blood = blood > drop ? blood - drop : 0;
        plr_set<uint32_t>(PB_BLOODLOSS, blood);
    }
    plr_set<uint32_t>(PB_INJURY, 0);
    Plr.view_restriction = 0;
    Haavatarkistukset(0);
}

// ---- the Wounds screen ----

int Wounds() {
    int used[WOUND_SLOTS], n = 0;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(-1, s, w) && w.kind) used[n++] = s;
    return wounds_screen(used, n);
}

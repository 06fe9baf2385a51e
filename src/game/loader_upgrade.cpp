// Upgrades of records saved by older versions: the player record's skills and counters, the robber
// lairs of an older world, the magic means of the old ritual list, and every stored object.
#include <cstring>

#include "activities/activities.h"
#include "activities/crolls.h"
#include "game/loader.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "items/itemdefs.h"
#include "maps/worldsearch.h"
#include "quests/lairs.h"
#include "worldgen/chardefs.h"
#include "creatures/skills.h"

namespace {

bool name_has(const char *field, size_t size, const char *part) {
    char text[64];
    size_t n = size < sizeof text - 1 ? size : sizeof text - 1;
    memcpy(text, field, n);
    text[n] = 0;
    return strstr(text, part) != nullptr;
}

template <size_t N> bool has(const char (&field)[N], const char *part) { return name_has(field, N, part); }

template <size_t N> bool equals(const char (&field)[N], const char *text) {
    return strnlen(field, N) == strlen(text) && strncmp(field, text, N) == 0;
}

// A field is written only when it changes: a record already current is left untouched, and so is the
// page it lies on (the stored objects are watched for writes).
template <class T> void set_field(T &field, T value) {
    if (field != value) field = value;
}

template <size_t N> void set_text(char (&field)[N], const char *text) {
    memset(field, 0, N);
    copy_bounded(field, N, text);
}

bool skill_exists(const char *part) { return plr_ML(part) != 1000; }

// A skill that older versions did not have, at the level of the skill it grew out of.
void add_skill_from(const char *skill, const char *from) {
    if (skill_exists(skill)) return;
    GenSkill(-1, skill);
    int level = plr_ML(from);
    set_ML(skill, level == 1000 ? 0 : level);
}

void clear_slot(int s) {
    memset(Plr.skill_name[s], 0, PLR_SKILLNAME);
    Plr.skill_level[s] = 0;
}

void upgrade_skills() {
    add_skill_from("TRAPPING", "TRACKING");
    add_skill_from("BUILDING", "TIMBERCRAFT");
    if (!skill_exists("STEALTH")) GenSkill(-1, "STEALTH");
    for (int s = 0; s < PLR_SKILLS; s++) {
        char(&name)[PLR_SKILLNAME] = Plr.skill_name[s];
        if (equals(name, "WOODCARVING")) {
            set_text(name, "CARPENTRY");
        } else if (equals(name, "FORAGING")) {
            clear_slot(s);
            if (!skill_exists("HERBLORE")) GenSkill(-1, "HERBLORE");
        } else if (equals(name, "SURVIVAL") || equals(name, "RITUAL")) {
            clear_slot(s);
        } else if (equals(name, "DAGGER")) {
            set_text(name, "KNIFE");
        }
    }
}

void place_robber_lairs() {
    if (Plr.lairs_placed) return;
    Plr.lairs_placed = 1;
    for (int attempt = 0; attempt < 10; attempt++) {
        int x = 500 + random(2500), y = 500 + random(1000);
        UiPoint at = FindBigmapLoc(x, y, 1, 25, 0, 0, 0);
        if (at.x == 0) continue;
        Plr.last_uid++;
        robber_lair(at.x, at.y, (int)Plr.last_uid, 0, 3 + random(4), 3);
    }
}

void learn_old_rituals() {
    opi_taikakeino(10, 0);
    opi_taikakeino(9, 0);
    for (uint8_t code : Plr.legacy_rituals) {
        switch (code) {
        case 20: opi_taikakeino(82, 0); break;
        case 3: opi_taikakeino(110, 0); break;
        case 21: opi_taikakeino(115, 0); break;
        case 4: opi_taikakeino(200, 0); break;
        default: break;
        }
    }
}

// The current definition of an object id, when the table holds one.
bool current_definition(ItemStruct &out, unsigned id) {
    ItemStruct def;
    hae_esine(def, id);
    if (def.type == 0) return false;
    out = def;
    return true;
}

struct ByName {
    const char *name;
    unsigned id;
};

const ByName renamed_definitions[] = {
    {"Northern spear", 700}, {"Handaxe", 105},     {"Punt", 820},        {"Loop snare", 801},
    {"Raft", 821},           {"Hunting horn", 601}, {"Fox trap", 800},
};

const uint8_t old_graphics[10][2] = {{156, 29}, {158, 69}, {159, 80}, {160, 81}, {161, 82},
                                     {162, 83}, {163, 84}, {164, 91}, {165, 90}, {166, 62}};

}  // namespace

void upgrade_item(ItemStruct &r) {
    if (r.type == 0 && r.name[0] == 0) return;
    if (equals(r.skill, "DAGGER")) set_text(r.skill, "KNIFE");
    ItemStruct t = r;

    if (r.id == OID_FOX_TRAP && has(r.name, "lauta")) set_text(r.name, "Paw-board fox trap");

    if (t.subtype == 9) {
        if (t.light == 1 || t.light == 2) t.id = 327;
        else if (t.id == OID_TYING) t.id = OID_ROPE;
        set_field(r.id, t.id);
        if (!Item_pituusmitallinen(t)) {
            RAWITEMLINE_go("[LENGTH:15]", &t);
            RAWITEMLINE_go("[LENGTH:15]", &r);
        }
    }

    if (t.material == 0) {
        uint32_t m = 0;
        if (has(t.name, "irch-bark")) m = 16;
        if (has(t.name, "Leather ")) m += 4;
        if (has(t.name, "Fur ")) m += 8;
        t.material = m;
        set_field(r.material, m);
    }

    if (is_arrow(r) && r.fig[0] == 0 && r.fig[1] == 0 && r.fig[2] == 0) r.fig[2] = 8;

    if (t.type == IT_CONTAINER && t.subtype == 99) {
        t.id = 55;
    } else if (t.id == 0) {
        if (has(t.name, "Northern knife")) t.id = 153;
        else if (has(t.name, "Fisher's knife")) t.id = 155;
    }
    if (t.id == 0) {
        if (has(t.name, "Sickle")) t.id = 141;
        else if (t.type == IT_CONTAINER && t.subtype == 100) t.id = 351;
    }

    if (t.type == IT_FOOD) {
        if (t.subtype == 8) t.id = 61;
        else if (t.subtype == 4) t.id = 500;
        else if (t.subtype == 18) t.id = 490;
    }

    if (t.id == 0) {
        for (const ByName &b : renamed_definitions)
            if (has(t.name, b.name)) {
                current_definition(t, b.id);
                break;
            }
    }
    if (t.id == OID_POT && t.tilesym == 117) current_definition(t, OID_POT);

    if (has(t.skill, "DAGGER") || has(t.skill, "KNIFE")) {
        if (t.tilesym == 123) t.tilesym = 70;
        char name[sizeof t.name + 1];
        copy_bounded(name, sizeof name, t.name);
        int row = object(name, 1);
        if (row > 0 && row < CONSTANTOBJ_ROWS && ConstantObj[row].id != 0) t.id = ConstantObj[row].id;
    }

    for (const auto &g : old_graphics)
        if (t.tilesym == g[0]) {
            t.tilesym = g[1];
            break;
        }
    set_field(r.tilesym, t.tilesym);
    set_field(r.id, t.id);

    for (const ItemStruct &d : ConstantObj) {
        if (d.name[0] == 0) continue;
        if (strncmp(d.name, t.name, sizeof d.name) == 0) {
            if (r.adclass != d.adclass) r.adclass = d.adclass;
            if (one_hand_penalty(r) != one_hand_penalty(d)) set_one_hand_penalty(r, one_hand_penalty(d));
        }
        if (strncmp(d.name, r.name, sizeof d.name) == 0 && r.tile[0] == 0 && d.tile[0] != 0)
            memcpy(r.tile, d.tile, sizeof r.tile);
    }
}

void upgrade_old_records() {
    if (!Plr.upgrade_cleared) {
        memset(Plr.skill_counter, 0, sizeof Plr.skill_counter);
        memset(Plr.skill_raises, 0, sizeof Plr.skill_raises);
        Plr.upgrade_cleared = 1;
    }
    create_objects(CharacterFile);
    HERBLORE_save();
    aseta_unid();
    if (Plr.legacy_marker != -1) {
        Plr.upgrade_mark = 255;
        Plr.energy = 3000;
        Plr.legacy_marker = -1;
    }
    upgrade_skills();
    for (ItemStruct &r : PlayerObj) upgrade_item(r);
    place_robber_lairs();
    aseta_peliversio();
    learn_old_rituals();
}

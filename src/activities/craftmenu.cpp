// The crafting menus, composed from the recipe files at run time (the make menu with its submenus and
// the extra entries of the menu files, carpentry, buildings), and taking a structure apart.
#include "creatures/breaches.h"
#include "activities/making.h"

#include "activities/cooking.h"
#include "activities/skilluse.h"
#include "core/commandcodes.h"
#include "activities/building.h"
#include "creatures/takeapart.h"
#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "items/materials.h"
#include "items/recipes.h"
#include "maps/area.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cctype>
#include <cmath>
#include <cstring>

MenuStructEntry menustruct[MENUSTRUCT_MAX];
static int default_key;            // the next default key of the menu being composed

static void new_menu() {
    Valinta_Tyhjaa();
    default_key = 0;
}

// The section mark followed by the end of the name, so that "weapon" never opens "weapons".
static bool has_mark(const char *line, const char *mark) {
    for (const char *p = strstr(line, mark); p; p = strstr(p + 1, mark)) {
        char after = p[strlen(mark)];
        if (after == 0 || after == ']' || after == ' ' || after == '\t') return true;
    }
    return false;
}

static void add_entry(const char *pattern, const char *line) {
    int key = Tekoheader_menukey(line);
    if (!key) {
        if (!menukeys[default_key]) return;   // the 36 default keys are used up
        key = menukeys[default_key++];
    }
    char name[TEKO_VALUE_MAX + 1];
    copy_bounded(name, sizeof name, Tekoheader_esine(line));
    const int amount = Tekoheader_maara(line);
    char suffix[32] = "";
    if (amount > 1) bprintf(suffix, sizeof suffix, " (%d pieces)", amount);
    char text[160];
    if (strstr(pattern, "biy_")) {
        const int mc = Tekoheader_rakennus_mc(line);
        if (!mc) return;
        const char *custom = Tekoheader_customesine(line);
        Valinta_LisaaTarkenteella(key, custom[0] ? custom : terrain_desc(mc), 240, mc);
        const int gx = Tekoheader_gfx(line, 0), gy = Tekoheader_gfx(line, 1);
        if (gx != -1 && gy != -1) Valinta_LisaaGrafiikka(gx, gy, mc);
    } else if (strstr(pattern, "cookery")) {
        bprintf(text, sizeof text, "%s%s", name, suffix);
        Valinta_LisaaTekstitarkenteella(key, text, COOK_RECIPE, name);
    } else {
        const int id = Tekoheader_esine_id(line);
        if (id) {
            bprintf(text, sizeof text, "%s%s", Esineen_Nimi(id), suffix);
            Valinta_LisaaTarkenteella(key, text, -1, id);
            return;
        }
        int rid, row;
        if (!recipe_resolve(line, &rid, &row)) return;
        bprintf(text, sizeof text, "%s%s", name, suffix);
        Valinta_LisaaTekstitarkenteella(key, text, -1, name);
    }
}

void Lisaa_esine_menuvalinnat(const char *pattern, const char *skill, const char *section) {
    if (ValintojenMaara == 0) default_key = 0;   // a new composition on an emptied menu
    const bool top = !section || !section[0], all = section && strcmp(section, "allmenu") == 0;
    char start[80] = "", end[80] = "";
    if (!top) {
        bprintf(start, sizeof start, "SUBMENU_START:%s", section);
        bprintf(end, sizeof end, "SUBMENU_END:%s", section);
    }
    char files[64][256];
    int n = 0;
    if (own_firstfile(pattern) == 0) {
        do {
            if (const char *f = own_finddata_name()) copy_bounded(files[n++], 256, f);
        } while (n < 64 && own_nextfile() == 0);
    }
    own_findclose();
    char line[TEKO_LINE_MAX + 1];
    for (int i = 0; i < n; i++) {
        FILE *f = fopen(files[i], "r");
        if (!f) continue;
        bool active = top;
        while (recipe_getline(f, line, sizeof line)) {
            if (top) {
                const bool opens = strstr(line, "[SUBMENU_START") != nullptr, closes = strstr(line, "[SUBMENU_END") != nullptr;
                if (opens && !closes) active = false;
                else if (closes) active = true;
            } else if (!all) {
                const bool opens = has_mark(line, start), closes = has_mark(line, end);
                if (opens && !closes) active = true;
                else if (closes) active = false;
            }
            if (line[0] != '.' || !(active || all)) continue;
            if (skill && skill[0] && strcmp(Tekoheader_taito(line), skill) != 0) continue;
            add_entry(pattern, line);
        }
        fclose(f);
    }
}

void clear_menustruct() { memset(menustruct, 0, sizeof menustruct); }

void compose_menu(const char *menu) {
    clear_menustruct();
    char want[TEKO_VALUE_MAX + 1];
    copy_bounded(want, sizeof want, StrUpr(menu ? menu : ""));
    char files[64][256];
    int n = 0, filled = 0;
    if (own_firstfile(recipe_pattern(RECIPE_MENUDEF)) == 0) {
        do {
            if (const char *f = own_finddata_name()) copy_bounded(files[n++], 256, f);
        } while (n < 64 && own_nextfile() == 0);
    }
    own_findclose();
    char line[TEKO_LINE_MAX + 1];
    for (int i = 0; i < n && filled < MENUSTRUCT_MAX; i++) {
        FILE *f = fopen(files[i], "r");
        if (!f) continue;
        while (filled < MENUSTRUCT_MAX && recipe_getline(f, line, sizeof line)) {
            if (line[0] != '.' || strcmp(Tekoheader_taito(line), want) != 0) continue;
            const char *name = Tekoheader_esine(line);
            if (strlen(name) > TEKO_MENUNAME_MAX) debuglog("recipes", "menu name cut to 49 characters");
            copy_bounded(menustruct[filled].name, sizeof menustruct[filled].name, name);
            menustruct[filled].key = (uint8_t)Tekoheader_menukey(line);
            filled++;
        }
        fclose(f);
    }
}

void Valinta_Lisaa_MenuStruct() {
    for (const MenuStructEntry &m : menustruct)
        if (m.key) Valinta_Lisaa(m.key, m.name);
}

// One submenu of handcraft recipes, with the fixed entries some of them end with.
static int handcraft_submenu(const char *section, const char *title, int extra) {
    new_menu();
    Lisaa_esine_menuvalinnat("diy_*.*", "", section);
    if (extra == 'C') {
        // The clothes sewn of the furs and leathers she has tanned.
        for (int a = ACTION_LEATHER_BELT; a <= ACTION_FUR_OVERCOAT && menukeys[default_key]; a++) {
            if (menukeys[default_key] == 'R') default_key++;   // R mends worn clothes
            if (!menukeys[default_key]) break;
            Valinta_LisaaToiminnalla(menukeys[default_key++], Toiminta(a), a);
        }
        Valinta_Lisaa(-1, "");
        Valinta_LisaaToiminnalla('R', Toiminta(370), 370);
    } else if (extra == 'Y') {
        Valinta_Lisaa(-1, "");
        Valinta_LisaaToiminnalla('J', Toiminta(219), 219);
        Valinta_LisaaToiminnalla('S', Toiminta(220), 220);
    }
    const int key = TeeValinta(title);
    Valinta_Toimi();
    return key;
}

void make_item() {
    new_menu();
    Valinta_Lisaa('B', "Building");
    Valinta_Lisaa('C', "Clothes");
    Valinta_Lisaa('L', "Lumber");
    Valinta_Lisaa('T', "Trapping");
    Valinta_Lisaa('R', "Transport");
    Valinta_Lisaa('U', "Utility articles");
    Valinta_Lisaa('Y', "Tying equipment");
    Valinta_Lisaa('W', "Weapons");
    compose_menu("MAKE");
    Valinta_Lisaa_MenuStruct();
    NOUPDATE_RC = 1;
    const int key = toupper(TeeValinta("HANDCRAFT OPTIONS"));
    switch (key) {
    case 0: break;
    case 'B': use_skill("BUILDING"); break;
    case 'T': use_skill("TRAPPING"); break;
    case 'C': handcraft_submenu("clothes", "CLOTHES", 'C'); break;
    case 'L': handcraft_submenu("lumber", "LUMBER", 0); break;
    case 'R': handcraft_submenu("transport", "TRANSPORT", 0); break;
    case 'U': handcraft_submenu("utility article", "UTILITY ARTICLES", 0); break;
    case 'W': handcraft_submenu("weapon", "WEAPONS", 0); break;
    case 'Y': handcraft_submenu("tying equipment", "TYING EQUIPMENT", 'Y'); break;
    default:
        for (const MenuStructEntry &m : menustruct)
            if (m.key && toupper(m.key) == key) {
                char title[60];
                copy_bounded(title, sizeof title, StrUpr(m.name));
                handcraft_submenu(m.name, title, 0);
                break;
            }
        break;
    }
    NOUPDATE_RC = 0;
}

int wooden_items() {
    new_menu();
    Lisaa_esine_menuvalinnat("diy_*.*", "CARPENTRY", "allmenu");
    NOUPDATE_RC = 1;
    const int key = TeeValinta("CARPENTRY OPTIONS");
    Valinta_Toimi();
    NOUPDATE_RC = 0;
    return key;
}

int building_skill() {
    new_menu();
    Valinta_Lisaa('W', "Wooden building");
    Valinta_LisaaGameinfo("BUILDINGS");
    Valinta_Lisaa('K', "Kota");
    Valinta_LisaaGameinfo("KOTA");
    Lisaa_esine_menuvalinnat("biy_*.*", "BUILDING", "");
    Valinta_Lisaa(-1, "");
    Valinta_LisaaToiminnalla('P', Toiminta(601), 601);
    Valinta_LisaaToiminnalla('D', Toiminta(600), 600);
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('?', "General building information");
    Valinta_LisaaGameinfo("BUILDING");
    NOUPDATE_RC = 1;
    int key = TeeValinta("BUILDING OPTIONS");
    Valinta_Toimi();
    const char *section = nullptr, *title = nullptr;
    if (toupper(key) == 'K') section = "kota", title = "KOTA";
    if (toupper(key) == 'W') section = "building", title = "WOODEN BUILDING";
    if (section) {
        new_menu();
        Lisaa_esine_menuvalinnat("biy_*.*", "", section);
        key = TeeValinta(title);
        Valinta_Toimi();
    }
    NOUPDATE_RC = 0;
    return key;
}

// ---- taking apart --------------------------------------------------------------------------------

static bool pick_direction(int &x, int &y) {
    Note("?Which direction - what to deconstruct?");
    const int key = getkey();
    static const struct { int key, dx, dy; } dirs[] = {{KEY_UP, 0, -1}, {KEY_PGUP, 1, -1}, {KEY_RIGHT, 1, 0},
                                                       {KEY_PGDN, 1, 1}, {KEY_DOWN, 0, 1}, {KEY_END, -1, 1},
                                                       {KEY_LEFT, -1, 0}, {KEY_HOME, -1, -1}};
    for (const auto &d : dirs)
        if (d.key == key) {
            x = PlayerX + d.dx, y = PlayerY + d.dy;
            return true;
        }
    return false;
}

int Pura(int mode, int x, int y) {
    if (mode == -1 && x == 0 && !pick_direction(x, y)) return 0;
    StructureAtSquare s;
    survey_structure(x, y, s);
    const int mc = s.mc, paused = s.paused;
    int minutes = 4;
    if (mode == -1) {
        if (s.build <= 0 && paused < 0) {
            Note("!There's nothing here that could be taken apart.");
            return 0;
        }
        minutes = (int)ceilf((float)s.build / 1.5f);
    }
    if (paused >= 0 && (s.spent || s.all)) minutes = s.spent;
    if (framework_bears_load(mc, x, y)) {
        if (mode == -1) Note("!The framework may not be disassembled as long as it's supporting construction!");
        return 0;
    }
    if (mode == -1) {
        breachrun_mischief(0, 600, 5);   // taking a village's building apart is mischief
        if (!realbasicspend(minutes, 0, "DECONSTRUCTING", SPF_LONG0)) {
            const int done = SPEND_MINDONE;
            if (paused < 0) {
                ClearDTEMP();
                DTEMP.type = DT_PAUSED_BUILDING;
                DTEMP.x = (uint16_t)x, DTEMP.y = (uint16_t)y;
                DTEMP.id = (uint32_t)mc;
                DTEMP.count = 1;
                DTEMP.spent_minutes = (uint32_t)done;
                DTEMP.ready_minute = (uint32_t)minutes;
                SetDTEMP(-1);
            } else {
                Data[paused].spent_minutes += (uint32_t)done;
            }
            return 0;
        }
    }
    take_apart_at(x, y, s);
    if (mode == -1) {
        char note[200];
        bprintf(note, sizeof note, "You successfully deconstructed the %s.", StrLwr(terrain_desc(mc)));
        Note(note);
        TurnUsed = 1;
    }
    return 1;
}

// src/worldgen/campaign.cpp -- a new character's start: her scenario's story, where she stands in the
// world, her empty creature files and what her culture sends her out with.
#include "worldgen/campaign.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "creatures/outfit.h"
#include "worldgen/culturegoods.h"
#include "worldgen/kartta_main.h"
#include "worldgen/newchar.h"

unsigned added[CAMP_ADDED];

void equipment_forget() { memset(added, 0, sizeof added); }

// ---- the scenario ----------------------------------------------------------------------------------

void camp_file(int n, char *out, unsigned size) { snprintf(out, size, "RNDCAMP.%d", n); }

// One line without its line end; a longer line than the buffer is cut and its rest dropped.
static bool camp_line(FILE *f, char *out, unsigned size) {
    if (!fgets(out, (int)size, f)) return false;
    const size_t n = strlen(out);
    if (n > 0 && out[n - 1] != '\n' && !feof(f)) {
        int ch;
        while ((ch = fgetc(f)) != EOF && ch != '\n') {}
    }
    out[strcspn(out, "\r\n")] = 0;
    return true;
}

bool camp_title(int n, char *title, unsigned tsize, char *summary, unsigned ssize) {
    char name[32];
    camp_file(n, name, sizeof name);
    FILE *f = fopen(name, "r");
    if (!f) return false;
    title[0] = summary[0] = 0;
    camp_line(f, title, tsize);
    camp_line(f, summary, ssize);
    fclose(f);
    return true;
}

bool get_camp(int n, const char *folder) {
    char name[32], path[600], line[CAMP_STORY_LINE];
    camp_file(n, name, sizeof name);
    FILE *in = fopen(name, "r");
    if (!in) {
        printf("Oxa internal error -- couldn't open %s\n", name);
        oxa_quit(name);
    }
    snprintf(path, sizeof path, "%s/story.txt", folder);
    FILE *out = fopen(path, "w");
    if (!out) {
        fclose(in);
        return false;
    }
    bool ok = true;
    if (camp_line(in, line, sizeof line)) ok = fprintf(out, "Scenario: %s\n", line) > 0;
    camp_line(in, line, sizeof line);   // the summary is the list's, not the story's
    while (ok && camp_line(in, line, sizeof line)) ok = fprintf(out, "%s\n", line) >= 0;
    fclose(in);
    if (fclose(out) != 0) ok = false;
    return ok;
}

void SetCampaignData() {
    memset(Plr.mapname, 0, sizeof Plr.mapname);
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    Plr.facing = 3;
    Plr.x = Plr.world_x = (uint32_t)plr_aloitus_x;
    Plr.y = Plr.world_y = (uint32_t)plr_aloitus_y;
    // she stands on her start cell of the world map while her folder is made
    PlayerX = plr_aloitus_x;
    PlayerY = plr_aloitus_y;
}

bool write_creature_files(const char *folder, bool fail) {
    if (fail) return false;
    char path[600];
    snprintf(path, sizeof path, "%s/%s.CRS", folder, SaveFile);
    if (cre_file_create(path, CRS_START_RECORDS) != 1) return false;
    return defcreat(folder) == 1;
}

// ---- the starting equipment --------------------------------------------------------------------

static bool same_name(const ItemStruct &a, const ItemStruct &b) {
    char x[41], y[41];
    return strcmp(item_name(a, x), item_name(b, y)) == 0;
}

void add_plrequ(int object, int count, int quality) {
    if (object == 0) return;
    ItemStruct it;
    ObjToItem(it, object);
    if (quality != 0 && quality != 3) ItemSet_tunnettulaatu(quality, it);
    const int stored = Luo_Esineen_Itempos(it);
    if (stored == 0) return;   // the object table had no room
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (added[s] == (unsigned)object) return;
        if (Plr.inv_obj[s] == 0) {
            Plr.inv_obj[s] = stored;
            Plr.inv_count[s] = count;
            added[s] = (unsigned)object;
            return;
        }
        ItemStruct held;
        if (same_name(ObjToItem(held, Plr.inv_obj[s]), it)) return;
    }
}

void add_equipment(int object, int count) { add_plrequ(object, count, 0); }

// A garment of a clothing class drawn for the culture's wealth, of a grade drawn for it.
static void clothe(int (*pick)(int, int), int wealth, int culture) {
    const int garment = pick(var_vaateluokka(wealth), culture);
    add_plrequ(garment, 1, varalaatu(wealth));
}

void character_equipment() {
    const int c = Plr.culture, w = kult_varallisuus(c);
    // The catalogue's breads are of rye: a definition called just "Bread" is taken first when there is one.
    int bread = object("BREAD", 1);
    if (bread == 0) bread = object("BREAD", 0);
    add_equipment(bread, 1 + random(2));
    clothe(Kengat, w, c);
    clothe(Housut, w, c);
    clothe(Aluspaita, w, c);
    clothe(Paallyspaita, w, c);
    clothe(Miesten_Paahine, w, c);
    const int accessory = Pikkuasuste(var_vaateluokka(w));
    add_plrequ(accessory, 1, varalaatu(w));
    int obj = KULTTUURIESINE_Erapuukko(c);
    add_plrequ(obj, 1, varalaatu(3));
    obj = KULTTUURIESINE_Era_ase(c, 0);
    add_plrequ(obj, 1, varalaatu(3));
    if (random(100) < 50) {
        obj = KULTTUURIESINE_Sota_ase(c);
        add_plrequ(obj, 1, varalaatu(w));
    }
    if (random(100) < 50) {
        obj = KULTTUURIESINE_Eratyokalu(c);
        add_plrequ(obj, 1, varalaatu(w));
    }
    if (random(100) < 25) {
        obj = KULTTUURIESINE_Jousi(c);
        add_plrequ(obj, 1, varalaatu(3));
        const int arrows = 5 + random(6);
        add_plrequ(object("ARROW", 1), arrows, varalaatu(3));
    }
    for (int round = 0; round < 2; round++) {
        obj = KULTTUURIESINE_Eraruoka(c);
        add_equipment(obj, 1 + random(3));
    }
}

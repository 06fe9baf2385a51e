// src/creatures/cretables.cpp -- the blank creature record, the making of the template table and the
// template file "CONSTANT.CRE" (the tables themselves stand in core/creatures.cpp).
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "creatures/puuha.h"
#include "creatures/creation.h"
#include "creatures/outfit.h"
#include "base/debuglog.h"

char cultGAMEtags[CULT_TAGS_SIZE];
char cultPELTtags[CULT_TAGS_SIZE];
char cultDOMESTICtags[CULT_TAGS_SIZE];

static void set_text(char *field, size_t size, const char *text) { copy_bounded(field, size, text); }

void reset_creature() {
    CreatureStruct &c = Creature;
    memset(&c, 0, sizeof c);
    c.attackfig = 2;
    c.attitude = 3;
    c.familiarity = 3;
    c.rhythm = 1;
    c.culture = 255;
    c.weightvar = 30;
    c.smell = 14;
    c.hearing = 14;
    c.speciesfactor = 0.45f;
    c.tearing = 30.0f;
    set_text(c.voice1, sizeof c.voice1, "whimper");
    set_text(c.voice2, sizeof c.voice2, "mumble");
    c.handling = 2;
    c.group = 1;
    c.speed = 60;
    set_text(c.natattack[0], sizeof c.natattack[0], "kick");
    c.atkweight[0] = 12;
    c.atkweight[1] = 30;
    c.atkweight[2] = 30;
    c.atkskill[0] = (uint8_t)(30 + random(30));
    c.daysaved = -1;
    c.morale4 = (uint8_t)(50 + random(50));   // the flight urge
    c.meat[1] = 3;
    c.meat[2] = 15;
    c.enemy = -1;
    c.bodytemp = 37.0f;
    cultGAMEtags[0] = cultPELTtags[0] = cultDOMESTICtags[0] = 0;
}

void get_defined(int n, int build) {
    if (n < 0 || n >= CONSTANTCRE_COUNT) return;
    if (build && n >= 500) {
        Luo_Olento(n);
        return;
    }
    Creature = ConstantCre[n];
}

void visual() {
    switch (Creature.kind) {
    case 3: Creature.graphic = 1035; break;
    case 5: Creature.graphic = random(2) ? 1039 : 1038; break;
    case 12: Creature.graphic = 1040; break;
    case 13:
    case 23: Creature.graphic = 1044; break;
    case 15: Creature.graphic = random(2) ? 1034 : 1033; break;
    case 19: Creature.graphic = 1055; break;
    case 22: Creature.graphic = 1045; break;
    default: break;
    }
}

void DoCreatures() {
    char line[80];
    // Templates below 500 are never built: a damaged file must not leave loose texts in them.
    for (int i = 0; i < 500; i++) creature_make_safe(ConstantCre[i]);
    TEMPLATE_BUILD = 1;
    for (int i = 500; i < CONSTANTCRE_COUNT; i++) {
        Luo_Olento(i);
        ConstantCre[i] = Creature;
        snprintf(line, sizeof line, "#%d %.40s", i, Creature.species);
        debuglog("docreatures", line);
    }
    TEMPLATE_BUILD = 0;
}

int defcreat(const char *folder) {
    set_text(DefinitionsFolder, sizeof DefinitionsFolder, folder);
    char path[1200];
    snprintf(path, sizeof path, "%s/CONSTANT.CRE", folder);
    reset_creature();
    for (auto &t : ConstantCre) t = Creature;
    DoCreatures();
    FILE *f = fopen(path, "wb");
    if (!f) return 0;
    bool ok = fwrite(ConstantCre, sizeof(CreatureStruct), CONSTANTCRE_COUNT, f) == (size_t)CONSTANTCRE_COUNT;
    if (fclose(f) != 0) ok = false;
    if (!ok) remove(path);
    return ok ? 1 : 0;
}

int list_creature_templates(FILE *out) {
    reset_creature();
    for (auto &t : ConstantCre) t = Creature;
    DoCreatures();
    int rows = 0;
    fprintf(out, "number | species | weight | int/str/end/dex/agi/sml/hrg | diet | tile\n");
    for (int i = 500; i < CONSTANTCRE_COUNT; i++) {
        const CreatureStruct &c = ConstantCre[i];
        if (c.kind == 0) continue;
        char species[sizeof c.species + 1];
        copy_bounded(species, sizeof species, c.species);
        fprintf(out, "%d | %s | %.2f | %d/%d/%d/%d/%d/%d/%d | %08x/%08x | %s\n", i, species, (double)c.speciesweight,
                c.intelligence, c.strength, c.endurance, c.dexterity, c.agility, c.smell, c.hearing, (unsigned)c.diet1,
                (unsigned)c.diet2, tilename_of_graphic(c));
        rows++;
    }
    return rows;
}

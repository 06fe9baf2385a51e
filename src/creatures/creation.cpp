// src/creatures/creation.cpp -- the one entry that makes every creature from its code: the people
// by role with their clothes and gear, the spirits, the animals (kindtable.cpp), and the draw of a
// wilderness encounter.
#include "creatures/creation.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/outfit.h"
#include "creatures/predicates.h"
#include "creatures/kindtable.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "maps/worldsearch.h"
#include "core/culture.h"
#include "creatures/culturegoods.h"
#include "items/culturegoods.h"

int Kulttuuri = CULTURE_NONE;
char Kulttuurilainen[40] = "Wandering";
int FLEXIBLE_BIRTH = 0;
int FLEXIBLE_ANIMAL_BIRTH = 0;
char AnimalTags[CULT_TAGS_SIZE];
int edellinen_kohtaaminen = 0;

// The culture of the world cell the player stands in: her square on the map in play. The record's
// x and y keep the square of the last save only, which after a walk down from the world map still
// names a world cell, not a square of the local area.
static void choose_culture() {
    if (!FLEXIBLE_BIRTH) {
        if (PlayerX == 0) {
            Kulttuuri = CULTURE_NONE;
            copy_bounded(Kulttuurilainen, sizeof Kulttuurilainen, "wandering");
            return;
        }
        Kulttuuri = get_kulttuuri(PlayerX, PlayerY);
    }
    copy_bounded(Kulttuurilainen, sizeof Kulttuurilainen, CULTURE_ADJECTIVE[culture_row(Kulttuuri)]);
    Kulttuurilainen[0] = (char)toupper((unsigned char)Kulttuurilainen[0]);
}

void Viimeistele_Olento() {
    CreatureStruct &c = Creature;
    if (!(c.sexage & 2)) {
        c.weight = c.speciesweight;
        if (c.weightvar != 0) {
            const float d = (float)random(c.weightvar) / 100.0f * c.speciesweight;
            c.weight += random(4) < 3 ? -d : d;
        }
    }
    c.homemode = c.mode;
    c.food = (uint16_t)random((int)std::ceil(35.0f * c.weight));
}

// ---- helpers of the builders ----

static uint8_t spread(int lo, int hi) { return (uint8_t)(hi > lo ? lo + random(hi - lo + 1) : lo); }
static bool chance(int percent) { return random(100) < percent; }
static int circle() { return Kulttuuripiiri(Kulttuuri); }
static uint32_t by_circle(int west, int north, int east) {
    const int k = circle();
    return (uint32_t)(k == 2 ? west : k == 3 ? north : east);
}

static void set_species(const char *text) { copy_bounded(Creature.species, sizeof Creature.species, text); }
// The culture's adjective and a role word: "Kaumo peasant".
static void set_role_name(const char *word) {
    char text[80];
    snprintf(text, sizeof text, "%s %s", Kulttuurilainen, word);
    set_species(text);
}
static void set_first_name(const char *sex, int culture) {
    copy_bounded(Creature.pname, sizeof Creature.pname, RndHumanName(sex, culture));
}
static void set_face(const char *face) { copy_bounded(Creature.portrait, sizeof Creature.portrait, face); }

static void gear(int percent, int obj) {
    if (chance(percent)) Lisaa_Esine(obj);
}
static void arrows(int bundles, int lo, int hi) {
    for (int i = 0; i < bundles; i++) {
        const int count = lo + random(hi - lo + 1);   // the count is drawn before the arrow
        Lisaa_Usea_Esine(KULTTUURIESINE_Nuoli(Kulttuuri), count);
    }
}
static int wealth_at_most(int top) {
    const int w = kult_varallisuus(Kulttuuri);
    return w > top ? top : w;
}
static bool shield_culture() {
    const int c = Kulttuuri;
    return c == 0 || c == 1 || c == 3 || c == 4 || c == 11 || c == 12;
}

// ---- body builders ----

void Luorunko_Ihminen(int culture) {
    if (culture < 0) culture = Kulttuuri;
    CreatureStruct &c = Creature;
    c.kind = CK_HUMAN;
    c.culture = (uint8_t)culture_row(culture);
    set_face(pick_male_face());
    c.handling = 2;
    c.attitude = (uint8_t)random(5);
    if (c.attitude == 0) c.attitude = (uint8_t)random(5);
    c.familiarity = (uint8_t)random(5);
    c.role = 0;
    c.attackfig = 2;
    c.rhythm = 1;
    set_first_name("M", culture);
    copy_bounded(c.voice1, sizeof c.voice1, "swear");
    copy_bounded(c.voice2, sizeof c.voice2, "sing");
    uint8_t *attrs[7] = {&c.intelligence, &c.strength, &c.endurance, &c.dexterity, &c.agility, &c.smell, &c.hearing};
    for (uint8_t *a : attrs) *a = (uint8_t)(3 + random(6) + random(6) + random(6));
    c.personal = spread(40, 69);
    c.dodge = spread(40, 69);
    copy_bounded(c.natattack[0], sizeof c.natattack[0], "kick");
    c.atkstrength[0] = 0;
    c.atkweight[0] = 12;
    c.atktype[0] = 0;
    c.atkskill[0] = spread(30, 59);
    c.speed = spread(40, 79);
    c.mobility = (uint8_t)(c.speed / 10);
    c.topmobility = (uint8_t)(2 * c.mobility);
    static const char *const weapons[5] = {"SWORD", "KNIFE", "SPEAR", "AXE", "CLUB"};
    const int level = spread(30, 59);   // the level is drawn before the weapon
    set_skill(weapons[random(5)], level);
    c.speciesweight = 70.0f;
    c.speciesfactor = 0.3f;
    c.localknowledge = spread(1, 5);
    c.morale1 = c.morale2 = c.morale3 = c.morale4 = c.morale5 = 0;
    c.morale6 = spread(70, 99);
    Luo_Ihmisen_Moraali();
}

void Luorunko_Haltija() {
    CreatureStruct &c = Creature;
    c.kind = CK_SPIRIT;
    c.culture = 13;
    set_face(pick_male_face());
    c.handling = 2;
    c.attitude = spread(1, 4);
    c.familiarity = spread(0, 4);
    c.rhythm = 4;
    set_first_name("M", Plr.culture);   // a spirit goes by a name of her own people
    copy_bounded(c.voice1, sizeof c.voice1, "laugh");
    copy_bounded(c.voice2, sizeof c.voice2, "sing");
    uint8_t *attrs[7] = {&c.intelligence, &c.strength, &c.endurance, &c.dexterity, &c.agility, &c.smell, &c.hearing};
    for (uint8_t *a : attrs) *a = 18;
    c.personal = 95;
    c.dodge = 95;
    copy_bounded(c.natattack[0], sizeof c.natattack[0], "kick");
    c.atkstrength[0] = 0;
    c.atkweight[0] = 12;
    c.atktype[0] = 0;
    c.atkskill[0] = 95;
    c.speed = 80;
    c.mobility = 6;
    c.topmobility = 12;
    static const char *const weapons[5] = {"SWORD", "KNIFE", "SPEAR", "AXE", "CLUB"};
    set_skill(weapons[random(5)], 95);
    c.localknowledge = 5;
    c.speciesweight = 40.0f;
    c.weight = 40.0f;
    c.weightvar = 0;
    c.speciesfactor = 0.3f;
    c.morale1 = c.morale2 = c.morale3 = c.morale4 = c.morale5 = c.morale6 = c.morale7 = 0;
}

// ---- people ----

static void Synnyta_Njerpez() {
    CreatureStruct &c = Creature;
    Kulttuuri = 11;
    copy_bounded(Kulttuurilainen, sizeof Kulttuurilainen, "Njerpez");
    Luorunko_Ihminen(11);
    c.role = 0;
    c.graphic = 1003;
    set_species("Njerpez warrior");
    pue_mies(1, 0, 11);
    gear(40, KULTTUURIESINE_headarmour(11, random(100) < 26));
    Lisaa_Vaate(KULTTUURIESINE_bodyarmour(11, random(100) < 26));
    Lisaa_Vaate(KULTTUURIESINE_spotarmour(11, random(100) < 26));
    Lisaa_Vaate(KULTTUURIESINE_spotarmour(11, random(100) < 26));
    gear(70, KULTTUURIESINE_Arkipuukko(11));
    gear(50, KULTTUURIESINE_Era_ase(11, 1));
    Lisaa_Esine(KULTTUURIESINE_Sota_ase(11));
    gear(25, object("Roundshield", 1));
    if (chance(33)) {
        Lisaa_Esine(KULTTUURIESINE_Jousi(11));
        arrows(3, 2, 7);
    }
    gear(15, KULTTUURIESINE_Sota_ase(11));
    gear(30, KULTTUURIESINE_Eratyokalu(11));
    gear(30, KULTTUURIESINE_Eratyokalu(random(10)));
    set_skill("BOW", spread(50, 99));
    set_skill("SWORD", spread(70, 99));
    set_skill("KNIFE", spread(70, 99));
    set_skill("AXE", spread(50, 99));
    c.culture = 11;
    c.mode = c.homemode = 0;
}

static void Synnyta_ForeignTrader() {
    CreatureStruct &c = Creature;
    Kulttuuri = 12;
    Luorunko_Ihminen(12);
    c.role = 5;
    c.graphic = 1004;
    set_species("Foreign trader");
    pue_mies(1 + random(2), 0, 12);
    if (chance(40)) Lisaa_Vaate(KULTTUURIESINE_headarmour(12, random(3) == 0));
    if (chance(25)) Lisaa_Vaate(KULTTUURIESINE_bodyarmour(12, 0));
    if (chance(20)) Lisaa_Vaate(KULTTUURIESINE_spotarmour(12, random(100) < 25));
    if (chance(10)) Lisaa_Vaate(KULTTUURIESINE_spotarmour(12, random(100) < 25));
    Lisaa_Eraruoka(12);
    gear(50, KULTTUURIESINE_Sota_ase(12));
    gear(50, KULTTUURIESINE_Era_ase(12, 0));
    gear(30, KULTTUURIESINE_Eratyokalu(12));
    // The goods he sells, marked with pack bit 2, of one quality class for the whole load.
    const int q = 4 + random(2);
    addobj_creature(c, KULTTUURIESINE_Sota_ase(12), 1, q, 2);
    if (chance(40)) addobj_creature(c, KULTTUURIESINE_Sota_ase(12), 1, q, 2);
    if (chance(35)) addobj_creature(c, object("Roundshield", 1), 1, q, 2);
    if (chance(30)) {
        addobj_creature(c, KULTTUURIESINE_Jousi(12), 1, q, 2);
        const int count = 5 + random(20);   // the count is drawn before the arrow
        addobj_creature(c, KULTTUURIESINE_Nuoli(12), count, q, 2);
    }
    if (chance(15)) {
        addobj_creature(c, KULTTUURIESINE_Aarrekoru(12), 1, 0, 2);
        if (random(2)) addobj_creature(c, KULTTUURIESINE_Aarrekoru(12), 1, 0, 2);
        if (random(2)) addobj_creature(c, KULTTUURIESINE_Aarrekoru(12), 1, 0, 2);
    }
    if (chance(10)) addobj_creature(c, KULTTUURIESINE_bodyarmour(12, 0), 1, q, 2);
    if (chance(20)) addobj_creature(c, KULTTUURIESINE_headarmour(12, 0), 1, q, 2);
    if (chance(20)) addobj_creature(c, KULTTUURIESINE_spotarmour(12, 0), 1, q, 2);
    set_skill("BOW", spread(70, 99));
    set_skill("SWORD", spread(70, 99));
    set_skill("KNIFE", spread(70, 99));
    set_skill("AXE", spread(70, 99));
    c.culture = 12;
    c.attitude = spread(1, 4);
    c.familiarity = spread(1, 4);
    c.group = 3;
    c.localknowledge = 0;
    trader_name(c.pname, sizeof c.pname);
}

static void Synnyta_Emanta() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 14;
    c.graphic = Kulttuuri == 11 ? 1061 : by_circle(1016, 1024, 1008);
    static const char *const words[3] = {"Woman", "Maiden", "Housewife"};
    set_species(words[random(3)]);
    pue_nainen(1, wealth_at_most(4));
    gear(30, KULTTUURIESINE_Arkipuukko(Kulttuuri));
    Lisaa_Arkiruoka(Kulttuuri);
    set_face(pick_female_face());
    set_first_name("F", Kulttuuri);
    c.attitude = c.familiarity = 4;
    c.mode = 0;
}

static void Synnyta_Kylalainen() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 0;
    c.graphic = by_circle(1017, 1025, 1009);
    set_role_name(random(2) ? "peasant" : "tribesman");
    pue_mies(random(2), wealth_at_most(3), Kulttuuri);
    gear(90, KULTTUURIESINE_Arkipuukko(Kulttuuri));
    gear(10, KULTTUURIESINE_Era_ase(Kulttuuri, 0));
    c.mode = 0;
}

static void Synnyta_Eramies() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 12;
    c.graphic = by_circle(1018, 1026, 1010);
    if (random(2)) {
        set_role_name("woodsman");
        c.occupation = 1;
    } else {
        set_role_name("hunter");
        c.occupation = 2;
    }
    int q = kult_varallisuus(Kulttuuri);
    if (q < 3) q = 3;
    pue_mies(1 + random(2), q, Kulttuuri);
    Lisaa_Eraruoka(Kulttuuri);
    gear(95, KULTTUURIESINE_Era_ase(Kulttuuri, 0));
    gear(40, KULTTUURIESINE_Era_ase(Kulttuuri, 1));
    gear(95, KULTTUURIESINE_Erapuukko(Kulttuuri));
    gear(90, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    gear(50, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    if (chance(40)) {
        Lisaa_Esine(KULTTUURIESINE_Jousi(Kulttuuri));
        arrows(3, 2, 7);
    }
    gear(30, KULTTUURIESINE_Pienturkis(Kulttuuri));
    gear(25, KULTTUURIESINE_Pienturkis(Kulttuuri));
    gear(20, KULTTUURIESINE_Turkis(Kulttuuri, 0));
    set_skill("SPEAR", spread(60, 89));
    set_skill("BOW", spread(60, 99));
    set_skill("AXE", spread(40, 99));
    set_skill("KNIFE", spread(40, 69));
}

static void Synnyta_Seikkailija() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 11;
    c.graphic = by_circle(1014, 1022, 1006);
    set_role_name("adventurer");
    c.occupation = 6;
    pue_mies(2 + random(2), wealth_at_most(4), Kulttuuri);
    Lisaa_Eraruoka(Kulttuuri);
    gear(95, KULTTUURIESINE_Era_ase(Kulttuuri, 0));
    gear(90, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    gear(80, KULTTUURIESINE_Sota_ase(Kulttuuri));
    if (shield_culture()) gear(30, object("Roundshield", 1));
    gear(95, KULTTUURIESINE_Erapuukko(Kulttuuri));
    gear(80, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    if (chance(50)) {
        Lisaa_Esine(KULTTUURIESINE_Jousi(Kulttuuri));
        arrows(3, 2, 7);
    }
    gear(20, KULTTUURIESINE_Pienturkis(Kulttuuri));
    gear(15, KULTTUURIESINE_Pienturkis(Kulttuuri));
    gear(10, KULTTUURIESINE_Pienturkis(Kulttuuri));
    set_skill("BOW", spread(50, 99));
    set_skill("SWORD", spread(40, 99));
    set_skill("KNIFE", spread(40, 99));
    set_skill("SPEAR", spread(50, 99));
}

static void Synnyta_Rosvo() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 20;
    c.graphic = by_circle(1014, 1022, 1006);
    set_role_name("robber");
    pue_mies(2, spread(2, 4), Kulttuuri);
    gear(95, KULTTUURIESINE_Era_ase(Kulttuuri, 0));
    gear(40, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    Lisaa_Esine(KULTTUURIESINE_Sota_ase(Kulttuuri));
    if (shield_culture()) gear(30, object("Roundshield", 1));
    gear(95, KULTTUURIESINE_Erapuukko(Kulttuuri));
    if (chance(50)) {
        Lisaa_Esine(KULTTUURIESINE_Jousi(Kulttuuri));
        arrows(3, 2, 7);
    }
    set_skill("BOW", spread(50, 99));
    set_skill("SWORD", spread(40, 99));
    set_skill("KNIFE", spread(40, 99));
    set_skill("SPEAR", spread(50, 99));
    c.morale1 = spread(40, 79);
    c.morale2 = spread(50, 99);
    c.morale4 = spread(30, 59);
    c.morale5 = spread(40, 79);
    c.morale6 = 100;
}

static void Synnyta_Vanhus() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 0;
    c.graphic = by_circle(1019, 1027, 1011);
    char text[80];
    snprintf(text, sizeof text, "Old %s man", Kulttuurilainen);
    for (char *p = text; *p; p++) *p = (char)tolower((unsigned char)*p);
    text[0] = (char)toupper((unsigned char)text[0]);
    set_species(text);
    pue_mies(1 + random(2), wealth_at_most(3), Kulttuuri);
    gear(50, KULTTUURIESINE_Arkipuukko(Kulttuuri));
    gear(30, KULTTUURIESINE_Eratyokalu(Kulttuuri));
    Lisaa_Arkiruoka(Kulttuuri);
    set_skill("SWORD", spread(10, 59));
    set_skill("KNIFE", spread(10, 59));
    set_skill("AXE", spread(10, 59));
    set_skill("SPEAR", spread(10, 59));
    c.familiarity = 4;
}

static void Synnyta_Parantaja() {
    CreatureStruct &c = Creature;
    Synnyta_Vanhus();
    c.role = 13;
    c.graphic = by_circle(1020, 1028, 1012);
    set_role_name(circle() == 3 ? "shaman" : "sage");
    Lisaa_Arkiruoka(Kulttuuri);
}

static void Synnyta_Ammattimies() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 0;
    c.graphic = by_circle(1013, 1021, 1005);
    set_role_name("craftsman");
    pue_mies(1 + random(2), wealth_at_most(4), Kulttuuri);
    gear(50, KULTTUURIESINE_Arkipuukko(Kulttuuri));
    c.mode = 3;
    c.attitude = c.familiarity = 4;
}

static void Synnyta_Lapsi() {
    CreatureStruct &c = Creature;
    Luorunko_Ihminen(-1);
    c.role = 15;
    c.graphic = by_circle(1015, 1023, 1007);
    set_role_name(random(2) ? "child" : "kid");
    pue_mies(0, wealth_at_most(3), Kulttuuri);
    set_face(pick_child_face());
    c.attitude = c.familiarity = 4;
    c.mode = 0;
    c.speciesweight = 30.0f;
}

// ---- spirits ----

static int spirit_culture() { return get_alltime_kulttuuri((int)Plr.world_x, (int)Plr.world_y); }

static int renamed(const char *name, const char *newname) {
    const int obj = object(name, 1);
    if (obj == 0 || TEMPLATE_BUILD) return obj;
    ItemStruct item = ObjToItem(obj);
    copy_bounded(item.name, sizeof item.name, newname);
    const int stored = Luo_Esineen_Itempos(item);
    return stored > 0 ? stored : obj;
}

void Synnyta_Metsanneito() {
    CreatureStruct &c = Creature;
    Luorunko_Haltija();
    c.culture = (uint8_t)culture_row(spirit_culture());
    set_species("Beautiful maid");
    c.graphic = by_circle(1016, 1024, 1008);
    set_face(pick_female_face());
    set_first_name("F", Plr.culture);
    addcloth_creature(c, Kengat(1, 0), 5);
    addcloth_creature(c, Alusmekko(1, 0), 5);
    addcloth_creature(c, Paallysmekko(1, 0), 5);
    addcloth_creature(c, Pikkuasuste(1), 5);
    c.role = 14;
}

void Synnyta_Vedenhaltija() {
    CreatureStruct &c = Creature;
    Luorunko_Haltija();
    c.culture = (uint8_t)culture_row(spirit_culture());
    set_species(random(2) ? "Man with long black hair" : "Long-bearded old man");
    c.graphic = 1027;
    copy_bounded(c.tilename, sizeof c.tilename, "npc-wtrman");
    if (chance(30)) Lisaa_Vaate(renamed("Linen shirt", "Lake reed shirt"));
    if (chance(30)) Lisaa_Vaate(renamed("Linen trousers", "Grass trousers"));
    if (chance(30)) Lisaa_Vaate(renamed("Leather cap", "Fish leather cap"));
    static const char *const fish[4] = {"Pike", "Perch", "Roach", "Bream"};
    for (const char *f : fish)
        if (chance(15)) {
            const int count = 1 + random(3);   // the count is drawn before the thing
            Lisaa_Usea_Esine(object(f, 1), count);
        }
}

void Synnyta_Metsanhaltija() {
    CreatureStruct &c = Creature;
    Luorunko_Haltija();
    c.culture = (uint8_t)culture_row(spirit_culture());
    set_species(random(2) ? "Old man with long grey beard" : "Long grey bearded old man");
    c.graphic = 1027;
    copy_bounded(c.tilename, sizeof c.tilename, "npc-forspr");
    Lisaa_Vaate(renamed("Fur overcoat", "Tree lichen overcoat"));
    Lisaa_Vaate(renamed("Linen trousers", "Moss trousers"));
    Lisaa_Vaate(renamed("Leather cap", "Grey hat"));
}

// ---- the entry ----

int Luo_Olento(int code) {
    if (!FLEXIBLE_ANIMAL_BIRTH) AnimalTags[0] = 0;
    choose_culture();
    reset_creature();
    switch (code) {
    case 500: Synnyta_Njerpez(); break;
    case 510: Synnyta_ForeignTrader(); break;
    case 520: Synnyta_Emanta(); break;
    case 530: Synnyta_Kylalainen(); break;
    case 540: Synnyta_Eramies(); break;
    case 550: Synnyta_Seikkailija(); break;
    case 551: Synnyta_Rosvo(); break;
    case 560: Synnyta_Vanhus(); break;
    case 570: Synnyta_Parantaja(); break;
    case 580: Synnyta_Ammattimies(); break;
    case 590: Synnyta_Lapsi(); break;
    case 700: Synnyta_Metsanneito(); break;
    case 701: Synnyta_Vedenhaltija(); break;
    case 702: Synnyta_Metsanhaltija(); break;
    default: build_species(code); break;
    }
    CreatureStruct &c = Creature;
    c.speciescode = (uint32_t)code;
    for (int k = 0; k < CULTURE_COUNT; k++) {
        if (StrMatch_Kulttuuri(cultPELTtags, k)) c.peltcultures |= (uint16_t)(1u << k);
        if (StrMatch_Kulttuuri(cultGAMEtags, k)) c.gamecultures |= (uint16_t)(1u << k);
        if (StrMatch_Kulttuuri(cultDOMESTICtags, k)) c.domesticcultures |= (uint16_t)(1u << k);
    }
    Viimeistele_Olento();
    return c.food;
}

void synnyta_IHMISOLENTO(CreatureStruct &out, int code, int culture, int community) {
    FLEXIBLE_BIRTH = 1;
    Kulttuuri = culture;
    Luo_Olento(code);
    if (community > 0) Creature.community = (uint32_t)community;
    FLEXIBLE_BIRTH = 0;
    flexCr = Creature;
    out = flexCr;
}

void Luo_ElainOlento(CreatureStruct &out, int code, const char *tags) {
    FLEXIBLE_ANIMAL_BIRTH = 1;
    copy_bounded(AnimalTags, sizeof AnimalTags, tags ? tags : "");
    Luo_Olento(code);
    AnimalTags[0] = 0;
    FLEXIBLE_ANIMAL_BIRTH = 0;
    flexCr = Creature;
    out = flexCr;
}

// ---- the encounter draw ----

const uint32_t Kohtaamistaulukko[KOHTAAMIS_ROWS][4] = {
    {605, 3, 2, 3}, {613, 1, 0, 0}, {614, 1, 0, 0}, {608, 2, 3, 3}, {611, 2, 1, 2}, {660, 5, 4, 1},
    {660, 5, 4, 1}, {604, 9, 9, 9}, {600, 7, 6, 7}, {601, 6, 5, 5}, {622, 2, 3, 1}, {623, 4, 4, 1},
    {602, 2, 1, 3}, {620, 4, 6, 7}, {628, 8, 6, 6}, {632, 6, 6, 6}, {629, 7, 7, 7}, {630, 8, 7, 7},
    {631, 7, 6, 5}, {612, 4, 3, 4}, {625, 3, 3, 3}, {627, 1, 2, 1}, {626, 3, 2, 2}, {624, 5, 4, 3},
    {603, 2, 0, 5}, {510, 2, 3, 1}, {550, 3, 3, 2}, {540, 3, 1, 3},
};

// A world cell on a small piece of land: the island test answers 1 to 15 there.
static bool on_island(int x, int y) {
    const int land = isokartta_saari(x, y);
    return land >= 1 && land < 16;
}

int Arvo_Olento(int terrain, int x, int y, int filter) {
    const int column = terrain == 2 ? 2 : terrain == 3 ? 3 : 1;
    const int t = random(9);
    int candidates[KOHTAAMIS_ROWS], n = 0;
    const CreatureStruct saved = Creature;
    int codes[KOHTAAMIS_ROWS], kills[KOHTAAMIS_ROWS], plenty[KOHTAAMIS_ROWS];
    for (int r = 0; r < KOHTAAMIS_ROWS; r++) codes[r] = (int)Kohtaamistaulukko[r][0];
    LueExtraMarkerit(x, y, codes, KOHTAAMIS_ROWS, kills, plenty);
    for (int r = 0; r < KOHTAAMIS_ROWS; r++) {
        const auto &row = Kohtaamistaulukko[r];
        const int code = (int)row[0];
        int p = (int)row[column] - kills[r];
        if (p < 0) p = 0;
        p += plenty[r];
        bool take;
        if (filter == 1) take = code == SPECIES_GLUTTON || code == SPECIES_BEAR || code == SPECIES_LYNX || code == SPECIES_WOLF;
        else {
            take = t < p;
            if (filter == 2 && (code == SPECIES_RAIDER || code == SPECIES_FOREIGN_TRADER || code == SPECIES_WOODSMAN ||
                                 code == SPECIES_ADVENTURER || code == SPECIES_ROBBER)) take = false;
            if (take && filter == 3) {
                get_defined(code, 0);
                take = onko_NPC_lintu(CRE_PLAYER) != 0;
            }
        }
        if (!take) continue;
        get_defined(code, 0);
        const CreatureStruct &c = Creature;
        if (c.firstmonth != 0 && (Plr.month < c.firstmonth || Plr.month > c.lastmonth)) continue;
        if (c.habitat != 0) {
            if (!Onko_Reviiri(x, y, (int)c.habitat)) continue;
        } else if (on_island(x, y)) {
            continue;
        }
        candidates[n++] = code;
    }
    Creature = saved;
    if (n == 0) return 0;
    if (n == 1) edellinen_kohtaaminen = 0;
    int pick = candidates[random(n)];
    for (int tries = 0; pick == edellinen_kohtaaminen && tries < 100; tries++) pick = candidates[random(n)];
    edellinen_kohtaaminen = pick;
    return pick;
}

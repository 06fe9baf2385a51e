// src/maps/kulttuuri_nimet.cpp -- place names: each block of the world gets a two-part name, native
// and English, drawn from lists of first and last parts by the kind of land the block holds.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "base/ownlib.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/notelink.h"

uint16_t nimikartta[BLOCK_COUNT];
char alkunimilista[256][16], en_alkunimilista[256][16];
char loppunimilista[256][16], en_loppunimilista[256][16];
char omatnimet[255][32];
uint16_t omanimicount;
char areaname[32];

namespace {
struct NamePart {
    const char *native, *english;
};
// First parts: native and English, ISO 8859-1 bytes.
static const NamePart FIRST_PARTS[256] = {
    {"Avo", "Open_"},
    {"Siika", "Whitefish_"},
    {"Hauki", "Pike_"},
    {"Matikka", "Burbot_"},
    {"Ahven", "Perch_"},
    {"Lohi", "Salmon_"},
    {"Ahdin", "Ahti's_"},
    {"Tuura", "Ice pick_"},
    {"N\344kin", "N\344kki's_"},
    {"Soutu", "Rowing_"},
    {"Sesta", "Sesta"},
    {"Raakku", "Mussel_"},
    {"Syv\344", "Deep_"},
    {"Matala", "Shallow_"},
    {"Kuohu", "Foam_"},
    {"Tippu", "Fall_"},
    {"Verkko", "Net_"},
    {"Rys\344", "Trappin'_"},
    {"Ruona", "Catching_"},
    {"Ruuhi", "Punt_"},
    {"Rauta", "Iron"},
    {"Vaski", "Bronze"},
    {"Ruoste", "Rust"},
    {"Musta", "Black"},
    {"Valkia", "White"},
    {"Pisto", "Point"},
    {"Miekka", "Sword"},
    {"Malmi", "Ore"},
    {"Malmi", "Ore"},
    {"Miilu", "Kiln"},
    {"Terva", "Tar"},
    {"Tervas", "Tar"},
    {"Piki", "Pitch"},
    {"Puula", "Woody"},
    {"Kannos", "Fallen"},
    {"Kanto", "Stump"},
    {"K\344\344nt\366", "Turning_"},
    {"Taival", "Passage"},
    {"Lepo", "Rest"},
    {"Nukkuma", "Sleeping"},
    {"Tuutima", "Lulling"},
    {"Uni", "Dream"},
    {"Y\366", "Night"},
    {"Sy\366m\344", "Munch"},
    {"Velli", "Gruel"},
    {"Puoli", "Half"},
    {"Pala", "Piece"},
    {"Nuokku", "Nod"},
    {"Kutu", "Spawning_"},
    {"Naima", "Marry"},
    {"Juupa", "Juupa"},
    {"\304ij\366n", "\304ij\366's_"},
    {"Iso", "Big_"},
    {"Hirmu", "Huge_"},
    {"Suur", "Great_"},
    {"Ukon", "Old man's_"},
    {"Akan", "Wive's_"},
    {"Kauko", "Far"},
    {"Kova", "Hard"},
    {"Kipu", "Pain"},
    {"Surma", "Slaughter_"},
    {"Murhi", "Murder_"},
    {"Tappo", "Killing_"},
    {"Veri", "Blood_"},
    {"Hurme", "Gore_"},
    {"Sota", "War"},
    {"Ly\366m\344", "Beating_"},
    {"Nyrkki", "Fist"},
    {"Kaha", "Quarrel_"},
    {"Raito", "Striped_"},
    {"Tuuli", "Windy"},
    {"Viima", "Draught"},
    {"Tyyni", "Calm"},
    {"Tyynys", "Pacific_"},
    {"Suoja", "Safe"},
    {"Usva", "Fog"},
    {"Usvi", "Misty"},
    {"Kilo", "Sunny"},
    {"P\344iv\344", "Day"},
    {"Suvi", "Summer"},
    {"Terhen", "Misty"},
    {"P\344iv\366", "Sun"},
    {"Pyry", "Blizzard"},
    {"Vihma", "Drizzle"},
    {"Vihmo", "Drizzly"},
    {"Myrsky", "Storm"},
    {"Myrryn", "Storm's"},
    {"Tuisku", "Whirl"},
    {"Pilvi", "Cloud"},
    {"Kumo", "Noisy"},
    {"Lurun", "Luru's_"},
    {"Appo", "Gaping"},
    {"Juuku", "Still"},
    {"Hitu", "Flake"},
    {"Keski", "Middle_"},
    {"Pahto", "Cliffen"},
    {"Toppo", "Quilt"},
    {"Kailo", "Holler"},
    {"Lappa", "Packing"},
    {"Varho", "Upright_"},
    {"Muku", "Boulder"},
    {"Mukku", "Bouldery"},
    {"Pata", "Pot"},
    {"\304mmin", "Wife's_"},
    {"Vito", "Scutch"},
    {"P\344nn\344", "Moron"},
    {"Mutti", "Block"},
    {"\304yr\344", "Slopen"},
    {"Ruma", "Ugly"},
    {"Siku", "Sweet"},
    {"Hiisi", "Hiisi"},
    {"Louhi", "Louhi"},
    {"Hiiden", "Hiisi's_"},
    {"Louhen", "Louhi's_"},
    {"Pyh\344", "Sacred_"},
    {"Hiito", "Hiito"},
    {"Hiton", "Darn"},
    {"Siita", "Holy_"},
    {"Kaalo", "Troll"},
    {"Pyhin", "Hallowin'_"},
    {"Paasi", "Boulder_"},
    {"Noitu", "Spell"},
    {"Elon", "Crop"},
    {"Pirun", "Damn"},
    {"Pahin", "Bad"},
    {"Pelon", "Fear"},
    {"Jumin", "Jumi's_"},
    {"Noijun", "Spellin'_"},
    {"Julma", "Cruel"},
    {"V\344ki", "Force"},
    {"Kivi", "Stone"},
    {"Pisan", "Pisa's_"},
    {"Laavu", "Shelter"},
    {"Roisto", "Robber"},
    {"Hyv\344", "Good"},
    {"Hyv\366s", "Goodish"},
    {"Niini", "Bast"},
    {"Hintan", "Hintta's_"},
    {"Santa", "Sand"},
    {"Heimon", "Heimo's_"},
    {"Ulmin", "Ulmi's_"},
    {"Kivis", "Stonish_"},
    {"Harmo", "Grey"},
    {"Per\344", "Rear"},
    {"Pers", "Rump"},
    {"P\344rrin", "Hissing_"},
    {"Murto", "Break"},
    {"K\344p\344l\344", "Paw"},
    {"Nappi", "Button"},
    {"Kiuru", "Lark"},
    {"Rasin", "Rasi"},
    {"Kurun", "Gorge"},
    {"Kustu", "Slashed_"},
    {"Hallin", "Hound's_"},
    {"Kirrin", "Kirri's_"},
    {"Neidon", "Maiden's_"},
    {"Niska", "Neck"},
    {"Tukka", "Hair"},
    {"Parta", "Beard"},
    {"L\344pi", "Hole"},
    {"Jousi", "Bow"},
    {"Jouhi", "Horsehair_"},
    {"Hevon", "Horse's_"},
    {"Ori", "Stallion_"},
    {"Tammain", "Mares_"},
    {"Hummas", "Horsie"},
    {"Hummain", "Horses_"},
    {"Art", "Art"},
    {"Aito", "True"},
    {"Otra", "Barley_"},
    {"Otrin", "Barley's_"},
    {"Kaura", "Oat_"},
    {"Kauri", "Oats_"},
    {"Pahna", "Straw"},
    {"Kako", "Daft_"},
    {"K\344si", "Hand_"},
    {"Pula", "Trouble_"},
    {"Liina", "Linen"},
    {"Kimo", "Grey"},
    {"Kato", "Loss"},
    {"Jyv\344s", "Grain"},
    {"Makkara", "Sausage_"},
    {"Kaisan", "Kaisa's_"},
    {"Raja", "Border"},
    {"Raato", "Carcass_"},
    {"Kalmo", "Death"},
    {"Kuono", "Snout"},
    {"K\344mmen", "Palm"},
    {"Mutka", "Curve"},
    {"Oivan", "Oiva's_"},
    {"Uhtu", "Thread_"},
    {"Juan", "Mixed"},
    {"Karttu", "Club"},
    {"Tervon", "Tervo's_"},
    {"Vanhan", "Old one's_"},
    {"Unho", "Oblivion_"},
    {"Pertun", "Perttu's_"},
    {"Enon", "Uncle's_"},
    {"Pieli", "Post"},
    {"Panka", "Pine"},
    {"Mullin", "Bullock's_"},
    {"Lehmin", "Cow"},
    {"Lampo", "Sheep"},
    {"Pasko", "Shitty_"},
    {"Pehku", "Litter"},
    {"Huhti", "Spring"},
    {"Huhta", "Conifer_"},
    {"Haka", "Pasture_"},
    {"Karku", "Flee_"},
    {"Miehi", "Men"},
    {"Visa", "Birch"},
    {"Vihta", "Whisk"},
    {"Vesa", "Sprout"},
    {"Mesi", "Honey"},
    {"Sima", "Mead"},
    {"Ruma", "Ugly"},
    {"Kallo", "Skull"},
    {"Hirtto", "Hanging"},
    {"Hopsun", "Hopsu's_"},
    {"Lorun", "Loru's_"},
    {"Kolun", "Kolu's_"},
    {"Hyhkyn", "Hyhky's_"},
    {"Hirvas", "Stag"},
    {"Penin", "Hound's_"},
    {"Riista", "Game"},
    {"Saama", "Gain"},
    {"Tapion", "Tapio's_"},
    {"Sini", "Blue_"},
    {"Kopsun", "Knocken"},
    {"Kirves", "Axe"},
    {"Kuusi", "Spruce"},
    {"M\344nty", "Pine"},
    {"Lepp\344", "Alder"},
    {"Kataja", "Juniper"},
    {"Pihlaja", "Rowan"},
    {"Haapa", "Aspen"},
    {"N\344re", "Fir"},
    {"Kelo", "Dead-tree_"},
    {"Pet\344j\344", "Pine"},
    {"Honka", "Pine"},
    {"Riuku", "Pole"},
    {"Risu", "Twig"},
    {"Paju", "Willow"},
    {"Koivu", "Birch"},
    {"Kukkais", "Flower"},
    {"Hako", "Conifer"},
    {"Hirvi", "Elk"},
    {"Karhu", "Bear"},
    {"Kettu", "Fox"},
    {"Ilves", "Lynx"},
    {"M\344yr\344", "Badger"},
    {"Hukan", "Wolf's_"},
    {"Oravin", "Squirrel"},
    {"Revon", "Fox"},
    {"Kontio", "Bruin"},
    {"Peura", "Deer"},
};

// Last parts by index; the other slots stay empty.
static const struct { int index; NamePart part; } LAST_PARTS[] = {
    {0, {"meri", "_sea"}},
    {1, {"vesi", "_water"}},
    {2, {"selk\344", "wide"}},
    {3, {"j\344rvi", "_lake"}},
    {4, {"koski", "_rapid"}},
    {5, {"kosket", "_rapids"}},
    {6, {"virta", "_stream"}},
    {7, {"vuolle", "_flow"}},
    {8, {"ranta", "shore"}},
    {9, {"per\344", "rear"}},
    {10, {"pohja", "bottom"}},
    {11, {"lahti", "cove"}},
    {12, {"salmi", "strait"}},
    {13, {"saaret", "islands"}},
    {14, {"kallio", "cliff"}},
    {15, {"niemi", "_peninsula"}},
    {16, {"aapa", "open"}},
    {17, {"neva", "bog"}},
    {18, {"letto", "fen"}},
    {19, {"suo", "swamp"}},
    {20, {"rahka", "peat"}},
    {21, {"r\344me", "marsh"}},
    {32, {"mets\344", "_forest"}},
    {33, {"mett\344", "wood"}},
    {34, {"maa", "land"}},
    {35, {"korpi", "mire"}},
    {36, {"laaja", "wide"}},
    {37, {"kolkka", "_corner"}},
    {38, {"kangas", "_heath"}},
    {39, {"er\344", "_wild"}},
    {40, {"reitti", "_trail"}},
    {41, {"taival", "_passage"}},
    {42, {"salo", "_wilds"}},
    {60, {"m\344ki", "hill"}},
    {61, {"p\344\344", "head"}},
    {62, {"tunturi", "fjeld"}},
    {63, {"vaara", "fell"}},
    {64, {"jyrkk\344", "steep"}},
    {65, {"kunnas", "mound"}},
    {66, {"kumpu", "hillock"}},
    {67, {"laet", "summits"}},
    {68, {"nousu", "climb"}},
    {69, {"niska", "neck"}},
    {70, {"rinne", "slope"}},
    {80, {"kallio", "cliff"}},
    {81, {"vuori", "_mountain"}},
    {82, {"huippu", "top"}},
    {83, {"vuoret", "_mountains"}},
    {84, {"nousu", "climb"}},
    {85, {"otsa", "front"}},
    {86, {"p\344\344", "head"}},
    {87, {"laki", "_summit"}},
    {88, {"nuppi", "point"}},
    {89, {"k\344rki", "tip"}},
    {90, {"naula", "nail"}},
};
}  // namespace

static void an(int i, const char *native, const char *english) {
    copy_bounded(alkunimilista[i], sizeof alkunimilista[i], native);
    copy_bounded(en_alkunimilista[i], sizeof en_alkunimilista[i], english[0] ? english : native);
}

static void ln(int i, const char *native, const char *english) {
    copy_bounded(loppunimilista[i], sizeof loppunimilista[i], native);
    copy_bounded(en_loppunimilista[i], sizeof en_loppunimilista[i], english);
}

void alustanimilistat() {
    memset(alkunimilista, 0, sizeof alkunimilista);
    memset(en_alkunimilista, 0, sizeof en_alkunimilista);
    memset(loppunimilista, 0, sizeof loppunimilista);
    memset(en_loppunimilista, 0, sizeof en_loppunimilista);
    for (auto &own : omatnimet) copy_bounded(own, sizeof own, "JOKUMAA");
    omanimicount = 0;
    for (int i = 0; i < 256; i++) an(i, FIRST_PARTS[i].native, FIRST_PARTS[i].english);
    for (const auto &l : LAST_PARTS) ln(l.index, l.part.native, l.part.english);
}

int VH_rnd(int n) { return n > 0 ? rand() % n : 0; }

int get_mualimachar(int x, int y) { return in_grid(x, y) ? maailma[mapidx(x, y)] : 0; }

int nimearuutu(int bx, int by) {
    int s = 0, w = 0, m = 0, k = 0, h = 0, t = 0;
    for (int y = by * 32; y < by * 32 + 32; y++)
        for (int x = bx * 32; x < bx * 32 + 32; x++) switch (get_mualimachar(x, y)) {
            case 180: s++; break;
            case 181: case 182: case 183: case 247: w++; break;
            case 233: case 236: m++; break;
            case 177: k++; break;
            case 91: h++; break;
            case 94: t++; break;
            default: break;
            }
    int first, last;
    const int r1 = rand(), r2 = rand();
    if (s > 800) {
        first = rand() % 199;
        last = rand() % 2;
    } else {
        first = r1 % 235 + 20;
        last = r2 % 10 + 32;
    }
    if (s > 400 || w > 400) {
        const int r4 = rand(), r5 = rand();
        int first2, last2;
        if (w < 851) {
            first2 = r4 % 199;
            last2 = r5 % 7 + 8;
        } else {
            first2 = rand() % 199;
            last2 = rand() % 3;
        }
        if (s == 1024) first = last = 0;          // open sea
        else {
            first = first2;
            last = last2;
        }
    }
    if (m > 512) {
        const int r7 = rand();
        last = rand() % 5 + 16;
        first = r7 % 235 + 20;
    }
    if (k > 0) {
        const int r8 = rand(), r9 = rand();
        last = r9 % 3 + 4;
        first = r8 % 254 + 1;
    }
    if (h > 4) {
        const int r10 = rand();
        last = rand() % 10 + 60;
        first = r10 % 235 + 20;
    }
    if (t > 2) {
        const int r11 = rand();
        last = rand() % 10 + 80;
        first = r11 % 235 + 20;
    }
    return first + 256 * last;
}

void nimeakartta() {
    for (int by = 0; by < BLOCKS_H; by++)
        for (int bx = 0; bx < BLOCKS_W; bx++) nimikartta[by * BLOCKS_W + bx] = (uint16_t)nimearuutu(bx, by);
}

int tallenna_nimet(const char *folder) {
    char path[1200];
    snprintf(path, sizeof path, "%s/names.dat", folder);
    uint8_t bytes[BLOCK_COUNT * 2];
    for (int i = 0; i < BLOCK_COUNT; i++) {
        bytes[2 * i] = (uint8_t)(nimikartta[i] & 0xff);
        bytes[2 * i + 1] = (uint8_t)(nimikartta[i] >> 8);
    }
    return write_atomic(path, bytes, sizeof bytes) ? 1 : 0;
}

void luo_nimet(const char *folder) {
    srand((unsigned)time(nullptr));
    alustanimilistat();
    nimeakartta();
    if (!tallenna_nimet(folder)) map_debuglog("_system", "names.dat couldn't be written");
}

void lataa_nimet(const char *folder) {
    char path[1200];
    snprintf(path, sizeof path, "%s/names.dat", folder);
    // Nothing of the names read before stays: they were another character's world.
    memset(nimikartta, 0, sizeof nimikartta);
    if (!own_isfile(path)) return;
    static uint8_t bytes[BLOCK_COUNT * 2];
    if (!read_exact(path, bytes, sizeof bytes)) {
        map_debuglog("_system", "names.dat is damaged (short)");
        return;
    }
    for (int i = 0; i < BLOCK_COUNT; i++) nimikartta[i] = (uint16_t)(bytes[2 * i] | bytes[2 * i + 1] << 8);
}

char *get_areaname(int x, int y, int english, char *out) {
    if (!in_grid(x, y)) {
        copy_bounded(areaname, sizeof areaname, "  ");
    } else {
        const uint16_t v = nimikartta[(y >> 5) * BLOCKS_W + (x >> 5)];
        if ((v & 0x8000) && (v & 0x7fff) < omanimicount && (v & 0x7fff) < 255) {
            copy_bounded(areaname, sizeof areaname, omatnimet[v & 0x7fff]);
        } else {
            // A name value pointing past the own names made gives the generated name.
            const int first = v & 0xff, last = (v >> 8) & 0x7f;
            char name[64];
            if (!english) {
                snprintf(name, sizeof name, "%s%s", alkunimilista[first], loppunimilista[last]);
            } else {
                char head[17];
                copy_bounded(head, sizeof head, en_alkunimilista[first]);
                const char *tail = en_loppunimilista[last];
                const size_t n = strlen(head);
                if (n && head[n - 1] == '_') {
                    head[n - 1] = ' ';
                    if (tail[0] == '_') tail++;
                    snprintf(name, sizeof name, "%s%s", head, tail);
                } else if (tail[0] == '_') {
                    snprintf(name, sizeof name, "%s %s", head, tail + 1);
                } else {
                    snprintf(name, sizeof name, "%s%s", head, tail);
                }
            }
            copy_bounded(areaname, sizeof areaname, name);
        }
    }
    if (out) copy_bounded(out, sizeof areaname, areaname);
    return areaname;
}

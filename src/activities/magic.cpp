// src/activities/magic.cpp -- the magic means: the fixed table of the 25 means, what the player knows
// of them, random teaching, the spell marks, the bear skull, the lynx feather and the release from
// the forest cover; and from the magic page the general sacrifice and the three incantations.
#include "activities/magic.h"

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/spirits.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/ui.h"
#include "core/crefunc.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/bodyrec.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/materials.h"
#include "items/vessels.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"


enum {
    TASK_SPELL = 11,
    SF_FOREST_COVER = 0x80, SF_MAGIC_BURDEN = 0x400,
    CH_LONE_PINE = 18, CH_ANT_NEST = 29, CH_SPRUCE_A = 12, CH_SPRUCE_B = 13,
    TRACK_FIRST_ESCAPE = 2,
    SPOILED = 255,
    MARK_WATER_FOOD = 8,
    COVER_TRACK_GAP = 30,          // minutes between the burning track and the freshest other one
    MAX_PICKS = 10,
};

// ---- the means -----------------------------------------------------------------------------------

namespace {
struct MeansRow {
    int number;
    uint8_t klass, instant, never_random;
    const char *title, *desc;
};
}  // namespace

static const MeansRow MEANS[] = {
    {9, 50, 1, 0, "general sacrifice",
     "All-round way to sacrifice something in order to please or thank the spirits and otherworldy beings in "
     "various occasions."},
    {10, 1, 0, 1, "bear skull rite",
     "After the bear is brought down its skull eventually needs to be placed to hang in a big lone pine-tree. That "
     "completes the hunting and burial ceremony and assures proper circulation of the bear spirit."},
    {25, 1, 0, 1, "building a fire to attract forest maids",
     "Forest maids are attracted to come at nighttime campfires in remote forests of spruce and moss by lighting "
     "the fire with seven spruce twigs in there along with good pile of other firewood. Sleep on the moss by such "
     "fire and they may appear."},
    {40, 50, 0, 0, "bear trapping",
     "When deadfall trap is made for a bear you should then set the meat bait there completely naked. Then the "
     "bear gets in there nicely."},
    {60, 50, 0, 0, "making a squirrel stay still in a tree",
     "Turn around and kick a tree with your heel and the squirrel will then stay still in there, even if it would "
     "have been jumping around a lot earlier."},
    {70, 50, 0, 0, "preventing a lynx from escaping",
     "Have a capercaillie feather with you when chasing a lynx. The feather is then put on lynx tracks from where "
     "it first fled, on its very first escaping tracks. That way the lynx is made burdened and soon to fatigue."},
    {80, 50, 0, 0, "fox trap favorableness",
     "To make a fox trap favourable leave it laying at doorstep of a building where womenfolk will get to walk "
     "over it."},
    {82, 50, 0, 0, "making foxes to come at the bait",
     "Baiting a fox-trap at your hunting grounds should be done just around sunset."},
    {89, 50, 0, 0, "loop snare preparations",
     "Be it birds or hares you are after, the loop snares you are about to use are made favorable by leaving them "
     "in an ant nest for three nights, and only then picked up and set for a catch."},
    {90, 50, 0, 0, "setting snares for hares",
     "Loop snares for hares shouldn't be set barehanded but you should always wear mittens, and preferably "
     "woollen mittens."},
    {93, 50, 0, 0, "carrying bear teeth to find hares and birds",
     "Bear is a great hunter who always finds its prey, and hunters who carry bear teeth with them can come "
     "across hares and game birds as they please."},
    {94, 50, 0, 0, "mittens for bear hunting",
     "Bear hunter's mittens shouldn't be made of whatever material. It is the dog fur mittens you should wear in "
     "order to have your weapons to be effective and cut the bear good."},
    {100, 100, 0, 1, "felling tree for a punt",
     "Tree for a punt should be felled when it's raining. Carving a punt out of such a trunk makes it good and "
     "fortunate one."},
    {110, 100, 0, 0, "rod fisherman's sacrifice",
     "The very first fish of the spring that you catch with a fishing rod in open water season should be thrown "
     "back into the water to please the spirit of the water and assure your future fishing luck."},
    {111, 100, 0, 1, "fisherman's springtime sacrifice",
     "When first fish of the spring are caught out at a lake in open water season, make a fish soup or boil them "
     "right after returning on shore. When it's cooked, go away from the pot so that the spirit of the water can "
     "have the first taste."},
    {115, 100, 0, 0, "gaining fisherman's luck",
     "You get a good catch if you step in the punt backwards and launch it in the water backwards."},
    {120, 100, 0, 0, "net favorableness", "Let your sheep run over your net and it will then be a fortunate one."},
    {130, 100, 0, 0, "going rod fishing",
     "When going rod fishing you should first throw the fishing rod into the water, and then you have a good "
     "fishing luck."},
    {135, 100, 0, 1, "meeting the water folk",
     "To get to see spirits of the water you should go stand naked on a rock in the water at night. It must be a "
     "single rock or skerry, completely surrounded by water, and the water folk may gather around it at "
     "midnight."},
    {160, 50, 0, 1, "making a bird thief to confess",
     "Bird thief will come confess if you take three feathers that have remained from the stolen bird and throw "
     "them into heated sauna stove after the fire has burnt out. You can also throw the feathers into remains of "
     "burnt-out fire which was made on base rock."},
    {180, 50, 1, 0, "blood-stanching incantation", "Incantation to stop the wounds from bleeding."},
    {190, 50, 0, 1, "meeting the spirit of the forest",
     "The spirit of the forest can be met and addressed by sacrificing silver at an ant nest. You do it alone at "
     "night, and then wait for the spirit to arrive. Do not fear and he may speak and show himself to you before "
     "dawn."},
    {192, 50, 1, 1, "persuading the forest with a bread",
     "The forest can be persuaded to not to hide its thingies when going hunting. It is done by carrying a bread "
     "with you which is dropped and left at a spruce on a hill or cliff, and then this specific incantation is "
     "casted."},
    {200, 50, 1, 0, "greeting the earth upon going to sleep",
     "Incantation to greet earth dwellers and underground creatures upon sleeping on the ground at unfamiliar "
     "terrain. Performed to assure good night sleep and to avoid being harmed by the possibly angered "
     "underground folk."},
    {225, 1, 0, 1, "releasing animal from the forest cover",
     "Cut twigs from a living spruce tree and set them burning on the most fresh tracks of the missing animal you "
     "can find."},
};

static const MeansRow *means_row(int n) {
    for (const MeansRow &m : MEANS)
        if (m.number == n) return &m;
    return nullptr;
}

TaikakeinoStruct taikakeinoS(int n) {
    TaikakeinoStruct t{};
    t.number = n;
    t.klass = MEANS_CLASS_FOREST;
    t.title = "";
    for (const char *&d : t.desc) d = "";
    if (const MeansRow *m = means_row(n)) {
        t.klass = m->klass;
        t.aspects = 1;
        t.instant = m->instant;
        t.never_random = m->never_random;
        t.title = m->title;
        t.desc[0] = m->desc;
    }
    return t;
}

int taikakeino_instant(int n) { return taikakeinoS(n).instant; }

const char *taikakeino_title(int n) {
    char *b = sbuf();
    copy_bounded(b, 81, taikakeinoS(n).title);
    return b;
}

const char *taikakeino_desc(int n, int k) {
    char *b = sbuf();
    copy_bounded(b, SBUF_SIZE, k >= 0 && k <= 4 ? taikakeinoS(n).desc[k] : "");
    return b;
}

// ---- what the player knows -----------------------------------------------------------------------


// The random pick over a record's knowledge (the player's, or a character being made).
static int pick_means(const uint8_t *known, int klass, const char *text, int &first, int &first_aspect,
                      int &second, int &second_aspect) {
    first = first_aspect = second = second_aspect = 0;
    struct Candidate {
        int n;
        unsigned aspects;
    };
    Candidate cand[256];
    int count = 0;
    for (int n = 0; n < 256; n++) {
        const TaikakeinoStruct t = taikakeinoS(n);
        if ((klass != 0 && t.klass != klass) || t.never_random || t.aspects == 0) continue;
        unsigned set = 0;
        for (int k = 0; k < t.aspects && k < MEANS_KNOWN_BITS; k++) {
            if (n < MEANS_STORED && ((known[n] >> k) & 1)) continue;
            char tag[24];
            snprintf(tag, sizeof tag, "[%d.%d]", n, k);
            if (text && strstr(text, tag)) continue;
            set |= 1u << k;
        }
        if (set) cand[count++] = {n, set};
    }
    if (count == 0) return 0;
    struct Pick {
        int n, k;
    };
    Pick picks[MAX_PICKS];
    int picked = 0;
    for (int tries = 0; tries < MAX_PICKS; tries++) {
        const Candidate &c = cand[random(count)];
        const int a = random(5);
        int k = -1;
        for (int step = 0; step < 5 && k < 0; step++)
            if (c.aspects & (1u << ((a + step) % 5))) k = (a + step) % 5;
        if (k < 0) continue;
        bool seen = false;
        for (int i = 0; i < picked; i++) seen = seen || (picks[i].n == c.n && picks[i].k == k);
        if (!seen) picks[picked++] = {c.n, k};
    }
    if (picked > 0) first = picks[0].n, first_aspect = picks[0].k;
    if (picked > 1) second = picks[1].n, second_aspect = picks[1].k;
    return picked;
}

int arvo_taikakeino(int klass, const char *text, int &first, int &first_aspect, int &second,
                    int &second_aspect) {
    return pick_means(magic_knowledge(Plr), klass, text, first, first_aspect, second, second_aspect);
}

void opi_rnd_taikakeino(int klass) {
    int n, k, n2, k2;
    if (arvo_taikakeino(klass, nullptr, n, k, n2, k2) > 0) opi_taikakeino(n, k);
}

void teach_starting_means(PlayerStruct &p, int culture) {
    uint8_t *known = magic_knowledge(p);
    known[MEANS_BEAR_SKULL] |= 1;
    known[MEANS_SACRIFICE] |= 1;
    // The classes of the two drawn by culture: hunters' peoples draw forest means, fishers' water.
    int a = MEANS_CLASS_FOREST, b = MEANS_CLASS_FOREST;
    switch (culture) {
    case 1: case 4: case 6: case 7: b = MEANS_CLASS_WATER; break;
    case 2: a = MEANS_CLASS_WATER; break;
    case 5: case 9: a = b = MEANS_CLASS_WATER; break;
    default: break;
    }
    for (int klass : {a, b}) {
        int n, k, n2, k2;
        if (pick_means(known, klass, nullptr, n, k, n2, k2) > 0) known[n] |= (uint8_t)(1u << k);
    }
}

// ---- spell marks ---------------------------------------------------------------------------------


// ---- the bear skull ------------------------------------------------------------------------------


static bool item_record_at(const DataStruct &d, int x, int y) { return d.type == DT_ITEM && d.x == x && d.y == y; }

// ---- the forest cover ----------------------------------------------------------------------------

int taikatarkistus_metsanpeittonuotio(int x, int y) {
    const DataStruct *burning = nullptr;
    for (const DataStruct &d : Data)
        if (d.type == DT_TRACKS && d.x == x && d.y == y && d.ready_minute != 0) {
            burning = &d;
            break;
        }
    if (!burning) return 0;
    const unsigned sotu = burning->ready_minute;
    // The animal by its social id: a slot of the map may hold it still; once she has left the place or
    // loaded a save, its record waits in the creature file.
    const int c = sotu_Crepos(sotu);
    uint32_t state = 0;
    if (c >= 0 && c < CRE_COUNT) state = Cre[c].stateflags;
    else if (CreatureStruct hidden; getsotucrstruct(hidden, sotu, 0)) state = hidden.stateflags;
    if (!(state & SF_FOREST_COVER)) return 0;
    int twigs = 0;
    for (const DataStruct &d : Data)
        if (item_record_at(d, x, y) && OnkoEsineId(ObjToItem((int)d.id), OID_SPRUCE_TWIG)) twigs++;
    if (twigs == 0) return 0;
    uint32_t latest = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_TRACKS && d.ready_minute == sotu && d.x != x && d.y != y && d.spent_minutes > latest)
            latest = d.spent_minutes;
    const int64_t gap = (int64_t)burning->spent_minutes - (int64_t)latest;
    if (gap > COVER_TRACK_GAP || gap < -COVER_TRACK_GAP) return 0;
    world_services.course_task_check(TASK_SPELL);
    return sotu_forestcover_release(sotu);
}

// ---- the magic page ------------------------------------------------------------------------------

int InvocationMenu() {
    const int n = MagicProfile(0);
    if (n == 0) return 0;
    if (taikakeino_instant(n)) {
        DoInvocation(n);
        return n;
    }
    char line[NOTE_SIZE];
    snprintf(line, sizeof line,
             "_This spell about %s is performed by following the given instructions by using the common game "
             "mechanics and actions.",
             taikakeinoS(n).title);
    Note(line);
    return 0;
}

// ---- sacrifices ----------------------------------------------------------------------------------

// What is left of a silver piece once a third of it is carved off, as an object of its own: 0 when
// nothing is left, -1 when the object table has no room for it (she is told, nothing is carved).
static int carved_rest(int obj) {
    ItemStruct it = ObjToItem(obj);
    const float third = it.fullweight / 3.0f;
    it.weight -= third;
    if (it.weight < third || third <= 0.0f) return 0;
    const int rest = Esineesta_Uniikki(it);
    return rest ? rest : -1;
}

int sacrificial(int mark) {
    if (bigmap()) {
        Note("!Sacrifices are not be performed on the wilderness map!");
        Note("_Press [ENTER] to zoom on the local terrain map if you want to sacrifice now.");
        return 0;
    }
    const int slot = selslot("What do you want to sacrifice?", "sacrifice", SEL_WRONG_TYPE,
                             invmask(IT_FOOD, IT_VALUABLE), 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto("sacrifice"));
        return 0;
    }
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return 0;
    const int obj = Plr.inv_obj[slot];
    const ItemStruct it = ObjToItem(obj);
    int spirit = SPIRIT_OF_FOREST;
    if (it.type == IT_FOOD) {
        TARGET_ITEM = obj;
        Note(MSG("SACRIFICE_ITEM"));
        if (it.id == OID_RAWFISH) {
            spirit = SPIRIT_WATER_FOLK;
            mark = MARK_WATER_FOOD;
        }
        Poista_PlrItem(slot, 1);
    } else if (it.type == IT_VALUABLE) {
        bool nest = false;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) nest = nest || get_mapchar(PlayerX + dx, PlayerY + dy) == CH_ANT_NEST;
        if (!taikakeino_tuttu(MEANS_SILVER, 0) || !nest || !(it.material & MAT_SILVER)) {
            char line[NOTE_SIZE];
            snprintf(line, sizeof line,
                     "!For some reason, this doesn't feel like the right place nor time to sacrifice the %s.",
                     ekuvaus(obj, 1, 0));
            Note(line);
            return 0;
        }
        const int rest = carved_rest(obj);
        if (rest < 0) return 0;
        char line[NOTE_SIZE];
        snprintf(line, sizeof line, "+You carve some shards of the %s into an ant nest as a sacrifice.",
                 ekuvaus(obj, 1, 0));
        Note(line);
        Poista_PlrItem(slot, 1);
        if (rest) {
            Lisaa_Jaon_Loput(rest, 1, 0, -1);   // lighter than what she held: carried however full the pack
        } else {
            snprintf(line, sizeof line, "The %s got used completely.", ekuvaus(obj, 1, 0));
            Note(line);
        }
        mark = MEANS_SILVER;
        set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, 10);
        set_SpiritData_attract(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    } else {
        return 0;   // the list offers nothing else
    }
    const int forest = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    const int water = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK);
    if (it.spoil == SPOILED) {
        set_SpiritData_mood(PlayerX, PlayerY, spirit, -1);
        Note("#You feel foolish.");
    } else if (is_SpellMark(mark)) {
        Note("#You feel a bit unsteady.");
    } else if (forest < 0 || water < 0) {
        set_SpiritData_mood(PlayerX, PlayerY, spirit, 5);
        Note("#You feel comfortable.");
    } else {
        set_SpiritData_mood(PlayerX, PlayerY, spirit, 2);
        Note("#You feel at ease.");
    }
    set_SpellMark(mark);
    world_services.course_task_check(TASK_SPELL);
    return 1;
}

// ---- incantations --------------------------------------------------------------------------------

namespace {
struct Verses {
    int means;
    const char *intro;
    const char *lines[10];
};
}  // namespace

static const Verses VERSES[] = {
    {MEANS_BLOOD, "You speak these verses to command the blood to stop from running:",
     {"Stop blood, still, blood", "stand like a wall", "be like a fence", "as a stake in the swamp",
      "like a grass in the moss"}},
    {MEANS_BREAD, "As preparing to hunt you persuade the forest with offerings and these verses:",
     {"Woods, be good to me.", "Mires, bring me favor.", "Be gracious, mighty spirit of the forest,",
      "when I enter the hunt"}},
    {MEANS_EARTH, "Before laying down to sleep you first greet the place and its spirits with these verses:",
     {"Greetings earth, and", "the dwellers underground.", "Allow me to lay here", "in good health"}},
};

static void speak_verses(int means) {
    for (const Verses &v : VERSES) {
        if (v.means != means) continue;
        char line[NOTE_SIZE];
        snprintf(line, sizeof line, "&%s", v.intro);
        Note(line);
        int last = -1;
        for (int i = 0; i < 10; i++)
            if (v.lines[i] && v.lines[i][0]) last = i;
        for (int i = 0; i <= last; i++) {
            if (!v.lines[i] || !v.lines[i][0]) continue;
            const size_t len = strlen(v.lines[i]);
            const bool stop = len && v.lines[i][len - 1] == '.';
            snprintf(line, sizeof line, ":%s%s%s%s", i == 0 ? "\"" : "", v.lines[i],
                     i == last && !stop ? "." : "", i == last ? "\"" : "");
            note(line);
        }
    }
}

// The bread left by a spruce on a hill: the first item record within one square whose name holds
// "bread"; -1 none.
static int bread_beside() {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) > 1) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        char name[sizeof it.name + 1];
        memcpy(name, it.name, sizeof it.name);
        name[sizeof it.name] = 0;
        for (char *c = name; *c; c++) *c = (char)tolower((unsigned char)*c);
        if (strstr(name, "bread")) return i;
    }
    return -1;
}

static bool bread_conditions(int &bread) {
    if (bigmap()) return false;
    const int world = get_alltime_maailmachar(kohtaIsoX(PlayerX), kohtaIsoY(PlayerY));
    if (world != 91 && world != 93) return false;
    bool spruce = false;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            const int c = get_mapchar(PlayerX + dx, PlayerY + dy);
            spruce = spruce || c == CH_SPRUCE_A || c == CH_SPRUCE_B;
        }
    bread = spruce ? bread_beside() : -1;
    return bread >= 0;
}

void DoInvocation(int n) {
    switch (n) {
    case MEANS_SACRIFICE: sacrificial(MEANS_SACRIFICE); break;
    case MEANS_BREAD: {
        int bread = -1;
        if (!bread_conditions(bread)) {
            Note("!Conditions to speak the verses of this incantation now are not quite right here.");
            return;
        }
        speak_verses(n);
        CrunchData(bread);
        if (!is_SpellMark(MEANS_BREAD)) {
            set_SpellMark(MEANS_BREAD);
            set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, 15 + random(15));
        }
        break;
    }
    case MEANS_BLOOD: {
        speak_verses(n);
        for (int s = 0; s < WOUND_SLOTS; s++) plr_bytes(PB_W_BLEEDING)[s] = 0;
        const float fatigue = plr_get<float>(PB_FATIGUE) + 10.0f;
        if (fatigue < 90.0f) plr_set<float>(PB_FATIGUE, fatigue);
        break;
    }
    case MEANS_EARTH:
        speak_verses(n);
        if (!is_SpellMark(MEANS_EARTH)) {
            set_SpellMark(MEANS_EARTH);
            set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, 3);
        }
        break;
    default: return;
    }
    Statistics();
    TurnUsed = 1;
}


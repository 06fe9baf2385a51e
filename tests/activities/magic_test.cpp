// tests/activities/magic_test.cpp -- the magic means: knowing and learning, random teaching, the
// starting means, the spell marks and the bear skull, the lynx feather; sacrifices and incantations.
#include "activity_fixture.h"
#include "../items/row_letters.h"

#include "activities/actions.h"
#include "creatures/timberwork.h"
#include "activities/activities.h"
#include "activities/magic.h"
#include "activities/spirits.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "core/player.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "worldgen/encounter.h"
#include "worldgen/kartta_main.h"

#include <vector>

namespace {

using oxatest::push_key;

enum { CH_ANT_NEST = 29, CH_LONE_PINE = 18 };

class Magic : public oxatest::ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_magic.txt");
        MSG_forget_index();
        Plr.daynumber = 100;
    }
    void TearDown() override {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ActivityTest::TearDown();
    }
    static int marks(int n) {
        int c = 0;
        for (uint32_t m : Plr.ritual_marks) c += m == (uint32_t)n;
        return c;
    }
    static int forest_mood() { return get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST); }
    // Whether the spirits keep moods in this build: a probe raised and put back.
    static bool moods_kept() {
        const int m = forest_mood();
        set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, 1);
        const bool kept = forest_mood() != m;
        if (kept) set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, -1);
        return kept;
    }
    // Chooses the pack row of `name` in the sacrifice list and sacrifices.
    int sacrifice(const char *name, int mark = MEANS_SACRIFICE) {
        note_lines_since_pause = 0;
        push_key(oxatest::carried_letter(name));   // every row is listed, the wrong kinds refused
        return sacrificial(mark);
    }
};

TEST_F(Magic, KnowledgeIsReadAndLearntOnlyWithinTheTable) {
    // Lookups out of range answer nothing and learning them leaves the record as it was; means
    // 245..255 would spill into the spirit customs and season days stored after the knowledge bytes.
    static const struct {
        int n, k;
    } refused[] = {{300, 0}, {9, 6}, {-1, 0}, {9, -1}, {245, 0}, {255, 5}, {1 << 30, 0}};
    Plr.spirit_customs = 0x01020304;
    const PlayerStruct before = Plr;
    for (const auto &r : refused) {
        EXPECT_EQ(taikakeino_tuttu(r.n, r.k), 0) << r.n << "." << r.k;
        opi_taikakeino(r.n, r.k);
        EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0) << "learning " << r.n << "." << r.k;
    }
    opi_taikakeino(40, 0);
    EXPECT_EQ(taikakeino_tuttu(40, 0), 1);
    EXPECT_EQ(taikakeino_tuttu(40, 1), 0);
    EXPECT_EQ(Plr.spirit_customs, 0x01020304u);

    // Numbers the table does not define read as nothing, however far out.
    for (int n : {11, -7, 100000}) {
        EXPECT_EQ(taikakeinoS(n).aspects, 0) << n;
        EXPECT_STREQ(taikakeino_title(n), "") << n;
        EXPECT_STREQ(taikakeino_desc(n, 0), "") << n;
    }
    EXPECT_STREQ(taikakeino_desc(9, 5), "");
}

TEST_F(Magic, RandomPicksOnlyTeachableUnknownUntaggedAspects) {
    static const struct {
        int klass;
        const char *text;
        int known;                 // a means she knows already
    } cases[] = {{0, nullptr, 9}, {MEANS_CLASS_FOREST, "[40.0] [60.0]", 82}, {MEANS_CLASS_WATER, nullptr, 110}};
    for (const auto &c : cases) {
        memset(&Plr, 0, sizeof Plr);
        opi_taikakeino(c.known, 0);
        for (unsigned seed = 1; seed <= 60; seed++) {
            srand(seed);
            int n1, k1, n2, k2;
            const int picks = arvo_taikakeino(c.klass, c.text, n1, k1, n2, k2);
            ASSERT_GE(picks, 1);
            ASSERT_LE(picks, 10);
            for (int n : {n1, n2}) {
                if (picks == 1 && n == n2) continue;
                const TaikakeinoStruct t = taikakeinoS(n);
                EXPECT_EQ(t.aspects, 1) << "undefined " << n << " picked";
                EXPECT_EQ(t.never_random, 0) << n;
                EXPECT_NE(n, c.known);
                if (c.klass) {
                    EXPECT_EQ(t.klass, c.klass) << n;
                }
                if (c.text) {
                    EXPECT_TRUE(n != 40 && n != 60) << "tagged " << n;
                }
            }
            EXPECT_EQ(k1, 0);
            if (picks > 1) {
                EXPECT_NE(n1, n2);
            }
        }
    }
    // Every teachable water means known: nothing more to teach.
    memset(&Plr, 0, sizeof Plr);
    for (int n = 0; n < 256; n++)
        if (taikakeinoS(n).klass == MEANS_CLASS_WATER && taikakeinoS(n).aspects && !taikakeinoS(n).never_random)
            opi_taikakeino(n, 0);
    const PlayerStruct before = Plr;
    int n1, k1, n2, k2;
    EXPECT_EQ(arvo_taikakeino(MEANS_CLASS_WATER, nullptr, n1, k1, n2, k2), 0);
    EXPECT_EQ(n1 + k1 + n2 + k2, 0);
    opi_rnd_taikakeino(MEANS_CLASS_WATER);
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0);
}

TEST_F(Magic, ANewCharacterKnowsTheRiteTheSacrificeAndTwoOfHerCulture) {
    static const struct {
        int culture, forest, water;
    } cultures[] = {{0, 2, 0}, {3, 2, 0}, {1, 1, 1}, {2, 1, 1}, {5, 0, 2}, {9, 0, 2}};
    static PlayerStruct p;
    for (const auto &c : cultures) {
        srand(7);
        memset(&p, 0, sizeof p);
        teach_starting_means(p, c.culture);
        const uint8_t *known = reinterpret_cast<const uint8_t *>(&p) + 5367;
        EXPECT_EQ(known[MEANS_SACRIFICE], 1) << c.culture;
        EXPECT_EQ(known[MEANS_BEAR_SKULL], 1) << c.culture;
        int forest = 0, water = 0;
        for (int n = 0; n < MEANS_STORED; n++) {
            if (!known[n] || n == MEANS_SACRIFICE || n == MEANS_BEAR_SKULL) continue;
            forest += taikakeinoS(n).klass == MEANS_CLASS_FOREST;
            water += taikakeinoS(n).klass == MEANS_CLASS_WATER;
        }
        EXPECT_EQ(forest, c.forest) << "culture " << c.culture;
        EXPECT_EQ(water, c.water) << "culture " << c.culture;
    }
    // The ready-made Vilho of culture 0 as the build wrote him.
    const std::vector<uint8_t> vilho = oxatest::read_bytes(std::string(OXA_RUN_DIR) + "/../fixture/VILHO/VILHO.OXS");
    ASSERT_EQ(vilho.size(), sizeof(PlayerStruct));
    int others = 0;
    for (int n = 0; n < MEANS_STORED; n++)
        if (vilho[5367 + n] && n != MEANS_SACRIFICE && n != MEANS_BEAR_SKULL) {
            others++;
            EXPECT_EQ(taikakeinoS(n).klass, MEANS_CLASS_FOREST) << n;
        }
    EXPECT_EQ(vilho[5367 + MEANS_SACRIFICE], 1);
    EXPECT_EQ(vilho[5367 + MEANS_BEAR_SKULL], 1);
    EXPECT_EQ(others, 2);
}

TEST_F(Magic, SpellMarksAndTheBearSkullWaitingToBeHung) {
    // A free slot (0) is never a mark in force, and a mark comes off every slot holding it.
    EXPECT_EQ(is_SpellMark(0), 0);
    Plr.ritual_marks[2] = Plr.ritual_marks[7] = 200;
    Plr.ritual_marks[4] = 0xFFFFFFFFu;   // as a damaged file may hold it
    EXPECT_EQ(is_SpellMark(200), 1);
    EXPECT_EQ(is_SpellMark(9), 0);
    clr_SpellMark(200);
    EXPECT_EQ(marks(200), 0);
    EXPECT_EQ(Plr.ritual_marks[4], 0xFFFFFFFFu);

    // The pending skull counts its days from the day it was set; hung, it waits no more. Only the
    // magic bytes change.
    const PlayerStruct before = Plr;
    EXPECT_EQ(bearmagic_SkullDays(), -1);
    bearmagic_SkullPlacement(0);
    EXPECT_EQ(bearmagic_SkullDays(), 0);
    Plr.daynumber = 105;
    EXPECT_EQ(bearmagic_SkullDays(), 5);
    bearmagic_SkullPlacement(1);
    EXPECT_EQ(bearmagic_SkullDays(), -1);
    const uint8_t *a = reinterpret_cast<const uint8_t *>(&before), *b = reinterpret_cast<const uint8_t *>(&Plr);
    for (size_t i = 0; i < sizeof Plr; i++)
        if (a[i] != b[i]) {
            EXPECT_TRUE((i >= 5360 && i < 5367) || (i >= 2780 && i < 2784)) << "byte " << i;
        }
}

TEST_F(Magic, TheSkullInThePineAndTheFeatherOnTheLynxTracks) {
    const int x = PlayerX + 1, y = PlayerY;
    ItemStruct skull = thing(IT_TOOL, "bear skull", 416, 8.0f);
    skull.origin = 605;
    ItemStruct other = skull;
    other.origin = 611;
    maailma[mapidx(x, y)] = CH_LONE_PINE;
    set_data(DT_ITEM, x, y, Esineesta_Uniikki(other), 1);
    EXPECT_EQ(isloc_karhunkallohonka(x, y), 0) << "a wolf's skull";
    set_data(DT_ITEM, x, y, Esineesta_Uniikki(skull), 1);
    EXPECT_EQ(isloc_karhunkallohonka(x, y), 1);
    maailma[mapidx(x, y)] = CH_GROUND;
    EXPECT_EQ(isloc_karhunkallohonka(x, y), 0) << "not in a pine";

    // The feather works only when every part is there: each case leaves one out.
    struct Case {
        const char *what;
        int16_t marks;
        unsigned species;
        const char *from;
        int count;
        int took;
    };
    static const Case cases[] = {
        {"all", 2, 608, "Capercaillie", 1, 1}, {"a track it did not flee", 0, 608, "capercaillie", 1, 0},
        {"no lynx about", 2, 611, "capercaillie", 1, 0}, {"a grouse feather", 2, 608, "black grouse", 1, 0},
        {"two feathers", 2, 608, "capercaillie", 2, 0},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        Cre[3].kind = 2;
        Cre[3].speciescode = c.species;
        set_data(DT_CREATURE, x + 5, y, CRE_DATAID + 3, 1);
        set_data(DT_TRACKS, x, y, 608, 1);
        for (DataStruct &d : Data)
            if (d.type == DT_TRACKS) d.owner = c.marks;
        ItemStruct feather = thing(IT_TOOL, "feather", 418, 0.01f);
        SET_ITEM_TEXT(feather.skill, c.from);
        set_data(DT_ITEM, x, y, Esineesta_Uniikki(feather), c.count);
        EXPECT_EQ(TKCHECK_IlvesEstetaanPakenemasta(x, y), c.took) << c.what;
        EXPECT_EQ((Cre[3].stateflags & 0x400) != 0, c.took == 1) << c.what;
        if (c.took) {
            EXPECT_GE(Cre[3].magicburden, 64);
            EXPECT_LT(Cre[3].magicburden, 128);
            const uint8_t first = Cre[3].magicburden;
            setnpc_magic_burden(3);
            EXPECT_EQ(Cre[3].magicburden, first) << "one burden at a time";
        }
    }
}

TEST_F(Magic, FoodSacrificesLeaveTheirMarkAndSpoiledFoodAngers) {
    // On the world map nothing is offered.
    strcpy(Plr.mapname, "BIGMAP");
    EXPECT_EQ(sacrificial(MEANS_SACRIFICE), 0);
    EXPECT_TRUE(noted("Sacrifices are not be performed on the wilderness map!"));
    strcpy(Plr.mapname, "ZOOMMAP");

    const bool kept = moods_kept();
    ItemStruct elk = thing(IT_FOOD, "elk cut", 500, 2.0f);
    give(0, elk, 2);
    ItemStruct rotten = thing(IT_FOOD, "old meat", 500, 2.0f);
    rotten.spoil = 255;
    give(1, rotten, 1);
    give(2, thing(IT_FOOD, "Pike", 490, 3.0f), 1);

    // First offering: at ease; the same kind again while its mark stands: unsteady, no mood, the
    // mark stored once more; spoiled food: foolish, the mood falls by one even with the mark.
    struct Step {
        const char *item;
        const char *felt;
        int change;
        int mark, marks;
    };
    static const Step steps[] = {
        {"elk cut", "#You feel at ease.", 2, 9, 1},
        {"elk cut", "#You feel a bit unsteady.", 0, 9, 2},
        {"old meat", "#You feel foolish.", -1, 9, 3},
        {"Pike", "#You feel at ease.", 0, 8, 1},   // the water folk's: the forest's mood stays
    };
    for (const Step &s : steps) {
        const int before = forest_mood();
        const int notes_before = times_noted(s.felt + 1);
        EXPECT_EQ(sacrifice(s.item), 1) << s.item << notes();
        EXPECT_EQ(times_noted(s.felt + 1), notes_before + 1) << s.item << notes();
        EXPECT_EQ(forest_mood() - before, kept ? s.change : 0) << s.item;
        EXPECT_EQ(marks(s.mark), s.marks) << s.item;
    }
    EXPECT_TRUE(noted("as a sacrifice to the spirits")) << notes();
    EXPECT_EQ(PlrGotESINE(500), 0) << "both elk cuts and the old meat were offered";
    EXPECT_EQ(PlrGotESINE(490), 0);
}

TEST_F(Magic, SilverIsCarvedAtAnAntNestByOneWhoKnowsHow) {
    ItemStruct brooch = thing(IT_VALUABLE, "Silver brooch", 0, 2.5f);
    brooch.fullweight = 3.0f;
    brooch.material = MAT_SILVER;
    give(0, brooch, 1);

    // Without the means, or away from an ant nest, it is refused and kept.
    EXPECT_EQ(sacrifice("Silver brooch"), 0);
    opi_taikakeino(MEANS_SILVER, 0);
    lastnote[0] = 0;   // the same refusal again is shown again
    EXPECT_EQ(sacrifice("Silver brooch"), 0);
    EXPECT_EQ(times_noted("doesn't feel like the right place nor time"), 2) << notes();
    ASSERT_EQ(Plr.inv_count[0], 1);

    maailma[mapidx(PlayerX - 1, PlayerY + 1)] = CH_ANT_NEST;
    // With no room in the object table for what is left of it, nothing is carved and she is told.
    const std::vector<int> filled = fill_object_table();
    note_lines_since_pause = 0;
    push_key(oxatest::carried_letter("Silver brooch"));
    push_key(' ');   // the maintenance's note
    EXPECT_EQ(sacrificial(MEANS_SACRIFICE), 0);
    EXPECT_TRUE(noted("There is no room for more objects")) << notes();
    EXPECT_FALSE(noted("got used completely")) << notes();
    EXPECT_FALSE(noted("You carve some shards")) << notes();
    ASSERT_EQ(Plr.inv_count[0], 1);
    EXPECT_NEAR(ObjToItem(Plr.inv_obj[0]).weight, 2.5f, 1e-4);
    free_objects(filled);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    static const struct {
        float weight;
        bool back;
        float left;
    } carvings[] = {{2.5f, true, 1.5f}, {1.5f, false, 0.0f}};
    for (const auto &c : carvings) {
        ASSERT_NEAR(ObjToItem(Plr.inv_obj[0]).weight, c.weight, 1e-4);
        EXPECT_EQ(sacrifice("Silver brooch"), 1) << notes();
        EXPECT_EQ(Plr.inv_obj[0] != 0, c.back) << c.weight;
        if (c.back) {
            EXPECT_NEAR(ObjToItem(Plr.inv_obj[0]).weight, c.left, 1e-4);
        }
    }
    EXPECT_TRUE(noted("got used completely")) << notes();
    EXPECT_EQ(marks(MEANS_SILVER), 2);
}

TEST_F(Magic, IncantationsSpeakTheirVersesAndTakeEffectOnce) {
    const bool kept = moods_kept();
    // The earth greeted twice before sleeping: the verses both times, the mood and mark once.
    const int before = forest_mood();
    DoInvocation(MEANS_EARTH);
    const int once = forest_mood();
    DoInvocation(MEANS_EARTH);
    EXPECT_EQ(once - before, kept ? 3 : 0);
    EXPECT_EQ(forest_mood(), once) << "the second greeting changes nothing";
    EXPECT_EQ(marks(MEANS_EARTH), 1);
    EXPECT_EQ(times_noted("Greetings earth, and"), 2) << notes();
    EXPECT_TRUE(noted("in good health.\"")) << notes();

    // Blood-stanching: every wound stops bleeding; fatigue rises by ten unless it would reach 90.
    static const struct {
        float fatigue, after;
    } tiredness[] = {{50.0f, 60.0f}, {85.0f, 85.0f}};
    for (const auto &t : tiredness) {
        for (int s = 0; s < WOUND_SLOTS; s++) plr_bytes(PB_W_BLEEDING)[s] = (uint8_t)(s + 1);
        plr_set<float>(PB_FATIGUE, t.fatigue);
        DoInvocation(MEANS_BLOOD);
        for (int s = 0; s < WOUND_SLOTS; s++) EXPECT_EQ(plr_bytes(PB_W_BLEEDING)[s], 0) << s;
        EXPECT_FLOAT_EQ(plr_get<float>(PB_FATIGUE), t.after);
    }

    // The forest persuaded with bread: not on the world map, not without the bread by a spruce; the
    // bread stays where it lies.
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0, 0.25f);
    set_data(DT_ITEM, PlayerX + 1, PlayerY, Esineesta_Uniikki(bread), 1);
    const int conditions = times_noted("Conditions to speak the verses");
    strcpy(Plr.mapname, "BIGMAP");
    DoInvocation(MEANS_BREAD);
    strcpy(Plr.mapname, "ZOOMMAP");
    lastnote[0] = 0;
    DoInvocation(MEANS_BREAD);
    EXPECT_EQ(times_noted("Conditions to speak the verses"), conditions + 2);
    EXPECT_EQ(get_datatype(DT_ITEM, PlayerX + 1, PlayerY) >= 0, true);
    EXPECT_EQ(marks(MEANS_BREAD), 0);
}

// A night after the earth was greeted is kept from encounters; waking takes the greeting off.
TEST_F(Magic, AGreetedEarthKeepsTheNightUntilWaking) {
    sleep_save = [] {};   // no character folder to save into
    for (const bool greeted : {true, false}) {
        randomize(7);
        GlobWeather = {};
        GlobWeather.temperature = 20;
        Plr.thirst = 100;
        Plr.energy = 5000;
        Plr.stomach = 200;
        plr_set<int32_t>(PB_SLEEPINESS, 5000);   // so tired that neither rain nor snow wakes her
        if (greeted) DoInvocation(MEANS_EARTH);
        ENCOUNTER = 0;
        clear_noises();   // nothing an earlier game left stirring wakes her
        LastHour = -1;
        ASSERT_EQ(Sleep(0), 1) << notes();
        EXPECT_EQ(LastHour == -1, greeted) << (greeted ? "no encounter was looked for" : "the night was watched") << notes();
        EXPECT_EQ(is_SpellMark(MEANS_EARTH), 0);
    }
    sleep_save = safesave;
}

}  // namespace

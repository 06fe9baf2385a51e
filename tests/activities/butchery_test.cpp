// tests/activities/butchery_test.cpp -- butchery and hide work: the cuts, minutes and fat of a carcass,
// what breaking off leaves, the caps an eaten or torn carcass puts on its skin, winter furs, a fat
// factor of 0, carcass records out of range or freed, and cleaning that gives back what it took.
#include "activities/puuharun.h"
#include "activity_fixture.h"
#include "pick_hook.h"
#include "../items/row_letters.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "activities/activities.h"
#include "activities/butchery.h"
#include "activities/hidework.h"
#include "game/toimi.h"
#include "core/datafunc.h"
#include "core/player.h"
#include "core/spend.h"
#include "core/weather.h"
#include "creatures/animals.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/puuha.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "maps/maps.h"

using oxatest::ActivityTest;
using oxatest::push_key;

namespace {

CreatureStruct beast(float meat, float fat_factor, const char *species = "Fox") {
    CreatureStruct c{};
    c.kind = 3;
    copy_bounded(c.species, sizeof c.species, species);
    c.speciesfactor = meat;
    c.tearing = fat_factor;
    c.fur = 1;
    return c;
}

TEST(ButcheryRules, CutsMinutesAndWhatABreakLeaves) {
    struct Row {
        float meat, weight;
        int rating, emergency;
        int cuts, minutes, per_cut;
    } rows[] = {
        {0.5f, 10.0f, 100, 0, 10, 20, 2},
        {0.5f, 10.0f, 50, 0, 5, 15, 3},
        {0.5f, 10.0f, 50, 1, 5, 45, 9},
        {0.0f, 10.0f, 100, 0, 1, 11, 11},    // nothing to cut still takes its minutes for one cut
        {0.5f, 400.0f, 100, 0, 400, 200, 1},  // the longest job
    };
    for (const Row &r : rows) {
        const CutPlan p = butchery_plan(beast(r.meat, 1.0f), r.weight, r.rating, r.emergency);
        EXPECT_EQ(p.cuts, r.cuts) << r.meat << " " << r.rating;
        EXPECT_EQ(p.minutes, r.minutes) << r.meat << " " << r.rating;
        EXPECT_EQ(p.per_cut, r.per_cut) << r.meat << " " << r.rating;
    }
    const CutPlan p = butchery_plan(beast(0.5f, 1.0f), 10.0f, 100, 0);
    struct Stop {
        int done, finished, taken;
    } stops[] = {{2, 0, 0}, {3, 0, 1}, {7, 0, 3}, {19, 0, 9}, {20, 1, 10}, {0, 1, 10}};
    for (const Stop &s : stops) EXPECT_EQ(butchery_cuts_taken(p, s.done, s.finished), s.taken) << s.done;
    // A knife cutting one cut a minute still gives nothing for two minutes' work.
    EXPECT_EQ(butchery_cuts_taken(butchery_plan(beast(0.5f, 1.0f), 400.0f, 100, 0), 2, 0), 0);
}

TEST(ButcheryRules, SkinCapsFromEatenAndTornShares) {
    struct Row {
        int eaten, torn, usable, cap, penalty;
        float share;
    } rows[] = {
        {5, 3, 1, 5, 0, 1.0f},   {5, 8, 1, 4, 8, 1.0f},    {0, 40, 1, 2, 40, 1.0f},  {0, 60, 1, 1, 60, 1.0f},
        {6, 0, 1, 3, 0, 0.94f},  {20, 0, 1, 3, 10, 0.8f},  {20, 12, 1, 3, 12, 0.8f}, {40, 0, 1, 2, 20, 0.6f},
        {65, 2, 1, 1, 30, 0.35f}, {65, 45, 1, 1, 45, 0.35f}, {80, 0, 0, 0, 0, 0.0f},  {0, 71, 0, 0, 0, 0.0f},
    };
    for (const Row &r : rows) {
        int cap = -1, penalty = -1;
        float share = -1;
        ASSERT_EQ(skin_terms(r.eaten, r.torn, cap, penalty, share), r.usable) << r.eaten << "/" << r.torn;
        if (!r.usable) continue;
        EXPECT_EQ(cap, r.cap) << r.eaten << "/" << r.torn;
        EXPECT_EQ(penalty, r.penalty) << r.eaten << "/" << r.torn;
        EXPECT_NEAR(share, r.share, 1e-5) << r.eaten << "/" << r.torn;
    }
}

TEST(ButcheryRules, SkinningTimeWinterFursAndAFatFactorOfNothing) {
    EXPECT_EQ(skinning_minutes(100.0f), 70);
    EXPECT_EQ(skinning_minutes(200.0f), 120);
    int lo = 1000, hi = 0;
    for (int i = 0; i < 400; i++) {
        const int m = skinning_minutes(300.0f);
        lo = std::min(lo, m), hi = std::max(hi, m);
    }
    EXPECT_EQ(lo, 120);
    EXPECT_EQ(hi, 179);

    const int month = Plr.month;
    struct Row {
        int month;
        float fur_over_skin;
        bool winter;
    } rows[] = {{1, 1.5f, true}, {7, 1.0f, false}, {11, 1.5f, true}, {3, 1.0f, false}};
    for (const Row &r : rows) {
        Plr.month = (uint8_t)r.month;
        const ItemStruct skin = TeeNylkynahka(beast(0.45f, 2.0f), 3, 1.0f);
        EXPECT_EQ((skin.material & MAT_WINTER) != 0, r.winter) << r.month;
        const ItemStruct fur = TeeParkkinahka(skin, skin.weight, 3);
        EXPECT_EQ(fur.id, (uint32_t)OID_FUR);
        EXPECT_STREQ(fur.name, "fox fur");
        EXPECT_NEAR(fur.price / skin.price, r.fur_over_skin, 1e-4) << r.month;
    }
    // A hide of an animal without fur tans to leather, never a winter one.
    Plr.month = 1;
    CreatureStruct cow = beast(0.45f, 0.4f, "Cow");
    cow.fur = 0;
    const ItemStruct leather = TeeParkkinahka(TeeNylkynahka(cow, 2, 1.0f), 10.0f, 2);
    EXPECT_EQ(leather.id, (uint32_t)OID_LEATHER);
    EXPECT_EQ(leather.material & MAT_WINTER, 0u);
    Plr.month = (uint8_t)month;

    // A record with a fat factor of 0 (or a broken one) weighs and fattens as the blank record.
    for (float f : {0.0f, -1.0f, NAN}) {
        const ItemStruct s = TeeNylkynahka(beast(0.45f, f), 3, 1.0f);
        EXPECT_TRUE(std::isfinite(s.weight) && s.weight > 0.0f) << f;
        EXPECT_TRUE(std::isfinite(s.priceperweight)) << f;
        const CutPlan p = butchery_plan(beast(0.45f, f), 10.0f, 100, 0);
        EXPECT_TRUE(std::isfinite(p.fat) && p.fat > 0.0f) << f;
    }
    EXPECT_NEAR(TeeNylkynahka(beast(0.45f, 0.5f), 1, 0.5f).weight, 7.0f / 0.5f * 0.8f * 0.5f, 1e-4);
}

class HideworkTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_butchery.txt");
        dir->copy_asset("messages/eng_crafting.txt");
        MSG_forget_index();
        skill(0, "HIDEWORKING", 40);
        // A mild day: no frost notes come between her and the keys.
        weather = GlobWeather;
        GlobWeather.temperature = 15;
        Plr.felt_temperature = 15;
    }
    void TearDown() override {
        GlobWeather = weather;
        note_lines_since_pause = 0;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ActivityTest::TearDown();
    }
    decltype(GlobWeather) weather;
    oxatest::Pick pick;
    static int slot_of_name(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, name) == 0) return s;
        return -1;
    }
    // The pack as counts and weights by name, to compare before and after.
    static std::string pack() {
        std::vector<std::string> rows;
        for (int i = 0; i < PLR_SLOTS; i++) {
            if (!Plr.inv_obj[i]) continue;
            const ItemStruct it = ObjToItem(Plr.inv_obj[i]);
            char line[120];
            snprintf(line, sizeof line, "%s x%d %.3f st%d|", it.name, Plr.inv_count[i], it.weight, it.hide.stage);
            rows.push_back(line);
        }
        std::sort(rows.begin(), rows.end());   // a thing given back may come to another slot
        std::string s;
        for (const std::string &r : rows) s += r;
        return s;
    }
    static int carcass(int slot, int x, int y) {
        CreatureStruct &c = Cre[slot];
        c = beast(0.5f, 2.0f, "Hare");
        c.mode = CM_CARCASS;
        c.weight = c.fatigue = 6.0f;
        c.daysaved = (int32_t)Plr.daynumber;
        c.socialid = 5000u + (uint32_t)slot;
        ClearDTEMP();
        DTEMP.type = DT_CARCASS;
        DTEMP.x = (uint16_t)x, DTEMP.y = (uint16_t)y;
        DTEMP.id = (uint32_t)(CRE_DATAID + slot);
        DTEMP.count = 1;
        DTEMP.day = (uint16_t)Plr.daynumber;
        return SetDTEMP(-1);
    }
};

TEST_F(HideworkTest, RefusedOrBrokenOffCleaningAndTanningGiveBackWhatTheyTook) {
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0, 0.5f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(0, knife);
    give(1, TeeNylkynahka(beast(0.45f, 2.0f), 3, 1.0f), 2);
    const std::string before = pack();
    const SDL_Keycode skin = oxatest::carried_letter("fox-skin");

    // No water at hand: the check refuses and both skins stay.
    note_lines_since_pause = 0;   // no "more" pause takes the keys meant for the work
    push_key(skin);
    push_key(SDLK_SPACE);
    HIDEWORK_puhdistus();
    EXPECT_TRUE(noted("You have nothing to use as water")) << notes();
    EXPECT_EQ(pack(), before) << notes();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // By the lake, broken off at once.
    for (int y = PlayerY - 1; y <= PlayerY + 1; y++) maailma[mapidx(PlayerX - 1, y)] = CH_SHALLOW_WATER;
    note_lines_since_pause = 0;   // no "more" pause takes the keys meant for the work
    push_key(skin);
    push_key(SDLK_SPACE);
    push_key(SDLK_ESCAPE);
    push_key(SDLK_y);
    EXPECT_EQ(HIDEWORK_puhdistus(), 0);
    EXPECT_TRUE(noted("You start to scrape")) << "the work had begun";
    EXPECT_EQ(pack(), before) << notes();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // Tanning an uncleaned skin only names the cleaning that must come first.
    note_lines_since_pause = 0;   // no "more" pause takes the keys meant for the work
    push_key(skin);
    EXPECT_EQ(HIDEWORK_pretan(), 0);
    EXPECT_TRUE(noted("Do clean the skin first! Only then it is possible to tan the skin.")) << notes();
    EXPECT_EQ(pack(), before);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // Done: one of the two is clean and waits for its tanning material.
    note_lines_since_pause = 0;   // no "more" pause takes the keys meant for the work
    push_key(skin);
    push_key(SDLK_SPACE);
    ASSERT_EQ(HIDEWORK_puhdistus(), 1) << notes();
    const int clean = slot_of_name("clean fox-skin");
    ASSERT_GE(clean, 0) << pack();
    EXPECT_EQ(ObjToItem(Plr.inv_obj[clean]).hide.stage, SKIN_TANNING);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // Its tanning step: refused with no tanning material, broken off with fat at hand; both give back
    // the skin and the fat as they were. Then done, the skin is left to take the tanning.
    const auto tan = [&](std::initializer_list<SDL_Keycode> keys) {
        note_lines_since_pause = 0;
        push_key(oxatest::carried_letter("clean fox-skin"));
        for (SDL_Keycode k : keys) push_key(k);
        const int r = HIDEWORK_pretan();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        return r;
    };
    const std::string unfatted = pack();
    EXPECT_EQ(tan({SDLK_SPACE}), 0);
    EXPECT_EQ(pack(), unfatted) << notes();
    give(5, thing(IT_FOOD, "hare fat", 0, 1.0f));
    const std::string fatted = pack();
    EXPECT_EQ(tan({SDLK_SPACE, SDLK_ESCAPE, SDLK_y}), 0);
    EXPECT_TRUE(noted("You rub the tanning material into the skin."));
    EXPECT_EQ(pack(), fatted) << notes();
    ASSERT_EQ(tan({SDLK_SPACE}), 1) << notes();
    EXPECT_EQ(slot_of_name("clean fox-skin"), -1);
    ItemStruct fat = ObjToItem(Plr.inv_obj[slot_of_name("hare fat")]);
    EXPECT_NEAR(fat.weight, 1.0f - 0.35f, 1e-4) << "a tenth of the skin's weight used";
    int waiting = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_WORK && Data[i].x == PlayerX && Data[i].y == PlayerY) waiting = i;
    ASSERT_GE(waiting, 0);
    const ItemStruct taking = ObjToItem((int)Data[waiting].id);
    EXPECT_STREQ(taking.name, "Tanning fox-skin");
    EXPECT_EQ(taking.hide.stage, SKIN_RINSE);
}

// With no room in the object table for what a hide work makes, nothing is begun: the carcass stays
// unskinned, the skin and the materials stay in her pack, no time passes, and she is told.
TEST_F(HideworkTest, WithNoRoomForItsProductAHideWorkChangesNothing) {
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0, 0.5f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    give(0, knife);
    give(1, TeeNylkynahka(beast(0.45f, 2.0f), 3, 1.0f));
    ItemStruct clean = TeeNylkynahka(beast(0.45f, 2.0f), 3, 1.0f);
    SET_ITEM_TEXT(clean.name, "clean fox-skin");
    clean.hide.stage = SKIN_TANNING;
    give(2, clean);
    give(3, thing(IT_FOOD, "hare fat", 0, 1.0f));
    for (int y = PlayerY - 1; y <= PlayerY + 1; y++) maailma[mapidx(PlayerX - 1, y)] = CH_SHALLOW_WATER;
    const int n = carcass(7, PlayerX + 1, PlayerY);
    ASSERT_GE(n, 0);
    const std::vector<int> filled = fill_object_table();
    const struct {
        const char *work;
        const char *skin;   // the skin chosen; none for the carcass
        int (*run)(int n);
    } rows[] = {
        {"skinning", nullptr, [](int c) { return HIDEWORK_skin(CRE_PLAYER, c, 1); }},
        {"cleaning", "fox-skin", [](int) { return HIDEWORK_puhdistus(); }},
        {"tanning step", "clean fox-skin", [](int) { return HIDEWORK_pretan(); }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.work);
        const std::string before = pack();
        const uint32_t start = Plr.minutes;
        const int told = times_noted("There is no room for more objects");
        note_lines_since_pause = 0;
        if (r.skin) push_key(oxatest::carried_letter(r.skin));
        push_key(SDLK_SPACE);   // the materials
        push_key(SDLK_SPACE);   // the maintenance's note
        EXPECT_EQ(r.run(n), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_GT(times_noted("There is no room for more objects"), told) << notes();
        EXPECT_EQ(pack(), before) << notes();
        EXPECT_EQ(Plr.minutes, start);
        EXPECT_FALSE(is_carcass_skinned(Cre[7]));
    }
    free_objects(filled);
}

// The tool at hand sets the work: an axe cuts fewer cuts from a carcass than a knife does, and a
// plain knife, no broad skinning knife, skins more slowly than the bare minutes.
TEST_F(HideworkTest, TheToolAtHandSetsTheCutsAndTheSkinningTime) {
    const struct {
        const char *skill;
        bool skin;          // skin the carcass, else cut it up
        int cuts, minutes;  // cuts got; minutes the skinning took
    } rows[] = {
        {"KNIFE", false, 6, 0},   // ceil(2 x 0.5 x 6 lb), the knife a knife
        {"AXE", false, 5, 0},     // ceil(6 x 70 / 100)
        {"KNIFE", true, 0, 31},   // ceil((6 / 2 + 20) x 100 / 75)
    };
    for (const auto &r : rows) {
        ItemStruct tool = thing(IT_WEAPON, r.skill[0] == 'A' ? "Axe" : "Knife", 0, 1.0f);
        SET_ITEM_TEXT(tool.skill, r.skill);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        give(0, tool);
        const int n = carcass(7, PlayerX + 1, PlayerY);
        ASSERT_GE(n, 0);
        note_lines_since_pause = 0;
        push_key(SDLK_SPACE);
        const uint32_t start = Plr.minutes;
        if (r.skin) {
            ASSERT_EQ(HIDEWORK_skin(CRE_PLAYER, n, 1), 1) << notes();
            EXPECT_EQ((int)(Plr.minutes - start), r.minutes) << notes();
            CrunchData(n);
        } else {
            ASSERT_EQ(CutCorpse(CRE_PLAYER, n, 1), 1) << notes();
            char got[80];
            snprintf(got, sizeof got, "You got %d edible cuts of hare meat.", r.cuts);
            EXPECT_TRUE(noted(got)) << r.skill << "\n" << notes();
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

TEST_F(HideworkTest, WorkOnACarcassRecordOutOfRangeOrFreedEnds) {
    const int n = carcass(7, PlayerX + 1, PlayerY);
    ASSERT_GE(n, 0);
    const CreatureStruct kept = Cre[7];
    for (int bad : {-5, (int)DATA_MAX, (int)DATA_MAX + 40})
        EXPECT_EQ(CutCorpse(3, bad, 0) + HIDEWORK_skin(3, bad, 1) + carcass_cuttable(3, bad), 0) << bad;
    for (int who : {-2, (int)CRE_COUNT, 100000})
        EXPECT_EQ(CutCorpse(who, n, 0) + HIDEWORK_skin(who, n, 1) + carcass_cuttable(who, n), 0) << who;
    // A record that names no creature slot is no carcass to work on.
    Data[n].id = (uint32_t)(CRE_DATAID + CRE_COUNT + 3);
    EXPECT_EQ(CutCorpse(3, n, 0) + HIDEWORK_skin(3, n, 1), 0);
    Data[n].id = (uint32_t)(CRE_DATAID + 7);
    CrunchData(n);
    EXPECT_EQ(CutCorpse(3, n, 0) + HIDEWORK_skin(3, n, 1) + HIDEWORK_skin(-1, n, 0), 0);
    EXPECT_EQ(memcmp(&kept, &Cre[7], sizeof kept), 0) << "the freed carcass is left alone";

    // A villager with a knife sets to cutting up a carcass; it is taken away and another lies in its
    // pool place: his work ends there and never goes on to the new one.
    const int a = carcass(7, PlayerX + 3, PlayerY);
    CreatureStruct &v = Cre[3];
    v = CreatureStruct{};
    v.kind = CK_HUMAN;
    v.mode = 3;
    v.socialid = 4003;
    v.weight = v.speciesweight = 70.0f;
    v.strength = v.endurance = 14;
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0, 0.5f);
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    v.pack[0] = Luo_Esineen_Itempos(knife);
    v.packcount[0] = 1;
    set_data(DT_CREATURE, PlayerX + 2, PlayerY, CRE_DATAID + 3, 1);
    const int vdp = cre_datapos(3);
    ASSERT_GE(vdp, 0);
    ASSERT_EQ(aseta_ruhonkasittely(3, a, 0), 1);
    ASSERT_EQ(v.Puuha[0], 68);
    CrunchData(a);
    ASSERT_EQ(carcass(8, PlayerX + 3, PlayerY), a) << "the new carcass takes the freed place";
    const CreatureStruct other = Cre[8];
    for (int tick = 0; tick < 30; tick++) Tee_Puuha(vdp);
    EXPECT_NE(v.Puuha[0], 68) << "the work ended";
    EXPECT_EQ(memcmp(&other, &Cre[8], sizeof other), 0) << "the new carcass is untouched";
    EXPECT_EQ(v.packcount[1], 0) << "no meat from it";

    // The same villager at a carcass of his own work: skinned a minute at a time, then cut a cut at a
    // time until nothing is left.
    Cre[8].daysaved = (int32_t)Plr.daynumber;
    ASSERT_EQ(aseta_ruhonkasittely(3, a, 0), 1);
    for (int tick = 0; tick < 2000 && Data[a].type == DT_CARCASS; tick++) {
        if (v.Puuha[0] != 68) break;
        Tee_Puuha(vdp);
    }
    EXPECT_NE(Data[a].type, DT_CARCASS) << "cut up to the end";
    int skins = 0, cuts = 0, fat = 0;
    for (int s = 0; s < 20; s++) {
        if (!v.pack[s]) continue;
        const ItemStruct it = ObjToItem(v.pack[s]);
        if (it.id == OID_SKIN_RAW) skins += v.packcount[s];
        if (strstr(it.name, " cut")) cuts += v.packcount[s];
        if (strstr(it.name, " fat")) fat += v.packcount[s];
    }
    EXPECT_EQ(skins, 1);
    EXPECT_EQ(cuts, 6) << "ceil(2 x 0.5 x 6 lb) cuts";
    EXPECT_EQ(fat, 1);
}

// What a rotted carcass leaves of its antlers: a grown reindeer of either sex and an elk bull past his
// first year carry them, a calf and a cow elk none, nor a carcass whose antlers were cut already.
TEST_F(ActivityTest, OnlyGrownAntleredCarcassesLeaveAntlers) {
    const struct {
        int species;
        const char *tags;
        int months_old;      // -1: the grown age a made animal has
        bool taken;
        int antlers;
    } rows[] = {
        {619, "[female]", -1, false, 2}, {620, "[male]", -1, false, 2}, {619, "[young]", -1, false, 0},
        {660, "[male]", -1, false, 2},   {660, "[female]", -1, false, 0}, {660, "[male]", 6, false, 0},
        {660, "[male]", 13, false, 2},  {619, "[male]", -1, true, 0},
    };
    const int x = PlayerX + 4, y = PlayerY + 4;
    for (const auto &row : rows) {
        Luo_ElainOlento(Cre[9], row.species, row.tags);
        Cre[9].mode = CM_CARCASS;
        if (row.months_old >= 0) Cre[9].birthday = (int16_t)((int)Plr.daynumber - 30 * row.months_old - 1);
        if (row.taken) Cre[9].Puuha[2] = 302;
        CarcassDecayComplete(9, x, y);
        int antlers = 0;
        for (int i = 0; i < DATA_MAX; i++) {
            if (Data[i].type != DT_ITEM || Data[i].x != x || Data[i].y != y) continue;
            if (strstr(ObjToItem((int)Data[i].id).name, "antler")) antlers += Data[i].count;
            CrunchData(i);
        }
        EXPECT_EQ(antlers, row.antlers) << row.species << " " << row.tags << " " << row.months_old;
    }
    Cre[9] = CreatureStruct{};
}

}  // namespace

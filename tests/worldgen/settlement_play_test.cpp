// tests/worldgen/settlement_play_test.cpp -- played through the turn loop: Aino walks into her village
// as her culture builds it and talks with one of its households; stored and entered again the village
// lives on, and once all its people are dead it is deserted. Vilho wakes in a raiders' camp.
#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include <set>

#include "game/loader.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/crefile.h"
#include "creatures/lifeask.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "presentation/input_feeder.h"
#include "society/chat.h"
#include "society/village.h"
#include "worldgen/builders.h"

namespace {

// Squares of a map char on the local map of world cell wx, wy.
std::vector<std::pair<int, int>> squares(int wx, int wy, int c) {
    std::vector<std::pair<int, int>> out;
    const UiRect r = bigxy_zoomrect(wx, wy);
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++)
            if (get_mapchar(x, y) == c) out.push_back({x, y});
    return out;
}

// The people of the area at home on world cell wx, wy, by their creature-file numbers.
std::set<int> home_people(int wx, int wy, bool living) {
    std::set<int> out;
    for (int n = 0; n < CRE_COUNT; n++) {
        const CreatureStruct &c = Cre[n];
        if (c.kind == CK_HUMAN && c.home_x == wx && c.home_y == wy && (!living || c.mode != CM_CARCASS))
            out.insert(RealCreaturePos[n]);
    }
    return out;
}

// The people of the creature file at home on world cell wx, wy, by their numbers.
std::set<int> filed_people(int wx, int wy) {
    std::set<int> out;
    for (int k = 0; k < cre_file_records(); k++)
        if (Lataa_RealCreature(CRE_DATAID + k) && Creature.kind == CK_HUMAN && Creature.home_x == wx && Creature.home_y == wy)
            out.insert(CRE_DATAID + k);
    return out;
}

class SettlementPlayed : public oxatest::PlayingTest {};
class CampPlayed : public oxatest::VilhoInCampTest {};

}  // namespace

TEST_F(SettlementPlayed, SheEntersHerVillageMeetsItsHouseholdsAndItOutlivesAStoreButNotItsPeople) {
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    const int culture = get_alltime_kulttuuri(v.x, v.y);
    PlayerX = v.x;
    PlayerY = v.y;
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_FALSE(bigmap());

    // The village as her culture builds it: a house with its door on the road, a storehouse, a
    // sauna with the village's tub, a well; and a pen, when one was built, holds her culture's animals.
    EXPECT_GE(squares(v.x, v.y, 4).size(), 1u) << "a house with its fireplace";
    // A door a villager is passing through stands open for that step.
    auto doors = squares(v.x, v.y, 254);
    for (const auto &d : squares(v.x, v.y, 22)) doors.push_back(d);
    EXPECT_GE(doors.size(), 3u) << "the house, the storehouse and the sauna";
    for (const auto &d : doors) EXPECT_EQ(get_mapchar(d.first, d.second + 1), 46) << "a road below each door";
    EXPECT_EQ(squares(v.x, v.y, 5).size(), 1u) << "a sauna stove";
    EXPECT_GE(squares(v.x, v.y, 247).size(), 1u) << "a well";
    int animals = 0, foreign = 0;
    for (int n = 0; n < CRE_COUNT; n++) {
        const int s = (int)Cre[n].speciescode;
        if (Cre[n].kind == 0 || Cre[n].home_x != v.x || Cre[n].home_y != v.y) continue;
        bool ours = s == pen_species(kulttuurielaimet2[culture]);
        for (uint8_t k : kulttuurielaimet[culture]) ours |= s == pen_species(k);
        if (s == 609 || s == 615 || s == 616 || s == 618 || s == 619) (ours ? animals : foreign)++;
    }
    EXPECT_EQ(foreign, 0) << "no animal of another culture";
    if (!squares(v.x, v.y, 42).empty()) {
        EXPECT_GT(animals, 0) << "the pen holds her culture's animals";
    }

    // Its households: people of her culture at home here, each carrying the goods of the culture.
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    const std::set<int> people = home_people(v.x, v.y, true);
    EXPECT_GE(people.size(), 3u);
    for (int n = 0; n < CRE_COUNT; n++) {
        const CreatureStruct &c = Cre[n];
        if (!people.count(RealCreaturePos[n])) continue;
        EXPECT_EQ(c.culture, culture);
        EXPECT_EQ(c.community, (uint32_t)soc);
        bool carries = c.wielded != 0;
        for (int32_t w : c.worn) carries |= w != 0;
        for (int k = 0; k < CRE_PACK; k++) carries |= c.pack[k] != 0;
        EXPECT_TRUE(carries) << c.species;
    }

    // She talks with one of them: "C", the person, "G.Greet", "Who are you?", ESC. One who holds a
    // quest for her speaks of it first.
    const int n = oxatest::villager_beside_her(soc, [](const CreatureStruct &c) { return c.quest == 0; });
    ASSERT_GE(n, 0);
    for (int32_t &a : Cre[n].Puuha) a = 0;   // it stays beside her to be spoken to
    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN).key(SDLK_g).key(SDLK_1).key(SDLK_ESCAPE);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    ASSERT_TRUE(ask_valid(Chatting_With)) << Cre[n].species << notes();
    EXPECT_EQ(Cre[Chatting_With].home_x, v.x);
    EXPECT_EQ(Cre[Chatting_With].home_y, v.y);
    EXPECT_NE(Cre[Chatting_With].namebits & 1, 0) << "she knows who it is now";

    // Stored and entered again: the same people live there and the village is not deserted.
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(home_people(v.x, v.y, true), people);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(v.x, v.y)].abandoned, 0);
    EXPECT_EQ(get_alltime_maailmachar(v.x, v.y), 239);

    // All its people dead: the next store finds it deserted.
    for (int k = 0; k < CRE_COUNT; k++)
        if (people.count(RealCreaturePos[k])) KillCreature(k, 0);
    ASSERT_TRUE(home_people(v.x, v.y, true).empty());
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(v.x, v.y)].abandoned, 'd');
}

TEST_F(SettlementPlayed, HerVillagesPeopleAreFiledOnceHoweverOftenSheComesBack) {
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(walk_into_her_village(), 0) << bigmap() << " " << Mapinfo_socID(v.x, v.y) << notes();
    const std::set<int> people = filed_people(v.x, v.y);
    ASSERT_FALSE(people.empty());
    EXPECT_EQ(home_people(v.x, v.y, false), people) << "everyone filed stands on her village's map";
    for (int entry = 2; entry <= 4; entry++) {
        oxatest::step_away_from_creatures();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap());
        command({SDLK_RETURN});
        command({SDLK_SPACE, SDLK_PERIOD});
        ASSERT_FALSE(bigmap()) << notes();
        EXPECT_EQ(filed_people(v.x, v.y), people) << "entry " << entry;
    }
}

TEST_F(CampPlayed, VilhoWakesInACampLaidOutAsTheRaidersBuildOne) {
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    ASSERT_EQ(get_alltime_maailmachar(wx, wy), 30);
    const size_t kotas = squares(wx, wy, 41).size();
    EXPECT_GE(kotas, 2u);
    EXPECT_LE(kotas, 3u);
    EXPECT_EQ(squares(wx, wy, 43).size(), kotas) << "each small kota has its doorway";
    EXPECT_TRUE(squares(wx, wy, 255).empty()) << "the doorsteps are ground";
    EXPECT_TRUE(squares(wx, wy, 4).empty()) << "no house";
    const size_t frames = squares(wx, wy, 218).size();
    EXPECT_GE(frames, 2u) << "storehouses";
    EXPECT_LE(frames, 3u);
    // Raiders and nobody else live there.
    int raiders = 0;
    for (const CreatureStruct &c : Cre)
        if (c.kind == CK_HUMAN && c.home_x == wx && c.home_y == wy) {
            EXPECT_EQ(c.speciescode, 500u) << c.species;
            EXPECT_EQ(c.culture, 11);
            raiders++;
        }
    EXPECT_GE(raiders, (int)kotas);
}

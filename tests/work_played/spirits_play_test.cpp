// tests/activities/spirits_play_test.cpp -- played: Aino, alone in the wilds at midnight, meets the
// spirit of the forest she called to the ant nest; with many contacts behind
// her she feels the spirits at night; she performs the sleep ritual from the rituals page.
#include "core/loader_fixture.h"

#include "activities/spirits.h"
#include "core/maintenance.h"
#include "core/player.h"
#include "maps/mapquery.h"
#include "presentation/input_feeder.h"

#include <string>

namespace {

class AinoSpirits : public oxatest::PlayingTest {
protected:
    // Down into a forest cell of the wilds near her, far from every village, with nobody about.
    void into_the_wilds() {
        const int hx = PlayerX, hy = PlayerY;
        bool found = false;
        for (int d = 6; d <= 80 && !found; d++)
            for (int y = hy - d; y <= hy + d && !found; y++)
                for (int x = hx - d; x <= hx + d && !found; x++) {
                    if (std::abs(x - hx) != d && std::abs(y - hy) != d) continue;
                    const int c = get_alltime_maailmachar(x, y);
                    if (terrain_flag(c, TF_WATER) || !terrain_flag(c, TF_OPEN) || is_settled_area(x, y, 5)) continue;
                    PlayerX = x, PlayerY = y, found = true;
                }
        ASSERT_TRUE(found) << "a cell of the wilds near her";
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_FALSE(bigmap());
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = 0;
            }
    }
    // The clock a few seconds before the hour turns to h.
    static void just_before(int h) {
        Plr.hour = (uint8_t)(h == 0 ? 23 : h - 1);
        Plr.minute = 59;
        Juoksevat_sekuntit = 48;
    }
    static int spirit_on_map(int species) {
        for (const DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].kind == CK_SPIRIT && Cre[d.id - CRE_DATAID].speciescode == (uint32_t)species)
                return (int)d.id - CRE_DATAID;
        return -1;
    }
};

TEST_F(AinoSpirits, TheSpiritOfTheForestSheCalledComesAtMidnight) {
    into_the_wilds();
    set_mapchar(PlayerX + 1, PlayerY, 29);   // an ant nest beside her
    set_SpiritData_attract(PlayerX, PlayerY, SPIRIT_OF_FOREST);   // as her silver in the nest calls it
    just_before(0);
    for (int i = 0; i < 5 && spirit_on_map(702) < 0; i++) command({SDLK_PERIOD});
    ASSERT_GE(spirit_on_map(702), 0) << notes();
    EXPECT_NE(notes().find("You feel strong presence of the spirits."), std::string::npos) << notes();
    EXPECT_GE(get_SpiritData_meetgap(702), 0);
    EXPECT_LT(get_SpiritData_meetgap(702), 3) << "met tonight";
}

TEST_F(AinoSpirits, AfterManyContactsSheFeelsTheSpiritsAtNight) {
    into_the_wilds();
    Plr.forest_spirit = Plr.water_spirit = 0;
    Plr.spirit_contacts = 20;
    just_before(1);
    for (int i = 0; i < 5 && Plr.spirit_contacts; i++) command({SDLK_PERIOD, SDLK_SPACE});
    EXPECT_EQ(Plr.spirit_contacts, 0);
    EXPECT_NE(notes().find("You feel at ease."), std::string::npos) << notes();
}

TEST_F(AinoSpirits, SheSingsTheSleepRitualOnceANight) {
    into_the_wilds();
    dir->copy_asset("SLEEPP.RIT");
    Plr.forest_spirit = 0;
    Plr.ritual_counter[4] = 0;
    const uint32_t before = Plr.minutes;
    // Her ritual list holds the hunting incantation, not learned yet, and the sleep ritual.
    uint8_t *rec = reinterpret_cast<uint8_t *>(&Plr);
    rec[1232] = 6;
    rec[1282] = 1;
    rec[1233] = 4;
    oxatest::KeyFeeder typing;
    typing.key(SDLK_RETURN).key(SDLK_DOWN).key(SDLK_RETURN).key(SDLK_SPACE);   // a key after its verses
    int r = 0;
    typing.typed([&] { return r = invocation(); });
    EXPECT_EQ(r, 1);
    EXPECT_GE(Plr.minutes - before, 10u);
    EXPECT_EQ(Plr.ritual_counter[4], 200);
    EXPECT_EQ(Plr.forest_spirit, 0) << "performed by the page itself: no ritual toll";
    EXPECT_EQ(notes().find("Doing this ritual feels meaningless."), std::string::npos) << notes();
    // Leaving the page does nothing.
    oxatest::KeyFeeder leaving;
    leaving.key(SDLK_ESCAPE);
    leaving.typed([&] { return r = invocation(); });
    EXPECT_EQ(r, 0);
}

}  // namespace

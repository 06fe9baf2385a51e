// Aino, keys typed through the turn loop: she names her dog from its "!" menu, and she answers a
// robber who stands beside her by giving in.
#include "core/loader_fixture.h"

#include <cstddef>
#include <cstring>

#include "creatures/breaches.h"
#include "core/crefunc.h"
#include "creatures/physical.h"
#include "creatures/puuha.h"
#include "maps/kulttuuri.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "society/chat.h"
#include "game/loader.h"
#include "items/inventory.h"

namespace {

class PetRobberPlayed : public oxatest::PlayingTest {
protected:
    static int her_dog() {
        for (int n = 0; n < CRE_COUNT; n++)
            if (ask_valid(n) && Cre[n].speciescode == 618 && onko_NPC_kesyelain(n)) return n;
        return -1;
    }
    static int record_of(int n) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + n)) return i;
        return -1;
    }
    // Every creature but `keep` taken off the map, so that the picker starts on `keep` and nothing
    // wanders in.
    static void clear_creatures_but(int keep) {
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            if (d.type != DT_CREATURE || d.id == (uint32_t)(CRE_DATAID + keep)) continue;
            if (d.id >= (uint32_t)CRE_DATAID && d.id < (uint32_t)(CRE_DATAID + CRE_COUNT)) Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    }
    // A free square beside her.
    static bool beside_her(int &x, int &y) {
        static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        for (int d = 0; d < 8; d++)
            if (entry_square_free(PlayerX + dx[d], PlayerY + dy[d])) {
                x = PlayerX + dx[d];
                y = PlayerY + dy[d];
                return true;
            }
        return false;
    }
    // Down from the world map onto her field, as Enter and the next pass take her.
    void down_to_her_field() {
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_FALSE(bigmap());
    }
};

}  // namespace

TEST_F(PetRobberPlayed, SheNamesHerDogFromItsMenu) {
    down_to_her_field();
    const int dog = her_dog();
    ASSERT_GE(dog, 0) << "her dog came with her";
    clear_creatures_but(dog);
    const int dp = record_of(dog);
    ASSERT_GE(dp, 0);
    int x, y;
    ASSERT_TRUE(beside_her(x, y));
    Data[dp].x = (uint16_t)x;
    Data[dp].y = (uint16_t)y;
    Cre[dog].mode = 0;

    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'!', KMOD_SHIFT);   // command pets and companions
    typing.key(SDLK_RETURN);                    // her dog, the one in sight
    typing.key(SDLK_n);                         // "I shall name you..."
    typing.key((SDL_Keycode)'M', KMOD_SHIFT).key(SDLK_u).key(SDLK_s).key(SDLK_t).key(SDLK_i);
    typing.key(SDLK_RETURN);
    int r;
    typing.typed([&] { return turn_pass(&r); });

    EXPECT_STREQ(Cre[dog].pname, "Musti");
    EXPECT_EQ(Cre[dog].namebits & 3, 3);
    EXPECT_STREQ(monnam(dog, 0), "Musti");
}

TEST_F(PetRobberPlayed, SheGivesInToARobberBesideHer) {
    down_to_her_field();
    int x, y;
    ASSERT_TRUE(beside_her(x, y));
    CreatureStruct rec;
    synnyta_IHMISOLENTO(rec, 551, get_alltime_kulttuuri((int)Plr.world_x, (int)Plr.world_y), 0);
    ASSERT_EQ(rec.role, 20);
    const int id = new_creature_to_DATA(rec);
    ASSERT_NE(id, CRE_NONE);
    const int robber = id - CRE_DATAID;
    clear_creatures_but(robber);
    set_data(DT_CREATURE, x, y, id, 1);
    Cre[robber].Viimeisin_X = x;
    Cre[robber].Viimeisin_Y = y;
    for (int k = 9; k >= 0; k--) Keskeyta_Puuha(robber, k);
    ROBBERY_LOAD = 0.0f;
    ASSERT_GT(rob_items(-1, robber, 1), 0) << "she carries something he wants";
    const float load = laske_Load_value(-1);
    int pack_before = 0;
    for (int o : Cre[robber].pack) pack_before += o != 0;

    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'C', KMOD_SHIFT);   // talk to someone
    typing.key(SDLK_RETURN);                    // the man beside her
    typing.key(SDLK_3);                         // "Oh, take what you want, but don't hurt me."
    typing.key(SDLK_SPACE).key(SDLK_SPACE).key(SDLK_SPACE);   // he snatches, waves her off
    int r;
    typing.typed([&] { return turn_pass(&r); });

    EXPECT_EQ(Chatting_With, robber);
    EXPECT_EQ(EXIT_CHAT, 1);
    EXPECT_LT(laske_Load_value(-1), load) << "her goods are lighter";
    int pack_after = 0;
    for (int o : Cre[robber].pack) pack_after += o != 0;
    EXPECT_GT(pack_after, pack_before) << "he has them";
    EXPECT_EQ(Cre[robber].Puuha[0], 151) << "he waits for her to leave";

    // The load the robbery was settled at is hers: saved with her and read back at the next start.
    const float settled = ROBBERY_LOAD;
    EXPECT_FLOAT_EQ(settled, laske_Load_value(-1));
    ASSERT_EQ(Save(0), 1);
    const std::vector<uint8_t> file = oxatest::read_bytes(path("AINO.OXS"));
    ASSERT_EQ(file.size(), sizeof(PlayerStruct));
    float saved;
    memcpy(&saved, &file[offsetof(PlayerStruct, robbery_load)], sizeof saved);
    EXPECT_FLOAT_EQ(saved, settled);
    ROBBERY_LOAD = 0.0f;   // a fresh start of the program
    var_clear();
    ASSERT_EQ(loader(), 0);
    EXPECT_FLOAT_EQ(ROBBERY_LOAD, settled) << "robbers still watching her know what she carried";
    ROBBERY_LOAD = 0.0f;
}

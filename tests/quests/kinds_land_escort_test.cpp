// The two escorts: a maiden of Aino's village who wants to go to a distant people's land, and a
// woodsman met lost in the wild who wants to be walked to any village. Who may ask, what the giver's
// record becomes, where the escortee counts as arrived, and the talk from the first line to the reward.
#include "quests/kinds_land_fixture.h"

#include "creatures/creation.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "society/meetings.h"
#include "worldgen/culturegoods.h"
#include "core/player.h"

using namespace oxatest;

namespace {

class QuestKindsLandEscort : public LandQuestTest {
protected:
    // A person made and set on a free square near her; its slot.
    static int person_near(int code, int community) {
        static CreatureStruct p;
        synnyta_IHMISOLENTO(p, code, 0, community);
        return place_near(p);
    }
    static int place_near(CreatureStruct &rec) {
        for (int d = 2; d < 8; d++)
            for (int dx = -d; dx <= d; dx++)
                if (entry_square_free(PlayerX + dx, PlayerY + d)) {
                    const int id = new_creature_to_DATA(rec);
                    if (id == CRE_NONE) return -1;
                    set_data(DT_CREATURE, PlayerX + dx, PlayerY + d, id, 1);
                    return id - CRE_DATAID;
                }
        return -1;
    }
    // Down onto the local map of a world cell with no settlement within 10 cells; false when none.
    static bool into_the_wild() {
        const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
        for (int d = 10; d < 60; d++)
            for (int dx = -d; dx <= d; dx++) {
                const int x = hx + dx, y = hy + d;
                if (is_settled_area(x, y, 10) || get_alltime_maailmachar(x, y) < 128) continue;
                PlayerX = x;
                PlayerY = y;
                command({SDLK_RETURN});
                command({SDLK_SPACE, SDLK_PERIOD});
                return !bigmap();
            }
        return false;
    }
    static void arrived_case(int giver, int x, int y, uint8_t mode, int dest, int culture, int want) {
        int wx, wy;
        square_worldcell(x, y, &wx, &wy);
        const int was = get_alltime_kulttuuri(wx, wy);
        set_alltime_kulttuuri(wx, wy, culture);
        Cre[giver].escortdest = mode;
        Cre[giver].escortculture = (uint8_t)dest;
        Cre[giver].stateflags &= ~SF_ARRIVED;
        EXPECT_EQ(EscorteeAtDest(giver, x, y), want) << "mode " << (int)mode << " culture " << culture;
        set_alltime_kulttuuri(wx, wy, was);
        Cre[giver].stateflags &= ~SF_ARRIVED;
    }
};

}  // namespace

TEST_F(QuestKindsLandEscort, TheMaidenIsWalkedToTheLandOfHerChoice) {
    const int soc = village();
    const int maiden = maiden_in_village(soc);   // the village drawn for this run may have no maiden
    ASSERT_GE(maiden, 0);
    const int home = get_alltime_kulttuuri(IsoX(), IsoY());
    // Her own people's village: never this quest, and the maiden left as she was.
    ASSERT_EQ(Plr.culture, home);
    const WorldSnapshot before = WorldSnapshot::take();
    EXPECT_EQ(force(37, maiden, soc), 0);
    EXPECT_NE(std::string(questoffer_log()).find("not made"), std::string::npos) << "the kind's own maker said no";
    EXPECT_EQ(before.differs(WorldSnapshot::take()), "");

    // A player of a distant people.
    srand(9);
    const int far = DistantNeighbour(Cre[maiden].culture);
    ASSERT_NE(far, home);
    Plr.culture = (uint8_t)far;
    ASSERT_EQ(force_seeded(37, maiden, soc), 1) << questoffer_log();
    QuestStruct q;
    ASSERT_TRUE(loadQuest(Cre[maiden].quest, q));
    EXPECT_EQ(q.kind, 37);
    EXPECT_EQ(dump_fault(q), "");
    EXPECT_EQ(Cre[maiden].escortdest, 3);
    EXPECT_EQ(Cre[maiden].escortculture, far);
    EXPECT_EQ(Cre[maiden].stateflags & 96u, 96u);
    EXPECT_EQ(Cre[maiden].localknowledge, 0);
    EXPECT_NE(Cre[maiden].stateflags & 16u, 0u) << "she is marked as a quest giver";
    // While she asks she keeps her goods: goods marked for sale are not offered in a personal trade.
    const CreatureStruct as_made = Cre[maiden];
    for (int s = 0; s < 5; s++) {
        Cre[maiden].pack[s] = object("Knife", 1);
        Cre[maiden].packcount[s] = 1;
        Cre[maiden].packbits[s] = 2;
    }
    Chatting_With = maiden;
    Chat_Mode = CHAT_TRADE;
    TradeInquiry();
    for (const ChatOptStruct &o : ChatOptions) EXPECT_FALSE(o.text[0] && strstr(o.tag, "[PERSONAL TRADE]")) << o.text;
    Cre[maiden] = as_made;

    // Where an escortee counts as arrived: a village cell, of the destination culture for her, of any
    // culture but the raiders' for a woodsman.
    int open_x = -1, open_y = -1;
    for (int x = PlayerX - 120; x <= PlayerX + 120 && open_x < 0; x += 8)
        for (int y = PlayerY - 120; y <= PlayerY + 120 && open_x < 0; y += 8)
            if (x > 0 && y > 0) {
                int wx, wy;
                square_worldcell(x, y, &wx, &wy);
                if (!on_kyla(wx, wy, 1)) open_x = x, open_y = y;
            }
    const uint8_t mode = Cre[maiden].escortdest, dest = Cre[maiden].escortculture;
    arrived_case(maiden, PlayerX, PlayerY, 3, far, far, 1);
    arrived_case(maiden, PlayerX, PlayerY, 3, far, home, 0);
    arrived_case(maiden, PlayerX, PlayerY, 1, 0, home, 1);
    arrived_case(maiden, PlayerX, PlayerY, 1, 0, 11, 0);
    if (open_x >= 0) arrived_case(maiden, open_x, open_y, 1, 0, home, 0);
    Cre[maiden].escortdest = mode;
    Cre[maiden].escortculture = dest;

    // The talk: she asks, is accepted and follows; in a village of the player's people she rewards.
    open_talk(maiden);
    EXPECT_EQ(walk({3, 4, 10, 11}), -1);
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_EQ(q.accepted, 1);
    // She follows, fed for the road: the next morning she is still of the party, her days counted to
    // the quest's due day (SPACE and Esc would hear her out, should she come to talk).
    ASSERT_TRUE(onko_NPC_kumppani(maiden));
    next_morning({SDLK_PERIOD, SDLK_SPACE, SDLK_ESCAPE});
    EXPECT_TRUE(onko_NPC_kumppani(maiden)) << notes();
    EXPECT_EQ(compword(maiden) & CF_UNHAPPY, 0u);
    EXPECT_EQ(Cre[maiden].compstate, q.daysToComplete);
    open_talk(maiden);
    EXPECT_EQ(globqS.conditions[0], 0) << "her own village is not the destination";
    set_alltime_kulttuuri(IsoX(), IsoY(), far);
    open_talk(maiden);
    EXPECT_EQ(globqS.conditions[0], 1);
    EXPECT_EQ(globqS.talk[15].said, 1);
    EXPECT_TRUE(pick_line(16));
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_NE(q.completionDay, 0u);
    set_alltime_kulttuuri(IsoX(), IsoY(), home);
}

TEST_F(QuestKindsLandEscort, TheLostWoodsmanAsksOnlyFarFromPeopleAndWithoutAPet) {
    // In her village: settled, so no woodsman asks, and his record stays as it was.
    const int soc = village();
    const int paavo = villager(soc);
    ASSERT_GE(paavo, 0);
    CreatureStruct was = Cre[paavo];
    EXPECT_EQ(force(38, paavo, soc), 0);
    EXPECT_EQ(memcmp(&was, &Cre[paavo], sizeof was), 0);
}

TEST_F(QuestKindsLandEscort, TheLostWoodsmanMetInTheWildIsWalkedToAVillage) {
    ASSERT_TRUE(into_the_wild());
    // One with a dog of his own doesn't ask.
    const int keeper = person_near(540, 0);
    ASSERT_GE(keeper, 0);
    static CreatureStruct dog;
    Luo_Olento(618);
    dog = Creature;
    const int pet = place_near(dog);
    ASSERT_GE(pet, 0);
    set_CrePetAndMaster(pet, keeper);
    CreatureStruct was = Cre[keeper];
    EXPECT_EQ(force(38, keeper, 0), 0);
    EXPECT_EQ(memcmp(&was, &Cre[keeper], sizeof was), 0);

    // Met again after days away, a lone woodsman offers his quest.
    const int w = person_near(540, 0);
    ASSERT_GE(w, 0);
    // The longest kind word and name a record holds go into his title and lines.
    memset(Cre[w].species, 'W', sizeof Cre[w].species - 1);
    Cre[w].species[sizeof Cre[w].species - 1] = 0;
    memset(Cre[w].pname, 'N', sizeof Cre[w].pname - 1);
    Cre[w].pname[sizeof Cre[w].pname - 1] = 0;
    Cre[w].daysaved = (int32_t)Plr.daynumber - 5;
    int made = 0;
    for (int seed = 1; seed < 20 && !made; seed++) {
        srand(seed);
        Plr.lastquest_day = 0;
        creature_update(w, cre_datapos(w));
        made = Cre[w].quest != 0;
        Cre[w].daysaved = (int32_t)Plr.daynumber - 5;
    }
    ASSERT_TRUE(made) << questoffer_log() << " dp " << cre_datapos(w);
    QuestStruct q;
    ASSERT_TRUE(loadQuest(Cre[w].quest, q));
    EXPECT_EQ(q.kind, 38);
    EXPECT_EQ(dump_fault(q), "");
    EXPECT_EQ(Cre[w].escortdest, 1);
    EXPECT_EQ(Cre[w].escortculture, 0);
    EXPECT_EQ(Cre[w].stateflags & 96u, 96u);
    EXPECT_EQ(Cre[w].localknowledge, 0);

    open_talk(w);
    EXPECT_EQ(walk({4, 6}), -1);
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_EQ(q.accepted, 1);

    // Out here he has not arrived; where a village stands he has, and he rewards her.
    open_talk(w);
    EXPECT_EQ(globqS.conditions[0], 0);
    int wx, wy;
    square_worldcell(cre_x(w), cre_y(w), &wx, &wy);
    maailma_alltime[mapidx(wx, wy)] = 239;
    open_talk(w);
    EXPECT_EQ(globqS.conditions[0], 1);
    EXPECT_EQ(globqS.talk[15].said, 1);
    EXPECT_TRUE(pick_line(16));
    ASSERT_TRUE(loadQuest(q.id, q));
    EXPECT_NE(q.completionDay, 0u);
}

// Aino's game and the quests: a quest left past its days goes at the daily upkeep with its message, an
// old offer goes silently; a giver with news of a running quest walks up to her and talks; robbers' camps
// and treasures go into the stored maps of their world cells.
#include "core/loader_fixture.h"

#include <cstring>
#include <string>

#include "core/datafunc.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "core/maintenance.h"
#include "creatures/people.h"
#include "maps/kulttuuri.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "presentation/input_feeder.h"
#include "quests/lairs.h"
#include "quests/rewards.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/questlist.h"

namespace {

class QuestsPlayed : public oxatest::PlayingTest {
protected:
    static QuestStruct quest(uint32_t id, uint32_t giver, const char *title) {
        QuestStruct q{};
        q.id = id;
        q.kind = 70;
        q.generated = 1;
        q.giverUid = giver;
        q.createdDay = 1;
        q.createdDayNumber = Plr.daynumber;
        copy_bounded(q.title, sizeof q.title, title);
        return q;
    }
    static void waits(int turns) {
        for (int i = 0; i < turns; i++) command({SDLK_SPACE, SDLK_PERIOD});
    }
};

}  // namespace

TEST_F(QuestsPlayed, AQuestLeftPastItsDaysGoesAtTheDailyUpkeep) {
    ASSERT_GT(walk_into_her_village(), 0);
    Plr.daynumber = 60;   // a month after the offer: she starts on her first day
    const uint32_t today = Plr.daynumber;
    QuestStruct q = quest(9001, 0, "Firewood for the sauna");
    q.accepted = 1;
    q.acceptDayOfMonth = Plr.day;
    q.acceptDay = today - 3;
    q.daysToComplete = 3;   // due today: gone tomorrow
    ASSERT_TRUE(SaveQuest(&q));
    QuestStruct offer = quest(9002, 0, "Stones for the sauna");
    offer.createdDayNumber = today - 30;
    offer.offerLifeDays = 30;
    ASSERT_TRUE(SaveQuest(&offer));

    waits(1);
    ASSERT_TRUE(loadQuest(9001, q));
    EXPECT_EQ(q.closed, 0) << "not yet overdue";
    // The morning's upkeep comes before her next command is read, and its message waits for SPACE:
    // there the first key goes by unheeded, SPACE answers it and the second one is her command.
    next_morning();
    ASSERT_EQ(Plr.daynumber, today + 1);
    ASSERT_TRUE(loadQuest(9001, q));
    EXPECT_EQ(q.closed, 1);
    ASSERT_TRUE(loadQuest(9002, offer));
    EXPECT_EQ(offer.closed, 1);
    EXPECT_EQ(ReadQuestList("[uncompleted]"), 0);
    const std::string log = notes();
    EXPECT_NE(log.find("Firewood for the sauna quest has expired and is removed from the quest journal."),
              std::string::npos);
    EXPECT_EQ(log.find("Stones for the sauna"), std::string::npos) << "an offer goes without a word";
}

TEST_F(QuestsPlayed, AGiverWithARunningQuestComesToTalk) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    int n = -1;
    for (int i = 0; i < DATA_MAX && n < 0; i++) {
        if (Data[i].type != DT_CREATURE || Data[i].id < (uint32_t)CRE_DATAID) continue;
        const int c = (int)Data[i].id - CRE_DATAID;
        if (c < CRE_COUNT && Cre[c].kind == CK_HUMAN && Cre[c].community == (uint32_t)soc) n = c;
    }
    ASSERT_GE(n, 0) << "her village has people";
    // Beside her, and nobody else near.
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id != (uint32_t)(CRE_DATAID + n) &&
            koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) <= 4)
            CrunchData(i);
    const int dp = cre_datapos(n);
    ASSERT_GE(dp, 0);
    Data[dp].x = (uint16_t)(PlayerX + 1);
    Data[dp].y = (uint16_t)PlayerY;
    QuestStruct q = quest(9003, Cre[n].socialid, "Sauna stones");
    q.accepted = 1;
    q.acceptDayOfMonth = Plr.day;
    q.acceptDay = Plr.daynumber;
    q.daysToComplete = 30;
    copy_bounded(q.pendingText, sizeof q.pendingText, "TALKLINE 2");
    copy_bounded(q.talk[2].npcText, sizeof q.talk[2].npcText, "There you are! Have you found the stones?");
    ASSERT_TRUE(SaveQuest(&q));
    Cre[n].quest = 9003;
    Cre[n].questexpiry = 0;
    Cre[n].stateflags |= SF_QUESTTALK;
    Cre[n].Puuha[0] = 70;
    Cre[n].PuuhaAika[0] = 30;
    Chatting_With = CRE_NONE;

    oxatest::KeyFeeder typing;
    typing.key(SDLK_PERIOD).key(SDLK_SPACE).key(SDLK_ESCAPE).key(SDLK_ESCAPE).key(SDLK_ESCAPE);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(Chatting_With, n);
    ASSERT_TRUE(loadQuest(9003, q));
    EXPECT_EQ(q.talk[2].said, 1) << "the giver opened with the running quest's line";
}

TEST_F(QuestsPlayed, RobbersAndATreasureGoIntoTheirCellsMaps) {
    const int hx = IsoX(), hy = IsoY();
    const UiPoint camp = FindBigmapLoc(hx, hy, 6, 20, 0, 0, 0);
    ASSERT_NE(camp.x, 0);
    static ZoomStruct before;
    memcpy(&before, &Zoom, sizeof before);
    const int band = (int)crID();
    robber_lair(camp.x, camp.y, band, 0, 4, 3);
    EXPECT_EQ(memcmp(&before, &Zoom, sizeof before), 0) << "the map in hand is as it was";
    ASSERT_EQ(load_zoommap(camp.x, camp.y), 1);
    int robbers = 0;
    for (const DataStruct &d : Zoom.data) {
        if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) continue;
        CreatureStruct c;
        if (!getsotucrstruct(c, d.id, 0) || c.community != (uint32_t)band) continue;
        robbers++;
        EXPECT_EQ(d.x, 22);
        EXPECT_EQ(d.y, 22);
        EXPECT_NE(c.memberbits & 4, 0);
        EXPECT_EQ(c.home_x, camp.x);
        EXPECT_EQ(c.leaveday, Plr.daynumber + 90);
        EXPECT_EQ(c.speciescode, 551u);
    }
    EXPECT_EQ(robbers, 4);
    memcpy(&Zoom, &before, sizeof Zoom);

    // A treasure of no named kind is casual wealth; its mark falls within 8 cells of it.
    QuestStruct q{};
    char tags[200] = "[trstype:]";
    const RewardStruct r = GenerateReward_treasure(hx, hy, get_alltime_kulttuuri(hx, hy), tags, sizeof tags, &q);
    ASSERT_EQ(r.valid, 1) << "her land has a cave, a cliff or an island within 200 cells";
    EXPECT_NE(std::string(tags).find("[casual]"), std::string::npos) << tags;
    EXPECT_NE(std::string(r.givingText).find(TREASURESTR_piilotustapa), std::string::npos);
    EXPECT_STREQ(r.tags, "[info] [xarea]");
    EXPECT_EQ(memcmp(&before, &Zoom, sizeof before), 0);
    EXPECT_TRUE(q.marks[1].label[0] >= 'A' && q.marks[1].label[0] <= 'Z') << q.marks[1].label;
    // The treasure's cell: the one whose stored map holds the treasure mark near the quest's mark.
    int found = 0;
    for (int y = q.marks[1].y - 8; y <= q.marks[1].y + 8 && !found; y++)
        for (int x = q.marks[1].x - 8; x <= q.marks[1].x + 8 && !found; x++)
            if (ZoomMapPos(x, y) && load_zoommap(x, y))
                for (const DataStruct &d : Zoom.data) found |= d.type == 119;   // the treasure scene's mark
    EXPECT_TRUE(found) << "the treasure lies within 8 cells of its mark";
    memcpy(&Zoom, &before, sizeof Zoom);

    // A culture no cell has: no place in five tries, no reward.
    char none[40] = "";
    const UiPoint nowhere = CreateTreasureLoc(hx, hy, 10, 200, 1, 200, none, sizeof none);
    EXPECT_EQ(nowhere.x, 0);
    EXPECT_EQ(GenerateReward_treasure(hx, hy, 200, none, sizeof none, &q).valid, 0);
}

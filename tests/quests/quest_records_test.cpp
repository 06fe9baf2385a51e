// The quest files and what is built on them: the record saved and refused, closing with its side roles,
// the lists and their filters, the limits on new quests, the daily expiry, a person's link, side roles
// opened and a quest made for a person, kept only when its file stands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/savecommit.h"
#include "core/notes.h"
#include "creatures/village_fixture.h"
#include "quests/questgen_int.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "society/meetings.h"
#include "society/questlist.h"

namespace {

class QuestFiles : public VillageTest {
protected:
    void SetUp() override {
        VillageTest::SetUp();
        Plr.last_uid = 1000;
        Plr.lastquest_day = 0;
        Plr.day = 7;
        Plr.month = 5;
        Plr.year = 3;
        questgen_override = nullptr;
        QUEST_LOGGER = 0;
    }
    void TearDown() override {
        questoffer_services_reset();
        questgen_override = nullptr;
        QUEST_LOGGER = 0;
        VillageTest::TearDown();
    }
    // A generated quest on file: accepted on day `accepted` (0 not), made on day `created`.
    static void stored(uint32_t id, int kind, uint32_t accepted, uint8_t days, uint32_t created, uint8_t life = 30,
                       uint32_t completed = 0) {
        QuestStruct q{};
        q.id = id;
        q.kind = (uint16_t)kind;
        q.generated = 1;
        q.accepted = accepted != 0;
        q.acceptDayOfMonth = accepted ? 1 : 0;
        q.acceptDay = accepted;
        q.daysToComplete = days;
        q.offerLifeDays = life;
        q.createdDay = 1;
        q.createdDayNumber = created;
        q.completionDay = completed;
        snprintf(q.title, sizeof q.title, "Quest %u", id);
        ASSERT_TRUE(SaveQuest(&q));
    }
    std::string file(uint32_t id) { return dir->path() + "/" + std::to_string(id) + ".QST"; }
    bool closed(uint32_t id) {
        QuestStruct q;
        return loadQuest(id, q) && q.closed && !q.accepted;
    }
};

}  // namespace

TEST_F(QuestFiles, SavingStampsTheCreationOnceAndAShortFileIsRefused) {
    Plr.daynumber = 12;
    QuestStruct q{};
    q.id = 5;
    q.generated = q.accepted = 1;
    ASSERT_TRUE(SaveQuest(&q));
    Plr.day = 9;
    Plr.daynumber = 14;
    ASSERT_TRUE(SaveQuest(&q));
    QuestStruct back;
    ASSERT_TRUE(loadQuest(5, back));
    EXPECT_EQ(back.createdDay, 7);
    EXPECT_EQ(back.createdMonth, 5);
    EXPECT_EQ(back.createdYear, 3);
    EXPECT_EQ(back.createdDayNumber, 12u);
    EXPECT_EQ(ReadQuestList(""), 1);

    // One byte short: refused whole by the loader and skipped by the lists.
    ASSERT_EQ(truncate(file(5).c_str(), QUEST_FILE_SIZE - 1), 0);
    memset(&back, 0x55, sizeof back);
    EXPECT_FALSE(loadQuest(5, back));
    EXPECT_EQ(back.id, 0u);
    EXPECT_EQ(ReadQuestList(""), 0);
    EXPECT_FALSE(loadQuest(0, back));

    // A folder that can't take the file: the save says so.
    copy_bounded(CharacterPath, sizeof CharacterPath, (dir->path() + "/gone").c_str());
    strcpy(q.title, "Herbs");
    NOTE[0] = lastnote[0] = 0;
    EXPECT_FALSE(SaveQuest(&q));
    EXPECT_NE(strstr(NOTE, "\"Herbs\" could not be written"), nullptr) << NOTE;
}

TEST_F(QuestFiles, RemovingKeepsTheQuestClosedAndDeletesItsSideRoles) {
    stored(21, 15, 30, 20, 30);
    stored(22, 15, 0, 0, 30);
    QuestStruct q;
    ASSERT_TRUE(loadQuest(21, q));
    q.sideQuestIds[1] = 22;
    q.completionDay = 33;
    SaveQuest(&q);
    RemoveQuest(21);
    EXPECT_TRUE(closed(21));
    ASSERT_TRUE(loadQuest(21, q));
    EXPECT_EQ(q.completionDay, 0u);
    struct stat st;
    EXPECT_NE(stat(file(22).c_str(), &st), 0) << "the side role's file is gone";
    EXPECT_EQ(ReadQuestList(""), 0);
    EXPECT_EQ(ReadQuestList("[new]"), 0);
    RemoveQuest(99);   // none: nothing happens

    // A file holding another quest's record is no quest of its own: removing it leaves that one open.
    stored(7, 15, 30, 20, 30);
    ASSERT_EQ(system(("cp " + file(7) + " " + file(5)).c_str()), 0);
    EXPECT_FALSE(loadQuest(5, q));
    RemoveQuest(5);
    ASSERT_TRUE(loadQuest(7, q));
    EXPECT_FALSE(q.closed);
    EXPECT_TRUE(q.accepted);
    EXPECT_EQ(ReadQuestList(""), 1);
}

// A quest closed inside a save (its offer's days out when its giver is met at a map entry) goes with
// that save: one that fails leaves the quest and its side role's file as the save before left them;
// one that stands takes the side role's file away.
TEST_F(QuestFiles, AQuestClosedInsideASaveStandsOrFallsWithIt) {
    for (const bool fails : {true, false}) {
        SCOPED_TRACE(fails ? "the save fails" : "the save stands");
        stored(21, 15, 0, 0, 30);
        stored(22, 15, 0, 0, 30);
        QuestStruct q;
        ASSERT_TRUE(loadQuest(21, q));
        q.sideQuestIds[0] = 22;
        ASSERT_TRUE(SaveQuest(&q));
        const std::string main_was = dir->read_file("21.QST"), side_was = dir->read_file("22.QST");
        villager(3, 240, 232, true);
        Cre[3].quest = 21;
        Cre[3].questday = 40;
        Plr.daynumber = 41;
        RealCreaturePos[3] = CRE_DATAID + 3;
        save_begin();
        creature_update(3);
        EXPECT_EQ(Cre[3].quest, 0u);
        EXPECT_FALSE(loadQuest(22, q)) << "the running save reads the side role as gone";
        if (fails) save_fail("the disk");
        EXPECT_EQ(save_commit(), !fails);
        EXPECT_FALSE(dir->exists("22.QST.new"));
        if (fails) {
            EXPECT_TRUE(dir->read_file("21.QST") == main_was);
            EXPECT_TRUE(dir->read_file("22.QST") == side_was);
        } else {
            EXPECT_TRUE(closed(21));
            EXPECT_FALSE(dir->exists("22.QST"));
        }
    }
}

TEST_F(QuestFiles, ListsFilterAndSortByTheirTags) {
    Plr.daynumber = 100;
    stored(31, 3, 50, 10, 40);             // accepted, open
    stored(32, 3, 0, 0, 39);               // offered
    stored(33, 40, 60, 10, 45, 30, 70);    // completed
    stored(34, 40, 50, 10, 45);            // accepted the same day as 31
    struct Case {
        const char *filter;
        int count;
        uint32_t first, second;
    } cases[] = {
        {"", 3, 33, 31},
        {"[uncompleted]", 2, 31, 34},   // equal days keep the order of the file names
        {"[completed]", 1, 33, 0},
        {"[new]", 1, 32, 0},
        {"[new] [nameid:3]", 2, 31, 32},
        {"[nameid:3] [igndaygap:60]", 1, 31, 0},   // made on day 40 is kept, on day 39 dropped
        {"[nameid:3] [igndaygap:61]", 2, 31, 32},
        {"[nameid:40] [igndaygap:500]", 2, 33, 34},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ReadQuestList(c.filter), c.count) << c.filter;
        EXPECT_EQ(QuestListIDs[0], c.first) << c.filter;
        EXPECT_EQ(QuestListIDs[1], c.second) << c.filter;
    }
}

TEST_F(QuestFiles, NewQuestsWaitForRoomAndForTheirDay) {
    struct Case {
        int open, offered;
        uint32_t today, last;
        int allowed;
    } cases[] = {
        {3, 0, 100, 0, 0}, {2, 2, 100, 0, 1}, {0, 3, 100, 0, 0}, {0, 0, 0, 0, 0},
        {0, 0, 33, 20, 0}, {0, 0, 34, 20, 1}, {0, 0, 1, 0, 1},
    };
    for (const Case &c : cases) {
        wild_remove((dir->path() + "/*.QST").c_str());
        uint32_t id = 40;
        for (int i = 0; i < c.open; i++) stored(id++, 3, 5, 100, 5);
        for (int i = 0; i < c.offered; i++) stored(id++, 3, 0, 0, 5);
        stored(id++, 3, 5, 100, 5, 30, 6);   // completed: counts for nothing
        Plr.daynumber = c.today;
        Plr.lastquest_day = c.last;
        EXPECT_EQ(NewQuestsAllowed(), c.allowed) << c.open << " open, " << c.offered << " offered, day " << c.today;
    }
}

TEST_F(QuestFiles, TheDailyExpiryClosesOverdueQuestsAndOldOffers) {
    struct Case {
        uint32_t accepted, created;
        uint8_t days, life;
        uint32_t today;
        bool gone, told;
    } cases[] = {
        {10, 10, 5, 30, 15, false, false}, {10, 10, 5, 30, 16, true, true},
        {0, 10, 0, 30, 40, false, false},  {0, 10, 0, 30, 41, true, false},
        {0, 10, 0, 0, 400, false, false},   // no offer life: kept
    };
    for (const Case &c : cases) {
        stored(50, 3, c.accepted, c.days, c.created, c.life);
        Plr.daynumber = c.today;
        NOTE[0] = lastnote[0] = 0;
        QuestExpirationMaintenance();
        EXPECT_EQ(closed(50), c.gone) << "day " << c.today;
        EXPECT_EQ(strstr(NOTE, "Quest 50 quest has expired and is removed from the quest journal.") != nullptr, c.told)
            << NOTE;
    }
}

TEST_F(QuestFiles, APersonsLinkIsDroppedOnlyForPeopleOfTheArea) {
    for (int c : {-1, (int)CRE_NONE, (int)CRE_COUNT, 3}) {
        stored(60, 3, 10, 30, 10);
        villager(3, 240, 232, true);
        Cre[3].quest = 60;
        Cre[3].questexpiry = 12;
        Cre[3].questday = 40;
        Cre[3].stateflags = 16;
        closeNPCquest(c, 60);
        EXPECT_TRUE(closed(60)) << c;
        EXPECT_EQ(Cre[3].quest == 0 && Cre[3].questexpiry == 0 && Cre[3].questday == 0 && Cre[3].stateflags == 0, c == 3)
            << c;
        // Met again, a giver of a closed quest lets it go.
        Cre[3].quest = 60;
        RealCreaturePos[3] = CRE_DATAID + 3;
        creature_update(3);
        EXPECT_EQ(Cre[3].quest, 0u);
        stored(60, 3, 10, 30, 10);
        Cre[3].quest = 60;
        disableNPCquest(c, 60);
        EXPECT_FALSE(closed(60)) << "the file stays as it was";
        EXPECT_EQ(Cre[3].quest == 0, c == 3) << c;
    }
}

TEST_F(QuestFiles, SideRolesAreOpenedOnceAndCompletedUnlessTheirOwn) {
    Plr.daynumber = 80;
    stored(70, 15, 0, 0, 70);
    SidequestOpen(70, "[ok]");
    SidequestOpen(70, "[ok]");   // a summary talk speaks the line again
    const std::string longtag = "[" + std::string(86, 'x') + "]";
    SidequestOpen(70, longtag.c_str());   // would pass 91 characters
    SidequestOpen(70, "[noname_ok]");
    QuestStruct q;
    ASSERT_TRUE(loadQuest(70, q));
    EXPECT_STREQ(q.statusTags, "[ok][noname_ok]");
    SidequestComplete(70);
    ASSERT_TRUE(loadQuest(70, q));
    EXPECT_EQ(q.completionDay, 80u);
    q.completionDay = 0;
    q.ownCompletion = 1;
    SaveQuest(&q);
    SidequestComplete(70);
    ASSERT_TRUE(loadQuest(70, q));
    EXPECT_EQ(q.completionDay, 0u);
}

// A generator as the kinds make theirs: a title, a flag for the giver, no offer life, one side role.
static QuestStruct side_role_quest(int kind, int c, int x, int y) {
    QuestStruct &q = qgen_begin();
    q.kind = (uint16_t)kind;
    q.markerFlag = 1;
    q.worldX = x;
    q.worldY = y;
    q.giverUid = Cre[c].socialid;
    qgen_printf(q.title, sizeof q.title, "%s", "Errand");
    qgen_line(q, 0, std::string(460, 'a').c_str(), "[info]");   // over the dump's 450
    static QuestStruct side;
    if (qgen_side_begin(side, q, 2)) {
        qgen_printf(side.olText, sizeof side.olText, "Are you the one?|TALKLINE 1:I am.");
        qgen_side_commit(side, q, 2);
    }
    return q;
}

TEST_F(QuestFiles, AQuestIsGivenOnlyWhenItsFileStands) {
    Plr.daynumber = 50;
    villager(1, 240, 232, true);
    villager(2, 241, 232, true);
    questgen_override = side_role_quest;
    QUEST_LOGGER = 1;
    struct Case {
        bool blocked;
        int made;
    } cases[] = {{true, -1}, {false, 1}};   // -1: the disk refused it, the offer tries no more
    for (const Case &c : cases) {
        Cre[1].quest = Cre[2].quest = 0;
        // A folder where the main quest's file would go: the write fails.
        const std::string main = file(Plr.last_uid + 2);
        if (c.blocked) {
            ASSERT_EQ(mkdir(main.c_str(), 0755), 0);
        }
        EXPECT_EQ(DoQuestForNPC(1, 70, 1500, 1000), c.made);
        if (c.blocked) {
            rmdir(main.c_str());
            EXPECT_EQ(Cre[1].quest, 0u);
            EXPECT_EQ(Cre[2].quest, 0u) << "the side role went with it";
            EXPECT_EQ(ReadQuestList("[new]"), 0);
            continue;
        }
        const uint32_t id = Cre[1].quest;
        QuestStruct q;
        ASSERT_TRUE(loadQuest(id, q));
        EXPECT_EQ(q.generated, 1);
        EXPECT_EQ(q.offerLifeDays, 30);
        EXPECT_EQ(q.createdDayNumber, 50u);
        EXPECT_EQ(Cre[1].questday, 80);
        EXPECT_NE(Cre[1].stateflags & 16, 0u);
        EXPECT_EQ(Cre[2].quest, q.sideQuestIds[0]);
        ASSERT_TRUE(loadQuest(Cre[2].quest, q));
        EXPECT_EQ(q.sideRole, 1);
        EXPECT_TRUE(dir->exists(("QUEST-" + std::to_string(id) + ".TXT").c_str()));
        EXPECT_NE(dir->read_file(("QUEST-" + std::to_string(id) + ".TXT").c_str()).find("*** TOO LONG! ***"),
                  std::string::npos);
    }
    questgen_override = nullptr;
    for (int kind : {99, 100}) EXPECT_EQ(DoQuestForNPC(1, kind, 1500, 1000), 0) << "kind " << kind << " is not offered";
    EXPECT_EQ(DoQuestForNPC(CRE_NONE, 70, 1500, 1000), 0);
}

TEST_F(QuestFiles, TheDumpCountsEveryTextOverItsLimit) {
    QUEST_LOGGER = 1;
    struct Case {
        size_t text, tags, line, opttags;
        int errors;
    } cases[] = {
        {450, 95, 89, 59, 0}, {451, 95, 89, 59, 1}, {450, 96, 89, 59, 1},
        {450, 95, 90, 59, 1}, {450, 95, 89, 60, 1}, {479, 99, 150, 71, 4},
    };
    for (const Case &c : cases) {
        QuestStruct q{};
        q.id = 80;
        memset(q.talk[4].npcText, 'a', c.text);
        memset(q.talk[4].actionTags, 't', c.tags);
        memset(q.talk[4].options[2].coded, 'p', c.line);
        q.talk[4].options[2].coded[c.line] = '|';
        memset(q.talk[4].options[2].optionTags, 'o', c.opttags);
        EXPECT_EQ(debuglog_quest(&q), c.errors) << c.text << " " << c.tags << " " << c.line << " " << c.opttags;
    }
    QUEST_LOGGER = 0;
    QuestStruct q{};
    EXPECT_EQ(debuglog_quest(&q), 0);
}

TEST_F(QuestFiles, ObjectMaintenanceKeepsWhatOpenQuestsPromise) {
    struct Case {
        bool closed, craft;
        bool kept;
    } cases[] = {{false, false, true}, {false, true, true}, {true, false, false}};
    for (const Case &c : cases) {
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        const int blend = item("Herb blend", IT_FOOD, 5.0f);
        stored(90, 3, 10, 30, 10);
        QuestStruct q;
        ASSERT_TRUE(loadQuest(90, q));
        (c.craft ? q.craftOrder[0] : q.rewardItem) = (uint32_t)blend;
        q.closed = c.closed;
        SaveQuest(&q);
        object_maintenance();
        EXPECT_EQ(ObjToItem(blend).name[0] != 0, c.kept) << "closed " << c.closed << " craft " << c.craft;
    }
}

// The quest journal and the quest marks over quest files written into a character's folder: the
// pages and their order, the day words, the lines the journal keeps for her, and the marks and texts
// the map of known areas gets from each quest.
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <string>

#include "common/harness.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "quests/journal.h"
#include "quests/questmarks.h"
#include "core/tehtavat.h"

namespace {

class JournalFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new oxatest::TempDir();
        mkdir((dir->path() + "/HERO").c_str(), 0755);
        copy_bounded(CharacterFile, sizeof CharacterFile, "HERO");
        snprintf(CharacterPath, sizeof CharacterPath, "%s/HERO", dir->path().c_str());
        memset(&Plr, 0, sizeof Plr);
        Plr.daynumber = 100;
        Plr.day = 10;
        Plr.month = 4;
        Plr.year = 1;
        Plr.sex = 2;
        DEBUG_INFO = 0;
        ClrMapQuestInfos();
    }
    void TearDown() override {
        CharacterFile[0] = CharacterPath[0] = 0;
        memset(&Plr, 0, sizeof Plr);
        ClrMapQuestInfos();
        delete dir;
    }
    // A quest offered and accepted on `accepted` (0: only offered), to be saved as the game saves it;
    // the records of the last eight calls stay apart.
    static QuestStruct &quest(uint32_t id, uint32_t accepted, const char *title) {
        static QuestStruct pool[8];
        static int next = 0;
        QuestStruct &q = pool[next++ % 8];
        memset(&q, 0, sizeof q);
        q.id = id;
        q.kind = 3;
        q.generated = 1;
        q.accepted = accepted ? 1 : 0;
        q.acceptDay = accepted;
        q.acceptDayOfMonth = accepted ? 1 : 0;
        q.daysToComplete = 30;
        copy_bounded(q.title, sizeof q.title, title);
        return q;
    }
    static void line(QuestStruct &q, int n, const char *text, const char *tags, bool said) {
        copy_bounded(q.talk[n].npcText, sizeof q.talk[n].npcText, text);
        copy_bounded(q.talk[n].actionTags, sizeof q.talk[n].actionTags, tags);
        q.talk[n].said = said;
    }
    oxatest::TempDir *dir = nullptr;
};

TEST_F(JournalFiles, PagesListAcceptedQuestsNewestFirstFiveAPage) {
    // Six accepted on days 91..96, one only offered, one removed: two pages, the newest first.
    for (uint32_t i = 0; i < 6; i++) SaveQuest(&quest(11 + i, 91 + i, "Herbs"));
    SaveQuest(&quest(30, 0, "Offered"));
    QuestStruct &closed = quest(31, 0, "Closed");   // as removing a quest leaves it
    closed.acceptDay = 99;
    closed.closed = 1;
    SaveQuest(&closed);
    const int listed = journal_list();
    ASSERT_EQ(listed, 6);
    const JournalPage first = journal_page(0, listed), second = journal_page(5, listed);
    EXPECT_EQ(first.count, 5);
    EXPECT_EQ(first.ids[0], 16u);
    EXPECT_EQ(first.ids[4], 12u);
    EXPECT_FALSE(first.earlier);
    EXPECT_TRUE(first.later);
    EXPECT_EQ(second.count, 1);
    EXPECT_EQ(second.ids[0], 11u);
    EXPECT_TRUE(second.earlier);
    EXPECT_FALSE(second.later);

    struct Turn {
        int offset, key, listed, after;
    } turns[] = {{0, KEY_PGDN, 6, 5}, {5, KEY_PGDN, 6, 5}, {0, KEY_PGDN, 5, 0}, {5, KEY_PGUP, 6, 0},
                 {0, KEY_PGUP, 6, 0}, {10, KEY_PGUP, 12, 5}, {3, KEY_PGUP, 12, 0}};
    for (const Turn &t : turns) EXPECT_EQ(journal_turn_page(t.offset, t.key, t.listed), t.after) << t.offset;
}

TEST_F(JournalFiles, AssignmentDayWords) {
    struct Case {
        uint32_t accepted, completed;
        int days;
        const char *line;
    } cases[] = {
        {100, 0, 30, "Assigned today, expires in 30 days."},
        {99, 0, 30, "Assigned yesterday, expires in 29 days."},
        {95, 0, 30, "Assigned 5 days ago, expires in 25 days."},
        {93, 0, 5, "Assigned 7 days ago, expires in 0 days."},   // overdue until the day's upkeep
        {90, 100, 30, "Completed today"},
        {90, 97, 30, "Completed 3 days ago"},
    };
    for (const Case &c : cases) {
        QuestStruct &q = quest(1, c.accepted, "X");
        q.completionDay = c.completed;
        q.daysToComplete = (uint8_t)c.days;
        EXPECT_EQ(journal_assignment(q), c.line);
    }
}

TEST_F(JournalFiles, OnlySpokenInfoLinesMeantForHerAndHerInformants) {
    QuestStruct &q = quest(40, 100, "Sauna stones");
    q.sideQuestIds[1] = 41;
    line(q, 0, "Bring me stones.", "[info]", true);
    line(q, 1, "Small talk.", "[accept]", true);
    line(q, 2, "Not said yet.", "[info]", false);
    line(q, 3, "For a man.", "[info] [malepc]", true);
    line(q, 4, "For a woman.", "[femalepc] [info]", true);
    SaveQuest(&q);
    QuestStruct &side = quest(41, 0, "Side");
    line(side, 0, "The river bank has them.", "[info]", true);
    SaveQuest(&side);

    struct Case {
        int sex;
        const char *told;
    } cases[] = {
        {2, "\"Bring me stones.\"<br><br>\"For a woman.\"<br><br>"},
        {1, "\"Bring me stones.\"<br><br>\"For a man.\"<br><br>"},
    };
    for (const Case &c : cases) {
        Plr.sex = (uint8_t)c.sex;
        JournalEntry e;
        ASSERT_TRUE(journal_entry(40, e));
        EXPECT_STREQ(e.title, "SAUNA STONES");
        EXPECT_EQ(e.assignment, "Assigned today, expires in 30 days.");
        ASSERT_EQ(e.tellers.size(), 2u);
        EXPECT_EQ(e.tellers[0].told, c.told) << c.sex;
        EXPECT_EQ(e.tellers[1].told, "\"The river bank has them.\"<br><br>");
    }
    JournalEntry none;
    EXPECT_FALSE(journal_entry(77, none));
    // A title filling its whole field is read to the field's end, no further.
    QuestStruct &full = quest(42, 100, "");
    memset(full.title, 'a', sizeof full.title);
    SaveQuest(&full);
    ASSERT_TRUE(journal_entry(42, none));
    EXPECT_EQ(std::string(none.title), std::string(sizeof full.title, 'A'));
}

// The marks of a quest on a surface centred on (1500, 1000).
class QuestMarksFiles : public JournalFiles {
protected:
    static int marks(uint32_t id, uint32_t shown, QuestMarkPlace *out) {
        return QuestMarkPlaces(id, shown, 1500, 1000, out, 16);
    }
    static std::string told(int x, int y) {
        char text[8192];
        MapQuestInfoTexts(x, y, 0, text, sizeof text);
        return text;
    }
};

TEST_F(QuestMarksFiles, PlacesAreasAndInformants) {
    QuestStruct &q = quest(50, 100, "Lost axe");
    q.worldX = 1500;
    q.worldY = 1000;
    q.marks[0] = QuestMark{1510, 1005, "the old pine", 1, 1, {0, 0}};
    q.marks[1] = QuestMark{1520, 1005, "not told yet", 0, 0, {0, 0}};
    const uint32_t sides[] = {51, 0, 52, 53, 54};
    memcpy(q.sideQuestIds, sides, sizeof sides);
    SaveQuest(&q);
    // Informants: one who has spoken, elsewhere, with a wide area; one at the giver's own place; one
    // who has said nothing yet; one who has spoken but has no place.
    struct Side {
        uint32_t id;
        int x, y;
        bool said;
    } informants[] = {{51, 1530, 990, true}, {52, 1500, 1000, true}, {53, 1560, 990, false}, {54, 0, 0, true}};
    for (const Side &i : informants) {
        QuestStruct &side = quest(i.id, 0, "Side");
        side.worldX = i.x;
        side.worldY = i.y;
        side.talk[3].said = i.said;
        if (i.id == 51) side.marks[0] = QuestMark{1540, 990, "the ford", 0, 1, {0, 0}};
        SaveQuest(&side);
    }

    QuestMarkPlace m[16];
    ASSERT_EQ(marks(50, 0, m), 5);
    struct Want {
        int x, y, type, radius;
    } want[] = {{1500, 1000, 9, 0}, {1510, 1005, 10, 10}, {1530, 990, 9, 0}, {1540, 990, 10, 16}, {1500, 1000, 9, 0}};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(m[i].x, want[i].x) << i;
        EXPECT_EQ(m[i].y, want[i].y) << i;
        EXPECT_EQ(m[i].type, want[i].type) << i;
        EXPECT_EQ(m[i].radius, want[i].radius) << i;
    }
    EXPECT_EQ(told(1500, 1000),
              "<infoblue>LOST AXE QUEST</infoblue><br><indblue>told by: </indblue><infoblue>someone</infoblue><br>"
              "<indblue>informant: </indblue><infoblue>someone</infoblue><br>");
    EXPECT_EQ(told(1510, 1005), "<infoblue>LOST AXE QUEST</infoblue><br><indblue>the old pine</indblue><br>");
    EXPECT_EQ(told(1530, 990),
              "<infoblue>LOST AXE QUEST</infoblue><br><indblue>informant: </indblue><infoblue>someone</infoblue><br>");
    EXPECT_EQ(told(1540, 990), "<infoblue>LOST AXE QUEST</infoblue><br><indblue>the ford</indblue><br>");
    EXPECT_EQ(told(1560, 990), "");

    // Completed: nothing in the all-quests view, everything when the view is opened for it.
    q.completionDay = 100;
    SaveQuest(&q);
    EXPECT_EQ(marks(50, 0, m), 0);
    EXPECT_EQ(marks(50, 50, m), 5);
    // Off the surface, or on its first column: no place, no area, no informant.
    q.worldX = 1500 - 512;
    SaveQuest(&q);
    EXPECT_EQ(marks(50, 50, m), 0);
    q.worldX = 2100;
    SaveQuest(&q);
    EXPECT_EQ(marks(50, 50, m), 0);
}

TEST_F(QuestMarksFiles, TwentyPlacesKeepTheirTextsAndATwentyFirstIsLeftOut) {
    for (int i = 0; i < MAPQUESTINFOS; i++) EXPECT_EQ(AddMapQuestInfo(1000 + i, 900, 1, "place"), 1);
    // Four texts at one place: the fourth replaces the last.
    for (const char *t : {"b", "c", "d", "e"}) EXPECT_EQ(AddMapQuestInfo(1000, 900, 1, t), 1);
    EXPECT_EQ(told(1000, 900), "placebce");
    EXPECT_EQ(AddMapQuestInfo(2000, 900, 1, "stranger"), 0);
    EXPECT_EQ(told(1000, 900), "placebce") << "the first place's record is its own";
    EXPECT_EQ(told(2000, 900), "");
    EXPECT_EQ(MapQuestInfos[0].x, 1000);
}

}  // namespace

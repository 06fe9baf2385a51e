// tests/quests/kinds_stories_fixture.h -- Aino in her village with the village stories forced on its
// people through the quest creator, the talks held through the conversation's own option picker, and
// the files and tables a generator that gives up must leave as they were.
#pragma once
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/loader_fixture.h"
#include "base/debuglog.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/chat_topics.h"

namespace oxatest {

class StoriesTest : public PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        cell = her_village();
        soc = walk_into_her_village();
        ASSERT_GT(soc, 0) << "she stands in her village";
        Plr.daynumber = 60;   // past every kind's days played
        Plr.month = 6;
        Plr.day = 10;
        QUEST_LOGGER = 0;
        DEBUG_INFO = 0;
    }
    void TearDown() override {
        Chatting_With = CRE_NONE;
        QUEST_LOGGER = 0;
        PlayingTest::TearDown();
    }

    // The first person of her village of the role, as the quest picker finds one; -1000 none.
    int person(const char *role) const { return pick_socsivuNPC(role, soc, 0); }

    // A person of her village the role picker finds, none of `busy` (creature numbers, -1000 ends): the
    // first one there is, else a new villager of species code `code` made beside her, called `word`
    // when given. A village's people vary, so each story is given the people it needs.
    int cast(const char *role, int code, const char *word = nullptr, std::initializer_list<int> busy = {}) {
        std::vector<uint32_t> kept;
        for (int b : busy) kept.push_back(Cre[b].quest), Cre[b].quest = 0xfffffff0u;
        int n = person(role);
        if (n < 0) {
            static CreatureStruct c;
            synnyta_IHMISOLENTO(c, code, Plr.culture, soc);
            c.community = (uint32_t)soc;
            if (word) {
                memset(c.species, 0, sizeof c.species);
                copy_bounded(c.species, sizeof c.species, word);
            }
            const int id = new_creature_to_DATA(c);
            bool put = false;
            for (int d = 2; d < 8 && !put && id >= CRE_DATAID; d++)
                for (int k = 0; k < 8 && !put; k++) {
                    const int x = PlayerX + (k % 3 - 1) * d, y = PlayerY + (k / 3 - 1) * d;
                    if (!entry_square_free(x, y)) continue;
                    put = set_data(DT_CREATURE, x, y, id, 1) != 0;
                }
            n = put ? person(role) : CRE_NONE;
        }
        size_t i = 0;
        for (int b : busy) Cre[b].quest = kept[i++];
        return n;
    }

    // A village of her people put on the world map beside hers, (dx, dy) cells away within the same
    // block of the culture map: her land is thinly settled, and the stories that send her to a
    // neighbouring village need one.
    WorldCell neighbour_village(int dx, int dy) const {
        const WorldCell v{cell.x + dx, cell.y + dy};
        maailma_alltime[mapidx(v.x, v.y)] = 239;
        set_alltime_kulttuuri(v.x, v.y, Plr.culture);
        return v;
    }

    // Every person of the area given a name as long as a name may be, each its own.
    static void longest_names() {
        for (int n = 0; n < CRE_COUNT; n++)
            if (Cre[n].kind == CK_HUMAN) {
                char name[sizeof Cre[n].pname];
                snprintf(name, sizeof name, "Wainamoinenson%c", 'A' + n % 26);
                memcpy(Cre[n].pname, name, sizeof name);
            }
    }

    // The kind forced on person n through the quest creator, as the developer console forces it.
    int force(int kind, int n) const {
        char tags[80];
        snprintf(tags, sizeof tags, "force [forcequest:%d] [forcenpc:%d]", kind, n);
        return SocQuestCreator(cell.x, cell.y, soc, tags);
    }

    // The quest of person n as stored.
    static QuestStruct quest_of(int n) {
        QuestStruct q{};
        EXPECT_TRUE(loadQuest(Cre[n].quest, q)) << "person " << n << " holds quest " << Cre[n].quest;
        return q;
    }
    static QuestStruct quest(uint32_t id) {
        QuestStruct q{};
        EXPECT_TRUE(loadQuest(id, q)) << "quest " << id;
        return q;
    }

    // The local-area creature whose social id is s; -1000 none.
    static int creature_of(uint32_t s) {
        for (int n = 0; n < CRE_COUNT; n++)
            if (Cre[n].kind != CK_NONE && Cre[n].socialid == s) return n;
        return CRE_NONE;
    }

    // The dump of a quest and of its side-role quests: the faults found in all of them.
    static int dump_faults(const QuestStruct &q) {
        QUEST_LOGGER = 1;
        int faults = debuglog_quest(&q);
        for (uint32_t id : q.sideQuestIds)
            if (id) {
                QuestStruct side{};
                if (loadQuest(id, side)) faults += debuglog_quest(&side);
            }
        QUEST_LOGGER = 0;
        return faults;
    }

    // A talk with person n opened in the greeting mode, as the talk screen opens one.
    static void open_talk(int n) {
        Chatting_With = n;
        Chat_Mode = CHAT_GREET;
        CANTCANCELCHAT = CHAT_CONFIRM = QUEST_SUMMARY_TALK = 0;
        QUIT = EXIT_CHAT = 0;
        memset(&globqS, 0, sizeof globqS);
        if (Cre[n].quest && loadQuest(Cre[n].quest, globqS)) QuestCondMaint(&globqS);
        ClearChatOptStruct();
        Start_Conversation(0);
    }
    // The offered line holding `words`, said; false when no offered line holds them.
    static bool say(const char *words) {
        for (int i = 0; i < CHAT_OPTIONS; i++)
            if (ChatOptions[i].text[0] && strstr(ChatOptions[i].text, words)) {
                chat_pick((int)ChatOptions[i].key);
                return true;
            }
        return false;
    }
    static bool offered(const char *words) {
        for (int i = 0; i < CHAT_OPTIONS; i++)
            if (ChatOptions[i].text[0] && strstr(ChatOptions[i].text, words)) return true;
        return false;
    }
    // Every line offered now, for a failure message.
    static std::string offers() {
        std::string s;
        for (int i = 0; i < CHAT_OPTIONS; i++)
            if (ChatOptions[i].text[0]) s += std::string(ChatOptions[i].text) + " | ";
        return s;
    }
    static void close_talk() {
        Chatting_With = CRE_NONE;
        ClearChatOptStruct();
    }
    // She turns the giver down by these lines (the last said again when he asks her to repeat it):
    // he forgets the quest, its file stays closed and the side roles' files go.
    static void turned_down(int giver, std::initializer_list<const char *> words) {
        const uint32_t id = Cre[giver].quest;
        QuestStruct q{};
        ASSERT_TRUE(loadQuest(id, q));
        open_talk(giver);
        for (const char *w : words) ASSERT_TRUE(say(w)) << w << " -- offered: " << offers();
        if (CHAT_CONFIRM == 1) {
            ASSERT_TRUE(say(*(words.end() - 1)));
        }
        close_talk();
        EXPECT_EQ(Cre[giver].quest, 0u);
        ASSERT_TRUE(loadQuest(id, q));
        EXPECT_EQ(q.closed, 1);
        for (uint32_t side : q.sideQuestIds) {
            QuestStruct gone{};
            EXPECT_TRUE(side == 0 || !loadQuest(side, gone)) << "side quest " << side;
        }
    }

    // What a generator that gives up must leave as it was: the creature file, the area's creatures,
    // the data pool and the quest files.
    struct Snapshot {
        std::vector<uint8_t> crs;
        std::vector<CreatureStruct> cre;
        std::vector<DataStruct> data;
    };
    Snapshot snapshot() const {
        char path[1200];
        cre_file_path(path, sizeof path);
        Snapshot s;
        s.crs = read_bytes(path);
        s.cre.assign(Cre, Cre + CRE_COUNT);
        s.data.assign(Data, Data + DATA_MAX);
        return s;
    }
    void expect_unchanged(const Snapshot &was, const char *what) const {
        const Snapshot now = snapshot();
        EXPECT_TRUE(now.crs == was.crs) << what << ": the creature file changed";
        EXPECT_EQ(memcmp(now.cre.data(), was.cre.data(), sizeof(CreatureStruct) * CRE_COUNT), 0)
            << what << ": the area's creatures changed";
        EXPECT_EQ(memcmp(now.data.data(), was.data.data(), sizeof(DataStruct) * DATA_MAX), 0)
            << what << ": the data pool changed";
    }
    int quest_files() const {
        int n = 0;
        const std::string folder = dir->path() + "/AINO";
        if (DIR *d = opendir(folder.c_str())) {
            while (dirent *e = readdir(d)) {
                const size_t len = strlen(e->d_name);
                n += len > 4 && !strcmp(e->d_name + len - 4, ".QST");
            }
            closedir(d);
        }
        return n;
    }

    int soc = 0;
    WorldCell cell{0, 0};
};

}  // namespace oxatest

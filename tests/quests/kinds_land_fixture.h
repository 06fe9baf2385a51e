// tests/quests/kinds_land_fixture.h -- Aino in her village, a quest of the land forced on a person
// through the offer, the quest's talk spoken through the conversation, and the files and tables a
// quest that gives up must leave as they were.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include "base/debuglog.h"
#include "core/datafunc.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/lifeask.h"
#include "creatures/zoomservices.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/chat_topics.h"

namespace oxatest {

// What a quest that gives up must not change: the creature file, the local creature table and the
// data pool.
struct WorldSnapshot {
    std::vector<uint8_t> crs;
    std::vector<CreatureStruct> cre;
    std::vector<int> pos;
    std::vector<DataStruct> data;

    static WorldSnapshot take() {
        WorldSnapshot s;
        char path[1200];
        cre_file_path(path, sizeof path);
        s.crs = read_bytes(path);
        s.cre.assign(Cre, Cre + CRE_COUNT);
        s.pos.assign(RealCreaturePos, RealCreaturePos + CRE_COUNT);
        s.data.assign(Data, Data + DATA_MAX);
        return s;
    }
    // The first difference found, "" when none.
    std::string differs(const WorldSnapshot &now) const {
        if (crs != now.crs) return "the creature file";
        for (int i = 0; i < CRE_COUNT; i++)
            if (memcmp(&cre[i], &now.cre[i], sizeof cre[i]) || pos[i] != now.pos[i])
                return "creature slot " + std::to_string(i);
        for (int i = 0; i < DATA_MAX; i++)
            if (memcmp(&data[i], &now.data[i], sizeof data[i])) return "data pool record " + std::to_string(i);
        return "";
    }
};

class LandQuestTest : public PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        Plr.daynumber = 60;   // past every kind's days played: the ready-made character is on her first
    }
    void TearDown() override {
        memset(&globqS, 0, sizeof globqS);
        ClearChatOptStruct();
        Chatting_With = CRE_NONE;
        CANTCANCELCHAT = QUEST_SUMMARY_TALK = 0;
        PlayingTest::TearDown();
    }
    // Into her village; its society.
    int village() {
        const int soc = walk_into_her_village();
        EXPECT_GT(soc, 0) << "she is in her village";
        return soc;
    }
    // The offer of the developer's console: the kind forced on the person.
    static int force(int kind, int npc, int soc) {
        char tags[80];
        snprintf(tags, sizeof tags, "force [forcequest:%d] [forcenpc:%d]", kind, npc);
        return SocQuestCreator(IsoX(), IsoY(), soc, tags);
    }
    // The kind forced on the person, the offer drawn again with another seed while it comes out empty
    // (the draw may find no place for it); 1 when made.
    static int force_seeded(int kind, int npc, int soc) {
        int made = 0;
        for (int seed = 1; seed < 20 && !made; seed++) {
            srand(seed);
            made = force(kind, npc, soc);
        }
        return made;
    }
    // A grown villager of the society other than `but`, or -1.
    static int villager(int soc, int but = -1) {
        for (int n = 0; n < CRE_COUNT; n++) {
            const CreatureStruct &c = Cre[n];
            if (n == but || c.kind != CK_HUMAN || c.community != (uint32_t)soc || c.mode == CM_CARCASS || c.quest)
                continue;
            if (cre_datapos(n) >= 0) return n;
        }
        return -1;
    }

    // Three animals of the species on free squares near her (the village keeps the first two).
    static std::vector<int> animals(int species) {
        std::vector<int> made;
        for (int y = PlayerY - 6; y <= PlayerY + 6 && made.size() < 3; y++)
            for (int x = PlayerX - 6; x <= PlayerX + 6 && made.size() < 3; x++) {
                if (!entry_square_free(x, y) || std::abs(x - PlayerX) + std::abs(y - PlayerY) < 3) continue;
                Luo_Olento(species);
                static CreatureStruct a;
                a = Creature;
                const int id = new_creature_to_DATA(a);
                if (id == CRE_NONE) return made;
                set_data(DT_CREATURE, x, y, id, 1);
                made.push_back(id - CRE_DATAID);
            }
        return made;
    }
    // A sage of the village: the one drawn for this run may have none.
    static void sage_of(int soc) {
        if (pick_socsivuNPC("[sage]", soc, 0) != CRE_NONE) return;
        static CreatureStruct p;
        synnyta_IHMISOLENTO(p, 570, get_alltime_kulttuuri(IsoX(), IsoY()), soc);
        for (int d = 1; d < 8; d++)
            if (entry_square_free(PlayerX - d, PlayerY - 1)) {
                const int id = new_creature_to_DATA(p);
                ASSERT_NE(id, CRE_NONE);
                set_data(DT_CREATURE, PlayerX - d, PlayerY - 1, id, 1);
                return;
            }
    }

    // A person of the village the role picker finds, none of `busy`: else a new villager of species
    // code `code` made near her, called `word` when given (the village drawn for this run may have
    // nobody of the kind).
    static int cast(const char *role, int code, int soc, std::initializer_list<int> busy = {}, const char *word = nullptr) {
        std::vector<uint32_t> kept;
        for (int b : busy) kept.push_back(Cre[b].quest), Cre[b].quest = 0xfffffff0u;
        int n = pick_socsivuNPC(role, soc, 0);
        if (n == CRE_NONE) {
            static CreatureStruct p;
            synnyta_IHMISOLENTO(p, code, get_alltime_kulttuuri(IsoX(), IsoY()), soc);
            p.community = (uint32_t)soc;
            if (word) {
                memset(p.species, 0, sizeof p.species);
                copy_bounded(p.species, sizeof p.species, word);
            }
            const int id = new_creature_to_DATA(p);
            bool put = false;
            for (int d = 2; d < 8 && !put && id != CRE_NONE; d++)
                for (int k = 0; k < 9 && !put; k++) {
                    const int x = PlayerX + (k % 3 - 1) * d, y = PlayerY + (k / 3 - 1) * d;
                    if (k != 4 && entry_square_free(x, y)) put = set_data(DT_CREATURE, x, y, id, 1) >= 0;
                }
            n = put ? pick_socsivuNPC(role, soc, 0) : CRE_NONE;
        }
        size_t i = 0;
        for (int b : busy) Cre[b].quest = kept[i++];
        return n;
    }

    // The escort's giver: a maiden of the society standing in the village's own cell, else any grown
    // villager standing there (one out in a field beside it is not in the village), who can walk to
    // her (not one shut in a hut), or -1.
    static int maiden_in_village(int soc) {
        int other = -1;
        for (int n = 0; n < CRE_COUNT; n++) {
            const CreatureStruct &c = Cre[n];
            const int i = cre_datapos(n);
            if (c.kind != CK_HUMAN || c.community != (uint32_t)soc || c.mode == CM_CARCASS || c.quest || i < 0) continue;
            int wx, wy;
            square_worldcell(Data[i].x, Data[i].y, &wx, &wy);
            if (wx != IsoX() || wy != IsoY() || !canreachloc(n, PlayerX, PlayerY)) continue;
            if (c.speciescode == 520 && strstr(c.species, "aiden")) return n;
            if (other < 0) other = n;
        }
        return other;
    }

    // ---- the talk ----
    // A quest talk begun as the talk begins one: the record loaded, its conditions checked, the
    // first words said.
    static void open_talk(int giver) {
        Chatting_With = giver;
        Chat_Mode = CHAT_GREET;
        QUIT = EXIT_CHAT = 0;
        CANTCANCELCHAT = QUEST_SUMMARY_TALK = 0;
        ClearChatOptStruct();
        ASSERT_TRUE(loadQuest(Cre[giver].quest, globqS));
        QuestCondMaint(&globqS);
        NPCpuhe_quest("QUEST INI");
    }
    // The offered line that leads to talk line n picked; false when none leads there.
    static bool pick_line(int n) {
        char want[24];
        snprintf(want, sizeof want, "[TALKLINE %d]", n);
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && strstr(o.tag, want)) {
                chat_pick((int)o.key);
                return true;
            }
        return false;
    }
    // The lines picked one after another; the first line no option leads to, or -1.
    static int walk(std::initializer_list<int> lines) {
        for (int n : lines)
            if (!pick_line(n)) return n;
        return -1;
    }

    // Every talk line of the record within what the quest dump accepts.
    static std::string dump_fault(const QuestStruct &q) {
        QUEST_LOGGER = 1;
        const int faults = debuglog_quest(&q);
        QUEST_LOGGER = 0;
        if (faults) return "the dump found " + std::to_string(faults) + " faults";
        for (int l = 0; l < QUEST_TALKLINES; l++) {
            const QuestTalkLine &t = q.talk[l];
            if (strnlen(t.npcText, sizeof t.npcText) > 450) return "text of line " + std::to_string(l);
            if (strnlen(t.actionTags, sizeof t.actionTags) > 95) return "tags of line " + std::to_string(l);
            for (int o = 0; o < QUEST_LINE_OPTIONS; o++) {
                const QuestOption &opt = t.options[o];
                const size_t len = strnlen(opt.coded, sizeof opt.coded);
                if (len >= sizeof opt.coded) return "option unterminated on line " + std::to_string(l);
                const char *bar = (const char *)memchr(opt.coded, '|', len);
                const size_t player = bar ? (size_t)(bar - opt.coded) : len;
                if (player > 89) return "player's line on line " + std::to_string(l);
                if (memchr(opt.coded, ':', player)) return "a colon in the player's line on line " + std::to_string(l);
                if (strnlen(opt.optionTags, sizeof opt.optionTags) > 59) return "option tags on line " + std::to_string(l);
            }
        }
        return "";
    }
};

}  // namespace oxatest

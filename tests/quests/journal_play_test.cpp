// The quest journal as she opens it in her village: F2 with no quest shows the notice, F2 with a
// quest a villager gave her lists it with his face, and F6 in the quest's page opens the map of known
// areas on its place with its marks.
#include <glob.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/loader_fixture.h"
#include "presentation/input_feeder.h"
#include "creatures/describe.h"
#include "presentation/mapview.h"
#include "quests/journal.h"
#include "quests/questmarks.h"
#include "core/tehtavat.h"
#include "core/player.h"

namespace {

class JournalPlay : public oxatest::PlayingTest {
protected:
    // The portrait groups of the working folder: the village's people are given their faces from
    // them as it is made.
    void SetUp() override {
        PlayingTest::SetUp();
        glob_t g{};
        const std::string pattern = std::string(OXA_RUN_DIR) + "/truegfx/*[0-9].png";
        ASSERT_EQ(glob(pattern.c_str(), 0, nullptr, &g), 0) << pattern;
        for (size_t i = 0; i < g.gl_pathc; i++) {
            const char *name = strrchr(g.gl_pathv[i], '/') + 1;
            for (const char *group : {"east", "west", "north", "fem", "kid"})
                if (!strncmp(name, group, strlen(group))) dir->copy_asset(("truegfx/" + std::string(name)).c_str());
        }
        globfree(&g);
    }
    void TearDown() override {
        MAPVIEW_CURQUEST = 0;
        DRAWMARKERS_QUESTS = 2;
        MapViewPixScale = 0;
        ClrMapQuestInfos();
        PlayingTest::TearDown();
    }
    // Keys typed into the turn loop: a pass reads one command, and an idle tick may take a pass of its
    // own, so passes go on while a key is left waiting.
    static void keys(std::initializer_list<SDL_Keycode> ks) {
        oxatest::KeyFeeder f;
        f.keys(ks);
        int r = 1;
        f.typed([&] {
            for (int pass = 0; pass < 4; pass++) {
                if (!turn_pass(&r)) break;
                if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN) == 0) break;
            }
            return r;
        });
    }
};

TEST_F(JournalPlay, F2ListsHerQuestAndF6ShowsItsPlace) {
    const oxatest::WorldCell v = oxatest::her_village();
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    int giver = -1;
    for (int n = 0; n < CRE_COUNT && giver < 0; n++)
        if (Cre[n].kind == CK_HUMAN && Cre[n].community == (uint32_t)soc && Cre[n].socialid && Cre[n].role != 15) giver = n;
    ASSERT_GE(giver, 0) << "her village has people";

    // No quest yet: the notice, closed by any key; the view was never asked for a quest.
    keys({SDLK_F2, SDLK_SPACE});
    EXPECT_EQ(MAPVIEW_CURQUEST, 0u);

    // A quest she took on today from a man of her village, his first words told.
    std::unique_ptr<QuestStruct> q(new QuestStruct());
    q->id = 4242;
    q->kind = 3;
    q->generated = 1;
    q->accepted = 1;
    q->acceptDay = Plr.daynumber;
    q->acceptDayOfMonth = Plr.day;
    q->daysToComplete = 30;
    copy_bounded(q->title, sizeof q->title, "Herbs for the old man");
    q->worldX = v.x;
    q->worldY = v.y;
    q->giverUid = Cre[giver].socialid;
    q->marks[0] = QuestMark{v.x + 3, v.y + 2, "the meadow by the river", 1, 1, {0, 0}};
    copy_bounded(q->talk[0].npcText, sizeof q->talk[0].npcText, "Bring me thirty herbs.");
    copy_bounded(q->talk[0].actionTags, sizeof q->talk[0].actionTags, "[info]");
    q->talk[0].said = 1;
    SaveQuest(q.get());

    // F2, the first quest of the list, F6 in its page; Esc out of the map and the journal.
    keys({SDLK_F2, SDLK_RETURN, SDLK_F6, SDLK_ESCAPE, SDLK_ESCAPE});
    const std::string log = notes();
    EXPECT_EQ(MAPVIEW_CURQUEST, 4242u) << "the map view was opened for her quest; "
                                       << log.substr(log.size() > 1500 ? log.size() - 1500 : 0);
    EXPECT_EQ(DRAWMARKERS_QUESTS, 1);
    EXPECT_EQ(mapviewMIDX, v.x);
    EXPECT_EQ(mapviewMIDY, v.y);
    char told[4096];
    MapQuestInfoTexts(v.x, v.y, 0, told, sizeof told);
    EXPECT_NE(std::string(told).find("HERBS FOR THE OLD MAN QUEST"), std::string::npos) << told;
    MapQuestInfoTexts(v.x + 3, v.y + 2, 0, told, sizeof told);
    EXPECT_NE(std::string(told).find("the meadow by the river"), std::string::npos) << told;
    EXPECT_FALSE(bigmap()) << "she is back in her village";
    // The giver as the journal shows him: his face and his name.
    const JournalPerson p = journal_person(q->giverUid, q->worldX, q->worldY);
    EXPECT_STRNE(p.picture, "");
    EXPECT_STREQ(p.name, monnam_cre(Cre[giver], 4));
    EXPECT_STRNE(p.place, "");
}

}  // namespace

// The console's creature work with Aino in her village: the questions about one picked creature and
// what each "yes" leaves on it, the forced quest of a picked villager, and the spirits and people
// the typed line places as real creatures of the area.
#include "core/loader_fixture.h"

#include "game/wizard.h"
#include "creatures/crefile.h"
#include "creatures/cremove.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "presentation/input_feeder.h"
#include "society/village.h"

#include <dirent.h>

#include <functional>
#include <string>

void creature_questionnaire(int n);   // the console's questions about one creature

namespace {

using oxatest::KeyFeeder;

class ConsoleCreatures : public oxatest::PlayingTest {
protected:
    // The keys typed, one at a time, while `run` reads them.
    static void type_in(const std::string &keys, const std::function<int()> &run) {
        KeyFeeder typing;
        for (char c : keys) typing.key(c == '\n' ? SDLK_RETURN : c == 27 ? SDLK_ESCAPE : (SDL_Keycode)c);
        DISABLE_MORECHECK = 1;
        typing.typed(run);
    }
    static void ask(int n, const std::string &answers) {
        type_in(answers, [n] { return creature_questionnaire(n), 1; });
    }
    // The console key, the guard and then the keys, typed in one turn.
    static void console(const std::string &after) {
        int r;
        type_in("*kj" + after, [&r] { return turn_pass(&r); });
    }
    // A villager of the species (540 a woodsman, 560 an old man) without a quest, nobody's companion; -1 none.
    static int villager(uint32_t species) {
        for (int n = 0; n < CRE_COUNT; n++) {
            const CreatureStruct &c = Cre[n];
            if (c.kind == 1 && c.mode != 13 && c.community != 0 && c.speciescode == species && c.quest == 0 &&
                !(c.partyflags & PF_COMPANION))
                return n;
        }
        return -1;
    }
    static int pool_record_of(int n) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(n + CRE_DATAID)) return i;
        return -1;
    }
    int quest_files() const {
        int count = 0;
        DIR *d = opendir(path("").c_str());
        while (dirent *e = d ? readdir(d) : nullptr) {
            const std::string name = e->d_name;
            count += name.size() > 4 && name.substr(name.size() - 4) == ".QST";
        }
        if (d) closedir(d);
        return count;
    }
    void TearDown() override {
        WIZARD_npcfreeze = 0;
        PlayingTest::TearDown();
    }
    bool noted(const std::string &text) const { return notes().find(text) != std::string::npos; }
};

// Answers for the questions in their order: 'n' to every one before the one answered "yes".
static std::string yes_at(int question) { return std::string((size_t)question - 1, 'n') + "y"; }

TEST_F(ConsoleCreatures, EachAnswerLeavesItsMarkOnThePickedCreature) {
    ASSERT_NE(walk_into_her_village(), 0);
    const int n = villager(560);
    ASSERT_GE(n, 0);
    const CreatureStruct was = Cre[n];
    const VillageStruct vil_was = GetGlobVil((int)was.community) ? globVil : VillageStruct{};
    const struct {
        const char *what;
        std::string answers;
        std::function<bool(const CreatureStruct &)> done;
    } rows[] = {
        {"break a leg", yes_at(4),
         [](const CreatureStruct &c) {
             for (int w = 0; w < 20; w++)
                 if (c.woundpart[w] == 13 && c.woundlevel[w] > 0) return true;
             return false;
         }},
        {"comp debt", yes_at(5),
         [](const CreatureStruct &c) { return (c.partyflags & PF_COMPANION) && c.compdebt == 50.0f && c.compfigure == 2; }},
        {"dress up", yes_at(14), [](const CreatureStruct &c) { return (c.requestbits & 1) != 0; }},
        {"leave the area", yes_at(16), [](const CreatureStruct &c) { return (c.memberbits & MB_LEAVE) != 0; }},
        // friendship and foeship both asked: one question more before fainting
        {"faint", yes_at(23), [](const CreatureStruct &c) { return c.unconscious == 4; }},
        {"escorted companion", std::string(23, 'n') + "nny" + "y",
         [](const CreatureStruct &c) { return (c.partyflags & PF_COMPANION) && (c.escortdest & 3) == 3 && c.compfigure == 3; }},
    };
    for (const auto &r : rows) {
        Cre[n] = was;
        ask(n, r.answers);
        EXPECT_TRUE(r.done(Cre[n])) << r.what;
    }

    // The follow mark: "yes" flips bit 1 and clearing it clears the second byte; "no" clears bit 8.
    Cre[n] = was;
    const std::string follow_yes = std::string(23, 'n') + "yn" + "n";
    const std::string all_no = std::string(26, 'n');
    cre_control(n) = 8;
    cre_control2(n) = 2;
    ask(n, all_no);
    EXPECT_EQ(cre_control(n), 0) << "no: bit 8 cleared";
    EXPECT_EQ(cre_control2(n), 2);
    ask(n, follow_yes);
    EXPECT_EQ(cre_control(n), 1);
    ask(n, follow_yes);
    EXPECT_EQ(cre_control(n), 0);
    EXPECT_EQ(cre_control2(n), 0) << "cleared with it";

    // The forms of address: each pair shown, and the familiarity the loop set put back.
    Cre[n] = was;
    ask(n, yes_at(12));
    EXPECT_TRUE(noted(" / ")) << notes();
    EXPECT_EQ(Cre[n].visits, was.visits);
    EXPECT_EQ(Cre[n].namebits, was.namebits);
    if (vil_was.socid) {
        EXPECT_EQ(globVil.visits, vil_was.visits);
        EXPECT_EQ(globVil.talks, vil_was.talks);
    }
    cre_control(n) = cre_control2(n) = 0;
    Cre[n] = was;
}

// The cursor keys that take the picker's cursor from one offset to another.
static std::string cursor_keys(int fx, int fy, int tx, int ty) {
    static const char KEYS[3][3] = {{'7', '8', '9'}, {'4', 0, '6'}, {'1', '2', '3'}};
    std::string keys;
    while (fx != tx || fy != ty) {
        const int dx = tx > fx ? 1 : tx < fx ? -1 : 0, dy = ty > fy ? 1 : ty < fy ? -1 : 0;
        keys += KEYS[dy + 1][dx + 1];
        fx += dx, fy += dy;
    }
    return keys;
}

TEST_F(ConsoleCreatures, ForcedQuestForAPickedVillager) {
    ASSERT_NE(walk_into_her_village(), 0);
    console("d14\n");   // her last quest was offered two days ago: a new one waits 13 days
    console("f");        // the villagers stand still while she picks
    auto creature_at = [](int x, int y) {
        for (const DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.x == x && d.y == y) return true;
        return false;
    };
    // A grown villager without a quest whom she can stand beside and see, with an empty square in
    // her sight beside her too.
    int n = -1, mx = 0, my = 0, ex = 0, ey = 0;
    for (int c = 0; c < CRE_COUNT && n < 0; c++) {
        const CreatureStruct &v = Cre[c];
        if (v.kind != 1 || v.community == 0 || v.quest != 0 || v.speciescode == 590 || pool_record_of(c) < 0) continue;
        const DataStruct &him = Data[pool_record_of(c)];
        for (int d = 0; d < 8 && n < 0; d++) {
            const int x = him.x + Heds_x(d), y = him.y + Heds_y(d);
            if (!entry_square_free(x, y) || creature_at(x, y)) continue;
            PlayerX = x, PlayerY = y;
            command({SDLK_PERIOD});   // she looks round from there
            if (!See(him.x, him.y)) continue;
            for (int e = 0; e < 8 && n < 0; e++) {
                const int sx = x + Heds_x(e), sy = y + Heds_y(e);
                if (creature_at(sx, sy) || !See(sx, sy)) continue;
                n = c, mx = him.x - x, my = him.y - y, ex = Heds_x(e), ey = Heds_y(e);
            }
        }
    }
    ASSERT_GE(n, 0) << "a villager she can see beside her";

    const std::string before = notes();
    console("\ndq\n" + cursor_keys(0, 0, ex, ey) + "\n");   // the empty square: nothing asked
    EXPECT_NE(notes().find("[?]", before.size()), std::string::npos) << "the typed line's prompt, its mark the colour";
    EXPECT_EQ(notes().find("Homeland escort", before.size()), std::string::npos);

    // The cursor starts where it chose last; from there onto him. "Collect branches": a chore any
    // village has (the sauna stones want a sauna stove, which not every village layout draws).
    const int files = quest_files();
    console("\ndq\n" + cursor_keys(ex, ey, mx, my) + "\n" + std::string(1, 'n') + "y");
    EXPECT_NE(Cre[n].quest, 0u);
    EXPECT_EQ(quest_files(), files + 1);
}

TEST_F(ConsoleCreatures, SpiritsAndTheWoodsmanBecomeRealCreatures) {
    ASSERT_NE(walk_into_her_village(), 0);
    // In a village by day no spirit finds its place: they come beside her, the two named ones saying so.
    const struct {
        const char *line;
        uint32_t species[2];
        bool forcing;
    } rows[] = {
        {"vete", {701, 0}, true},
        {"tapio", {702, 0}, true},
        {"neito", {700, 0}, false},
        {"koiramies", {540, 618}, false},
    };
    for (const auto &r : rows) {
        int before = 0;
        for (const DataStruct &d : Data) before += d.type == DT_CREATURE;
        const size_t said = notes().size();
        console(std::string("\n") + r.line + "\n");
        EXPECT_EQ(notes().find("orcing loc", said) != std::string::npos, r.forcing) << r.line;
        int after = 0;
        for (const DataStruct &d : Data) after += d.type == DT_CREATURE;
        const int expect = r.species[1] ? 2 : 1;
        EXPECT_EQ(after, before + expect) << r.line;
        int man = -1;
        for (int k = 0; k < expect; k++) {
            int found = -1;
            for (int s = 0; s < CRE_COUNT; s++)
                if (Cre[s].kind && Cre[s].speciescode == r.species[k] && RealCreaturePos[s] != 0 && pool_record_of(s) >= 0)
                    found = s;
            ASSERT_GE(found, 0) << r.line << " " << r.species[k];
            // the record lies in the creature file under its own number
            CreatureStruct stored{};
            ASSERT_EQ(getsotucrstruct(stored, Cre[found].socialid, 0), 1) << r.line;
            EXPECT_EQ(stored.speciescode, r.species[k]);
            if (k == 0) man = found;
            else {
                EXPECT_EQ(Cre[found].owner, (int32_t)Cre[man].socialid) << "the dog is his";
                EXPECT_TRUE(Cre[found].ownerbits & 1);
            }
        }
    }
}

TEST_F(ConsoleCreatures, VillageReportLendsTheAxeAndKeepsTheCredit) {
    const int soc = walk_into_her_village();
    ASSERT_NE(soc, 0);
    ASSERT_TRUE(GetGlobVil(soc));
    const float credit = globVil.credit;
    console("\nsoc\nyynn");   // borrow axe, credit
    EXPECT_TRUE(noted("Socarea: ")) << notes();
    EXPECT_EQ(globVil.lentaxe_day, Plr.daynumber + 1);
    EXPECT_FLOAT_EQ(readVil((uint32_t)soc).credit, credit + 10.0f) << "saved with the village";
    console("\nsoc\nnnynn");   // no axe, no credit, clear it
    EXPECT_EQ(globVil.lentaxe_day, 0u);
    EXPECT_FLOAT_EQ(readVil((uint32_t)soc).credit, 0.0f);
}

// "borrow" lays a knife lent by the village she stands in: the lent flag set and the village its owner;
// "nosale" a branch not for sale. The marks go to the ownership flags, the owner byte keeps its own.
TEST_F(ConsoleCreatures, BorrowLaysAKnifeLentByTheVillageHere) {
    const int soc = walk_into_her_village();
    ASSERT_NE(soc, 0);
    ASSERT_EQ(Mapinfo_socID(IsoX(), IsoY()), (unsigned)soc);
    static const struct {
        const char *command, *name;
        int flag;
        bool village_owns;
    } cases[] = {{"\nborrow\n", "Knife", 16, true}, {"\nnosale\n", "Branch", 8, false}};
    for (const auto &c : cases) {
        console(c.command);
        const int def = object(c.name, 1);
        ASSERT_GT(def, 0) << c.name;
        const ItemStruct table = ObjToItem(def);
        bool laid = false;
        for (const DataStruct &d : Data) {
            if (d.type != DT_ITEM || d.x != PlayerX || d.y != PlayerY) continue;
            ItemStruct it{};
            ObjToItem(it, (int)d.id);
            if (std::string(it.name, strnlen(it.name, sizeof it.name)) != c.name) continue;
            EXPECT_TRUE(it.ownerflags & c.flag) << c.name;
            EXPECT_EQ(it.owner, table.owner) << c.name << ": the owner byte keeps its own";
            if (c.village_owns) EXPECT_EQ(it.ownersoc, (uint32_t)soc) << "the village here owns it";
            laid = true;
        }
        EXPECT_TRUE(laid) << "a " << c.name << " lies on her square";
    }
}

// "rod" counts the rods lying about and those the creatures of the map carry in their packs.
TEST_F(ConsoleCreatures, RodsCountedInTheCreaturesPacksToo) {
    ASSERT_NE(walk_into_her_village(), 0);
    auto carried = [&] {
        console("\nrod\n");
        const std::string log = notes();
        const size_t at = log.rfind("ods ");
        int lying = -1, packs = -1, sum = -1;
        if (at != std::string::npos) sscanf(log.c_str() + at + 4, "%d+%d = %d", &lying, &packs, &sum);
        EXPECT_EQ(sum, lying + packs);
        return packs;
    };
    const int before = carried();
    ASSERT_GE(before, 0);
    int n = -1, free_slot = -1;
    for (int c = 0; c < CRE_COUNT && n < 0; c++) {
        if (Cre[c].kind == 0 || pool_record_of(c) < 0) continue;
        for (int k = 0; k < 20 && free_slot < 0; k++)
            if (Cre[c].pack[k] == 0) free_slot = k;
        if (free_slot >= 0) n = c;
    }
    ASSERT_GE(n, 0) << "a creature of the map with room in its pack";
    const int rod = object("Fishing rod", 1);
    ASSERT_GT(rod, 0);
    Cre[n].pack[free_slot] = rod;
    Cre[n].packcount[free_slot] = 1;
    EXPECT_EQ(carried(), before + 1);
}

}  // namespace

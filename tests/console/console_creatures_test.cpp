// The console's creature work with Aino in her village: the questions about one picked creature and
// what each "yes" leaves on it, the forced quest of a picked villager, and the spirits and people
// the typed line places as real creatures of the area.
#include "core/loader_fixture.h"

#include "base/savecommit.h"
#include "core/tehtavat.h"
#include "game/wizard.h"
#include "creatures/crefile.h"
#include "creatures/cremove.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "presentation/input_feeder.h"
#include "society/village.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
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

// ---- a wanderer's offer as one commit ----

int steps_taken, stop_at;
bool count_step(int) { return ++steps_taken > 0; }
bool kill_step(int n) {
    if (n == stop_at) _exit(0);
    return true;
}
bool full_disk_step(int n) { return n != stop_at; }

using Folder = std::map<std::string, std::vector<uint8_t>>;

// Every file of her folder with its bytes, the message log left out.
Folder folder_of(const std::string &at) {
    Folder files;
    DIR *d = opendir(at.c_str());
    while (dirent *e = d ? readdir(d) : nullptr) {
        const std::string name = e->d_name;
        if (name != "." && name != ".." && name != "msglog.txt") files[name] = oxatest::read_bytes(at + "/" + name);
    }
    if (d) closedir(d);
    return files;
}

void put_back(const std::string &at, const Folder &files) {
    const Folder now = folder_of(at);
    for (const auto &f : now)
        if (!files.count(f.first)) remove((at + "/" + f.first).c_str());
    for (const auto &f : files)
        if (!now.count(f.first) || now.at(f.first) != f.second) {
            FILE *out = fopen((at + "/" + f.first).c_str(), "wb");
            ASSERT_NE(out, nullptr) << f.first;
            if (!f.second.empty()) {
                ASSERT_EQ(fwrite(f.second.data(), 1, f.second.size(), out), f.second.size());
            }
            fclose(out);
        }
}

// A woodsman met in her village, who belongs to no village, is forced a message to a far village of
// his people from the console: the errand, the far man's side of it, his record in the creature file
// and the stored map he waits on are one commit. Killed at any step of it, her folder is as before the
// offer or holds the whole offer, and a load of either tells of no damage; a commit that can't finish
// leaves every byte as it was, tells her so and gives the woodsman no quest.
TEST_F(ConsoleCreatures, AWanderersOfferFromTheConsoleIsOneCommit) {
    ASSERT_NE(walk_into_her_village(), 0);
    console("d14\n");   // her last quest was offered two days ago: a new one waits 13 days
    console("f");        // nobody moves while she picks
    console("\nkoiramies\n");
    int n = -1;
    for (int c = 0; c < CRE_COUNT && n < 0; c++) {
        const int i = cre_datapos(c);
        if (Cre[c].speciescode == 540 && i >= 0 && Data[i].x == PlayerX + 2 && Data[i].y == PlayerY + 2) n = c;
    }
    ASSERT_GE(n, 0) << "the woodsman beside her";
    ASSERT_EQ(Cre[n].community, 0u) << "a wanderer";
    // Her land has no village of his people 30 to 60 cells away: one is founded 45 cells east.
    const int vx = IsoX() + 45, vy = IsoY();
    maailma_alltime[mapidx(vx, vy)] = maailma[mapidx(vx, vy)] = 210;
    set_alltime_kulttuuri(vx, vy, Cre[n].culture);

    const std::string at = path("");
    const Folder before = folder_of(at);
    // Each offer is made in a child of the game as it stands here: "dq" on the square two steps down
    // and right, "y" to the sixth kind asked of, the messenger. The child answers the commit's steps
    // when the errand was given, 254 when it was not and she was told, else 255.
    auto offer = [&](bool (*hook)(int)) {
        fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            save_commit_step = hook;
            srand(20261210);
            const size_t said = notes().size();
            console("\ndq\n33\nnnnnny");
            if (Cre[n].quest) _exit(steps_taken & 127);
            _exit(notes().find("could not be written", said) != std::string::npos ? 254 : 255);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    };
    steps_taken = 0;
    const int steps = offer(count_step);
    ASSERT_LT(steps, 254) << "no errand was offered";
    ASSERT_GT(steps, 0) << "the offer is a commit";
    const Folder after = folder_of(at);
    int quests = 0;
    for (const auto &f : after)
        quests += f.first.size() > 4 && f.first.compare(f.first.size() - 4, 4, ".QST") == 0 && !before.count(f.first);
    EXPECT_EQ(quests, 2) << "the errand and the far man's side of it";
    EXPECT_NE(before.at("AINO.CRS"), after.at("AINO.CRS")) << "the far man's record";

    int kept = 0, finished = 0;
    for (stop_at = 0; stop_at < steps; stop_at++) {
        SCOPED_TRACE("killed at step " + std::to_string(stop_at));
        put_back(at, before);
        offer(kill_step);
        ASSERT_TRUE(finish_interrupted_save());
        const Folder now = folder_of(at);
        std::string odd;
        for (const auto &f : now)
            if ((!before.count(f.first) || before.at(f.first) != f.second) &&
                (!after.count(f.first) || after.at(f.first) != f.second))
                odd += " " + f.first;
        ASSERT_TRUE(now == before || now == after) << "neither before the offer nor after it:" << odd;
        (now == before ? kept : finished)++;
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(finished, 0);

    // A full disk at a step of the offer's commit: every byte stays as it was, the woodsman is given
    // nothing and she is told once, not at each of the offer's tries. Once the disk is freed her own
    // save (Ctrl+S) writes nothing of the offer: the far man and his side of it stay out of the creature
    // file, and a load after it finds nobody linked to a quest not kept.
    // The adventurer's axe puts its giver, a wounded adventurer, on her map.
    const std::string messenger = "\ndq\n33\nnnnnny", axe = "\ndq\n33\n" + std::string(15, 'n') + "y";
    const struct {
        const char *what;
        const std::string &answers;
        int step;
    } full_disk[] = {{"the list finds no room", messenger, 0},
                     {"a file finds no room midway", messenger, steps / 2},
                     {"the last step finds no room", messenger, steps - 1},
                     {"the axe's list finds no room", axe, 0}};
    auto people = [](const std::vector<uint8_t> &crs) {
        int count = 0;
        static CreatureStruct r;
        for (size_t k = 0; k + sizeof r <= crs.size(); k += sizeof r) count += (memcpy(&r, &crs[k], sizeof r), r.kind != 0);
        return count;
    };
    for (const auto &row : full_disk) {
        SCOPED_TRACE(row.what);
        put_back(at, before);
        int out[2];
        ASSERT_EQ(pipe(out), 0);
        fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            close(out[0]);
            std::string odd;
            stop_at = row.step;
            save_commit_step = full_disk_step;
            srand(20261210);
            const size_t said = notes().size();
            console(row.answers);
            save_commit_step = nullptr;   // the disk is freed
            int told = 0;
            for (size_t at_ = notes().find("could not be written", said); at_ != std::string::npos;
                 at_ = notes().find("could not be written", at_ + 1))
                told++;
            if (told != 1) odd += " told " + std::to_string(told) + " times;";
            if (Cre[n].quest) odd += " the woodsman was given it;";
            if (!(folder_of(at) == before)) odd += " the folder changed;";
            int r = 0;
            tap(SDLK_s, KMOD_LCTRL);
            turn_pass(&r);
            if (notes().find("has been saved", said) == std::string::npos) odd += " not saved;";
            var_clear();
            oxatest::reset_loader_tables();
            if (loader() != 0) odd += " the load refused;";
            for (const char *damage : {"damaged", "cut short", "missing", "found again", "lost"})
                if (notes().find(damage, said) != std::string::npos) odd += std::string(" the load told ") + damage + ";";
            const std::vector<uint8_t> crs = oxatest::read_bytes(at + "/AINO.CRS");
            if (people(crs) != people(before.at("AINO.CRS")))
                odd += " " + std::to_string(people(crs) - people(before.at("AINO.CRS"))) + " more in the file;";
            static CreatureStruct r_;
            for (size_t k = 0; k + sizeof r_ <= crs.size(); k += sizeof r_) {
                memcpy(&r_, crs.data() + k, sizeof r_);
                char file[1200];
                quest_file_path(r_.quest, file, sizeof file);
                if (r_.kind != 0 && r_.quest != 0 && access(file, F_OK) != 0)
                    odd += " record " + std::to_string(k / sizeof r_) + " is linked to quest " + std::to_string(r_.quest) + ";";
            }
            if (write(out[1], odd.data(), odd.size()) != (ssize_t)odd.size()) _exit(1);
            _exit(0);
        }
        close(out[1]);
        std::string odd;
        char buf[512];
        for (ssize_t got; (got = read(out[0], buf, sizeof buf)) > 0;) odd.append(buf, (size_t)got);
        close(out[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << odd;
        EXPECT_EQ(odd, "");
    }

    for (const Folder *files : {&before, &after}) {
        put_back(at, *files);
        FILE *log = fopen(path("msglog.txt").c_str(), "wb");
        ASSERT_NE(log, nullptr);
        fclose(log);
        var_clear();
        oxatest::reset_loader_tables();
        ASSERT_EQ(loader(), 0);
        for (const char *damage : {"damaged", "cut short", "missing", "found again", "lost"})
            EXPECT_EQ(notes().find(damage), std::string::npos) << notes();
    }
}

}  // namespace

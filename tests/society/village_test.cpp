// The village file, the record's rules and the debt lines; and her village remembered across a save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/savecommit.h"
#include "game/loader.h"
#include "core/loader_fixture.h"
#include "core/player.h"
#include "core/notes.h"
#include "creatures/village_fixture.h"
#include "society/chat.h"
#include "society/trade.h"
#include "society/village.h"
#include "items/inventory.h"

namespace {

std::string vil_path() {
    char p[1200];
    vil_file_path(p, sizeof p);
    return p;
}

std::string bytes_of(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool write_file(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return (bool)out;
}

long long mtime_ns(const std::string &path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return -1;
    return (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

VillageStruct record_at(const std::string &file, int index) {
    VillageStruct v{};
    const std::string b = bytes_of(file);
    if ((size_t)(index + 1) * sizeof v <= b.size()) memcpy(&v, b.data() + (size_t)index * sizeof v, sizeof v);
    return v;
}

class VillageFile : public VillageTest {};

TEST_F(VillageFile, RecordsAreFoundByIdRewrittenInPlaceAndNeverReadPastWholeRecords) {
    const std::string file = vil_path();
    const long rec = (long)sizeof(VillageStruct);
    ASSERT_EQ((long)bytes_of(file).size(), rec) << "the fixture's village was saved";

    // A new village: the first save appends it, the second rewrites it at the same index.
    ASSERT_EQ(GetGlobVil(900), 1);
    globVil.visits = 3;
    ASSERT_EQ(SaveGlobVil(), 1);
    EXPECT_EQ((long)bytes_of(file).size(), 2 * rec);
    EXPECT_EQ(seek_vilpos(900), 1);
    globVil.visits = 4;
    ASSERT_EQ(SaveGlobVil(), 1);
    EXPECT_EQ((long)bytes_of(file).size(), 2 * rec);
    EXPECT_EQ(record_at(file, 1).visits, 4);
    EXPECT_EQ(record_at(file, 1).socid, 900u);

    // Neither no village nor the village held writes anything.
    globVil.talks = 77;
    const std::string before = bytes_of(file);
    const long long stamp = mtime_ns(file);
    usleep(20000);
    EXPECT_EQ(GetGlobVil(-1000), 0);
    EXPECT_EQ(GetGlobVil(900), 1);
    EXPECT_EQ(bytes_of(file), before);
    EXPECT_EQ(mtime_ns(file), stamp);
    EXPECT_EQ(globVil.talks, 77) << "the held record was left as it was";

    // A, B, then A: each keeps its own changes.
    ASSERT_EQ(GetGlobVil(SOC), 1);
    globVil.visits = 7;
    ASSERT_EQ(GetGlobVil(900), 1);
    EXPECT_EQ(globVil.talks, 77);
    ASSERT_EQ(GetGlobVil(SOC), 1);
    EXPECT_EQ(globVil.visits, 7);
    EXPECT_EQ(globVil.centre_x, 1500);

    // An id the file lacks reads as zeros carrying its id.
    VillageStruct blank{};
    blank.socid = 123456;
    const VillageStruct unknown = readVil(123456);
    EXPECT_EQ(memcmp(&unknown, &blank, sizeof blank), 0);

    // A file cut inside its last record: the cut record is not one, and the next village goes right
    // after the last whole record, not at the file's end.
    SaveGlobVil();
    vil_forget();
    std::string cut = bytes_of(file);
    std::string tail(5000, '\xab');
    const uint32_t claimed = 33;
    memcpy(&tail[8], &claimed, 4);   // the cut record names a village
    ASSERT_TRUE(write_file(file, cut + tail));
    EXPECT_EQ(seek_vilpos(900), 1);
    EXPECT_EQ(seek_vilpos(33), -1000);
    EXPECT_EQ(readVil(33).visits, 0);
    ASSERT_EQ(GetGlobVil(33), 1);
    globVil.visits = 5;
    ASSERT_EQ(SaveGlobVil(), 1);
    EXPECT_EQ((long)bytes_of(file).size(), 3 * rec);
    EXPECT_EQ(seek_vilpos(33), 2);
    EXPECT_EQ(record_at(file, 2).visits, 5);
    EXPECT_EQ(record_at(file, 1).visits, 4) << "the records before it are whole";
    VilChk();
    const std::string listing = bytes_of("debug_vil.txt");
    EXPECT_NE(listing.find("#2 - ID: 33\n\r"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("#3 "), std::string::npos) << "the listing stops at the last whole record";
}

TEST_F(VillageFile, AFailedWriteIsToldAndTheVillageStaysInMemoryUntilItCanBeWritten) {
    copy_bounded(CharacterFile, sizeof CharacterFile, "T");   // her message log: "T/msglog.txt"
    ASSERT_EQ(mkdir("T", 0700), 0);
    const std::string file = vil_path();
    clrVillages();
    ASSERT_EQ(mkdir(file.c_str(), 0700), 0);   // no file can be written where a folder stands
    ASSERT_EQ(GetGlobVil(44), 1);
    globVil.visits = 9;
    ASSERT_EQ(GetGlobVil(55), 1);              // 44 can't be written back
    globVil.visits = 2;
    EXPECT_EQ(SaveGlobVil(), 0);
    char log[1200];
    msglog_path(log, sizeof log);
    EXPECT_NE(bytes_of(log).find("village file couldn't be written"), std::string::npos);
    ASSERT_EQ(GetGlobVil(44), 1);
    EXPECT_EQ(globVil.visits, 9) << "the village was kept";
    ASSERT_EQ(rmdir(file.c_str()), 0);
    EXPECT_EQ(SaveGlobVil(), 1) << "both villages are written at the next chance";
    vil_forget();
    EXPECT_EQ(readVil(44).visits, 9);
    EXPECT_EQ(readVil(55).visits, 2);

    // Inside a save the record waits for the commit; a commit that fails leaves the file as it was.
    const std::string before = bytes_of(file);
    ASSERT_EQ(GetGlobVil(44), 1);
    globVil.visits = 10;
    save_begin();
    EXPECT_EQ(SaveGlobVil(), 1);
    EXPECT_EQ(bytes_of(file), before) << "nothing reaches the file before the commit";
    save_commit_step = [](int) { return false; };
    EXPECT_FALSE(save_commit());
    save_commit_step = nullptr;
    EXPECT_EQ(bytes_of(file), before);
    save_begin();
    EXPECT_EQ(SaveGlobVil(), 1);
    EXPECT_TRUE(save_commit());
    EXPECT_EQ(record_at(file, seek_vilpos(44)).visits, 10);
    CharacterFile[0] = 0;
}

// A record the file holds as it stands is left out of a save; one changed earlier in the same save is
// written again: the file ends holding the bytes saved last.
TEST_F(VillageFile, ASaveLeavesTheFileHoldingTheLastBytesOfEachVillage) {
    const std::string file = vil_path();
    ASSERT_EQ(GetGlobVil(SOC), 1);
    const uint32_t original = globVil.visits;
    struct Case {
        const char *what;
        std::vector<uint32_t> visits;
        bool journaled;
    } cases[] = {
        {"saved as the file holds it", {original}, false},
        {"changed", {original + 5}, true},
        {"changed and changed back in one save", {original + 5, original}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        globVil.visits = original;
        ASSERT_EQ(SaveGlobVil(), 1);
        save_begin();
        for (uint32_t v : c.visits) {
            globVil.visits = v;
            ASSERT_EQ(SaveGlobVil(), 1);
        }
        EXPECT_EQ(save_staged_as(file.c_str()) == 1, c.journaled);
        ASSERT_TRUE(save_commit());
        const VillageStruct stored = record_at(file, seek_vilpos(SOC));
        EXPECT_EQ(memcmp(&stored, &globVil, sizeof stored), 0);
    }
}

TEST_F(VillageTest, RecordRulesPeopleVisitsAndWordOfMouth) {
    ASSERT_EQ(GetGlobVil(SOC), 1);
    // People: a person already enrolled is not enrolled twice, even with a free slot before her.
    villager(1, 240, 232, true);
    villager(2, 241, 232, true);
    globVil.people[0] = 0;
    globVil.people[3] = Cre[1].socialid;
    npctosocppl(1, SOC);
    npctosocppl(2, SOC);
    npctosocppl(2, 0);
    EXPECT_EQ(globVil.people[0], Cre[2].socialid);
    EXPECT_EQ(globVil.people[3], Cre[1].socialid);
    EXPECT_EQ(socpopulation(SOC), 2);
    npcremsocppl(1, SOC);
    EXPECT_EQ(socpopulation(SOC), 1);
    EXPECT_EQ(socpopulation(0), 0);
    socset_npc_hired(2, SOC);
    socset_npc_hired(2, SOC);
    EXPECT_EQ(globVil.hired[0], Cre[2].socialid);
    EXPECT_EQ(globVil.hired[1], 0u);

    // A visit is counted once a day; a talk each time.
    globVil.visits = 0;
    globVil.lastvisit = 395;
    globVil.greeted = 1;
    meet_soc(SOC);
    meet_soc(SOC);
    talk_soc(SOC);
    talk_soc(SOC);
    EXPECT_EQ(globVil.visits, 1);
    EXPECT_EQ(globVil.visitgap, 5);
    EXPECT_EQ(globVil.lastvisit, 400u);
    EXPECT_EQ(globVil.greeted, 0);
    EXPECT_EQ(globVil.talks, 2);
    EXPECT_EQ(soc_visits(SOC), 1);
    updglobnewstick();
    EXPECT_EQ(globVil.newsflag, 1);
    EXPECT_EQ(globVil.deedminute, Plr.minutes);
    EXPECT_EQ(globVil.deedday, 400);

    // The per-visit state byte is the flags word's second byte.
    globVil.flags = 0x4000;
    globVil.set_visitstate(64);
    EXPECT_EQ(globVil.flags, 0x4000u | (64u << 8));
    EXPECT_EQ(((const uint8_t *)&globVil)[8941], 64);

    struct Share {
        int kind, count;
        float share;
    } shares[] = {{3, 5, 0.6f}, {7, 6, 0.55f}, {2, 0, 1.0f}, {2, 9, 1.0f}, {5, 3, 0.5f}, {6, 0, 0.25f}};
    for (const Share &s : shares) EXPECT_NEAR(wombased_pctmod(s.kind, s.count), s.share, 1e-5) << s.kind << "," << s.count;

    EXPECT_EQ(isloc_soccenter(SOC, 1500, 1000), 1);
    EXPECT_EQ(isloc_soccenter(0, 1500, 1000), 0);
    globVil.centres_x[0] = 1510;
    globVil.centres_y[0] = 1000;
    EXPECT_EQ(locdist_soccenter(SOC, 1508, 1000), 2);
    EXPECT_EQ(locdist_soccenter(SOC, 1500, 1000), 0);
}

TEST_F(VillageTest, DebtLinesGrowArePaidInOrderAndSetTheLevel) {
    ASSERT_EQ(GetGlobVil(SOC), 1);
    VillageStruct *v = &globVil;
    const int cup = item("Cup", IT_TOOL, 2.0f), bowl = item("Bowl", IT_TOOL, 3.0f);
    EXPECT_EQ(addvildebtitem(v, SOC, cup, 2), VILDEBT_NEWLINE + 0);
    EXPECT_EQ(addvildebtitem(v, SOC, bowl, 1), VILDEBT_NEWLINE + 1);
    EXPECT_EQ(addvildebtitem(v, SOC, cup, 1), VILDEBT_GROWN) << "one line per object";
    EXPECT_EQ(v->debt[0].count, 3u);
    EXPECT_FLOAT_EQ(v->debt[0].value, 6.0f);
    EXPECT_EQ(addvildebtitem(v, SOC, cup, 0), 0);
    for (int i = 2; i < VILLAGE_DEBTS; i++) ASSERT_GE(addvildebtitem(v, SOC, item("Bead", IT_VALUABLE, 1.0f), 1), VILDEBT_NEWLINE);
    EXPECT_EQ(addvildebtitem(v, SOC, item("Shell", IT_VALUABLE, 1.0f), 1), VILDEBT_FULL) << "the 101st kind";
    EXPECT_EQ(addvildebtitem(v, SOC, bowl, 1), VILDEBT_GROWN) << "a full book still grows a line";

    // Paying 3 against lines of 2 and 5: the first goes, the second keeps 4 valued at 4 units.
    remvildebtitem(v, SOC, 0, 0);
    EXPECT_FLOAT_EQ(vildebtvalue(v), 0.0f);
    const int knife = item("Knife", IT_TOOL, 5.0f);
    v->debt[0] = VillageDebtLine{1, {}, (uint32_t)knife, 2, 10.0f, {}, 1, {}};
    v->debt[1] = VillageDebtLine{1, {}, (uint32_t)knife, 5, 25.0f, {}, 1, {}};
    EXPECT_EQ(remvildebtitem(v, SOC, knife, 3), 1u);
    EXPECT_EQ(v->debt[0].active, 0);
    EXPECT_EQ(v->debt[1].count, 4u);
    EXPECT_FLOAT_EQ(v->debt[1].value, 20.0f);
    EXPECT_EQ(remvildebtitem(v, SOC, knife, 9), 0u) << "units left over";
    EXPECT_FLOAT_EQ(vildebtvalue(v), 0.0f);

    // The level by the total; a line whose item is gone drops out; the age from the oldest line.
    struct Level {
        float total;
        int level;
    } levels[] = {{16.0f, 1}, {16.5f, 2}, {400.0f, 2}, {400.5f, 3}};
    for (const Level &l : levels) {
        remvildebtitem(v, SOC, 0, 0);
        const int pos = item("Pelt", IT_SKIN, l.total);
        ASSERT_EQ(addvildebtitem(v, SOC, pos, 1), VILDEBT_NEWLINE);
        v->debt[0].value = l.total;
        v->debt[0].minute = Plr.minutes - 30;
        vildebtrefresh(v);
        EXPECT_EQ(v->debtlevel, l.level) << l.total;
        EXPECT_EQ(v->hasdebt, 1);
        EXPECT_EQ(v->debtage, 30u);
    }
    const int gone = item("Torch", IT_TOOL, 1.0f);
    addvildebtitem(v, SOC, gone, 1);
    addvildebtitem(v, SOC, item("Rope", IT_TOOL, 1.0f), 1);
    PlayerObj[gone - OBJ_PLAYER_FIRST].name[0] = 0;
    PlayerObj[v->debt[0].object - OBJ_PLAYER_FIRST].ownerflags = 8;   // not for sale
    vildebtrefresh(v);
    EXPECT_EQ(v->debt[1].active, 0) << "its item is gone";
    EXPECT_EQ(v->debt[0].active, 1);
    EXPECT_EQ(v->debt[2].active, 1);
    EXPECT_EQ(v->tradeban, 2) << "a line after the marked one does not lift the stoppage";

    // Forgiving lifts the unpaid mark from the goods.
    PlayerObj[v->debt[0].object - OBJ_PLAYER_FIRST].ownerflags = OWN_UNPAID | 8;
    const uint32_t pelt = v->debt[0].object;
    forgivedebtitems(v, SOC);
    EXPECT_EQ(ObjToItem((int)pelt).ownerflags, 8);
    vildebtrefresh(v);
    EXPECT_EQ(v->hasdebt, 0);
    EXPECT_EQ(v->debtlevel, 0);

    // One unpaid cup of a stack taken into use: its unit of the debt follows it.
    ItemStruct c = ObjToItem(cup);
    c.ownersoc = SOC;
    c.ownerflags = OWN_UNPAID;
    const int stack = Esineesta_Uniikki(c);
    Plr.inv_obj[0] = stack;
    Plr.inv_count[0] = 3;
    ASSERT_EQ(additemdebt(SOC, stack, 3), 1);
    Slotista_Uniikki(0);
    const int used = Plr.inv_obj[0];
    ASSERT_NE(used, stack);
    ASSERT_EQ(GetGlobVil(SOC), 1);
    uint32_t owed_stack = 0, owed_used = 0;
    for (const VillageDebtLine &d : globVil.debt) {
        if (d.active && d.object == (uint32_t)stack) owed_stack += d.count;
        if (d.active && d.object == (uint32_t)used) owed_used += d.count;
    }
    EXPECT_EQ(owed_stack, 2u);
    EXPECT_EQ(owed_used, 1u);
}

TEST_F(VillageTest, APaidDebtFreesTheGoodsBooksTheTradeAndDrawsTheCredit) {
    struct Case {
        float credit;
        float whole_after;
        int goodtrades_after;
    } cases[] = {{0.0f, 0.0f, 2}, {5.0f, 0.0f, 0}, {50.0f, 50.0f, 0}};
    for (const Case &k : cases) {
        ASSERT_EQ(GetGlobVil(SOC), 1);
        ItemStruct it = ObjToItem(item("Axe", IT_TOOL, 10.0f));
        it.ownersoc = SOC;
        it.ownerflags = OWN_UNPAID;
        it.ownerword1 = 1500;
        it.ownerword2 = 1000;
        const int axe = Esineesta_Uniikki(it);
        Plr.inv_obj[0] = axe;
        Plr.inv_count[0] = 2;
        ASSERT_EQ(additemdebt(SOC, axe, 2), 1);
        globVil.debt[0].value = 20.0f;
        vildebtrefresh(&globVil);   // level 2
        globVil.goodtrades = 0;
        globVil.credit = k.credit;
        globVil.wholereward = 0.0f;
        GetNpcVil(SOC);
        Chatting_With = -1000;
        Trade_ClearList();
        Debt_Complete();
        ASSERT_EQ(GetGlobVil(SOC), 1);
        EXPECT_EQ(globVil.hasdebt, 0) << k.credit;
        EXPECT_EQ(globVil.debt[0].active, 0);
        EXPECT_EQ(globVil.goodtrades, k.goodtrades_after) << k.credit;
        EXPECT_FLOAT_EQ(globVil.credit, k.credit > 20.0f ? k.credit - 20.0f : 0.0f) << k.credit;
        EXPECT_FLOAT_EQ(globVil.wholereward, k.whole_after) << k.credit;
        const ItemStruct freed = ObjToItem(axe);
        EXPECT_EQ(freed.ownersoc, 0u);
        EXPECT_EQ(freed.ownerflags, 0);
        EXPECT_EQ(freed.ownerword1, 0);
        EXPECT_EQ(Trade_Status, 1);
    }
    GetNpcVil(0);
    EXPECT_EQ((int)NpcVil.socid, -1000);
    EXPECT_EQ(NpcVil.visits, 0);
}

// Her village, played: entered, visited and talked to, its goods owed; saved and loaded again it
// remembers them, and its file is whole records.
class VillageSaved : public oxatest::LoaderTest {};

TEST_F(VillageSaved, HerVillageRemembersVisitsTalksAndDebtsAcrossASave) {
    enter_her_village();
    const int soc = (int)Mapinfo_socID(IsoX(), IsoY());
    ASSERT_GT(soc, 0);
    ASSERT_EQ(GetGlobVil(soc), 1);
    EXPECT_GE(socpopulation(soc), 3) << "her village's people are enrolled";
    const uint16_t visits = globVil.visits, talks = globVil.talks;
    Plr.daynumber++;
    meet_soc(soc);
    talk_soc(soc);
    ItemStruct cup{};
    cup.type = IT_TOOL;
    cup.id = 300;
    cup.price = 3.0f;
    strcpy(cup.name, "Cup");
    ASSERT_EQ(additemdebt(soc, Esineesta_Uniikki(cup), 2), 1);
    ASSERT_EQ(GetGlobVil(soc + 100000), 1);   // another village held: hers went to the file

    // A save that can't commit leaves the village file as the last good save left it.
    const std::string before = bytes_of(path("AINO.VIL"));
    save_commit_step = [](int) { return false; };
    EXPECT_EQ(Save(SAVE_NOMAP), 0);
    save_commit_step = nullptr;
    EXPECT_EQ(bytes_of(path("AINO.VIL")), before);

    ASSERT_EQ(Save(SAVE_NOMAP), 1);
    const long size = size_of("AINO.VIL");
    EXPECT_GT(size, 0);
    EXPECT_EQ(size % (long)sizeof(VillageStruct), 0) << "a whole number of records";
    const std::string file = bytes_of(path("AINO.VIL"));
    int found = 0;
    for (size_t at = 0; at + sizeof(VillageStruct) <= file.size(); at += sizeof(VillageStruct)) {
        VillageStruct v;
        memcpy(&v, file.data() + at, sizeof v);
        if (v.socid != (uint32_t)soc) continue;
        found++;
        EXPECT_EQ(v.visits, visits + 1);
        EXPECT_EQ(v.talks, talks + 1);
        EXPECT_EQ(v.debt[0].count, 2u);
    }
    EXPECT_EQ(found, 1);

    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(GetGlobVil(soc), 1);
    EXPECT_GE(globVil.visits, visits + 1);
    EXPECT_EQ(globVil.talks, talks + 1);
    EXPECT_EQ(globVil.hasdebt, 1);
    EXPECT_FLOAT_EQ(vildebtvalue(&globVil), 6.0f);
}

}  // namespace

// tests/work_played/land_tools_play_test.cpp -- played: what the course and the make menu ask her to
// make comes from the land. Aino fells, chops and peels trees and cuts twigs, and every tool the
// course's tasks name is made of that; she makes a fishing rod of a felled alder and birch bark, the
// make menu's list telling her the feather may be left out; herb lore beside bushes tells her what it
// can examine; in her village the goods lie indoors behind a door, and her look names them.
#include <cstring>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "activities/herblore.h"
#include "activities/timber.h"
#include "activities/traps.h"
#include "core/loader_fixture.h"
#include "core/spend.h"
#include "core/player.h"
#include "items/invlist.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/recipes.h"
#include "activities/making.h"
#include "game/look.h"
#include "core/commandcodes.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/squareevents.h"
#include "maps/worldsearch.h"
#include "creatures/skills.h"
#include "../items/row_letters.h"

namespace {

// The make menu's recipes of the tools the course names.
const char *const RECIPE_FILES[] = {"diy_fishing.txt", "diy_tying.txt",   "diy_lumber.txt",  "diy_transport.txt",
                                    "diy_weapons.txt", "diy_traps.txt",   "biy_building.txt"};

std::vector<std::string> listed_rows;   // every row the requirement lists showed
void keep_rows(const char *, const UiRequirement *rows, int n) {
    for (int i = 0; i < n; i++) listed_rows.push_back(rows[i].text);
}

class AinoFromTheLand : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        for (const char *f : RECIPE_FILES) dir->copy_asset(f);
        dir->copy_asset("menudef_make.txt");
        shown_rows = ui.windows.requirements;
        ui.windows.requirements = keep_rows;
        listed_rows.clear();
    }
    void TearDown() override {
        ui.windows.requirements = shown_rows;
        INSTANT_TASKS = 0;
        PlayingTest::TearDown();
    }
    // Down on the local map of her home, with nobody about to break off the work.
    void on_local_map() {
        command({SDLK_RETURN});
        command({SDLK_PERIOD});   // the next pass makes the local map
        ASSERT_FALSE(bigmap()) << notes();
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = DT_FREED;
            }
    }
    // The square she faces, open and with no fire beside it, made free of what lay or grew there.
    static bool ahead_free(int &x, int &y) {
        for (int dir = 0; dir < 8; dir++) {
            PlayerDir = dir;
            getaheadxy(CRE_PLAYER, &x, &y);
            bool clear = terrain_flag(get_mapchar(x, y), TF_OPEN) && !terrain_flag(get_mapchar(x, y), TF_WATER);
            for (const DataStruct &d : Data)
                if (d.type == DT_FIRE && abs((int)d.x - x) <= 1 && abs((int)d.y - y) <= 1) clear = false;
            if (!clear) continue;
            for (DataStruct &d : Data)
                if (d.type && d.type != DT_FREED && d.x == x && d.y == y) d.type = DT_FREED;
            return true;
        }
        return false;
    }
    static void tree_ahead(int x, int y, int c) {
        for (DataStruct &d : Data)
            if (d.type == DT_TREE && d.x == x && d.y == y) d.type = DT_FREED;
        set_mapchar(x, y, c);
    }
    static void at_once(std::initializer_list<int> ks) { oxatest::keys_at_once(ks); }
    // "s", her timbercraft's key on the skills screen and the work's key in its menu.
    static void timbercraft(char work, std::initializer_list<int> more) {
        oxatest::KeyFeeder typing;
        typing.key(SDLK_s).key((SDL_Keycode)SkillDATA(-1, "TIMBERCRAFT", SKD_KEY));
        typing.text(std::string(1, work).c_str());
        for (int k : more) typing.key((SDL_Keycode)k, 0);
        int r;
        INSTANT_TASKS = 1;
        typing.typed([&] { return turn_pass(&r); });
        INSTANT_TASKS = 0;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && oxatest::item_name_of(Plr.inv_obj[s]) == name) n += Plr.inv_count[s];
        return n;
    }
    static int lying(int x, int y, const char *name) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == x && d.y == y && oxatest::item_name_of((int)d.id) == name) n += d.count;
        return n;
    }
    void (*shown_rows)(const char *, const UiRequirement *, int) = nullptr;
};

// What the work of her hands leaves on the square ahead and in her pack, as definition rows.
void gather(std::set<int> &got, int x, int y) {
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.x == x && d.y == y) got.insert((int)d.id);
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s]) got.insert(Plr.inv_obj[s]);
}

// Whether something of `got` serves line i of the list, as the maker's own test takes it; place and
// weather lines are the land's own.
bool served(const std::set<int> &got, int i) {
    const Tarvike_Struct &t = Tarvikelista[i];
    if (t.optional || strchr(t.rawname, '[')) return true;
    for (int id : {56, 58, 59, 60, 62, 63, 64, 65})
        if ((int)t.id == id) return true;
    bool ok = false;
    const uint8_t quiet = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    for (int pos : got) ok = ok || oe_Tarvike(ObjToItem(pos), i);
    DISABLE_NOTES = quiet;
    return ok;
}

// The tools the course's tasks send her to make, each made of nothing but what she fells, chops and
// peels with her kit, a stone lying in the land and what the make menu makes of those.
TEST_F(AinoFromTheLand, TheCourseToolsAreMadeOfWhatTheLandGives) {
    ASSERT_NO_FATAL_FAILURE(on_local_map());
    Plr.month = 5;   // early summer: the bark comes off
    std::set<int> got;   // her kit: what she carries and the tools at her feet
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s]) got.insert(Plr.inv_obj[s]);
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.owner != SOC_OWNER && abs((int)d.x - PlayerX) <= 1 && abs((int)d.y - PlayerY) <= 1)
            got.insert((int)d.id);
    int x = 0, y = 0;
    ASSERT_TRUE(ahead_free(x, y)) << "a free square beside her";
    const auto at_hand = [](std::function<int()> work) {
        oxatest::KeyFeeder typing;
        typing.key(SDLK_SPACE).key(SDLK_SPACE);
        INSTANT_TASKS = 1;
        typing.typed(work);
        INSTANT_TASKS = 0;
    };
    tree_ahead(x, y, 10);
    timbercraft('P', {SDLK_SPACE});   // birch bark
    timbercraft('F', {SDLK_SPACE});   // the birch: a big trunk
    gather(got, x, y);
    at_hand([&] { return TIMBERCRAFT_chop(CRE_PLAYER, x, y, ACTION_CARVE_LOG, 0); });
    gather(got, x, y);
    tree_ahead(x, y, 18);
    timbercraft('F', {SDLK_SPACE});   // a pine, chopped into blocks
    gather(got, x, y);
    at_hand([&] { return TIMBERCRAFT_chop(CRE_PLAYER, x, y, ACTION_CHOP_BLOCKS, 0); });
    gather(got, x, y);
    tree_ahead(x, y, 24);
    timbercraft('F', {SDLK_SPACE});   // an alder: slender trunks
    gather(got, x, y);
    tree_ahead(x, y, 13);
    timbercraft('T', {SDLK_SPACE});   // twigs of a spruce, laid at her feet
    gather(got, PlayerX, PlayerY);
    for (const DataStruct &d : Data)   // a stone lying wild in the land
        if (d.type == DT_ITEM && d.owner != SOC_OWNER && oxatest::item_name_of((int)d.id) == "Stone") {
            got.insert((int)d.id);
            break;
        }
    for (const char *name :
         {"Slender tree trunk", "Tree trunk", "Log", "Block of wood", "Branch", "Birch-bark strip", "Spruce twig",
          "Stone"}) {
        bool have = false;
        for (int pos : got) have = have || oxatest::item_name_of(pos) == name;
        EXPECT_TRUE(have) << name << " from the land\n" << notes();
    }

    // The make menu's recipes, made over and over of what she has until nothing new comes.
    std::vector<std::pair<int, std::string>> recipes;   // the kind of its file, its name
    for (const char *file : RECIPE_FILES) {
        std::istringstream in(dir->read_file(file));
        for (std::string line; std::getline(in, line);)
            if (line.size() > 2 && line[0] == '.')
                recipes.push_back({file[0] == 'b' ? RECIPE_BIY : RECIPE_DIY, line.substr(1, line.find('.', 1) - 1)});
    }
    std::set<std::string> made;
    for (bool more = true; more;) {
        more = false;
        for (const auto &[kind, name] : recipes) {
            if (made.count(name) || strcmp(fread_Tekodata(kind, name.c_str(), 0), "NOT FOUND") == 0) continue;
            read_material_lines(kind, 1, nullptr);
            bool all = true;
            for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++) all = all && served(got, i);
            if (!all) continue;
            made.insert(name);
            const int row = object(name.c_str(), 1);
            if (row > 0) got.insert(row);
            more = true;
        }
    }
    const struct {
        const char *tool, *task;
    } rows[] = {
        {"Fishing rod", "FISHING"},      {"Wooden spear", "FISHING"}, {"Club", "FISHING"},
        {"Net", "FISHING"},              {"Raft", "WATERCOURSE"},     {"Sesta", "WATERCOURSE"},
        {"Paddle", "WATERCOURSE"},       {"Punt", "AN ISLAND"},       {"Wooden stake", "PREY IN A TRAP"},
        {"Loop snare", "PREY IN A TRAP"}, {"Paw-board fox trap", "KAUMO FURS"}, {"Shelter", "SHELTER IN THE WOODS"},
    };
    for (const auto &row : rows) EXPECT_TRUE(made.count(row.tool)) << row.tool << " for the task " << row.task;

    // The traps she builds with her trapping skill for the tasks SETTING A TRAP and PREY IN A TRAP.
    const struct {
        int code;
        const char *trap;
    } traps[] = {{ACTION_LEVER_TRAP, "light lever trap"},         {ACTION_SMALL_DEADFALL, "small deadfall trap"},
                 {ACTION_BIG_DEADFALL, "big deadfall trap"},       {ACTION_BEAR_DEADFALL, "heavy deadfall bear trap"},
                 {ACTION_TRAP_PIT, "trap pit"},                    {ACTION_STAKED_PIT, "trap pit with sharp stakes"}};
    for (const auto &t : traps) {
        Tee_Lista_Ansamateriaaleista(t.code);
        EXPECT_NE(Tarvikelista[0].id, 0u) << t.trap << " has its materials";
        for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++)
            EXPECT_TRUE(served(got, i)) << t.trap << " needs " << Tarvikelista[i].label;
    }
}

// The fishing rod of the course's fishing task, made of nothing but what she fells and peels.
TEST_F(AinoFromTheLand, SheMakesAFishingRodOfAFelledAlderAndBirchBark) {
    ASSERT_NO_FATAL_FAILURE(on_local_map());
    Plr.month = 5;   // early summer: the bark comes off
    ASSERT_EQ(carried("Fishing rod"), 0);
    ASSERT_EQ(carried("Cord"), 0);
    int x = 0, y = 0;
    ASSERT_TRUE(ahead_free(x, y)) << "a free square beside her";
    tree_ahead(x, y, 10);
    timbercraft('P', {SDLK_SPACE});
    ASSERT_GE(carried("Birch-bark strip"), 1) << notes();

    tree_ahead(x, y, 24);
    timbercraft('F', {SDLK_SPACE});
    ASSERT_GE(lying(x, y, "Slender tree trunk"), 3) << notes();

    // The make menu's tying equipment, a cord of the strip.
    at_once({SDLK_PLUS, SDLK_y, SDLK_2, SDLK_SPACE});
    ASSERT_EQ(carried("Cord"), 1) << notes();

    // The fishing gear, the rod: the trunk beside her and her knife are found, she chooses the cord and
    // goes without a feather.
    listed_rows.clear();
    at_once({SDLK_PLUS, SDLK_f, SDLK_1, oxatest::carried_letter("Cord", 6), SDLK_ESCAPE, SDLK_SPACE, SDLK_SPACE});
    EXPECT_EQ(carried("Fishing rod"), 1) << notes();
    bool feather = false, trunk = false;
    for (const std::string &r : listed_rows) {
        if (r.find("Feather") != std::string::npos) {
            feather = true;
            EXPECT_NE(r.find("(optional)"), std::string::npos) << r;
        }
        if (r.find("Slender trunk") != std::string::npos) {
            trunk = true;
            EXPECT_EQ(r.find("optional"), std::string::npos) << r;
        }
    }
    EXPECT_TRUE(feather && trunk) << "the rod's list was shown";
}

// Beside bushes with no plant growing near and nothing of plants in her pack, herb lore says what it
// examines and that she has nothing of it.
TEST_F(AinoFromTheLand, HerbLoreBesideBushesSaysWhatItCanExamine) {
    ASSERT_NO_FATAL_FAILURE(on_local_map());
    for (DataStruct &d : Data)
        if ((d.type == DT_PLANT || d.type == DT_HERB_A || d.type == DT_HERB_B) && abs((int)d.x - PlayerX) <= 2 &&
            abs((int)d.y - PlayerY) <= 2)
            d.type = DT_FREED;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy) set_mapchar(PlayerX + dx, PlayerY + dy, 237);
    for (int s = PLR_SLOTS - 1; s >= 0; s--) {   // from the last: a slot emptied closes up the ones after it
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (Plr.inv_obj[s] && (it.type == IT_FOOD || it.type == IT_PLANT)) Poista_PlrItem(s, Plr.inv_count[s]);
    }
    int slot = -1;
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (strncmp(Plr.skill_name[s], "HERBLORE", PLR_SKILLNAME) == 0) slot = s;
    ASSERT_GE(slot, 0);
    const size_t before = notes().size();
    oxatest::KeyFeeder typing;
    for (char k : "s" + skill_keys(slot)) typing.key((SDL_Keycode)k, 0);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    const std::string said = notes().substr(before);
    EXPECT_NE(said.find("No plants around. You can examine something in your inventory."), std::string::npos) << said;
    EXPECT_NE(said.find("You have nothing to examine with herblore."), std::string::npos) << said;
}

}  // namespace

namespace {

class AinoInHerVillage : public oxatest::PlayingTest {};

// The talk sends her to the village's goods inside its buildings: every piece of them lies indoors,
// in a room she walks into through its door, and looking at its square names it.
TEST_F(AinoInHerVillage, TheVillagesGoodsLieIndoorsBehindADoorAndHerLookNamesThem) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0) << notes();
    int goods = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct d = Data[i];
        if (d.type != DT_ITEM || d.owner != SOC_OWNER) continue;
        goods++;
        SCOPED_TRACE(testing::Message() << oxatest::item_name_of((int)d.id) << " at " << d.x << "," << d.y);
        // Timber is stacked outdoors by a timber wall; everything else lies indoors.
        if (ObjToItem((int)d.id).type == IT_TIMBER) {
            const auto timber_wall = [](int c) { return c == 191 || c == 218 || c == 139 || c == 140; };
            EXPECT_EQ(get_mapchar(d.x, d.y), 250);
            EXPECT_TRUE(timber_wall(get_mapchar(d.x - 1, d.y)) || timber_wall(get_mapchar(d.x + 1, d.y))) << "by a timber wall";
        } else {
            EXPECT_TRUE(terrain_flag(get_mapchar(d.x, d.y), TF_ROOFED)) << "indoors";
            // Through the room's open squares and its door out under the sky.
            enum { SIDE = 512 };   // the local area lies within it
            std::vector<bool> seen((size_t)SIDE * SIDE, false);
            std::vector<std::pair<int, int>> next{{d.x, d.y}};
            bool out = false, door = false;
            while (!next.empty() && !out) {
                const auto [x, y] = next.back();
                next.pop_back();
                if (!in_grid(x, y) || x >= SIDE || y >= SIDE || seen[(size_t)y * SIDE + x]) continue;
                seen[(size_t)y * SIDE + x] = true;
                const int c = get_mapchar(x, y);
                const bool is_door = c == 254 || c == 22 || c == 43;
                if (!is_door && terrain_flag(c, TF_BLOCKS) && !(x == d.x && y == d.y)) continue;
                door = door || is_door;
                if (!terrain_flag(c, TF_ROOFED) && !is_door) {
                    out = true;
                    continue;
                }
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++)
                        if ((dx == 0) != (dy == 0)) next.push_back({x + dx, y + dy});
            }
            EXPECT_TRUE(out && door) << "a door out of its room";
        }
        const size_t before = notes().size();
        LookPosition(d.x, d.y, 0);
        std::string told = notes().substr(before), name = ekuvaus((int)d.id, 1, 0);
        for (std::string *t : {&told, &name})
            for (char &ch : *t) ch = (char)tolower((unsigned char)ch);
        EXPECT_NE(told.find(name), std::string::npos) << told;
    }
    EXPECT_GT(goods, 0) << "her village keeps goods";
}

}  // namespace

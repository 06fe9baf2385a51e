// tests/quests/course_tasks_test.cpp -- every task of both game courses done by Aino as its text asks:
// the course written and the task put before her by the task screen, then the deed done by her keys
// or by the game's own action, and the task seen done.
#include "core/loader_fixture.h"
#include "common/lake_shore.h"
#include "base/ui.h"
#include "../items/row_letters.h"
#include "common/pool_put.h"
#include "creatures/beside_her.h"
#include "society/villager_beside.h"

#include <functional>
#include <vector>
#include <strings.h>

#include "core/creatures.h"
#include "core/maintenance.h"
#include "core/magicknow.h"
#include "activities/fishing.h"
#include "activities/tools.h"
#include "activities/timber.h"
#include "activities/traps.h"
#include "core/commandcodes.h"
#include "game/toimi.h"
#include "society/chat.h"
#include "society/trade.h"
#include "core/datafunc.h"
#include "core/spend.h"
#include "activities/survival.h"
#include "activities/vesselcmd.h"
#include "maps/mapunit.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "creatures/crestep.h"
#include "creatures/predicates.h"
#include "creatures/crefile.h"
#include "creatures/creation.h"
#include "maps/kulttuuri.h"
#include "maps/sight.h"
#include "maps/squareevents.h"
#include "items/plantlife.h"
#include "activities/harvest.h"
#include "core/player.h"
#include "core/weatherengine.h"
#include "activities/food.h"
#include "activities/tracking.h"
#include "worldgen/worldgen.h"
#include "core/obj_func.h"
#include "core/tehtavat.h"
#include "creatures/skills.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/movement.h"
#include "maps/spiritdata.h"
#include "maps/water.h"
#include "quests/courses.h"
#include "game/wizard.h"
#include "items/inventory.h"

namespace {

using Deed = std::function<void()>;

struct TaskRow {
    int task;
    const char *deed;
    Deed act;
};

class CourseTasks : public oxatest::PlayingTest, public ::testing::WithParamInterface<TaskRow> {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        for (const char *f : {"diy_fishing.txt", "diy_tying.txt", "diy_clothes.txt", "menudef_make.txt", "messages/eng_traps_fishing.txt",
                              "biy_building.txt", "biy_kota.txt"})
            dir->copy_asset(f);
    }
    void TearDown() override {
        course_reset();
        PlayingTest::TearDown();
    }
};

// The fixture's own ways of playing, for the table's deeds.
struct Play : oxatest::PlayingTest {
    using PlayingTest::command;
    using PlayingTest::press;
    using PlayingTest::tap;
    using PlayingTest::skill_keys;
    using PlayingTest::walk_into_her_village;
};

// Every creature of the area sent away: one coming into sight would break off the work.
void nobody_about() {
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
}

void keys(std::initializer_list<int> ks) {
    CLOSE_WINDOW = 0;   // a wait of the last command that found the queue empty
    Play::command(ks);
}

// Keys typed through the turn loop, the long work done at once; capitals and digits typed as their
// text, as the make menus take them, and idle ticks after them so that the typing never runs dry.
void build(std::initializer_list<int> ks) {
    CLOSE_WINDOW = 0;
    note_lines_since_pause = 0;   // no "more" pause takes the keys meant for the work
    oxatest::KeyFeeder typing;
    typing.typed_keys(ks);
    for (int i = 0; i < 3; i++) typing.key(SDLK_SPACE);   // the notes of the long work read on
    for (int i = 0; i < 20; i++) typing.idle();
    int r;
    INSTANT_TASKS = 1;
    typing.typed([&] { return turn_pass(&r); });
    INSTANT_TASKS = 0;
}

// A free square of bare ground beside her and the arrow key toward it; 0 when none.
SDL_Keycode free_ground_beside(int &wx, int &wy) {
    const struct { SDL_Keycode key; int dx, dy; } dirs[] = {
        {SDLK_RIGHT, 1, 0}, {SDLK_LEFT, -1, 0}, {SDLK_DOWN, 0, 1}, {SDLK_UP, 0, -1}};
    for (const auto &d : dirs) {
        const int x = PlayerX + d.dx, y = PlayerY + d.dy;
        bool taken = false;
        for (const DataStruct &r : Data)
            taken = taken || ((r.type == DT_ITEM || r.type == DT_WORK || r.type == DT_CREATURE) && r.x == x && r.y == y);
        const int c = get_mapchar(x, y);
        if (taken || terrain_flag(c, TF_BLOCKS | TF_WATER | TF_TREE) || c == '_') continue;
        wx = x, wy = y;
        return d.key;
    }
    return 0;
}

// A lean-to shelter built beside her of the trunks and twigs in her pack, with the axe she is given.
void build_a_shelter() {
    nobody_about();
    ASSERT_NE(AddNewItem(object("Slender tree trunk", 1), 4), 0);
    ASSERT_NE(AddNewItem(object("Spruce twig", 1), 10), 0);
    ASSERT_NE(AddNewItem(object("Woodsman's axe", 1), 1), 0);
    int wx = 0, wy = 0;
    const SDL_Keycode where = free_ground_beside(wx, wy);
    ASSERT_NE(where, 0);
    build({'M', 'B', '1', (int)where, SDLK_SPACE});
}

// One step east by her keys.
void step(SDL_Keycode k) {
    oxatest::KeyFeeder typing;
    typing.key(k, KMOD_CTRL);
    int r;
    typing.typed([&] { return turn_pass(&r); });
}
void step_east() { step(SDLK_RIGHT); }
void step_west() { step(SDLK_LEFT); }

// Keys typed through the turn loop with the long work of the command done at once.
void at_once(std::initializer_list<int> ks) {
    CLOSE_WINDOW = 0;
    oxatest::keys_at_once(ks);
}

// The letter of her skill of that name on the skills screen, 0 when she lacks it.
int skill_key(const char *name) {
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], name, strlen(name)) == 0) return Play::skill_keys(s)[0];
    return 0;
}


// Down from the world map onto the local map where she stands.
void down() {
    keys({SDLK_RETURN});
    keys({SDLK_SPACE, SDLK_PERIOD});
}

using oxatest::to_a_lake_shore;

// An item of the object table put into a free slot of her pack; the slot, or -1.
int into_pack(const char *name, int count = 1) {
    const int o = object(name, 0);
    if (o <= 0) return -1;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == 0) {
            Plr.inv_obj[s] = o;
            Plr.inv_count[s] = count;
            return s;
        }
    return -1;
}

// The square east of her made bare ground, with nothing on it; its x.
int bare_east() {
    const int x = PlayerX + 1;
    set_mapchar(x, PlayerY, CH_GROUND);
    for (DataStruct &d : Data)
        if (d.type != DT_UNUSED && d.x == x && d.y == PlayerY) d.type = DT_UNUSED;
    return x;
}

// A made thing put into a free slot of her pack; the slot.
int own_into_pack(const ItemStruct &it) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == 0) {
            Plr.inv_obj[s] = Esineesta_Uniikki(it);
            Plr.inv_count[s] = 1;
            return s;
        }
    return -1;
}

// A loop snare set on the bare square east of her by the apply command's own work.
void snare_set_east() {
    down();
    bare_east();
    const int s = into_pack("LOOP SNARE");
    ASSERT_GE(s, 0);
    Play::press(SDLK_KP_6);
    AsetaAnsa(ACTION_SET_TRAP, s);
    ASSERT_GE(get_datatype(DT_TRAP, PlayerX + 1, PlayerY), 0) << "the snare is set";
}

// Up to the world map by her zoom key.
void up() {
    keys({SDLK_RETURN});
    keys({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_TRUE(bigmap());
}

// Down on her field in a warm late spring, on the square beside the shovel the fixture laid.
void on_her_plot() {
    down();
    ASSERT_FALSE(bigmap());
    nobody_about();
    for (WeatherStruct &w : weatherengine.days) w.temperature = 15;
    Plr.month = 5;
    Plr.day = 25;
    PlayerX += 1;
    PlayerY -= 1;
}

// A fishing rod made from the make menu of the cord laid west of where she comes down and a trunk.
void make_a_rod() {
    down();
    nobody_about();
    step_west();
    keys({SDLK_g, oxatest::ground_letter(PlayerX, PlayerY, "Cord"), SDLK_SPACE});
    ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, object("Slender tree trunk", 1), 1), 0);
    at_once({SDLK_PLUS, SDLK_f, SDLK_1, oxatest::carried_letter("Cord", 6), SDLK_ESCAPE, SDLK_SPACE});
}

// Down on a dry square of the nearest fish water's own cell (of the world chars `kind` takes, any
// water when none), open water beside her; false when none.
bool down_by_fish_water(bool (*kind)(int c) = nullptr) {
    const int sides[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
    const int hx = PlayerX, hy = PlayerY;
    int lake_x = 0, lake_y = 0;
    for (int d = 1; d <= 120 && !lake_x; d++)
        for (int wy = hy - d; wy <= hy + d && !lake_x; wy++)
            for (int wx = hx - d; wx <= hx + d && !lake_x; wx++) {
                if (std::abs(wx - hx) != d && std::abs(wy - hy) != d) continue;
                if (!terrain_flag(get_alltime_maailmachar(wx, wy), 128)) continue;   // fish in it
                if (kind && !kind(get_alltime_maailmachar(wx, wy))) continue;
                for (const auto &sd : sides) {
                    const int lx = wx - sd[0], ly = wy - sd[1];
                    if (!lake_x && !terrain_flag(get_alltime_maailmachar(lx, ly), TF_WATER) && !on_kyla(lx, ly, 1)) {
                        PlayerX = lx, PlayerY = ly;
                        lake_x = wx, lake_y = wy;
                    }
                }
            }
    if (!lake_x) return false;
    down();
    if (bigmap()) return false;
    bool shore = false;
    for (int ly = AREA_MIN + 1; ly < AREA_MAX && !shore; ly++)
        for (int lx = AREA_MIN + 1; lx < AREA_MAX && !shore; lx++) {
            if (kohtaIsoX(lx) != lake_x || kohtaIsoY(ly) != lake_y) continue;
            if (!crestep_free_square(lx, ly) || !terrain_flag(get_mapchar(lx, ly), TF_OPEN) ||
                terrain_flag(get_mapchar(lx, ly), TF_WATER))
                continue;
            for (const auto &sd : sides) shore = shore || avovesi(lx + sd[0], ly + sd[1]);
            if (shore) PlayerX = lx, PlayerY = ly;
        }
    keys({SDLK_PERIOD});
    nobody_about();
    return shore;
}

// An animal of the templates killed by her hand on a free square beside her; its slot, -1 when no
// square is free. `fit` chooses among the animals met, as a hunter passes by those she doesn't want.
int carcass_beside(int code, bool (*fit)(const CreatureStruct &) = nullptr) {
    nobody_about();
    int hx = 0, hy = 0;
    for (int k = 0; k < 8 && !hx; k++) {
        static const int dx[] = {1, -1, 0, 0, 1, -1, 1, -1}, dy[] = {0, 0, 1, -1, 1, 1, -1, -1};
        const int x = PlayerX + dx[k], y = PlayerY + dy[k];
        if (crestep_free_square(x, y) && See(x, y)) hx = x, hy = y;
    }
    if (!hx) return -1;
    CreatureStruct made;
    for (int met = 0; met < 200; met++) {
        Luo_Olento(code);
        made = Creature;
        if (!fit || fit(made)) break;
    }
    const int id = new_creature_to_DATA(made);
    if (id == CRE_NONE) return -1;
    const int c = id - CRE_DATAID;
    set_data(DT_CREATURE, hx, hy, id, 1);
    Cre[c].killer = -1;
    KillCreature(c, 0);
    return Cre[c].mode == CM_CARCASS ? c : -1;
}

// The animal template of a species.
int template_of(const char *species) {
    for (int code = 600; code < 700; code++) {
        Luo_Olento(code);
        if (strcasecmp(Creature.species, species) == 0) return code;
    }
    return 0;
}

// She goes on the world map to the nearest land cell, out of the villages, of a culture `wanted` takes.
bool to_land_of(bool (*wanted)(int culture)) {
    const int hx = PlayerX, hy = PlayerY;
    for (int d = 0; d <= 120; d++)
        for (int wy = hy - d; wy <= hy + d; wy++)
            for (int wx = hx - d; wx <= hx + d; wx++) {
                if (std::abs(wx - hx) != d && std::abs(wy - hy) != d) continue;
                const int c = get_alltime_maailmachar(wx, wy);
                if (!wanted(get_alltime_kulttuuri(wx, wy)) || terrain_flag(c, TF_WATER) || on_kyla(wx, wy, 1)) continue;
                PlayerX = wx, PlayerY = wy;
                return true;
            }
    return false;
}

// Firewood laid on the bare square east of her and lit by her own hand.
void light_a_fire_east() {
    const int x = bare_east();
    set_data(DT_ITEM, x, PlayerY, object("FIREWOOD", 0), 6);
    for (int i = 0; i < 20 && get_datatype(DT_FIRE, x, PlayerY) < 0; i++) {
        Play::press(SDLK_KP_6);
        SURVIVAL_fire();
    }
}

// She walks into her village on the world map and turns to the first grown villager she meets there;
// -1 when there is none.
int villager_met() {
    const oxatest::WorldCell v = oxatest::her_village();
    if (v.x == 0) return -1;
    PlayerX = v.x - 1;
    PlayerY = v.y;
    step_east();
    keys({SDLK_SPACE, SDLK_PERIOD});
    if (bigmap()) return -1;
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
            const int c = (int)d.id - CRE_DATAID;
            if (Cre[c].kind == CK_HUMAN && Cre[c].mode != CM_CARCASS) return c;
        }
    return -1;
}

// Her punt set down on the shore where she stands and her paddle in hand, she rows out onto the open
// water beside her.
void row_out() {
    ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, object("Punt", 1), 1), 0);
    const int paddle = own_into_pack(ObjToItem(object("Paddle", 1)));
    ASSERT_GE(paddle, 0);
    Wield(paddle, 0, 1);
    static const struct { int dx, dy; SDL_Keycode key; } sides[] = {
        {1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN}};
    for (const auto &sd : sides) {
        if (!avovesi(PlayerX + sd.dx, PlayerY + sd.dy)) continue;
        step(sd.key);
        break;
    }
    ASSERT_EQ(Plr.movement_mode, 3) << "she rows";
}

// She rows out and goes ashore again on the first bare bit of land beside the punt.
void row_out_and_land() {
    row_out();
    if (::testing::Test::HasFatalFailure()) return;
    static const struct { int dx, dy; SDL_Keycode key; } around[] = {
        {1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN},
        {1, -1, SDLK_PAGEUP}, {1, 1, SDLK_PAGEDOWN}, {-1, 1, SDLK_END}, {-1, -1, SDLK_HOME}};
    const int ox = PlayerX, oy = PlayerY;
    for (const auto &sd : around) {
        const int x = ox + sd.dx, y = oy + sd.dy;
        bool things = false;
        for (const DataStruct &d : Data)
            things = things || ((d.type == DT_ITEM || d.type == DT_CREATURE) && d.x == x && d.y == y);
        if (things || avovesi(x, y) || terrain_flag(get_mapchar(x, y), TF_BLOCKS | TF_WATER | TF_TREE)) continue;
        step(sd.key);
        if (Plr.movement_mode != 3) break;
    }
}

// The letter of the skin in her pack, as the hide work lists her skins.
SDL_Keycode skin_letter() {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_SKIN)
            return oxatest::carried_letter(oxatest::item_name_of(Plr.inv_obj[s]).c_str());
    ADD_FAILURE() << "no skin in her pack";
    return SDLK_ESCAPE;
}

// An animal of the templates (a hare unless told) killed by her hand by the water, skinned and cut up
// for its fat; then its skin cleaned and tanned by her hideworking skill step by step, each step
// waited out and the skin picked up again.
void tan_a_skin(int code = 600, const char *fat = "hare fat") {
    ASSERT_TRUE(down_by_fish_water());
    ASSERT_GE(carcass_beside(code), 0);
    keys({SDLK_s, skill_key("HIDEWORKING"), 'S', SDLK_SPACE});
    at_once({SDLK_b, SDLK_SPACE});
    at_once({SDLK_s, skill_key("HIDEWORKING"), 'C', skin_letter(), SDLK_SPACE, SDLK_ESCAPE});
    // A bench beside her to work on and a club to beat the skin with, for its softening.
    bool bench = false;
    for (int k = 0; k < 9 && !bench; k++) {
        const int x = PlayerX + k % 3 - 1, y = PlayerY + k / 3 - 1;
        if (k == 4 || !crestep_free_square(x, y) || terrain_flag(get_mapchar(x, y), TF_WATER)) continue;
        set_mapchar(x, y, 28);
        bench = true;
    }
    ASSERT_TRUE(bench);
    ASSERT_GE(into_pack("CLUB"), 0);
    // Each step takes its own things: the fat rubbed into the skin, then water alone, then the club
    // that beats it soft on the bench.
    for (int step = 0; step < 3; step++) {
        const SDL_Keycode skin = skin_letter();
        if (step == 0)
            at_once({SDLK_s, skill_key("HIDEWORKING"), 'T', skin, oxatest::carried_letter(fat, invmask(IT_FOOD, IT_TIMBER)),
                     SDLK_SPACE, SDLK_ESCAPE, SDLK_ESCAPE});
        else if (step == 1)
            at_once({SDLK_s, skill_key("HIDEWORKING"), 'T', skin, SDLK_SPACE});
        else   // the bench takes whatever she lays the skin on
            at_once({SDLK_s, skill_key("HIDEWORKING"), 'T', skin, SDLK_a, oxatest::carried_letter("Club", IT_WEAPON),
                     SDLK_SPACE, SDLK_ESCAPE, SDLK_ESCAPE});
        if (step == 2) break;
        wizard_pass_days(1);
        std::string left;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == PlayerX && d.y == PlayerY && ObjToItem((int)d.id).type == IT_SKIN)
                left = oxatest::item_name_of((int)d.id);
        ASSERT_NE(left, "") << "the skin is ready at her feet, step " << step;
        keys({SDLK_g, oxatest::ground_letter(PlayerX, PlayerY, left.c_str()), SDLK_SPACE});
    }
}

// The creature of the templates killed by her hand.
void killed_by_her(int code, int culture = -1) {
    const int c = oxatest::creature_east_of_her(code);
    if (culture >= 0) Cre[c].culture = (uint8_t)culture;
    Cre[c].killer = -1;
    KillCreature(c, 0);
}

TaskRow rows[] = {
    {1, "she drinks from a lake by keys", [] {
         ASSERT_TRUE(to_a_lake_shore());
         keys({SDLK_q, SDLK_y});
     }},
    {2, "she goes down to the local map", [] { down(); }},
    {3, "she picks a stone up", [] {
         down();
         ASSERT_GE(oxatest::pool_put(DT_ITEM, PlayerX, PlayerY, (uint32_t)object("STONE", 1)), 0);
         keys({SDLK_g});
     }},
    {4, "she lights firewood east of her", [] {
         down();
         light_a_fire_east();
     }},
    {5, "she fells a small tree with her knife", [] {
         down();
         nobody_about();
         static const SDL_Keycode toward[3][3] = {{SDLK_KP_7, SDLK_KP_4, SDLK_KP_1},
                                                  {SDLK_KP_8, SDLK_KP_5, SDLK_KP_2},
                                                  {SDLK_KP_9, SDLK_KP_6, SDLK_KP_3}};
         int dx = 2, dy = 2;
         for (int r = 1; r < 120 && dx == 2; r++)
             for (int y = PlayerY - r; y <= PlayerY + r && dx == 2; y++)
                 for (int x = PlayerX - r; x <= PlayerX + r && dx == 2; x++) {
                     if (!terrain_flag(get_mapchar(x, y), TF_TREE) || Tree_Height(get_mapchar(x, y)) >= 5) continue;
                     // She goes to stand beside it.
                     for (int k = 0; k < 9 && dx == 2; k++) {
                         const int sx = x + k % 3 - 1, sy = y + k / 3 - 1;
                         if (k == 4 || !crestep_free_square(sx, sy) || !terrain_flag(get_mapchar(sx, sy), TF_OPEN)) continue;
                         PlayerX = sx, PlayerY = sy, dx = x - sx, dy = y - sy;
                     }
                 }
         ASSERT_NE(dx, 2) << "a small tree near her";
         at_once({SDLK_s, skill_key("TIMBERCRAFT"), 'F', toward[dx + 1][dy + 1], SDLK_RETURN, SDLK_SPACE});
     }},
    {6, "she makes a fishing rod", [] { make_a_rod(); }},
    {7, "she angles with the rod the course gave her", [] {
         ASSERT_TRUE(down_by_fish_water());
         at_once({SDLK_s, skill_key("FISHING"), SDLK_1, oxatest::carried_letter("Fishing rod"), SDLK_SPACE});
     }},
    {8, "she roasts the pike the course gave her", [] {
         down();
         nobody_about();
         light_a_fire_east();
         ASSERT_GE(get_datatype(DT_FIRE, PlayerX + 1, PlayerY), 0) << "her fire burns";
         note_lines_since_pause = 0;
         oxatest::push_key(oxatest::carried_letter("Pike", invmask(IT_FOOD)));
         oxatest::push_key(SDLK_SPACE);
         INSTANT_TASKS = 1;
         Toimi(ACTION_ROAST, 0, "");
         INSTANT_TASKS = 0;
     }},
    {9, "she builds a lean-to shelter", [] {
         down();
         build_a_shelter();
     }},
    {10, "she meets a fox in the wilderness", [] { EnterLocale(1, 601); }},
    {11, "the water folk are pleased", [] { set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_WATER_FOLK, 1); }},
    {12, "she kills a fox", [] { down(); killed_by_her(601); }},
    {13, "she tans the skin of a hare she killed", [] { tan_a_skin(); }},
    {14, "she rows a punt out from the shore and lands again", [] {
         ASSERT_TRUE(down_by_fish_water());
         row_out_and_land();
     }},
    {15, "she walks into her village on the world map", [] {
         const oxatest::WorldCell v = oxatest::her_village();
         ASSERT_NE(v.x, 0);
         PlayerX = v.x - 1;
         PlayerY = v.y;
         step_east();
         keys({SDLK_SPACE, SDLK_PERIOD});
         EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
     }},
    {16, "she trades with a villager", [] {
         const int c = villager_met();
         ASSERT_GE(c, 0);
         Chatting_With = c;
         Trade_Complete();
     }},
    {17, "she builds a western wall of logs", [] {
         down();
         nobody_about();
         ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, object("Log", 1), 4), 0);
         ASSERT_NE(AddNewItem(object("Woodsman's axe", 1), 1), 0);
         int wx = 0, wy = 0;
         const SDL_Keycode where = free_ground_beside(wx, wy);
         ASSERT_NE(where, 0);
         for (int s = 0; s < PLR_SKILLS; s++)
             if (strncmp(Plr.skill_name[s], "BUILDING", PLR_SKILLNAME) == 0) Plr.skill_level[s] = 60;
         build({'M', 'B', 'W', '6', (int)where, SDLK_SPACE});
     }},
    {18, "she sows the seed the course gave her on prepared soil", [] {
         on_her_plot();
         set_mapchar(PlayerX, PlayerY, 82);
         // The first of her seeds as her pack lists them.
         InvGet_character(CRE_PLAYER, 0);
         doInvList(0, 0);
         SDL_Keycode letter = 0;
         for (int i = 0; i < INVDATA_MAX && InvData[i].pos && !letter; i++) {
             const unsigned id = ObjToItem(InvData[i].pos).id;
             if (id == OID_GRAIN || id == OID_SEED || id == OID_POD) letter = (SDL_Keycode)NAPPAIN[i];
         }
         ASSERT_NE(letter, 0) << "the course gave her seed";
         keys({SDLK_s, skill_key("AGRICULTURE"), 'P', letter});
     }},
    {19, "she leashes her dog with a rope", [] {
         oxatest::down_to_her_field();
         int dog = -1;
         for (int c = 0; c < CRE_COUNT && dog < 0; c++)
             if (Cre[c].kind != CK_NONE && Cre[c].speciescode == 618 && Cre[c].owner == CRE_PLAYER && cre_datapos(c) >= 0)
                 dog = c;
         ASSERT_GE(dog, 0) << "her dog is on her field";
         const int x = bare_east();
         Data[cre_datapos(dog)].x = (uint16_t)x;
         Data[cre_datapos(dog)].y = (uint16_t)PlayerY;
         const int s = own_into_pack(ObjToItem(object("ROPE", 0)));
         ASSERT_GE(s, 0);
         Play::press(SDLK_KP_6);
         leash(s);
     }},
    {20, "in her village she asks a villager to come along as a helping hand and gives food for the days", [] {
         const int soc = Play::walk_into_her_village();
         ASSERT_GT(soc, 0);
         const int n = oxatest::villager_beside_her(soc);
         ASSERT_GE(n, 0) << "her village has people";
         const int bread = into_pack("BREAD", 40);
         ASSERT_GE(bread, 0);
         // The letter of that slot as her pack lists it.
         InvGet_character(CRE_PLAYER, 0);
         doInvList(0, 0);
         SDL_Keycode bread_key = 0;
         for (int i = 0; i < INVDATA_MAX && InvData[i].pos && !bread_key; i++)
             if (InvData[i].source == INV_FROM_PACK && InvData[i].index == bread) bread_key = (SDL_Keycode)NAPPAIN[i];
         ASSERT_NE(bread_key, 0);
         // "C" and the villager beside her, "H.Ask help/company", and the talk as she answers.
         oxatest::KeyFeeder typing;
         typing.typed_keys({'C', SDLK_RETURN, 'h'});
         typing.key(SDLK_2);        // "I'd like to hire a helping hand. Interested?"
         typing.key(SDLK_1);        // "I will give you what need. Here..."
         typing.key(bread_key);
         typing.key(SDLK_RETURN);   // the whole stack
         for (int i = 0; i < 6; i++) typing.key(SDLK_ESCAPE);
         int r;
         typing.typed([&] { return turn_pass(&r); });
         EXPECT_NE(onko_NPC_kumppani(n), 0) << "the villager joined her";
     }},
    {21, "she sets a snare and goes back up to the world map", [] {
         snare_set_east();
         up();
     }},
    {22, "she comes back to her snare days later", [] {
         snare_set_east();
         up();
         wizard_pass_days(2);
         down();
     }},
    {45, "an animal of the woods comes to the snare she leaves for days at a time", [] {
         snare_set_east();
         // The animals about wander where the young trees let them, and one finds the snare only
         // now and then: she comes back many times.
         for (int visit = 0; visit < 64 && Tehtavan_Vaihe != 1; visit++) {
             // Up to the world map; when an animal about keeps her, she walks off from it first.
             for (int tries = 0; tries < 2 && !bigmap(); tries++) {
                 if (tries) oxatest::step_away_from_creatures();
                 keys({SDLK_RETURN});
                 keys({SDLK_SPACE, SDLK_PERIOD});
             }
             ASSERT_TRUE(bigmap());
             wizard_pass_days(5);
             down();
         }
     }},
    {43, "she skins a hare she killed in Kaumo", [] {
         ASSERT_TRUE(to_land_of([](int c) { return c == 0; })) << "Kaumo lies near her";
         down();
         ASSERT_EQ(get_kulttuuri(PlayerX, PlayerY), 0);
         ASSERT_GE(carcass_beside(600), 0);
         keys({SDLK_s, skill_key("HIDEWORKING"), 'S', SDLK_SPACE});
     }},
    {44, "she trades with a foreign trader", [] {
         down();
         const int c = oxatest::creature_east_of_her(510);   // one of the traders the course brought
         ASSERT_EQ(Cre[c].role, 5) << "a foreign trader";
         Chatting_With = c;
         Trade_Complete();
     }},
    {24, "she builds a shelter in the land of no man", [] {
         ASSERT_TRUE(to_land_of([](int c) { return c == 10 || c == 13; })) << "a land of no man near her";
         down();
         build_a_shelter();
     }},
    {25, "she reads tracks", [] {
         down();
         DataStruct track{};
         track.type = DT_TRACKS;
         track.x = (uint16_t)PlayerX;
         track.y = (uint16_t)PlayerY;
         track.extra = 50;
         track.spent_minutes = Plr.minutes;
         Tutki_Datajaljet(PlayerX, PlayerY, track);
     }},
    {26, "she catches a fish with a rod", [] {
         ASSERT_TRUE(to_a_lake_shore());
         down();
         for (int i = 0; i < 50 && Tehtavan_Vaihe != 1; i++) FishCaught(1, FISH_BY_NET, 10, 1);
     }},
    {29, "her bow skill rises", [] {
         for (int i = 0; i < 400 && Tehtavan_Vaihe != 1; i++) Kayta_Taitoa(0, 0, "BOW", 0);
     }},
    {30, "she learns a spell", [] {
         int n = 1;
         while (taikakeino_tuttu(n, 0)) n++;
         opi_taikakeino(n, 0);
     }},
    {31, "she kills a bear", [] { down(); killed_by_her(605); }},
    {28, "she steps into a cave", [] {
         down();
         const int x = bare_east();
         set_mapchar(x, PlayerY, 96);
         step_east();
         EXPECT_EQ(PlayerX, x);
     }},
    {32, "she kills the last raiders", [] { down(); killed_by_her(500, 11); }},
    {33, "she turns two pits along her fence into trap-pits and goes up", [] {
         down();
         nobody_about();
         // Her fence, fifteen stakes long, north of her, and a pit dug east and south of her.
         for (int dx = -7; dx <= 7; dx++) set_mapchar(PlayerX + dx, PlayerY - 2, 42);
         const int sides[2][3] = {{1, 0, SDLK_KP_6}, {0, 1, SDLK_KP_2}};
         for (const auto &side : sides) {
             const int x = PlayerX + side[0], y = PlayerY + side[1];
             for (DataStruct &d : Data)
                 if (d.type != DT_UNUSED && d.x == x && d.y == y) d.type = DT_UNUSED;
             set_mapchar(x, y, 21);
             ASSERT_NE(AddNewItem(object("Slender tree trunk", 1), 3), 0);
             ASSERT_NE(AddNewItem(object("Branch", 1), 10), 0);
             ASSERT_NE(AddNewItem(object("Spruce twig", 1), 10), 0);
             note_lines_since_pause = 0;
             oxatest::push_key((SDL_Keycode)side[2]);
             oxatest::push_key(SDLK_RETURN);
             oxatest::push_key(SDLK_SPACE);
             INSTANT_TASKS = 1;
             AsetaAnsa(ACTION_TRAP_PIT, 0);
             INSTANT_TASKS = 0;
             SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
             ASSERT_GE(get_datatype(DT_TRAP, x, y), 0) << "a trap-pit " << side[2];
         }
         up();
     }},
    {34, "she sews a fur cap of the fur of a wolf she killed and tanned", [] {
         tan_a_skin(611, "wolf fat");
         ASSERT_FALSE(::testing::Test::HasFatalFailure());
         // "M", "C.Clothes" and the fur cap (after the two clothes of the handcraft files and the five
         // of leather), sewn of the wolf fur.
         build({'M', 'C', '8', oxatest::carried_letter("wolf fur", invmask(IT_ARMOUR, IT_SKIN)), SDLK_SPACE, SDLK_ESCAPE});
     }},
    {35, "she eats with plenty of food in her pack", [] {
         const int s = into_pack("BREAD", 40);
         ASSERT_GE(s, 0);
         eat(s);
     }},
    {27, "from her punt on a river she nets salmon or trout", [] {
         ASSERT_TRUE(down_by_fish_water([](int c) { return terrain_flag(c, TF_FLOWING) != 0; })) << "a river near her";
         row_out();
         // Out into the stream until deep water lies beside her punt.
         for (int i = 0; i < 40 && vesisyvyys(PlayerX + 1, PlayerY) < 4 && avovesi(PlayerX + 1, PlayerY); i++) step_east();
         ASSERT_EQ(Plr.movement_mode, 3) << "she rows";
         ASSERT_GE(into_pack("NET"), 0);
         for (int haul = 0; haul < 12 && Tehtavan_Vaihe != 1; haul++) {
             // The net set into deep water beside the punt, left for a day and pulled.
             static const struct { int dx, dy; SDL_Keycode key; } sides[] = {
                 {1, 0, SDLK_KP_6}, {-1, 0, SDLK_KP_4}, {0, -1, SDLK_KP_8}, {0, 1, SDLK_KP_2}};
             SDL_Keycode toward = 0;
             for (const auto &sd : sides)
                 if (!toward && avovesi(PlayerX + sd.dx, PlayerY + sd.dy) && vesisyvyys(PlayerX + sd.dx, PlayerY + sd.dy) >= 4)
                     toward = sd.key;
             ASSERT_NE(toward, 0) << "deep water beside her punt";
             at_once({SDLK_s, skill_key("FISHING"), SDLK_2, oxatest::carried_letter("Net"), toward, SDLK_SPACE});
             ASSERT_GE(get_datatype(DT_NET, 0, 0), 0) << "her net is set";
             wizard_pass_days(1);
             at_once({SDLK_s, skill_key("FISHING"), SDLK_3, SDLK_SPACE});
         }
     }},
    {36, "she wields a northern knife", [] {
         const int s = into_pack("NORTHERN KNIFE");
         ASSERT_GE(s, 0);
         Wield(s, 0, 1);
     }},
    {37, "she trades a villager for his bag of salt", [] {
         const int c = villager_met();
         ASSERT_GE(c, 0);
         const int salt = object("SALT", 0);
         ASSERT_GT(salt, 0);
         Cre[c].pack[0] = (uint32_t)salt;
         Cre[c].packcount[0] = 1;
         memset(PersTradeInvData, 0, sizeof PersTradeInvData);
         PersTradeInvData[0].slot = 0;
         PersTradeInvData[0].object = (uint32_t)salt;
         PersTradeInvData[0].count = 1;
         Chatting_With = c;
         Trade_Complete();
     }},
    {38, "she closes the last wall of her house around her", [] {
         down();
         nobody_about();
         int floor = -1;
         for (int c = 1; c < 256 && floor < 0; c++)
             if (terrain_flag(c, TF_ROOFED) && terrain_flag(c, TF_OPEN) && !onkoseina(c)) floor = c;
         ASSERT_GE(floor, 0);
         // Her house up but for its eastern wall, its floor begun where she stands.
         for (int dy = -1; dy <= 1; dy++)
             for (int dx = -1; dx <= 1; dx++)
                 if (dx || dy) set_mapchar(PlayerX + dx, PlayerY + dy, 200);
         set_mapchar(PlayerX, PlayerY, floor);
         bare_east();
         ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, object("Log", 1), 4), 0);
         ASSERT_NE(AddNewItem(object("Woodsman's axe", 1), 1), 0);
         for (int s = 0; s < PLR_SKILLS; s++)
             if (strncmp(Plr.skill_name[s], "BUILDING", PLR_SKILLNAME) == 0) Plr.skill_level[s] = 60;
         build({'M', 'B', 'W', '6', SDLK_RIGHT, SDLK_SPACE});
         EXPECT_EQ(get_mapchar(PlayerX + 1, PlayerY), 200);
     }},
    {39, "she throws water on a hot sauna stove", [] {
         down();
         const int x = bare_east();
         set_mapchar(x, PlayerY, 5);
         const int fire = oxatest::pool_put(DT_FIRE, x, PlayerY, 0, 1);
         ASSERT_GE(fire, 0);
         Data[fire].spent_minutes = Plr.minutes - 300;
         Data[fire].ready_minute = Plr.minutes + 300;
         ItemStruct water = ObjToItem(object("WATER", 0));
         water.vessel = (uint32_t)object("SAUNA SCOOP", 0);
         ASSERT_NE(water.vessel, 0u);
         water.weight = 1.0f;
         water.fullweight = 1.0f;
         const int s = own_into_pack(water);
         ASSERT_GE(s, 0);
         scoop(s);
     }},
    {40, "she cuts up a big elk", [] {
         down();
         const int elk = template_of("elk");
         ASSERT_NE(elk, 0);
         ASSERT_GE(carcass_beside(elk, [](const CreatureStruct &c) { return c.weight >= c.speciesweight; }), 0);
         at_once({SDLK_b, SDLK_SPACE});
     }},
    {41, "at night she throws her knife into the open water of a bog", [] {
         const int hx = PlayerX, hy = PlayerY;
         int bx = 0, by = 0;
         for (int d = 1; d <= 80 && !bx; d++)
             for (int wy = hy - d; wy <= hy + d && !bx; wy++)
                 for (int wx = hx - d; wx <= hx + d && !bx; wx++) {
                     if (std::abs(wx - hx) != d && std::abs(wy - hy) != d) continue;
                     if (!terrain_flag(get_alltime_maailmachar(wx, wy), TF_MIRE) || on_kyla(wx, wy, 1)) continue;
                     PlayerX = wx, PlayerY = wy;
                     down();
                     for (int ly = AREA_MIN + 1; ly < AREA_MAX && !bx; ly++)
                         for (int lx = AREA_MIN + 1; lx < AREA_MAX && !bx; lx++)
                             if (kohtaIsoX(lx) == wx && kohtaIsoY(ly) == wy && avovesi(lx, ly))
                                 bx = lx, by = ly;
                     if (!bx) {
                         up();
                         PlayerX = hx, PlayerY = hy;
                     }
                 }
         ASSERT_NE(bx, 0) << "a bog with open water near her";
         nobody_about();
         // She waits for the night, the clock going on an hour at a time.
         for (int i = 0; i < 24 && Plr.hour > 4 && Plr.hour < 21; i++) {
             MinuteTick(60, 2);
             Time();
         }
         ASSERT_TRUE(Plr.hour <= 4 || Plr.hour >= 21) << "night has come";
         const int knife = object("KNIFE", 0);
         ASSERT_GT(knife, 0);
         ASSERT_GE(set_data(DT_ITEM, bx, by, knife, 1), 0);
         esineet_paikkatarkistus(bx, by);
     }},
    {42, "a skill of hers rises", [] {
         for (int i = 0; i < 400 && Tehtavan_Vaihe != 1; i++) Kayta_Taitoa(0, 0, "FISHING", 0);
     }},
    {46, "she picks a ripe bilberry patch", [] {
         on_her_plot();
         const int bilberry = ConstantObj_Nimella("Bilberry", IT_PLANT);
         ASSERT_GT(bilberry, 0);
         ASSERT_GE(set_data(DT_PLANT, PlayerX, PlayerY, bilberry, 2), 0);
         const int patch = get_datatype(DT_PLANT, PlayerX, PlayerY);
         ASSERT_GE(patch, 0);
         Data[patch].flags = PLANT_RIPE;
         keys({SDLK_g});
     }},
    {47, "she rows to a small island", [] {
         // The nearest small island on the world map: of the 5 x 5 cells around it, fewer land than
         // water and fewer than 15 land.
         const int hx = PlayerX, hy = PlayerY;
         int ix = 0, iy = 0;
         for (int d = 1; d <= 150 && !ix; d++)
             for (int wy = hy - d; wy <= hy + d && !ix; wy++)
                 for (int wx = hx - d; wx <= hx + d && !ix; wx++) {
                     if (std::abs(wx - hx) != d && std::abs(wy - hy) != d) continue;
                     if (terrain_flag(get_alltime_maailmachar(wx, wy), TF_WATER)) continue;
                     int land = 0;
                     for (int y = wy - 2; y <= wy + 2; y++)
                         for (int x = wx - 2; x <= wx + 2; x++) land += !terrain_flag(get_alltime_maailmachar(x, y), TF_WATER);
                     if (land < 13) ix = wx, iy = wy;
                 }
         ASSERT_NE(ix, 0) << "a small island near her";
         PlayerX = ix, PlayerY = iy;
         down();
         ASSERT_FALSE(bigmap());
         nobody_about();
         // A bare shore square of the island's own cell.
         bool shore = false;
         for (int ly = AREA_MIN + 1; ly < AREA_MAX && !shore; ly++)
             for (int lx = AREA_MIN + 1; lx < AREA_MAX && !shore; lx++) {
                 if (kohtaIsoX(lx) != ix || kohtaIsoY(ly) != iy || !crestep_free_square(lx, ly)) continue;
                 if (terrain_flag(get_mapchar(lx, ly), TF_BLOCKS | TF_WATER | TF_TREE)) continue;
                 shore = avovesi(lx + 1, ly) || avovesi(lx - 1, ly) || avovesi(lx, ly + 1) || avovesi(lx, ly - 1);
                 if (shore) PlayerX = lx, PlayerY = ly;
             }
         ASSERT_TRUE(shore);
         row_out_and_land();
     }},
    {48, "a month goes by", [] { clock_add_days(31); }},
    {49, "the forest spirit is pleased", [] { set_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST, 1); }},
};

std::string row_name(const ::testing::TestParamInfo<TaskRow> &info) {
    return "Task" + std::to_string(info.param.task);
}

TEST_P(CourseTasks, HerDeedMarksTheTaskDone) {
    const TaskRow &row = GetParam();
    int course = 0, index = -1;
    for (int c = 0; c < 2 && index < 0; c++)
        for (int i = 0; i < COURSE_LENGTH; i++)
            if (course_order[c][i] == row.task) course = c + 1, index = i;
    ASSERT_GE(index, 0);
    ASSERT_EQ(course == 1 ? Tee_Gamecourse_1() : Tee_Gamecourse_2(), 1);
    Plr.course_index = index;       // the tasks before it already done and seen
    keys({SDLK_F5, SDLK_ESCAPE});   // the task screen puts the task before her
    ASSERT_EQ(Plr.task_number, row.task);
    ASSERT_EQ(Tehtavan_Vaihe, 0);
    if (Tehtava_Tapahtuma > 0) keys({SDLK_PERIOD, SDLK_SPACE});   // the task's start event handed out
    row.act();
    EXPECT_EQ(Tehtavan_Vaihe, 1) << row.deed << "\n" << notes();
}

INSTANTIATE_TEST_SUITE_P(EveryTask, CourseTasks, ::testing::ValuesIn(rows), row_name);

}  // namespace

// tests/activities/herblore_play_test.cpp -- played: a plant of a species Aino does not know grows
// beside her; she examines it with "s" HERBLORE, comes to know the species, sees its information box,
// looks again within the hour, and keeps what she learnt through a save and a new load.
#include <cctype>
#include <string>

#include "activities/herblore.h"
#include "core/loader_fixture.h"
#include "core/obj_func.h"
#include "core/tekstit.h"
#include "core/creatures.h"
#include "core/player.h"
#include "items/items.h"
#include "maps/sight.h"
#include "game/turnloop.h"

namespace {

class AinoHerblore : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
        PlayingTest::TearDown();
    }
    static void type(const std::string &keys) {
        oxatest::KeyFeeder typing;
        for (char k : keys) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    static void type_then(const std::string &keys, std::initializer_list<int> more) {
        oxatest::KeyFeeder typing;
        for (char k : keys) typing.key((SDL_Keycode)k, 0);
        for (int k : more) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // HERBLORE on the plant in direction `toward`, then a key for the information box. While she
    // examines, the task watches the keyboard for Esc and takes whatever is typed, and the box clears
    // what waits when it opens: idle ticks fill the time until the box itself waits for its key.
    static void examine_and_close_box(int slot, SDL_Keycode toward) {
        oxatest::KeyFeeder typing;
        for (char k : "s" + skill_keys(slot)) typing.key((SDL_Keycode)k, 0);
        typing.key(toward, 0);
        for (int i = 0; i < 60; i++) typing.idle();
        typing.key(SDLK_SPACE, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    static int minutes_now() { return (int)Plr.daynumber * 1440 + Plr.hour * 60 + Plr.minute; }
};

TEST_F(AinoHerblore, SheExaminesAPlantBesideHerAndComesToKnowIt) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    // Nobody comes by to break off the work.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = DT_FREED;
        }
    int slot = -1;
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (strncmp(Plr.skill_name[s], "HERBLORE", PLR_SKILLNAME) == 0) slot = s;
    ASSERT_GE(slot, 0) << "she knows herb lore";

    // A species she has not identified, and its whole plant as the definitions hold it.
    int row = -1, def = -1;
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        const KasvioStruct &k = HerbloreKasvio[r];
        if (!k.plant.name[0] || k.mark == 1) continue;
        const int d = ConstantObj_Nimella(k.plant.name, IT_PLANT);
        if (d >= 0 && (row < 0 || k.difficulty < HerbloreKasvio[row].difficulty)) row = r, def = d;
    }
    ASSERT_GE(row, 0) << "some species is still unknown to her";
    const int mark = HerbloreKasvio[row].mark;
    ASSERT_EQ(ConstantObj[def].plantname, mark) << "the load marked the definitions";
    // She knows enough herb lore that the worst roll still recognises it.
    const int level = HerbloreKasvio[row].difficulty + 25 > 100 ? 100 : HerbloreKasvio[row].difficulty + 25;
    if (level - 25 < HerbloreKasvio[row].difficulty) HerbloreKasvio[row].difficulty = (uint8_t)(level - 25);
    Plr.skill_level[slot] = (uint8_t)level;

    // The plant grows on a square beside her that she sees, out of her fire.
    static const struct {
        int dx, dy;
        SDL_Keycode key;
    } sides[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, 1, SDLK_DOWN}, {0, -1, SDLK_UP}};
    int px = 0, py = 0;
    SDL_Keycode toward = 0;
    for (const auto &s : sides)
        if (!px && See(PlayerX + s.dx, PlayerY + s.dy) && get_datatype(DT_FIRE, PlayerX + s.dx, PlayerY + s.dy) < 0)
            px = PlayerX + s.dx, py = PlayerY + s.dy, toward = s.key;
    ASSERT_NE(px, 0) << "a square beside her in sight";
    for (int d; (d = get_datatype(DT_PLANT, px, py)) >= 0;) Data[d].type = DT_FREED;   // the field's own crop gives way
    const int object = Luo_Esineen_Itempos(ConstantObj[def]);
    const int rec = set_data(DT_PLANT, px, py, object, 1);
    ASSERT_GE(rec, 0);
    std::string unknown = enimi(object, 1, 0);
    for (char &c : unknown) c = (char)tolower((unsigned char)c);
    std::string species = HerbloreKasvio[row].plant.name;   // as the lists show it, in small letters
    for (char &c : species) c = (char)tolower((unsigned char)c);
    EXPECT_EQ(unknown.find(species), std::string::npos) << "an unidentified plant shows hidden: " << unknown;

    // First she knows too little: the look takes its time and fails; a second look within the same
    // hour stands on the same roll and takes no time.
    const uint8_t difficulty = HerbloreKasvio[row].difficulty;
    HerbloreKasvio[row].difficulty = 95;
    Plr.skill_level[slot] = 20;
    const int first = minutes_now();
    const size_t failed = notes().size();
    type_then("s" + skill_keys(slot), {toward});
    EXPECT_GE(minutes_now() - first, 2) << "examining takes its time";
    EXPECT_NE(notes().substr(failed).find("You can't tell"), std::string::npos) << notes().substr(failed);
    const int hour_then = Plr.hour, level_then = Plr.skill_level[slot], second = minutes_now();
    type_then("s" + skill_keys(slot), {toward});
    if (Plr.hour == hour_then && Plr.skill_level[slot] == level_then) {
        EXPECT_EQ(minutes_now(), second) << "the same roll, no time";
    }
    HerbloreKasvio[row].difficulty = difficulty;
    Plr.skill_level[slot] = (uint8_t)level;

    // "s", HERBLORE, the direction of the plant; the box waits for a key.
    const int before = minutes_now();
    const size_t told = notes().size();
    examine_and_close_box(slot, toward);
    const std::string said = notes().substr(told);
    EXPECT_NE(said.find("Using: HERBLORE"), std::string::npos) << said;
    EXPECT_NE(said.find("You recognise the plant"), std::string::npos) << said;
    EXPECT_GE(minutes_now() - before, 2) << "examining takes its time";
    EXPECT_EQ(HerbloreKasvio[row].mark, 1) << "the species is identified";
    const int now = get_datatype(DT_PLANT, px, py);
    ASSERT_GE(now, 0);
    std::string known = enimi((int)Data[now].id, 1, 0);
    for (char &c : known) c = (char)tolower((unsigned char)c);
    EXPECT_NE(known.find(species), std::string::npos) << "the plant shows by its name: " << known;
    EXPECT_EQ(ConstantObj[def].plantname, 1) << "every plant of the species";
    EXPECT_GE(SanaTaulukko_ENTRY, 3) << "the box was built";

    // Again within the hour: the roll stands and no time passes.
    const int again = minutes_now();
    const int hour = Plr.hour;
    examine_and_close_box(slot, toward);
    if (Plr.hour == hour) {
        EXPECT_EQ(minutes_now(), again) << "the second look took no time";
    }
    EXPECT_NE(notes().substr(told).find("You know"), std::string::npos) << notes().substr(told);

    // Saved and loaded again, the herbarium keeps what she learnt.
    char name[sizeof(ItemStruct::name) + 1];
    memcpy(name, HerbloreKasvio[row].plant.name, sizeof HerbloreKasvio[row].plant.name);
    name[sizeof HerbloreKasvio[row].plant.name] = 0;
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    ItemStruct probe;
    memset(&probe, 0, sizeof probe);
    probe.type = IT_PLANT;
    SET_ITEM_TEXT(probe.name, name);
    const int back = KasvioPos(probe);
    ASSERT_GE(back, 0);
    EXPECT_EQ(HerbloreKasvio[back].mark, 1);
    EXPECT_EQ(ConstantObj[ConstantObj_Nimella(name, IT_PLANT)].plantname, 1);
}

}  // namespace

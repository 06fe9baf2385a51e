// tests/activities/herbeffects_play_test.cpp -- played: Aino, hungry, is warned before she eats a
// woolly milkcap, eats it anyway and rests until her stomach turns against her.
#include "core/loader_fixture.h"

#include <algorithm>

#include "activities/herbeffects.h"
#include "activities/herblore.h"
#include "core/player.h"
#include "creatures/bodyrec.h"
#include "items/plants.h"
#include "items/inventory.h"

namespace {

class AinoMushroom : public oxatest::PlayingTest {
protected:
    // The animals of her field go elsewhere: one coming into sight would break off her rest.
    static void animals_away() {
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = 0;
            }
    }
    static SDL_Keycode food_letter(int slot) {
        int k = 0;
        for (int s = 0; s < slot; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_FOOD) k++;
        return (SDL_Keycode)('a' + k);
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
};

TEST_F(AinoMushroom, SheIsWarnedEatsAPoisonousMushroomAndFallsIllInTheHoursAfter) {
    animals_away();
    const std::string ini = dir->exists("oxa_ini.txt") ? dir->read_file("oxa_ini.txt") : "";
    dir->write_file("oxa_ini.txt", "[EAT_MUSHROOM_CONFIRMATION:YES]\n" + ini);

    // A woolly milkcap, picked and put in her pack: it irritates the gut and brings nausea.
    ItemStruct cap;
    ClrItemstruct(cap);
    cap.type = IT_FOOD;
    cap.id = OID_MUSHROOM;
    SET_ITEM_TEXT(cap.name, "Woolly milkcap");
    SET_ITEM_TEXT(cap.skill, "Woolly milkcap");
    cap.weight = cap.fullweight = 0.2f;
    cap.raw = AsetaYrttivaikutus(0, "gut_irritating nausea");
    ASSERT_EQ(cap.raw, (1u << HERBBIT_GUT) | (1u << HERBBIT_NAUSEA));
    const int slot = Lisaa_Inventoryyn(Esineesta_Uniikki(cap), 1, 0, -1);
    Plr.stomach = 0;
    Plr.body_effects = 0;

    // She is asked; a "no" leaves the mushroom in her pack (and the menu again, closed), a "yes" and
    // she eats it.
    command({SDLK_e, food_letter(slot), SDLK_n, SDLK_ESCAPE});
    EXPECT_TRUE(noted("You know the woolly milkcap is poisonous.")) << notes();
    EXPECT_EQ(Plr.body_effects, 0u);
    Plr.stomach = 240;   // nearly full: the one mushroom fills her and she asks for no more
    command({SDLK_e, food_letter(slot), SDLK_y});
    EXPECT_TRUE(noted("You eat the woolly milkcap.")) << notes();
    EXPECT_EQ(Plr.body_effects & cap.raw, cap.raw);

    // She stands resting, four hours at a time, until she has felt it all. What the rest brings is
    // answered as it comes: "n" goes on past the question about her growing illness, the space bar
    // past the waits of the note box. Each is typed only when the game waits for it: her rest only
    // looks into the queue, and would take and drop a key typed while she rests.
    const char *felt[] = {"You are starting to feel slightly nauseous.", "You feel burning sensation in your stomach.",
                          "You feel very sick and like you are going to throw up...", "Nausea seems to ease and go away!",
                          "Ouch! Sudden pain in your stomach drops you down on your knees."};
    auto all_felt = [&] { return std::all_of(std::begin(felt), std::end(felt), [&](const char *f) { return noted(f); }); };
    for (int rest = 0; rest < 6 && !all_felt(); rest++) {
        oxatest::KeyFeeder typing;
        typing.at_waits().key(SDLK_MINUS);
        for (int k = 0; k < 24; k++) typing.key(SDLK_n).key(SDLK_SPACE);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    for (const char *f : felt) EXPECT_TRUE(noted(f)) << f << "\n" << notes();
    EXPECT_EQ(Plr.body_effects & cap.raw, 0u) << "the pending bits are spent";
    // Her herb lore keeps what she tried and felt: the two felt lines show though she knows little
    // of the plant. (Without a herbarium row for it there is nothing to keep.)
    const int row = KasvioPos(cap);
    if (row >= 0) {
        EXPECT_GE(KASVIDATA_yrttitieto(cap, row), 2);
    }
    EXPECT_LT(Plr.hour, 24);
}

}  // namespace

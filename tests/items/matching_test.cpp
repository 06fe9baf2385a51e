// tests/items/matching_test.cpp -- matching a material list against the ground and the pack, the
// choice of the best tool, cancelling with everything put back, place lines, lengths, containers,
// the removal after the work and the ring of parked lists.
#include "items/craft_fixture.h"

#include "items/containers.h"
#include "core/creatures.h"
#include "creatures/outfit.h"
#include "items/items_test.h"
#include "items/inventory.h"

#include <sys/stat.h>

#include <vector>

namespace oxatest {
namespace {

class Matching : public CraftTest {};

TEST_F(Matching, GroundPiecesGoFirstAndThePackGivesTheRest) {
    const int ground = lay(def("Birch twig"), 2);
    const int slot = carry(def("Birch twig"), 2);
    line("{Birch twig} (3) [remove]");
    push_key(SDLK_SPACE);
    ASSERT_NE(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(dp_varaus(Data[ground]), VARAUS_CRAFT);
    EXPECT_EQ(dp_varattu(Data[ground]), 2);
    EXPECT_EQ(Plr.inv_count[slot], 1);
    EXPECT_EQ(Kayttolista[0].source, TSRC_GROUND);
    EXPECT_EQ(Kayttolista[0].count, 2u);
    EXPECT_EQ(Kayttolista[1].source, TSRC_INV);
    EXPECT_EQ(Kayttolista[1].count, 1u);

    Poista_Kaytetyt_Tarvikkeet();
    EXPECT_EQ(Data[ground].type, DT_FREED);
    EXPECT_EQ(Plr.inv_count[slot], 1);
}

// A stack on the ground reserves at most 255 pieces: the pack gives the rest, and a piece weighed
// from the ground leaves on the ground what the work did not need.
TEST_F(Matching, TheGroundGivesWhatItCanReserveAndAWeighedPieceKeepsItsRest) {
    const int stones = lay(def("Stone"), 300);
    const int slot = carry(def("Stone"), 50);
    line("{Stone} (300) [remove]");
    push_key(SDLK_SPACE);
    ASSERT_NE(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Kayttolista[0].count, 255u);
    EXPECT_EQ(Kayttolista[1].count, 45u);
    EXPECT_EQ(Plr.inv_count[slot], 5);
    Poista_Kaytetyt_Tarvikkeet();
    EXPECT_EQ(Data[stones].count, 45);

    // Blocks lighter than the need: as many are taken as make it up, the last one cut.
    struct { int pieces; float weight, need; } table[] = {{1, 40.0f, 10.0f}, {3, 40.0f, 10.0f}, {2, 8.0f, 10.0f}};
    for (const auto &c : table) {
        memset(Data, 0, sizeof Data);
        Tyhjaa_Tarvikelista();
        ItemStruct block = def("Block of wood");
        block.weight = block.fullweight = c.weight;
        const int at = lay(block, c.pieces);
        char text[60];
        snprintf(text, sizeof text, "{Block of wood} #%.2f# [remove] [ground]", (double)c.need);
        line(text);
        push_key(SDLK_SPACE);
        ASSERT_NE(Kay_Tarvikelista("Test"), 0) << text;
        Poista_Kaytetyt_Tarvikkeet();
        float left = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM) left += ObjToItem((int)d.id).weight * (float)d.count;
        const float want = c.weight * (float)c.pieces - c.need;
        EXPECT_NEAR(left, want, 0.01f) << c.pieces << " of " << c.weight;
        if (c.pieces == 1) EXPECT_EQ(Data[at].type, DT_ITEM) << "the piece cut stays where it lay";
    }
}

TEST_F(Matching, AfterTheWorkAPartlyReservedStackKeepsTheRest) {
    const int partly = lay(def("Birch twig"), 4);
    const int whole = lay(def("Spruce twig"), 4, 0, 1);
    dp_varaus(Data[partly]) = VARAUS_CRAFT, dp_varattu(Data[partly]) = 2;
    dp_varaus(Data[whole]) = VARAUS_CRAFT, dp_varattu(Data[whole]) = 4;
    Poista_Kaytetyt_Tarvikkeet();
    EXPECT_EQ(Data[partly].type, DT_ITEM);
    EXPECT_EQ(Data[partly].count, 2);
    EXPECT_EQ(dp_varaus(Data[partly]), 0);
    EXPECT_EQ(Data[whole].type, DT_FREED);
}

TEST_F(Matching, TheBetterKnifeWinsAndTheGroundWinsATie) {
    const struct { int ground_grade, pack_grade, source; } cases[] = {{3, 4, TSRC_INV}, {4, 4, TSRC_GROUND}};
    for (const auto &c : cases) {
        memset(Data, 0, sizeof Data);
        memset(&Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(&Plr.inv_count, 0, sizeof Plr.inv_count);
        Tyhjaa_Tarvikelista();
        lay(graded("Knife", c.ground_grade), 1);
        carry(graded("Knife", c.pack_grade), 1);
        line("{Knife} <Knife>");
        push_key(SDLK_SPACE);
        ASSERT_NE(Kay_Tarvikelista("Test"), 0);
        EXPECT_EQ(Tarvikelista[0].source, c.source) << c.ground_grade << " " << c.pack_grade;
        Palauta_Kaytetyt_Tarvikkeet();
    }
}

TEST_F(Matching, EscSkipsAnOptionalLineButCancelsARequiredOne) {
    const int slot = carry(def("Birch twig"), 3);
    line("{Birch twig} (1) [remove]");
    line("{Feather} (2) [remove] [optional]");
    line("{Cord} =3= [remove]");
    EXPECT_EQ(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Plr.inv_count[slot], 3);
    EXPECT_STREQ(lastnote, "!Canceled.");

    Tyhjaa_Tarvikelista();
    line("{Birch twig} (1) [remove]");
    line("{Feather} (2) [remove] [optional]");
    push_key(SDLK_SPACE);
    EXPECT_NE(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Plr.inv_count[slot], 2);
}

// While she chooses, an arrow is made into her pack and a stranger is outfitted with a knife.
static int make_arrow_then_cancel(int) {
    ItemStruct arrow = ConstantObj[definition_by_name("Arrow")];
    SET_ITEM_TEXT(arrow.name, "Fresh arrow");
    Lisaa_Inventoryyn(Esineesta_Uniikki(arrow), 1, 0, -1);
    ItemStruct knife = ConstantObj[definition_by_name("Knife")];
    SET_ITEM_TEXT(knife.name, "Stranger's knife");
    addobj_creature(Cre[7], Luo_Esineen_Itempos(knife), 1, 0, 0);
    return -1000;
}

TEST_F(Matching, ACancelGivesBackEveryArrowAndForgetsWhatWasMadeMeanwhile) {
    const int slot = carry(def("Arrow"), 5);
    const int arrows = Plr.inv_obj[slot];
    line("{Arrow} (3) [remove]");
    line("{Cord} =3= [remove]");
    tarvike_valinta = make_arrow_then_cancel;
    EXPECT_EQ(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Plr.inv_obj[slot], arrows);
    EXPECT_EQ(Plr.inv_count[slot], 5);
    for (int s = 0; s < PLR_SLOTS; s++)
        if (s != slot) {
            EXPECT_EQ(Plr.inv_obj[s], 0) << s;
        }
    bool his = false;
    for (int i = 0; i < CRE_PACK; i++)
        if (Cre[7].pack[i] && strcmp(ObjToItem(Cre[7].pack[i]).name, "Stranger's knife") == 0) his = true;
    EXPECT_TRUE(his) << "his pack is none of the restore's";

    // No snapshot: the slots stay, the reservations go.
    const int ground = lay(def("Birch twig"), 2);
    dp_varaus(Data[ground]) = VARAUS_CRAFT;
    dp_varattu(Data[ground]) = 1;
    Plr.inv_count[slot] = 4;
    Palauta_Kaytetyt_Tarvikkeet();
    EXPECT_EQ(Plr.inv_count[slot], 4);
    EXPECT_EQ(dp_varaus(Data[ground]), 0);
}

TEST_F(Matching, ATileLineWantsTheSquareANearbyLineTheNineAround) {
    maailma[mapidx(PlayerX + 1, PlayerY)] = 240;   // a table one step away
    line("{[TILE:Table]}");
    EXPECT_EQ(Kay_Tarvikelista("Test"), 0);
    EXPECT_STREQ(lastnote, "!The setting you are at now doesn't meet the requirements!");
    Tyhjaa_Tarvikelista();
    line("{[NEARBY_TILE:Table]}");
    push_key(SDLK_SPACE);
    EXPECT_NE(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Tarvikelista[0].itempos, 1u);
}

static int first_slot(int) { return 0; }

TEST_F(Matching, ARopeIsCutToTheLengthNeeded) {
    ItemStruct rope = def("Rope");
    set_Item_pituus(20, rope);
    rope.weight = rope.fullweight = 2.0f;
    const int slot = carry(rope, 1);
    line("{Rope} =10= [remove]");
    tarvike_valinta = first_slot;
    push_key(SDLK_SPACE);
    ASSERT_NE(Kay_Tarvikelista("Test"), 0);
    ItemStruct left = ObjToItem(Plr.inv_obj[slot]);
    EXPECT_EQ(get_Item_pituus(left), 10);
    EXPECT_FLOAT_EQ(left.weight, 1.0f);
    EXPECT_FLOAT_EQ(left.fullweight, 1.0f) << "the half left is a whole rope, not a worn one";
    EXPECT_EQ(Kayttolista[0].length, 10u);
}

TEST_F(Matching, MilkIsTakenInItsVessel) {
    ItemStruct milk = def("Salt");
    SET_ITEM_TEXT(milk.name, "Milk");
    milk.id = OID_MILK;
    milk.vessel = (uint32_t)Esineesta_Uniikki(def("Wooden cup"));
    carry(milk, 1);
    line("{Milk} (1) [remove]");
    push_key(SDLK_SPACE);
    EXPECT_NE(Kay_Tarvikelista("Test"), 0);
    EXPECT_EQ(Kayttolista[0].source, TSRC_INV);
}

static int chosen_slot = 0;

// A pot of water taken for a pot line is emptied; a second pot looked at on the way keeps its water. A container line pours out the cup and keeps the empty cup apart in the pack.
TEST_F(Matching, APotTakenIsEmptiedAndAContainerLineKeepsTheEmptyVessel) {
    ItemStruct water = def("Salt");
    SET_ITEM_TEXT(water.name, "Water");
    water.id = OID_WATER;
    water.type = IT_FOOD;
    water.weight = water.fullweight = 2.0f;
    ItemStruct pot = def("Pot");
    water.vessel = (uint32_t)Esineesta_Uniikki(pot);
    const int first = carry(water, 1);
    water.vessel = (uint32_t)Esineesta_Uniikki(pot);
    const int second = carry(water, 1);
    line("{Pot} (1)");
    push_key(SDLK_SPACE);
    ASSERT_NE(Kay_Tarvikelista("Test"), 0);
    ItemStruct taken = ObjToItem((int)Kayttolista[0].itempos);
    EXPECT_EQ(taken.id, def("Pot").id) << "the line holds the pot itself";
    EXPECT_EQ(ObjToItem(Plr.inv_obj[first]).id, def("Pot").id) << "the pot taken was emptied";
    EXPECT_EQ(ObjToItem(Plr.inv_obj[second]).id, (uint32_t)OID_WATER) << "the other pot keeps its water";

    Tyhjaa_Tarvikelista();
    ItemStruct cup = def("Wooden cup");
    water.vessel = (uint32_t)Esineesta_Uniikki(cup);
    const int cupslot = carry(water, 1);
    line("{Wooden cup} (1) [container]");
    chosen_slot = cupslot;
    tarvike_valinta = [](int) { return chosen_slot; };
    push_key(SDLK_SPACE);
    ASSERT_NE(Kay_Tarvikelista("Test"), 0);
    const int k = SailioValmistuvalle();
    ASSERT_EQ(k, 0);
    ItemStruct kept = ObjToItem((int)Kayttolista[0].itempos);
    EXPECT_STREQ(kept.name, "Wooden cup") << "the empty cup, not the water";
    EXPECT_EQ(kept.vessel, 0u);
    int cups = 0, waters = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (!Plr.inv_obj[s]) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (!strcmp(it.name, "Wooden cup")) cups += Plr.inv_count[s];
        if (it.id == OID_WATER) waters += Plr.inv_count[s];
    }
    EXPECT_EQ(cups, 1);
    EXPECT_EQ(waters, 1) << "only the first pot still holds water";
}

// A weighed material is taken by weight: what is left stays in its vessel, and a vessel drunk or used
// to the end comes back empty into the same slot.
TEST_F(Matching, AWeighedMaterialLeavesItsVesselWhenUsedUp) {
    const float full = def("Wooden cup").fullweight;   // the cup filled to the brim
    ASSERT_GT(full, 1.0f);
    struct { float need, taken, left; } table[] = {
        {1.0f, 1.0f, full - 1.0f},
        {full, full, 0.0f},
    };
    for (auto &t : table) {
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        Tyhjaa_Tarvikelista();
        const int water = Sailioi(0, Esineesta_Uniikki(def("Wooden cup")), OID_WATER, 0);
        chosen_slot = Lisaa_Inventoryyn(water, 1, 0, -1);
        tarvike_valinta = [](int) { return chosen_slot; };
        char text[60];
        snprintf(text, sizeof text, "{Water} #%.2f# [remove]", (double)t.need);
        line(text);
        push_key(SDLK_SPACE);
        ASSERT_NE(Kay_Tarvikelista("Test"), 0) << text;
        EXPECT_NEAR(Kayttolista[0].amount, t.taken, 1e-4) << text;
        const ItemStruct in_slot = ObjToItem(Plr.inv_obj[chosen_slot]);
        if (t.left > 0) {
            EXPECT_EQ(in_slot.id, (uint32_t)OID_WATER) << text;
            EXPECT_NEAR(in_slot.weight, t.left, 1e-4) << text;
        } else {
            EXPECT_STREQ(in_slot.name, "Wooden cup") << text;
            EXPECT_EQ(in_slot.vessel, 0u) << text;
        }
    }
}

// The things the item screen chooses, in turn, wherever they lie in the pack; then she leaves it.
static std::vector<int> choices;
static int next_choice(int) {
    if (choices.empty()) return -1000;
    const int pos = choices.front();
    choices.erase(choices.begin());
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == pos) return s;
    return -1000;
}

// A piece shorter or lighter than its line meets only part of it: the rest is asked for, and leaving
// the screen then cancels the check with everything given back. From the ground a length line takes
// as many pieces as the length needs and the last one's rest stays lying.
TEST_F(Matching, AShortOrLightPieceMeetsOnlyPartOfItsLine) {
    struct Row {
        const char *line;
        std::vector<float> pack, ground;   // feet of cords, or pounds of blocks; a ground stack is one record
        bool met;
        std::vector<float> used;           // feet or pounds of each used line
        float left;                        // what the pack or the ground holds afterwards, in all
    } rows[] = {
        {"{Cord} =40= [remove]", {4}, {}, false, {}, 4},
        {"{Cord} =40= [remove]", {30, 20}, {}, true, {30, 10}, 10},
        {"{Block of wood} #7.00# [remove]", {2}, {}, false, {}, 2},
        {"{Block of wood} #7.00# [remove]", {2, 6}, {}, true, {2, 5}, 1},
        {"{Cord} =10= [remove] [ground]", {}, {4, 4, 4}, true, {10}, 2},
        {"{Cord} =10= [remove] [ground]", {}, {20}, true, {10}, 10},
        {"{Cord} =10= [remove] [ground]", {}, {4, 4}, false, {}, 8},
    };
    tarvike_valinta = next_choice;
    for (const Row &r : rows) {
        SCOPED_TRACE(r.line);
        memset(Data, 0, sizeof Data);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        Tyhjaa_Tarvikelista();
        const bool cords = strstr(r.line, "Cord") != nullptr;
        auto piece = [&](float v) {
            ItemStruct it = def(cords ? "Cord" : "Block of wood");
            if (cords) {
                set_Item_pituus((int)v, it);
                set_Item_maxpituus((int)v, it);
                it.weight = it.fullweight = 0.1f * v;
            } else {
                it.weight = it.fullweight = v;
            }
            return it;
        };
        choices.clear();
        for (float v : r.pack) choices.push_back(Plr.inv_obj[carry(piece(v), 1)]);
        if (!r.ground.empty()) lay(piece(r.ground[0]), (int)r.ground.size());
        line(r.line);
        push_key(SDLK_SPACE);
        EXPECT_EQ(Kay_Tarvikelista("Test") != 0, r.met) << lastnote;
        size_t n = 0;
        for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id && r.met; i++, n++) {
            ASSERT_LT(n, r.used.size());
            const float got = cords ? (float)Kayttolista[i].length : Kayttolista[i].amount;
            EXPECT_NEAR(got, r.used[n], 0.01f) << "used line " << i;
        }
        if (r.met) {
            EXPECT_EQ(n, r.used.size());
            Poista_Kaytetyt_Tarvikkeet();
        }
        float left = 0;
        auto measure = [&](int pos, int count) {
            const ItemStruct it = ObjToItem(pos);
            left += (cords ? (float)get_Item_pituus(it) : it.weight) * (float)count;
        };
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s]) measure(Plr.inv_obj[s], Plr.inv_count[s]);
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM) measure((int)d.id, d.count);
        EXPECT_NEAR(left, r.left, 0.01f);
    }
}

TEST_F(Matching, NothingToUseFailsTheCheck) {
    tarvike_valinta = [](int) { return -3000; };
    line("{Cord} =3= [remove]");
    EXPECT_EQ(Kay_Tarvikelista("Test"), 0);
    EXPECT_STREQ(lastnote, "!You have nothing to use as cord.");
}

}  // namespace
}  // namespace oxatest

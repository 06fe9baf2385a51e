// tests/activities/tools_play_test.cpp -- the ready-made character leads her dog: down on her field she
// takes the rope laid beside her, puts it on the dog with the apply key, walks to the trees with the
// dog at her side, ties it to a tree and, picking the rope up again, leads it on.
#include "core/loader_fixture.h"
#include "creatures/cremove.h"
#include "maps/sight.h"
#include "../items/row_letters.h"

#include <queue>

#include "core/datafunc.h"
#include "core/player.h"
#include "creatures/crestep.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/vessels.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/worldsearch.h"

namespace {

// The keypad keys of the eight directions, by dx + 1 and dy + 1.
const SDL_Keycode KEYPAD[3][3] = {{SDLK_KP_7, SDLK_KP_4, SDLK_KP_1},
                                  {SDLK_KP_8, SDLK_KP_5, SDLK_KP_2},
                                  {SDLK_KP_9, SDLK_KP_6, SDLK_KP_3}};
SDL_Keycode toward(int dx, int dy) { return KEYPAD[dx + 1][dy + 1]; }

class AinoLeash : public oxatest::PlayingTest {
protected:
    // Keys typed through the turn loop; a capital letter is typed as its text, as Shift gives it.
    static void command(std::initializer_list<int> ks) {
        oxatest::KeyFeeder typing;
        for (int k : ks) {
            if (k >= 'A' && k <= 'Z') {
                const char t[2] = {(char)k, 0};
                typing.text(t);
            } else {
                typing.key((SDL_Keycode)k);
            }
        }
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // A step by the compass (Ctrl with a direction key), whichever way she faces.
    static void walk(SDL_Keycode key) {
        oxatest::KeyFeeder typing;
        typing.key(key, KMOD_CTRL);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    static void walk(int dx, int dy) { walk(toward(dx, dy)); }
    // The world answers her last turn only when she next acts: an idle tick through the turn loop lets
    // it, and takes no time itself, so that her next command finds the animals where they stand now.
    static void world_answers() {
        oxatest::KeyFeeder typing;
        typing.idle();
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    static int slot(const DataStruct &d) { return d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT ? (int)d.id - CRE_DATAID : -1; }
    // Her dog on this map, and every other animal sent away: one coming into sight would break off
    // what she does. -1 when she has no dog here.
    static int her_dog_alone() {
        int dog = -1;
        for (DataStruct &d : Data) {
            const int c = d.type == DT_CREATURE ? slot(d) : -1;
            if (c < 0 || Cre[c].kind == CK_HUMAN) continue;
            if (dog < 0 && Cre[c].speciescode == 618 && Cre[c].owner == CRE_PLAYER) {
                dog = c;
                continue;
            }
            Cre[c].kind = CK_NONE;
            d.type = 0;
        }
        return dog;
    }
    static bool where(int c, int &x, int &y) {
        const int pos = crestep_pos(c);
        if (pos < 0) return false;
        x = Data[pos].x;
        y = Data[pos].y;
        return true;
    }
    static int from_her(int c) {
        int x, y;
        return where(c, x, y) ? koordinaattien_vali(x, y, PlayerX, PlayerY) : 1000;
    }
    // Beside her and where she looks: she sees what lies ahead of her, not what is behind her back.
    static bool beside_in_sight(int c) {
        int x, y;
        return where(c, x, y) && koordinaattien_vali(x, y, PlayerX, PlayerY) == 1 && See(x, y);
    }
    static bool walkable(int x, int y) {
        const int ch = get_mapchar(x, y);
        return TyhjaRuutu(ch) && !terrain_flag(ch, TF_WATER | TF_TREE) && cre_xy(x, y) < 0;
    }
    // The keypad key of the first step of the shortest walk to a square beside a tree, and that tree; false when no tree
    // is within reach.
    static bool step_toward_a_tree(SDL_Keycode &key, int &tx, int &ty) {
        enum { R = 30, W = 2 * R + 1 };
        static int from[W * W];
        std::fill(from, from + W * W, -1);
        std::queue<int> q;
        const int start = R * W + R;
        from[start] = start;
        q.push(start);
        while (!q.empty()) {
            const int at = q.front();
            q.pop();
            const int x = PlayerX + at % W - R, y = PlayerY + at / W - R;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    if ((dx || dy) && terrain_flag(get_mapchar(x + dx, y + dy), TF_TREE)) {
                        if (at == start) return false;   // beside one already
                        int step = at;
                        while (from[step] != start) step = from[step];
                        key = toward(step % W - R, step / W - R);
                        tx = x + dx, ty = y + dy;
                        return true;
                    }
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int nx = at % W + dx, ny = at / W + dy;
                    if (nx < 0 || ny < 0 || nx >= W || ny >= W || from[ny * W + nx] >= 0) continue;
                    if (!walkable(PlayerX + nx - R, PlayerY + ny - R)) continue;
                    from[ny * W + nx] = at;
                    q.push(ny * W + nx);
                }
        }
        return false;
    }
    // The tree beside her, or false.
    static bool tree_beside(int &tx, int &ty) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if ((dx || dy) && terrain_flag(get_mapchar(PlayerX + dx, PlayerY + dy), TF_TREE)) {
                    tx = PlayerX + dx, ty = PlayerY + dy;
                    return true;
                }
        return false;
    }
    // The rope in her pack, or null.
    static const ItemStruct *rope_carried() {
        for (int s = 0; s < PLR_SLOTS; s++) {
            const int pos = Plr.inv_obj[s];
            if (pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST && oxatest::item_name_of(pos) == "Rope")
                return &PlayerObj[pos - OBJ_PLAYER_FIRST];
        }
        return nullptr;
    }
};

TEST_F(AinoLeash, SheLeadsHerDogTiesItToATreeAndPicksTheRopeUpAgain) {
    // Her dog came up with her onto the world map and comes down with her again.
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap()) << notes();
    const int dog = her_dog_alone();
    ASSERT_GE(dog, 0) << "her dog came down with her";
    ASSERT_NE(Cre[dog].socialid, 0u);

    // The rope lies two steps east and one south of her, with her fishing gear.
    const int x = PlayerX, y = PlayerY;
    walk(1, 0);
    walk(1, 0);
    ASSERT_EQ(PlayerX, x + 2) << notes();
    command({'G', SDLK_DOWN, oxatest::ground_letter(x + 2, y + 1, "Rope"), SDLK_SPACE});
    ASSERT_NE(rope_carried(), nullptr) << notes();

    // The dog keeps near her, or comes back from the food it went after, maybe more than once: a hungry
    // dog goes after food far off and turns back when its errand runs out; she puts the rope on it from
    // where she stands.
    srand(20261208);   // the dog's wanderings do not hang on what the day drew before
    world_answers();
    for (int turn = 0; turn < 1000 && !beside_in_sight(dog); turn++) {
        command({SDLK_PERIOD});
        world_answers();
    }
    int dx, dy;
    ASSERT_TRUE(where(dog, dx, dy));
    ASSERT_EQ(koordinaattien_vali(dx, dy, PlayerX, PlayerY), 1) << "her dog came to her side";
    // The dog holds still while she reaches for it: how many idle ticks a loaded machine gives the
    // world between her last wait and the rope is not what this test is about.
    WIZARD_npcfreeze = 1;
    command({SDLK_a, oxatest::carried_letter("Rope", invmask(IT_TOOL, IT_CONTAINER)), toward(dx - PlayerX, dy - PlayerY)});
    WIZARD_npcfreeze = 0;
    EXPECT_TRUE(noted("You put the leash on")) << notes();
    ASSERT_TRUE(onko_NPC_lieassa(dog));
    ASSERT_EQ(leash_sotu(*rope_carried()), Cre[dog].socialid);
    EXPECT_EQ(Cre[dog].followpace, 20);
    EXPECT_EQ(Cre[dog].followgap, 2);

    // She walks to the trees; the dog on the leash keeps at her heels. A leashed dog a step past the
    // leash's reach is pulled behind her when it moves next: it may lag one step, never two.
    int tx = 0, ty = 0;
    int steps = 0, lagging = 0;
    for (SDL_Keycode key; !tree_beside(tx, ty) && steps < 40; steps++) {
        ASSERT_TRUE(step_toward_a_tree(key, tx, ty)) << "a tree within reach";
        walk(key);
        const int gap = from_her(dog);
        EXPECT_LE(gap, 3) << "step " << steps;
        lagging = gap > 2 ? lagging + 1 : 0;
        EXPECT_LE(lagging, 1) << "step " << steps;
    }
    ASSERT_TRUE(tree_beside(tx, ty));
    EXPECT_GE(steps, 1);

    // "a" on the rope that leads the dog offers to tie it; she ties it to the tree beside her.
    const SDL_Keycode letter = oxatest::carried_letter("Rope", invmask(IT_TOOL, IT_CONTAINER));
    int ax, ay;
    if (terrain_flag(getaheadxy(CRE_PLAYER, &ax, &ay), TF_TREE)) {
        tx = ax, ty = ay;
        command({SDLK_a, letter, 'T'});   // the tree she faces
    } else {
        command({SDLK_a, letter, 'T', toward(tx - PlayerX, ty - PlayerY)});
    }
    EXPECT_TRUE(noted("You tie the dog to the")) << notes();
    ASSERT_TRUE(is_tied(dog));
    EXPECT_FALSE(onko_NPC_lieassa(dog));
    EXPECT_EQ(rope_carried(), nullptr) << "the rope stays on the tree";
    const int on_tree = get_datatype(DT_ITEM, tx, ty);
    ASSERT_GE(on_tree, 0);
    EXPECT_EQ(oxatest::item_name_of((int)Data[on_tree].id), "Rope");
    int kx, ky;
    ASSERT_TRUE(where(dog, kx, ky));   // where it was tied, a step or two behind her

    // She walks a few steps away from the tree and back; tied, the dog stays by it.
    const int px = PlayerX, py = PlayerY;
    int ox = px - tx, oy = py - ty;
    // The dog at her heels may stand straight away from the tree: any free step farther from it will do.
    for (int k = 0; k < 9 && !walkable(PlayerX + ox, PlayerY + oy); k++) {
        const int sx = k % 3 - 1, sy = k / 3 - 1;
        if (koordinaattien_vali(px + sx, py + sy, tx, ty) > koordinaattien_vali(px, py, tx, ty)) ox = sx, oy = sy;
    }
    int away = 0;
    while (away < 5 && walkable(PlayerX + ox, PlayerY + oy)) {
        walk(ox, oy);
        away++;
    }
    ASSERT_GE(away, 1) << "no room to step away from the tree";
    for (int turn = 0; turn < 3; turn++) command({SDLK_PERIOD});
    ASSERT_TRUE(where(dog, dx, dy));
    // Tied where it stood, it comes no farther from the tree than that, and a step from it at most.
    const int reach = std::max(1, koordinaattien_vali(kx, ky, tx, ty));
    EXPECT_LE(koordinaattien_vali(dx, dy, tx, ty), reach) << "tied, it stays by the tree";
    if (koordinaattien_vali(PlayerX, PlayerY, tx, ty) > reach + 2) {
        EXPECT_GT(koordinaattien_vali(dx, dy, PlayerX, PlayerY), 2) << "not following her";
    }
    // Back the way she came; the dog by the tree may stand on her way, or a step may not take, for a turn.
    for (int k = 0; k < away + 30 && (PlayerX != px || PlayerY != py); k++) {
        if (walkable(PlayerX - ox, PlayerY - oy)) walk(-ox, -oy);
        else command({SDLK_PERIOD});
    }
    ASSERT_EQ(PlayerX, px);
    ASSERT_EQ(PlayerY, py);

    // Picking the rope up from the tree unties the dog: it is led on the leash again.
    command({'G', toward(tx - PlayerX, ty - PlayerY), oxatest::ground_letter(tx, ty, "Rope"), SDLK_SPACE});
    ASSERT_NE(rope_carried(), nullptr) << notes();
    EXPECT_TRUE(noted("You untie the dog and lead it on the leash again.")) << notes();
    EXPECT_FALSE(is_tied(dog));
    EXPECT_TRUE(onko_NPC_lieassa(dog));
    EXPECT_EQ(Cre[dog].followpace, 20);
    EXPECT_EQ(Cre[dog].followgap, 2);
    EXPECT_EQ(leash_sotu(*rope_carried()), Cre[dog].socialid);
}

}  // namespace

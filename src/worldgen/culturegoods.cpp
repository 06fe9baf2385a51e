// src/worldgen/culturegoods.cpp -- the everyday treasure of a culture, drawn from the goods its people
// make (creatures/culturegoods) and its tables (items/culturegoods).
#include "worldgen/culturegoods.h"

#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items_test.h"

// ---- the everyday treasure --------------------------------------------------------------------

static void treasure_thing(DataPoolStruct &pool, int obj, int count) {
    if (obj <= 0 || count <= 0) return;
    DataStruct rec{};
    rec.type = 0;
    rec.id = (uint32_t)obj;
    rec.count = (uint16_t)count;
    DataPool_add(pool, rec);
}

static int between(int lo, int hi) { return lo + random(hi - lo + 1); }

int KULTTUURIAARRE_arkinen(DataPoolStruct &pool, int c) {
    DataPool_reset(pool);
    const int k = Kulttuuripiiri(c);
    for (int n = between(5, 7); n > 0; n--) {
        const int r = random(10);
        // A count (or a grade) is drawn before the thing it goes with.
        auto some = [&](int lo, int hi, auto make) {
            const int count = between(lo, hi);
            treasure_thing(pool, make(), count);
        };
        auto graded = [&](int lo, int hi, auto make) {
            const int grade = between(lo, hi);
            treasure_thing(pool, goods_of_grade(make(), grade), 1);
        };
        if (k == 2 && r <= 1) some(1, 2, [] { return Luo_Jauhosakki(); });
        else if (k == 2 && r <= 3) some(1, 2, [] { return Luo_Viljasakki(); });
        else if (k == 2 && r <= 5) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 5), 1);
        else if (k == 2 && r <= 7) some(1, 2, [c] { return goods_of_grade(KULTTUURIESINE_Era_ase(c, 1), 5); });
        else if (k == 1 && r <= 1) some(1, 2, [c] { return KULTTUURIESINE_Housut(c, 0); });
        else if (k == 1 && r <= 3) some(1, 2, [c] { return KULTTUURIESINE_Paita(c, 0); });
        else if (k == 1 && r <= 5) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 0), 1);
        else if (k == 3 && r <= 1) graded(4, 5, [] { return object("fur", 0); });
        else if (k == 3 && r <= 3) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 0), 1);
        else if (k == 3 && r <= 5) treasure_thing(pool, goods_of_grade(KULTTUURIESINE_Arkipuukko(c), 5), 1);
        else if (k == 3 && r == 6) graded(4, 5, [c] { return KULTTUURIESINE_Eratyokalu(c); });
        else if (k == 3 && r <= 8) some(5, 9, [c] { return goods_of_grade(KULTTUURIESINE_Nuoli(c), 5); });
        else some(2, 4, [c] { return KULTTUURIESINE_Turkis(c, 5); });
    }
    for (int n = random(3); n > 0; n--) treasure_thing(pool, KULTTUURIESINE_Aarrekoru(c), 1);
    return (int)pool.count;
}

// Tool fitness and the quality list: the tools of a matched list set how handy the work is and cap
// the products' grade, the materials cap it too, and the quality list counts each product by grade.
#include "items/quality.h"

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "items/items_int.h"
#include "items/materials.h"
#include "core/notes.h"
#include "core/tekstit.h"

#include <cmath>
#include <cstring>

uint8_t GLOB_TK_kelpoisuus = 100;
uint8_t GLOB_TK_laaturaja = 5;
uint8_t GLOB_MAT_laaturaja = 5;
const char *const katevyys[6] = {"", "a very unhandy", "an awkward", "a tolerable", "a satisfactory", "the right"};

static bool skill_has(const ItemStruct &it, const char *word) {
    char s[28];
    memcpy(s, it.skill, sizeof it.skill);
    s[27] = 0;
    return strstr(StrUpr(s), word) != nullptr;
}

static int by_item(const ItemStruct &it, const int (*table)[2], int n, int other) {
    for (int i = 0; i < n; i++)
        if (it.id == (uint32_t)table[i][0]) return table[i][1];
    return other;
}

int Tyokalun_Hyvyys(int purpose, const ItemStruct &it) {
    if (purpose == 0 || it.id == (uint32_t)purpose || purpose == 54) return 100;
    const bool rock = (it.material & MAT_ROCK) != 0;
    switch (purpose) {
    case 320:
        if (skill_has(it, "AXE")) return rock ? 70 : 100;
        if (skill_has(it, "SPEAR")) return 80;
        if (skill_has(it, "SWORD")) return 65;
        if (skill_has(it, "DAGGER") || skill_has(it, "KNIFE")) return rock ? 40 : 50;
        return it.id == OID_STONE ? 20 : 10;
    case 51:
        if (rock) return 25;
        if (OnkoEsineId(it, 51)) return 100;
        if (skill_has(it, "SWORD")) return 80;
        if (skill_has(it, "AXE")) return 70;
        return 60;
    case 141: return 30;
    case 100: { static const int t[][2] = {{101, 70}, {102, 40}, {103, 20}, {104, 35}, {105, 60}}; return by_item(it, t, 5, 50); }
    case 101: { static const int t[][2] = {{100, 60}, {102, 40}, {103, 30}, {104, 55}, {105, 70}}; return by_item(it, t, 5, 50); }
    case 102: { static const int t[][2] = {{100, 50}, {101, 40}, {103, 35}, {104, 65}, {105, 80}}; return by_item(it, t, 5, 30); }
    case 104: { static const int t[][2] = {{100, 80}, {101, 70}, {102, 90}, {103, 5}}; return by_item(it, t, 4, 50); }
    case 50: case 105: {
        static const int t[][2] = {{100, 40}, {101, 70}, {102, 60}, {103, 20}, {104, 45}, {105, 100}};
        return by_item(it, t, 6, 10);
    }
    case OID_SHOVEL: return it.id == OID_SHOVEL_TOOL ? 100 : 30;
    case 140: return 50;
    case 150: return rock ? 40 : 60;
    case 151: {
        if (rock) return 40;
        static const int t[][2] = {{150, 70}, {152, 85}, {153, 90}, {154, 80}, {155, 60}};
        return by_item(it, t, 5, 75);
    }
    default: return 50;
    }
}

int TK_listakatevyys(int line) {
    if (line < 0 || line >= TARVIKE_MAX) return 100;
    const Tarvike_Struct &t = Tarvikelista[line];
    if (!t.linked) return 100;
    if (t.itempos <= 1) return 40;
    return Tyokalun_Hyvyys((int)t.linked, ObjToItem((int)t.itempos));
}

// The last ten tool notes of this list; a note given already is not repeated.
static char told[10][300];
static int told_next;

static void tool_note(int line, int cls, int grade, bool again) {
    ItemStruct it = ObjToItem((int)Tarvikelista[line].itempos);
    char name[41];
    item_name(it, name);
    char text[300];
    int n;
    if (cls == 0) n = bprintf(text, sizeof text, "The %s is used", StrLwr(name));
    else if (again) n = bprintf(text, sizeof text, "For one step that %s is %s tool", StrLwr(name), katevyys[cls]);
    else n = bprintf(text, sizeof text, "The %s is %s tool here", StrLwr(name), katevyys[cls]);
    const char *word = elaatu(&it, grade);
    if (cls == 0 && grade <= 2) bprintf(text + n, sizeof text - n, " and, what is worse, of %s quality.", word);
    else if (cls == 0 && grade >= 4) bprintf(text + n, sizeof text - n, " even though its %s quality counts.", word);
    else if (cls != 0 && grade <= 2) bprintf(text + n, sizeof text - n, " but suffers from %s quality.", word);
    else if (cls != 0 && grade >= 4) bprintf(text + n, sizeof text - n, " and its %s quality certainly helps.", word);
    else bprintf(text + n, sizeof text - n, ".");
    for (const char *t : told)
        if (strcmp(t, text) == 0) return;
    copy_bounded(told[told_next], sizeof told[0], text);
    told_next = (told_next + 1) % 10;
    Note(text);
}

int Tarvikelista_Tyokalukelpoisuus(int mode) {
    GLOB_TK_kelpoisuus = 100;
    GLOB_TK_laaturaja = 5;
    if (mode != -1) return 100;
    memset(told, 0, sizeof told);
    told_next = 0;
    int hsum = 0, gsum = 0, n = 0;
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++) {
        const Tarvike_Struct &t = Tarvikelista[i];
        if (t.itempos <= 1 || t.remove) continue;
        int h = TK_listakatevyys(i);
        int c = h == 0 ? 0 : (h + 19) / 20;
        if (h != 0 && c < 1) c = 1;
        if (c > 5) c = 5;
        int g = TK_listalaatu(i);
        if (c == 0 && g == 0) continue;
        if (g == 0) g = 3;
        bool again = false;
        for (int k = 0; k < i; k++)
            if (Tarvikelista[k].itempos == t.itempos && !Tarvikelista[k].remove) again = true;
        if (!(c == 5 && g >= 3)) tool_note(i, c, g, again);
        if (c == 0) c = 5, h = 100;
        static const int hmod[6] = {0, -20, -10, 0, 10, 20};
        h += hmod[g];
        if (hmod[g] < 0 && h < 5) h = 5;
        static const int gmod[6] = {0, -2, -1, 0, 1, 2};
        g += gmod[c];
        g = g < 1 ? 1 : g > 5 ? 5 : g;
        hsum += h, gsum += g, n++;
    }
    if (n) {
        int h = (hsum + n - 1) / n, g = (gsum + n - 1) / n;
        GLOB_TK_kelpoisuus = (uint8_t)(h > 255 ? 255 : h);
        GLOB_TK_laaturaja = (uint8_t)g;
    }
    return GLOB_TK_kelpoisuus;
}

int Tarvikelista_Matlaatu() {
    GLOB_MAT_laaturaja = 5;
    const Tarvike_Struct &first = Kayttolista[0];
    if (first.id == 0 || first.itempos <= 1 || first.noquality) return 0;
    float wsum = 0, wgrade = 0;
    int pcount = 0, pgrade = 0;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (t.id == OID_WATER) continue;
        if (t.itempos <= 1 || t.noquality) break;
        ItemStruct it = ObjToItem((int)t.itempos);
        int g = ItemGet_laatu(&it);
        float amount = t.amount > 0 ? t.amount : (float)t.length;
        if (amount > 0) wsum += amount, wgrade += (float)g * amount;
        else if (t.count) pcount++, pgrade += g;
    }
    int w = wsum > 0 ? (int)ceilf(wgrade / wsum - 1e-4f) : 0, p = pcount ? (pgrade + pcount - 1) / pcount : 0;
    if (wsum > 0 && w < 1) w = 1;
    if (pcount && p < 1) p = 1;
    if (wsum > 0 && pcount) GLOB_MAT_laaturaja = (uint8_t)((w + p) / 2 < 1 ? 1 : (w + p) / 2);
    else if (wsum > 0) GLOB_MAT_laaturaja = (uint8_t)w;
    else if (pcount) GLOB_MAT_laaturaja = (uint8_t)p;
    if (GLOB_MAT_laaturaja > 5) GLOB_MAT_laaturaja = 5;
    return 0;
}

void qualist_init(QualityListStruct &q, int flag) {
    memset(&q, 0, sizeof q);
    ClrItemstruct(q.earlier);
    ClrItemstruct(q.product);
    q.tool_limit = q.mat_limit = 5;
    if (flag) q.tool_limit = GLOB_TK_laaturaja, q.mat_limit = GLOB_MAT_laaturaja;
}

void qualist_inititem(QualityListStruct &q, const ItemStruct &product) { q.product = product; }

void qualist_initstagegap(QualityListStruct &q, int gap, const ItemStruct &earlier) {
    q.stage_gap = (uint8_t)(gap < 0 ? 0 : gap > 5 ? 5 : gap);
    q.earlier = earlier;
}

void qualist_add(QualityListStruct &q, int grade) {
    if (q.noquality) {
        q.count[3]++;
        return;
    }
    if (q.tool_limit && grade > q.tool_limit) {
        grade = q.tool_limit;
        q.by_tool = 1;
        if (q.mat_limit && q.mat_limit < q.tool_limit) {
            grade = q.mat_limit;
            q.by_mat = 1;
            q.by_tool = 0;
        } else if (q.mat_limit == q.tool_limit) {
            q.by_mat = 1;
        }
    } else if (q.mat_limit && grade > q.mat_limit) {
        grade = q.mat_limit;
        q.by_mat = 1;
        q.by_tool = 0;
    }
    if (q.stage_gap) {
        int e = ItemGet_laatu(&q.earlier);
        if (grade <= e - q.stage_gap) {
            int g = (e + grade) / 2;
            grade = g < 1 ? 1 : g;
            if (grade < e) q.lowered = 1;
        } else {
            grade = e;
        }
    }
    grade = grade < 1 ? 1 : grade > 5 ? 5 : grade;
    q.count[grade]++;
}

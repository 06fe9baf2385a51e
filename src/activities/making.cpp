// Making things: a recipe read, its materials checked and taken, the skill rolled once per product,
// each grade capped by the tools and materials, the work time spent, and the products handed over.
#include "activities/making.h"

#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "maps/squareevents.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "creatures/condition.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "creatures/describe.h"
#include "creatures/predicates.h"
#include "items/items_int.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/ownership.h"
#include "items/recipes.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"
#include "items/inventory.h"

#include <cstring>


static bool skill_has(const ItemStruct &it, const char *word) {
    char s[28];
    memcpy(s, it.skill, sizeof it.skill);
    s[27] = 0;
    return strstr(s, word) != nullptr;
}

// ---- clothes --------------------------------------------------------------------------------------

static bool ka_vaate_used;

void ka_vaate(ItemStruct &clothing, int keep, int weight) {
    float total = 0;
    char word[28] = "";
    float prot[6] = {0, 0, 0, 0, 0, 0};
    int materials = 0;
    ka_vaate_used = false;
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if ((t.id != OID_FUR && t.id != OID_LEATHER) || t.itempos <= 1) continue;
        ItemStruct m = ObjToItem((int)t.itempos);
        float w = (float)(t.count ? t.count : 1) * (t.amount > 0 ? t.amount : m.weight);
        char mw[28];
        memcpy(mw, m.skill, sizeof m.skill);
        mw[27] = 0;
        if (!word[0]) copy_bounded(word, sizeof word, mw);
        else if (strcmp(word, mw) != 0) {
            if (w >= 1.6f * total) copy_bounded(word, sizeof word, mw);
            else if (w >= total / 5.0f) copy_bounded(word, sizeof word, "mixed");
        }
        total += w;
        for (int k = 0; k < 6; k++) prot[k] += m.fig[k];
        materials++;
    }
    if (!materials) return;
    ka_vaate_used = true;
    if (strcmp(word, "tuntematon") == 0) copy_bounded(word, sizeof word, "mixed");
    if (keep) {
        for (int k = 0; k < 6; k++) prot[k] += clothing.fig[k];
        materials++;
    }
    for (int k = 0; k < 6; k++) {
        float v = prot[k] / (float)materials;
        int r = (int)v + (v > (float)(int)v ? 1 : 0);
        clothing.fig[k] = (uint8_t)(r > 255 ? 255 : r);
    }
    SET_ITEM_TEXT(clothing.skill, word);
    if (!weight) clothing.weight = clothing.fullweight = total;
}

// The product named after its material, both weights a fifth of the material's.
static void name_clothing(ItemStruct &it) {
    if (!ka_vaate_used) return;
    char word[28];
    memcpy(word, it.skill, sizeof it.skill);
    word[27] = 0;
    if (word[0] && strcmp(word, "mixed") != 0 && strcmp(word, "tuntematon") != 0) {
        char own[41], named[41];
        bprintf(named, sizeof named, "%s %s", word, item_name(it, own));
        SET_ITEM_TEXT(it.name, named);
    }
    it.weight /= 5.0f;
    it.fullweight /= 5.0f;
}

// ---- the result -----------------------------------------------------------------------------------

char *QUALITYLIST_msg(int item, const QualityListStruct &q) {
    char *out = sbuf();
    int total = 0;
    for (int g = 1; g <= 5; g++) total += (int)q.count[g];
    const ItemStruct it = ObjToItem(item);
    if (q.hide_grade || q.noquality) {
        if (total == 1) copy_bounded(out, SBUF_SIZE, an(enimi(item, 1, 6)));
        else bprintf(out, SBUF_SIZE, "%d %s", total, enimi(item, total, 6));
        return out;
    }
    if (total == 1) {
        for (int g = 5; g >= 1; g--)
            if (q.count[g]) {
                char words[200];
                bprintf(words, sizeof words, "%s %s", elaatu(&it, g), enimi(item, 1, 6));
                copy_bounded(out, SBUF_SIZE, an(words));
            }
        return out;
    }
    size_t used = 0;
    int last = 1;
    for (int g = 5; g >= 1; g--) {
        if (!q.count[g]) continue;
        used += (size_t)bprintf(out + used, SBUF_SIZE - used, "%s%u %s", used ? ", " : "", q.count[g], elaatu(&it, g));
        last = (int)q.count[g];
    }
    bprintf(out + used, SBUF_SIZE - used, " %s", enimi(item, last, 6));
    return out;
}

// When the maturing work of record n will be done, in the words the square gives its work.
static void ready_note(int n, const QualityListStruct &q) {
    if (q.pending_msg[0]) {
        Note(q.pending_msg);
        return;
    }
    char note[200];
    bprintf(note, sizeof note, "_This process should be complete %s.", DataReadyDesc(n));
    Note(note);
}

// The product of grade g as it is handed out.
static ItemStruct graded(const QualityListStruct &q, int g) {
    ItemStruct it = q.product;
    ItemSet_laatu(q.noquality ? 0 : g, it);
    if (!q.unmarked && !q.noquality) ItemSet_laatutieto(1, it);
    return it;
}

static int store_grades(const QualityListStruct &q, bool every) {
    for (int g = 5; g >= 1; g--)
        if ((every || q.count[g]) && !Luo_Esineen_Itempos(graded(q, g))) return 0;
    return 1;
}

int qualist_store_ahead(const QualityListStruct &q) { return store_grades(q, false); }
int qualist_store_every_grade(const QualityListStruct &q) { return store_grades(q, true); }

int aikaansaantirutiini(int who, QualityListStruct &q, int mode, int x, int y, unsigned extra) {
    if (q.product.type == IT_NONE) {
        Note("!Bug found: [esinerunko] uninitialized. Report!");
        Pause();
        return 0;
    }
    int last = 0, maturing_rec = -1;
    for (int g = 5; g >= 1; g--) {
        if (!q.count[g]) continue;
        const int pos = Luo_Esineen_Itempos(graded(q, g));
        if (!pos) continue;
        last = pos;
        const int n = (int)q.count[g];
        if (mode == 1 || mode == 4) {
            set_data(DT_ITEM, x, y, pos, n);
        } else if (mode == 2) {
            if (who == -1) Lisaa_Inventoryyn(pos, n, 1, -1);
            else if (!AddCrPack(who, pos, n)) {
                // A creature that cannot carry them drops them where it stands.
                int cx = x, cy = y;
                creature_square(who, cx, cy);
                set_data(DT_ITEM, cx, cy, pos, n);
            }
        } else {
            ClearDTEMP();
            DTEMP.type = DT_WORK;
            DTEMP.x = (uint16_t)x, DTEMP.y = (uint16_t)y;
            DTEMP.id = (uint32_t)pos;
            DTEMP.count = (uint16_t)n;
            DTEMP.day = (uint16_t)Plr.daynumber;
            DTEMP.ready_minute = Plr.minutes + q.maturing;
            if (mode == 3) {
                DTEMP.extra = (uint8_t)extra;
                if (q.maturing < 600) DTEMP.spent_minutes = DTEMP.ready_minute + 240, DTEMP.flags = 1;
                // Smoking goods count the minutes of smoke the fires give them, from none.
                if (extra == SMOKING_WORK) DTEMP.flags = SMOKING_WORK, DTEMP.day = 0;
            }
            maturing_rec = SetDTEMP(-1);
        }
    }
    if (!last) {
        Note("!Bug found: zero qualitylist items. Report!");
        Pause();
        return 0;
    }
    if (who != -1) return 0;
    if (q.lowered) {
        char note[MSGBUF_SIZE];
        copy_bounded(note, sizeof note, MSG("CRAFTQUALITY_LOWERED"));
        Note(note);
    }
    static const char *const keys[6] = {"CRAFTING_DONE", "CRAFTING_DONE_GROUND", "CRAFTING_DONE", "COOKING_TO_PREPARE",
                                        "COOKING_DONE", "CRAFTING_TO_PREPARE"};
    if (q.done_msg[0]) {
        Note(q.done_msg);
    } else {
        copy_bounded(vMSG_var, sizeof vMSG_var, QUALITYLIST_msg(last, q));
        char note[MSGBUF_SIZE];
        copy_bounded(note, sizeof note, MSG(keys[mode >= 1 && mode <= 5 ? mode : 2]));
        Note(note);
    }
    if (mode == 3 || mode == 5) {
        if (extra == SMOKING_WORK) Note("#Smoking requires continuous maintaining of fire, so remember to warm up the fireplace on daily basis.");
        if (maturing_rec >= 0) ready_note(maturing_rec, q);
    } else if (!q.noquality) {
        if (q.by_tool && q.by_mat) Note("_This was the best you could do with the given tools and materials.");
        else if (q.by_tool) Note("_Your tools are to blame, not your skills.");
        else if (q.by_mat) Note("_You could have done better, but can't make good out of bad.");
    }
    return 0;
}

// ---- the maker ------------------------------------------------------------------------------------

void read_material_lines(int kind, int patches, void (*mark)(const char *line)) {
    Tyhjaa_Tarvikelista();
    for (;;) {
        const char *l = fread_Tekodata(kind, nullptr, 1);
        if (strcmp(l, "NOT FOUND") == 0) break;
        pura_esinetarvinta(l);
        if (mark) mark(l);
        // A line needed for every patch: a single piece with a length grows longer, others more.
        if (strstr(l, "[patchwise]")) {
            if (Tarvike.count <= 1 && Tarvike.length) Tarvike.length *= (uint32_t)patches;
            else Tarvike.count *= (uint32_t)patches;
            Tarvike.amount *= (float)patches;
            Tarvike.first_count = Tarvike.count;
            Tarvike.first_amount = Tarvike.amount;
        }
        Lisaa_Tarvike();
    }
}

static const unsigned HELPER_FLAGS[4] = {0, SPF_HELPERS | SPF_HELPERS1, SPF_HELPERS | SPF_HELPERS2, SPF_HELPERS};

static int product_row(int id, const char *name, const char *header) {
    if (header) {
        int rid, row;
        if (recipe_resolve(header, &rid, &row)) return row;
    }
    if (name && name[0]) return definition_by_name(name);
    if (id > 0) {
        int r = ID_object(id);
        return r > 0 ? r : definition_by_name(Esineen_Nimi(id));
    }
    return -1;
}

// The head picture of a work, "head-<n>.jpg", at half its size just above the task window, where it
// stays while the work goes on; 0 draws nothing.
static void draw_head_picture(int n) {
    if (n <= 0) return;
    char name[32];
    bprintf(name, sizeof name, "head-%d.jpg", n);
    ui_work_picture(name);
}

int Tee(int kind, int id, const char *name_in) {
    char name[TEKO_VALUE_MAX + 1];
    copy_bounded(name, sizeof name, name_in ? name_in : "");
    static AsciiRawStruct raw;
    memset(&raw, 0, sizeof raw);
    char header[TEKO_LINE_MAX + 1] = "";
    char product_name[TEKO_VALUE_MAX + 1] = "", skill[TEKO_VALUE_MAX + 1] = "UNARMED", base[TEKO_VALUE_MAX + 1] = "";
    int development = 0, amount = 1, bonus = 0, effort = 4, maturing = 0, assist = 0, patches = 1, worktime = 30;
    int head_picture = 0;
    bool noquality = false;
    if (kind == -1) {
        copy_bounded(header, sizeof header, fread_Tekodata(RECIPE_DIY, name[0] ? name : Esineen_Nimi(id), 0));
        if (strcmp(header, "NOT FOUND") == 0) {
            Note("!Error! Object header not found!");
            return 0;
        }
        copy_bounded(product_name, sizeof product_name, Tekoheader_esine(header));
        copy_bounded(base, sizeof base, Tekoheader_customesine(header));
        read_asciiraw(RECIPE_DIY, product_name, &raw);
        copy_bounded(skill, sizeof skill, Tekoheader_taito(header));
        development = Tekoheader_kehitys(header);
        amount = Tekoheader_maara(header);
        if (amount < 1) amount = 1;
        if (amount > 100) amount = 100;
        bonus = Tekoheader_bonus(header);
        effort = Tekoheader_ponnistelu(header);
        if (puuhausvammaus(-1, parse_condflags(Tekoheader_vammaus(header)), effort, "craft that")) {
            fclose_TEKODATA_F();
            return 0;
        }
        maturing = Tekoheader_kypsymisaika(header);
        if (maturing < 0) maturing = 0;
        assist = Tekoheader_apuvoimat(header);
        const int most = Tekoheader_patch(header);
        if (most > 0) {
            patches = AskCount(most);
            if (patches <= 0) {
                fclose_TEKODATA_F();
                return 0;
            }
        }
        read_material_lines(RECIPE_DIY, patches, nullptr);
        worktime = Tekoheader_aika(header) * patches;
        noquality = strstr(header, "[noquality]") != nullptr;
        head_picture = 108;
    }
    const int row = product_row(id, name, kind == -1 ? header : nullptr);
    ItemStruct product;
    ClrItemstruct(product);
    if (row > 0) product = ConstantObj[row];

    if (!Kay_Tarvikelista(Toiminta(kind == -1 ? -1 : kind))) return 0;
    if (patches == 1) {
        const int batches = Tarvikelista_OmaMaaraLkm();
        if (batches > 1) worktime *= batches, amount *= batches;
    }
    Check_SocRawMaterial_Theft();
    Tarvikelista_Tyokalukelpoisuus(-1);
    Tarvikelista_Matlaatu();
    static QualityListStruct q;
    qualist_init(q, 1);
    q.noquality = noquality;

    const bool clothing = product.type == IT_ARMOUR;
    if (clothing) {
        ka_vaate(product, 0, 0);
        name_clothing(product);
    }
    int level = Skill_ML(-1, skill);
    if (level == 1000) level = 0;
    int cls = 2;
    const int products = amount * patches;
    for (int i = 0; i < products; i++) {
        int s = Kayta_Taitoa(0, bonus, skill, development);
        if (PVAM_EMERGENCY && s >= 2) s = 1;
        cls = Kayta_Taitoa(0, 0, skill, LEARN_NONE);
        int grade = craftquality(level, s);
        if (clothing) grade = 3, cls = 2;
        qualist_add(q, grade);
    }
    const int minutes = tyoaikamuutos(worktime * (PVAM_EMERGENCY ? 4 : 1), GLOB_TK_kelpoisuus, cls);
    ItemSet_laatu(0, product);
    ItemSet_laatutieto(1, product);
    if (base[0]) SET_ITEM_TEXT(product.name, product_name);
    const char *naming = Hae_Nimittajateksti(product_name[0] ? product_name : name);
    if (naming[0]) {
        char cut[40];
        copy_bounded(cut, sizeof cut, naming);
        SET_ITEM_TEXT(product.name, cut);
        product.plantname = 1;
    }
    RawModItem(&raw, &product);
    qualist_inititem(q, product);
    q.maturing = (uint32_t)maturing;
    // The products find their objects before the work: with no room (she has been told) nothing is made.
    if (!qualist_store_ahead(q)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    draw_head_picture(head_picture);
    AsetaPonnistelu(-1, effort);
    if (kind == -1) copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "TREECHOP");
    if (!realbasicspend(minutes, 0, "DOING HANDCRAFT", HELPER_FLAGS[assist < 0 ? 0 : assist > 3 ? 3 : assist])) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(6);
    if (clothing && skill_has(product, "Fur")) world_services.course_task_check(34);
    aikaansaantirutiini(-1, q, maturing ? 5 : 2, PlayerX, PlayerY, 0);
    TurnUsed = 1;
    return 0;
}

int TeeVaate(const char *name) {
    const int row = definition_by_name(name);
    if (row <= 0) {
        Note("!Error! Object header not found!");
        return 0;
    }
    if (puuhausvammaus(-1, 4, 3, "make clothes")) return 0;
    ItemStruct product = ConstantObj[row];
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = skill_has(product, "Fur") || strstr(StrUpr(name), "FUR") ? 412 : 413;
    Tarvike.amount = Tarvike.first_amount = product.weight;
    Tarvike.remove = 1;
    Lisaa_Tarvike();
    Tyhjaa_Tarvike();
    Tarvike.id = 51;
    Tarvike.linked = 51;
    Lisaa_Tarvike();
    if (!Kay_Tarvikelista("Make clothes")) return 0;
    Tarvikelista_Tyokalukelpoisuus(-1);
    Tarvikelista_Matlaatu();
    const int minutes = tyoaikamuutos((int)(product.weight * 40.0f), GLOB_TK_kelpoisuus, 2);
    ka_vaate(product, 0, 0);
    name_clothing(product);
    static QualityListStruct q;
    qualist_init(q, 1);
    qualist_inititem(q, product);
    qualist_add(q, 3);
    if (!qualist_store_ahead(q)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    AsetaPonnistelu(-1, 3);
    if (!realbasicspend(minutes, 0, "MAKING A CLOTH", 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    world_services.course_task_check(6);
    if (Tarvikelista[0].id == OID_FUR) world_services.course_task_check(34);
    aikaansaantirutiini(-1, q, 2, PlayerX, PlayerY, 0);
    TurnUsed = 1;
    return 0;
}

// Using up a village's raw materials from the ground is mischief the village remembers.
void Check_SocRawMaterial_Theft() {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (t.source != TSRC_GROUND || !t.remove || t.dataindex >= DATA_MAX) continue;
        const int soc = own_datapos_keeper((int)t.dataindex);
        if (soc) breachrun_mischief(soc, -1, 2);
    }
}

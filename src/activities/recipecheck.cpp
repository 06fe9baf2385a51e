// The recipe check: every record of every recipe file read as the game reads it, its product
// resolved as the menus resolve it, and each material line parsed as the maker parses it.
#include "activities/recipecheck.h"

#include "base/ownlib.h"
#include "core/records.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_int.h"
#include "items/materials.h"
#include "items/recipes.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/spend.h"
#include "items/inventory.h"
#include "activities/making.h"
#include "items/matching.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "core/notes.h"
#include "base/ui.h"

#include <cstring>
#include <initializer_list>

void recipes_check_tables() {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    if (Plr.month == 0) Plr.month = 6, Plr.day = 1;
    init_terrain_struct(Plr.day, Plr.month);
}

// A free-text line is known when it asks for a place or names some catalogue row.
static bool known_freetext(const char *raw) {
    if (strchr(raw, '[')) return true;
    char n[41];
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (it.type != IT_NONE && it.name[0] && wildcmp(raw, item_name(it, n))) return true;
    }
    return false;
}

static int check_record(FILE *out, int kind, const char *file, const char *header) {
    int faults = 0;
    char name[TEKO_VALUE_MAX + 1];
    copy_bounded(name, sizeof name, Tekoheader_esine(header));
    fprintf(out, "%s: %s [%s, %d min, %d made]", file, name, Tekoheader_taito(header), Tekoheader_aika(header),
            Tekoheader_maara(header));
    if (kind == RECIPE_BIY) {
        int mc = Tekoheader_rakennus_mc(header);
        if (mc) fprintf(out, " -> terrain %d \"%s\"\n", mc, terrain_desc(mc));
        else fprintf(out, " -> NO TERRAIN of that description\n"), faults++;
    } else if (kind == RECIPE_COOKERY) {
        fprintf(out, " -> a cooked dish\n");
    } else {
        int id, row;
        if (!recipe_resolve(header, &id, &row)) fprintf(out, " -> UNRESOLVED\n"), faults++;
        else if (id) fprintf(out, " -> id %d \"%s\", row %d\n", id, Esineen_Nimi(id), row);
        else fprintf(out, " -> row %d \"%s\"\n", row, Tekoheader_customesine(header)[0] ? "base" : "name");
    }
    if (strcmp(fread_Tekodata(kind, name, 0), "NOT FOUND") == 0) {
        fprintf(out, "    NOT FOUND again by name\n");
        return faults + 1;
    }
    for (;;) {
        const char *l = fread_Tekodata(kind, nullptr, 1);
        if (strcmp(l, "NOT FOUND") == 0) break;
        pura_esinetarvinta(l);
        Lisaa_Tarvike();
        Tarvike_Struct &t = Tarvike;
        fprintf(out, "    id %u \"%s\" count %u amount %.2f length %u linked %u%s%s%s%s\n", t.id,
                t.id == REQ_FREETEXT ? t.rawname : Esineen_Nimi((int)t.id), t.count, t.amount, t.length, t.linked,
                t.remove ? " remove" : "", t.optional ? " optional" : "", t.ground ? " ground" : "",
                t.container ? " container" : "");
        const char *v = strchr(l, '{');
        bool named = v && v[1] != '}';
        if (!named || (t.id == REQ_FREETEXT && kind != RECIPE_COOKERY && !known_freetext(t.rawname)) ||
            (t.id != REQ_FREETEXT && strcmp(Esineen_Nimi((int)t.id), "A specific item") == 0)) {
            fprintf(out, "    UNKNOWN requirement: %s\n", l);
            faults++;
        }
    }
    Tyhjaa_Tarvikelista();
    return faults;
}

int recipes_check(FILE *out) {
    recipes_check_tables();
    int faults = 0, records = 0;
    for (int kind : {RECIPE_DIY, RECIPE_BIY, RECIPE_COOKERY}) {
        char files[64][256];
        int n = 0;
        if (own_firstfile(recipe_pattern(kind)) == 0) {
            do {
                if (const char *f = own_finddata_name()) copy_bounded(files[n++], 256, f);
            } while (n < 64 && own_nextfile() == 0);
        }
        own_findclose();
        for (int i = 0; i < n; i++) {
            FILE *f = fopen(files[i], "r");
            if (!f) {
                fprintf(out, "%s: cannot be read\n", files[i]);
                faults++;
                continue;
            }
            char line[TEKO_LINE_MAX + 1];
            long pos = 0;
            while (recipe_getline(f, line, sizeof line)) {
                pos = ftell(f);
                if (line[0] != '.') continue;
                records++;
                faults += check_record(out, kind, files[i], line);
                fseek(f, pos, SEEK_SET);
            }
            fclose(f);
        }
    }
    fclose_TEKODATA_F();
    fprintf(out, "%d records, %d faults\n", records, faults);
    return faults ? 1 : 0;
}

// ---- making one product on a fixture ---------------------------------------------------------

static int first_fitting_slot(int line) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && !(plr_slotbyte(s) & 1) && OnkoPlrItemTarvike(s, line)) return s;
    return -3000;
}

// An item that meets a line, or a blank item when the catalogue holds none.
static ItemStruct fitting_item(const Tarvike_Struct &t, const char *product) {
    ItemStruct it;
    ClrItemstruct(it);
    if (t.id == OID_BIRCHBARK_STRIP) return Luo_Sommelo(6);
    int row = -1;
    if (t.id == REQ_FREETEXT) {
        row = definition_by_name(t.rawname);
    } else {
        // The first catalogue row that meets the id and is not the product itself.
        char n[41];
        for (int r = 1; r < CONSTANTOBJ_ROWS && row < 0; r++)
            if (ConstantObj[r].type != IT_NONE && strcmp(item_name(ConstantObj[r], n), product) != 0 &&
                OnkoEsineId(ConstantObj[r], (int)t.id))
                row = r;
    }
    if (row > 0) it = ConstantObj[row];
    if (t.length && get_Item_pituus(it) < (int)t.length) set_Item_pituus((int)t.length, it);
    return it;
}

static int pack_count(const char *name) {
    int n = 0;
    char own[41];
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), own), name) == 0) n += Plr.inv_count[s];
    return n;
}

int recipe_craft(const char *name, int seed, FILE *out) {
    recipes_check_tables();
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    strcpy(Plr.mapname, "ZOOMMAP");
    for (int y = 190; y < 280; y++)
        for (int x = 190; x < 280; x++) set_mapchar(x, y, CH_GROUND);
    PlayerX = PlayerY = 230;
    randomize(seed);

    const char *h = fread_Tekodata(RECIPE_DIY, name, 0);
    if (strcmp(h, "NOT FOUND") == 0) {
        fprintf(out, "no recipe \"%s\"\n", name);
        return 1;
    }
    char product[TEKO_VALUE_MAX + 1];
    copy_bounded(product, sizeof product, Tekoheader_esine(h));
    const bool patches = Tekoheader_patch(h) > 0;
    // The materials, one line each, into the pack; a fire beside her when a line asks for one.
    struct Given { char name[41]; int count, used; } given[TARVIKE_MAX];
    int ngiven = 0;
    char own[41];
    for (;;) {
        const char *l = fread_Tekodata(RECIPE_DIY, nullptr, 1);
        if (strcmp(l, "NOT FOUND") == 0) break;
        pura_esinetarvinta(l);
        if (Tarvike.id == OID_FIRE) {
            set_data(DT_FIRE, PlayerX + 1, PlayerY, 0, 1);
            continue;
        }
        if (Tarvike.id == REQ_FREETEXT && strchr(Tarvike.rawname, '[')) {
            fprintf(out, "a place line is met by where she stands: %s\n", Tarvike.rawname);
            char v[TEKO_VALUE_MAX + 1];
            if (teko_bracket(Tarvike.rawname, "NEARBY_TILE", v) || teko_bracket(Tarvike.rawname, "TILE", v))
                for (int c = 1; c < 255; c++)
                    if (same_upper(terrain_desc(c), v)) set_mapchar(PlayerX, PlayerY, c);
            continue;
        }
        ItemStruct it = fitting_item(Tarvike, product);
        if (it.type == IT_NONE) continue;
        const int count = Tarvike.optional ? 0 : (int)(Tarvike.count ? Tarvike.count : Tarvike.max_count);
        if (count <= 0) continue;
        if (Tarvike.ground) {
            set_data(DT_ITEM, PlayerX + 1, PlayerY, Esineesta_Uniikki(it), count);
            fprintf(out, "laid %d %s next to her\n", count, item_name(it, own));
            continue;
        }
        Lisaa_Inventoryyn(Esineesta_Uniikki(it), count + (Tarvike.remove ? 1 : 0), 0, -1);
        if (ngiven < TARVIKE_MAX) {
            item_name(it, given[ngiven].name);
            given[ngiven].count = pack_count(given[ngiven].name);
            given[ngiven].used = Tarvike.remove && !Tarvike.length && Tarvike.amount <= 0 ? count : 0;
            ngiven++;
        }
    }
    const int before = pack_count(product);
    tarvike_valinta = first_fitting_slot;
    INSTANT_TASKS = 1;
    DISABLE_MORECHECK = 1;
    // Her answers, typed without a window: one patch, then on with the work.
    int keys[2], nkeys = 0;
    if (patches) keys[nkeys++] = '1';
    keys[nkeys++] = KEY_SPACE;
    const UiChoices asked = ui.choices;
    ui.choices = UiChoices{};
    ui_script_keys(keys, nkeys);
    Tee(-1, 0, product);
    ui.choices = asked;
    ui_script_clear();
    INSTANT_TASKS = 0;
    int faults = 0;
    for (int i = 0; i < ngiven; i++) {
        const int left = pack_count(given[i].name);
        fprintf(out, "used %d of %d %s\n", given[i].count - left, given[i].count, given[i].name);
        if (given[i].used && given[i].count - left != given[i].used) faults++;
    }
    const int made = pack_count(product) - before;
    int grade = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), own), product) == 0) {
            ItemStruct it = ObjToItem(Plr.inv_obj[s]);
            grade = ItemGet_laatu(&it);
        }
    fprintf(out, "made %d %s, grade %d\n", made, product, grade);
    if (made < 1) fprintf(out, "the last note: %s\n", lastnote);
    if (made < 1) faults++;
    return faults ? 1 : 0;
}

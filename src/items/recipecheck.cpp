// The recipe check: every record of every recipe file read as the game reads it, its product
// resolved as the menus resolve it, and each material line parsed as the maker parses it.
#include "items/recipecheck.h"

#include "activities/herblore.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "core/strupr.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/materials.h"
#include "items/recipes.h"
#include "maps/area.h"

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

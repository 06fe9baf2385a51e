// Matching a material list: each line is met by the place, by the surroundings, by an item picked
// from the ground next to the player or from the pack, or by an item the player chooses. What the
// work uses up is taken at once, so the player sees what it costs; the snapshot taken first puts it
// all back on a cancel.
#include "items/matching.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items_int.h"
#include "items/itemwear.h"
#include "items/quality.h"
#include "items/recipes.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/rooms.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

// ---- stash notes --------------------------------------------------------------------------------

enum { STASH_MAX = 100, STASH_TEXT = 99 };
static char stash[2][STASH_MAX][STASH_TEXT + 1];
static int stash_n[2];

void add_stashline(const char *text, int where) {
    if (!text || !text[0] || where == 0) {
        stash_n[0] = stash_n[1] = 0;
        return;
    }
    int w = where == 1 ? 0 : 1;
    int i = stash_n[w] < STASH_MAX ? stash_n[w]++ : STASH_MAX - 1;
    copy_bounded(stash[w][i], sizeof stash[w][i], text);
}

char *stash_msg(int where) {
    char *out = sbuf();
    int w = where == 1 ? 0 : 1;
    size_t used = 0;
    for (int i = 0; i < stash_n[w]; i++) {
        const char *sep = i == 0 ? "" : i == stash_n[w] - 1 ? " and " : ", ";
        used += (size_t)bprintf(out + used, SBUF_SIZE - used, "%s%s", sep, stash[w][i]);
        if (used >= SBUF_SIZE - 1) break;
    }
    return out;
}

static void stash_note(const char *key, int where) {
    if (!stash_n[where == 1 ? 0 : 1]) return;
    copy_bounded(vMSG_var, sizeof vMSG_var, stash_msg(where));
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, MSG(key));
    Note(line);
}

void dumb_stashtxt() {
    stash_note("REQ_INV", 2);
    stash_note("REQ_NEARBY", 1);
    add_stashline("", 0);
}

// ---- the list box ---------------------------------------------------------------------------------


static void line_row(const Tarvike_Struct &t, const Tarvike_Struct *met, char *out, size_t size) {
    if (t.length) {
        if (t.count > 1) bprintf(out, size, "%u ft of %s * %u", t.length, t.label, t.count);
        else bprintf(out, size, "%u ft of %s", t.length, t.label);
    } else if (t.amount > 0) {
        bprintf(out, size, "%.2f lbs of %s", t.amount, t.label);
    } else if (t.first_count > 1) {
        if (met == nullptr && t.count < t.first_count)
            bprintf(out, size, "%s * %u (of %u)", t.label, t.first_count - t.count, t.first_count);
        else bprintf(out, size, "%s * %u", t.label, t.first_count);
    } else {
        copy_bounded(out, size, t.label);
    }
}

static bool place_line(const Tarvike_Struct &t) {
    return (t.id == REQ_FREETEXT && strchr(t.rawname, '[')) || t.id == OID_FIRE || t.id == OID_HEATED_ROOM ||
           t.id == OID_DRY_COLD_WEATHER || t.id == OID_DRYING_PLACE || t.id == OID_EMBERS || t.id == OID_SOAKING_PLACE ||
           t.id == OID_HEATED_FIREPLACE;
}

// The lines met so far in the check being made.
static bool line_done[TARVIKE_MAX];
static bool line_met(int line) { return line >= 0 && line < TARVIKE_MAX && line_done[line]; }

void Esita_Tarvikelista(int line) {
    enum { ROWS_MAX = 16 };   // more than the window holds
    static char shown[ROWS_MAX][220];
    UiRequirement rows[ROWS_MAX];
    int listed = 0;
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id && listed < ROWS_MAX; i++, listed++) {
        char row[200];
        const bool met = line_met(i);
        line_row(Tarvikelista[i], met ? &Tarvikelista[i] : nullptr, row, sizeof row);
        // A line she may go without says so, in the row's own width.
        const char *mark = Tarvikelista[i].optional ? " (optional)" : "";
        bprintf(shown[listed], sizeof shown[0], "%s %.*s%s", met ? "+" : i == line ? ">" : "-", 33 - (int)strlen(mark), row,
                mark);
        rows[listed] = UiRequirement{shown[listed], met ? UI_REQ_MET : i == line ? UI_REQ_CURRENT : UI_REQ_PENDING};
    }
    ui_requirement_list(StrUpr(Tarvikelista_TITLE), rows, listed);
    if (line == 100) {
        Note("Ok, you have all the necessary equipment!");
        return;
    }
    if (line >= 99 || line < 0 || line >= TARVIKE_MAX) return;
    const Tarvike_Struct &t = Tarvikelista[line];
    char note[400];
    int n = bprintf(note, sizeof note, "?(%d) ", line + 1);
    if (!place_line(t)) n += bprintf(note + n, sizeof note - n, "%s", t.optional ? "You may optionally use " : "You need ");
    char row[200];
    line_row(t, nullptr, row, sizeof row);
    n += bprintf(note + n, sizeof note - n, "%s", StrLwr(row));
    if (t.linked && t.linked != t.id) bprintf(note + n, sizeof note - n, " - preferably %s.", StrLwr(Esineen_Nimi((int)t.linked)));
    else bprintf(note + n, sizeof note - n, ".");
    Note(note);
}

// ---- candidates ---------------------------------------------------------------------------------

static bool raw_matches(const char *raw, const ItemStruct &it, int pos) {
    if (!raw[0]) return false;
    char pattern[60], name[64], desc[SBUF_SIZE];
    copy_bounded(pattern, sizeof pattern, StrUpr(raw));
    char n[41];
    copy_bounded(name, sizeof name, StrUpr(item_name(it, n)));
    copy_bounded(desc, sizeof desc, pos > 0 ? StrUpr(ekuvaus(pos, 1, 0)) : "");
    return wildcmp(pattern, name) || (desc[0] && wildcmp(pattern, desc));
}

static int item_meets(const ItemStruct &it, int pos, const Tarvike_Struct &t) {
    if (t.id != REQ_FREETEXT && OnkoEsineId(it, (int)t.id)) return 1;
    if (t.id == REQ_FREETEXT && raw_matches(t.rawname, it, pos)) return 1;
    if (it.vessel > 0 && (int)it.vessel != pos) {
        ItemStruct inner = ObjToItem((int)it.vessel);
        if (inner.type != IT_NONE && t.id != REQ_FREETEXT && OnkoEsineId(inner, (int)t.id)) return 1;
    }
    return 0;
}

// Spoiled and tied items are refused with a note; the caller silences the notes while it searches.
static int usable(const ItemStruct &it) {
    if (it.spoil == SPOIL_SPOILED) {
        Note("!The chosen item is spoiled beyond usage!");
        return 0;
    }
    if (inuse(&it)) {
        Note("!The chosen item is currently in use!");
        return 0;
    }
    return 1;
}

int OnkoPlrItemTarvike(int slot, int line) {
    if (slot < 0 || slot >= PLR_SLOTS || line < 0 || line >= TARVIKE_MAX || Plr.inv_obj[slot] == 0) return 0;
    const int pos = Plr.inv_obj[slot];
    for (int k : KasityoLista)
        if (k && k == pos) {
            Note("!No. You can not select that.");
            return 0;
        }
    ItemStruct it = ObjToItem(pos);
    if (!usable(it)) return 0;
    return item_meets(it, pos, Tarvikelista[line]);
}

int oe_Tarvike(const ItemStruct &it, int line) {
    if (line < 0 || line >= TARVIKE_MAX || !usable(it)) return 0;
    return item_meets(it, 0, Tarvikelista[line]);
}

int paras_tarvike(const ItemStruct &it, int line, int &best_h, int &best_g) {
    int h = Tyokalun_Hyvyys((int)Tarvikelista[line].linked, it);
    int g = ItemGet_laatu(&it);
    if (h > best_h || (h == best_h && g > best_g)) {
        best_h = h, best_g = g;
        return 1;
    }
    return 0;
}

static bool near_player(const DataStruct &d) { return abs((int)d.x - PlayerX) <= 1 && abs((int)d.y - PlayerY) <= 1; }

// The item screen over the pack, showing the kinds the line's id asks for.
static int screen_valinta(int line) {
    Ecraftvar(nullptr, (int)Tarvikelista[line].id, Tarvikelista[line].rawname);
    return selslot("Select required equipment", "use", Edat.options, Edat.filter, 0);
}
int (*tarvike_valinta)(int line) = screen_valinta;

static void stash_item(int pos, int count, int where) {
    char *d = ekuvaus(pos, count, 1);
    char text[STASH_TEXT + 1];
    bprintf(text, sizeof text, "the %s", d);
    add_stashline(text, where);
}

static void used(const Tarvike_Struct &t, int line, uint32_t count, float amount) {
    Tarvike_Struct u = t;
    u.count = count;
    u.amount = amount;
    Kayttolista_Lisaa(u);
    (void)line;
}

// Takes `feet` of a tying item in a slot: whole pieces first, the last one shortened. Anything else
// is used whole. Answers the feet taken, which fall short of `feet` when the slot holds less.
static uint32_t take_length(int slot, uint32_t feet) {
    ItemStruct it = ObjToItem(Plr.inv_obj[slot]);
    int piece = get_Item_pituus(it);
    if (piece <= 0 || !OnkoEsineId(it, 330)) {
        Poista_PlrItem(slot, 1);
        return piece > 0 && (uint32_t)piece < feet ? (uint32_t)piece : feet;
    }
    int whole = ((int)feet + piece - 1) / piece;
    if (whole > Plr.inv_count[slot]) whole = Plr.inv_count[slot];
    whole -= 1;
    int rest = (int)feet - whole * piece;
    if (whole > 0) Poista_PlrItem_NoCrunch(slot, whole);
    // The last piece is cut as any rope is cut: what stays keeps its share of the whole weight too.
    const int cut = Lyhenna_PlrItem(slot, rest);
    return (uint32_t)(whole * piece + (cut > 0 ? cut : 0));
}

// A short piece or a light one meets only part of its line: the rest is asked for as pieces are.
static int ask_rest() {
    char note[MSGBUF_SIZE];
    copy_bounded(note, sizeof note, MSG("REQ_MORE"));
    Note(note);
    return 0;
}

int ot(int who, int line) {
    if (line < 0 || line >= TARVIKE_MAX) return -1;
    Tarvike_Struct &t = Tarvikelista[line];
    (void)who;
    const bool plain = t.id != OID_WATER && t.id != OID_KOTA_COVER && t.id != OID_TYING && t.id != OID_ROPE && t.id != OID_CORD && !t.container &&
                       !t.length && t.amount <= 0 && t.count > 0 && !t.chosen;
    int dp = -1, slot = -1;
    if (plain) {
        int bh = -1, bg = -1;
        const uint8_t quiet = DISABLE_NOTES;
        DISABLE_NOTES = 1;
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            if (d.type != DT_ITEM || !near_player(d) || dp_varaus(d) == VARAUS_CRAFT) continue;
            ItemStruct it = ObjToItem((int)d.id);
            if (oe_Tarvike(it, line) && paras_tarvike(it, line, bh, bg)) dp = i;
        }
        for (int s = 0; s < PLR_SLOTS && !t.ground; s++) {
            if (!Plr.inv_obj[s] || (plr_slotbyte(s) & 1)) continue;
            if (OnkoPlrItemTarvike(s, line) && paras_tarvike(ObjToItem(Plr.inv_obj[s]), line, bh, bg)) slot = s, dp = -1;
        }
        DISABLE_NOTES = quiet;
    } else if (t.ground) {
        for (int i = 0; i < DATA_MAX && dp < 0; i++) {
            DataStruct &d = Data[i];
            if (d.type == DT_ITEM && near_player(d) && dp_varaus(d) != VARAUS_CRAFT && oe_Tarvike(ObjToItem((int)d.id), line))
                dp = i;
        }
    }
    if (dp < 0 && slot < 0) {
        if (t.ground) {
            Note("!There is nothing suitable on the ground next to you.");
            return -1;
        }
        dumb_stashtxt();
        ExtraSelite(line);
        if (t.optional) {
            char note[200];
            bprintf(note, sizeof note, ":Using %s is optional. Press [ESC] to skip the item selection.", StrLwr(t.label));
            Note(note);
        }
        int s = tarvike_valinta(line);
        if (s < 0) {
            if (t.optional || t.id == OID_CUTTING_OR_HAND) {
                t.itempos = 0;
                t.count = 0;
                return 1;
            }
            if (s == -3000) {
                char note[200];
                bprintf(note, sizeof note, "!You have nothing to use as %s.", StrLwr(t.label));
                Note(note);
            } else {
                Note("!Canceled.");
            }
            return -1;
        }
        if (!OnkoPlrItemTarvike(s, line)) {
            copy_bounded(vMSG_var, sizeof vMSG_var, StrLwr(t.label));
            char note[MSGBUF_SIZE];
            copy_bounded(note, sizeof note, MSG("RAWMAT_INVALID"));
            Note(note);
            return 0;
        }
        slot = s;
    }
    // A pot taken from the pack for a pot line is emptied, and only the one taken: the candidates
    // looked at on the way keep what they hold.
    // The emptied pot may come back to another slot than it left: the line takes the pot, never the
    // stack that moved into its slot.
    if (dp < 0 && (t.id == OID_POT || t.id == OID_COOKING_POT) && ObjToItem(Plr.inv_obj[slot]).vessel != 0) {
        int back = -1;
        Kuluta_PlrItem(slot, 1000.0f, &back);
        if (back < 0) return -1;
        slot = back;
    }
    const int pos = dp >= 0 ? (int)Data[dp].id : Plr.inv_obj[slot];
    int have = dp >= 0 ? (int)Data[dp].count - dp_varattu(Data[dp]) : Plr.inv_count[slot];
    if (have < 1) have = 1;
    if (t.count == 0 && !t.chosen) {
        int n = AskCount(have);
        if (n <= 0) return -1;
        if ((uint32_t)n > t.max_count) {
            char note[200];
            bprintf(note, sizeof note, "!%u pieces at a time is the maximum. Selecting %u pieces.", t.max_count, t.max_count);
            Note(note);
            n = (int)t.max_count;
        }
        t.count = t.first_count = (uint32_t)n;
        t.chosen = 1;
    }
    if (dp >= 0) {
        dp_varaus(Data[dp]) = VARAUS_CRAFT;
        t.source = TSRC_GROUND;
        t.dataindex = (uint32_t)dp;
    } else {
        plr_slotbyte(slot) |= 1;
        t.source = TSRC_INV;
    }
    t.itempos = (uint32_t)pos;
    const int where = dp >= 0 ? 1 : 2;

    if (!t.remove) {
        stash_item(pos, 1, where);
        if ((int)t.count > have) {
            t.count -= (uint32_t)have;
            return 0;
        }
        used(t, line, t.count, t.amount);
        return 1;
    }
    if (t.container) {
        // The contents are poured out and the empty container goes into the pack on its own, where
        // the product will be put. A container on the ground stays reserved until the work is done.
        ItemStruct empty;
        if (slot >= 0) {
            if (ObjToItem(Plr.inv_obj[slot]).vessel != 0) {
                int back = -1;
                Kuluta_PlrItem(slot, 1000.0f, &back);
                if (back < 0) return -1;
                slot = back;
            }
            empty = ObjToItem(Plr.inv_obj[slot]);
            Poista_PlrItem(slot, 1);
        } else {
            empty = ObjToItem(pos);
            if (empty.vessel != 0) empty = ObjToItem((int)empty.vessel);
        }
        empty.vessel = 0;
        int own = Esineesta_Uniikki(empty);
        // A container of her own goes back where it came from, however full the pack.
        if (own) {
            if (slot >= 0) Lisaa_Jaon_Loput(own, 1, 0, -1);
            else Lisaa_Inventoryyn(own, 1, 0, -1);
        }
        t.itempos = (uint32_t)own;
        used(t, line, 1, 0);
        return 1;
    }
    if (t.length) {
        ItemStruct it = ObjToItem(pos);
        int piece = get_Item_pituus(it);
        char iname[41];
        item_name(it, iname);
        if (t.count > 1 && piece > 0 && piece < (int)t.length) {
            char note[200];
            bprintf(note, sizeof note, "!That %s is too short for the purpose.", StrLwr(iname));
            Note(note);
            plr_slotbyte(slot >= 0 ? slot : 0) &= (uint8_t)~1;
            return 0;
        }
        if (t.count > 1 && piece > (int)ceilf(1.2f * (float)t.length)) {
            char note[300];
            bprintf(note, sizeof note,
                    "!All of the %s will be used which is far more than needed. You can cancel the task and shorten it to required length at will.",
                    StrLwr(iname));
            Note(note);
        }
        if (t.count > 1) {
            stash_item(pos, 1, where);
            if (dp >= 0) dp_varattu(Data[dp]) = 1;
            else Poista_PlrItem(slot, 1);
            used(t, line, 1, 0);
            t.count--;
            return 0;
        }
        // One length: from the ground as many pieces as the length needs are reserved (the last one
        // is cut at the end of the work, its rest left lying), from the pack the slot gives what it
        // holds. A shorter piece meets only part of the line.
        uint32_t feet;
        int pieces = 1;
        if (dp >= 0) {
            int free = (int)Data[dp].count - dp_varattu(Data[dp]);
            if (free > RESERVE_MAX - dp_varattu(Data[dp])) free = RESERVE_MAX - dp_varattu(Data[dp]);
            if (free < 1) free = 1;
            if (piece > 0) {
                pieces = ((int)t.length + piece - 1) / piece;
                if (pieces > free) pieces = free;
                feet = (uint32_t)(pieces * piece) < t.length ? (uint32_t)(pieces * piece) : t.length;
            } else {
                feet = t.length;
            }
            dp_varattu(Data[dp]) = (uint8_t)(dp_varattu(Data[dp]) + pieces);
        } else {
            feet = take_length(slot, t.length);
        }
        stash_item(pos, pieces, where);
        Tarvike_Struct u = t;
        u.length = feet;
        used(u, line, (uint32_t)pieces, 0);
        if (feet < t.length) {
            t.length -= feet;
            return ask_rest();
        }
        return 1;
    }
    if (t.amount > 0) {
        // The weight is used up from the item; one weighing less meets only part of the line. From
        // the ground as many pieces are reserved as the weight needs: the last is cut at the end of
        // the work and what is left of it stays lying.
        float taken;
        int pieces = 1;
        if (dp >= 0) {
            const float each = ObjToItem(pos).weight;
            int free = (int)Data[dp].count - dp_varattu(Data[dp]);
            if (free > RESERVE_MAX - dp_varattu(Data[dp])) free = RESERVE_MAX - dp_varattu(Data[dp]);
            if (free < 1) free = 1;
            if (each > 0.0f) {
                pieces = (int)std::ceil(t.amount / each - 0.0001f);
                if (pieces < 1) pieces = 1;
                if (pieces > free) pieces = free;
            }
            dp_varattu(Data[dp]) = (uint8_t)(dp_varattu(Data[dp]) + pieces);
            taken = each * (float)pieces;
        } else {
            taken = Kuluta_PlrItem(slot, t.amount);
        }
        if (taken <= 0.0f) {
            Note("!Canceled.");
            return -1;
        }
        stash_item(pos, pieces, where);
        used(t, line, (uint32_t)pieces, taken < t.amount ? taken : t.amount);
        if (t.amount - taken > 0.005f) {
            t.amount -= taken;
            return ask_rest();
        }
        return 1;
    }
    int take = have < (int)t.count ? have : (int)t.count;
    if (dp >= 0) {
        // A stack on the ground gives no more than it can hold reserved; the rest is asked for anew.
        if (take > RESERVE_MAX - dp_varattu(Data[dp])) take = RESERVE_MAX - dp_varattu(Data[dp]);
        dp_varattu(Data[dp]) = (uint8_t)(dp_varattu(Data[dp]) + take);
    } else {
        Poista_PlrItem(slot, take);
    }
    stash_item(pos, take, where);
    used(t, line, (uint32_t)take, 0);
    if (take < (int)t.count) {
        t.count -= (uint32_t)take;
        return ask_rest();
    }
    return 1;
}

// ---- one line -------------------------------------------------------------------------------------

static bool tile_line(const char *raw, bool *met) {
    char v[TEKO_VALUE_MAX + 1];
    if (teko_bracket(raw, "TERRAIN", v)) {
        uint32_t bits = AsetaLuontotyyppivaikutus(0, v);
        int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
        *met = (bits & Bigmap_Luontotyyppi(wx, wy)) || wildcmp(v, terrain_desc(get_alltime_maailmachar(wx, wy)));
        if (*met) Note("Ok. You're at suitable terrain.");
        return true;
    }
    if (teko_bracket(raw, "TILE", v)) {
        *met = same_upper(terrain_desc(get_mapchar(PlayerX, PlayerY)), v);
        if (*met) Note("Ok. You're standing on suitable location.");
        return true;
    }
    if (teko_bracket(raw, "NEARBY_TILE", v)) {
        *met = false;
        for (int dy = -1; dy <= 1 && !*met; dy++)
            for (int dx = -1; dx <= 1 && !*met; dx++)
                *met = wildcmp(v, terrain_desc(get_mapchar(PlayerX + dx, PlayerY + dy))) != 0;
        if (*met) Note("Ok. You're at suitable location.");
        return true;
    }
    return false;
}

static int setting_fails() {
    Pause();
    Note("!The setting you are at now doesn't meet the requirements!");
    return 0;
}

static int met_by_surroundings(int line) {
    Tarvike_Struct &t = Tarvikelista[line];
    t.itempos = 1;
    Kayttolista_Lisaa(t);
    return 1;
}

int OnkoTarviketta_branch(int line) {
    if (line < 0 || line >= TARVIKE_MAX) return 0;
    Tarvike_Struct &t = Tarvikelista[line];
    bool met = false;
    if (t.id == REQ_FREETEXT && strchr(t.rawname, '[') && tile_line(t.rawname, &met)) {
        if (!met) {
            Note("!The setting you are at now doesn't meet the requirements!");
            Pause();
            return 0;
        }
        return met_by_surroundings(line);
    }
    if (t.id == OID_CARCASS) {
        int chosen = -1;
        bool chosen_flayed = true;
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_CARCASS || !near_player(d)) continue;
            bool flayed = dp_nyljetty(i) != 0;
            if (!flayed && d.x == PlayerX && d.y == PlayerY) {
                chosen = i, chosen_flayed = false;
                break;
            }
            if (!flayed || chosen_flayed) chosen = i, chosen_flayed = flayed;
        }
        if (chosen < 0) {
            Note("!You should have the carcass nearby on the ground, one step away at the most.");
            Pause();
            return 0;
        }
        Note("Ok. There's a carcass beside you.");
        t.source = TSRC_GROUND;
        t.dataindex = (uint32_t)chosen;
        t.itempos = Data[chosen].id;
        Kayttolista_Lisaa(t);
        return 1;
    }
    const bool condition = t.id == OID_FIRE || t.id == OID_HEATED_ROOM || t.id == OID_DRY_COLD_WEATHER ||
                           t.id == OID_DRYING_PLACE || t.id == OID_EMBERS || t.id == OID_SOAKING_PLACE ||
                           t.id == OID_WORKBENCH || t.id == OID_HEATED_FIREPLACE;
    if (condition) {
        ExtraSelite(line);
        ItemStruct none;
        ClrItemstruct(none);
        if (OnkoEsineId(none, (int)t.id)) return met_by_surroundings(line);
        if (t.id != OID_WORKBENCH) return setting_fails();
    }
    if (t.id == OID_WATER && avovesi(-1, 0)) {
        t.count = t.first_count;
        t.amount = t.first_amount;
        char note[MSGBUF_SIZE];
        copy_bounded(note, sizeof note, MSG("REQ_WATER_OK"));
        Note(note);
        return met_by_surroundings(line);
    }
    for (int s = 0; s < PLR_SLOTS; s++) plr_slotbyte(s) &= (uint8_t)~1;
    for (DataStruct &d : Data)
        if (d.type == DT_ITEM && dp_varaus(d) == VARAUS_CRAFT && dp_varattu(d) == 0) dp_varaus(d) = 0;
    add_stashline("", 0);
    // Each call takes at least one piece or ends the line, so the count bounds the calls.
    for (int guard = 0; guard < 2000; guard++) {
        int r = ot(-1, line);
        if (r == 1 || r == -1) {
            dumb_stashtxt();
            return r == 1;
        }
    }
    dumb_stashtxt();
    return 0;
}

// ---- the whole check ------------------------------------------------------------------------------

// A line with a ratio takes that many pounds for each piece the player chose on the nearest line
// before it whose number she chose (the salt for the fish she salts); one piece when none.
static void by_ratio(int line) {
    uint32_t pieces = 1;
    for (int k = line - 1; k >= 0; k--)
        if (Tarvikelista[k].chosen) {
            pieces = Tarvikelista[k].first_count ? Tarvikelista[k].first_count : 1;
            break;
        }
    Tarvike_Struct &t = Tarvikelista[line];
    t.amount = t.first_amount = t.ratio * (float)pieces;
}

int Kay_Tarvikelista(const char *title) {
    GLOB_TK_laaturaja = 5, GLOB_TK_kelpoisuus = 100, GLOB_MAT_laaturaja = 5;
    ui_keep_area("statscreen", UI_AREA_SIDE_PANEL);
    if (DEBUG_aika_ja_esineet) return 1;
    tarvike_snapshot();
    if (Tarvikelista[0].id == 0) return 1;
    memset(line_done, 0, sizeof line_done);
    copy_bounded(Tarvikelista_TITLE, sizeof Tarvikelista_TITLE, title ? title : "");
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++) {
        if (Tarvikelista[i].ratio > 0) by_ratio(i);
        Esita_Tarvikelista(i);
        if (!OnkoTarviketta_branch(i)) {
            restorescr("statscreen");
            Palauta_Kaytetyt_Tarvikkeet();
            return 0;
        }
        line_done[i] = true;
    }
    Esita_Tarvikelista(100);
    const int go = ProceedPause();
    restorescr("statscreen");
    if (!go) {
        Palauta_Kaytetyt_Tarvikkeet();
        Note("!Canceled.");
        return 0;
    }
    return 1;
}

int npc_has_requirement(int creature, int requirement) {
    Tarvike_Struct list[NPC_TARVIKE_MAX];
    Tyhjaa_NPC_Tarvikelista(list);
    Tyhjaa_Tarvike();
    Tarvike.id = requirement;
    Tarvike.count = 1;
    Lisaa_NPC_Tarvike(list);
    return Kay_NPC_Tarvelista(creature, list);
}

int Kay_NPC_Tarvelista(int creature, Tarvike_Struct (&list)[NPC_TARVIKE_MAX]) {
    GLOB_TK_laaturaja = 5, GLOB_TK_kelpoisuus = 100, GLOB_MAT_laaturaja = 5;
    if (creature < 0 || creature >= CRE_COUNT) return 0;
    for (Tarvike_Struct &t : list) {
        if (t.id == 0) continue;
        bool found = false;
        for (int k = 0; k < 20 && !found; k++) {
            int pos = Cre[creature].pack[k];
            if (pos && OnkoEsineId(ObjToItem(pos), (int)t.id)) {
                t.itempos = (uint32_t)pos;
                found = true;
            }
        }
        if (!found) return 0;
    }
    return 1;
}

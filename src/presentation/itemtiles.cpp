// The pictures of items: the tile an item is drawn with, the picture beside each list line, the
// marks of items in use, the condition bar of worn-down items and the selection bar.
#include "presentation/itemtiles.h"

#include "core/crefunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "items/vessels.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/tiles.h"

#include <SDL2/SDL_image.h>

#include <cstring>
#include <vector>

namespace {

constexpr int LIST_PICTURE = 12;   // pixels of the longer side of a list picture: one list row

// The name tests of one item: each match replaces the answer so far.
struct TileChoice {
    const char *name;
    const char *tile;
    bool has(const char *w) const { return strstr(name, w) != nullptr; }
    bool pick(const char *w, const char *t) {
        if (!has(w)) return false;
        tile = t;
        return true;
    }
};

const char *by_symbol(int sym, unsigned id, const char *name) {
    TileChoice c{name, ""};
    switch (sym) {
    case 1: c.tile = "it-wdcup"; c.pick(" mug", "it-wdmug"); c.pick(" cup", "it-wdcup"); break;
    case 2: c.tile = "it-skis"; break;
    case 3: c.tile = "wp-spliaxe"; break;
    case 4: c.tile = "it-horn"; break;
    case 5: c.tile = "it-candle"; break;
    case 29: c.tile = "it-wdbowl"; c.pick("tub", "it-wdtub"); break;
    case 30: c.tile = "it-pot"; break;
    case 31: c.tile = "it-shovel"; break;
    case 32: c.tile = "it-wdshovel"; break;
    case 35: c.tile = "it-net"; break;
    case 36: c.tile = "it-punt"; break;
    case 37: c.tile = "it-raft"; break;
    case 38: c.tile = "wp-woodaxe"; break;
    case 41: c.tile = "trunk"; break;
    case 43: c.tile = "log"; break;
    case 44: c.tile = "wdblk"; break;
    case 45:
        c.tile = id == 202 ? "it-sprtwig" : "it-branch";
        c.pick("ark", "it-bark");
        break;
    case 47:
        c.tile = "it-wdstake";
        c.pick("ki stick", "it-skistick");
        c.pick("ddle", "it-paddle");
        c.pick(" rod", "it-fishrod");
        c.pick("esta", "it-sesta");
        break;
    case 48: c.tile = "it-board"; break;
    case 49: c.tile = "stone"; break;
    case 50: c.tile = "rock"; break;
    case 53: c.tile = "sltrunk"; break;
    case 57: c.tile = "it-defpelt"; break;
    case 60: c.tile = "tr-pawboard"; break;
    case 61: c.tile = "tr-loop"; break;
    case 69: c.tile = "wp-rshield"; c.pick("uckler", "wp-buckler"); break;
    case 70:
        c.tile = "wp-knife";
        if (id == 151) c.tile = "wp-bknife";
        if (id == 153) c.tile = "wp-nknife";
        if (id == 150) c.tile = "wp-sknife";
        if (id == 152) c.tile = "wp-hknife";
        c.pick("aumolais knife", "wp-kknife");
        c.pick("isher's knife", "wp-fknife");
        c.pick("krama", "wp-skrama");
        break;
    case 80:
        c.tile = "ar-cloak";
        if (!c.pick("ur cloak", "ar-furcloak")) c.pick("oollen", "ar-wocloak");
        break;
    case 81:
        c.tile = "ar-shoshirt";
        if (!c.pick("undershi", "ar-lngshirt") && !c.pick("ur overc", "ar-furocoat") && !c.pick("ur shirt", "ar-furshirt") &&
            c.pick("oollen", "ar-woshirt")) {
            c.pick("undershirt", "ar-lngwoshi");
            c.pick("overcoat", "ar-wlnocoat");
            c.pick("garment", "ar-woungarm");
            c.pick("dress", "ar-wodress");
        }
        c.pick("bergeon", "ar-mailhabe");
        c.pick("ther cuir", "ar-leacui");
        c.pick("ther shi", "ar-lshoshi");
        c.pick("nen undergarm", "ar-ungarm");
        c.pick("nen dress", "ar-dress");
        if (c.pick("unic", "ar-tunic")) c.pick("oollen", "ar-wotunic");
        break;
    case 82:
        c.pick("eather", "ar-cap");
        c.pick("ur hood", "ar-furhood");
        c.pick("ur cap", "ar-furcap");
        c.pick("bark cap", "ar-bbcap");
        c.pick("necklace", "ar-bbneckl");
        if (c.pick(" cowl", "ar-cowl")) c.pick("oollen ", "ar-woolcowl");
        if (c.pick(" veil", "ar-veil")) c.pick("oollen ", "ar-woolveil");
        break;
    case 83:
        c.tile = "ar-leashoes";
        if (!c.pick("neecops", "ar-kneecops") && !c.pick("lar shin", "ar-lamshgu") && !c.pick("ther shin", "ar-leashgu"))
            c.pick("footrags", "ar-footrags");
        c.pick("len socks", "ar-woolsock");
        if (c.has("apron")) c.tile = c.has("oollen") ? "ar-woapron" : "ar-apron";
        break;
    case 84: c.tile = "ar-mittens"; c.pick("ail ", "ar-mailm"); c.pick("oollen", "ar-woolm"); break;
    case 85: c.tile = "ar-lamhaub"; c.pick("cuir", "ar-lamcui"); break;
    case 86: c.tile = "ar-mailhaub"; c.pick("ong ", "ar-lmailhau"); break;
    case 87: c.tile = "it-bbbask"; break;
    case 88: c.tile = "it-feather"; break;
    case 89: c.tile = "it-bbbox"; break;
    case 90: c.tile = "it-rope"; c.pick("ord", "it-cord"); c.pick("belt", "ar-leabelt"); break;
    case 91: c.tile = "it-scoop"; break;
    case 92: c.tile = "it-firewood"; break;
    case 94: c.tile = "wp-flail"; c.pick("mall ", "wp-sflail"); break;
    case 95:
        c.tile = "wp-spear";
        if (c.pick("taff", "wp-staff")) c.pick("ard ", "wp-hrdstaff");
        c.pick("Javelin", "wp-javelin");
        c.pick("ngo", "wp-ango");
        c.pick("aumolais", "wp-kauspear");
        c.pick("orth", "wp-norspear");
        if (c.pick("rident", "wp-trident")) {
            c.pick("ide ", "wp-widetrid");
            c.pick("mall ", "wp-smatrid");
        }
        break;
    case 96:
        c.pick("lar fore", "ar-lamfagu");
        c.pick("ther fore", "ar-leafagu");
        c.pick("oudes", "ar-coudes");
        c.pick("lar rere", "ar-lamrere");
        break;
    case 97: c.tile = "it-bandage"; break;
    case 98: c.tile = "flo-dogpipe"; break;
    case 99: c.tile = "ar-mailcwl"; c.pick("ong", "ar-lmailcwl"); break;
    case 100: c.tile = "ar-helm"; break;
    case 101: c.tile = "ar-sphelm"; break;
    case 102: c.tile = "flo-milkweed"; break;
    case 103:
        c.tile = "ar-trousers";
        c.pick("ur footwear", "ar-furboots");
        c.pick("oollen trous", "ar-wotrous");
        if (c.has("eggings")) {
            if (!c.pick("ail ", "ar-maillegg") && !c.pick("oollen ", "ar-woollegg")) c.pick("eather ", "ar-lealegg");
            c.pick("ur ", "ar-furlegg");
        }
        break;
    case 104: c.tile = "flo-lakereed"; break;
    case 106: c.tile = "flo-bogbean"; break;
    case 107: c.tile = "flo-mcalla"; break;
    case 108: c.tile = "flo-clayweed"; break;
    case 109: c.tile = "shr-noaidis"; break;
    case 110: c.tile = "shr-blkear"; break;
    case 111: c.tile = "shr-hairy"; break;
    case 113: c.tile = "shr-ycoat"; break;
    case 114: c.tile = "flo-turnip"; break;
    case 115: c.tile = "shr-bearpaw"; c.pick("fingers", "shr-yfingers"); break;
    case 116: c.tile = "ber-straw"; break;
    case 117: c.tile = "ber-crow"; break;
    case 118: c.tile = "it-bag"; c.pick("Skin", "it-wtrskin"); break;
    case 119: c.tile = "ar-necklace"; c.pick("nklet", "ar-anklet"); c.pick("racelet", "ar-bracelet"); break;
    case 120: c.tile = "flo-burdock"; break;
    case 121: c.tile = "fd-fish"; break;
    case 122: c.tile = "ber-blkcur"; break;
    case 123: c.tile = "flo-stncrop"; break;
    case 124: c.tile = "wp-broaxe"; break;
    case 125:
        c.tile = "wp-sword";
        c.pick("Bastard", "wp-bstsword");
        c.pick("Short", "wp-shsword");
        c.pick("Battle", "wp-batsword");
        c.pick("cimitar", "wp-scimitar");
        break;
    case 126: c.tile = "wp-club"; c.pick("orch", "it-torch"); break;
    case 127: c.tile = "wp-caraxe"; break;
    case 128: c.tile = "shr-sand"; c.pick("rowncoat", "shr-bcoat"); c.pick("oft", "shr-soft"); break;
    case 129: c.tile = "shr-ukkos"; break;
    case 130: c.tile = "shr-rlegger"; c.pick("inged", "shr-ringed"); c.pick("gift", "shr-gift"); break;
    case 131: c.tile = "ber-cloud"; break;
    case 132: c.tile = "flo-brdbean"; break;
    case 133: c.tile = "flo-pea"; break;
    case 134: c.tile = "flo-nettle"; break;
    case 135: c.tile = "flo-yarrow"; break;
    case 136: c.tile = "flo-sorrel"; break;
    case 137: c.tile = "flo-meadsw"; break;
    case 138: c.tile = "flo-grod"; break;
    case 139: c.tile = "flo-heather"; break;
    case 140: c.tile = "flo-barley"; break;
    case 141: c.tile = "flo-rye"; break;
    case 142: c.tile = "flo-hemp"; break;
    case 143: c.tile = "flo-bogflo"; break;
    case 144: c.tile = "flo-riverpig"; break;
    case 145: c.tile = "org-meatcut"; if (c.has("fat") || c.has("Fat")) c.tile = "org-fat"; break;
    case 146:
        c.tile = "wp-shortbow";
        c.pick("orthern", "wp-northbow");
        c.pick("rossbow", "wp-crossbow");
        c.pick("unting", "wp-huntbow");
        c.pick("ongbow", "wp-longbow");
        c.pick("uniper", "wp-junipbow");
        break;
    case 147: c.tile = "wp-arrow"; c.pick("lunt", "wp-blarrow"); c.pick("head", "wp-bharrow"); break;
    case 148: c.tile = "it-bread"; if (c.has("Flat ") || c.has("latbread")) c.tile = "it-flbread"; break;
    case 149:
        c.tile = "wp-handaxe";
        c.pick("Stone", "wp-stnaxe");
        c.pick("Battleaxe", "wp-bataxe");
        c.pick("ickle", "wp-sickle");
        break;
    case 150: c.tile = "flo-wlily"; break;
    case 151: c.tile = "ber-lingon"; break;
    case 152: c.tile = "flo-mpipe"; break;
    case 153: c.tile = "ber-blue"; c.pick("bil", "ber-bil"); break;
    case 154: c.tile = "ber-rasp"; break;
    case 155: c.tile = "it-egg"; break;
    default: break;
    }
    return c.tile;
}

int tile_of(const ItemStruct &item) {
    const char *name = ITEM_tilename(item);
    return name[0] ? tile_index_cached(name) : -1;
}

// The first frame of a tile shrunk to a list picture, read once per tile file.
struct SmallPicture {
    char path[OXATILE_PATHLEN];
    int w, h;
    std::vector<uint32_t> argb;    // alpha 0 where the picture is empty
};
SmallPicture small_pictures[OXATILE_MAX];

const SmallPicture *small_picture(int t) {
    if (t < 0 || t >= OXATILE_MAX || !OxaTiles[t].name[0]) return nullptr;
    const OxaTile &tile = OxaTiles[t];
    SmallPicture &p = small_pictures[t];
    if (!strcmp(p.path, tile.path)) return p.argb.empty() ? nullptr : &p;
    copy_bounded(p.path, sizeof p.path, tile.path);
    p.argb.clear();
    SDL_Surface *raw = IMG_Load(tile.path);
    if (!raw) return nullptr;
    SDL_Surface *c = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!c) return nullptr;
    const int fw = tile.width, fh = tile.height;
    if (c->w >= fw + 1 && c->h >= fh + 1 && fw > 0 && fh > 0) {
        const int most = fw > fh ? fw : fh;
        const int side = LIST_PICTURE < most ? LIST_PICTURE : most;
        p.w = fw * side / most;
        p.h = fh * side / most;
        if (p.w < 1) p.w = 1;
        if (p.h < 1) p.h = 1;
        SDL_LockSurface(c);
        auto at = [&](int x, int y) { return ((const uint32_t *)((const uint8_t *)c->pixels + (size_t)y * c->pitch))[x]; };
        const uint32_t key = at(0, 0) & 0xFFFFFF;
        p.argb.resize((size_t)p.w * p.h);
        for (int y = 0; y < p.h; y++)
            for (int x = 0; x < p.w; x++) {
                const uint32_t v = at(1 + x * fw / p.w, 1 + y * fh / p.h);
                const bool empty = (v & 0xFFFFFF) == key || (v >> 24) < 128;
                p.argb[(size_t)y * p.w + x] = empty ? 0 : (v | 0xFF000000u);
            }
        SDL_UnlockSurface(c);
    }
    SDL_FreeSurface(c);
    return p.argb.empty() ? nullptr : &p;
}

// A tile's list picture centred on (cx, cy) of the screen surface.
void draw_small(int t, int cx, int cy) {
    const SmallPicture *p = small_picture(t);
    if (!p || !game_screen) return;
    const int x0 = cx - p->w / 2, y0 = cy - p->h / 2;
    for (int y = 0; y < p->h; y++)
        for (int x = 0; x < p->w; x++) {
            const uint32_t v = p->argb[(size_t)y * p->w + x];
            if (!v) continue;
            const int sx = x0 + x, sy = y0 + y;
            if (sx < 0 || sy < 0 || sx >= game_screen->w || sy >= game_screen->h) continue;
            putpix(sx, sy, SDL_MapRGB(game_screen->format, (v >> 16) & 255, (v >> 8) & 255, v & 255));
        }
}

}  // namespace

char *ITEM_tilename(const ItemStruct &item) {
    char *out = sbuf();
    if (item.tile[0]) {
        memcpy(out, item.tile, sizeof item.tile);
        out[sizeof item.tile] = 0;
        return out;
    }
    char name[41];
    item_name(item, name);
    copy_bounded(out, SBUF_SIZE, by_symbol(item.tilesym, item.id, name));
    return out;
}

void invshow_picture(int x, int y, const ItemStruct &item) {
    int t = tile_of(item);
    if (t < 0) t = tile_index_cached("it-item");
    draw_small(t, x, y);
}

void invshow_inuse(int x, int y, int pos) {
    const ItemStruct item = ObjToItem(pos);
    const int t = tile_of(item);
    if (item.type == IT_ARMOUR && (item.status & ISTAT_WORN) && t >= 0) draw_small(t, x + 9, y + 6);
    if (item.status & (ISTAT_PRIMARY | ISTAT_SECOND)) {
        if (t >= 0) draw_small(t, x + 9, y + 6);
        showtext(x + 20, y + 5, (item.status & ISTAT_PRIMARY) ? "1st" : "2nd", RGB_to_color(240, 230, 140), 1);
    }
    if (item.type == IT_TOOL && item.state != 0 && t >= 0) {
        bool mark = item.subtype == ST_LIGHT || item.subtype == ST_SKIS;
        if (item.subtype == ST_ROPE) {
            const int c = npcleash_check(item);
            mark = c >= 0 && onko_NPC_lieassa(c);
        }
        if (mark) draw_small(t, x + 9, y + 6);
    }
}

// The condition of a record at (x, y): nothing when whole, "empty" for an empty vessel, else a bar.
static void condition(int x, int y, const ItemStruct &item) {
    if (item.weight == item.fullweight) return;
    if (vessel_kind(item) && item.vessel == 0) {
        showtext(x, y, "empty", RGB_to_color(176, 196, 222), 1);
        return;
    }
    if (item.fullweight <= 0.0f) return;
    float pct = (float)(int)(item.weight / item.fullweight * 100.0f);
    if (pct < 0) pct = 0;
    if (pct > 100) pct = 100;
    progress_meter(x, y - 2, 30, pct);
}

void invshow_wear(int x, int y, int pos) { condition(x, y, ObjToItem(pos)); }

// Material lines and requirement ids: the lists a recipe is read into, the names, labels and hints
// of every id, the selection details the item screen gets, and the naming word of a product.
#include "items/materials.h"

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "items/items_int.h"
#include "items/recipes.h"
#include "core/notes.h"
#include "core/tekstit.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Tarvike_Struct Tarvike;
Tarvike_Struct Tarvikelista[TARVIKE_MAX];
Tarvike_Struct Kayttolista[TARVIKE_MAX];
int KasityoLista[TARVIKE_MAX];
char Tarvikelista_TITLE[100];
Edat_Struct Edat;

// Type sets of the item screen's negative filter: bit n set for item type n.
enum { TYPES_CLOTH = (1u << 2) | (1u << 5), TYPES_TANNING = (1u << 7) | (1u << 8), TYPESET = 0x80000000u };

struct ReqId {
    int id;
    const char *name;              // null: the definition's name
    const char *label;             // null: the display name
    const char *hint;
    uint32_t filter;
    const char *select_hint;       // null: the line hint
};

static const ReqId REQ_IDS[] = {
    {50, "Axe", nullptr, nullptr, 1, nullptr},
    {51, "Knife", nullptr, nullptr, 1, nullptr},
    {52, nullptr, "Carcass", nullptr, 0, nullptr},
    {53, "Cutting weapon", nullptr, nullptr, 1, nullptr},
    {54, "Cutting weapon or by hand", nullptr, "To do the this by hand just skip the item selection.", 1, nullptr},
    {55, "Water", nullptr, nullptr, 3, nullptr},
    {56, "Fire", nullptr, nullptr, 7, nullptr},
    {57, nullptr, "Salt", nullptr, 0, nullptr},
    {58, nullptr, "A heated room", "You need to be in a heated room or a building, preferably a sauna.", 0, nullptr},
    {59, nullptr, "Dry and cold weather", "Winter months, especially those of early spring, are suitable for the task.", 0, nullptr},
    {60, nullptr, "A place for drying meat/fish", "Drying rack or outer wall of a building is required", 0, nullptr},
    {61, "Flour", nullptr, nullptr, 7, nullptr},
    {62, nullptr, "Heated fireplace or embers", nullptr, 0, nullptr},
    {63, nullptr, "Place for soaking", "You need to be by open water for a proper soaking.", 0, nullptr},
    {64, nullptr, "Workbench or working surface", "A table, bench or even a big tree trunk will do as a workbench at which manual work is done.", 0, nullptr},
    {65, "Heated fireplace", nullptr, "A fireplace can be used as an oven after burning proper amount of wood there, but not before the fire has completely burnt out.", 0, nullptr},
    {69, "Milk", nullptr, nullptr, 3, nullptr},
    {70, "Cover for kota", nullptr, "Leather or fur of a large animal - typically reindeer leather.", 5, "Leather or fur of a large animal - typically reindeer hide."},
    {100, "Broad axe", nullptr, nullptr, 1, nullptr},
    {101, "Carving axe", nullptr, nullptr, 1, nullptr},
    {102, "Woodsman's axe", nullptr, nullptr, 1, nullptr},
    {103, "Stone-axe", nullptr, nullptr, 1, nullptr},
    {104, "Splitting axe", nullptr, nullptr, 1, nullptr},
    {105, "Handaxe", nullptr, nullptr, 1, nullptr},
    {140, "Flail", nullptr, nullptr, 1, nullptr},
    {141, "Sickle", nullptr, nullptr, 0, nullptr},
    {150, "Small knife", nullptr, nullptr, 1, nullptr},
    {151, "Broad knife", nullptr, nullptr, 1, nullptr},
    {153, "Northern knife", nullptr, nullptr, 1, nullptr},
    {154, "Kaumolais knife", nullptr, nullptr, 1, nullptr},
    {155, "Fisher's knife", nullptr, nullptr, 1, nullptr},
    {200, "Log", nullptr, nullptr, 8, nullptr},
    {201, "Slender trunk", nullptr, "Fell small trees to get these.", 8, nullptr},
    {202, "Spruce twig", "Spruce twigs", "Use TIMBERCRAFT skill to cut twigs from a spruce.", 8, nullptr},
    {203, nullptr, "Branch", nullptr, 0, nullptr},
    {204, "Birch twig", nullptr, nullptr, 8, "Use TIMBERCRAFT skill to cut twigs from a birch."},
    {220, "Beater", nullptr, "A club is the most useful beater but stones or pieces of firewood will work as a beater as well.", 1, nullptr},
    {221, "Threshing tool", nullptr, "Almost any stave or staff and even a club can be used as a primitive threshing tool if no proper flail is available.", 1,
     "Almost any stave, staff and even a club can be used as a primitive threshing tool if proper flail isn't available."},
    {230, "Vasta", nullptr, nullptr, 0, nullptr},
    {300, "Stone", nullptr, nullptr, 1, nullptr},
    {309, "Shovel", nullptr, nullptr, 6, nullptr},
    {311, "Wooden shovel", nullptr, nullptr, 6, nullptr},
    {320, nullptr, "Weapon to break ice", "A spear or an axe for example", 0, nullptr},
    {327, "Cord", nullptr, nullptr, 6, nullptr},
    {330, "Tying equipment", nullptr, "A rope, cord or withes. You can craft various tying equipment by yourself.", 6,
     "A rope, a cord and so on. You can make these by yourself also."},
    {331, "Pot", nullptr, nullptr, 3, nullptr},
    {333, "Rope", nullptr, nullptr, 6, nullptr},
    {334, "Staff", nullptr, nullptr, 1, nullptr},
    {335, nullptr, "Arrow shaft", "A straight and stiff branch will work as an arrow shaft.", 0, nullptr},
    {336, nullptr, "Small rock", nullptr, 0, nullptr},
    {337, "Cloth", nullptr, "Piece of clothing, leather or fur.", TYPESET | TYPES_CLOTH, nullptr},
    {370, "Cooking pot", nullptr, nullptr, 3, nullptr},
    {374, "Container", nullptr, nullptr, 3, nullptr},
    {375, "Container", nullptr, nullptr, 3, nullptr},
    {380, "Grinding stone", nullptr, "Almost any big stone can be used as a primitive grinding stone.", 1, nullptr},
    {399, "Sapling", nullptr, "Like any trees, saplings can be felled by using timbercraft skill.", 8, "Felled tree sapling."},
    {400, "Tree trunk", nullptr, "Fell down big trees for tree trunks", 8, nullptr},
    {401, "Block of wood", nullptr, "You can chop a trunk into blocks by using timbercraft skill.", 8, nullptr},
    {403, nullptr, "Board", "You can split boards from big trunks by using a timbercraft skill.", 0, nullptr},
    {404, "Wooden stake", nullptr, "Wooden stakes can be made from slender tree trunks via [M]ake-menu.", 8,
     "Wooden stakes can be made from slender tree trunks."},
    {407, "Birch-bark strip", nullptr, "Birch-bark can be harvested by using the TIMBERCRAFT skill.", 8, nullptr},
    {408, "Tooth", nullptr, nullptr, 0, nullptr},
    {410, nullptr, "Fresh animal skin", nullptr, 0, nullptr},
    {412, "Animal hide", "Fur", "Use your hideworking skill to tan a skin of a fur-bearing animal to get hide.", TYPESET | TYPES_CLOTH,
     "Use hideworking skill to tan a skin of a fur-bearing animal to get hide."},
    {413, "Leather", nullptr, "Use your hideworking skill to tan a skin of non fur-bearing animal to get leather.", TYPESET | TYPES_CLOTH, nullptr},
    {414, nullptr, "Tanning material", "Either tree bark (harvested with timbercraft skill) or animal fat can be used as tanning material.",
     TYPESET | TYPES_TANNING, "Either alder/willow bark (peeled by using timbercraft skill) or animal fat can be used as a tanning material."},
    {416, "Skull", nullptr, nullptr, 0, nullptr},
    {417, "Antler", nullptr, nullptr, 0, nullptr},
    {418, "Feather", nullptr, nullptr, 0, nullptr},
    {419, "Bone", nullptr, nullptr, 0, nullptr},
    {420, "Raw ingredients", nullptr, "Any unprepared meat, fish, mushrooms, berries, vegetables or herbs.", 7, nullptr},
    {421, "Seasoning", nullptr, "Various seeds and leaves can be used to bring extra flavour or nutritional value to food.", 7, nullptr},
    {430, "Grasses", nullptr, nullptr, 11, nullptr},
    {431, "Berries", nullptr, nullptr, 7, nullptr},
    {432, "Pods", nullptr, nullptr, 7, nullptr},
    {433, "Root vegetables", nullptr, nullptr, 7, nullptr},
    {434, "Seeds", nullptr, nullptr, 7, nullptr},
    {435, "Grains", nullptr, nullptr, 7, nullptr},
    {436, "Herbs", nullptr, "Flowers and leaves of various plants, which can be harvested by using the AGRICULTURE skill.", 7, nullptr},
    {437, "Flowers", nullptr, nullptr, 7, nullptr},
    {480, "Turnip", nullptr, nullptr, 7, nullptr},
    {481, "Vegetables", nullptr, "Turnips, beans, cabbages, peas or similar - excluding berries and mushrooms.", 7,
     "Any vegetables excluding berries and mushrooms."},
    {490, "Raw fish", nullptr, nullptr, 7, nullptr},
    {495, "Raw meat or fish", nullptr, nullptr, 7, nullptr},
    {500, "Raw meat", nullptr, nullptr, 7, nullptr},
    {513, "Mushrooms", nullptr, nullptr, 7, nullptr},
    {515, nullptr, "Fistful of peas", nullptr, 0, nullptr},
    {516, nullptr, "Fistful of broad beans", nullptr, 0, nullptr},
    {600, nullptr, "Bandages", "You make bandages out of your clothes by using [M]ake command", 0, nullptr},
};

static const ReqId *req_row(int id) {
    for (const ReqId &r : REQ_IDS)
        if (r.id == id) return &r;
    return nullptr;
}

const char *Esineen_Nimi(int id) {
    static const char SPECIFIC[] = "A specific item";
    if (id == 0) return SPECIFIC;
    const ReqId *r = req_row(id);
    if (r && r->name) return r->name;
    if (id < 0) return SPECIFIC;
    const char *d = ID_oc_descr(id);
    return d && d[0] ? d : SPECIFIC;
}

const char *Esineen_Label(int id) {
    const ReqId *r = req_row(id);
    return r && r->label ? r->label : "";
}

const char *Esineen_Hint(int id) {
    const ReqId *r = req_row(id);
    return r && r->hint ? r->hint : "";
}

void setEdat(uint32_t filter, const char *name, const char *hint, int, uint32_t options) {
    Edat.filter = filter;
    Edat.options = options;
    if (name) copy_bounded(Edat.name, sizeof Edat.name, name);
    if (hint) copy_bounded(Edat.hint, sizeof Edat.hint, hint);
}

void Ecraftvar(Edat_Struct *out, int id, const char *text) {
    memset(&Edat, 0, sizeof Edat);
    if (id == REQ_FREETEXT) {
        if (text && strstr(StrUpr(text), "SAPLING")) setEdat(8, "Sapling", "Felled tree sapling.", 0, 0);
    } else if (const ReqId *r = req_row(id)) {
        const char *name = id == 412 ? "Fur" : id == 370 ? "Cooking pot" : Esineen_Nimi(id);
        setEdat(r->filter, name, r->select_hint ? r->select_hint : r->hint ? r->hint : "", 0, id == 374 ? 8192 : 0);
    }
    if (out && out != &Edat) *out = Edat;
}

// ---- the lists ---------------------------------------------------------------------------------

static void cleared_line(Tarvike_Struct &t) {
    memset(&t, 0, sizeof t);
    t.count = 1;
    t.max_count = 1000;
}

void Tyhjaa_Tarvike() { cleared_line(Tarvike); }

void Tyhjaa_Tarvikelista() {
    memset(Kayttolista, 0, sizeof Kayttolista);
    memset(KasityoLista, 0, sizeof KasityoLista);
    for (Tarvike_Struct &t : Tarvikelista) cleared_line(t);
}

void Tyhjaa_NPC_Tarvikelista(Tarvike_Struct (&list)[NPC_TARVIKE_MAX]) {
    for (Tarvike_Struct &t : list) cleared_line(t);
}

// The built-in label and hint go in unless the line brought a label of its own.
static void complete_label(Tarvike_Struct &t) {
    if (t.id == REQ_FREETEXT) {
        if (!t.label[0] || t.label[0] == '+') copy_bounded(t.label, sizeof t.label, t.rawname);
        return;
    }
    if (t.label[0] && t.label[0] != '+') return;
    char saved[100];
    copy_bounded(saved, sizeof saved, t.label);
    const char *label = Esineen_Label((int)t.id);
    copy_bounded(t.label, sizeof t.label, label[0] ? label : Esineen_Nimi((int)t.id));
    copy_bounded(t.hint, sizeof t.hint, Esineen_Hint((int)t.id));
    if (saved[0] == '+') {
        size_t n = strlen(t.label);
        bprintf(t.label + n, sizeof t.label - n, " %s", saved + 1);
    }
}

void Lisaa_Tarvike() {
    complete_label(Tarvike);
    for (Tarvike_Struct &t : Tarvikelista)
        if (t.id == 0) {
            t = Tarvike;
            return;
        }
}

void Lisaa_Tarvike_Ensimmaiseksi() {
    memmove(&Tarvikelista[1], &Tarvikelista[0], sizeof(Tarvike_Struct) * (TARVIKE_MAX - 1));
    Tarvikelista[0] = Tarvike;
}

void Lisaa_NPC_Tarvike(Tarvike_Struct (&list)[NPC_TARVIKE_MAX]) {
    for (Tarvike_Struct &t : list)
        if (t.id == 0) {
            t = Tarvike;
            return;
        }
}

void lisaa_KasityoLista_kielletty(int item) {
    for (int &k : KasityoLista)
        if (k == 0) {
            k = item;
            return;
        }
}

int Kayttolista_Lisaa(const Tarvike_Struct &line) {
    for (int i = 0; i < TARVIKE_MAX; i++)
        if (Kayttolista[i].id == 0) {
            Kayttolista[i] = line;
            return i;
        }
    return -1;
}

// The first id 0..999 whose display name is the text exactly; -1 none.
static int id_by_name(const char *text) {
    if (!text[0]) return -1;
    for (int id = 0; id < 1000; id++)
        if (strcmp(Esineen_Nimi(id), text) == 0) return id;
    return -1;
}

static uint32_t line_number(const char *v, uint32_t def) {
    if (!v[0]) return def;
    long n = strtol(v, nullptr, 10);
    return n < 0 ? 0 : n > 100000 ? 100000 : (uint32_t)n;
}

void pura_esinetarvinta(const char *line) {
    Tyhjaa_Tarvike();
    char v[TEKO_VALUE_MAX + 1];
    teko_tag(line, '{', '}', v);
    if (v[0]) {
        int id = id_by_name(v);
        if (id >= 0) Tarvike.id = (uint32_t)id;
        else {
            Tarvike.id = REQ_FREETEXT;
            copy_bounded(Tarvike.rawname, sizeof Tarvike.rawname, v);
        }
    }
    copy_bounded(Tarvike.label, sizeof Tarvike.label, teko_tag(line, '\'', '\'', v));
    Tarvike.count = line_number(teko_tag(line, '(', ')', v), 1);
    float amount = (float)atof(teko_tag(line, '#', '#', v));
    Tarvike.amount = amount > 0 && amount < 100000 ? amount : 0;
    Tarvike.length = line_number(teko_tag(line, '=', '=', v), 0);
    teko_tag(line, '<', '>', v);
    int linked = id_by_name(v);
    Tarvike.linked = linked > 0 ? (uint32_t)linked : 0;
    Tarvike.remove = strstr(line, "[remove]") ? 1 : 0;
    Tarvike.noquality = strstr(line, "[noquality]") ? 1 : 0;
    Tarvike.ground = strstr(line, "[ground]") ? 1 : 0;
    Tarvike.optional = strstr(line, "[optional]") ? 1 : 0;
    if (strstr(line, "[container]")) Tarvike.container = 1, Tarvike.remove = 1;
    if (strstr(line, "[ask_num]")) {
        Tarvike.max_count = Tarvike.count;
        Tarvike.count = 0;
    }
    if (strstr(line, "[name") && teko_bracket(line, "name", v)) {
        Tarvike.naming = NAMING_FIXED;
        copy_bounded(Tarvike.naming_text, sizeof Tarvike.naming_text, v);
    }
    if (strstr(line, "[naming") && teko_bracket(line, "naming", v)) {
        if (strstr(v, "original")) Tarvike.naming = NAMING_ORIGINAL;
        if (strstr(v, "last word")) Tarvike.naming = NAMING_LASTWORD;
    }
    Tarvike.first_count = Tarvike.count;
    Tarvike.first_amount = Tarvike.amount;
}

// ---- lookups -----------------------------------------------------------------------------------

int TK_listalaatu(int line) {
    if (line < 0 || line >= TARVIKE_MAX) return 0;
    const Tarvike_Struct &t = Tarvikelista[line];
    if (t.id == 0 || t.id == OID_CARCASS || t.itempos <= 1 || t.remove) return 0;
    ItemStruct it = ObjToItem((int)t.itempos);
    return ItemGet_laatu(&it);
}

int Tarvikelista_OmaMaaraLkm() {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++)
        if (Kayttolista[i].chosen) return (int)Kayttolista[i].count;
    return 0;
}

int SailioValmistuvalle() {
    for (int i = 0; i < TARVIKE_MAX && Tarvikelista[i].id; i++)
        if (Tarvikelista[i].container) return i;
    return -1;
}

void ExtraSelite(int line) {
    if (line < 0 || line >= TARVIKE_MAX || !Tarvikelista[line].hint[0]) return;
    char text[260];
    bprintf(text, sizeof text, "_(%s)", Tarvikelista[line].hint);
    Note(text);
}

char *Hae_Nimittajateksti(const char *product) {
    static char out[200];
    out[0] = 0;
    char word[100] = "";
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (!t.naming || t.itempos <= 1) continue;
        char w[100];
        if (t.naming == NAMING_FIXED) copy_bounded(w, sizeof w, t.naming_text);
        else copy_bounded(w, sizeof w, Esineen_Raakanimi(t.naming, ObjToItem((int)t.itempos)));
        if (!word[0]) copy_bounded(word, sizeof word, w);
        else if (strcmp(word, w) != 0) copy_bounded(word, sizeof word, "Mixed");
    }
    if (word[0]) bprintf(out, sizeof out, "%s %s", word, StrLwr(product ? product : ""));
    return out;
}

int definition_by_name(const char *name) {
    if (!name || !name[0]) return -1;
    char want[64];
    copy_bounded(want, sizeof want, StrUpr(name));
    char n[41];
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (it.type == IT_NONE || !it.name[0]) continue;
        if (strcmp(StrUpr(item_name(it, n)), want) == 0) return r;
    }
    return -1;
}

int recipe_resolve(const char *header, int *id, int *row) {
    *id = Tekoheader_esine_id(header);
    char name[TEKO_VALUE_MAX + 1];
    copy_bounded(name, sizeof name, Tekoheader_esine(header));
    *row = -1;
    char base[TEKO_VALUE_MAX + 1];
    copy_bounded(base, sizeof base, Tekoheader_customesine(header));
    if (base[0]) *row = definition_by_name(base);
    if (*row < 0) *row = definition_by_name(name);
    if (*row < 0 && *id > 0) *row = ID_object(*id);
    return *id > 0 || *row > 0;
}

int kl() {
    int shown = 0;
    for (int i = 0; i < TARVIKE_MAX; i++) {
        const Tarvike_Struct &t = Kayttolista[i];
        if (t.id == 0) continue;
        const char *from = t.source == TSRC_GROUND ? "ground" : t.source == TSRC_INV ? "pack" : "-";
        char line[NOTE_SIZE];
        snprintf(line, sizeof line, "kl #%d %s [%u] %s: pos %u x%u %.2f lb", i, Esineen_Nimi((int)t.id), t.id, from,
                 t.itempos, t.count, (double)t.amount);
        Note(line);
        shown++;
    }
    if (!shown) Note("kl: empty");
    return shown;
}

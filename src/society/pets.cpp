// src/society/pets.cpp -- the player's animals and the animals a village sells: the command menu a pet
// gets instead of a talk, naming it, the list of animals for sale in a settlement, and the bought
// animal brought to her with a rope.
#include <cstdio>
#include <cstring>

#include "activities/food.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/animals.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "creatures/crestep.h"
#include "creatures/decisions.h"
#include "core/carcassdesc.h"
#include "creatures/lifeask.h"
#include "creatures/melee_aside.h"
#include "creatures/outfit.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/picker.h"
#include "society/chat.h"
#include "society/companions.h"
#include "society/chat_topics.h"
#include "society/trade.h"
#include "items/inventory.h"

int Animal[ANIMALS_FOR_SALE];
char AnimalDesc[ANIMALS_FOR_SALE][100];
float AnimalPrice[ANIMALS_FOR_SALE];
int LastAnimalsKept;

enum {
    SPECIES_CODES = 1000,          // species codes run below this
    PET_NEAR = 10,                 // squares within which a pet hears an ordinary word
    PET_GROUP_REACH = 50,
    PET_GROUP_MAX = 100,
    PET_NAME_MAX = 15,
};
// The owner bits of a pet: it obeys her; she called it to come.
enum : uint8_t { OB_OBEYS = 1, OB_CALLED = 4 };
// The domestic byte of an animal that is nobody's but its owner's: a domestic animal, tied to no post.
enum : uint8_t { DOMESTIC_LOOSE = 2 };

static bool live(int n) { return ask_valid(n) && Cre[n].mode != CM_CARCASS; }

static int distance_to_player(int n) {
    int x, y;
    if (!creature_square(n, x, y)) return 1000;
    return koordinaattien_vali(x, y, PlayerX, PlayerY);
}

// ---- animals for sale ----

void Make_Animal_List() {
    memset(Animal, 0, sizeof Animal);
    memset(AnimalDesc, 0, sizeof AnimalDesc);
    memset(AnimalPrice, 0, sizeof AnimalPrice);
    LastAnimalsKept = 0;
    if (!is_settled_area(IsoX(), IsoY(), 0)) return;
    static uint16_t met[SPECIES_CODES];
    memset(met, 0, sizeof met);
    int listed = 0;
    for (int i = 0; i < DATA_MAX && listed < ANIMALS_FOR_SALE; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = datapos_Crepos(i);
        if (!live(c) || !npcKotielain(c) || onko_NPC_kesyelain(c)) continue;
        const uint32_t species = Cre[c].speciescode;
        if (species >= SPECIES_CODES) continue;
        char desc[100];
        snprintf(desc, sizeof desc, "%s%s", s_NPC_sizedesc(c), monnam(c, 4));
        if (++met[species] <= 2) {   // the first two of a kind stay with the village
            LastAnimalsKept = 1;
            continue;
        }
        bool same_desc = false;
        int same_kind = 0;
        for (int k = 0; k < listed; k++) {
            if (!strcmp(AnimalDesc[k], desc)) same_desc = true;
            const CreatureStruct &o = Cre[Animal[k]];
            if (o.speciescode == species && (o.sexage & 1) == (Cre[c].sexage & 1)) same_kind++;
        }
        if (same_desc || same_kind >= 2) continue;
        Animal[listed] = c;
        AnimalPrice[listed] = (float)elainhinta(c);
        copy_bounded(AnimalDesc[listed], sizeof AnimalDesc[listed], desc);
        listed++;
    }
}

int NonDogCre_From_Animal_List() {
    for (int a : Animal)
        if (a > 0 && a < CRE_COUNT && Cre[a].speciescode != SPECIES_DOG) return a;
    return -1000;
}

// A free square beside the player that the animal could be set down on; false when none.
static bool square_beside_player(int &x, int &y) {
    static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    for (int d = 0; d < 8; d++)
        if (crestep_free_square(PlayerX + dx[d], PlayerY + dy[d])) {
            x = PlayerX + dx[d];
            y = PlayerY + dy[d];
            return true;
        }
    return false;
}

int BringAnimal() {
    const int slot = Trade_ItemLoop;
    if (slot < 0 || slot >= ANIMALS_FOR_SALE) return 0;
    const int n = Animal[slot];
    if (n <= 0 || n >= CRE_COUNT || !live(n)) {
        Note("!The animal you bought is nowhere to be found.");
        return 0;
    }
    CreatureStruct &c = Cre[n];
    int x, y;
    if (square_beside_player(x, y)) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + n)) {
                Data[i].x = (uint16_t)x;
                Data[i].y = (uint16_t)y;
            }
        c.Viimeisin_X = x;
        c.Viimeisin_Y = y;
        tyhjenna_liikehistoria(n);
    } else {
        TARGET_NPC = n;
        Note(MSG("PET_BOUGHT_WAITS"));
    }
    Keskeyta_Puuha(n, -1);
    c.mode = 0;
    c.role = 0;
    c.domestic = DOMESTIC_LOOSE;
    c.memberbits = (uint8_t)(c.memberbits & ~MB_GOHOME);   // its pen is no longer its home
    set_CrePetAndMaster(n, CRE_PLAYER);                     // hers, and it obeys her
    const int cap = maxenergiavaranto(n);
    c.energy = (int16_t)(cap > 32767 ? 32767 : cap < 0 ? 0 : cap);
    const int rope = object("ROPE", 1);
    if (rope > 0) AddNewItem(rope, 1);
    Animal[slot] = 0;
    return 1;
}

// ---- naming ----

// One line typed key by key, at most max characters; false after ESC or an empty line.
static bool type_line(char *out, int max) {
    int len = 0;
    out[0] = 0;
    for (int keys = 0; keys < 256; keys++) {
        const int k = getkey();
        if (k == KEY_ESC || CLOSE_WINDOW || WindowClosed()) {
            out[0] = 0;
            return false;
        }
        if (k <= 0) continue;   // the mouse moved, or an idle tick
        if (k == KEY_ENTER || k == '\n') break;
        if (k == KEY_BACKSPACE) {
            if (len > 0) out[--len] = 0;
        } else if (k >= 32 && k < 127 && len < max) {
            out[len++] = (char)k;
            out[len] = 0;
        }
        com(out);
    }
    com("");
    return len > 0;
}

void christen(int cre) {
    if (!live(cre)) return;
    char line[200];
    snprintf(line, sizeof line, "?What do you want to call %s?", monnam(cre, 6));
    Note(line);
    Note("#Type a name: ");
    char name[PET_NAME_MAX + 1];
    if (!type_line(name, PET_NAME_MAX)) {
        Note("!Canceled.");
        return;
    }
    CreatureStruct &c = Cre[cre];
    memset(c.pname, 0, sizeof c.pname);
    copy_bounded(c.pname, sizeof c.pname, name);
    c.namebits |= 3;   // named, and the name known
    TARGET_NPC = cre;
    Note(MSG("SOUND_NORMAL"));
}

// ---- the pet's command menu ----

struct PetGroup {
    int n = 0;
    int pets[PET_GROUP_MAX];
};

static PetGroup pet_group(int cre) {
    PetGroup g;
    for (int i = 0; i < DATA_MAX && g.n < PET_GROUP_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = datapos_Crepos(i);
        if (!live(c) || !onko_NPC_kesyelain(c) || Cre[c].speciescode != Cre[cre].speciescode) continue;
        if (koordinaattien_vali(Data[i].x, Data[i].y, PlayerX, PlayerY) > PET_GROUP_REACH) continue;
        bool have = false;
        for (int k = 0; k < g.n; k++) have = have || g.pets[k] == c;
        if (!have) g.pets[g.n++] = c;
    }
    return g;
}

// The entries of the menu as it stands; the number of entries, and whether any order is out of earshot.
int pet_menu_entries(int cre, int far, int group_mode, int group_size, int *out_of_earshot) {
    const CreatureStruct &c = Cre[cre];
    const int dist = distance_to_player(cre);
    const bool near = dist <= PET_NEAR;
    const char *all = group_mode ? " (all)" : "";
    char text[60];
    int entries = 0;
    *out_of_earshot = 0;
    Valinta_Tyhjaa();
    if ((compword(cre) & (CF_HUNGRY | CF_STARVING)) && !far && near) {
        snprintf(text, sizeof text, "Eat now%s", all);
        Valinta_Lisaa('E', text), entries++;
    }
    if (c.speciescode == SPECIES_DOG) {
        snprintf(text, sizeof text, "Attack%s", all);
        Valinta_Lisaa('A', text), entries++;
    }
    if (!group_mode && !onko_NPC_lieassa(cre) && (c.ownerbits & OB_OBEYS)) {
        if (c.partyflags & PF_STAY) {
            Valinta_Lisaa('F', "Follow"), entries++;
        } else {
            if (!far && near) Valinta_Lisaa('S', "Stay"), entries++;
            else *out_of_earshot = 1;
            if (dist > 2) Valinta_Lisaa('C', "Come"), entries++;
        }
    }
    if (!group_mode) {
        if (!far && near) Valinta_Lisaa('N', "I shall name you..."), entries++;
        else if (!near) *out_of_earshot = 1;
    }
    if (group_size > 1) {
        Valinta_Lisaa(-1, "");
        if (group_mode) Valinta_Lisaa('-', "Group command off");
        else Valinta_Lisaa('+', "Group command");
    }
    return entries;
}

static void pets_attack(int cre, const PetGroup &g, bool group_mode) {
    if (group_mode) order_attack(g.pets, g.n, "target");
    else order_attack(&cre, 1, "target");
}

void do_petchat(int cre, int far) {
    if (!live(cre)) return;
    TARGET_NPC = cre;
    const PetGroup g = pet_group(cre);
    bool group_mode = false;
    for (;;) {
        int out_of_earshot = 0;
        const int entries = pet_menu_entries(cre, far, group_mode, g.n, &out_of_earshot);
        if (entries == 0) {
            if (distance_to_player(cre) > PET_NEAR) {
                TARGET_NPC = cre;
                Note(MSG("TALK_FAR_AWAY"));
            }
            return;
        }
        if (out_of_earshot && !far) Note("?It's too far to respond, but you can still shout these commands.");
        char title[120];
        if (group_mode) copy_bounded(title, sizeof title, "ANIMAL GROUP COMMANDS");
        else snprintf(title, sizeof title, "ANIMAL COMMANDS: %s", monnam(cre, 0));
        NOUPDATE_RC = 1;
        int k = TeeValinta(title);
        NOUPDATE_RC = 0;
        if (k >= 'a' && k <= 'z') k -= 32;
        CreatureStruct &c = Cre[cre];
        TARGET_NPC = cre;
        switch (k) {
        case '+': group_mode = true; continue;
        case '-': group_mode = false; continue;
        case 'C':
        case 'F':
            Note(MSG("PET_PHRASE:COME"));
            c.partyflags &= ~PF_STAY;
            c.ownerbits |= OB_CALLED;
            Keskeyta_Puuha(cre, -1);
            noisy_agree(cre);
            return;
        case 'E':
            if (group_mode)
                for (int i = 0; i < g.n; i++) feedtrigger(g.pets[i]);
            else feedtrigger(cre);
            return;
        case 'N': christen(cre); return;
        case 'S':
            Note(MSG("PET_PHRASE:STAY"));
            if (!tell_stay(cre)) noisy_disagree(cre);
            return;
        case 'A': pets_attack(cre, g, group_mode); return;
        default: return;
        }
    }
}

// src/items/inventory.h -- the player's 100 inventory slots and a creature's pack of 20: taking
// units out, closing gaps, carry limits, the pick-up table of a square and the key letters of a list.
#pragma once

// Takes up to n units out of a player slot (the gap closed); answers the units removed.
int Poista_PlrItem(int slot, int n);
// The same, leaving an emptied slot where it is (the caller still walks the slots by number).
int Poista_PlrItem_NoCrunch(int slot, int n);
int Poista_NpcItem(int creature, int slot, int n);
// Closes every gap of the player's slots; each slot's per-slot byte moves with its item.
void CrunchItems();
int PlrGotESINE(unsigned id);      // 1 when a slot holds an item of the object id
int plr_naked();                   // 1 when no worn clothing or armour is carried
int cancarryWT(int creature, float weight);
int cancarry(int creature, int position, int n);   // with its refusal note for the player

// The per-slot byte of the player's slots (bit 0: chosen for the current material line).
unsigned char &plr_slotbyte(int slot);
int plr_bodyweight();              // pounds

// ---- picking up from a square ----
enum { SIIRTO_MAX = 100, SIIRTO_SHOWN = 20 };
extern int siirtotaulukko[SIIRTO_MAX];
extern int siirtopos, poimintatapa, ilmoitusasiat, POIMINTATAPA_KASVIT;
extern int alkumaara, edellinen_siirtopos, poistu, edellinen_kohta;
extern int DEBUG_aika_ja_esineet;
void Alusta_Esinepoiminta(int mode);
// Fills the pick-up table with the pool records of the square that may be picked up; answers
// their number (at most 20), -1 when something was refused and nothing is left, else 0.
int Siirra_Esineet(int x, int y);

// The key letters of the rows of an item list, in order.
extern char NAPPAIN[1024];

// The slot's item becomes one unit with its own object record; the rest of the stack goes to the
// next free slots, and an unpaid unit's debt follows it to its new record.
void Slotista_Uniikki(int slot);
void pollution();                  // the command "D": discard own items here for good

// The farming kit into the player's pack: pods, grains and seeds three times over, and a shovel.
void plradd_agriculture_tools();
// A new item of the object row called `name` into the player's inventory; nothing when none is called so.
void add_named(const char *name, int count);

// ---- adding to the slots, their state bits and the worn armour ----
void AddItem(int obj, int count, int mode);
int  Lisaa_Inventoryyn(int obj, int count, int mode, int pos);   // slot used; 99 on the ground
// The rest of a stack split in the pack: it adds nothing to the load, so it stays in the pack while
// any slot is free, however many stacks she carries. Slot used; 99 on the ground.
int  Lisaa_Jaon_Loput(int obj, int count, int mode, int pos);
int AddNewItem(int obj, int count);   // 0 when the object table had no room: nothing added
int  CheckIfSame(int obj);         // first slot holding an equal stored item, or -1
int  Yhdista_Slottiin(int slot);
void item_to_plrobj(int slot);
int  Status(int rec, int bits);
void StatusSet(int rec, int bits);
void StatusUnset(int rec, int bits);
int  DropItem(int count, int obj, int x, int y);
void wear_armours();

// ---- the carried load ----
// Recounts the carried load of the player (-1) or a creature, and for the player which villages' goods
// she carries unpaid or taken; answers it in pounds.
float laske_Load_value(int who);
void laske_Load(int who);   // the same, the answer left

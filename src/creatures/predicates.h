// src/creatures/predicates.h -- what the game asks about a creature by its number: what it is, what
// it does, whom it belongs to, whether it is awake; the social roles of village people; the marks
// and value of what a creature carries. Unless said otherwise the player (-1) answers 0.
#pragma once

#include "core/creatures.h"   // is_tied, sukeltaako_NPC
#include "core/crefunc.h"     // is_human, onko_NPC_lintu, onko_NPC_nainen, is_socmember
#include "maps/mapunit.h"     // distance_from_plr

// ---- what it is ----
int onko_JOKU_elain(int n);           // an animal: kind not 1
int onko_NPC_haltija(int n);          // kind 50
int onko_JOKU_petoelain(int n);       // a predator; the player counts as one
int syo_kasveja(int n, int which);    // eats plants by diet word 1, 2 or (0) either
int onko_NPC_lihansyoja(int n);
int is_cub(int n);                    // a young animal
int onko_NPC_lapsi(int n);            // role 15
int onko_NPC_parantaja(int n);        // role 13
int onko_NPC_rosvo(int n);            // role 20
int onko_NPC_lieassa(int n);          // role 9: on a leash
int onko_NPC_aikamies(int n);         // a grown man
int onko_NPC_vanhus(int n);           // an old person
int onko_NPC_vanhamies(int n);
int onko_NPC_neito(int n);            // a maiden
int lentaako_NPC(int n);              // flying; any negative n answers 0
int saalistaako_NPC(int n);           // hunting
int taisteleeko_NPC(int n);           // fighting
int pakeneeko_NPC(int n);             // fleeing
int onko_NPC_vesielaja(int n);        // a water creature; -1 the template `Creature`
int nukkuuko_NPC(int n);              // asleep
int onko_NPC_vapaa_reagoimaan(int n); // free to react
int onko_noiduttuelain(int n);        // a bewitched animal
int maxenergiavaranto(int n);         // energy cap of the player (-1) or creature n
int onko_noiduttupaastetty(int n);    // a bewitched animal released
int onko_vironsusi(int n);            // a bewitched wolf
int onko_NPC_rohkea(int n);           // brave: a skill above 70
int onko_NPC_kesyelain(int n);        // the player's pet
int onko_NPC_jonkun_kesyelain(int n, int m);   // pet of creature m (-1 the player)
int npcKotielain(int n);              // a domestic animal
int is_socanimal(int n);              // an animal not kept by the player
int is_armed(int n);
int onko_NPC_tarkea_olento(int n);    // important: the game keeps it; the player too

// ---- other queries ----
int COMBATPROFILE(int n);             // posture (the player: her condition)
float olennon_keskipiste(int n);      // height factor of its centre
int onko_NPC_hereillaoloaika(int n);  // awake at this hour
int NPCn_omistajan_sotu(int n);       // the owner's social id, or -1000
int onko_NPClla_kesyelain(int m);     // the first live pet of m; -1000 none
void set_CrePetAndMaster(int pet, int master);
void make_animal_socowned(int n, int soc);
void paasta_noiduttuelain(int n);
// The player record's byte of the bewitched wolf's fate: 1 killed, 2 freed.
enum { PB_WOLFSTATE = 5038 };
int NPCstruct_omatunto_mins(const CreatureStruct &c);   // minutes its conscience has burned; -1 not
int is_mom_around(int n);
int is_cub_around(int n);
// The voice counter: v non-zero sets it; v 0 reads whether the creature may call now (the counter at
// 0, or past 60 and then cleared). The player may always call; an empty slot never.
int aantelylaskuri(int n, int v);
int creature_square(int n, int &x, int &y);   // 1 with its square on the map
int NPCSee(int n, int x, int y);      // n sees the square; never asleep or senseless
// The square of the leash a tied creature is bound to; 0 (and the tied mark cleared) when none.
int tiedxy(int n, int *x, int *y);
// The heaviest game animal about the player, not on her own world cell: the world's encounters
// within 20 cells and, on a local map, the creatures farther than 64 squares. Of species, or for 0
// one her culture hunts or skins. 1 found: its square and its record (when record is given).
int find_BigMapGame(int species, struct CreatureStruct *record, int *x, int *y);
// On a local map holding world cell wx, wy: its loose people of the cell's culture join community soc.
// 0 on the world map or for a cell outside the area.
int luo_ihmisyhteiso(int wx, int wy, unsigned soc);

// ---- the local area ----
int plr_engaged(int x, int y);        // within one square of the player

// ---- societies ----
int socmember_mindist(int soc);
int socnearestnpc(int soc);
int is_socnearestnpc(int n);
int is_socnearestadult(int n);
int socseeplr(int soc);
int soc_companion_in_debt(int soc);
int has_socrole_susp(int n, int r);
void set_socrole_susp(int soc, int r);
void clr_socrole_susp(int soc, int r);
void npc_socroles_lost(int n);

// ---- possessions ----
void makepersonal_NPCitems(int n, int mark);
void make_NPC_escortee(int n, int figure);
int NPC_inventoryhinta(int n);

// The creatures' pass begins (1) or ends (0): while it runs, where each creature's record lies is
// kept from one question about a village to the next.
void socplaces_pass(int on);
// While on, nothing but the creatures' passes touches the pool from the end of one pass to the
// beginning of the next (a run of passes back to back): the places learnt in one serve the next.
void socplaces_carry(int on);
// 1 when socnearestnpc(soc) would name creature n.
int socnearestnpc_is(int soc, int n);
// While the creatures' pass runs: the pool places of every creature and carcass record in pool order,
// as kept for the questions above (a place may hold something else by now: read its type); -1 when
// they are not kept, and the pool itself is to be walked.
int kept_creature_records(const int **list);
// The creature standing on (x, y), an awake one before one out of its senses (a diver under water
// is not there); -1 none.
int cre_xy(int x, int y);

// In the creatures' pass: every place from `end` on was free as the pass began, so the kept places are
// learnt from the places before it while no creature record has been placed or moved since.
void socplaces_pool_end(int end);

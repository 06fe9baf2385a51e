// src/activities/worklinks.h -- the work that the command dispatcher hands its action codes to, in
// the modules that do it: wilderness work, hide work, farming, traps, fishing and building of this
// subsystem, and the item, body, combat and conversation commands of the others.
#pragma once
#include "creatures/unpack.h"   // Pura_NPC

// ---- timbercraft, fire and branches ----
int felltimber(int who, int x, int y, int mode);
int TIMBERCRAFT_chop(int who, int x, int y, int kind, int mode);
int TIMBERCRAFT_bark();
int SURVIVAL_branches();
int SURVIVAL_fire();
int SURVIVAL_icehole();
// ---- farming ----
int AGRICULTURE_jauhatus();
int AGRICULTURE_puinti(int who, int x, int y, int item);
int AGRICULTURE_korjuu();
int AGRICULTURE_prepare_soil();
int AGRICULTURE_plant();
// ---- hide work, butchery ----
int HIDEWORK_skinCmd();
int HIDEWORK_cure(int who, int item, int mode);
int HIDEWORK_pretan();
int HIDEWORK_karvo();
int HIDEWORK_puhdistus();
int BUTCHERY_cutCmd();
// ---- traps and fishing ----
int Pura_Ansa();
int AsetaAnsa(int kind, int who);
int trap_improve(int mode);
int Aktiivinen_Kalastus(int item);
int Koe_Verkko(int x, int y);
// ---- building work ----
int branchRakenna(int kind, int mode);
// ---- crafting and item commands ----
int Tee(int who, int value, const char *text);
int TeeVaate(const char *name);
int Korjaa_Vaatteita();
int TYING_join();
int TYING_shorten();
int Pura(int who, int x, int y);
void wearCmd();
void wieldCmd(int slot, int mode);
void dropCmd();
void takeoffCmd();
void fillCmd(int slot);
int Kaada_Astiaan(int slot);
void Tyhjenna_InventoryAstia(int slot);
void moveCmd();
void pushCmd(unsigned mode, int x, int y);   // mode 0 the push command, 1 the chosen rows to (x, y)
void superapplyCmd();
// ---- the body and the party ----
int Wounds();                      // the chosen wound slot, -1 none
int Sleep(int mode);
// ---- conversation ----
// ---- skills with screens of their own ----
void Herblore();
void Fishing();
int building_skill();            // the key chosen
int Swimming(int x, int y);
int climb_it(int x, int y);        // onto x, y (0, 0: the player chooses); 1 when she got there
void TIMBERCRAFT();
void Ansat();
int wooden_items();             // the key chosen
void Tracking_IsoKartta(int mode);       // the world map: mode 0 the command, 1 while travelling
int Tutki_Jaljet(int x, int y, int report);   // 1 when tracks were read (activities/tracking.h)
// ---- wound care ----
int Hoida_Haavaa(int who, int slot);

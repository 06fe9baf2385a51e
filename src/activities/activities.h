// src/activities/activities.h -- the survival activities the game core calls on loading, saving
// and map entry: herb lore, the skill bank, unique ids, magic means and traps.
#pragma once
#include "activities/food.h"
#include "creatures/skills.h"
#include "core/magicknow.h"   // taikakeino_tuttu, opi_taikakeino, bearmagic_SkullPlacement
#include "items/items.h"
#include "maps/squareevents.h"   // onko_KASVI_nakyvissa, TKCHECK_IlvesEstetaanPakenemasta

void definit_yrttidata();          // herb data reset at each game load
int HERBLORE_save();               // 1 when the herb lore was written (or there was none)
void aseta_unid();                 // gives the player a unique id
void AnsaHoukutus();               // lures animals to traps on map entry

void CarcassDecayComplete(int creature, int x, int y);   // the hard remains of a rotted carcass

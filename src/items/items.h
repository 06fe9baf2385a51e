// src/items/items.h -- the item services the game core calls: properties and state tests, weight
// and price, and lookups over the definitions. The record itself and its blanks are core/obj_func.h,
// the names of items core/itemname.h.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/itemname.h"   // enimi, ekuvaus and the reads of the record they rest on
#include "core/obj_func.h"

// ---- lookups over the definitions ----
int ConstantObj_Nimella(const char *name, int type);   // exact name and type byte, -1 none
char *ID_oc_descr(int id);              // name of the lowest row with the id; "" none

// ---- properties and state tests ----
int Tunnista_Laatu(int pos);
// A finished work process in pool record n becomes an item stack: its quality made known, and with
// work that needed care the neglected units spoil.
void Valmistunut_DATATYPE(int n);
int Ota_AttackClass(int byte);
int Ota_DefenseClass(int byte);
int Item_pituusmitallinen(const ItemStruct &item);
void set_Item_pituus(int value, ItemStruct &item);
void set_Item_maxpituus(int value, ItemStruct &item);
int oe_pilaantunut(const ItemStruct &item);
int oe_ummehtunut(const ItemStruct &item);
float Laske_RuoanHinta_PerLbs(const ItemStruct &item);   // price per pound by the nutrients
void TiivistaRavinto(ItemStruct &item, float divisor);    // concentrates a cooked food
int one_hand_penalty(const ItemStruct &item);   // a weapon's one-hand penalty byte
void set_one_hand_penalty(ItemStruct &item, int v);

// ---- weight and price ----
float esinepaino(const ItemStruct &item);
int pctofItem(const ItemStruct &item);   // what is left of it, per cent of its full weight (rounded up)
char *txt_itemweight(int pos, int count);
float esinehinta(int unused, const ItemStruct &item);
int robber_wanted_item(const ItemStruct &item);               // 0 or 1

// ekuvaus of an item that is not stored, such as a plant of the season named before it is picked.
char *ekuvaus_item(const ItemStruct &item, int count, unsigned char flags);

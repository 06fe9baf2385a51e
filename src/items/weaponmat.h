// src/items/weaponmat.h -- what a weapon is made of and how it meets another: the material and
// shape figures of one striking aspect, and the damage a blow deals to both when it is blocked.
#pragma once
#include <cstdint>

#include "items/items.h"

struct MatStruct {
    uint8_t  hardness;         // wood 20, iron 255, stone 5
    uint8_t  contact;          // contact area of the striking aspect
    uint8_t  blockarea;        // contact area when blocking
    uint16_t itemarea;
    uint16_t material;         // wood 20, iron 500, stone 5
    uint16_t threshold;        // damage threshold: wood 5, iron 30, stone 3
    uint8_t  cap;              // damage cap in percent
    uint8_t  attack;           // attack value of the aspect
    float    velocity;
};

enum { ASPECT_BLUNT = 0, ASPECT_EDGE = 2, ASPECT_POINT = 4 };

void matdef_rauta(MatStruct &m);
void matdef_puu(MatStruct &m);
void matdef_kivi(MatStruct &m);
MatStruct getwpMat(const ItemStruct &item, int aspect);
// The damage a blow of the striking item at the blocking one deals: "[AD:n] [BD:n]", either part
// empty when that item takes none. Object numbers; grade is the strike's success grade.
const char *WpWpDmg(int striking, int blocking, int aspect, int grade);
// The energy of a blow of the striking item at a success grade.
int wpwp_energy(const ItemStruct &a, const MatStruct &A, int grade);
const char *WpWpDmg_items(const ItemStruct &a, const ItemStruct &b, int aspect, int grade);
// The percentage under a tag ("AD" or "BD") of a WpWpDmg answer; 0 when the tag is missing.
int wpdmg_tag(const char *answer, const char *tag);

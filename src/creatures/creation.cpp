// src/creatures/creation.cpp -- the one entry that makes every creature from its code.
#include "creatures/creation.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "core/ownlib.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "maps/kulttuuri.h"
#include "worldgen/culture.h"

int Kulttuuri = CULTURE_NONE;
char Kulttuurilainen[40] = "Wandering";
int FLEXIBLE_BIRTH = 0;
int FLEXIBLE_ANIMAL_BIRTH = 0;
char AnimalTags[CULT_TAGS_SIZE];

static void choose_culture() {
    if (!FLEXIBLE_BIRTH) {
        if (Plr.x == 0) {
            Kulttuuri = CULTURE_NONE;
            copy_bounded(Kulttuurilainen, sizeof Kulttuurilainen, "wandering");
            return;
        }
        Kulttuuri = get_kulttuuri((int)Plr.x, (int)Plr.y);
    }
    copy_bounded(Kulttuurilainen, sizeof Kulttuurilainen, CULTURE_ADJECTIVE[culture_row(Kulttuuri)]);
    Kulttuurilainen[0] = (char)toupper((unsigned char)Kulttuurilainen[0]);
}

void Viimeistele_Olento() {
    CreatureStruct &c = Creature;
    if (!(c.sexage & 2)) {
        c.weight = c.speciesweight;
        if (c.weightvar != 0) {
            const float d = (float)random(c.weightvar) / 100.0f * c.speciesweight;
            c.weight += random(4) < 3 ? -d : d;
        }
    }
    c.homemode = c.mode;
    c.food = (uint16_t)random((int)std::ceil(35.0f * c.weight));
}

int Luo_Olento(int code) {
    if (!FLEXIBLE_ANIMAL_BIRTH) AnimalTags[0] = 0;
    choose_culture();
    reset_creature();
    // The species and role builders stand in until creation by species lands: every code gives
    // the blank record carrying its code.
    Creature.speciescode = (uint32_t)code;
    Viimeistele_Olento();
    return Creature.food;
}

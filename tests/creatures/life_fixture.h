// tests/creatures/life_fixture.h -- a local area of open ground for the creatures' life: the player at
// the centre, an empty creature table and pool, and helpers that put animals on squares.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "base/ownlib.h"
#include "core/player.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "creatures/crestep.h"
#include "maps/maptest.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "presentation/show.h"

class LifeTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        for (int y = AREA_MIN; y <= AREA_MAX; y++)
            for (int x = AREA_MIN; x <= AREA_MAX; x++) put(x, y, CH_GROUND);
        memset(Cre, 0, sizeof Cre);
        clear_zoomservices();
        ClrRealCreaturePos();
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        mapdimInit(800, 600, 1.0f);
        InitSines();
        Sight = 50;
        CalculateLDist(50);
        Plr.hour = 12;
        Plr.minutes = 100000;
        Plr.daynumber = 400;
        INVISIBLE = 0;
        CLOAK = 0;
        LURK = 0;
        AANI_TASO = 0;
        randomize(7);
    }

    // An animal of a species on x, y in slot n: awake all day, hearing 10, a social id of its own.
    int animal(int n, int x, int y, int species = 620, float kg = 100.0f) {
        CreatureStruct &c = Cre[n];
        memset(&c, 0, sizeof c);
        c.kind = 5;
        c.speciescode = (uint32_t)species;
        c.weight = kg;
        c.rhythm = 4;
        c.hearing = 10;
        c.smell = 10;
        c.morale4 = 50;
        c.morale5 = 20;
        c.socialid = 5000u + (uint32_t)n;
        c.enemy = CRE_NONE;
        c.Viimeisin_X = x;
        c.Viimeisin_Y = y;
        strcpy(c.species, "reindeer");
        return place_record(DT_CREATURE, x, y, (uint32_t)(n + CRE_DATAID));
    }
    int person(int n, int x, int y) {
        const int p = animal(n, x, y, 500, 70.0f);
        Cre[n].kind = CK_HUMAN;
        strcpy(Cre[n].species, "villager");
        return p;
    }
    int cx(int n) { return Data[crestep_pos(n)].x; }
    int cy(int n) { return Data[crestep_pos(n)].y; }
};

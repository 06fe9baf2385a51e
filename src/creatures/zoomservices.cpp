// src/creatures/zoomservices.cpp -- the control bytes kept beside the creature table.
#include "creatures/zoomservices.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "creatures/predicates.h"
#include "maps/mapunit.h"

static uint8_t control[CRE_COUNT + 1], control2[CRE_COUNT + 1];


uint8_t &cre_control(int c) { return control[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }
uint8_t &cre_control2(int c) { return control2[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }

void Poista_Olento(int c) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && creature_slot_of(Data[i].id) == c) ClearDATA(i);
}

void clear_zoomservices() {
    memset(control, 0, sizeof control);
    memset(control2, 0, sizeof control2);
}

// src/items/quality.h -- what the tools and materials of a matched recipe allow: tool handiness, the
// tool and material caps on quality, and the quality list that counts the products of one work.
#pragma once
#include <cstdint>

#include "items/items.h"

extern uint8_t GLOB_TK_kelpoisuus;     // tool handiness in per cent; 100 when no tool counts
extern uint8_t GLOB_TK_laaturaja;      // tool quality cap 1..5
extern uint8_t GLOB_MAT_laaturaja;     // material quality cap 1..5
extern const char *const katevyys[6];  // handiness words by class 1..5

struct QualityListStruct {
    uint32_t count[6];             // products by grade 1..5
    uint8_t noquality;
    uint8_t tool_limit, mat_limit;
    uint8_t by_tool, by_mat;       // a cap lowered a product
    uint32_t maturing;             // minutes until delayed products are ready
    uint8_t hide_grade;            // the result names no grades
    uint8_t unmarked;              // products are not marked as of known quality
    uint8_t stage_gap;
    ItemStruct earlier;            // the half-finished item whose grade the product inherits
    uint8_t lowered;
    ItemStruct product;
    char done_msg[1024];
    char pending_msg[1024];
};

int Tarvikelista_Tyokalukelpoisuus(int mode);   // -1 rates the tools and tells the player
int Tarvikelista_Matlaatu();
int TK_listakatevyys(int line);
int Tyokalun_Hyvyys(int purpose, const ItemStruct &item);
void qualist_init(QualityListStruct &q, int flag);
void qualist_inititem(QualityListStruct &q, const ItemStruct &product);
void qualist_initstagegap(QualityListStruct &q, int gap, const ItemStruct &earlier);
void qualist_add(QualityListStruct &q, int grade);

// src/core/culture.cpp -- the cultures' region names and adjectives.
#include "core/culture.h"

const char *const CULTURE_REGION[CULTURE_COUNT] = {
    "Kaumo", "Driik", "Kiesse", "Reemi", "Sartola", "archipelago", "Koivula",
    "Kuikka-tribe lands", "Owl-tribe lands", "Seal-tribe lands", "", "Njerpez territory", "", ""};

const char *const CULTURE_ADJECTIVE[CULTURE_COUNT] = {
    "kaumo", "driik", "kiesse", "reemi", "sartola", "islander", "koivula",
    "kuikka", "owl", "seal", "vagabond", "njerpez", "foreign", "forester"};

const char *const CULTURE_TAG[CULTURE_COUNT] = {"kau", "dri", "kie", "ree", "sar", "isl", "koi",
                                                "kui", "owl", "sea", "vag", "nje", "for", "woo"};

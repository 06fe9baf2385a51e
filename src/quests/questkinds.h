// src/quests/questkinds.h -- the generators of the quest kinds. Each starts from a zeroed record and
// returns it filled; an empty `title` means the kind could not be made here (nothing is left changed).
// The main record is saved by DoQuestForNPC, the side-role records by the generator itself.
#pragma once
#include "core/tehtavat.h"

struct CreatureStruct;

// Quests from people.
QuestStruct Quest_FetchHerbs(CreatureStruct *giver, int x, int y);     // 3
QuestStruct Quest_ItemsWanted(int giver, int x, int y);                // 40
QuestStruct Quest_WaterFolk(int giver, int x, int y);                  // 51
QuestStruct Quest_ForestSpirit(int giver, int x, int y);               // 52
QuestStruct Quest_SimpleChores(int kind, int giver, int x, int y);     // 70, 72
QuestStruct Quest_Messenger(int giver, int x, int y);                  // 71

// Quests that lead across the land.
QuestStruct Quest_AdventurersAxe(int x, int y, int &giver);            // 5
QuestStruct Quest_OldMansPunt(CreatureStruct *giver, int x, int y);    // 10
QuestStruct Quest_AnimalForestCover(int giver, int x, int y);          // 35
QuestStruct Quest_HomelandEscort(int giver, int x, int y);             // 37
QuestStruct Quest_DisorientedWoodsman(int giver, int x, int y);        // 38

// Village stories with side roles.
QuestStruct Quest_BirdThief(CreatureStruct *giver, int x, int y);      // 15
QuestStruct Quest_BewitchedWolf(int giver, int x, int y);              // 20
QuestStruct Quest_HomelandRobbers(CreatureStruct *giver, int x, int y);// 30
QuestStruct Quest_ForestMaids(int giver, int x, int y);                // 50

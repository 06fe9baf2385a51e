// src/quests/kinds_land.cpp -- the quests that lead across the land.
// Stands in until the quests across the land land: no quest of these kinds is made.
#include "quests/questkinds.h"

QuestStruct Quest_AdventurersAxe(int, int, int &) { return QuestStruct{}; }
QuestStruct Quest_OldMansPunt(CreatureStruct *, int, int) { return QuestStruct{}; }
QuestStruct Quest_AnimalForestCover(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_HomelandEscort(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_DisorientedWoodsman(int, int, int) { return QuestStruct{}; }

// src/quests/kinds_stories.cpp -- the village stories with side roles.
// Stands in until the village stories land: no quest of these kinds is made.
#include "quests/questkinds.h"

QuestStruct Quest_BirdThief(CreatureStruct *, int, int) { return QuestStruct{}; }
QuestStruct Quest_BewitchedWolf(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_HomelandRobbers(CreatureStruct *, int, int) { return QuestStruct{}; }
QuestStruct Quest_ForestMaids(int, int, int) { return QuestStruct{}; }

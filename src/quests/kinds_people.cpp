// src/quests/kinds_people.cpp -- the quests people ask of the player nearby.
// Stands in until the quests from people land: no quest of these kinds is made.
#include "quests/questkinds.h"

QuestStruct Quest_FetchHerbs(CreatureStruct *, int, int) { return QuestStruct{}; }
QuestStruct Quest_ItemsWanted(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_WaterFolk(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_ForestSpirit(int, int, int) { return QuestStruct{}; }
QuestStruct Quest_SimpleChores(int, int, int, int) { return QuestStruct{}; }
QuestStruct Quest_Messenger(int, int, int) { return QuestStruct{}; }

// src/quests/questmarks.cpp -- stands in until the quests land: the quest list holds no quest, so the
// map view draws no quest mark and its information box tells of none.
#include "quests/questmarks.h"

int QuestMarkIds(unsigned *, int) { return 0; }
void ClrMapQuestInfos() {}
int QuestMarkPlaces(unsigned, unsigned, QuestMarkPlace *, int) { return 0; }
size_t MapQuestInfoTexts(int, int, int, char *out, size_t size) {
    if (out && size) out[0] = 0;
    return 0;
}

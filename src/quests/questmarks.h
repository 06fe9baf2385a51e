// src/quests/questmarks.h -- what the map view asks of the quests: the quests whose marks it draws,
// the places each mark stands on, and the texts a mark leaves for the view's information box.
#pragma once
#include <cstddef>

struct QuestMarkPlace {
    int x, y;          // world cell
    int type;          // spot-mark type: 9 a place, 10 an area
    int radius;        // an area's radius; 0 for a place
};

// The ids of the quest list, at most `max`; their count.
int QuestMarkIds(unsigned *ids, int max);
// Empties the texts the marks left.
void ClrMapQuestInfos();
// The marks of one quest, at most `max`, their texts kept for the information box; their count.
// `shown` is the quest the view was opened for (0 none).
int QuestMarkPlaces(unsigned quest, unsigned shown, QuestMarkPlace *out, int max);
// The texts the marks left within r cells of (x, y), one after another, cut to `size`; their length.
size_t MapQuestInfoTexts(int x, int y, int r, char *out, size_t size);

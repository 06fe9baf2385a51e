// src/quests/questmarks.h -- what the map view asks of the quests: the quests whose marks it draws,
// the places each mark stands on, and the texts a mark leaves for the view's information box.
#pragma once
#include <cstddef>
#include <cstdint>

// The texts the marks leave, one record a place: x 0 is a free record; `kind` is 1 for a place,
// else the radius of an area. A place past the last record keeps its mark but leaves no text.
enum { MAPQUESTINFOS = 20, MAPQUESTINFO_TEXTS = 4, MAPQUESTINFO_TEXT = 1024 };
struct MapQuestInfoStruct {
    uint16_t x, y, kind;
    char text[MAPQUESTINFO_TEXTS][MAPQUESTINFO_TEXT];
};
extern MapQuestInfoStruct MapQuestInfos[MAPQUESTINFOS];

struct QuestMarkPlace {
    int x, y;          // world cell
    int type;          // spot-mark type: 9 a place, 10 an area
    int radius;        // an area's radius; 0 for a place
};

// The ids of the quest list, at most `max`; their count.
int QuestMarkIds(unsigned *ids, int max);
// Empties the texts the marks left.
void ClrMapQuestInfos();
// Adds a text at a world cell: to the record already there or the first free one; the first three
// texts are kept, a fourth replaces the last. 0 when every record is another place's (dropped).
int AddMapQuestInfo(int x, int y, int kind, const char *text);
// The marks of one quest on the view's surface centred on (midX, midY), at most `max`, their texts
// kept for the information box; their count. `shown` is the quest the view was opened for (0 none).
int QuestMarkPlaces(unsigned quest, unsigned shown, int midX, int midY, QuestMarkPlace *out, int max);
// The texts the marks left within r cells of (x, y), one after another, cut to `size`; their length.
size_t MapQuestInfoTexts(int x, int y, int r, char *out, size_t size);

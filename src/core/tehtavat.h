// src/core/tehtavat.h -- quests and the game courses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

void Tehtava_TapahtumaTarkistus();     // task events of the game course
void TehtavaNaytto();                  // the task screen
void Tehtava_Muistutus();              // the task screen again every few commands of a course
void QuestScreen();                    // the quest journal

// ---- the quest record ----
// One quest, 61920 bytes, kept whole in its own file "<character folder>/<id>.QST" (little-endian, no
// header). Texts end in a zero inside their field; bytes not named here are kept zero.
enum { QUEST_TALKLINES = 29, QUEST_LINE_OPTIONS = 5, QUEST_CONDITIONS = 5, QUEST_SIDEQUESTS = 5 };

struct QuestOption {               // 296 bytes
    char    coded[220];            // "player's line|command:reply"
    char    optionTags[72];        // condition and control tags
    uint8_t used;
    uint8_t pad293[3];
};
static_assert(sizeof(QuestOption) == 296, "QuestOption");
static_assert(offsetof(QuestOption, optionTags) == 220 && offsetof(QuestOption, used) == 292, "QuestOption layout");

struct QuestTalkLine {             // 2076 bytes
    char        npcText[480];
    char        actionTags[100];
    QuestOption options[QUEST_LINE_OPTIONS];   // 580
    uint8_t     pad2060[12];
    uint8_t     said;              // 2072
    uint8_t     pad2073[3];
};
static_assert(sizeof(QuestTalkLine) == 2076, "QuestTalkLine");
static_assert(offsetof(QuestTalkLine, actionTags) == 480 && offsetof(QuestTalkLine, options) == 580 &&
              offsetof(QuestTalkLine, said) == 2072, "QuestTalkLine layout");

struct QuestMark {                 // 76 bytes
    int32_t x, y;
    char    label[64];
    uint8_t smallSpot, areaShown;
    uint8_t pad74[2];
};
static_assert(sizeof(QuestMark) == 76, "QuestMark");
static_assert(offsetof(QuestMark, label) == 8 && offsetof(QuestMark, smallSpot) == 72 && offsetof(QuestMark, areaShown) == 73,
              "QuestMark layout");

struct QuestStruct {
    uint32_t id;                   // 0
    uint16_t kind;                 // 4
    uint8_t  acceptDayOfMonth;     // 6: 0 while not accepted
    uint8_t  acceptMonth;          // 7
    uint8_t  acceptYear;           // 8
    uint8_t  pad9[3];
    uint32_t acceptDay;            // 12
    uint8_t  daysToComplete;       // 16
    uint8_t  offerLifeDays;        // 17
    uint8_t  createdDay;           // 18
    uint8_t  createdMonth;         // 19
    uint8_t  createdYear;          // 20
    uint8_t  pad21[3];
    uint32_t createdDayNumber;     // 24
    uint8_t  markerFlag;           // 28
    uint8_t  questMode;            // 29: 1 item delivery, 2 robbers, 3 escort
    uint8_t  generated;            // 30
    char     title[64];            // 31
    char     subject[192];         // 95: three news subjects of 64 characters, the first the short subject
    union {
        uint8_t grade;             // 287: 1 to 7, set by each generator
        uint8_t newsKind[3];       // 287: what each news entry tells (2 to 7, 0 none); the first is the grade
    };
    uint8_t  pad290[2];
    uint32_t newsAsk[3];           // 292: whom each news entry sends the player to; 0 the giver
    uint8_t  pad304[192];
    QuestMark marks[2];            // 496
    uint8_t  pad648[4];
    QuestTalkLine talk[QUEST_TALKLINES];   // 652
    uint8_t  pendingFlag;          // 60856
    char     pendingText[100];     // 60857
    char     olText[180];          // 60957
    uint8_t  sideRole;             // 61137
    char     statusTags[92];       // 61138
    uint8_t  accepted;             // 61230
    uint8_t  closed;               // 61231
    uint8_t  ownCompletion;        // 61232
    uint8_t  pad61233[3];
    uint32_t completionDay;        // 61236
    uint32_t giverUid;             // 61240
    int32_t  worldX;               // 61244
    int32_t  worldY;               // 61248
    uint8_t  pad61252[5];
    // The delivery terms.
    char     fetchPattern[95];     // 61257: wildcard pattern of the wanted item's name, or "[bird]"
    uint32_t fetchItemId;          // 61352: 0 any
    uint32_t fetchObject;          // 61356: 0 any
    float    fetchWeight;          // 61360: the value wanted in all; 0 not counted so
    float    fetchWeightGiven;     // 61364
    uint8_t  fetchCount;           // 61368: items wanted (0 or 1: one delivery does)
    uint8_t  fetchCountGiven;      // 61369
    uint8_t  fetchOpen;            // 61370: deliveries taken before the quest is accepted
    uint8_t  fetchTip;             // 61371: the delivery line offered before it is accepted
    uint8_t  fetchMinQuality;      // 61372: 0 any
    uint8_t  pad61373[63];
    // The five condition slots.
    uint8_t  conditions[QUEST_CONDITIONS];   // 61436: 0 not met, 1 met, 2 half met
    uint8_t  pad61441[3];
    uint32_t condItemId[QUEST_CONDITIONS];   // 61444: material or class the items must meet, 0 any
    uint32_t condUid[QUEST_CONDITIONS];      // 61464: community or social id looked at
    uint8_t  condItemByte[QUEST_CONDITIONS]; // 61484: the item mark wanted, 0 any
    uint8_t  pad61489[3];
    uint32_t condRestamp[QUEST_CONDITIONS];  // 61492: the item id the last counted item turns into
    uint8_t  pad61512[60];
    uint8_t  condPlace[QUEST_CONDITIONS];    // 61572: 11 near map character 5, 12 the village centre
    uint8_t  condCount[QUEST_CONDITIONS];    // 61577
    uint8_t  pad61582[5];
    uint8_t  condLine[QUEST_CONDITIONS];     // 61587: talk line queued once met, 0 none
    uint8_t  pad61592[40];
    uint8_t  condType[QUEST_CONDITIONS];     // 61632: 0 none .. 6 escortee at its place
    uint8_t  pad61637[3];
    uint32_t bandCommunity;        // 61640: the robbers quest's band, kept in the file
    uint8_t  bandCount;            // 61644: the robbers quest's number of robbers, as the witness tells it
    // The reward.
    uint8_t  rewardKind;           // 61645: 1 a skill taught, 2 credit of village goods
    char     rewardSkill[66];      // 61646
    uint32_t rewardItem;           // 61712: object handed over, 0 none
    uint8_t  rewardCount;          // 61716: its count (0 counts 1), or the credit in squirrel hides
    uint8_t  pad61717[31];
    uint32_t craftOrder[3];        // 61748: the craft order handed to the giver
    uint8_t  pad61760[32];
    uint32_t sideQuestIds[QUEST_SIDEQUESTS]; // 61792
    uint8_t  pad61812[4];
    uint32_t targetUid;            // 61816: a creature a kind's own test watches
    uint8_t  pad61820[100];
};
static_assert(sizeof(QuestStruct) == 61920, "QuestStruct is a file record");
static_assert(offsetof(QuestStruct, id) == 0, "QuestStruct layout");
static_assert(offsetof(QuestStruct, kind) == 4, "QuestStruct layout");
static_assert(offsetof(QuestStruct, acceptDayOfMonth) == 6, "QuestStruct layout");
static_assert(offsetof(QuestStruct, acceptMonth) == 7, "QuestStruct layout");
static_assert(offsetof(QuestStruct, acceptYear) == 8, "QuestStruct layout");
static_assert(offsetof(QuestStruct, acceptDay) == 12, "QuestStruct layout");
static_assert(offsetof(QuestStruct, daysToComplete) == 16, "QuestStruct layout");
static_assert(offsetof(QuestStruct, offerLifeDays) == 17, "QuestStruct layout");
static_assert(offsetof(QuestStruct, createdDay) == 18, "QuestStruct layout");
static_assert(offsetof(QuestStruct, createdMonth) == 19, "QuestStruct layout");
static_assert(offsetof(QuestStruct, createdYear) == 20, "QuestStruct layout");
static_assert(offsetof(QuestStruct, createdDayNumber) == 24, "QuestStruct layout");
static_assert(offsetof(QuestStruct, markerFlag) == 28, "QuestStruct layout");
static_assert(offsetof(QuestStruct, questMode) == 29, "QuestStruct layout");
static_assert(offsetof(QuestStruct, generated) == 30, "QuestStruct layout");
static_assert(offsetof(QuestStruct, title) == 31, "QuestStruct layout");
static_assert(offsetof(QuestStruct, subject) == 95, "QuestStruct layout");
static_assert(offsetof(QuestStruct, grade) == 287, "QuestStruct layout");
static_assert(offsetof(QuestStruct, pendingText) == 60857, "QuestStruct layout");
static_assert(offsetof(QuestStruct, olText) == 60957, "QuestStruct layout");
static_assert(offsetof(QuestStruct, statusTags) == 61138, "QuestStruct layout");
static_assert(offsetof(QuestStruct, closed) == 61231, "QuestStruct layout");
static_assert(offsetof(QuestStruct, ownCompletion) == 61232, "QuestStruct layout");
static_assert(offsetof(QuestStruct, giverUid) == 61240, "QuestStruct layout");
static_assert(offsetof(QuestStruct, worldX) == 61244, "QuestStruct layout");
static_assert(offsetof(QuestStruct, worldY) == 61248, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchObject) == 61356, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchWeightGiven) == 61364, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchCountGiven) == 61369, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchOpen) == 61370, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchTip) == 61371, "QuestStruct layout");
static_assert(offsetof(QuestStruct, bandCommunity) == 61640, "QuestStruct layout");
static_assert(offsetof(QuestStruct, bandCount) == 61644, "QuestStruct layout");
static_assert(offsetof(QuestStruct, marks) == 496, "QuestStruct layout");
static_assert(offsetof(QuestStruct, talk) == 652, "QuestStruct layout");
static_assert(offsetof(QuestStruct, pendingFlag) == 60856, "QuestStruct layout");
static_assert(offsetof(QuestStruct, sideRole) == 61137, "QuestStruct layout");
static_assert(offsetof(QuestStruct, accepted) == 61230, "QuestStruct layout");
static_assert(offsetof(QuestStruct, completionDay) == 61236, "QuestStruct layout");
static_assert(offsetof(QuestStruct, conditions) == 61436, "QuestStruct layout");
static_assert(offsetof(QuestStruct, sideQuestIds) == 61792, "QuestStruct layout");
static_assert(offsetof(QuestStruct, newsKind) == 287, "QuestStruct layout");
static_assert(offsetof(QuestStruct, newsAsk) == 292, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchPattern) == 61257, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchItemId) == 61352, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchWeight) == 61360, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchCount) == 61368, "QuestStruct layout");
static_assert(offsetof(QuestStruct, fetchMinQuality) == 61372, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condItemId) == 61444, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condUid) == 61464, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condItemByte) == 61484, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condRestamp) == 61492, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condPlace) == 61572, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condCount) == 61577, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condLine) == 61587, "QuestStruct layout");
static_assert(offsetof(QuestStruct, condType) == 61632, "QuestStruct layout");
static_assert(offsetof(QuestStruct, rewardKind) == 61645, "QuestStruct layout");
static_assert(offsetof(QuestStruct, rewardSkill) == 61646, "QuestStruct layout");
static_assert(offsetof(QuestStruct, rewardItem) == 61712, "QuestStruct layout");
static_assert(offsetof(QuestStruct, rewardCount) == 61716, "QuestStruct layout");
static_assert(offsetof(QuestStruct, craftOrder) == 61748, "QuestStruct layout");
static_assert(offsetof(QuestStruct, targetUid) == 61816, "QuestStruct layout");

// ---- the quest services the talk and the villages use ----
extern int KUESTIT_PIALLA;             // quests are switched on
extern int DEBUG_KUESTILIPUT;          // 1 or 2 force every quest condition to hold
extern int QUEST_LOGGER;               // (base/debuglog.h) also dumps generated quests to "QUEST-<id>.TXT"
enum { QUEST_FILE_SIZE = 61920, QUEST_LIST_MAX = 255 };

// The file of quest `id` in the character folder.
void quest_file_path(uint32_t id, char *buf, size_t size);
// Reads quest `id` whole (inside a save as that save staged it); false, with q zeroed, when the file
// is missing or shorter than a record.
bool loadQuest(uint32_t id, QuestStruct &q);
// The ids of the character's quest files in the order of their names; inside a save also those it
// made and has not yet committed ("<id>.QST.new").
std::vector<uint32_t> quest_file_ids();
// Stamps the creation date on the first save, then writes the record whole to its file (inside a
// save, as part of that save's commit). False when the file could not be written.
bool SaveQuest(QuestStruct *q);
// Closes quest `id` (kept, closed, in no list) and deletes the files of its side-role quests.
void RemoveQuest(uint32_t id);
// The text dump "QUEST-<id>.TXT" of a quest with every text over its limit marked; only while
// QUEST_LOGGER is set. The number of faults found (0 when not written).
int debuglog_quest(const QuestStruct *q);

// ---- offering ----
// Makes a quest of `kind` for person c of the area at world cell x, y, saves it and links the person.
// 1 made; 0 when the kind has no generator here or the generator gave up; -1 when its files could not
// be written (or the save it joins was refused already): nothing of it is left behind.
int DoQuestForNPC(int c, int kind, int x, int y);

// Marks, for object maintenance, the reward item and craft order of every quest not closed.
void QuestKeepObjects();

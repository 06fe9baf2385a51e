// src/quests/tehtavat.h -- quests and the game courses.
#pragma once
#include <cstddef>
#include <cstdint>

void Tarkista_Suoritus(int task);      // the game-course hook
void QuestExpirationMaintenance();     // the daily removal of expired quests
void Tehtava_TapahtumaTarkistus();     // task events of the game course
void TehtavaNaytto();                  // the task screen
void Tehtava_Muistutus();              // the task screen again every few commands of a course
void QuestScreen();                    // the quest journal
// The course starters: write the course's task file and set the player on its first task; 1 when the
// course was set, 0 when it could not be written (she stays in free play).
int Tee_Gamecourse_1();
int Tee_Gamecourse_2();

// ---- the quest record ----
// One quest, 61920 bytes, kept whole in its own file. Only the fields the talk reads and writes are
// named yet; the rest is kept as it stands.
enum { QUEST_TALKLINES = 29, QUEST_LINE_OPTIONS = 5, QUEST_CONDITIONS = 5, QUEST_SIDEQUESTS = 5 };

struct QuestOption {               // 296 bytes
    char    coded[220];            // "player's line|command:reply"
    char    optionTags[72];        // condition and control tags
    uint8_t used;
    uint8_t pad293[3];
};
static_assert(sizeof(QuestOption) == 296, "QuestOption");

struct QuestTalkLine {             // 2076 bytes
    char        npcText[480];
    char        actionTags[100];
    QuestOption options[QUEST_LINE_OPTIONS];   // 580
    uint8_t     pad2060[12];
    uint8_t     said;              // 2072
    uint8_t     pad2073[3];
};
static_assert(sizeof(QuestTalkLine) == 2076, "QuestTalkLine");

struct QuestMark {                 // 76 bytes
    int32_t x, y;
    char    label[64];
    uint8_t smallSpot, areaShown;
    uint8_t pad74[2];
};
static_assert(sizeof(QuestMark) == 76, "QuestMark");

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
    uint8_t  newsKind[3];          // 287: what each news entry tells (2 to 7, 0 none); the first is the grade
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
    uint8_t  pad61637[8];
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
bool loadQuest(uint32_t id, QuestStruct &q);   // true when read (q zeroed when not)
void SaveQuest(QuestStruct *q);
void RemoveQuest(uint32_t id);
void closeNPCquest(int c, uint32_t id);        // the person's link to the quest closed
void disableNPCquest(int c, uint32_t id);
void SidequestOpen(uint32_t id, const char *tags);
void SidequestComplete(uint32_t id);
int DoQuestForNPC(int c, int kind, int x, int y);   // 1 made
int pick_socsivuNPC(const char *tag, int soc, int flags);   // -1000 none
int NewQuestsAllowed();
int ReadQuestList(const char *filter);   // stored quests matching "[nameid:k] [igndaygap:d]" and the like

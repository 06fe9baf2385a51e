// src/society/questtalk.cpp -- a quest giver's side of a talk: what it says when greeted, the talk
// lines of its quest with their action tags and options, the quest's conditions, deliveries, rewards,
// craft orders, teaching and healing.
//
// Everything read from a quest record is copied bounded before it is parsed: a talk line's text and
// tags, an option's coded line and tags are never handed on as a format, and every number read from
// them (talk lines, option slots, quest ids, social ids, side-quest slots) is range-checked before it
// selects anything.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/activities.h"
#include "creatures/skills.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "creatures/bodyrec.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "creatures/describe.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/materials.h"
#include "items/ownership.h"
#include "items/vessels.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "maps/worldsearch.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/questtalk.h"
#include "society/reputation.h"
#include "society/smalltalk.h"
#include "society/talkscreen.h"
#include "society/trade.h"
#include "society/village.h"
#include "society/questlist.h"

namespace {

enum { QUEST_COMPLETION_LINE = 25, SQUIRREL_HIDE_VALUE = 8 };
enum { IT_CARCASS_ITEM = 12, KIND_BIRD = 21 };
// The player's bytes of the spirits she met: the forest maid (2), the spirits (4 and 16).
enum { PB_MAIDMET = 5625, PB_SPIRITSMET = 5016 };
enum : uint8_t { CRAFT_TOLD = 1, ITEM_LENT = 0x40 };


bool has(const char *text, const char *t) { return strstr(text, t) != nullptr; }

void say_chatmsg(const char *key) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, CHATMSG(key));
    if (line[0]) CrTalk(line);
}

// The number after `head` in `text` ("[repinc 2]", "[repinc:2]", "[ifcond 3]"): false when the head
// is missing or no digits follow it.
bool tag_number(const char *text, const char *head, long &out) {
    const char *at = strstr(text, head);
    if (!at) return false;
    at += strlen(head);
    while (*at == ':' || *at == ' ') at++;
    char *end = nullptr;
    const long v = strtol(at, &end, 10);
    if (end == at) return false;
    out = v;
    return true;
}

// The talk-line number of a command such as "TALKLINE 5" or "[TALKLINE 5]"; -1 when none.
int talkline_of(const char *command) {
    long n = 0;
    if (!tag_number(command, "TALKLINE", n) || n < 0 || n >= QUEST_TALKLINES) return -1;
    return (int)n;
}

// The command of a coded option ("line|command:reply"), bounded; "" without a bar.
void coded_command(const char *coded, char *out, size_t size) {
    out[0] = 0;
    const char *bar = strchr(coded, '|');
    if (!bar) return;
    const char *colon = strchr(bar + 1, ':');
    const size_t len = colon ? (size_t)(colon - bar - 1) : strlen(bar + 1);
    snprintf(out, size, "%.*s", (int)(len < size - 1 ? len : size - 1), bar + 1);
}

// A field of the quest record copied out whole and terminated, whatever the file held.
template <size_t N> void field(char (&out)[N + 1], const char (&in)[N]) {
    memcpy(out, in, N);
    out[N] = 0;
}

// The village record of the person talked to, when it is a village member: the talk's own copy.
VillageStruct *partner_village() {
    CreatureStruct *c = partner();
    if (!c || !is_socmember(Chatting_With)) return nullptr;
    if (NpcVil.socid != c->community) GetNpcVil((int)c->community);
    return NpcVil.socid == c->community ? &NpcVil : nullptr;
}

}   // namespace

// ---- who has a quest --------------------------------------------------------------------------

bool NPC_got_quest(int cre) { return ask_valid(cre) && Cre[cre].quest != 0 && Cre[cre].questexpiry == 0; }

int reprefusal(int minlevel) {
    if (TARGET_REPSUMMARY.overall >= minlevel) return 0;
    say_chatmsg("LOWREP_REFUSAL");
    return 1;
}

// ---- conditions -------------------------------------------------------------------------------

namespace {

// Condition 1: the items lying in the slot's place, matched and counted.
int items_at_place(QuestStruct &q, int s, const CreatureStruct *giver) {
    int sum = 0, last = -1;
    bool matched = false;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM) continue;
        bool there;
        if (q.condPlace[s] == 12) there = giver && isloc_soccenter((int)giver->community, kohtaIsoX(d.x), kohtaIsoY(d.y));
        else if (q.condPlace[s] == 11) there = got_mc_around(d.x, d.y, 5, 5) != 0;
        else there = koordinaattien_vali(PlayerX, PlayerY, d.x, d.y) <= 9;
        if (!there) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        if (q.condItemId[s] && OnkoEsineId(it, (int)q.condItemId[s]) <= 0) continue;
        matched = true;
        if (q.condItemByte[s] && it.magic != q.condItemByte[s]) continue;
        sum += d.count ? d.count : 1;
        last = i;
    }
    if (sum == 0 || sum < q.condCount[s]) return matched ? 2 : 0;
    // The last counted item is marked as the one the slot took: its source becomes the stamp, so
    // the work that waits for it finds it.
    if (q.condRestamp[s] && last >= 0) {
        ItemStruct it = ObjToItem((int)Data[last].id);
        if (it.origin != q.condRestamp[s]) {
            it.origin = q.condRestamp[s];
            const int obj = Luo_Esineen_Itempos(it);
            if (obj > 0) Data[last].id = (uint32_t)obj;
        }
    }
    return 1;
}

// Condition 5: the animal of the social id within 10 squares of the player goes back to its pen, or
// off the map when it has none.
int animal_brought(uint32_t socid) {
    if (!socid) return 0;
    int met = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = datapos_Crepos(i);
        if (!ask_valid(c) || Cre[c].socialid != socid) continue;
        if (koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) > 10) continue;
        met = 1;
        Cre[c].stateflags &= ~SF_COVER_FREED;   // home again: it follows her no more
        const UiPoint pen = PenLocation(0, (int)Cre[c].speciescode);
        if (pen.x || pen.y) {
            Data[i].x = (uint16_t)pen.x;
            Data[i].y = (uint16_t)pen.y;
        } else {
            CrunchData(i);
        }
    }
    return met;
}

bool escort_done(int giver) {
    if (!ask_valid(giver)) return false;
    const CreatureStruct &c = Cre[giver];
    if (c.stateflags & SF_ARRIVED) return true;
    int x, y;
    return creature_square(giver, x, y) && EscorteeAtDest(giver, x, y);
}

}   // namespace

void QuestCondMaint(QuestStruct *q) {
    if (!q) return;
    // The quest is written again only when the look changed it (a talk start reads it far more often
    // than anything changes).
    static QuestStruct before;
    before = *q;
    const int giver = Chatting_With;
    const CreatureStruct *g = ask_valid(giver) ? &Cre[giver] : nullptr;
    // Slots that watch the same community share one count of its members.
    uint8_t info[5] = {0};
    uint32_t counted = 0;
    bool have_count = false;
    for (int s = 0; s < QUEST_CONDITIONS; s++) {
        q->conditions[s] = 0;
        const uint8_t kind = q->condType[s];
        if (kind == 1) {
            q->conditions[s] = (uint8_t)items_at_place(*q, s, g);
        } else if (kind >= 2 && kind <= 4) {
            if (!have_count || counted != q->condUid[s]) GetCRSBasedSocInfo(info, (int)q->condUid[s]);
            counted = q->condUid[s];
            have_count = true;
            const int dead = info[0], living = info[1], met = info[2], injured = info[3], fleeing = info[4];
            if (kind == 3) q->conditions[s] = met > 0;
            else if (kind == 4) q->conditions[s] = dead == 0 ? 0 : living == 0 ? 1 : 2;
            else q->conditions[s] = (dead || living) && (fleeing >= living / 2 || injured >= living / 2);
        } else if (kind == 5) {
            q->conditions[s] = (uint8_t)animal_brought(q->condUid[s]);
        } else if (kind == 6) {
            q->conditions[s] = escort_done(giver);
        }
    }
    const uint8_t wolf = *plr_bytes(PB_WOLFSTATE), maid = *plr_bytes(PB_MAIDMET), spirits = *plr_bytes(PB_SPIRITSMET);
    if ((q->kind == 20 && (wolf & 2)) || (q->kind == 50 && (maid & 2)) || (q->kind == 51 && (spirits & 4)) ||
        (q->kind == 52 && (spirits & 16)))
        q->conditions[0] = 1;
    if (q->kind == 15 && q->targetUid) {
        // The thief lives in his own village: read from the area when he is here, else from the file.
        static CreatureStruct thief;
        if (getsotucrstruct(thief, q->targetUid, 0) && NPCstruct_omatunto_mins(thief) > 4319) q->conditions[0] = 1;
    }
    if (DEBUG_KUESTILIPUT == 1 || DEBUG_KUESTILIPUT == 2) memset(q->conditions, DEBUG_KUESTILIPUT, sizeof q->conditions);
    for (int s = 0; s < QUEST_CONDITIONS; s++)
        if (q->conditions[s] == 1 && q->condLine[s]) snprintf(q->pendingText, sizeof q->pendingText, "TALKLINE %d", q->condLine[s]);
    const bool never_saved = q->createdDay == 0 && q->createdMonth == 0;
    if (never_saved || memcmp(&before, q, sizeof before) != 0) SaveQuest(q);
}

// ---- options ----------------------------------------------------------------------------------

// Whether the control tags of an option let it be offered now.
bool quest_option_holds(const QuestStruct &q, const char *tags_in) {
    if (DEBUG_INFO) return true;
    char tags[sizeof q.talk[0].options[0].optionTags + 1];
    copy_bounded(tags, sizeof tags, tags_in);
    long n = 0;
    if (tag_number(tags, "[ifcond", n) && n >= 0 && n < QUEST_CONDITIONS && q.conditions[n] != 1) return false;
    if (tag_number(tags, "[ifncond", n) && (n < 0 || n >= QUEST_CONDITIONS || q.conditions[n] != 0)) return false;
    if (tag_number(tags, "[ifsemicond", n) && (n < 0 || n >= QUEST_CONDITIONS || q.conditions[n] != 2)) return false;
    if (tag_number(tags, "[ifsaid", n) && (n < 0 || n >= QUEST_TALKLINES || !q.talk[n].said)) return false;
    if (tag_number(tags, "[ifnsaid", n) && n >= 0 && n < QUEST_TALKLINES && q.talk[n].said) return false;
    for (const char *head : {"[ifheard", "[ifnheard"}) {
        const char *at = strstr(tags, head);
        if (!at) continue;
        unsigned long qid = 0;
        long line = -1;
        if (sscanf(at + strlen(head), " %lu.%ld", &qid, &line) != 2) return false;
        bool said = false;
        if (qid && qid < 0xffffffffUL && line >= 0 && line < QUEST_TALKLINES) {
            static QuestStruct other;
            said = loadQuest((uint32_t)qid, other) && other.talk[line].said;
        }
        if (said != (head[3] == 'h')) return false;
    }
    if (has(tags, "[malepc]") && Plr.sex != 1) return false;
    if (has(tags, "[femalepc]") && Plr.sex != 2) return false;
    return true;
}

void AddQuestChatOpts(int line) {
    if (line < 0 || line >= QUEST_TALKLINES) return;
    for (int o = 0; o < QUEST_LINE_OPTIONS; o++) {
        const QuestOption &opt = globqS.talk[line].options[o];
        char coded[sizeof opt.coded + 1], tags[sizeof opt.optionTags + 1];
        field(coded, opt.coded);
        field(tags, opt.optionTags);
        if (!coded[0]) continue;
        const bool summary = has(tags, "[summary]");
        if (QUEST_SUMMARY_TALK && !summary) continue;
        if (opt.used && !(QUEST_SUMMARY_TALK && summary)) continue;
        if (!quest_option_holds(globqS, tags)) continue;
        AddCodedChatOption(coded, line, o);
    }
}

void AddOpt_Deliver() { AddChatOption(0, "\"I have something for you...\"", "[DELIVER]"); }

// ---- the talk lines ---------------------------------------------------------------------------

void DoAcceptQuest() {
    globqS.accepted = 1;
    globqS.acceptDayOfMonth = Plr.day;
    globqS.acceptMonth = Plr.month;
    globqS.acceptYear = Plr.year;
    globqS.acceptDay = Plr.daynumber;
    TALKGLOBAL_QUEST_ACCEPTED = 1;
    if (CreatureStruct *c = partner())
        c->questday = globqS.daysToComplete ? (uint16_t)(Plr.daynumber + globqS.daysToComplete) : 0;
}

namespace {

// "[repinc n]": the village's quest help grows by n; below 0 counts 1, above 3 counts 3.
void repinc(long n) {
    if (n < 0) n = 1;
    if (n > 3) n = 3;
    VillageStruct *v = partner_village();
    if (!v) return;
    if (v->questhelp < 255) v->questhelp = (uint8_t)(v->questhelp + n > 255 ? 255 : v->questhelp + n);
    if (v->questhelpbest < n) v->questhelpbest = (uint8_t)n;
}

// "[once]": every option of the quest that leads to line n is spent, unless it asks for a summary.
void spend_options_to(int n) {
    for (QuestTalkLine &l : globqS.talk)
        for (QuestOption &o : l.options) {
            char coded[sizeof o.coded + 1], tags[sizeof o.optionTags + 1], command[sizeof o.coded + 1];
            field(coded, o.coded);
            field(tags, o.optionTags);
            coded_command(coded, command, sizeof command);
            if (talkline_of(command) == n && strncmp(command, "TALKLINE", 8) == 0 && !has(tags, "[ask summary]"))
                o.used = 1;
        }
}

void completed(CreatureStruct &c) {
    globqS.completionDay = Plr.daynumber;
    c.questexpiry = Plr.daynumber;
    if (globqS.questMode == 3) unjoin_npc(Chatting_With);
    for (uint32_t id : globqS.sideQuestIds)
        if (id) SidequestComplete(id);
}

}   // namespace

void NPCpuhe_talk(const char *tag) {
    CreatureStruct *c = partner();
    if (!c || !c->quest || !tag) return;
    const int n = talkline_of(tag);
    if (n < 0) return;
    QuestTalkLine &line = globqS.talk[n];
    char A[sizeof line.actionTags + 1];
    field(A, line.actionTags);
    const int cre = Chatting_With;

    if (has(A, "[cant cancel]")) CANTCANCELCHAT = 1;
    if (has(A, "[reset once]"))
        for (QuestTalkLine &l : globqS.talk)
            for (QuestOption &o : l.options) o.used = 0;
    if (tag_copy(A, "pending", globqS.pendingText, sizeof globqS.pendingText)) {
        globqS.sideRole = 0;
        globqS.pendingFlag = 1;
    }
    tag_copy(A, "ol", globqS.olText, sizeof globqS.olText);
    if (has(A, "[once]")) spend_options_to(n);

    char text[sizeof line.npcText + 1];
    field(text, line.npcText);
    if (strchr(text, '<')) {
        TARGET_NPC = cre;
        char filled[MSGBUF_SIZE];
        copy_bounded(filled, sizeof filled, text);
        Parseroi_vMSG_avaimet(filled, sizeof filled);
        CrTalk(filled);
    } else {
        CrTalk(text);
    }
    line.said = 1;

    long v = 0;
    if (tag_number(A, "[credit reward", v) && v >= 0 && v <= 255) {
        globqS.rewardKind = 2;
        globqS.rewardCount = (uint8_t)v;
    }
    if (tag_number(A, "[rwd_item", v) && v >= 0) globqS.rewardItem = (uint32_t)v;
    if (tag_number(A, "[rwd_count", v) && v >= 0 && v <= 255) globqS.rewardCount = (uint8_t)v;
    if (tag_number(A, "[escort", v)) make_NPC_escortee(cre, (int)v);
    if (has(A, "[claim reward]")) ClaimReward();
    if (has(A, "[claim craft]")) ClaimCraft();
    if (has(A, "[befriend]")) set_NPC_friendship(cre, 1);
    if (has(A, "[befoe]")) set_NPC_foeship(cre, 1);
    if (has(A, "[leave]")) c->memberbits |= MB_LEAVE;
    if (tag_number(A, "[sotu_befoe", v) && v > 0) {
        const int other = sotu_Crepos((unsigned)v);
        if (ask_valid(other)) set_NPC_foeship(other, 1);
    }
    if (tag_number(A, "[repinc", v)) repinc(v);
    if (has(A, "[magic") || has(A, "[tk:")) ClaimMagic(A);

    const bool keep = has(A, "[keep options]");
    if (keep) {
        if (has(A, "[once]")) ClearChatOptStruct();
        AddQuestChatOpts(LAST_TALKNUM);
    } else {
        ClearChatOptStruct();
        AddQuestChatOpts(n);
    }

    if (has(A, "[introduce]") && !(c->namebits & 1)) {
        CrTalk("Oh, and let me introduce myself.");
        KysyNimi();
    }
    if (has(A, "[fetch]")) globqS.fetchOpen = 1;
    if (has(A, "[fetchtip]")) globqS.fetchTip = 1;
    if (has(A, "[accept]") && !globqS.accepted) DoAcceptQuest();
    if (has(A, "[area]")) globqS.marks[0].areaShown = 1;
    if (has(A, "[xarea]")) globqS.marks[1].areaShown = 1;
    if (tag_number(A, "[opensq", v)) {
        const uint32_t id = globqS.sideQuestIds[v >= 0 && v < QUEST_SIDEQUESTS ? v : 0];
        if (id) SidequestOpen(id, "[ok]");
    }
    if (tag_number(A, "[openQno", v) && v > 0 && v < 0xffffffffL) SidequestOpen((uint32_t)v, "[ok]");
    if (!keep) LAST_TALKNUM = n;
    if (has(A, "[completed]")) completed(*c);

    if (c->quest) {
        SaveQuest(&globqS);
        if (has(A, "[close]")) disableNPCquest(cre, c->quest);
    }
}

namespace {

// The pending text spoken, and for a delivery quest the delivery offered and an item in sight named.
void play_pending() {
    char pending[sizeof globqS.pendingText + 1];
    field(pending, globqS.pendingText);
    NPCpuhe_talk(pending);
    if (globqS.questMode != 1 || !(globqS.accepted || globqS.fetchTip)) return;
    AddOpt_Deliver();
    // Only a giver whose quest was taken on points out what it sees lying about.
    if (!globqS.accepted) return;
    const CreatureStruct *c = partner();
    int cx, cy;
    if (!c || !creature_square(Chatting_With, cx, cy)) return;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || koordinaattien_vali(PlayerX, PlayerY, d.x, d.y) > 49) continue;
        if (!NPC_see(cx, cy, d.x, d.y, c->Suunta) || !IsFetchItem((int)d.id)) continue;
        char line[400];
        bprintf(line, sizeof line, "Could it be that the %s I see over there is for me? If so, would you pick it up and deliver...",
                ekuvaus((int)d.id, d.count ? d.count : 1, 0));
        CrTalk(line);
        return;
    }
}

int quest_opening() {
    char pending[sizeof globqS.pendingText + 1];
    field(pending, globqS.pendingText);
    const bool silence = !strcmp(pending, "silence");
    if (globqS.pendingFlag) {
        if (silence) return 0;
        play_pending();
        return 1;
    }
    if (silence) return 0;
    if (globqS.accepted || (globqS.fetchOpen && pending[0])) {
        play_pending();
        return 1;
    }
    if (!globqS.sideRole) {
        NPCpuhe_talk("TALKLINE 0");
        return 1;
    }
    char status[sizeof globqS.statusTags + 8];
    bprintf(status, sizeof status, "%.*s", (int)sizeof globqS.statusTags, globqS.statusTags);
    if (DEBUG_INFO) strncat(status, "[ok]", sizeof status - strlen(status) - 1);
    if (!has(status, "[ok]")) return 0;
    const CreatureStruct *c = partner();
    if ((c && (c->namebits & 1)) || has(status, "[noname_ok]")) {
        char ol[sizeof globqS.olText + 1];
        field(ol, globqS.olText);
        AddCodedChatOption(ol, -1000, -1000);
        return 1;
    }
    return 0;
}

}   // namespace

int NPCpuhe_quest(const char *tag) {
    CreatureStruct *c = partner();
    if (!c || !c->quest || !tag) return 0;
    c->stateflags &= ~SF_QUESTTALK;
    if (DEBUG_INFO) {
        AddChatOption(0, "DEBUG COMPLETE QUEST", "[QUEST COMPLETED]");
        AddChatOption(0, "DEBUG ACCEPT QUESTS", "[QUEST DEBUG ACCEPT]");
        AddChatOption(0, "DEBUG OPEN SIDEQUESTS", "[DEBUG SIDEQUESTS]");
        if (globqS.pendingFlag) {
            AddChatOption(0, "FLAGS TO 1", "[CONDFLAG 1]");
            AddChatOption(0, "FLAGS TO 2", "[CONDFLAG 2]");
        }
    }
    if (has(tag, "QUEST INI")) return quest_opening();
    if (has(tag, "DEBUG ACCEPT")) {
        globqS.accepted = 1;
        CrTalk("Quest accepted.");
        SaveQuest(&globqS);
        return 1;
    }
    if (has(tag, "QUEST COMPLETED")) {
        ClearChatOptStruct();
        CANTCANCELCHAT = 1;
        int last = QUEST_COMPLETION_LINE;
        for (int i = 0; i < QUEST_TALKLINES; i++) {
            char A[sizeof globqS.talk[i].actionTags + 1];
            field(A, globqS.talk[i].actionTags);
            if (has(A, "[completed]")) last = i;
        }
        char command[32];
        snprintf(command, sizeof command, "TALKLINE %d", last);
        NPCpuhe_talk(command);
        CANTCANCELCHAT = 1;
        return 1;
    }
    return 0;
}

// ---- deliveries -------------------------------------------------------------------------------

int IsFetchItem(int obj) {
    if (DEBUG_INFO) return 1;
    if (obj <= 0) return 0;
    const ItemStruct it = ObjToItem(obj);
    if (!it.type) return 0;
    if (globqS.fetchMinQuality && ItemGet_laatu(&it) < globqS.fetchMinQuality) return 0;
    char pattern[sizeof globqS.fetchPattern + 1], name[sizeof it.name + 1];
    field(pattern, globqS.fetchPattern);
    field(name, it.name);
    if (pattern[0] && !strchr(pattern, '[') && !wildcmp(pattern, name)) return 0;
    if (has(pattern, "[bird]")) {
        if (it.type != IT_CARCASS_ITEM) return 0;
        static CreatureStruct bird;
        // a carcass names its creature by its object id, the creature's social id
        if (!getsotucrstruct(bird, it.id, 52) || bird.kind != KIND_BIRD) return 0;
    }
    // The wanted item is the one thing that carries the quest's unique id, not any thing of its kind.
    if (globqS.fetchItemId && it.origin != globqS.fetchItemId) return 0;
    if (globqS.fetchObject && (uint32_t)obj != globqS.fetchObject) return 0;
    return 1;
}

namespace {

// The counted items of a player slot into the person's pack; false, with nothing moved, when the person
// can't take them all.
bool hand_over(int slot, int count, int cre) {
    const int obj = Plr.inv_obj[slot];
    if (!AddCrPack(cre, obj, count)) return false;
    Poista_PlrItem(slot, count);
    return true;
}

int cant_carry() {
    CrTalk("I'm sorry but I can't take that. It's too much for me to carry.");
    return 2;
}

}   // namespace

int QuestDelivery(int slot, int count) {
    const int cre = Chatting_With;
    if (!NPC_got_quest(cre)) return 0;
    if (!(globqS.accepted || globqS.fetchOpen) || globqS.completionDay || globqS.questMode != 1) return 0;
    if (slot < 0 || slot >= PLR_SLOTS || count <= 0 || count > Plr.inv_count[slot] || Plr.inv_obj[slot] <= 0) return 2;
    const int obj = Plr.inv_obj[slot];
    if (!IsFetchItem(obj)) {
        CrTalk("Umm, that is not what I want right now.");
        return 2;
    }
    // The weights summed over many deliveries drift by millionths: what is wanted beyond this delivery
    // counts only from a hundredth of one of its pieces up, so that the pieces asked for fill the order
    // however they are handed in.
    const float unit = ObjToItem(obj).weight, weight = unit * (float)count;
    if (globqS.fetchWeight > 0.0f && globqS.fetchWeight - globqS.fetchWeightGiven - weight > unit / 100.0f) {
        if (!hand_over(slot, count, cre)) return cant_carry();
        globqS.fetchWeightGiven += weight;
        SaveQuest(&globqS);
        CrTalk("Good! But this is not all I want.");
        return 2;
    }
    if (globqS.fetchCount > 1 && globqS.fetchCountGiven + count < globqS.fetchCount) {
        if (!hand_over(slot, count, cre)) return cant_carry();
        globqS.fetchCountGiven = (uint8_t)(globqS.fetchCountGiven + count);
        SaveQuest(&globqS);
        char line[100];
        bprintf(line, sizeof line, "Good! And then %d more and it's all done...", globqS.fetchCount - globqS.fetchCountGiven);
        CrTalk(line);
        return 2;
    }
    if (!hand_over(slot, count, cre)) return cant_carry();
    return 1;
}

namespace {

// The gift's chat text, with ":many" for more than one item.
void say_gift_text(const char *key, int count) {
    char k[64];
    bprintf(k, sizeof k, count > 1 ? "%s:many" : "%s", key);
    say_chatmsg(k);
}

// The help a gift of that value gives the village.
int gift_help(float value) {
    if (value <= 16.0f) return 0;
    if (value < 200.0f) return 1;
    if (value < 400.0f) return 2;
    if (value < 800.0f) return 5;
    return 6;
}

}   // namespace

void deliver_item(int slot, int count) {
    CreatureStruct *c = partner();
    const int cre = Chatting_With;
    if (!c || slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0 || count <= 0) return;
    if (count > Plr.inv_count[slot]) count = Plr.inv_count[slot];
    const int obj = Plr.inv_obj[slot];
    const ItemStruct it = ObjToItem(obj);
    char line[300];
    if (count == 1) bprintf(line, sizeof line, "I want you to have this %s.", ekuvaus(obj, 1, 0));
    else bprintf(line, sizeof line, "Here, take these %s.", ekuvaus(obj, count, 0));
    PlrTalk(line);
    set_compword(cre, compword(cre) | CF_GIFT);

    const int r = QuestDelivery(slot, count);
    if (r == 1) {
        NPCpuhe_quest("QUEST COMPLETED");
        if (Chat_Mode == CHAT_DELIVER) Chat_Mode = CHAT_GREET;
        return;
    }
    if (r == 2) return;

    const bool member = is_socmember(cre) != 0;
    const OwnerStruct own = own_item(it);
    if (member && !own.free && own.soc == c->community) {
        CrTalk("I believe that is originally ours. Why don't you rather return it to its place.");
        return;
    }
    if (!tradeacc(obj, count, 2)) {
        CrTalk("That's something I do not want to hold.");
        return;
    }
    const bool recruit = (c->compterms & 2) != 0;
    const bool companion = onko_NPC_kumppani(cre) != 0;
    int given = obj;
    if (recruit || companion) {
        ItemStruct lent = it;   // a copy marked as lent: the item stays hers
        lent.status |= ITEM_LENT;
        given = Esineesta_Uniikki(lent);
        if (given <= 0) return;
    }
    if (!new_AddCrPack(cre, given, count, recruit || companion ? 4 : 0)) {
        cant_carry();
        return;
    }
    Poista_PlrItem(slot, count);

    if (recruit) {
        CompanionRecruitChat();
    } else if ((compword(cre) & CF_OWING) && !companion) {
        CrTalk("Mmm. Okay.");
    } else if (member) {
        const float value = goods_price(it, count);
        const int help = gift_help(value);
        if (!help) {
            say_gift_text("DELIVER_GENERAL", count);
        } else {
            if (VillageStruct *v = partner_village()) v->deliveries = (uint8_t)(v->deliveries + help > 255 ? 255 : v->deliveries + help);
            say_gift_text("DELIVER_HELP", count);
        }
    } else if (!companion) {
        say_gift_text("DELIVER_GENERAL", count);
    } else {
        char k[64];
        bprintf(k, sizeof k, count > 1 ? "DELIVER_COMP:many" : "DELIVER_COMP");
        char text[MSGBUF_SIZE];
        copy_bounded(text, sizeof text, CHATMSG(k));
        if (text[0]) CrTalk(text);
        else if (compword(cre) & CF_OWING) CompanionInvDebt(cre, 1);
    }
}

void ITEMPICK_deliver() {
    if (!partner()) return;
    const int slot = selslot("What do you want to give?", "deliver",
                             SEL_NO_WORN | SEL_NO_INUSE | SEL_QUIET | SEL_ASK_COUNT | SEL_ESC_AT_ONCE, 0, 0);
    if (slot < 0 || slot >= PLR_SLOTS) {
        Piirra_NPC_Puheboksi();
        if (invNotebuf[0]) {
            char note[sizeof invNotebuf];
            copy_bounded(note, sizeof note, invNotebuf);
            CrTalk(note);
        }
        return;
    }
    deliver_item(slot, SELSLOT_COUNT > 0 ? SELSLOT_COUNT : 1);
}

// ---- rewards ----------------------------------------------------------------------------------

void NPC_TeachSkill(const char *skill) {
    if (!skill || !skill[0]) return;
    char lower[PLR_SKILLNAME + 54];
    copy_bounded(lower, sizeof lower, skill);
    strlwr(lower);
    CrTalk("My teachings alone are not enough, but you also need to practice them on your own.");
    char line[300];
    bprintf(line, sizeof line, "You will notice the value of my advices the next time your %s skills are truly needed.", lower);
    CrTalk(line);
    bprintf(line, sizeof line, "teaches you his knowledge of %s.", lower);
    Emote(1, line);
    set_skillbf(skill, 0);
}

void ClaimReward() {
    char line[300];
    if (globqS.rewardItem) {
        const int obj = (int)globqS.rewardItem;
        const int count = globqS.rewardCount ? globqS.rewardCount : 1;
        if (ObjToItem(obj).type && AddNewItem(obj, count)) {
            bprintf(line, sizeof line, "gives you %s.", ekuvaus(obj, count, 0));
            Emote(1, line);
        }
    }
    if (globqS.rewardKind == 1) {
        char skill[sizeof globqS.rewardSkill + 1];
        field(skill, globqS.rewardSkill);
        NPC_TeachSkill(skill);
    }
    if (globqS.rewardKind == 2) {
        const int hides = globqS.rewardCount;
        bprintf(line, sizeof line, "Thus, %d squirrel hides worth of our goods will be handed out to you for free.", hides);
        CrTalk(line);
        CrTalk("Claim your reward whenever you please, all at once or in parts. Just come trade after picking up your selections and we'll reward those goods to you.");
        if (VillageStruct *v = partner_village()) {
            v->wholereward += (float)hides * SQUIRREL_HIDE_VALUE;
            v->credit += (float)hides * SQUIRREL_HIDE_VALUE;
            SaveNpcVil();
        }
        bprintf(line, sizeof line, "You are rewarded with %d squirrel hides worth of goods of your choice.", hides);
        Emote(0, line);
    }
}

void ClaimCraft() {
    CreatureStruct *c = partner();
    if (!c) return;
    c->craftstate = 1;
    c->craftproduct = globqS.craftOrder[0];
    c->craftvalue[0] = globqS.craftOrder[1];
    c->craftvalue[1] = globqS.craftOrder[2];
    c->craftflags = 0;
    // The order is worked on at once: the stamped material fetched and worked into the product
    // over the order's time.
    c->Paapuuha = 1;
    c->mainwords[0] = globqS.craftOrder[0];
    c->mainwords[1] = globqS.craftOrder[2];
    c->mainwords[2] = globqS.craftOrder[1];
    c->mainflags = 0;
}

void ClaimMagic(const char *tags) {
    if (!tags) return;
    int means = atoi(tag_value(tags, "magicmeans", "0"));
    int variant = atoi(tag_value(tags, "magicvar", "0"));
    if (means == 0) {
        const char *tk = tag_value(tags, "tk", "");
        if (sscanf(tk, "%d.%d", &means, &variant) < 1) return;
    }
    if (means <= 0 || means > 255) return;
    opi_taikakeino(means, variant);
}

void NPCpuhe_tilaus() {
    CreatureStruct *c = partner();
    if (!c || !c->craftproduct) return;
    static const char *left_around = "It's ready. I left it around, and if you haven't found it then I can't help you.";
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_WORK || Data[i].id != c->craftproduct) continue;
        if (c->craftstate == 1) {
            char line[200];
            bprintf(line, sizeof line, "I'm working on it. Come ask again %s.", DataReadyDesc(i));
            CrTalk(line);
        } else if (c->craftstate == 2) {
            CrTalk(left_around);
            c->craftflags |= CRAFT_TOLD;
        }
        return;
    }
    bool lying = false;
    for (int i = 0; i < DATA_MAX && !lying; i++) lying = Data[i].type == DT_ITEM && Data[i].id == c->craftproduct;
    if (c->craftstate == 1) {
        CrTalk("Just fine. Rushing doesn't help, though.");
    } else if (c->craftstate == 2) {
        CrTalk(lying ? "It's ready and you can go get it. I trust you can find it around here by yourself." : left_around);
        c->craftflags |= CRAFT_TOLD;
    }
}

// ---- healing ----------------------------------------------------------------------------------

void Healing() {
    if (reprefusal(3)) return;
    Emote(1, "carefully examines your condition and starts treating your wounds and ailments.");
    for (int s = 0; s < WOUND_SLOTS; s++) {
        WoundSlot w;
        if (!wound_get(-1, s, w) || !w.kind) continue;
        if (w.kind >= ILL_FIRST && w.kind <= ILL_LAST) {
            if (w.treatment < 5) w.treatment = (uint8_t)(w.treatment + 2);
        } else if (w.treatment == 0) {
            w.treatment = (uint8_t)(2 + random(3));
        } else if (w.treatment < 5) {
            w.treatment++;
        }
        wound_put(-1, s, w);
    }
    CrTalk("I've done the best I can for you. The time will show how well I succeeded. Try to rest now.");
    QUIT = 1;
    Emote(0, "");
}

void TryChatOption_Parannus() {
    if (plr_get<uint32_t>(PB_INJURY) == 0 || TARGET_REPSUMMARY.overall <= 2) return;
    CrTalk("I could try to help you with those injuries.");
    AddChatOption(0, "\"Please, do heal me.\"", "[HEALING]");
}

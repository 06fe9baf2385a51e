// src/society/smalltalk.cpp -- greetings, names, news and directions: what a person of the map says
// when the player greets it, asks its name or how things go, asks the way or asks after someone.
// Everything is said through the talk screen and offered through the chat options; no text that came
// from a record or a file is ever used as a format.
#include "society/smalltalk.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/tags.h"
#include "core/crefunc.h"
#include "core/maintenance.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/weatherengine.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "items/vessels.h"
#include "maps/directions.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "maps/worldsearch.h"
#include "maps/mapdesc.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/talkscreen.h"
#include "society/village.h"
#include "core/culture.h"

SmalltalkTrace smalltalk_trace;

void smalltalk_trace_clear() { memset(&smalltalk_trace, 0, sizeof smalltalk_trace); }

// ---- speaking and offering ----------------------------------------------------------------------

// The person says a line; an empty text says nothing.
static void say(const char *text) {
    if (!text || !text[0]) return;
    char line[sizeof smalltalk_trace.said[0]];
    copy_bounded(line, sizeof line, text);
    SmalltalkTrace &t = smalltalk_trace;
    if (t.said_count == SMALLTALK_TRACE) {
        memmove(t.said[0], t.said[1], sizeof t.said[0] * (SMALLTALK_TRACE - 1));
        t.said_count--;
    }
    copy_bounded(t.said[t.said_count++], sizeof t.said[0], line);
    CrTalk(line);
}

// A line the player may say next, numbered by the option table.
static void offer(const char *text, const char *tag) {
    SmalltalkTrace &t = smalltalk_trace;
    if (t.offered_count < SMALLTALK_TRACE) {
        copy_bounded(t.offered_text[t.offered_count], sizeof t.offered_text[0], text);
        copy_bounded(t.offered_tag[t.offered_count], sizeof t.offered_tag[0], tag);
        t.offered_count++;
    }
    AddChatOption(0, text, tag);
}

static void clear_offers() {
    smalltalk_trace.offered_count = 0;
    ClearChatOptStruct();
}

// A spoken option: the player's words go inside double quotes.
static void offer_spoken(const char *words, const char *tag) {
    char text[100];
    bprintf(text, sizeof text, "\"%s\"", words);
    offer(text, tag);
}

// ---- the person and its fields ------------------------------------------------------------------

static CreatureStruct *person_at(int n) { return n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr; }
static CreatureStruct *talker() { return person_at(Chatting_With); }

// The personal name, which fills its field without an end mark when it is 16 letters long.
static void personal_name(const CreatureStruct &c, char *out, size_t size) {
    char name[sizeof c.pname + 1];
    memcpy(name, c.pname, sizeof c.pname);
    name[sizeof c.pname] = 0;
    copy_bounded(out, size, name);
}

// What a person is, without its name: "healer", "villager".
static void kind_word(const CreatureStruct &c, char *out, size_t size) {
    char kind[sizeof c.species + 1];
    memcpy(kind, c.species, sizeof c.species);
    kind[sizeof c.species] = 0;
    const char *at = strstr(kind, "' the ");
    copy_bounded(out, size, at ? at + 6 : kind);
}

static bool name_known(const CreatureStruct &c) { return c.namebits & 1; }

// A local person with a quest of its own that is not yet done (no completion day remembered).
static bool has_open_quest(const CreatureStruct &c) { return c.quest != 0 && c.questexpiry == 0; }

// The village's knowledge flags: 2 the village knows the player's name.
static uint8_t &vil_knowledge(VillageStruct &v) { return v.knowledge; }

// ---- quests as the small talk sees them ---------------------------------------------------------

// One item of news a quest spreads: its subject, its kind (2 to 7, 0 none) and whom to ask (0 the
// quest giver).
struct QuestNews {
    char subject[64];
    uint8_t kind;
    uint32_t asksoc;
};
struct QuestTalk {
    bool generated, accepted, sideline;
    uint32_t completion_day;
    char status[100];
    char pending[100];
    QuestNews news[3];
};

// The quest of a person, loaded: what the small talk reads of it, every text cut to its field. A
// closed quest (expired, or its offer ended) is in no list and no news: false, as for none.
static bool quest_news(uint32_t id, QuestTalk *q) {
    memset(q, 0, sizeof *q);
    static QuestStruct rec;
    if (!id || !loadQuest(id, rec) || rec.closed) return false;
    q->generated = rec.generated != 0;
    q->accepted = rec.accepted != 0;
    q->sideline = rec.sideRole != 0;
    q->completion_day = rec.completionDay;
    bprintf(q->status, sizeof q->status, "%.*s", (int)sizeof rec.statusTags, rec.statusTags);
    bprintf(q->pending, sizeof q->pending, "%.*s", (int)sizeof rec.pendingText, rec.pendingText);
    for (int i = 0; i < 3; i++) {
        bprintf(q->news[i].subject, sizeof q->news[i].subject, "%.*s", 63, rec.subject + 64 * i);
        q->news[i].kind = rec.newsKind[i] <= 7 ? rec.newsKind[i] : 0;
        q->news[i].asksoc = rec.newsAsk[i];
    }
    return true;
}

// ---- greeting -----------------------------------------------------------------------------------

bool NPCpuhe_tervehdys(const char *tags) {
    const int n = Chatting_With;
    CreatureStruct *c = talker();
    if (!c) return false;
    TARGET_NPC = n;
    if (!(c->greetbits & MEET_GREETED)) {
        say(chats_TimeBasedGreeting(n));
        if (TARGET_REPSUMMARY.familiarity_level > 1) say(chats_MeetGapRemark(n, NpcVil.visitgap));
        c->greetbits |= MEET_GREETED | GREET_DONE;
    }
    QuestTalk q;
    const bool sideline = c->quest && quest_news(c->quest, &q) && q.sideline;
    bool asked = false;
    if (!strstr(tags ? tags : "", "[questmode]") || sideline) {
        TARGET_NPC = n;
        char query[400];
        copy_bounded(query, sizeof query, CHATMSG("GREET_QUERY"));
        say(query);
        asked = query[0] != 0;
    }
    if (onko_NPC_kumppani(n)) {
        CrTalk_Ryhmaelama(1);
        return asked;
    }
    if (compword(n) & CF_OWING) {
        say("You owe me some goods for my services.");
        offer_spoken("I have something for you...", "[DELIVER]");
    }
    return asked;
}

// ---- names --------------------------------------------------------------------------------------

void KysyNimi() {
    CreatureStruct *c = talker();
    if (!c) return;
    static const char *const intro[] = {"I'm", "They call me", "My name is", "I am called", "I'm known as"};
    char name[20], line[64];
    personal_name(*c, name, sizeof name);
    bprintf(line, sizeof line, "%s %s.", intro[random(5)], name);
    say(line);
    c->namebits |= 1;
}

void KerroOmaNimi() {
    const int n = Chatting_With;
    CreatureStruct *c = talker();
    if (!c) return;
    TARGET_NPC = n;
    say(CHATMSG("INTRODUCTION_REMARK"));
    c->greetbits |= MEET_INTRODUCED;
    if (is_socmember(n)) {
        if (NpcVil.socid != c->community) GetNpcVil((int)c->community);
        if (NpcVil.socid == c->community) vil_knowledge(NpcVil) |= 2;
    }
}

// ---- how is it going ----------------------------------------------------------------------------

// The news sentence of one item, with the person to ask (m) in words without its name, and the
// option of asking after that person.
static void tell_news(const QuestNews &e, int m) {
    const CreatureStruct &p = Cre[m];
    char who[48], the_who[56], name[20], news[200], line[300], words[100];
    kind_word(p, who, sizeof who);
    bprintf(the_who, sizeof the_who, "the %s", who);
    personal_name(p, name, sizeof name);
    const char *lead;   // the words before the news; a full stop ends the line
    switch (e.kind) {
    case 2:
        copy_bounded(news, sizeof news, e.subject);
        lead = "But it's more interesting that ";
        copy_bounded(words, sizeof words, onko_NPC_nainen(m) ? "Where can I find her?" : "Where can I find him?");
        break;
    case 3:
        bprintf(news, sizeof news, "our %s has been %s", who, e.subject);
        lead = "Otherwise, ";
        bprintf(words, sizeof words, "I might want to talk to %s.", name);
        break;
    case 4:
        bprintf(news, sizeof news, "we're living %s now, our %s can explain", e.subject, who);
        lead = "Actually, ";
        bprintf(words, sizeof words, "Where can I find %s then?", name);
        break;
    case 5:
        bprintf(news, sizeof news, "%s just keeps talking about %s", the_who, e.subject);
        lead = "And as usual lately, ";
        bprintf(words, sizeof words, "I'd like to hear what %s has to say.", name);
        break;
    case 6:
        bprintf(news, sizeof news, "%s. %s can tell you", e.subject, Alkuk(the_who));
        lead = "Mmm. And if it matters to you, ";
        bprintf(words, sizeof words, "Okay, but where can I find %s?", name);
        break;
    case 7:
        bprintf(news, sizeof news, "%s wants to have a word with you, about %s", the_who, e.subject);
        lead = "Oh, and ";
        bprintf(words, sizeof words, "Alright, and where is %s then?", name);
        break;
    default:
        bprintf(news, sizeof news, "our %s needs help with %s", who, e.subject);
        lead = "But ";
        bprintf(words, sizeof words, "%s, huh?", name);
        break;
    }
    bprintf(line, sizeof line, "%s%s.", lead, news);
    say(line);
    char tag[40];
    bprintf(tag, sizeof tag, "[NPC SOTU QUERY:%u]", p.socialid);
    offer_spoken(words, tag);
}

// The first other person of the map with a quest that is offered but not taken and that people talk
// about; its news told.
static void walk_news(int n) {
    for (int dp = 0; dp < DATA_MAX; dp++) {
        if (Data[dp].type != DT_CREATURE) continue;
        const int m = creature_slot_of(Data[dp].id);
        if (m < 0 || m == n || Cre[m].kind != CK_HUMAN || !has_open_quest(Cre[m])) continue;
        QuestTalk q;
        if (!quest_news(Cre[m].quest, &q)) continue;
        if (!q.generated || q.accepted || q.completion_day || !q.news[0].subject[0] || !q.news[0].kind) continue;
        int count = 1;
        while (count < 3 && q.news[count].subject[0] && q.news[count].kind) count++;
        QuestNews e = q.news[random(count)];
        e.subject[sizeof e.subject - 1] = 0;
        int ask = m;
        if (e.asksoc) {
            const int other = sotu_Crepos(e.asksoc);
            if (other >= 0 && other < CRE_COUNT) ask = other;
        }
        tell_news(e, ask);
        return;
    }
}

void KysyKuulumiset() {
    const int n = Chatting_With;
    CreatureStruct *c = talker();
    if (!c) return;
    char name[20];
    personal_name(*c, name, sizeof name);
    // One person answers alike every time: the stream starts from its own seed. A seed of 0 would
    // mean the clock here, so it counts as 1, which the C library makes of 0 anyway.
    const unsigned seed = (unsigned)strlen(name) * c->socialid;
    randomize(seed ? (int)seed : 1);
    static const char *const fine[] = {"Not too bad.", "Can't complain.", "Quite alright.", "Pretty well.",
                                       "Just fine.", "Mustn't grumble.", "Been worse."};
    say(fine[random(7)]);
    if (onko_NPC_lapsi(n)) {
        say("That's what the adults tell me.");
    } else {
        if (onko_NPC_vanhamies(n)) {
            static const char *const weather[] = {"What weather we've been having!", "Some weather we've had.",
                                                  "Days go by."};
            say(weather[random(3)]);
            char forecast[300];
            const int day = dayofyear(Plr.day, Plr.month);
            copy_bounded(forecast, sizeof forecast, weatherengine.get_forecast(3, 62, day, Plr.hour));
            say(forecast);
        }
        if (!has_open_quest(*c)) walk_news(n);
    }
    randomize(0);
}

// ---- directions ---------------------------------------------------------------------------------

const char *KERRO_Aluetieto() {
    const CreatureStruct *c = talker();
    const int k = c ? c->localknowledge : 0;
    if (k <= 1) return "This is strange region to me too.";
    if (k == 2) return "But I really haven't wandered too far from here.";
    if (k == 3) return "It might be that someone else would know better.";
    if (k == 4) return "And I've been wandering around here a lot.";
    return "I'm familiar with this region and I'm pretty sure of it.";
}

void Suuntaohjeet_Nollaus() {
    clear_offers();
    offer_spoken("Well, do you know about ... ?", "[DIRECTIONS]");
}

void Alusta_Puheenaihe_SEUTU() {
    CreatureStruct *c = talker();
    if (!c) return;
    CrTalk_Clear();
    if (c->localknowledge) {
        say("What do you need to know?");
        offer_spoken("I'm looking for a village.", "[LOOKING FOR VILLAGE]");
        offer_spoken("I need to find a lake.", "[LOOKING FOR LAKE]");
        offer_spoken("Are there any caves around here?", "[LOOKING FOR CAVE]");
    } else {
        say("Sorry, but I can't help you.");
        say(KERRO_Aluetieto());
    }
}

void PARSE_Etsimassa(int mapchar, const char *noun, int distant) {
    CreatureStruct *c = talker();
    if (!c) return;
    const int range = c->localknowledge * 100;
    const int found = range > 0 ? Etsi_Karttamerkki(mapchar, IsoX(), IsoY(), range, distant ? 100 : 5) : 0;
    if (!found || X_Karttamerkki < 0) {
        CrTalk_Clear();
        say("I have no idea if there are any.");
        say(KERRO_Aluetieto());
        Suuntaohjeet_Nollaus();
        return;
    }
    char line[400], region[300];
    copy_bounded(region, sizeof region, HaetunAlueenKuvaus(X_Karttamerkki, Y_Karttamerkki));
    bprintf(line, sizeof line, "There is a %s in the %s %s.", noun ? noun : "", Ilmansuunta[Suunta_Karttamerkki & 7],
            region);
    say(line);
    bprintf(line, sizeof line, "It is %s.", EtaisyydenKuvaus(Etaisyys_Karttamerkki));
    say(line);
    if (mapchar != 239) return;
    const int culture = culture_row(get_alltime_kulttuuri(X_Karttamerkki, Y_Karttamerkki));
    bprintf(line, sizeof line, "It is %s village.", CULTURE_ADJECTIVE[culture]);
    say(line);
    if (distant) {
        Suuntaohjeet_Nollaus();
    } else {
        clear_offers();
        offer_spoken("Yes, I know. How about more distant settlements?", "[LOOKING FOR DISTANT VILLAGE]");
    }
}

// ---- asking after people ------------------------------------------------------------------------

void FindPeople() {
    for (int dp = 0; dp < DATA_MAX; dp++) {
        if (Data[dp].type != DT_CREATURE) continue;
        const int m = creature_slot_of(Data[dp].id);
        if (m < 0 || Cre[m].kind != CK_HUMAN || !Cre[m].quest) continue;
        QuestTalk q;
        if (!quest_news(Cre[m].quest, &q)) continue;
        q.status[sizeof q.status - 1] = 0;
        q.pending[sizeof q.pending - 1] = 0;
        const bool open = q.generated ? q.accepted && !q.completion_day : strstr(q.status, "[ok]") != nullptr;
        if (!open || Cre[m].questexpiry || !strcmp(q.pending, "silence")) continue;
        char name[20], words[100], tag[40];
        personal_name(Cre[m], name, sizeof name);
        bprintf(tag, sizeof tag, "[NPC SOTU QUERY:%u]", Cre[m].socialid);
        if (q.accepted) {
            if (!name_known(Cre[m])) continue;
            bprintf(words, sizeof words, "Is %s around?", name);
        } else if (name_known(Cre[m])) {
            bprintf(words, sizeof words, "Where can I find %s?", name);
        } else {
            bprintf(words, sizeof words, "I am looking for somebody called %s?", name);
        }
        offer_spoken(words, tag);
    }
}

// The question after a person by name, in each form FindPeople may have put it while the player
// learnt the name: a line of an earlier greeting is known for its own when its words have changed.
bool FindPeople_line(const char *text, const char *tag) {
    if (!text || !tag || !strstr(tag, "[NPC SOTU QUERY:")) return false;
    const unsigned long soc = strtoul(tag_value(tag, "NPC SOTU QUERY", "0"), nullptr, 10);
    if (soc == 0) return false;
    const char *words = text[0] && text[1] == '.' ? text + 2 : text;
    for (int dp = 0; dp < DATA_MAX; dp++) {
        if (Data[dp].type != DT_CREATURE) continue;
        const int m = creature_slot_of(Data[dp].id);
        if (m < 0 || Cre[m].kind != CK_HUMAN || Cre[m].socialid != soc) continue;
        char name[20], forms[3][100];
        personal_name(Cre[m], name, sizeof name);
        bprintf(forms[0], sizeof forms[0], "\"Is %s around?\"", name);
        bprintf(forms[1], sizeof forms[1], "\"Where can I find %s?\"", name);
        bprintf(forms[2], sizeof forms[2], "\"I am looking for somebody called %s?\"", name);
        for (const char *form : forms)
            if (!strcmp(words, form)) return true;
        return false;
    }
    return false;
}

void KysySotuCreSijainti(int socid) {
    if (!talker()) return;
    int m = -1, x = 0, y = 0;
    for (int dp = 0; dp < DATA_MAX && m < 0; dp++) {
        if (Data[dp].type != DT_CREATURE) continue;
        const int s = creature_slot_of(Data[dp].id);
        if (s < 0 || Cre[s].kind == CK_NONE || Cre[s].socialid != (uint32_t)socid) continue;
        m = s;
        x = Data[dp].x;
        y = Data[dp].y;
    }
    if (m < 0 || Cre[m].mode == CM_CARCASS || socid == 0) {
        say("I don't know.");
        return;
    }
    const bool she = onko_NPC_nainen(m);
    const char *pron = she ? "she" : "he";
    char line[300];
    const int d = koordinaattien_vali(PlayerX, PlayerY, x, y);
    if (d >= 51) {
        bprintf(line, sizeof line, "I think %s is around here, but I don't know where exactly.", pron);
        say(line);
        return;
    }
    if (m == Chatting_With) {
        say("Well, here I am.");
        KysyNimi();
        Start_Conversation(1);
        return;
    }
    if (See(x, y) || NPCSee(Chatting_With, x, y)) {
        bprintf(line, sizeof line, "%s is right over there, you see.", she ? "She" : "He");
        say(line);
        return;
    }
    if (indoors(x, y)) bprintf(line, sizeof line, "A while ago %s was inside ", pron);
    else bprintf(line, sizeof line, "At least a moment ago %s was wandering around here ", pron);
    char where[200];
    if (d < 9) copy_bounded(where, sizeof where, "just around the corner");
    else bprintf(where, sizeof where, "%s%s", d < 16 ? "just nearby " : "", navitxt_Dir(PlayerX, PlayerY, x, y, 0));
    strncat(line, where, sizeof line - strlen(line) - 1);
    strncat(line, ".", sizeof line - strlen(line) - 1);
    say(line);
}

void PARSE_sage_around() {
    const CreatureStruct *c = talker();
    if (!c) return;
    for (int i = 0; i < CRE_COUNT; i++) {
        const CreatureStruct &h = Cre[i];
        if (h.kind == CK_NONE || h.mode == CM_CARCASS || i == Chatting_With) continue;
        if (!is_socmember(i) || !onko_NPC_parantaja(i) || h.community != c->community) continue;
        char name[20], line[64];
        personal_name(h, name, sizeof name);
        bprintf(line, sizeof line, "Yes. We have our %s.", name);
        say(line);
        KysySotuCreSijainti((int)h.socialid);
        return;
    }
    say("No, unfortunately not.");
}

// src/society/companions.cpp -- companions in conversation: "H.Ask help/company" and its recruiting
// tags, the check that a recruit has the food and weapons it wants, joining, the wage reckoning, the
// companion's reports on hunger and neglect, the end of its term and parting, "C.Command", and the
// menu of orders that "!" gives a companion with its work orders.
#include "society/companions.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "activities/food.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/animals.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "core/creatures.h"
#include "creatures/decisions.h"
#include "creatures/lifeask.h"
#include "creatures/melee_aside.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "creatures/weaponchoice.h"
#include "items/inventory.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "society/questtalk.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/talkscreen.h"
#include "society/trade.h"
#include "society/village.h"
#include "worldgen/culturegoods.h"
#include "worldgen/worldgen.h"
#include "core/worldservices.h"

char mietelause[200];

enum { TASK_COMPANION_JOINED = 20 };

// ---- the record ----

static uint8_t &service_days(CreatureStruct &c) { return cre_spare(c, SPARE_PREPAID); }
static uint8_t &days_served(CreatureStruct &c) { return cre_spare(c, SPARE_SERVICE); }

static bool slot_is_stock(const CreatureStruct &c, int s) { return (c.packbits[s] & PACK_STOCK) != 0; }

static bool lent(int obj) { return obj > 0 && (ObjToItem(obj).status & ITEM_LENT_MARK); }

// ---- speaking ----

// The person talked to says a line; an empty text says nothing.
static void say(const char *text) {
    if (text && text[0]) CrTalk(text);
}

static void offer(const char *words, const char *tag) {
    char line[100];
    snprintf(line, sizeof line, "\"%s\"", words);
    AddChatOption(0, line, tag);
}

static void set_answer(const char *text) { copy_bounded(mietelause, sizeof mietelause, text); }

// ---- laying things down ----

// Units of every item stack on the square.
static long units_at(int x, int y) {
    long n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_ITEM && Data[i].x == x && Data[i].y == y) n += Data[i].count;
    return n;
}

// count of obj laid on the square; false when the map's pool had no room for them (nothing laid).
static bool lay_down(int x, int y, int obj, int count) {
    if (obj <= 0 || count <= 0) return false;
    const long before = units_at(x, y);
    set_data(DT_ITEM, x, y, obj, count);
    return units_at(x, y) == before + count;
}

// A stack that had to stay in the pack.
static void kept_note(int n, int obj, int count) {
    char line[300], what[200];
    copy_bounded(what, sizeof what, ekuvaus(obj, count, 0));
    snprintf(line, sizeof line, "_There is no room to lay down %s here: %s keeps it for now.", what, monnam(n, 2));
    Note(line);
}

// ---- whether a person comes along ----

static bool has_pet(const CreatureStruct &c) {
    if (!c.socialid) return false;
    for (int m = 0; m < CRE_COUNT; m++)
        if (Cre[m].kind != CK_NONE && Cre[m].kind != CK_HUMAN && (Cre[m].ownerbits & 1) &&
            Cre[m].owner == (int32_t)c.socialid && Cre[m].mode != CM_CARCASS)
            return true;
    return false;
}

int onko_NPC_varvattavissa(int n, int days) {
    mietelause[0] = 0;
    if (!ask_valid(n) || Cre[n].kind != CK_HUMAN) return 0;
    CreatureStruct &c = Cre[n];
    if (c.recruitbits & RB_REFUSES) {
        set_answer("I don't think so.");
        return 0;
    }
    if (c.stateflags & SF_NOT_HIRED) {
        set_answer("That doesn't suit me. I have things of my own to take care of.");
        return 0;
    }
    if (c.quest) {
        set_answer("Not now, but maybe in the future.");
        return 0;
    }
    if (c.community) {
        const int owed = soc_companion_in_debt((int)c.community);
        if (ask_valid(owed)) {
            char name[64];
            copy_bounded(name, sizeof name, monnam(owed, 8));
            snprintf(mietelause, sizeof mietelause, "I don't think you'll find a companion here until our %s gets payed.", name);
            return 0;
        }
    }
    set_answer("No, I'm not interested.");
    if (c.recruitbits & RB_LATER) {
        set_answer("Not now, but maybe in the future.");
        if (!c.community) return 0;
        const long today = (long)Plr.daynumber;
        if (days >= 30) c.firsttalkday = 1;
        else if (c.firsttalkday == 0) c.firsttalkday = (uint32_t)(today - days > 1 ? today - days : 1);
        if (today - (long)c.firsttalkday < 15L * c.strength) return 0;
    }
    if (c.speciescode == SPECIES_CRAFTSMAN) {
        set_answer("I really can't leave from here.");
        return 0;
    }
    if (c.role == 5 || c.role == 13 || c.role == 14 || c.role == 15) return 0;
    // The figure is drawn the first time anyone asks and kept.
    if (c.willingness == 0) c.willingness = (uint8_t)(1 + random(9));
    if (c.willingness < 2) return 0;
    if (has_pet(c)) return 0;
    mietelause[0] = 0;
    return 1;
}

// ---- food and weapons ----

int NPC_riittavasti_ruokaa(int cre, int days) {
    if (!ask_valid(cre)) return 0;
    const CreatureStruct &c = Cre[cre];
    double sum = 0.0;
    for (int s = 0; s < CRE_PACK; s++) {
        if (c.pack[s] <= 0 || c.packcount[s] == 0 || slot_is_stock(c, s)) continue;
        ItemStruct item = ObjToItem(c.pack[s]);
        if (item.type != IT_FOOD) continue;
        sum += (double)ravinto(item).kcal_item * c.packcount[s];
    }
    return sum > (double)days * FOOD_PER_DAY;
}

// ---- the wage ----

int CompanionInvDebt(int n, unsigned sayflags) {
    const CompanionWage wage = companion_wage(n);
    if (!wage.reckoned) return 0;
    const float expected = wage.expected, carried = wage.carried;
    if (carried >= expected) {
        if (sayflags & 1) say("I'm happy to leave with my current equipment. If you let me keep it now my services are paid for.");
        if (sayflags & 2) say("I'm happy to leave with my current equipment.");
        if (sayflags & 4) say("We are even now. Better late than never.");
        return 0;
    }
    if (sayflags) {
        if (sayflags & 1)
            say("I'm not happy to leave with my current equipment. I expect you to hand out some decent goods to pay for my services. Let's settle this today.");
        if (sayflags & 2) say("I expect you to hand out some decent goods at once to pay for my services.");
        if (sayflags & 4) say("We are still not even.");
        say("What I have now is");
        say(payed_vs_asked_txt(carried, expected));
        say("to make me happy.");
    }
    return companion_keep_debt(n, wage);
}

// ---- recruiting ----

void Alusta_Puheenaihe_VARVAA() {
    const int n = Chatting_With;
    if (!partner()) return;
    CrTalk_Clear();
    if (!onko_NPC_kumppani(n)) {
        say("I am listening...");
        if (onko_NPC_parantaja(n)) TryChatOption_Parannus();
        offer("I'm going hunting and could use your company.", "[RECRUIT HUNTING]");
        offer("I'd like to hire a helping hand. Interested?", "[RECRUIT WORK]");
        offer("Do you want to go for a longish adventure with me?", "[RECRUIT ADVENTURE]");
    } else {
        CrTalk_Ryhmaelama(1);
    }
    offer("I'm curious about your weapon skills?", "[ASK WEAPON SKILLS]");
    offer("I'm curious about your skills and expertise?", "[ASK SKILLS]");
    if (is_socmember(n) && !onko_NPC_parantaja(n)) offer("Is there a sage here?", "[LOOKING FOR SAGE]");
}

// One of its village's hired people who is not on the map; 0 when all are here.
static uint32_t hired_missing(const VillageStruct &v) {
    for (uint32_t id : v.hired)
        if (id && cre_of_socid(id) < 0) return id;
    return 0;
}

void PARSE_Kumppani(int days, uint32_t recruitword, uint32_t companionword) {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    if (reprefusal(3)) return;
    const bool member = is_socmember(n) != 0;
    if (member) {
        if (NpcVil.socid != c->community) GetNpcVil((int)c->community);
        if (const uint32_t away = hired_missing(NpcVil)) {
            static CreatureStruct rec;
            char name[sizeof rec.pname + 1] = "";
            if (getsotucrstruct(rec, away, 0)) copy_bounded(name, sizeof name, rec.pname);
            char line[200];
            snprintf(line, sizeof line, "No. Not until we see %s who left with you again.", name[0] ? name : "the one");
            say(line);
            return;
        }
    }
    if (!onko_NPC_varvattavissa(n, member ? (int)NpcVil.visitgap : 0)) {
        say(mietelause);
        return;
    }
    if ((companionword & CW_ADVENTURE) && !onko_NPC_rohkea(n)) {
        say("No, no, no... I don't think I can handle adventures or longer expeditions right now.");
        return;
    }
    service_days(*c) = (uint8_t)(days < 0 ? 0 : days > 255 ? 255 : days);
    c->partyflags = companionword;
    c->compterms = recruitword;
    makepersonal_NPCitems(n, 1);
    c->hirevalue = (float)NPC_inventoryhinta(n);
    ClearChatOptStruct();
    char line[300];
    snprintf(line, sizeof line, "That's fine with me. I can come %s. Just be prepared to reward my days of service afterwards.",
             YhteiselamanTeksti((int)companionword));
    say(line);
    say("But let me think if I have all the equipment I might need.");
    CompanionRecruitChat();
}

int CompanionRecruitChat() {
    CreatureStruct *c = partner();
    if (!c) return 0;
    if (Tarkasta_Palkkio(service_days(*c))) return 1;
    ClearChatOptStruct();
    bool holds_lent = false;
    for (int s = 0; s < CRE_PACK; s++)
        if (c->pack[s] > 0 && ((c->packbits[s] & PACK_LENT) || lent(c->pack[s]))) holds_lent = true;
    if (holds_lent) {
        offer("So take this...", "[DELIVER]");
        offer("Nah, I've changed my mind. Now give my items back.", "[RETURN LOANED]");
    } else {
        offer("I will give you what need. Here...", "[DELIVER]");
        offer("Forget about it. I've changed my mind.", "[RECRUIT CLEAR]");
    }
    return 0;
}

// The recruit's energy reserve filled for the road.
static void fill_energy(int n) {
    const int cap = maxenergiavaranto(n);
    Cre[n].energy = (int16_t)(cap < 0 ? 0 : cap > 32767 ? 32767 : cap);
}

int Tarkasta_Palkkio(int days) {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c || !(c->compterms & RW_RECRUITING)) return 1;
    Trade_Phase = 1;
    bool food_missing = false;
    if ((c->compterms & RW_FOOD) && !NPC_riittavasti_ruokaa(n, days)) {
        say("I think I'd like to have more food with me.");
        food_missing = true;
    }
    if ((c->compterms & RW_WEAPONS) && !NPC_riittavasti_aseita(n, 3)) {
        say("I could use some extra weapons.");
        CrTalk_weaponskills();
        return 0;
    }
    if (food_missing) return 0;
    if (!(c->partyflags & CW_AGREED)) return 1;

    // Joining.
    const bool member = is_socmember(n) != 0;
    const int soc = (int)c->community;
    DropStockItems(n);
    c->partyflags &= ~CW_AGREED;
    c->compterms &= ~RW_RECRUITING;
    c->partyflags |= CW_JOINED;
    set_compword(n, compword(n) & ~CF_OWING);
    days_served(*c) = 1;
    fill_energy(n);
    Keskeyta_Puuha(n, 0);
    world_services.course_task_check(TASK_COMPANION_JOINED);
    char line[200];
    snprintf(line, sizeof line, "Well, I think I have everything I need to start %s now!", YhteiselamanTeksti((int)c->partyflags));
    say(line);
    ClearChatOptStruct();
    Emote(1, "is now your party member.");
    if (member) {
        SaveNpcVil();
        socset_npc_hired(n, soc);
        SaveGlobVil();
        GetNpcVil(soc);
    }
    return 1;
}

int DropStockItems(int cre) {
    if (!ask_valid(cre)) return 0;
    CreatureStruct &c = Cre[cre];
    int x, y;
    if (!creature_square(cre, x, y)) return 0;
    bool all = true;
    for (int s = 0; s < CRE_PACK; s++) {
        if (c.pack[s] <= 0 || c.packcount[s] == 0 || !slot_is_stock(c, s)) continue;
        ItemStruct item = ObjToItem(c.pack[s]);
        item.status &= (uint8_t)~3u;
        const int obj = Luo_Esineen_Itempos(item);
        const int count = c.packcount[s];
        if (obj > 0 && lay_down(x, y, obj, count)) {
            Poista_NpcItem(cre, s, count);
            continue;
        }
        all = false;
        kept_note(cre, c.pack[s], count);
    }
    const int soc = (int)c.community;
    if (soc > 0) {
        soc_reclaim_check(soc);
        if (NpcVil.socid == (uint32_t)soc && GetGlobVil(soc)) NpcVil.reclaimflag = globVil.reclaimflag;
    }
    return all;
}

void ReturnLoanedItems() {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    // What it holds in its hands goes back too: a lent weapon it took up is still hers.
    int32_t *hands[2] = {&c->wielded, &c->offhand};
    for (int32_t *h : hands) {
        if (!lent(*h)) continue;
        ItemStruct item = ObjToItem(*h);
        item.status &= (uint8_t)~(ITEM_LENT_MARK | 128 | 16);
        const int obj = Luo_Esineen_Itempos(item);
        if (obj > 0 && lay_down(PlayerX, PlayerY, obj, 1)) *h = 0;
        else kept_note(n, *h, 1);
    }
    for (int s = 0; s < CRE_PACK; s++) {
        if (c->pack[s] <= 0 || c->packcount[s] == 0) continue;
        if (!(c->packbits[s] & PACK_LENT) && !lent(c->pack[s])) continue;
        ItemStruct item = ObjToItem(c->pack[s]);
        item.status &= (uint8_t)~ITEM_LENT_MARK;   // hers again
        const int obj = Luo_Esineen_Itempos(item);
        if (obj > 0 && lay_down(PlayerX, PlayerY, obj, c->packcount[s])) {
            c->pack[s] = 0;
            c->packcount[s] = 0;
            c->packbits[s] = 0;
        } else {
            kept_note(n, c->pack[s], c->packcount[s]);
        }
    }
    laske_Load(n);
    c->partyflags = 0;
    c->compterms = 0;
    say("Of course. You can now find your equipment on the ground at your feet.");
    ClearChatOptStruct();
}

void ClearRecruitFlags() {
    CreatureStruct *c = partner();
    if (!c) return;
    c->partyflags = 0;
    c->compterms = 0;
}

// ---- how the companion fares ----

void CrTalk_Ryhmaelama(int quiet) {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    uint32_t w = compword(n);
    const bool escortee = (w & CF_ESCORTEE) != 0;
    if (!quiet && service_days(*c) > 0) {
        w &= ~CF_WANTSTALK;
        if (w & CF_HUNGRY) say("I am hungry. It's your duty to provide me with enough food.");
        if (w & CF_STARVING) {
            say("I am starving. Some food needs to come my way, and soon!");
            if (c->grouplife < 255) c->grouplife++;
            if (c->grouplife == 1) {
                say("You must remember that we are still companions.");
            } else if (c->grouplife == 2) {
                say("I warn you not neglect me again or I will head elsewhere.");
            } else {
                say("This was the final straw of your ignorance.");
                CrTalkBr();
                say("Our paths will separate now!");
                w |= CF_UNHAPPY;
                service_days(*c) = 0;
            }
        }
        set_compword(n, w);
    }
    if (!(w & CF_UNHAPPY)) return;
    char line[300];
    const int left = comp_days_left(n);
    if (left > 0) {
        if (escortee) {
            snprintf(line, sizeof line, "If we don't get where I wanted within %s I think I have to continue on my own.", TIMESPAN_days(left));
        } else {
            char company[64];
            copy_bounded(company, sizeof company, YhteiselamanTeksti((int)c->partyflags));
            snprintf(line, sizeof line, "I will be %s %s more. Then it's time for me to go back home.", company, TIMESPAN_days(left));
        }
        say(line);
        if (left == 1 && !escortee) {
            set_compword(n, compword(n) | CF_OWING);
            if (CompanionInvDebt(n, 1)) offer("I have something for you...", "[DELIVER]");
        }
        return;
    }
    if (escortee) {
        say("You don't seem to be able to escort me where I wanted. I will continue on my own now.");
        set_NPC_foeship(n, 1);
    } else {
        snprintf(line, sizeof line, "Now it's time for me to go back home. I won't be %s any longer.", YhteiselamanTeksti((int)c->partyflags));
        say(line);
    }
    NPCTALK_yhteiselo_ohi();
}

void NPCTALK_yhteiselo_ohi() {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    service_days(*c) = 0;
    const bool owed = CompanionInvDebt(n, 0) != 0;
    if (owed) {
        set_compword(n, compword(n) | CF_OWING);
        CompanionInvDebt(n, 2);
        Keskeyta_Puuha(n, -1);
        Lisaa_Puuha(n, 2, 100);
    } else {
        set_compword(n, compword(n) & ~CF_OWING);
        c->compdebt = 0;
        c->hirevalue = 0;
        if (c->grouplife == 0) say("It was nice to know you.");
        say("Bye now and take care of yourself!");
    }
    unjoin_npc(n);
    ClearChatOptStruct();
}

// ---- "C.Command" ----

void Alusta_Puheenaihe_KOMENNA() {
    const int n = Chatting_With;
    if (!partner()) return;
    const bool companion = onko_NPC_kumppani(n) != 0;
    bool offered = false;
    if (!companion && your_residence()) {
        offer("Go away! This is my settlement!", "[GO AWAY]");
        offered = true;
    }
    if (companion && !(compword(n) & CF_ESCORTEE)) {
        offer("I don't need your help anymore.", "[UNJOIN]");
        offered = true;
    }
    if (!offered) say("You are in no position to command me around here.");
}

void CrTalk_Puuha() {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (c && onko_NPC_kumppani(n) && (c->partyflags & CW_STAY)) say("I'll be staying here unless you command me otherwise.");
}

int tell_stay(int cre) {
    if (bigmap() || !ask_valid(cre)) return 0;
    CreatureStruct &c = Cre[cre];
    c.partyflags |= CW_STAY;
    c.follow[0] = Plr.minutes + 60;
    if (c.kind != CK_HUMAN) {
        Keskeyta_Puuha(cre, -1);
        Lisaa_Puuha(cre, 2, 60);
    }
    return 1;
}

// ---- what it can do ----

void CrTalk_weaponskills() {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    const int best = NPC_paras_taistelukyky(n, 0);
    if (best < 0) {
        say("I can hold a knife if need be but that's about it.");
        return;
    }
    char name1[16], name2[16], word1[32], word2[32], line[200];
    copy_bounded(name1, sizeof name1, c->skillname[best]);
    copy_bounded(name1, sizeof name1, mon(name1));
    copy_bounded(word1, sizeof word1, taitoteksti_perus(c->skilllevel[best]));
    const int second = NPC_paras_taistelukyky(n, 2);
    if (second < 0) {
        snprintf(line, sizeof line, "I'm %s with %s but that's about it.", word1, name1);
    } else {
        copy_bounded(name2, sizeof name2, c->skillname[second]);
        copy_bounded(name2, sizeof name2, mon(name2));
        copy_bounded(word2, sizeof word2, taitoteksti_perus(c->skilllevel[second]));
        if (strcmp(word1, word2) != 0) snprintf(line, sizeof line, "I'm %s with %s and %s with %s.", word1, name1, word2, name2);
        else snprintf(line, sizeof line, "I'm %s with %s and %s.", word1, name1, name2);
    }
    say(line);
}

void CrTalk_skills() {
    const int n = Chatting_With;
    CreatureStruct *c = partner();
    if (!c) return;
    if (onko_NPC_parantaja(n)) {
        static const char *const lines[4][2] = {
            {"Well for one, I know songs to sink nosy youngsters into a bog.", "I'm soothsayer old as time. I know more than I can even remember."},
            {"Curious you may be, but my expertise is beyond your understanding.",
             "Well, at least so far my powers and advises have assured welfare of the people here."},
            {"Hehehe...", "I'm a mere negotiator between the people and the spirit world."},
            {"Who has beard has the power.", "The beard doesn't grow in a day."}};
        const int circle = Kulttuuripiiri(c->culture);
        const int row = circle >= 1 && circle <= 3 ? circle - 1 : 3;
        say(lines[row][(c->socialid & 2) ? 0 : 1]);
        return;
    }
    char hide[32], timber[32], line[200];
    copy_bounded(hide, sizeof hide, taitoteksti_perus(c->hideskill));
    copy_bounded(timber, sizeof timber, taitoteksti_perus(c->timberskill));
    if (!strcmp(hide, timber)) snprintf(line, sizeof line, "I'm %s in hideworking and timbercraft.", hide);
    else snprintf(line, sizeof line, "I'm %s in hideworking and %s with timbercraft.", hide, timber);
    say(line);
}

// ---- work orders ----

static void stop_task(int cre) { Keskeyta_Puuha(cre, -1); }

void compcom_fire(int cre) {
    if (!ask_valid(cre)) return;
    stop_task(cre);
    const int r = Lisaa_Puuha(cre, 110, 150);
    if (r == -2) Olento_Puhuu(cre, "But we have a perfectly good fire already burning.");
    else if (r < 0) Olento_Puhuu(cre, "I'm afraid I'm unable to light a proper fire here.");
    else Olento_Puhuu(cre, "Ok, I'll go light a fire.");
}

// An activity queued four times; the repeats only after the first went in.
static void timber_order(int cre, int code, int timer, const char *cannot, const char *can) {
    if (!ask_valid(cre)) return;
    stop_task(cre);
    if (Lisaa_Puuha(cre, code, timer) < 0) {
        Olento_Puhuu(cre, cannot);
        return;
    }
    for (int i = 0; i < 3; i++) Lisaa_Puuha(cre, code, timer);
    Olento_Puhuu(cre, can);
}

static const char NO_TRUNKS[] = "I will, as soon as you make sure I have proper equipment and there are proper trunks around.";

void compcom_fell(int cre) {
    timber_order(cre, 120, 200, "I will, as soon as you make sure I have proper equipment and we have proper trees around here.",
                 "Very well. I go fell some good, big trunks down.");
}
void compcom_carvelog(int cre) { timber_order(cre, 121, 200, NO_TRUNKS, "Very well. I'll start carving."); }
void compcom_splitboard(int cre) { timber_order(cre, 122, 500, NO_TRUNKS, "Very well. I'll start splitting."); }

void compcom_butcher(int cre) {
    if (!ask_valid(cre)) return;
    stop_task(cre);
    if (!aseta_ruhonkasittely(cre, 0, 1)) Olento_Puhuu(cre, "I'm afraid there is nothing butcher here. Bring me at a carcass if there is one.");
    else Olento_Puhuu(cre, "I will do my best.");
}

void compcom_roast(int cre) {
    if (!ask_valid(cre)) return;
    stop_task(cre);
    Lisaa_Puuha(cre, 110, 100);
    if (Lisaa_Puuha(cre, 130, 150) < 0) Olento_Puhuu(cre, "I don't have anything to cook.");
    else Olento_Puhuu(cre, "Very well. I'll start roasting.");
}

// ---- "!" to a companion ----

enum { NEAR_MAX = 50 };

// The companions within range squares of her, the one commanded first.
static int companions_near(int cre, int range, int *list) {
    int count = 0;
    list[count++] = cre;
    for (int i = 0; i < DATA_MAX && count < NEAR_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = datapos_Crepos(i);
        if (c == cre || !ask_valid(c) || !onko_NPC_kumppani(c)) continue;
        if (koordinaattien_vali(Data[i].x, Data[i].y, PlayerX, PlayerY) > range) continue;
        list[count++] = c;
    }
    return count;
}

void order_attack(const int *who, int count, const char *prompt) {
    for (int i = 0; i < count; i++) {
        TARGET_NPC = who[i];
        Note(MSG("PET_PHRASE:ATTACK"));
    }
    if (!OtaKohta(prompt)) {
        Note("!Canceled.");
        return;
    }
    const int target = cre_xy(GeneralX, GeneralY);
    if (!ask_valid(target)) {
        Note(MSG("GOOF_NO_CREATURE"));
        return;
    }
    for (int i = 0; i < count; i++)
        if (who[i] != target && tell_attack(-1, who[i], target)) NPC_hyokkaa(who[i], target, 200);
}

static void order_stay_or_follow(int cre) {
    CreatureStruct &c = Cre[cre];
    if (c.partyflags & CW_STAY) {
        c.partyflags &= ~CW_STAY;
        c.follow[0] = 0;
        Olento_Puhuu(cre, "Alright, let's move together again.");
    } else if (tell_stay(cre)) {
        Olento_Puhuu(cre, "Alright, I will stay here. But whatever you have in mind don't let it take for too long.");
    } else {
        Olento_Puhuu(cre, "No, I won't stay here. We need to find a decent place where I can wait.");
    }
}

int compchat(int cre, int, int range) {
    if (!ask_valid(cre)) return 1;
    int near[NEAR_MAX];
    const int count = companions_near(cre, range, near);
    bool group = false;
    for (;;) {
        Valinta_Tyhjaa();
        Valinta_Lisaa('A', "Attack");
        Valinta_Lisaa(-1, "");
        Valinta_Lisaa('F', "Light a fire");
        Valinta_Lisaa('B', "Butcher and skin a carcass");
        Valinta_Lisaa('R', "Roast some meat");
        Valinta_Lisaa(-1, "");
        Valinta_Lisaa('T', "Fell some trees");
        Valinta_Lisaa('L', "Carve trunks into logs");
        Valinta_Lisaa('O', "Split trunks into boards");
        Valinta_Lisaa(-1, "");
        if (!group) Valinta_Lisaa('S', (Cre[cre].partyflags & CW_STAY) ? "Start following again" : "Stay here");
        if (Cre[cre].Puuha[0] != 0) Valinta_Lisaa('X', "Stop your tasks");
        if (count > 1) Valinta_Lisaa(group ? '-' : '+', group ? "Group command off" : "Group command");
        const int key = TeeValinta(group ? "COMPANION GROUP COMMANDS" : "COMPANION COMMANDS");
        if (count > 1 && (key == '+' || key == '-')) {
            group = key == '+';
            continue;
        }
        const int *who = group ? near : &cre;
        const int many = group ? count : 1;
        switch (key >= 'a' && key <= 'z' ? key - 32 : key) {
            case 'A': order_attack(who, many, "Attack whom?"); break;
            case 'F': for (int i = 0; i < many; i++) compcom_fire(who[i]); break;
            case 'B': for (int i = 0; i < many; i++) compcom_butcher(who[i]); break;
            case 'R': for (int i = 0; i < many; i++) compcom_roast(who[i]); break;
            case 'T': for (int i = 0; i < many; i++) compcom_fell(who[i]); break;
            case 'L': for (int i = 0; i < many; i++) compcom_carvelog(who[i]); break;
            case 'O': for (int i = 0; i < many; i++) compcom_splitboard(who[i]); break;
            case 'S':
                if (!group) order_stay_or_follow(cre);
                break;
            case 'X':
                if (Cre[cre].Puuha[0] == 0) break;
                for (int i = 0; i < many; i++) {
                    for (int k = 0; k < PUUHA_SLOTS; k++) Keskeyta_Puuha(who[i], 0);
                    Olento_Puhuu(who[i], "As you wish.");
                }
                break;
            default: break;
        }
        return 1;
    }
}

// The talk's own work: every command tag run once (but "[FIRE COMMAND]" and "[GO AWAY]", whose time is
// the search of the map for a fire and for the player's home), one coded quest line cut into a chat option, and
// one pass of the option loop with the listener's view of the player rebuilt.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "base/ui.h"
#include "core/records.h"
#include "core/creatures.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/trade.h"
#include "society/village.h"

namespace {

const char *const TAGS[] = {
    "#2", "[TRADE SUGGESTION]", "[ITEMPICK]", "[DEBT ITEMPICK]", "[DEBT SUMMARY]", "[DELIVER]", "[RETURN LOANED]",
    "[BYE]", "[GOODBYE]", "[ROB QUERY]", "[CONDFLAG 1]", "[CONDFLAG 2]", "[EXIT]", "[REJECT]", "[DIRECTIONS]",
    "[STAY HERE]", "[FOLLOW ME]", "[TRADECLEAR]", "[ASK WEAPON SKILLS]", "[ASK SKILLS]", "[RECRUIT CLEAR]", "[PAY DEBT]",
    "[PERSONAL TRADE]", "[HEALING]", "[RECRUIT HUNTING]", "[RECRUIT WORK]", "[RECRUIT ADVENTURE]", "[LOOKING FOR SAGE]",
    "[LOOKING FOR VILLAGE]", "[LOOKING FOR DISTANT VILLAGE]", "[LOOKING FOR LAKE]", "[LOOKING FOR CAVE]",
    "[TRADECOMPLETE]", "[TRADEPROCEED]", "[CRAFT ORDER QUERY]", "[WHO ARE YOU]", "[DEBUG SIDEQUESTS]",
    "[HOW IS IT GOING]", "[NPC SOTU QUERY:12]", "[INTRODUCE]", "[SHUT UP]", "[QUEST INI]", "[REPEAT LAST TALK]",
    "[TALKLINE 3]", "[RESTART PAYDEBT]", "[I WONT PAY]", "[CANT PAY DEBT]", "[UNJOIN]", "[UNJOIN NOCONFIRM]",
    "[UNJOIN CONFIRM]", "[I STEAL]", "[ROB DEMAND]", "[ROB ALLOW]", "[ROB FIGHT]",
    "[ROB RESIST]", "[NODEAL]",
};

constexpr int NPC = 1;
constexpr int SOC = 4711;

void open_talk() {
    static bool open = false;
    if (!open) {
        open = true;
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        DISABLE_NOTES = 1;
    }
    clrVillages();
    GetGlobVil(SOC);
    SaveGlobVil();
    memset(&Cre[NPC], 0, sizeof Cre[NPC]);
    Cre[NPC].kind = CK_HUMAN;
    Cre[NPC].community = SOC;
    Cre[NPC].socialid = 9001;
    strcpy(Cre[NPC].species, "villager");
    Chatting_With = NPC;
    Chat_Mode = CHAT_GREET;
    GetNpcVil(SOC);
}

void BM_RunParserWholeTable(benchmark::State &state) {
    open_talk();
    for (auto _ : state) {
        for (const char *tag : TAGS) {
            Chat_Mode = CHAT_GREET;
            QUIT = EXIT_CHAT = 0;
            RunParser(tag);
        }
        benchmark::DoNotOptimize(Trade_Status);
    }
}
BENCHMARK(BM_RunParserWholeTable)->Unit(benchmark::kMicrosecond);

void BM_CodedLineParsed(benchmark::State &state) {
    open_talk();
    for (auto _ : state) {
        ClearChatOptStruct();
        AddCodedChatOption("Yes, I will bring you the herbs you need|TALKLINE 4:Good. Come back soon.", 3, 1);
        benchmark::DoNotOptimize(ChatOptions[0].tag[0]);
    }
}
BENCHMARK(BM_CodedLineParsed)->Unit(benchmark::kMicrosecond);

void BM_OptionPassWithReputation(benchmark::State &state) {
    open_talk();
    TalkMenuLine lines[16];
    for (auto _ : state) {
        GetNpcVil(SOC);
        vildebtrefresh(&NpcVil);
        socrepSummary(&TARGET_REPSUMMARY, NpcVil);
        ClearChatOptStruct();
        Chat_Mode = CHAT_GREET;
        Start_Conversation(1);
        benchmark::DoNotOptimize(chat_option_lines(lines));
    }
}
BENCHMARK(BM_OptionPassWithReputation)->Unit(benchmark::kMicrosecond);

}  // namespace


BENCHMARK_MAIN();

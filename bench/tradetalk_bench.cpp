// One trade pass with the trade panel drawn off (no screen): the person's tradable goods marked,
// two of his stacks picked through the item chooser, one of the player's stacks offered, the panel
// asked for, and the deal struck: the goods change owners. Target: under 200 µs a pass.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "base/ui.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/items.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/trade.h"
#include "society/village.h"

namespace {

constexpr int NPC = 1;
constexpr int SOC = 4711;

int stored_item(const char *name, int type, float price) {
    ItemStruct it{};
    it.type = (uint8_t)type;
    it.id = 300;
    it.price = price;
    it.weight = it.fullweight = 1.0f;
    strcpy(it.name, name);
    return Esineesta_Uniikki(it);
}

CreatureStruct person;
PlayerStruct player;

void open_trade() {
    static bool open = false;
    if (!open) {
        open = true;
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        DISABLE_NOTES = 1;
    }
    ui_use_null_screen();
    clrVillages();
    GetGlobVil(SOC);
    SaveGlobVil();
    memset(&Cre[NPC], 0, sizeof Cre[NPC]);
    CreatureStruct &c = Cre[NPC];
    c.kind = CK_HUMAN;
    c.community = SOC;
    c.socialid = 9001;
    c.weight = 80.0f;
    c.strength = 15;
    strcpy(c.species, "villager");
    const char *goods[] = {"Bread", "Cup", "Cord"};
    for (int s = 0; s < 3; s++) {
        c.pack[s] = stored_item(goods[s], s == 0 ? IT_FOOD : IT_TOOL, 2.0f);
        c.packcount[s] = 4;
        c.packbits[s] = 2;
    }
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    Plr.inv_obj[0] = stored_item("Salt", IT_FOOD, 24.0f);
    Plr.inv_count[0] = 3;
    person = c;
    player = Plr;
    Chatting_With = NPC;
    GetNpcVil(SOC);
    memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
}

void BM_TradePassPanelOff(benchmark::State &state) {
    open_trade();
    const int keys[] = {'a', KEY_ENTER, 'b', KEY_ENTER, ' '};   // two of his stacks, whole
    for (auto _ : state) {
        Cre[NPC] = person;
        Plr = player;
        Chat_Mode = CHAT_TRADE;
        Trade_Phase = 0;
        QUIT = EXIT_CHAT = 0;
        ClearChatOptStruct();
        Clear_Trade_Itemlist();
        TradeInquiry();
        ui_script_keys(keys, 5);
        InitPersonalTrade();
        AddTradeItemList(Plr.inv_obj[0], 1);
        Plr.inv_count[0] -= 1;
        Show_Trade_Info();
        Trade_Phase = 2;
        RunParser("[TRADECOMPLETE]");
        benchmark::DoNotOptimize(Plr.inv_count[0]);
    }
    // The last pass traded: his cord and her salt left with him.
    int his = 0;
    for (int s = 0; s < CRE_PACK; s++) his += Cre[NPC].pack[s] ? Cre[NPC].packcount[s] : 0;
    if (his != 5) state.SkipWithError("the goods did not change owners");
}
BENCHMARK(BM_TradePassPanelOff)->Unit(benchmark::kMicrosecond);

}  // namespace

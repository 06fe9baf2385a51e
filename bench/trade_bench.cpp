// The acceptance test of barter over 20 offered stacks (target: under 100 us), with a village on the
// map: ten people carrying full packs of bread (one stored record, as equal goods share theirs) and
// 3000 goods of the village lying about, each its own record. On the development machine, loaded:
// about 72 us in a release build, about 530 us in the sanitised debug build. Among the stacks are
// raw meat, fish and boards, whose rules count the village's people and weigh its stores.
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
#include "society/trade.h"
#include "society/village.h"

namespace {

constexpr int NPC = 1, SOC = 4711, PEOPLE = 10, STACKS = 20, GOODS = 3000;
int stack[STACKS];

int ware(const char *name, int type, float price, unsigned id, float weight) {
    ItemStruct it{};
    it.type = (uint8_t)type;
    it.id = id;
    it.price = price;
    it.weight = it.fullweight = weight;
    it.spoil = type == IT_FOOD ? 7 : 0;
    strcpy(it.name, name);
    return Esineesta_Uniikki(it);
}

void open_trade() {
    static bool open = false;
    if (!open) {
        open = true;
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        DISABLE_NOTES = 1;
    }
    memset(Plr.mapname, 0, sizeof Plr.mapname);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    clrVillages();
    GetGlobVil(SOC);
    SaveGlobVil();
    const int bread = ware("Rye bread", IT_FOOD, 2, 300, 1.0f);
    for (int n = NPC; n < NPC + PEOPLE; n++) {
        CreatureStruct &c = Cre[n];
        c.kind = CK_HUMAN;
        c.community = SOC;
        c.weight = 70.0f;
        strcpy(c.species, "villager");
        for (int s = 0; s < 20; s++) {
            c.pack[s] = bread;
            c.packcount[s] = 3;
        }
        Data[n].type = DT_CREATURE;
        Data[n].id = (uint32_t)(CRE_DATAID + n);
        Data[n].x = Data[n].y = (uint16_t)(200 + n);
    }
    for (int i = 0; i < GOODS; i++) {
        DataStruct &d = Data[100 + i];
        d.type = DT_ITEM;
        d.x = d.y = (uint16_t)(200 + i % 40);
        d.count = 2;
        d.id = (uint32_t)ware("Birch log", IT_TIMBER, 4, 300, 20.0f);
        PlayerObj[d.id - OBJ_PLAYER_FIRST].ownersoc = SOC;
    }
    Chatting_With = NPC;
    Chat_Mode = CHAT_TRADE;
    Trade_Phase = 1;
    Trade_Price = 400.0f;
    Trade_ClearList();
    GetNpcVil(SOC);
    const char *names[] = {"Knife", "Axe", "Spear", "Bow", "Arrow", "Needle", "Cord"};
    for (int i = 0; i < STACKS; i++) stack[i] = ware(names[i % 7], i % 2 ? IT_TOOL : IT_WEAPON, 30, 300, 2.0f);
    stack[3] = ware("Raw meat", IT_FOOD, 5, 500, 6.0f);
    stack[9] = ware("Raw fish", IT_FOOD, 4, 490, 2.0f);
    stack[15] = ware("Board", IT_TIMBER, 3, 403, 8.0f);
}

void BM_AcceptanceOverTwentyStacks(benchmark::State &state) {
    open_trade();
    for (auto _ : state) {
        int accepted = 0;
        for (int i = 0; i < STACKS; i++) accepted += tradeacc(stack[i], 2, 0);
        benchmark::DoNotOptimize(accepted);
    }
}
BENCHMARK(BM_AcceptanceOverTwentyStacks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

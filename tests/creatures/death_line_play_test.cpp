// Aino struck down on her local map by a warrior's blows as the turns go by: the last line she reads
// names him, as her memorial does.
#include "core/loader_fixture.h"
#include "creatures/beside_her.h"
#include "game/worldpass.h"

#include "core/crefunc.h"
#include "core/creatures.h"
#include "core/datafunc.h"
#include "creatures/ancestors.h"
#include "creatures/bodyrec.h"
#include "creatures/predicates.h"
#include "game/turnloop.h"

#include <fstream>
#include <sstream>

namespace {

class DeathLine : public oxatest::PlayingTest {};

TEST_F(DeathLine, AWarriorsBlowsAreNamedInHerLastLine) {
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    // She is alone with him: the others stand calm, her dog stays away.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            onko_NPC_kesyelain((int)d.id - CRE_DATAID)) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].mode != CM_CARCASS) Cre[c].enemy = CRE_NONE, Cre[c].mode = 3;
    const int warrior = oxatest::creature_east_of_her(500);
    Cre[warrior].namebits |= 1;   // he told her his name
    const std::string him = monnam(warrior, 4);
    ASSERT_NE(him.find(" the "), std::string::npos) << him;
    for (int turn = 0; turn < 400 && REAL_QUIT != -1; turn++) {
        Cre[warrior].mode = 99;   // he keeps at her until she falls
        Cre[warrior].enemy = CRE_PLAYER;
        Cre[warrior].aggressiveness = 100;
        Cre[warrior].fightbits = 0;
        Cre[warrior].stamina = 100;
        TurnUsed = 1;   // she stands and waits: the world takes its turn
        if (!turn_answer()) break;
    }
    ASSERT_EQ(REAL_QUIT, -1) << "his blows killed her";
    ASSERT_EQ(plr_get<int32_t>(PB_ATTACKER), 7777) << "he struck her last";

    // Her folder is gone; the memorial keeps her message log and her death text.
    const std::string slot = dir->path() + "/ANCESTORS/" + std::to_string(LASTANCNUM);
    std::ifstream in(slot + "/msglog.txt");
    std::stringstream log;
    log << in.rdbuf();
    const std::string said = log.str();
    const size_t at = said.rfind("You are dead: ");
    ASSERT_NE(at, std::string::npos) << said;
    const std::string line = said.substr(at, said.find('\n', at) - at);
    EXPECT_NE(line.find(him), std::string::npos) << line;
    EXPECT_EQ(line.find("by death"), std::string::npos) << line;
    AncestorStruct rec;
    char folder[200];
    ASSERT_TRUE(read_ancestor(LASTANCNUM, rec, folder, sizeof folder));
    EXPECT_NE(std::string(rec.death_text).find(him), std::string::npos) << rec.death_text;
    EXPECT_NE(line.find(rec.death_text + 1), std::string::npos) << "the line says what the memorial says: " << line;
}

}  // namespace

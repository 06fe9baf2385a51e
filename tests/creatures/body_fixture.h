// tests/creatures/body_fixture.h -- a running game for the body tests: the activity fixture with the
// body's message texts, a grown character's body figures, scripted healing rolls.
#pragma once
#include "../activities/activity_fixture.h"

#include "core/harnrule.h"
#include "game/loader.h"
#include "core/weatherengine.h"
#include "core/oxa.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/healing.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"

#include <deque>

namespace oxatest {

struct HealScript {
    static std::deque<int> &rolls() { static std::deque<int> q; return q; }
    static int roll(int, int) {
        if (rolls().empty()) return 1;
        const int r = rolls().front();
        rolls().pop_front();
        return r;
    }
};

class BodyTest : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        // The weather of a game an earlier test played must not rain on these nights.
        weatherengine = cWeatherEngine();
        dir->copy_asset("messages/eng_body.txt");
        MSG_forget_index();
        plr_set<int32_t>(PB_BODYWEIGHT, 130);
        plr_bytes(PB_ENDURANCE)[0] = 12;
        plr_bytes(PB_SPEED)[0] = 12;
        Plr.month = 6;
        Side = 3;
        BODYPART_KILLZONE = 0;
        Condition_Check_lastnotemin = Haavatarkistukset_last_note_mintick = 0;
        HealScript::rolls().clear();
        body_successroll = HealScript::roll;
        REAL_QUIT = 0;
        sleep_save = [] {};
    }
    void TearDown() override {
        sleep_save = safesave;
        body_successroll = SuccessRoll;
        GlobWeather = {};
        REAL_QUIT = 0;
        ActivityTest::TearDown();
    }
    // A wound of the player put straight into slot s (the totals follow).
    static void wound(int s, int kind, int level, int part, int injury, int side = 1, int bleeding = 0) {
        WoundSlot w{(uint8_t)kind, (uint8_t)level, (uint8_t)part, (uint8_t)injury, (uint8_t)bleeding, (uint8_t)side, 0};
        if (kind >= ILL_FIRST) w.treatment = (uint8_t)level;
        wound_put(-1, s, w);
        plr_set<uint32_t>(PB_INJURY, (uint32_t)body_injury_sum(-1));
        plr_set<uint32_t>(PB_BLOODLOSS, (uint32_t)body_bleeding_sum(-1));
    }
    static WoundSlot slot(int s, int who = -1) {
        WoundSlot w{};
        wound_get(who, s, w);
        return w;
    }
    static uint32_t injury_total() { return plr_get<uint32_t>(PB_INJURY); }
    static uint32_t bloodloss() { return plr_get<uint32_t>(PB_BLOODLOSS); }
    // A creature of the area in slot c.
    static CreatureStruct &beast(int c, int kind, int species = 0) {
        memset(&Cre[c], 0, sizeof Cre[c]);
        Cre[c].kind = (uint8_t)kind;
        Cre[c].speciescode = (uint32_t)species;
        Cre[c].endurance = 12;
        Cre[c].speed = 200;
        Cre[c].weight = 40.0f;
        return Cre[c];
    }
};

}  // namespace oxatest

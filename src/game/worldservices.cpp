// src/game/worldservices.cpp -- the world services the rules ask of the game (core/worldservices.h).
#include "core/worldservices.h"

#include "activities/puuharun.h"
#include "activities/waterway.h"
#include "creatures/body.h"
#include "game/clockupkeep.h"
#include "game/command.h"
#include "game/loader.h"
#include "game/taskloop.h"
#include "game/toimi.h"
#include "game/worldpass.h"
#include "quests/courses.h"
#include "society/chat.h"
#include "core/tehtavat.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

static int course_start(int course) { return course == 1 ? Tee_Gamecourse_1() : Tee_Gamecourse_2(); }

const WorldServices world_services = {
    task_loop, FatigueTick, minute_upkeep, hourly_check, CreatureMove, creature_run_begin, creature_run_end, Tee_Puuha,
    WaterwayCheck,
    Save, safesave, GetMappie, MapLoader,
    ExitEnviron, EnterLocale, surroundings, EncounterCheck, TERRAIN,
    Toimi, bound_key, Nappainkomento_Naytto,
    Tarkista_Suoritus, course_start,
    DoQuestForNPC,
    Init_Talk_NPC, Do_Talk, npc_talkstart_debtissue, npc_talkstart_robissue, npc_talkstart_questissue,
};

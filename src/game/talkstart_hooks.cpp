// src/game/talkstart_hooks.cpp -- the talks a person of the map opens are held by the society's talk.
#include "creatures/talkstart.h"
#include "society/chat.h"

const TalkStartHooks talk_start_hooks = {Init_Talk_NPC, Do_Talk, npc_talkstart_debtissue, npc_talkstart_robissue,
                                         npc_talkstart_questissue};

// src/game/listener_hooks.cpp -- what the texts ask of the village rules about the listener.
#include "core/repsummary.h"

#include "society/reputation.h"

const ListenerHooks listener_hooks = {plraddress};

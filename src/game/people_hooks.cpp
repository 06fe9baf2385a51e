// src/game/people_hooks.cpp -- what the life of people asks of the society: a companion's wage reckoning.
#include "creatures/people.h"
#include "society/village.h"

const PeopleHooks people_hooks = {CompanionInvDebt};

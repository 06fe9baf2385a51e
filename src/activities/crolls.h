// src/activities/crolls.h -- a new character's rolls: body, attributes and starting skills, and the
// option points with which the player raises her skills at creation and after a game course.
#pragma once
#include <cstdint>

void DoHeightWeight();             // height, build and weight of the player record, by her culture
void DoKeyAttributes();            // the hidden value, the eleven attributes and the hidden 5d6; needs the weight
void character_skills();           // the 27 starting skills and the first magic means
// Adds the skill to the player's first free slot (or to a slot holding it at level 0) with its aptitude
// and start level from the skill table; the new level, 0 when she has it already or no slot is free.
int GenSkill(int who, const char *name);

// The body's weight from her height, before the build changes it; and the build's change.
int height_weight(int height_in);
int build_weight(int weight, int build);

// ---- option points ----------------------------------------------------------------------------
enum { OPTION_NONE = 1000, OPTION_NAMES = 50, OPTION_NAMELEN = 30 };
extern uint8_t SKILLIMPROVE_decok;      // steps a skill may fall below its level at the phase's start
extern int SKILLIMPROVE_points;         // points left
extern uint8_t SKILLIMPROVE_onetime;    // steps a skill may rise above its start level; 0 no limit
extern int SKILLIMPROVE_lastplus;       // the slot improved last
extern int32_t OptionStageML[50];       // each slot's level when the phase began
extern char KaytetytTaidot[OPTION_NAMES][OPTION_NAMELEN];   // skills at their upper limit

// The option phase: the skills screen in option mode until the points are spent, then "Are you happy
// with this?" (N takes the last step back). A screen that leaves with points left ends the phase.
void option_points(int stepsBelow, int points, int stepsAbove);
void option_start(int stepsBelow, int points, int stepsAbove);   // the state only
// One step of the skill in `slot` up (1) or down (-1) within the limits; 1 when it moved.
int KaytaOptio(int slot, int direction);
int option_spent(int slot);             // 1 when the slot's name is among the skills at their limit

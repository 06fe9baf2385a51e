// src/core/worldservices.h -- the world services: the few calls of the rules that must run the world
// above them. Time passing runs the task loop, the clock's upkeep and the creatures' pass (the game's
// turn) with the work each creature's activity does in it, and the player's step in the water where
// the ice broke under her; the game's files are saved and its maps entered and loaded by the game's loader, and the
// world's two levels left, entered and made by the world generator; the command
// that repeats is run by the game's command table; a game course is started and its task checked by
// the courses of the quests, and the quest a village or a wanderer offers is made by the quests' kinds;
// a talk a person of the map opens with the player is held by the society's talk. Every other call of a rule goes to its own folder or one below it
// (tools/link_order_check.sh lets this table alone pass up the order). The game fills it
// (game/worldservices.cpp).
#pragma once

#include "core/commandcodes.h"   // BoundKey

struct WorldServices {
    // ---- time passing ----
    // The task loop: 1 when the task was done, 0 when it was refused or cut short (core/spend.h).
    int (*task_loop)(int minutes, int seconds, const char *message, int continued_minutes, unsigned flags);
    // What the clock asks of the world as its time passes, in the order of the clock's own steps
    // (core/maintenance.h).
    void (*player_fatigue)(int who, int ticks);      // a six-second tick's fatigue of the body
    void (*minute_upkeep)(int minutes, int mode);    // the world's upkeep of minutes passed (MinuteTick's mode)
    void (*hour_upkeep)();                           // the hourly upkeep, once an hour
    // One pass over the current map's data pool in which every creature, fire, work process,
    // encounter, skin and track takes its step (creatures/creturn.h). Passes called back to back
    // between the run's begin and end, with nothing else touching the pool in between, share what one
    // pass learnt of the pool with the next.
    void (*creature_pass)();
    void (*creature_run_begin)();
    void (*creature_run_end)();
    // In a creature's turn of the pass, the work of its current activity for the six-second tick
    // (activities/puuharun.h): 0 nothing current or cancelled, so that it chooses again; 1 the tick
    // was used.
    int (*creature_work)(int pos);
    // The player's step in the water where the ice broke under her: she wades, swims or boards a craft
    // there (activities/waterway.h); 1 the step goes on, 0 or -1 it stops.
    int (*water_step)(int x, int y);

    // ---- the game's files (core/gamefiles.h) ----
    // Saves the character folder (a SAVE_* mode or 0); 1 when every file was written, 0 when a file
    // failed (the player is told, and the files of that step keep their last good contents).
    int (*save)(int mode);
    void (*save_and_renew)();          // a save, then the current map's renewal
    int (*map_entry)(int mode);        // the map-entry upkeep; mode 0 an entry, 1 a renewal; 1 when saved
    void (*load_map)(int mode);        // loads the map the player has moved to (LOAD_MAP set)

    // ---- the world's two levels ----
    // Saves and leaves the local area for the world map; 0 when the save failed and she stays.
    int (*exit_environ)(int x, int y, int mode);
    void (*enter_locale)(int kind, int n);   // kind 0: zoom in on the world map, out on a local area
    int (*surroundings)(int all);            // builds the missing local maps of the 5 x 5 cells
    void (*encounter_check)();               // sets ENCOUNTER (core/oxa.h) when one happens
    // Builds one world cell's local map through the generator (maps/cellmaker.h); 1 when it was stored.
    int (*make_cell)(const char *description, const char *kind, int n, int month, const char *name, int x, int y,
                     int extra);

    // ---- the command that repeats (core/commandcodes.h) ----
    // Runs an action (the dispatcher: the text may be null only for codes that are not remembered
    // for repeat), the main key of a bound key, and a key's help line ("[M] or [+] Make items ...").
    void (*run_action)(int action, int value, const char *text);
    int (*bound_key)(BoundKey bound);
    char *(*key_line)(unsigned key);

    // ---- the course (quests/courses.h) ----
    void (*course_task_check)(int task);   // a deed of the course's current task was done
    // Starts game course 1 or 2 for a new character: 1 when it was set, 0 when it could not be
    // written (she stays in free play).
    int (*course_start)(int course);

    // ---- a quest made (quests/questgive.cpp) ----
    // Makes a quest of `kind` for person c of the area at world cell x, y through the kind's own
    // generator, saves it and links the person: 1 made. The offer of a village or a wanderer chooses
    // the kind and the person (society/questoffer.h).
    int (*quest_for_npc)(int c, int kind, int x, int y);

    // ---- a talk a person of the map opens with the player (society/chat.h) ----
    // A companion or a villager walking up to talk, a collector speaking of a debt, a robber making his
    // demand, a person telling of its quest: the talk held runs the society's talk, with its trade, its
    // quests and its screens.
    void (*talk_prepare)(int cre, int topic);   // the talk with person cre set up on a topic (ASIA_*)
    void (*talk_hold)(int mode);                // the talk held; 8 the talk set up
    void (*talk_debt)(int cre);                 // cre speaks of what the player owes its village
    void (*talk_robbery)(int cre);              // cre, a robber, makes his demand
    void (*talk_quest)(int cre);                // cre speaks of its quest
};
extern const WorldServices world_services;

// src/maps/notelink.h -- the messages and debug output of the map code, in one place.
#pragma once

// "? %s" debug notes shown while debug information is on.
void map_debugnote(const char *format, ...) __attribute__((format(printf, 1, 2)));
// A message the player must see (a damaged file and what was done about it): shown even while the
// loading keeps other notes quiet.
void map_report(const char *text);
// A line to the debug log of a topic while debug logging is on.
void map_debuglog(const char *topic, const char *format, ...) __attribute__((format(printf, 2, 3)));
// The ice gave way under the player: the talk ends, she is told, swims and waits for a key.
void map_player_falls_through_ice();
// A line appended to a file of the working folder while debug information is on.
void map_debugfile(const char *file, const char *format, ...) __attribute__((format(printf, 2, 3)));
// The things on a square where the ice broke are checked as newly arrived there.
void map_items_arrived(int x, int y);

// src/screens/console.h -- the developer console: a guarded key, one action key, and the typed line
// whose words run the developer's commands.
#pragma once

void wizard_screen();              // the console, opened by the command reader's console key

// The typed line's commands, tested in number order; every matching word runs its command.
void console_run_line(const char *line);
// The numbers of the commands the line would run, in order, at most `max`; their count.
int console_line_matches(const char *line, int *numbers, int max);

// Shared by the console's files.
void console_say(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
int console_ask_number(const char *prompt, int maxlen, unsigned colour);
const char *console_ask_text(const char *prompt, int maxlen, unsigned colour);
void console_place_item(const struct ItemStruct &item);   // stored and laid on the player's square
int console_pick_creature(const char *prompt);            // the creature on a picked square, -1 none
void console_datalist();           // the pool dump to "datalist.txt" (action key 4)
void console_item_report();        // the report of a picked inventory item (action key 7)
// The working record `Creature` stored in the creature file, loaded into a slot and laid on the
// square as a real creature of the area: its pool id, 0 when the file, the slots or the pool had no room.
int console_place_real_creature(int x, int y);

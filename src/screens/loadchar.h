// src/screens/loadchar.h -- choosing a saved character: the character folders of the working folder.
#pragma once

enum { LOADCHAR_ROWS = 32, LOADCHAR_FOLDER = 128, LOADCHAR_NAME = 14 };
// The list's window, and the names a page of it holds: with the blank row, the page keys and the
// exit row every row stands inside the window.
enum { LOADCHAR_X = 610, LOADCHAR_Y = 80, LOADCHAR_W = 180, LOADCHAR_H = 300, LOADCHAR_PAGE = 18 };

struct SavedCharacter {
    char folder[LOADCHAR_FOLDER];  // the folder, which names the character file too
    char name[LOADCHAR_NAME];      // the name as typed, from the character file
};

// The saved characters of the working folder in sorted order, at most LOADCHAR_ROWS: every folder
// that holds a whole character file named after it. Answers the number found.
int list_saved_characters(SavedCharacter out[LOADCHAR_ROWS]);
// The same from the `skip`th saved character on; `more` is set when another follows the last given.
int list_saved_characters_from(int skip, SavedCharacter out[LOADCHAR_ROWS], int *more);

// The folders of the working folder the list can't look into (this game may not enter them), in
// sorted order: the first `max` into `out`; answers how many there are.
int list_unreadable_folders(char (*out)[LOADCHAR_FOLDER], int max);

// The list "LOAD SAVED CHARACTER": CharacterFile names the chosen folder afterwards, or stays empty
// when the player left with Esc or there was nothing to choose.
void load_character();

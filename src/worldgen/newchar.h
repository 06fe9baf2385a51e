// src/worldgen/newchar.h -- a new character's folder, built whole from the choices made at creation:
// the rolls, the skills, the world, the scenario, the object and creature files, the course and the
// starting equipment. The creation screens collect the choices and answer the questions through
// NewCharAsk; the tests, the fixture writer and `oxa_tool create` build with no screen at all.
#pragma once
#include <cstddef>
#include <cstdint>

enum { CRTPLR_CUSTOM = 0, CRTPLR_QUICK = 1, CRTPLR_EASY = 2, CRTPLR_TOO_EASY = 3 };
extern int CRTPLR_TAPA;            // the creation mode of the running creation

struct NewCharChoices {
    char name[13];                 // as typed: 3 to 12 letters
    int mode;                      // CRTPLR_*
    int culture;                   // 0-9
    int sex;                       // 1 male, 2 female
    char portrait[20];             // picture name in truegfx/, "" none
    int season;                    // 0 spring, 1 summer, 2 autumn, 3 winter
    int scenario;                  // RNDCAMP number; -1 asks (quick mode takes 1)
    int course;                    // -1 free play, 1 or 2; -2 asks
    uint32_t seed;                 // the rolls and the world
};

// The questions the screens answer during the build; a null member takes the quick-mode answer.
struct NewCharAsk {
    int (*accept_roll)();          // 1 keeps the rolled body and attributes, 0 rolls again
    void (*skill_phase)();         // the magic page and the option points (custom modes)
    int (*scenario)();             // the scenario chosen and confirmed
    int (*course)();               // the course chosen (-1 free play); writes its task file
    int (*world)(const char *folder); // the world made and written into the folder on the world
                                   // screen (kartta_main); 0 when written. Null: made from the seed
    void (*closing)();             // the closing page
    bool keep_held = false;        // the folder made stays held by this game, as a loaded character's
                                   // is (base/savecommit.h), so that no other game takes it before
                                   // this one loads it
};

// The folder name of a typed name (upper-cased, Latin-1 letters as "0x" and two hex digits, at most 32
// characters); 0 and the refusal text in `why` when the name may not be used (too short, not letters,
// or a folder of that name exists).
int crtplr_folder_name(const char *typed, char *folder, size_t size, const char **why);

// Builds the character's folder under a temporary name and renames it when whole; on success
// CharacterFile names it and 1 is returned; on failure nothing is left behind and `err` says why.
int crtplr_build(const NewCharChoices &c, const NewCharAsk *ask, char *err, size_t errsize);

// ---- the record of a new character ---------------------------------------------------------------
enum { CRTPLR_CULTURES = 10, CRTPLR_INHABITANTS = 14, CRTPLR_FOLDER_MAX = 32 };
extern char SaveFile[64];          // the folder name and file stem of the character being made

// Clears the whole player record and sets a new character's defaults; empties the list of the
// equipment already given and the skill slots.
void reset_character();
// What the people of a culture are called (rows 0-13), as the record keeps it at byte 14; "" past them.
const char *crtplr_inhabitant(int culture);
// The season's month and air temperature (0 spring .. 3 winter; others read as summer).
int crtplr_season_month(int season);
float crtplr_season_air(int season);
// The portrait group of a new character: "fem" for every woman, else by the culture's circle.
const char *crtplr_portrait_group(int sex, int culture);

// A write the builder is about to make; a test points this at a check that fails some file (the
// write then fails as on a full disk). Null: every write is tried.
extern int (*crtplr_fault)(const char *file);

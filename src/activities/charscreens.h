// src/activities/charscreens.h -- what the character screens show and answer: the attributes of the
// character sheet and its life description, the skills grouped with their hot keys, the rituals of the
// ritual page and the known magic means of the magic page. The screens draw these (src/screens); the
// rules here decide.
#pragma once
#include "activities/crolls.h"
#include <cstdint>

// ---- the character sheet -------------------------------------------------------------------------

enum { ATTRIBUTE_MAX = 18, PHYSICAL_ATTRIBUTES = 9, PERSONALITY_ATTRIBUTES = 2 };

// One attribute: its label on the sheet and its byte in the player record.
struct SheetAttribute {
    const char *label;
    int offset;
};
extern const SheetAttribute SHEET_PHYSICAL[PHYSICAL_ATTRIBUTES];       // in the sheet's order
extern const SheetAttribute SHEET_PERSONALITY[PERSONALITY_ATTRIBUTES];

int plr_attribute(int offset);     // the attribute byte at a record offset of the table above
int plr_height_inches();
int plr_weight_pounds();
// "%d winters old, ..." from the year and the day number; in a scratch buffer.
const char *lifetimeDesc();
void attribute_up();               // every attribute below 18 grows by one

// ---- the skills screen ---------------------------------------------------------------------------

enum { SKILL_GROUP_LORE = 0, SKILL_GROUP_PHYSICAL = 1, SKILL_GROUP_COMBAT = 2, SKILL_GROUPS = 3,
       SKILL_LIST_EMPTY = 1000, SKILL_NO_KEY = '!' };

// The three group lists (skill slots in slot order, SKILL_LIST_EMPTY past the end) and their keys.
extern int Taitolista_LORE[50], Taitolista_PHYSICAL[50], Taitolista_COMBAT[50];
extern unsigned char Taitonappain_LORE[50], Taitonappain_PHYSICAL[50], Taitonappain_COMBAT[50];
// The skill slot of each row of the skills screen, in the order the rows are drawn.
extern int KirjaintaVastaavaTaito[50];
// Skills the option points have raised to their limit (KaytetytTaidot, activities/crolls.h) have
// their keys drawn in red.
extern int LASTSKILLPOS;           // the screen's row chosen last; kept for the whole run

void SKILLS_Lajittele();           // the group lists again from the skill slots
int HotkeySkill(unsigned char key);   // the skill slot bearing the key, -1 none
// The rows of one group window in the order drawn: lore and physical by key, equal keys the higher
// slot first; combat in slot order. Answers the count; keys as the table gives them ('!' none).
int skill_group_rows(int group, int slots[50], unsigned char keys[50]);
// KirjaintaVastaavaTaito filled in the screen's order: lore, physical, combat rows. Answers the count.
int skill_screen_order();
unsigned char skill_key_shown(unsigned char key);   // '/' for a skill without a key
bool skill_limit_reached(int slot);                  // its name stands in KaytetytTaidot

// The option points the skills screen spends in its second mode are the creation rolls' own
// (SKILLIMPROVE_points, KaytaOptio in activities/crolls.h).

// ---- the ritual page -----------------------------------------------------------------------------

enum { RITUAL_LIST = 50, RITUAL_PAGE_NONE = 1000 };

// Title (which 0) or description (which 1) of a ritual; "" for a ritual without texts.
const char *rit_descs(int number, int which);
int plr_ritual_count();            // rituals held in the record's list
int plr_ritual(int i);             // ritual number of entry i
bool plr_ritual_unlearned(int i);  // its words are not learned yet

// ---- the magic page ------------------------------------------------------------------------------

enum { MAGIC_PAGE_ROWS = 30, MAGIC_PAGE_CHOOSABLE = 29, MAGIC_PAGE_DESCRIBED = 24 };

extern int RitualList[255], RitualVar[255], RitualListNUM;
void ComposeRitualList();          // the known means with a title, in ascending number

// What choosing row `pos` of the magic page does when row `noted` was under the cursor: the means to
// return, or 0 when the cursor only moves there. Instant means go at once in the play mode (0); the
// others when chosen where the cursor already stood. The creation mode (1) never returns one.
int magic_page_choice(int pos, int noted, int mode);

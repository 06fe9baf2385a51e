// src/worldgen/campaign.h -- a new character's start: the scenario's story, the campaign data of the
// record, the empty creature files and the equipment her culture gives her.
#pragma once

enum { CAMP_ADDED = 100, CAMP_STORY_LINE = 1024 };

// The object numbers already given at creation, one per inventory slot.
extern unsigned added[CAMP_ADDED];
void equipment_forget();           // empties `added`

// The folder name of scenario n ("RNDCAMP.n" in the working folder).
void camp_file(int n, char *out, unsigned size);
// The title and the one-line summary of scenario n; false when its file doesn't open.
bool camp_title(int n, char *title, unsigned tsize, char *summary, unsigned ssize);
// Writes "<folder>/story.txt": "Scenario: " and the title, then every line after the summary. A
// missing scenario file ends the program naming it; false when the story couldn't be written.
bool get_camp(int n, const char *folder);
// The map name, the facing and the world start (plr_aloitus_x, _y) into both position pairs of the
// record and into her square on the map.
void SetCampaignData();
// "<folder>/<SaveFile>.CRS" of 3000 empty creature records and "<folder>/CONSTANT.CRE"; false when
// either couldn't be written whole (or `fail` asks it to fail).
bool write_creature_files(const char *folder, bool fail);

// The starting equipment of the player record's culture.
void character_equipment();
// Gives a plain definition, or an object with a quality grade (0 and 3 leave the catalogue's), into
// the first free inventory slot; an object already given, or one named as a thing she holds, is not.
void add_equipment(int object, int count);
void add_plrequ(int object, int count, int quality);

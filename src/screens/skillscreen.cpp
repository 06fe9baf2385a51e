// The skills screen, as a plain choice menu of the player's skills and levels until the full
// skills screen lands.
#include "screens/skillscreen.h"
#include "screens/optionscreen.h"

#include "core/records.h"
#include "presentation/menu.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"

#include <cstdio>
#include <cstring>

// Skills a menu page shows before its entry for the rest.
enum { SKILLS_PER_PAGE = VALINTA_SHOWN - 1 };

int skills_screen(int mode) {
    if (mode == 1) return option_skills_screen();
    static const char keys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int slot_of_key[128];
    memset(slot_of_key, -1, sizeof slot_of_key);
    int slots[PLR_SKILLS], count = 0;
    for (int s = 0; s < PLR_SKILLS; s++)
        if (Plr.skill_name[s][0]) slots[count++] = s;
    // Every skill keeps its letter; a list longer than a menu page goes on to a second page.
    for (int first = 0; first < count;) {
        Valinta_Tyhjaa();
        const int last = count - first > VALINTA_SHOWN ? first + SKILLS_PER_PAGE : count;
        for (int i = first; i < last && keys[i]; i++) {
            const int s = slots[i];
            char name[PLR_SKILLNAME + 1];
            memcpy(name, Plr.skill_name[s], PLR_SKILLNAME);
            name[PLR_SKILLNAME] = 0;
            char line[64];
            snprintf(line, sizeof line, "%-12s %3d%%", name, Plr.skill_level[s]);
            slot_of_key[(unsigned char)keys[i]] = s;
            Valinta_Lisaa(keys[i], line);
        }
        if (last < count) Valinta_Lisaa('+', "More skills");
        const int key = TeeValinta("SKILLS");
        if (key == '+' && last < count) {
            first = last;
            continue;
        }
        if (key > 0 && key < 128 && slot_of_key[key] >= 0) return slot_of_key[key];
        return 1000;
    }
    return 1000;
}

void skills_screen_background() {
    bestfitPic("bg-profile.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    SubScreen("SKILLS");
}

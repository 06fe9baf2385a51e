// tests/activities/pick_hook.h -- the item screen's choice for a material line, made by name: the
// names queued are chosen in turn, and a line with no name left takes the first thing that meets it.
#pragma once

#include <deque>
#include <string>

#include "core/obj_func.h"
#include "core/player.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/matching.h"
#include "presentation/notes.h"

namespace oxatest {

struct Pick {
    static std::deque<std::string> &names() {
        static std::deque<std::string> q;
        return q;
    }
    static int choose(int line) {
        const std::string want = names().empty() ? "" : names().front();
        const uint8_t quiet = DISABLE_NOTES;
        DISABLE_NOTES = 1;
        int found = INVSEL_NOTHING;
        for (int s = 0; s < PLR_SLOTS && found < 0; s++) {
            if (!Plr.inv_obj[s]) continue;
            char n[41];
            if (!want.empty() && want != item_name(ObjToItem(Plr.inv_obj[s]), n)) continue;
            if (OnkoPlrItemTarvike(s, line)) found = s;
        }
        DISABLE_NOTES = quiet;
        if (found >= 0 && !want.empty()) names().pop_front();
        return found;
    }
    // Points the item screen's choice here for the life of the object.
    Pick() : saved(tarvike_valinta) {
        names().clear();
        tarvike_valinta = choose;
    }
    ~Pick() { tarvike_valinta = saved; }
    int (*saved)(int);
};

}  // namespace oxatest

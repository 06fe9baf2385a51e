// The herbarium file "HERBLORE.DAT" of a character folder. Checks: at most 100 rows come back, packed
// at the front, each with a name ending in a zero byte, a mark 1..99 and a difficulty of at most 95;
// a whole file of records reads back the same rows after it is saved again.
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "activities/activities.h"
#include "activities/herblore.h"
#include "base/ui.h"
#include "common.h"
#include "core/records.h"

static void check_rows() {
    bool free_seen = false;
    for (const KasvioStruct &k : HerbloreKasvio) {
        if (!k.plant.name[0]) {
            free_seen = true;
            continue;
        }
        if (free_seen) oxafuzz::fail("a named row after a free one");
        if (k.plant.name[sizeof k.plant.name - 1]) oxafuzz::fail("a plant name runs past its end");
        if (k.mark < 1 || k.mark > 99) oxafuzz::fail("a mark outside 1..99");
        if (k.difficulty > 95) oxafuzz::fail("a difficulty above 95");
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    mkdir("AINO", 0755);
    snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir.c_str());
    DISABLE_NOTES = 1;
    if (!oxafuzz::write_file("AINO/HERBLORE.DAT", data, size)) abort();
    HERBLORE_lue_kasvio();
    check_rows();
    static KasvioStruct first[HERBARIUM_ROWS];
    memcpy(first, HerbloreKasvio, sizeof first);
    HERBLORE_save();
    HERBLORE_lue_kasvio();
    if (memcmp(first, HerbloreKasvio, sizeof first) != 0) oxafuzz::fail("the saved rows read back otherwise");
    DISABLE_NOTES = 0;
    return 0;
}

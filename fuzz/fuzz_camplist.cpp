// "RNDCAMP.n", the start-up scenarios: their titles and summaries listed on the scenario screen and the
// chosen one's story laid out, as quick creation takes them. Every word ends inside its entry.
#include <cstring>
#include <string>

#include "common.h"
#include "core/tekstit.h"
#include "screens/creation.h"
#include "worldgen/newchar.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    oxafuzz::open_screen();
    // The list reads the first two lines of each file; quick creation takes the second file.
    if (!oxafuzz::write_file("RNDCAMP.0", data, size) || !oxafuzz::write_file("RNDCAMP.1", data, size)) abort();
    CRTPLR_TAPA = CRTPLR_QUICK;
    SelectCampaign();
    if (SelectCampaign_number() != 1) oxafuzz::fail("quick creation takes the second scenario");
    for (int i = 0; i < SANATAULUKKO_MAX; ++i)
        if (!memchr(SanaTaulukko[i], 0, SANA_SIZE)) oxafuzz::fail("a story word runs past its entry");
    return 0;
}

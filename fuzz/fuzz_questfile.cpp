// A quest file "<id>.QST" of a character folder, as the quest loader, the quest lists, the daily expiry
// and object maintenance's quest pass read it. Checks: a file shorter than a record, or one holding
// another quest's record, is refused with the record left zero; a record read is the file's first
// bytes; the lists name only that quest, and only when it is readable; the dump and the expiry stay
// within the record whatever its texts hold.
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "base/ui.h"
#include "common.h"
#include "core/records.h"
#include "core/tehtavat.h"
#include "society/questlist.h"

static const uint32_t ID = 7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    mkdir("AINO", 0755);
    snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir.c_str());
    DISABLE_NOTES = 1;
    QUEST_LOGGER = 1;
    Plr.daynumber = 400;
    wild_remove("AINO/*.QST");   // the quests an earlier input left (its side roles) are not this one's
    if (!oxafuzz::write_file("AINO/7.QST", data, size)) abort();

    static QuestStruct q;
    const bool read = loadQuest(ID, q);
    uint32_t file_id = 0;
    if (size >= sizeof file_id) memcpy(&file_id, data, sizeof file_id);
    if (read != (size >= sizeof q && file_id == ID))
        oxafuzz::fail("a record read from a short file or of another quest, or a whole one of its own refused");
    if (read && memcmp(&q, data, sizeof q) != 0) oxafuzz::fail("the record is not the file's first bytes");
    if (!read) {
        static const QuestStruct zero{};
        if (memcmp(&q, &zero, sizeof q) != 0) oxafuzz::fail("a refused file left bytes in the record");
    }
    for (const char *filter : {"", "[uncompleted]", "[completed]", "[new] [nameid:3]", "[igndaygap:60]"}) {
        const int n = ReadQuestList(filter);
        if (n < 0 || n > 1) oxafuzz::fail("one file listed as more than one quest");
        if (n == 1 && (!read || q.id != ID || QuestListIDs[0] != ID)) oxafuzz::fail("a quest listed that can't be read");
        if (QuestListIDs[1] != 0) oxafuzz::fail("a second entry filled");
    }
    if (read) debuglog_quest(&q);
    QuestExpirationMaintenance();
    QuestKeepObjects();
    SidequestOpen(ID, "[ok]");
    SidequestComplete(ID);
    RemoveQuest(ID);
    QUEST_LOGGER = 0;
    DISABLE_NOTES = 0;
    return 0;
}

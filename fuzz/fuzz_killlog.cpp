// The developer console's readers of creature records: the kill log "KILL.LOG" listed by "kills" and
// the creature file listed into "crslog.txt" by "rc". Only whole records are read, and every name
// shown stays inside its field; "crslog.txt" holds one line for each whole record in use.
#include <sys/stat.h>

#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/creatures.h"
#include "screens/console.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, (dir + "/F").c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "F");
    oxafuzz::remove_tree(dir + "/F");
    mkdir((dir + "/F").c_str(), 0755);
    oxafuzz::write_file(dir + "/F/KILL.LOG", data, size);
    oxafuzz::write_file(dir + "/F/F.CRS", data, size);
    memset(&Plr, 0, sizeof Plr);
    memset(Data, 0, sizeof Data);
    ClrRealCreaturePos();
    console_run_line("kills");
    console_run_line("rc");
    const std::string log = oxafuzz::read_file("crslog.txt");
    size_t lines = 0;
    for (size_t p = log.find("\n\r"); p != std::string::npos; p = log.find("\n\r", p + 2)) lines++;
    if (lines > size / sizeof(CreatureStruct)) oxafuzz::fail("a part of a record was listed");
    return 0;
}

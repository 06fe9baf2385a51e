// A save cut short as the next load finds it: the commit list "SAVE.COMMIT", a journal of the store
// "STORE.DAT.jnl" with its old bytes "STORE.DAT.undo", a staged "TABLE.DAT.new", and the files
// themselves, one bundle. The load finishes the commit, takes it back whole, or (a damaged list)
// changes nothing; no journal grows its file past what the journal holds, a list that reads is written
// again byte for byte, and a staged file that fails the length and checksum its list gives it is never
// put in place.
#include <dirent.h>

#include <map>
#include <string>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/savecommit.h"

static const char *const NAMES[] = {"SAVE.COMMIT", "SAVE.ROLLBACK", "STORE.DAT", "STORE.DAT.jnl", "STORE.DAT.undo",
                                    "TABLE.DAT", "TABLE.DAT.new", "TABLE.DAT.prev"};

static std::map<std::string, std::string> folder(const std::string &dir) {
    std::map<std::string, std::string> files;
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.') files[e->d_name] = oxafuzz::read_file(dir + "/" + e->d_name);
        closedir(d);
    }
    return files;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string dir = oxafuzz::workdir() + "/char";
    oxafuzz::remove_tree(dir);
    if (!own_mkdir(dir.c_str())) abort();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    std::map<std::string, std::string> given;
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size))
        for (const char *name : NAMES)
            if (e.name == name) given[e.name].assign((const char *)e.data, e.size);
    for (const auto &f : given)
        if (!oxafuzz::write_file(dir + "/" + f.first, f.second.data(), f.second.size())) abort();

    // The list's own reader: what it reads, it writes again the same.
    static SaveListEntry entries[SAVE_LIST_MAX];
    const std::string &list = given["SAVE.COMMIT"];
    const int n = save_list_parse(list.data(), list.size(), entries, SAVE_LIST_MAX);
    if (n >= 0) {
        static char text[1 << 16];
        const size_t len = save_list_format(text, sizeof text, entries, n);
        if (len != list.size() || list.compare(0, len, text, len) != 0) oxafuzz::fail("a list read back differs");
    }

    const auto before = folder(dir);
    const SaveRecovery r = recover_interrupted_save();
    const auto after = folder(dir);
    const size_t store_before = before.count("STORE.DAT") ? before.at("STORE.DAT").size() : 0;
    const size_t journal = before.count("STORE.DAT.jnl") ? before.at("STORE.DAT.jnl").size() : 0;
    if (after.count("STORE.DAT") && after.at("STORE.DAT").size() > store_before + journal)
        oxafuzz::fail("the store grew past what its journal holds");
    if (r == SaveRecovery::damaged_list && after != before) oxafuzz::fail("a damaged list changed the folder");
    if (r == SaveRecovery::none || r == SaveRecovery::finished || r == SaveRecovery::rolled_back ||
        r == SaveRecovery::damaged_file) {
        for (const auto &f : after)
            if (f.first.find(".jnl") != std::string::npos || f.first.find(".new") != std::string::npos ||
                f.first.find(".undo") != std::string::npos || f.first.find(".prev") != std::string::npos ||
                f.first.find("SAVE.") == 0)
                oxafuzz::fail("a temporary file was left: " + f.first);
    }
    // A list with lengths finishes only with files that hold what it names: a staged file that fails
    // its length or checksum is never put in place.
    if (n > 0 && entries[0].size >= 0 && r == SaveRecovery::finished) {
        for (int i = 0; i < n; i++) {
            if (entries[i].kind == 'J' || !before.count(std::string(entries[i].name) + ".new")) continue;
            long long size = -1;
            unsigned long long sum = 0;
            if (!save_file_sum((dir + "/" + entries[i].name).c_str(), size, sum) || size != entries[i].size ||
                sum != entries[i].sum)
                oxafuzz::fail("a staged file that fails its check was put in place");
        }
    }
    if (r == SaveRecovery::damaged_file && (after.count("SAVE.COMMIT") || after.count("SAVE.ROLLBACK")))
        oxafuzz::fail("a commit taken back left its list");
    if (r == SaveRecovery::none) {
        // Files stay; only a file missing beside its old copy takes that copy back.
        for (const std::string name : {"STORE.DAT", "TABLE.DAT"}) {
            const bool had = before.count(name) != 0, has = after.count(name) != 0;
            const std::string prev = name + ".prev";
            if (had ? !has || before.at(name) != after.at(name)
                    : has && (!before.count(prev) || before.at(prev) != after.at(name)))
                oxafuzz::fail("no list, yet a file changed");
        }
    }
    CharacterPath[0] = 0;
    return 0;
}

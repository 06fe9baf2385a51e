// The character loader over a whole character folder: the ready-made character's folder, as the build
// wrote it and as one good load left it (with its stored local maps), changed by the input, a bundle
// of entries (see common.h) named after the folder's files:
//   NAME      the file's new contents ("AINO.OXS", "CONSTANT.CRE", "SAVE.COMMIT", "ZOOMINDEX.DAT", ...)
//   @NAME     4 bytes of offset (little-endian), then bytes written over the good file at that offset
//   -NAME     the file is removed
//   WORLD.DAT the bytes laid over a 64 x 64 window of the good world round the character: the seam
//             through which the six-megabyte world reaches the fuzzer
// Then the game's own loader runs as the start menu calls it. A damaged file is refused with a message
// (the loader returns to the menu, or the game ends naming the file) or read as far as it is whole; a
// refused character file leaves the character record as it was.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <string>

#include "common.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"

static std::map<std::string, std::string> good;   // the folder after one good load and save
static int centre_x, centre_y;                    // the character's world cell
static PlayerStruct good_record;                  // the character record of that load

// The tables a load fills, cleared; the character record stays, as a refused character file must
// leave it.
static void reset_tables() {
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
    memset(ConstantCre, 0, sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(&Zoom, 0, sizeof Zoom);
    REAL_QUIT = 0;
    LOADER_RUN = 0;
    LOAD_MAP = 0;
    SCENIE = 0;
    PlayerX = PlayerY = 0;
    PlayerDir = 0;
    loader_clear_note();
}

static int load() {
    reset_tables();
    copy_bounded(OxaPath, sizeof OxaPath, oxafuzz::workdir().c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    int result = -1;
    if (!oxafuzz::survives([&] { result = loader(); })) return -2;
    return result;
}

// Every file of the folder but the backups the loader makes of the world and the character file.
static void read_folder(std::map<std::string, std::string> &out) {
    DIR *d = opendir("AINO");
    if (!d) oxafuzz::fail("no character folder");
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name[0] == '.' || name.find(".BAK") != std::string::npos || name.find(".bak") != std::string::npos)
            continue;
        out[name] = oxafuzz::read_file("AINO/" + name);
    }
    closedir(d);
}

static void set_up() {
    oxafuzz::workdir();
    OXA_NODELAY = 1;
    for (const char *f : {"linedist.arr", "NOTES.STD", "fixedpoints.txt", "weathertypeinfo.txt", "ini_skills.txt"})
        oxafuzz::copy_asset(f);
    oxafuzz::copy_asset_folder("messages");
    oxafuzz::copy_asset_folder("AINO");
    memset(&Plr, 0, sizeof Plr);
    if (load() != 0) oxafuzz::fail("the ready-made character does not load: " + oxafuzz::last_quit());
    // A save stores the local maps, the weather and the markers too: the files the next load reads.
    if (!oxafuzz::survives([] { Save(SAVE_EXPLICIT); })) oxafuzz::fail("the ready-made character does not save");
    good_record = Plr;
    centre_x = PlayerX;
    centre_y = PlayerY;
    // The world cell of the character, whichever map the load entered.
    if (!bigmap()) {
        centre_x = IsoX();
        centre_y = IsoY();
    }
    read_folder(good);
}

// Writes the folder, skipping every good file that is on the disk as the last input left it: the
// folder is some 25 megabytes, and most inputs change one small file. `folder` points at each file's
// bytes: at the good folder's own for an unchanged file.
static void lay_folder(const std::map<std::string, const std::string *> &folder) {
    struct Written {
        const std::string *good_bytes;   // null: written from an input
        timespec mtime;
        off_t size;
    };
    static std::map<std::string, Written> on_disk;
    mkdir("AINO", 0755);
    if (DIR *d = opendir("AINO")) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.' && !folder.count(e->d_name)) unlink((std::string("AINO/") + e->d_name).c_str());
        closedir(d);
    }
    for (const auto &f : folder) {
        const std::string path = "AINO/" + f.first;
        const bool from_good = good.count(f.first) && &good.at(f.first) == f.second;
        struct stat st;
        auto it = on_disk.find(f.first);
        if (from_good && it != on_disk.end() && it->second.good_bytes == f.second && stat(path.c_str(), &st) == 0 &&
            st.st_size == it->second.size && st.st_mtim.tv_sec == it->second.mtime.tv_sec &&
            st.st_mtim.tv_nsec == it->second.mtime.tv_nsec)
            continue;
        if (!oxafuzz::write_file(path, f.second->data(), f.second->size()) || stat(path.c_str(), &st) != 0)
            oxafuzz::fail("couldn't write " + path);
        on_disk[f.first] = {from_good ? f.second : nullptr, st.st_mtim, st.st_size};
    }
}

static uint32_t le32(const uint8_t *p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }

// The first good load takes longer than a single input may.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    set_up();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    std::map<std::string, const std::string *> folder;
    for (const auto &f : good) folder[f.first] = &f.second;
    std::map<std::string, std::string> changed;   // the files this input writes or patches
    static std::string world;                     // the good world with this input's window
    std::string window;
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size)) {
        std::string name = e.name;
        if (name == "WORLD.DAT") {
            window.assign((const char *)e.data, std::min<size_t>(e.size, 64 * 64));
        } else if (name[0] == '-') {
            folder.erase(name.substr(1));
            changed.erase(name.substr(1));
        } else if (name[0] == '@' && e.size >= 4 && name.size() > 1) {
            const std::string target = name.substr(1);
            if (!changed.count(target)) changed[target] = folder.count(target) ? *folder[target] : std::string();
            std::string &f = changed[target];
            size_t at = le32(e.data) % (f.size() + 1);
            size_t n = std::min(e.size - 4, f.size() - at);
            memcpy(&f[at], e.data + 4, n);
        } else if (name[0] != '@') {
            changed[name] = std::string((const char *)e.data, e.size);
        }
    }
    for (const auto &f : changed) folder[f.first] = &f.second;
    if (!window.empty() && folder.count("WORLD.DAT")) {
        world = *folder["WORLD.DAT"];
        for (size_t i = 0; i < window.size(); i++) {
            int x = centre_x - 32 + (int)(i % 64), y = centre_y - 32 + (int)(i / 64);
            if (x >= 0 && y >= 0 && x < WORLD_W && y < WORLD_H && (size_t)mapidx(x, y) < world.size())
                world[mapidx(x, y)] = window[i];
        }
        folder["WORLD.DAT"] = &world;
    }
    lay_folder(folder);
    Plr = good_record;
    int result = load();
    if (result == -1 && strstr(loader_last_note(), "character file") &&
        memcmp(&Plr, &good_record, sizeof Plr) != 0)
        oxafuzz::fail("a refused character file changed the character record");
    return 0;
}

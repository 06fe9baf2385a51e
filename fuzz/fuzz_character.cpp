// The character loader over a whole character folder: the ready-made character's folder, as the build
// wrote it and as one good load left it (with its stored local maps), changed by the input, a bundle
// of entries (see common.h) named after the folder's files:
//   NAME      the file's new contents ("AINO.OXS", "CONSTANT.CRE", "SAVE.COMMIT", "ZOOMINDEX.DAT", ...)
//   @NAME     4 bytes of offset (little-endian), then bytes written over the good file at that offset
//   -NAME     the file is removed
//   WORLD.DAT the bytes laid over a 64 x 64 window of the good world round the character: the seam
//             through which the six-megabyte world reaches the fuzzer
// Then the game's own loader runs as the start menu calls it. A damaged file is refused with a message
// (the loader returns to the menu, or the game ends naming the file) or read as far as it is whole.
#include <sys/stat.h>

#include <cstring>
#include <map>
#include <string>

#include "common.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/loader.h"
#include "core/obj_func.h"
#include "core/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"

static std::map<std::string, std::string> good;   // the folder after one good load
static int centre_x, centre_y;                    // the character's world cell

static void reset_tables() {
    memset(&Plr, 0, sizeof Plr);
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

static void read_folder(std::map<std::string, std::string> &out) {
    for (const char *name : {"AINO.OXS", "AINO.OBJ", "AINO.CRS", "CONSTANT.CRE", "CONSTANT.OBJ", "DATA.DAT",
                             "EXITER.DAT", "WORLD.DAT", "kulttuuri.dat", "names.dat", "WEATHER.DAT",
                             "ZOOMINDEX.DAT", "ZOOMMAPS.DAT", "MARKER.DAT", "EXTRAMARKER.DAT", "WORLD.PLM"}) {
        struct stat st;
        std::string path = std::string("AINO/") + name;
        if (stat(path.c_str(), &st) == 0) out[name] = oxafuzz::read_file(path);
    }
}

static void set_up() {
    oxafuzz::workdir();
    OXA_NODELAY = 1;
    for (const char *f : {"linedist.arr", "NOTES.STD", "fixedpoints.txt", "weathertypeinfo.txt"}) oxafuzz::copy_asset(f);
    oxafuzz::copy_asset_folder("messages");
    oxafuzz::copy_asset_folder("AINO");
    if (load() != 0) oxafuzz::fail("the ready-made character does not load: " + oxafuzz::last_quit());
    centre_x = PlayerX;
    centre_y = PlayerY;
    // The world cell of the character, whichever map the load entered.
    if (!bigmap()) {
        centre_x = IsoX();
        centre_y = IsoY();
    }
    read_folder(good);
}

static uint32_t le32(const uint8_t *p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }

// The first good load takes longer than a single input may.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    set_up();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    std::map<std::string, std::string> folder = good;
    std::string world = good["WORLD.DAT"];
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size)) {
        std::string name = e.name;
        if (name == "WORLD.DAT") {
            for (size_t i = 0; i < e.size && i < 64 * 64; i++) {
                int x = centre_x - 32 + (int)(i % 64), y = centre_y - 32 + (int)(i / 64);
                if (x >= 0 && y >= 0 && x < WORLD_W && y < WORLD_H) world[mapidx(x, y)] = (char)e.data[i];
            }
        } else if (name[0] == '-') {
            folder.erase(name.substr(1));
        } else if (name[0] == '@' && e.size >= 4 && name.size() > 1) {
            std::string &f = folder[name.substr(1)];
            size_t at = le32(e.data) % (f.size() + 1);
            size_t n = std::min(e.size - 4, f.size() - at);
            memcpy(&f[at], e.data + 4, n);
        } else if (name[0] != '@') {
            folder[name] = std::string((const char *)e.data, e.size);
        }
    }
    folder["WORLD.DAT"] = world;
    oxafuzz::remove_tree("AINO");
    mkdir("AINO", 0755);
    for (const auto &f : folder) oxafuzz::write_file("AINO/" + f.first, f.second.data(), f.second.size());
    int result = load();
    if (result == -2) {
        // The game ended with its message: a file the game cannot go on without.
        if (oxafuzz::last_quit().empty()) oxafuzz::fail("a fatal exit without a message");
    }
    return 0;
}

// Damaged files of a saved character folder: each file the load reads, cut to half, zeroed and filled
// with random bytes, is either refused with a message naming it, leaving every byte of the folder as it
// was, or read with a message naming it and saying what the game does instead.
#include <dirent.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <map>
#include <random>
#include <set>

#include "core/loader_fixture.h"
#include "base/savecommit.h"
#include "core/notes.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "maps/kulttuuri.h"
#include "maps/mvmarker.h"
#include "quests/courses.h"
#include "core/tehtavat.h"
#include "screens/loadchar.h"
#include "presentation/listwidget.h"
#include "society/village.h"
#include "base/ui.h"
#include "game/turnloop.h"

using oxatest::LoaderScreenTest;

namespace {

// The files of a folder as written, by name, and the stamps they were left with: a file whose size and
// time are as stamped holds the bytes kept.
class Folder {
public:
    explicit Folder(std::string path) : path_(std::move(path)) {}

    void take() {
        bytes_.clear();
        for (const std::string &name : names()) bytes_[name] = slurp(name);
        stamp_all();
    }
    // Every file back as taken, files added since removed.
    void restore() {
        for (const std::string &name : names())
            if (!bytes_.count(name)) remove(at(name).c_str());
        for (const auto &f : bytes_)
            if (!as_stamped(f.first) || damaged_.count(f.first)) put(f.first, f.second);
    }
    void put(const std::string &name, const std::string &bytes) {
        FILE *f = fopen(at(name).c_str(), "wb");
        ASSERT_NE(f, nullptr) << name;
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        fclose(f);
        stamps_[name] = stamp(name);
        if (bytes_.count(name) && bytes_[name] == bytes)
            damaged_.erase(name);
        else
            damaged_.insert(name);
    }
    // The files whose bytes differ from what was put or taken last; the message log may only grow.
    std::string changed(const std::string &damaged_name, const std::string &damaged_bytes) {
        std::string out;
        for (const std::string &name : names()) {
            if (!stamps_.count(name)) {
                out += "+" + name + " ";
                continue;
            }
            if (as_stamped(name)) continue;
            const std::string now = slurp(name);
            const std::string &was = name == damaged_name ? damaged_bytes : bytes_[name];
            const bool grew = name == "msglog.txt" && now.compare(0, was.size(), was) == 0;
            if (now != was && !grew) out += name + " ";
        }
        for (const auto &s : stamps_)
            if (!exists(s.first)) out += "-" + s.first + " ";
        return out;
    }
    const std::map<std::string, std::string> &files() const { return bytes_; }
    // The lines the message log gained since it was last put back.
    std::string log_since() const {
        const std::string now = slurp("msglog.txt");
        auto it = bytes_.find("msglog.txt");
        const size_t was = it == bytes_.end() ? 0 : it->second.size();
        return now.size() > was ? now.substr(was) : "";
    }

private:
    struct Stamp {
        off_t size;
        timespec mtime;
    };
    std::string at(const std::string &name) const { return path_ + "/" + name; }
    bool exists(const std::string &name) const {
        struct stat st;
        return stat(at(name).c_str(), &st) == 0;
    }
    Stamp stamp(const std::string &name) const {
        struct stat st {};
        stat(at(name).c_str(), &st);
        return {st.st_size, st.st_mtim};
    }
    bool as_stamped(const std::string &name) const {
        struct stat st;
        auto it = stamps_.find(name);
        return it != stamps_.end() && stat(at(name).c_str(), &st) == 0 && st.st_size == it->second.size &&
               st.st_mtim.tv_sec == it->second.mtime.tv_sec && st.st_mtim.tv_nsec == it->second.mtime.tv_nsec;
    }
    void stamp_all() {
        stamps_.clear();
        for (const std::string &name : names()) stamps_[name] = stamp(name);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        if (DIR *d = opendir(path_.c_str())) {
            while (dirent *e = readdir(d))
                if (e->d_name[0] != '.') out.push_back(e->d_name);
            closedir(d);
        }
        return out;
    }
    std::string slurp(const std::string &name) const {
        std::string out;
        if (FILE *f = fopen(at(name).c_str(), "rb")) {
            char buf[1 << 16];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
            fclose(f);
        }
        return out;
    }
    std::string path_;
    std::map<std::string, std::string> bytes_;
    std::map<std::string, Stamp> stamps_;
    std::set<std::string> damaged_;
};

struct Refused {
    std::string text;
};
[[noreturn]] void throw_quit(const char *text) { throw Refused{text}; }

enum Damage { HALF, ZERO, RANDOM, EMPTY };
const char *const damage_name[] = {"half", "zero", "random", "empty"};

std::string damaged(const std::string &good, Damage how, unsigned seed) {
    if (how == EMPTY) return "";   // what a crash leaves of a file written in place
    if (how == HALF) return good.substr(0, good.size() / 2);
    std::string bytes(good.size(), '\0');
    if (how == RANDOM) {
        std::mt19937 draw(seed);
        for (char &c : bytes) c = (char)(draw() & 255);
    }
    return bytes;
}

// What the game does with a damaged file: refuses the load, or loads and says what it did instead;
// EITHER is left to the local-map store's own checks. QUIET: the damage takes nothing the game reads
// (the half of the creature file that is cut holds no creature; the area markers of a folder with
// none are zeros already; a world pool of zeros is a world map with nothing laid on it, as hers is;
// a marker file of zeros is one whose markers were all erased).
enum Expect { REFUSED, TOLD, EITHER, QUIET };

const char *const QUEST_FILE = "<id>.QST";   // the quest file her play left

struct Row {
    const char *file;
    Expect half, zero, random, empty;
};

const Row rows[] = {
    {"AINO.OXS", REFUSED, REFUSED, REFUSED, REFUSED},  {"AINO.OBJ", TOLD, REFUSED, REFUSED, REFUSED},
    {"AINO.CRS", QUIET, REFUSED, REFUSED, REFUSED},    {"CONSTANT.CRE", TOLD, TOLD, TOLD, TOLD},
    {"CONSTANT.OBJ", TOLD, TOLD, TOLD, TOLD},          {"DATA.DAT", TOLD, QUIET, REFUSED, TOLD},
    {"EXITER.DAT", TOLD, TOLD, TOLD, TOLD},            {"WEATHER.DAT", TOLD, TOLD, TOLD, TOLD},
    {"MARKER.DAT", TOLD, TOLD, TOLD, TOLD},            {"EXTRAMARKER.DAT", TOLD, QUIET, TOLD, TOLD},
    {"WORLD.DAT", REFUSED, REFUSED, REFUSED, REFUSED}, {"WORLD.PLM", TOLD, TOLD, TOLD, TOLD},
    {"kulttuuri.dat", TOLD, TOLD, TOLD, TOLD},         {"names.dat", TOLD, TOLD, TOLD, TOLD},
    {"ZOOMINDEX.DAT", EITHER, EITHER, EITHER, EITHER}, {"ZOOMMAPS.DAT", EITHER, EITHER, EITHER, EITHER},
    {"AINO.VIL", TOLD, TOLD, TOLD, TOLD},              {QUEST_FILE, TOLD, TOLD, TOLD, TOLD},
    {"HERBLORE.DAT", TOLD, TOLD, TOLD, TOLD},          {"MVMARKER.DAT", TOLD, QUIET, TOLD, TOLD},
    {"taskdata.oxa", TOLD, TOLD, TOLD, TOLD},
};

// Her village and a villager of it, once she stands there.
int villager_of(int soc) {
    for (int n = 0; n < CRE_COUNT; n++)
        if (Cre[n].kind == CK_HUMAN && Cre[n].mode != CM_CARCASS && Cre[n].community == (uint32_t)soc) return n;
    return -1;
}

// What her play leaves in the folder beside the files of every load: a quest offered by a villager,
// a marker on the map and a game course.
void play_in_her_village(const oxatest::WorldCell &v) {
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_GT(soc, 0);
    const int giver = villager_of(soc);
    ASSERT_GE(giver, 0);
    bool offered = false;
    for (int kind : {70, 40, 71, 72}) offered = offered || DoQuestForNPC(giver, kind, v.x, v.y) == 1;
    ASSERT_TRUE(offered);
    mvMarkerStruct m{};
    m.x = v.x;
    m.y = v.y;
    m.color = 2;
    copy_bounded(m.text1, sizeof m.text1, "the sauna");
    m.day = Plr.day;
    m.month = Plr.month;
    m.year = Plr.year;
    m.hour = Plr.hour;
    m.minute = Plr.minute;
    ASSERT_EQ(mvMarker_fwrite(m, 0), 1);
    ASSERT_EQ(Tee_Gamecourse_1(), 1);
}

// She is loaded and goes down into her village, its local maps made: the village cell.
oxatest::WorldCell into_her_village() {
    EXPECT_EQ(loader(), 0);
    var_clear();
    LOADER_RUN = 0;
    const oxatest::WorldCell v = oxatest::her_village();
    PlayerX = v.x;
    PlayerY = v.y;
    EXPECT_EQ(CheckExits(), 1);
    EXPECT_EQ(GetMappie(0), 1) << loader_last_note();
    return v;
}

// The folder's quest file, whatever its number.
std::string quest_file(const std::map<std::string, std::string> &files) {
    for (const auto &f : files)
        if (f.first.size() > 4 && f.first.compare(f.first.size() - 4, 4, ".QST") == 0) return f.first;
    return "";
}

// While it stands, this thread writes only where the rights of the files let it, as a player's game
// does: a test run by the system's administrator writes anywhere otherwise.
class RightsOnly {
public:
    RightsOnly() {
        syscall(SYS_capget, &head_, was_);
        __user_cap_data_struct now[2];
        memcpy(now, was_, sizeof now);
        now[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        syscall(SYS_capset, &head_, now);
    }
    ~RightsOnly() { syscall(SYS_capset, &head_, was_); }

private:
    __user_cap_header_struct head_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct was_[2]{};
};

}  // namespace

TEST_F(LoaderScreenTest, EveryDamagedFileOfTheFolderIsNamedAndARefusalChangesNothing) {
    // Her saved folder: loaded, into her village, saved with its local maps, weather and markers.
    const oxatest::WorldCell v = into_her_village();
    ASSERT_FALSE(HasFailure());
    play_in_her_village(v);
    ASSERT_EQ(Save(0), 1);
    Folder folder(dir->path() + "/AINO");
    folder.take();
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(loader_load_notes(), "") << "the saved folder loads without a word";
    folder.restore();

    oxa_quit_hook = throw_quit;
    unsigned seed = 20261208;
    for (const Row &row : rows) {
        const std::string file = row.file == QUEST_FILE ? quest_file(folder.files()) : row.file;
        ASSERT_TRUE(folder.files().count(file)) << row.file;
        const std::string &good = folder.files().at(file);
        for (Damage how : {HALF, ZERO, RANDOM, EMPTY}) {
            const Expect expect = how == HALF ? row.half : how == ZERO ? row.zero : how == RANDOM ? row.random : row.empty;
            SCOPED_TRACE(file + " " + damage_name[how]);
            folder.restore();
            const std::string bad = damaged(good, how, seed++);
            folder.put(file, bad);

            var_clear();
            oxatest::reset_loader_tables();
            for (int i = 0; i < 6; i++) press(SDLK_SPACE);   // the refusal and the notes wait for keys
            int result;
            std::string told;
            try {
                result = loader();
            } catch (const Refused &r) {
                result = -1;
                told = r.text + "\n";
            }
            told += loader_load_notes();
            told += folder.log_since();   // what the other modules told her, as her message log keeps it
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

            const bool named = told.find(file) != std::string::npos;
            switch (expect) {
            case REFUSED:
                EXPECT_EQ(result, -1) << told;
                break;
            case TOLD:
            case QUIET:
                EXPECT_EQ(result, 0) << told;
                break;
            case EITHER:
                break;
            }
            if (expect != QUIET) {
                EXPECT_TRUE(named) << "said: " << told;
            }
            EXPECT_EQ(told.find(dir->path()), std::string::npos) << "a file is named within her folder: " << told;
            if (result != 0) {
                EXPECT_EQ(folder.changed(file, bad), "") << "a refused load wrote into the folder";
            }
        }
    }
    // A world file that is gone is named within her folder too.
    folder.restore();
    ASSERT_EQ(remove(path("WORLD.DAT").c_str()), 0);
    var_clear();
    oxatest::reset_loader_tables();
    std::string told;
    try {
        loader();
    } catch (const Refused &r) {
        told = r.text;
    }
    EXPECT_EQ(told, "Oxa couldn't open WORLD.DAT of AINO's folder");
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    oxa_quit_hook = nullptr;
}

// A MARKER.DAT of zeros is rebuilt keeping her village's society: its people, debts and quests stay
// with the one record the village file holds for it.
TEST_F(LoaderScreenTest, RebuiltMarkerFileKeepsHerVillagesSociety) {
    const oxatest::WorldCell v = into_her_village();
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(Save(0), 1);
    const uint32_t soc = Mapinfo_socID(v.x, v.y);
    ASSERT_NE(soc, 0u);
    struct stat st;
    ASSERT_EQ(stat(path("AINO.VIL").c_str(), &st), 0);
    const off_t villages = st.st_size;

    const std::string zeros(sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT, '\0');
    FILE *f = fopen(path("MARKER.DAT").c_str(), "wb");
    ASSERT_EQ(fwrite(zeros.data(), 1, zeros.size(), f), zeros.size());
    fclose(f);
    var_clear();
    oxatest::reset_loader_tables();
    for (int i = 0; i < 6; i++) press(SDLK_SPACE);
    ASSERT_EQ(loader(), 0);
    EXPECT_NE(strstr(loader_load_notes(), "MARKER.DAT was damaged"), nullptr) << loader_load_notes();
    EXPECT_EQ(Mapinfo_socID(v.x, v.y), soc);
    ASSERT_EQ(Save(0), 1);
    ASSERT_EQ(stat(path("AINO.VIL").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, villages) << "no second record for her village";
}

// People an earlier game wrote into the creature file for a layout of her village that was thrown away
// for its stored map stand on no map: the load frees their records and says so; her village's own
// people stay.
TEST_F(LoaderScreenTest, SettlersOfAThrownAwayLayoutAreFreedAtLoad) {
    const oxatest::WorldCell v = into_her_village();
    ASSERT_FALSE(HasFailure());
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_EQ(Save(0), 1);
    auto at_home = [&] {
        std::set<int> out;
        for (int k = 0; k < cre_file_records(); k++)
            if (Lataa_RealCreature(CRE_DATAID + k) && Creature.kind == CK_HUMAN && Creature.home_x == v.x &&
                Creature.home_y == v.y)
                out.insert(CRE_DATAID + k);
        return out;
    };
    const std::set<int> people = at_home();
    ASSERT_FALSE(people.empty());
    std::set<int> thrown;
    for (int code : {530, 520, 590}) {
        static CreatureStruct person;
        synnyta_IHMISOLENTO(person, code, get_alltime_kulttuuri(v.x, v.y), soc);
        person.home_x = v.x;
        person.home_y = v.y;
        thrown.insert(SaveNewRealCreature(person));
    }
    var_clear();
    oxatest::reset_loader_tables();
    for (int i = 0; i < 6; i++) press(SDLK_SPACE);
    ASSERT_EQ(loader(), 0);
    EXPECT_NE(strstr(loader_load_notes(), "held 3 people of settlements who stood on none of their maps"), nullptr)
        << loader_load_notes();
    EXPECT_EQ(at_home(), people);
    for (int n : thrown) {
        ASSERT_EQ(Lataa_RealCreature(n), 1);
        EXPECT_EQ(Creature.kind, CK_NONE) << n;
    }
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(loader_load_notes(), "") << "nothing more to free";
}

// A cut or zeroed character file: the start menu still offers her, and loading her names the file.
TEST_F(LoaderScreenTest, DamagedCharacterIsOfferedAndLoadingHerNamesTheFile) {
    const std::string oxs = path("AINO.OXS");
    FILE *f = fopen(oxs.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string good(sizeof(PlayerStruct), '\0');
    ASSERT_EQ(fread(&good[0], 1, good.size(), f), good.size());
    fclose(f);
    for (const std::string &bad : {good.substr(0, good.size() / 2), std::string(good.size(), '\0'), std::string()}) {
        SCOPED_TRACE(bad.size());
        f = fopen(oxs.c_str(), "wb");
        fwrite(bad.data(), 1, bad.size(), f);
        fclose(f);
        press(SDLK_RETURN);   // the first row: AINO, before VILHO
        load_character();
        ASSERT_STREQ(CharacterFile, "AINO");
        oxatest::reset_loader_tables();
        press(SDLK_SPACE);
        EXPECT_EQ(loader(), -1);
        EXPECT_NE(strstr(loader_last_note(), "AINO.OXS is damaged"), nullptr) << loader_last_note();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

// Her record's figures filled with random bytes (what names her and where she stands kept): the load
// sets each figure within its bounds and says so, and her first turns and panels run on them.
TEST_F(LoaderScreenTest, FiguresOutOfRangeInTheCharacterFileAreSetWithinBounds) {
    static PlayerStruct rec;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &rec, sizeof rec));
    const PlayerStruct keep = rec;
    std::mt19937 draw(8);
    uint8_t *bytes = reinterpret_cast<uint8_t *>(&rec);
    for (size_t i = offsetof(PlayerStruct, skill_aptitude); i < sizeof rec; i++) bytes[i] = (uint8_t)(draw() & 255);
    memcpy(rec.mapname, keep.mapname, sizeof rec.mapname);
    rec.world_x = keep.world_x;
    rec.world_y = keep.world_y;
    rec.x = keep.x;
    rec.y = keep.y;
    rec.save_version = keep.save_version;
    FILE *f = fopen(path("AINO.OXS").c_str(), "wb");
    ASSERT_EQ(fwrite(&rec, sizeof rec, 1, f), 1u);
    fclose(f);

    for (int i = 0; i < 6; i++) press(SDLK_SPACE);
    ASSERT_EQ(loader(), 0);
    EXPECT_NE(strstr(loader_load_notes(), "AINO.OXS held figures out of range"), nullptr) << loader_load_notes();
    EXPECT_LT(Plr.hour, 24);
    EXPECT_GE(Plr.month, 1);
    EXPECT_LE(Plr.month, 12);
    EXPECT_LE(Plr.facing, 7);
    for (int s = 0; s < PLR_SLOTS; s++) EXPECT_GE(Plr.inv_count[s], 0);

    // A body this broken may not live long: her death ends the turns, the sanitizer has its say.
    oxa_quit_hook = throw_quit;
    var_clear();
    LOADER_RUN = 0;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    try {
        for (int t = 0; t < 3; t++) {
            press(SDLK_SPACE);
            press(SDLK_PERIOD);
            int r;
            turn_pass(&r);
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        }
    } catch (const Refused &) {
    }
    oxa_quit_hook = nullptr;
}

// Creature numbers of the world's things that name no creature of a sound creature file: the load is
// refused naming the file that holds the stray numbers, and the folder is left as it was.
TEST_F(LoaderScreenTest, StrayCreatureNumbersNameTheFileThatHoldsThem) {
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    Note("she rests");   // her message log, which a refusal may only add to
    Folder folder(dir->path() + "/AINO");
    folder.take();
    std::string pool = folder.files().at("DATA.DAT");
    ASSERT_EQ(pool.size() % sizeof(DataStruct), 0u);
    DataStruct *things = reinterpret_cast<DataStruct *>(&pool[0]);
    const size_t n = pool.size() / sizeof(DataStruct);
    size_t free_slot = n;
    for (size_t i = n; i-- > 0;)
        if (things[i].type == 0) free_slot = i;
    ASSERT_LT(free_slot, n);
    DataStruct &stray = things[free_slot];
    stray.type = DT_CREATURE;
    stray.x = (uint16_t)Plr.world_x;
    stray.y = (uint16_t)Plr.world_y;
    stray.count = 1;
    for (size_t i = 0; i < n; i++)
        if (things[i].type == DT_CREATURE || things[i].type == DT_CARCASS) things[i].id = CRE_DATAID + 1000000 + (uint32_t)i;
    folder.put("DATA.DAT", pool);

    oxa_quit_hook = throw_quit;
    var_clear();
    oxatest::reset_loader_tables();
    for (int i = 0; i < 6; i++) press(SDLK_SPACE);
    EXPECT_EQ(loader(), -1);
    oxa_quit_hook = nullptr;
    EXPECT_NE(strstr(loader_last_note(), "DATA.DAT is damaged"), nullptr) << loader_last_note();
    EXPECT_EQ(strstr(loader_last_note(), "AINO.CRS is damaged"), nullptr) << loader_last_note();
    EXPECT_EQ(folder.changed("DATA.DAT", pool), "");
}

// Her folder, or a file of it the game rewrites in place, can't be written, or her folder can't be
// listed: the load stops before it reads or writes anything, tells her name and the file or the cause
// (no path of the machine), and the game goes back to the start menu instead of ending. A folder the
// game can't enter is not offered; the list says it can't read it.
TEST_F(LoaderScreenTest, AFolderThatCantBeWrittenIsRefusedNamingHer) {
    into_her_village();   // saved on her local map: a load enters it and brings its creatures in
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(Save(0), 1);
    Folder folder(dir->path() + "/AINO");
    folder.take();
    const std::string again = " Make it writable and load again. Nothing was changed.";
    const struct {
        const char *file;   // "" the folder itself
        mode_t mode;
        std::string told;
    } rows[] = {
        {"", 0555, "!AINO's folder can't be written (is it read-only?)." + again},
        {"AINO.CRS", 0444, "!AINO's folder can't be written: its file AINO.CRS is read-only." + again},
        {"", 0311, "!AINO's folder can't be read (Permission denied). Make it readable and load again. Nothing was "
                   "changed."},
    };
    oxa_quit_hook = throw_quit;
    for (const auto &r : rows) {
        const std::string at = dir->path() + "/AINO" + (r.file[0] ? std::string("/") + r.file : "");
        struct stat was;
        ASSERT_EQ(stat(at.c_str(), &was), 0);
        ASSERT_EQ(chmod(at.c_str(), r.mode), 0);
        var_clear();
        oxatest::reset_loader_tables();
        save_unlock_folder();   // back at the start menu, as the game lets her folder go
        for (int i = 0; i < 6; i++) press(SDLK_SPACE);
        int result;
        std::string told;
        {
            RightsOnly rights;
            try {
                result = loader();
            } catch (const Refused &q) {
                result = 1;
                told = q.text + "\n";
            }
        }
        told += loader_load_notes();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        chmod(at.c_str(), was.st_mode & 07777);
        EXPECT_EQ(result, -1) << r.file;
        EXPECT_EQ(told, r.told + "\n") << r.file;
        EXPECT_EQ(folder.changed("", ""), "") << r.file;
    }
    oxa_quit_hook = nullptr;

    const std::string at = dir->path() + "/AINO";
    ASSERT_EQ(chmod(at.c_str(), 0), 0);
    press(SDLK_ESCAPE);
    {
        RightsOnly rights;
        load_character();
    }
    chmod(at.c_str(), 0755);
    std::string listed;
    for (int p = 0; p < ListEntryPos(); p++) listed += std::string(LIST_PosText(p)) + "|";
    EXPECT_EQ(listed, "Vilho||AINO can't be read||<ESC>.Exit|");
}

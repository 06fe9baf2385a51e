// bench/aino_folder.h -- a working folder under /tmp holding the ready-made character Aino, an
// untouched copy of her, and the data files entering a map reads (the plant files among them), so a
// bench can enter her area again and again as if for the first time.
#pragma once
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ownlib.h"
#include "disk_counts.h"
#include "core/config.h"
#include "game/loader.h"
#include "core/oxa.h"
#include "core/records.h"
#include "worldgen/worldgen.h"

namespace oxabench {

// A throwaway working folder under $TMPDIR (another disk or file system) or /tmp, filled by a shell
// command run in the game's run folder with the folder's path appended; the bench works inside it and
// it goes when the bench ends.
struct ScratchFolder {
    std::string path, previous;
    explicit ScratchFolder(const std::string &fill) {
        const char *dir = getenv("TMPDIR");
        std::string tmpl = std::string(dir && dir[0] ? dir : "/tmp") + "/oxabench-XXXXXX";
        path = mkdtemp(&tmpl[0]) ? tmpl : "/tmp";
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        const std::string cmd = "cd " + std::string(OXA_RUN_DIR) + " && " + fill + " " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "the working folder couldn't be made: %s\n", cmd.c_str());
        if (chdir(path.c_str()) != 0) perror("chdir");
    }
    ~ScratchFolder() {
        if (chdir(previous.c_str()) != 0) perror("chdir");
        const std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "%s left behind\n", path.c_str());
    }
};

// Aino, an untouched copy of her and the data files entering a map reads.
struct AinoFolder : ScratchFolder {
    AinoFolder()
        : ScratchFolder("cp -r ../fixture/AINO linedist.arr NOTES.STD flora_forest.txt flora_meadow.txt messages") {
        const std::string cmd = "cp -r " + path + "/AINO " + path + "/AINO.pristine";
        if (system(cmd.c_str()) != 0) fprintf(stderr, "the fixture couldn't be copied: %s\n", cmd.c_str());
        OXA_NODELAY = 1;
        copy_bounded(OxaPath, sizeof OxaPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    }
    // The character as the fixture made her, her area never built. The files are put back where they
    // lie, as a player's folder keeps its files from one entry to the next; files the entry made go.
    void fresh_character() {
        const std::string cmd = "cd " + path +
                                "/AINO && for f in * .[!.]*; do [ -e \"../AINO.pristine/$f\" ] || rm -rf \"$f\"; done;"
                                " cp -a ../AINO.pristine/. .";
        if (system(cmd.c_str()) != 0) perror("cp");
        REAL_QUIT = 0;
        loader();
        LOADER_RUN = 0;
    }
};

inline AinoFolder &folder() {
    static AinoFolder f;
    return f;
}

// The map-entry upkeep after the area is built or loaded (the catch-up, the store, the save): a call of
// its own so that a profiler can be told to count it alone.
__attribute__((noinline)) inline int entry_upkeep() { return GetMappie(0); }

// Zooming into world cell wx, wy on a fresh copy of her folder each round: for an area never built
// the 25 maps are made and stored, for a stored one they are read; the area is loaded.
// The counters give the files opened and the flushes of one entry. As in the turn loop, the entry's
// save is put in place with the upkeep's.
inline void enter_cell(benchmark::State &state, int wx, int wy) {
    AinoFolder &f = folder();
    DiskCounts counts;
    ENTRY_SAVE_JOINS_LOAD = 1;
    for (auto _ : state) {
        state.PauseTiming();
        f.fresh_character();
        PlayerX = wx;
        PlayerY = wy;
        // The copy of her folder is on the disk before the entry starts: a commit flushes the file
        // system, and would otherwise wait for the copy's megabytes as well as its own.
        sync();
        state.ResumeTiming();
        counts.begin();
        EnterLocale(0, 0);
        benchmark::DoNotOptimize(entry_upkeep());
        counts.end();
    }
    ENTRY_SAVE_JOINS_LOAD = 0;
    counts.report(state);
}

}  // namespace oxabench

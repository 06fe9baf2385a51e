// Work memory taken when it is first needed: a request that can't be met ends in the fatal exit with
// a message, and a save that can't have its memory does not start.
#include <sys/stat.h>

#include <stdexcept>
#include <string>

#include "base/reserve.h"
#include "core/loader_fixture.h"
#include "presentation/notes.h"

namespace {

struct MemoryQuit {
    std::string text;
};
[[noreturn]] void throw_quit(const char *text) { throw MemoryQuit{text}; }

// Refuses every request of at least `refuse_from` bytes.
size_t refuse_from = 0;
bool refuse_big(size_t size) { return refuse_from && size >= refuse_from; }

class Refusals {
public:
    explicit Refusals(size_t from) {
        refuse_from = from;
        reserve_refuses = refuse_big;
        oxa_quit_hook = throw_quit;
    }
    ~Refusals() {
        reserve_refuses = nullptr;
        oxa_quit_hook = nullptr;
        refuse_from = 0;
    }
};

class MemoryPlayTest : public oxatest::PlayingTest {};
class MemoryLoadTest : public oxatest::LoaderScreenTest {};

}  // namespace

TEST(Reserve, ARefusedRequestEndsInTheFatalExitOrIsAnsweredEmpty) {
    struct Case {
        size_t from;        // refusals from this size; 0 none
        bool must_have;     // reserve_or_quit; else reserve_try
        bool served;
    } cases[] = {{0, true, true}, {0, false, true}, {1000, true, false}, {1000, false, false}, {5000, true, true}};
    for (const Case &c : cases) {
        Refusals refusing(c.from);
        std::string told;
        bool served = false;
        try {
            if (c.must_have) {
                Reserved<uint32_t> r(1000, "the test's table");
                served = r.ok() && r[0] == 0 && r[999] == 0;
            } else {
                Reserved<uint32_t> r(1000);
                served = r.ok() && r.size() == 1000 && r[999] == 0;
                EXPECT_EQ(r.ok() ? 1000u : 0u, r.size());
            }
        } catch (const MemoryQuit &q) {
            told = q.text;
        }
        EXPECT_EQ(served, c.served) << c.from << " " << c.must_have;
        const char *expected = !c.served && c.must_have ? "Out of memory: the test's table (4 kB)" : "";
        EXPECT_EQ(told, expected);
    }
}

// A save that can't keep the pools as they were does not start: her folder keeps the last save, she
// is told, and the game goes on; with the memory back the same key saves.
TEST_F(MemoryPlayTest, CtrlSWithoutMemoryForTheSaveWritesNothingAndPlayGoesOn) {
    const std::vector<uint8_t> oxs = oxatest::read_bytes(path("AINO.OXS")),
                               data = oxatest::read_bytes(path("DATA.DAT"));
    Plr.forest_spirit++;   // something only a save keeps
    int r = 0;
    {
        Refusals refusing(sizeof(DataStruct) * DATA_MAX);
        tap(SDLK_s, KMOD_LCTRL);
        EXPECT_EQ(turn_pass(&r), 1) << "she stays in the game";
    }
    EXPECT_NE(REAL_QUIT, -1);
    EXPECT_NE(strstr(lastnote, "couldn't be saved (not enough memory)"), nullptr) << lastnote;
    EXPECT_EQ(oxatest::read_bytes(path("AINO.OXS")), oxs);
    EXPECT_EQ(oxatest::read_bytes(path("DATA.DAT")), data);
    struct stat st;
    EXPECT_NE(stat(path("SAVE.COMMIT").c_str(), &st), 0) << "no commit was begun";

    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    lastnote[0] = 0;
    tap(SDLK_s, KMOD_LCTRL);
    EXPECT_EQ(turn_pass(&r), 0) << lastnote;
    EXPECT_NE(strstr(lastnote, "Your character has been saved."), nullptr) << lastnote;
}

// Mending a damaged explored world needs a map's worth of memory: refused, the load ends in the
// fatal exit saying so, before anything of the folder is written.
TEST_F(MemoryLoadTest, RebuildWithoutMemoryEndsInTheFatalExitNamingIt) {
    const std::vector<uint8_t> plm(MAP_BYTES / 2, 0);
    FILE *f = fopen(path("WORLD.PLM").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fwrite(plm.data(), 1, plm.size(), f), plm.size());
    fclose(f);
    for (int i = 0; i < 6; i++) press(SDLK_SPACE);   // the notes wait for keys
    std::string told;
    {
        Refusals refusing(MAP_BYTES);
        try {
            loader();
        } catch (const MemoryQuit &q) {
            told = q.text;
        }
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EXPECT_EQ(told.rfind("Out of memory: the rebuilt explored world (", 0), 0u) << told;
    EXPECT_EQ(oxatest::read_bytes(path("WORLD.PLM")), plm);
}

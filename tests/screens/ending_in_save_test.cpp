// The end asked from outside while a save stands open around a key wait: the open save is given up,
// nothing of it reaches the folder, and the end says so with a failing status.
#include "core/loader_fixture.h"

#include "base/savecommit.h"
#include "base/savediff.h"
#include "presentation/input.h"
#include "screens/ending.h"

#include <csignal>
#include <initializer_list>
#include <string>

namespace oxatest {
namespace {

struct Ended {
    std::string text;
};
[[noreturn]] void throw_end(const char *text) { throw Ended{text}; }

TEST_F(PlayingTest, ASignalInsideAnOpenSaveGivesItUpAndEndsFailing) {
    const std::string file = std::string(CharacterPath) + "/MVMARKER.DAT";
    const char *path = file.c_str();
    ASSERT_FALSE(own_isfile(path));
    ending_install();
    ending_in_play(1);
    oxa_quit_hook = throw_end;
    save_begin();
    ASSERT_TRUE(save_write_file(path, "half", 4));
    input_ask_end();   // the signal, seen by the next key read
    std::string said = "(no end)";
    try {
        char text[100];
        SDL_Keysym ks;
        key_event(text, &ks);
    } catch (const Ended &e) {
        said = e.text;
    }
    oxa_quit_hook = nullptr;
    input_on_end(nullptr);
    ending_in_play(0);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) signal(sig, SIG_DFL);
    EXPECT_NE(said, "") << "ended as if saved";
    EXPECT_NE(said, "(no end)");
    EXPECT_FALSE(save_running());
    EXPECT_FALSE(own_isfile(path)) << "the open save's file reached the folder";
}

}  // namespace
}  // namespace oxatest

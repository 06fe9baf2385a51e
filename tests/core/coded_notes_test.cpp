// tests/core/coded_notes_test.cpp -- every coded note the game shows is a line of NOTES.STD, and no
// coded note is written in the code outside their list; played: X with nothing in either hand says so.
#include "core/loader_fixture.h"
#include "common/source_scan.h"

#include "core/codednotes.h"
#include "core/notes.h"
#include "core/tekstit.h"

#include <dirent.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

void sources(const std::string &dir, std::vector<std::string> &files) {
    DIR *d = opendir(dir.c_str());
    if (!d) return;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name, path = dir + "/" + name;
        struct stat st;
        if (name == "." || name == ".." || stat(path.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            sources(path, files);
        else if (name.size() > 4 && (name.substr(name.size() - 4) == ".cpp" || name.substr(name.size() - 2) == ".h"))
            files.push_back(path);
    }
    closedir(d);
}

TEST(CodedNotes, EveryNoteTheGameShowsIsALineOfTheNotesFile) {
    oxatest::TempDir dir;
    dir.copy_asset("NOTES.STD");
    get_notes();
    std::set<std::string> listed;
    for (const char *code : CODED_NOTES) {
        SCOPED_TRACE(code);
        listed.insert(code);
        ASSERT_EQ(strlen(code), 3u);
        coded_st(code[1], code[2]);
        EXPECT_STRNE(NOTE, GAME_STRINGS[GAME_STRINGS_MAX - 1]) << "no such line: the table's blank";
        EXPECT_GT(strlen(NOTE), 1u);
    }
    // A coded note written out anywhere else in the code is one the list does not know.
    std::vector<std::string> files;
    sources(std::string(OXA_SOURCE_DIR) + "/src", files);
    const std::regex coded(R"re("(\*[A-Za-z][A-Za-z0-9])")re");
    for (const std::string &f : files) {
        if (f.find("core/codednotes.h") != std::string::npos) continue;
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        oxatest::each_match(text, {"\"*"}, coded, [&](const std::smatch &m) {
            EXPECT_TRUE(listed.count(m[1])) << m[1] << " in " << f;
        });
    }
}

class AinoExchange : public oxatest::PlayingTest {};

TEST_F(AinoExchange, NothingInEitherHandIsTold) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && Plr.inv_obj[s] <= OBJ_PLAYER_LAST)
            PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST].status &= (uint8_t)~(ISTAT_PRIMARY | ISTAT_SECOND);
    const size_t before = notes().size();
    oxatest::KeyFeeder typing;
    typing.key((SDL_Keycode)'X', KMOD_SHIFT);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    EXPECT_NE(notes().find("You wield no weapon to exchange.", before), std::string::npos) << notes().substr(before);
}

}  // namespace

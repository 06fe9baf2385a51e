// tests/audio/sample_names_test.cpp -- every sound the game's code asks for by name is among the
// samples loaded from the generated files, and every piece of music it plays is there: a name with
// no file would simply stay silent, so only this check notices it.
#include "audio_fixture.h"

#include "common/source_scan.h"
#include "presentation/notes.h"

#include <dirent.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

using oxatest::AudioTest;

namespace {

std::string source_root() { return OXA_SOURCE_DIR; }

void sources(const std::string &dir, std::vector<std::string> &files) {
    DIR *d = opendir(dir.c_str());
    if (!d) return;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name, path = dir + "/" + name;
        struct stat st;
        if (name == "." || name == ".." || stat(path.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            sources(path, files);
        else if (name.size() > 4 && name.substr(name.size() - 4) == ".cpp")
            files.push_back(path);
    }
    closedir(d);
}

struct Played {
    std::set<std::string> samples, music;
};

// Literal names handed to the players, the step sounds, the task loops, the list widget's sounds and
// the ambient choice.
Played played_in_source() {
    Played p;
    std::vector<std::string> files;
    sources(source_root() + "/src", files);
    const std::regex sample_calls(
        R"re(\b(?:play_sample|play_move|play_named|play_task_sample|SetIdleSample|set_ambient)\(\s*"([^"]+)")re");
    const std::regex copied(R"re(copy_bounded\((?:MoveSound|SPEND_SAMPLE|idlesample|atmossample)[^"]*"([^"]+)")re");
    const std::regex list_style(R"re(LIST_Style\([^,]*,\s*"([^"]*)",\s*"([^"]*)")re");
    const std::regex ambient(R"re(\bsample = "([^"]+)")re");
    const std::regex music(R"re(play_disk_music(?:_from_position)?\(\s*"([^"]+)")re");
    auto sample = [&p](const std::smatch &m) { p.samples.insert(m[1]); };
    for (const std::string &f : files) {
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        oxatest::each_match(text,
                            {"play_sample", "play_move", "play_named", "play_task_sample", "SetIdleSample",
                             "set_ambient"},
                            sample_calls, sample);
        oxatest::each_match(text, {"copy_bounded"}, copied, sample);
        oxatest::each_match(text, {"sample = "}, ambient, sample);
        oxatest::each_match(text, {"LIST_Style"}, list_style, [&p](const std::smatch &m) {
            for (int g = 1; g <= 2; g++)
                if (m[g].length()) p.samples.insert(m[g]);
        });
        oxatest::each_match(text, {"play_disk_music"}, music, [&p](const std::smatch &m) { p.music.insert(m[1]); });
    }
    return p;
}

TEST_F(AudioTest, EverySoundTheCodeNamesIsLoadedFromTheGeneratedFiles) {
    open_mixer();
    load_samples();
    Played p = played_in_source();
    EXPECT_GE(p.samples.size(), 10u) << "the source scan found the game's sample names";
    EXPECT_TRUE(p.samples.count("walk_deepsnow") && p.samples.count("kling") && p.samples.count("ambience"));

    // The notes' keyword rows and the words that pick a sound, with every random pick drawn.
    SAMPLE_name("");   // fills the keyword rows
    for (int row = 0; row < WAVEDAT_SEARCHED; row++)
        if (wavedat[row][50]) p.samples.insert(wavedat[row] + 50);
    for (const char *text : {"CRAVING FOR WATER!", "MAGIC", "A CRY", "ROAR", "HOWL", "CHEER"})
        p.samples.insert(SAMPLE_name(text));
    for (int i = 0; i < 200; i++)
        for (const char *text : {"FOREST LIVING", "NATURE LIVING", "NIGHT LIVING"}) p.samples.insert(SAMPLE_name(text));
    p.samples.insert("smash");   // played before a "HITCR"

    for (const std::string &name : p.samples) {
        std::string upper = name;
        for (char &c : upper) c = (char)toupper((unsigned char)c);
        EXPECT_FALSE(slots_named(upper.c_str()).empty()) << "no sample is loaded for \"" << name << "\"";
    }
    EXPECT_TRUE(p.music.count("intro.ogg"));
    for (const char *m : {"music_munni.ogg", "music_chantbeat.ogg"}) p.music.insert(m);
    for (const std::string &m : p.music) {
        Mix_Music *music = Mix_LoadMUS(("audio/" + m).c_str());
        EXPECT_NE(music, nullptr) << m << ": " << Mix_GetError();
        if (music) {
            EXPECT_EQ(Mix_GetMusicType(music), MUS_OGG) << m;
            EXPECT_GT(Mix_MusicDuration(music), 10.0) << m;
            Mix_FreeMusic(music);
        }
    }
}

}  // namespace

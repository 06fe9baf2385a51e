// tests/audio/mix_test.cpp -- what the mixer really puts out, recorded through SDL's disk audio
// driver in a child process of this test program (no sound device is needed): an effect placed to
// the east of a player facing north sounds from the right; the music's loudness follows the VOLUME
// setting, and the tune decoded whole sounds as the file streamed would.
#include "common/harness.h"

#include "core/config.h"
#include "core/records.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "presentation/audio.h"
#include "presentation/screen_ui.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

extern char **environ;

namespace {

// The child: run before the test program's main when OXA_MIX_RECORD names a scene, then exit.
int record_scene() {
    const char *scene = getenv("OXA_MIX_RECORD");
    if (!scene) return 0;
    if (SDL_Init(SDL_INIT_AUDIO) != 0) _exit(3);
    screen_ui_sound(ui.sound);   // the mixer without a window
    SB_SOUND = 1;
    BACKMUSIC = 1;
    AUDIO_MAIN_VOLUME = atoi(getenv("OXA_MIX_VOLUME") ? getenv("OXA_MIX_VOLUME") : "100");
    sound_init();
    if (!AUDIO_OPEN) _exit(4);
    if (!strcmp(scene, "east") || !strcmp(scene, "ahead-left")) {
        load_sample("steady", "breeze.ogg");
        PlayerX = PlayerY = 100;
        if (!strcmp(scene, "east")) {
            PlayerDir = 2;             // facing north
            Aseta_AudioPos(104, 100);
        } else {
            PlayerDir = 3;             // facing north-west, a bearing of -30 degrees
            Aseta_AudioPos(96, 99);
        }
        play_sample("steady", -1);
    } else if (!strcmp(scene, "streamed")) {
        // The tune streamed from its file, started as the game starts its music.
        Mix_Music *m = Mix_LoadMUS("audio/intro.ogg");
        if (!m) _exit(5);
        Mix_VolumeMusic(TrueVolume(128));
        if (Mix_FadeInMusicPos(m, -1, 250, 0.0) != 0) _exit(5);
    } else {
        play_disk_music("intro.ogg", -1);
        if (!MUSIC_PLAYING) _exit(5);
    }
    SDL_Delay(1600);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    SDL_Quit();
    _exit(0);
}
const int recorded_here = record_scene();

// Runs scenes of {name, volume}, each in a child of its own, all at once (each records in real time),
// and answers the recorded 16-bit stereo frames of each.
std::vector<std::vector<int16_t>> record_all(const std::vector<std::pair<const char *, int>> &scenes) {
    (void)recorded_here;
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return std::vector<std::vector<int16_t>>(scenes.size());
    self[n] = 0;
    std::vector<pid_t> children;
    for (size_t i = 0; i < scenes.size(); i++) {
        const std::string out = "mix" + std::to_string(i) + ".raw";
        std::vector<std::string> env;
        for (char **e = environ; *e; ++e)
            if (strncmp(*e, "SDL_AUDIODRIVER=", 16) && strncmp(*e, "OXA_MIX_", 8)) env.push_back(*e);
        env.push_back("SDL_AUDIODRIVER=disk");
        env.push_back("SDL_DISKAUDIOFILE=" + out);
        env.push_back(std::string("OXA_MIX_RECORD=") + scenes[i].first);
        env.push_back("OXA_MIX_VOLUME=" + std::to_string(scenes[i].second));
        std::vector<char *> envp;
        for (std::string &s : env) envp.push_back(&s[0]);
        envp.push_back(nullptr);
        char *argv[] = {self, nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, self, nullptr, nullptr, argv, envp.data()), 0) << scenes[i].first;
        children.push_back(pid);
    }
    std::vector<std::vector<int16_t>> recorded;
    for (size_t i = 0; i < scenes.size(); i++) {
        int status = 0;
        if (children[i] > 0) waitpid(children[i], &status, 0);
        EXPECT_TRUE(children[i] > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the recording child of " << scenes[i].first << " failed: " << status;
        std::ifstream in("mix" + std::to_string(i) + ".raw", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> frames(bytes.size() / 2);
        memcpy(frames.data(), bytes.data(), frames.size() * 2);
        recorded.push_back(std::move(frames));
    }
    return recorded;
}

std::vector<int16_t> record(const char *scene, int volume) { return record_all({{scene, volume}})[0]; }

class Mix : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(symlink(oxatest::asset_path("audio").c_str(), "audio"), 0);
    }
    oxatest::TempDir dir;
};

// The energy of the left and the right channel.
void energy(const std::vector<int16_t> &s, double &left, double &right) {
    left = right = 0;
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        left += (double)s[i] * s[i];
        right += (double)s[i + 1] * s[i + 1];
    }
}

TEST_F(Mix, AnEffectEastOfAPlayerFacingNorthSoundsFromTheRight) {
    std::vector<int16_t> s = record("east", 100);
    ASSERT_GT(s.size(), 44100u) << "a second of sound was recorded";
    double left, right;
    energy(s, left, right);
    EXPECT_GT(right, 1e6);
    EXPECT_GT(right, 4 * left) << "left " << left << " right " << right;
}

// A bearing just left of ahead comes out negative and must still sound from the left.
TEST_F(Mix, AnEffectAheadToTheLeftSoundsFromTheLeft) {
    std::vector<int16_t> s = record("ahead-left", 100);
    ASSERT_GT(s.size(), 44100u);
    double left, right;
    energy(s, left, right);
    EXPECT_GT(left, 1.5 * right) << "left " << left << " right " << right;
}

// Where the sound starts: the first frame that is not silent.
size_t first_sound(const std::vector<int16_t> &s) {
    size_t at = 0;
    while (at < s.size() && s[at] == 0) at++;
    return at - at % 2;
}

// The root mean square of the left channel over n frames from `start`.
double loudness(const std::vector<int16_t> &s, size_t start, size_t n) {
    double sum = 0;
    for (size_t k = 0; k < n; k++) sum += (double)s[start + 2 * k] * s[start + 2 * k];
    return n ? std::sqrt(sum / n) : 0;
}

TEST_F(Mix, TheMusicFollowsTheVolumeSetting) {
    const std::vector<std::vector<int16_t>> r = record_all({{"music", 100}, {"music", 25}});
    const std::vector<int16_t> &full = r[0], &quarter = r[1];
    const size_t a = first_sound(full), b = first_sound(quarter);
    // The same stretch of the music in both, however long each child happened to record.
    const size_t n = std::min({(full.size() - a) / 2, (quarter.size() - b) / 2, (size_t)52920});
    ASSERT_GT(n, 22050u) << "half a second of music in both";
    const double loud = loudness(full, a, n), soft = loudness(quarter, b, n);
    ASSERT_GT(loud, 100.0) << "the intro music was heard";
    EXPECT_NEAR(soft / loud, 0.25, 0.05);
}

}  // namespace

namespace {

// The game plays its tunes from samples decoded whole: what comes out is what the mixer streaming
// the file would put out, at either volume.
TEST_F(Mix, TheMusicSoundsAsTheStreamedFileSounds) {
    const std::vector<std::vector<int16_t>> r =
        record_all({{"music", 100}, {"streamed", 100}, {"music", 25}, {"streamed", 25}});
    for (int k = 0; k < 2; k++) {
        const int volume = k ? 25 : 100;
        const std::vector<int16_t> &game = r[(size_t)(2 * k)], &file = r[(size_t)(2 * k + 1)];
        const size_t a = first_sound(game), b = first_sound(file);
        const size_t n = std::min({(game.size() - a) / 2, (file.size() - b) / 2, (size_t)52920});
        ASSERT_GT(n, 22050u) << "half a second of music in both at volume " << volume;
        EXPECT_TRUE(std::equal(game.begin() + (long)a, game.begin() + (long)(a + 2 * n), file.begin() + (long)b))
            << "volume " << volume;
    }
}

}  // namespace

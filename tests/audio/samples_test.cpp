// tests/audio/samples_test.cpp -- the sample table, the channel plan, the loops, music and volumes,
// on the mixer of SDL's dummy driver.
#include "audio_fixture.h"

#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/weatherengine.h"
#include "maps/movement.h"
#include "maps/plrlink.h"

#include <sys/stat.h>
#include <cstdlib>
#include <cstring>
#include <set>

using oxatest::AudioTest;

namespace {

class SampleTable : public AudioTest {};
class Channels : public AudioTest {};
class Loops : public AudioTest {};
class Music : public AudioTest {};

TEST_F(SampleTable, FixedListFirstThenTheFolderScanNamedByTheFileCutAtDotAndDash) {
    open_mixer(false);
    mkdir("audio", 0755);
    const std::string w = oxatest::tiny_wav();
    for (const char *f : {"wolf.wav", "howl-2.wav", "abc.def-1.wav", "smear.wav", "broken.wav"})
        dir->write_file((std::string("audio/") + f).c_str(), f == std::string("broken.wav") ? "RIFFnonsense" : w);
    dir->copy_asset("audio/windfly.ogg");
    ASSERT_EQ(rename("audio/windfly.ogg", "audio/gust-1.ogg"), 0);

    load_samples();
    // wolf.wav is the fixed list's first HOWL; the scan follows in name order, .wav before .ogg.
    const char *want[] = {"HOWL", "ABC", "HOWL", "WOLF", "GUST"};
    for (int i = 0; i < 5; i++) EXPECT_STREQ(samplename[i], want[i]) << "slot " << i;
    EXPECT_STREQ(samplename[5], "");
    EXPECT_EQ(SAMPLESLOADED, 1);
    std::string log = dir->read_file("init_log.txt");
    EXPECT_NE(log.find("FAILED TO LOAD: audio/kling.wav"), std::string::npos);
    EXPECT_NE(log.find("FAILED TO LOAD: audio/broken.wav"), std::string::npos);
    EXPECT_EQ(log.find("smear"), std::string::npos) << "smear.wav is never tried";
    EXPECT_NE(log.find("Loading audio: GUST"), std::string::npos);
    EXPECT_NE(log.find("SAMPLESLOADED\n---\n"), std::string::npos);

    load_samples();   // once a run
    EXPECT_NE(dir->read_file("init_log.txt").find("SAMPLESLOADED - return"), std::string::npos);
    EXPECT_STREQ(samplename[5], "");
}

// Nothing is decoded at start-up: a sample is decoded when first played and kept; a file that looked
// right but will not decode is forgotten at its first play, silently, with a line in the audio log.
TEST_F(SampleTable, ASampleIsDecodedWhenFirstPlayedAndABadOneIsForgotten) {
    open_mixer(false);
    mkdir("audio", 0755);
    const std::string w = oxatest::tiny_wav();
    dir->write_file("audio/wolf.wav", w);
    dir->write_file("audio/wolf2.wav", w);
    dir->write_file("audio/owl.wav", std::string("RIFF\0\0\0\0WAVEjunk", 16));
    load_samples();
    const std::vector<int> howls = slots_named("HOWL"), owls = slots_named("OWL");
    ASSERT_EQ(howls.size(), 2u);
    ASSERT_EQ(owls.size(), 2u);   // the fixed list's and the folder scan's
    for (int i = 0; i < SAMPLE_SLOTS; i++) EXPECT_EQ(sampledata[i], nullptr) << "slot " << i << " decoded at start-up";

    play_sample("howl", 0);
    const int heard = slot_on(3);
    ASSERT_TRUE(heard == howls[0] || heard == howls[1]);
    Mix_Chunk *first = sampledata[heard];
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(sampledata[heard == howls[0] ? howls[1] : howls[0]], nullptr) << "the other howl waits for its turn";
    Mix_HaltChannel(-1);
    for (int seed = 1; seed <= 8; seed++) {   // played again, the decoded sound is kept
        randomize(seed);
        play_sample("howl", 0);
        if (slot_on(3) == heard) {
            EXPECT_EQ(sampledata[heard], first);
        }
        Mix_HaltChannel(-1);
    }

    play_sample("owl", 0);
    play_sample("owl", 0);
    for (int c = 0; c < OXA_CHANNELS; c++) EXPECT_FALSE(Mix_Playing(c));
    EXPECT_TRUE(slots_named("OWL").empty());
    EXPECT_NE(dir->read_file("audio.txt").find("FAILED TO LOAD: audio/owl.wav"), std::string::npos);
}

TEST_F(SampleTable, TwoHundredSlotsAtMost) {
    open_mixer(false);
    mkdir("audio", 0755);
    const std::string w = oxatest::tiny_wav(0.01);
    char name[40];
    for (int i = 0; i < 205; i++) {
        snprintf(name, sizeof name, "audio/s%03d.wav", i);
        dir->write_file(name, w);
    }
    load_samples();
    EXPECT_STREQ(samplename[0], "S000");
    EXPECT_STREQ(samplename[SAMPLE_SLOTS - 1], "S199");
    load_sample("late", "s200.wav");   // the fixed list's loader stops at the limit too
    for (int i = 0; i < SAMPLE_SLOTS; i++) EXPECT_STRNE(samplename[i], "LATE");
}

TEST_F(SampleTable, SameNamedSlotsArePickedBySeededChance) {
    open_mixer();
    load_sample("howl", "wolf.wav");
    load_sample("howl", "wolf2.wav");
    std::vector<int> howls = slots_named("HOWL");
    ASSERT_EQ(howls.size(), 2u);
    std::set<int> seen;
    for (int seed = 1; seed <= 12; seed++) {
        randomize(seed);
        int k = random(2);
        randomize(seed);
        play_sample("Howl", 0);   // names are matched in upper case
        EXPECT_EQ(slot_on(3), howls[(size_t)k]) << "seed " << seed;
        seen.insert(slot_on(3));
        Mix_HaltChannel(-1);
    }
    EXPECT_EQ(seen.size(), 2u) << "both howls are heard";
    play_sample("nothing by this name", 0);
    play_sample("", 0);
    for (int c = 0; c < OXA_CHANNELS; c++) EXPECT_FALSE(Mix_Playing(c));
}

TEST_F(Channels, HighestFreeEffectChannelThenChannelZeroIsTaken) {
    open_mixer();
    load_sample("long", "breeze.ogg");
    load_sample("kling", "kling.wav");
    for (int expect = 3; expect >= 0; expect--) {
        play_sample("long", 0);
        EXPECT_EQ(name_on(expect), "LONG");
    }
    play_sample("kling", 0);
    EXPECT_EQ(name_on(0), "KLING");
    for (int c = 1; c <= 3; c++) EXPECT_EQ(name_on(c), "LONG") << "channel " << c;
    for (int c = 4; c < OXA_CHANNELS; c++) EXPECT_FALSE(Mix_Playing(c));
}

TEST_F(Channels, DeathFadesEveryChannelAmbientIncluded) {
    open_mixer();
    load_sample("long", "breeze.ogg");
    load_sample("death", "death.wav");
    play_sample("long", 0);
    play_sample("long", 0);
    FORCE_CHANNEL = CH_IDLE;
    play_sample("long", -1);
    EXPECT_EQ(FORCE_CHANNEL, -1);
    play_sample("death", 0);
    EXPECT_EQ(name_on(1), "DEATH");
    for (int c : {2, 3, (int)CH_IDLE}) EXPECT_EQ(Mix_FadingChannel(c), MIX_FADING_OUT) << "channel " << c;
    EXPECT_EQ(Mix_FadingChannel(1), MIX_NO_FADING);
}

TEST_F(Channels, StepSoundNeverInterruptsAndFollowsItsSetting) {
    open_mixer();
    load_sample("walk", "walk.wav");
    load_sample("run", "run.wav");
    play_move("walk");
    EXPECT_EQ(name_on(CH_MOVE), "WALK");
    EXPECT_EQ(FORCE_CHANNEL, -1);
    EXPECT_EQ(Mix_Volume(CH_MOVE, -1), TrueVolume(MoveVolume));
    play_move("run");
    EXPECT_EQ(name_on(CH_MOVE), "WALK");
    for (int c = 0; c < 4; c++) EXPECT_FALSE(Mix_Playing(c)) << "a step never takes an effects channel";
    Mix_HaltChannel(CH_MOVE);
    MOVEMENTSOUNDS = 0;
    play_move("run");
    EXPECT_FALSE(Mix_Playing(CH_MOVE));
}

TEST_F(Channels, PlacementFromTheMapAndTheVolumeScale) {
    PlayerX = 100;
    PlayerY = 100;
    PlayerDir = 2;   // facing north
    Aseta_AudioPos(100, 100);
    EXPECT_EQ(SOUND_IN_DISTANCE, 40);
    Aseta_AudioPos(104, 100);
    EXPECT_EQ(SOUND_IN_DISTANCE, 40);
    EXPECT_EQ(SOUND_IN_POSITION, 90);
    Aseta_AudioPos(90, 120);
    EXPECT_EQ(SOUND_IN_DISTANCE, 180);
    Aseta_AudioPos(160, 100);
    EXPECT_EQ(SOUND_IN_DISTANCE, 250);
    Aseta_AudioPos(0, 100);
    EXPECT_EQ(SOUND_IN_DISTANCE, 0);
    EXPECT_EQ(SOUND_IN_POSITION, 0);

    const struct { int volume, v, want; } scale[] = {
        {50, 128, 64}, {101, 128, 128}, {100, 128, 128}, {0, 128, 0}, {33, 128, 43}, {50, 25, 13}};
    for (const auto &s : scale) {
        AUDIO_MAIN_VOLUME = s.volume;
        EXPECT_EQ(TrueVolume(s.v), s.want) << "volume " << s.volume;
    }
    const struct { const char *text; int want; } settings[] = {
        {"70", 70}, {"150", 100}, {"-5", 0}, {"loud", 50}, {"", 50}, {"0", 0}};
    for (const auto &s : settings) EXPECT_EQ(volume_setting(s.text), s.want) << "\"" << s.text << "\"";
}

TEST_F(Channels, SilentWithoutSoundOrWithoutAMixer) {
    SB_SOUND = 1;   // the mixer never opened
    play_sample("kling", 0);
    play_move("walk");
    IdleSample();
    play_disk_music("intro.ogg", -1);
    EXPECT_EQ(MUSIC_PLAYING, 0);
    open_mixer();
    load_sample("kling", "kling.wav");
    SB_SOUND = 0;
    play_sample("kling", 0);
    EXPECT_FALSE(Mix_Playing(-1));
}

int atmos_finished = 0;
void count_finished(int channel) {
    if (channel == CH_ATMOS) atmos_finished++;
}

TEST_F(Loops, AmbientLoopIsChosenAnewWhenSilentAndRestartsOnlyOnChange) {
    open_mixer();
    load_sample("ambience", "ambience.ogg");
    load_sample("rain", "rain.ogg");
    load_sample("lake", "lake.ogg");
    memset(&GlobWeather, 0, sizeof GlobWeather);
    Plr.hour = 12;
    IdleSample();   // channel 5 silent: the ambient choice picks the loop
    EXPECT_EQ(name_on(CH_IDLE), "AMBIENCE");
    EXPECT_EQ(Mix_Volume(CH_IDLE, -1), TrueVolume(25));
    Mix_Chunk *first = Mix_GetChunk(CH_IDLE);
    IdleSample();
    EXPECT_EQ(Mix_GetChunk(CH_IDLE), first);
    EXPECT_EQ(Mix_FadingChannel(CH_IDLE), MIX_NO_FADING);

    GlobWeather.rain_kind = 1;
    SetIdleSample("");   // what a map load does
    IdleSample();
    EXPECT_EQ(name_on(CH_IDLE), "RAIN");
    EXPECT_EQ(Mix_Volume(CH_IDLE, -1), TrueVolume(100));

    atmos_finished = 0;
    Mix_ChannelFinished(count_finished);
    copy_bounded(atmossample, sizeof atmossample, "lake");
    for (int pass = 0; pass < 3; pass++) IdleSample();
    EXPECT_EQ(name_on(CH_ATMOS), "LAKE");
    EXPECT_EQ(atmos_finished, 0) << "the atmosphere loop restarted on an unchanged pass";
    AtmosVolume = 80;
    IdleSample();
    EXPECT_EQ(Mix_Volume(CH_ATMOS, -1), TrueVolume(80));
    atmossample[0] = 0;
    IdleSample();
    EXPECT_EQ(Mix_FadingChannel(CH_ATMOS), MIX_FADING_OUT);
    Mix_ChannelFinished(nullptr);

    Mix_HaltChannel(-1);
    AMBIENTSOUNDS = 0;
    IdleSample();
    EXPECT_FALSE(Mix_Playing(CH_IDLE));
}

TEST_F(Loops, TaskLoopPlaysUntilTheTaskEnds) {
    open_mixer();
    load_sample("treechop", "axework.ogg");
    play_task_sample("treechop");
    EXPECT_EQ(name_on(3), "TREECHOP");
    stop_task_sample();
    EXPECT_FALSE(Mix_Playing(3));
}

TEST_F(Music, ATrackPlayingIsLeftAndTheNextStartsAfterItEnded) {
    open_mixer();
    AUDIO_MAIN_VOLUME = 50;
    play_disk_music("intro.ogg", -1);
    EXPECT_EQ(MUSIC_PLAYING, 1);
    EXPECT_STREQ(current_music, "intro.ogg");
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    play_disk_music("music_munni.ogg", 0);
    EXPECT_STREQ(current_music, "intro.ogg");
    Mix_HaltMusic();   // the track ended
    play_disk_music("music_munni.ogg", 0);
    EXPECT_STREQ(current_music, "music_munni.ogg");
    pause_music();
    EXPECT_TRUE(Mix_PausedMusic());
    resume_music();
    EXPECT_FALSE(Mix_PausedMusic());
    stop_music();
    EXPECT_EQ(MUSIC_PLAYING, 0);
    EXPECT_STREQ(current_music, "");
    EXPECT_FALSE(Mix_PlayingMusic());

    play_disk_music("no such tune.ogg", 0);   // silence, no message
    EXPECT_EQ(MUSIC_PLAYING, 0);
    BACKMUSIC = 0;
    play_disk_music("intro.ogg", 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

}  // namespace

namespace {

TEST_F(SampleTable, AMixerThatCannotOpenSaysSoWaitsAndLeavesTheGameSilent) {
    const char *was = getenv("SDL_AUDIODRIVER");
    std::string kept = was ? was : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SB_SOUND = 1;
    OXA_NODELAY = 0;           // the key wait really waits: only the closing window ends it
    // The close comes again every 60 ms: a busy machine may clear the first before the wait.
    SDL_TimerID t = SDL_AddTimer(
        60, [](Uint32 interval, void *) -> Uint32 { oxatest::push_quit(); return interval; }, nullptr);
    sound_init();
    SDL_RemoveTimer(t);
    SDL_Delay(100);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    OXA_NODELAY = 1;
    setenv("SDL_AUDIODRIVER", kept.c_str(), 1);
    EXPECT_EQ(SB_SOUND, 0);
    EXPECT_EQ(AUDIO_OPEN, 0);
    EXPECT_NE(dir->read_file("init_log.txt").find("Could not open audio! -- Press a key to continue --"),
              std::string::npos);
    play_sample("kling", 0);   // and nothing after it fails
    IdleSample();
    stop_music();
}

}  // namespace

// The screen's mixer answers the rules' sound cues.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "presentation/audio.h"
#include "presentation/notes.h"

void screen_ui_sound(UiSound &t) {
    t.play_sample = mixer_play_sample;
    t.audio_pos = mixer_audio_pos;
    t.play_move = mixer_play_move;
    t.keyword_sample = SAMPLE;
    t.play_task_sample = mixer_play_task_sample;
    t.stop_task_sample = mixer_stop_task_sample;
    t.idle_sample = mixer_idle_sample;
    t.set_idle_sample = mixer_set_idle_sample;
    t.set_ambient = mixer_set_ambient;
    t.stop_idle_sample = mixer_stop_idle_sample;
    t.fade_samples = mixer_fade_samples;
    t.fadestop_music = mixer_fadestop_music;
    t.sound_init = mixer_sound_init;
    t.start_sound = mixer_start_sound;
    t.load_samples = mixer_load_samples;
}

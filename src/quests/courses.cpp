// src/quests/courses.cpp -- the game courses: the tasks and the task file, the hook gameplay reports to,
// the events handed out on the way, the task screen and the reward at the end.
#include "quests/courses.h"
#include "quests/courses_int.h"
#include "core/tehtavat.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "activities/charscreens.h"
#include "activities/crolls.h"
#include "activities/magic.h"
#include "core/commandcodes.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/ui.h"
#include "maps/marker.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "items/inventory.h"
#include "maps/mapunit.h"
#include "core/worldservices.h"

Tehtava tehtava;
int Tehtavan_Vaihe = -1;
int Tehtavan_Suoritukset = 0;
int Tehtava_Tapahtuma = 0;
int task_gap = 0;

// The course index in the player record, when no course runs.
static const int NO_COURSE = -1;
// Reports a task needs before it is done: the first one does.
static const int REQUIRED_REPORTS = 0;

const int course_order[2][COURSE_LENGTH] = {
    {1, 2, 3, 4, 8, 5, 6, 7, 9, 11, 25, 10, 12, 13, 21, 22, 15, 16, 14, 26, 17, 18, 19, 20},
    {35, 24, 46, 39, 33, 42, 45, 41, 37, 47, 29, 30, 31, 43, 34, 44, 27, 36, 28, 40, 38, 32, 48, 49},
};

// A bound key a task's help names stands in the table as the negative of its BoundKey; its key is
// looked up in the command table when the task is set.
static constexpr int bound(BoundKey b) { return -(int)b; }

struct TaskKeys {
    int startEvent;
    int keys[TASK_LINES];          // 0 ends the list
};

// By task number - 1: the event the task starts with and the keys its help shows.
static const TaskKeys task_keys[COURSE_TASKS] = {
    {0, {'q', KEY_F3}},                                              // 1 water
    {0, {KEY_ENTER, 'x', ':'}},                                      // 2 a closer look
    {0, {bound(BOUND_PICKUP), bound(BOUND_PICKUP_ADJACENT), 'i'}},   // 3 picking up
    {0, {'d', 'p', 's', 'f'}},                                       // 4 make a fire
    {0, {'w', 's'}},                                                 // 5 timberwork
    {0, {bound(BOUND_MAKE), 'i'}},                                   // 6 do it yourself
    {COURSE_EVENT_ROD, {'s', 'e'}},                                  // 7 fishing
    {COURSE_EVENT_PIKE, {'s', '-', 'f'}},                            // 8 cookery
    {0, {'s', bound(BOUND_MOVEMODE)}},                               // 9 shelter in the woods
    {0, {'s', KEY_F6}},                                              // 10 the search for the wildlife
    {0, {KEY_F4}},                                                   // 11 spell
    {0, {bound(BOUND_MOVEMODE), '1', 't'}},                          // 12 a kill
    {0, {'s', bound(BOUND_BUTCHER)}},                                // 13 hideworking
    {COURSE_EVENT_AXE, {bound(BOUND_MAKE), 'w', 'm'}},               // 14 watercourse
    {0, {KEY_F6, 'C'}},                                              // 15 the settlement
    {0, {'C', bound(BOUND_PICKUP), bound(BOUND_PICKUP_ADJACENT)}},   // 16 trading
    {0, {'s', 'm', bound(BOUND_MAKE)}},                              // 17 building
    {COURSE_EVENT_FARMING, {'s'}},                                   // 18 agriculture
    {0, {'C', 'a', 'p', ';'}},                                       // 19 a domestic animal
    {0, {'C'}},                                                      // 20 a companion
    {0, {KEY_ENTER, 'a', 's', 'i'}},                                 // 21 setting a trap
    {0, {KEY_ENTER, KEY_F6}},                                        // 22 checking the trap
    {0, {bound(BOUND_MAKE), 's', bound(BOUND_BUTCHER)}},             // 23 meat
    {0, {KEY_F6, bound(BOUND_MAKE), 's', 'i'}},                      // 24 no man's land
    {COURSE_EVENT_TRACKING, {'s', 'x', KEY_F1}},                     // 25 tracking
    {0, {'s', bound(BOUND_MAKE), KEY_F6}},                           // 26 a catch
    {0, {KEY_F6, 's', bound(BOUND_MAKE)}},                           // 27 salmon and trout
    {0, {'s', KEY_F6, bound(BOUND_MAKE), 'a'}},                      // 28 a cave
    {0, {bound(BOUND_MAKE), 'w', 't'}},                              // 29 archery
    {0, {KEY_F4}},                                                   // 30 the spirit world
    {0, {0}},                                                        // 31 the great man of the forest
    {COURSE_EVENT_RAIDERS, {bound(BOUND_MOVEMODE)}},                 // 32 warfare
    {0, {KEY_ENTER, 's', 'a'}},                                      // 33 large-scale passive hunting
    {0, {'s', bound(BOUND_MAKE)}},                                   // 34 clothing
    {0, {'i', 's', 'e', KEY_ENTER}},                                 // 35 source of livelihood
    {0, {KEY_F6, 'w'}},                                              // 36 weapons of the north
    {0, {KEY_F6, 'C'}},                                              // 37 salt from the coast
    {0, {'s', 'm', bound(BOUND_MAKE)}},                              // 38 a house
    {0, {'p', 'f', 'T', 'a'}},                                       // 39 sauna
    {0, {KEY_F3, bound(BOUND_BUTCHER), 's'}},                        // 40 big elk
    {0, {KEY_F6, KEY_ENTER, 't'}},                                   // 41 buried into the bog
    {0, {'s'}},                                                      // 42 learning by doing
    {0, {KEY_F6, 's'}},                                              // 43 kaumo furs
    {COURSE_EVENT_TRADERS, {'s', 'C'}},                              // 44 foreign traders
    {0, {'s', 'a'}},                                                 // 45 prey in a trap
    {0, {bound(BOUND_PICKUP), bound(BOUND_PICKUP_ADJACENT), 's'}},   // 46 a harvest
    {0, {bound(BOUND_MAKE), 'm', 'a'}},                              // 47 an island
    {0, {0}},                                                        // 48 change of the season
    {0, {KEY_F4}},                                                   // 49 please the forest
};

static const char *const TASK_PICTURE = "jarvi_400x300.jpg";   // the first task's lake

void course_reset() {
    Tehtavan_Vaihe = -1;
    Tehtavan_Suoritukset = 0;
    Tehtava_Tapahtuma = 0;
    task_gap = 0;
}

// ---- the task record and the file ------------------------------------------------------------

// The whole record cleared, so that no words of an earlier task linger behind a shorter line.
void Nollaa_Tehtava() {
    memset(&tehtava, 0, sizeof tehtava);
    tehtava.count = 1;
}

static int key_code(int k) { return k < 0 ? world_services.bound_key((BoundKey)-k) : k; }

void Aseta_Tehtava(int n) {
    Nollaa_Tehtava();
    if (n < 1 || n > COURSE_TASKS) return;
    const CourseText &t = course_texts[n - 1];
    tehtava.taskNumber = n;
    copy_bounded(tehtava.title, sizeof tehtava.title, t.title);
    for (int k = 0; k < TASK_LINES; k++) {
        copy_bounded(tehtava.description[k], TASK_LINE, t.description[k] ? t.description[k] : "");
        copy_bounded(tehtava.completion[k], TASK_LINE, t.completion[k] ? t.completion[k] : "");
        const int key = task_keys[n - 1].keys[k];
        if (key) copy_bounded(tehtava.keyHelp[k], TASK_LINE, world_services.key_line((unsigned)key_code(key)));
    }
    if (n == 1) copy_bounded(tehtava.picture, sizeof tehtava.picture, TASK_PICTURE);
}

void course_file_path(char *buf, size_t size) { snprintf(buf, size, "%s/taskdata.oxa", CharacterPath); }

// The file as it is being written: the records so far. While a whole course is put together nothing
// is written until its last record is in.
static std::vector<uint8_t> course_image;
static int deferring = 0;

// The task file replaced by the records of the image, whole or not at all.
static int write_image() {
    char path[1100];
    course_file_path(path, sizeof path);
    save_begin();
    if (!save_write_file(path, course_image.data(), course_image.size())) save_fail("taskdata.oxa");
    return save_commit() ? 1 : 0;
}

int Kirjoita_Tehtavatiedostoon(int first) {
    for (char *line : tehtava.keyHelp)
        if (strlen(line) > TASK_KEYHELP_WHOLE) memcpy(line + TASK_KEYHELP_CUT, "..", 3);
    if (first) {
        course_image.clear();
    } else if (!deferring) {   // a record added to the file as it stands now
        course_image.clear();
        static Tehtava held[COURSE_FILE_MAX];
        const int n = course_read_file(held, COURSE_FILE_MAX);
        if (n > 0) course_image.assign((const uint8_t *)held, (const uint8_t *)held + (size_t)n * sizeof(Tehtava));
    }
    const uint8_t *rec = (const uint8_t *)&tehtava;
    course_image.insert(course_image.end(), rec, rec + sizeof tehtava);
    if (deferring) return 1;
    const int ok = write_image();
    course_image.clear();
    return ok;
}

int course_read_file(Tehtava *out, int max) {
    char path[1100];
    course_file_path(path, sizeof path);
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    struct stat st;
    if (fstat(fileno(f), &st) != 0) {
        fclose(f);
        return -1;
    }
    long whole = (long)(st.st_size / (off_t)sizeof(Tehtava));
    if (whole > max) whole = max;
    const int n = (int)fread(out, sizeof(Tehtava), (size_t)whole, f);
    fclose(f);
    // A record's texts end inside their fields, whatever the file held.
    for (int i = 0; i < n; i++) {
        Tehtava &t = out[i];
        t.title[sizeof t.title - 1] = t.picture[sizeof t.picture - 1] = 0;
        for (int k = 0; k < TASK_LINES; k++)
            t.description[k][TASK_LINE - 1] = t.completion[k][TASK_LINE - 1] = t.keyHelp[k][TASK_LINE - 1] = 0;
    }
    return n;
}

// She plays freely: no course, no task.
static void course_off() {
    Plr.course_index = NO_COURSE;
    Plr.task_number = 0;
    Tehtavan_Vaihe = -1;
    Tehtavan_Suoritukset = 0;
}

int course_write_file(int which) {
    if (which < 0 || which > 1) return 0;
    deferring = 1;
    for (int i = 0; i < COURSE_LENGTH; i++) {
        const int n = course_order[which][i];
        Aseta_Tehtava(n);
        tehtava.startEvent = task_keys[n - 1].startEvent;
        if (i == COURSE_LENGTH - 1) tehtava.endEvent = COURSE_EVENT_DONE;
        Kirjoita_Tehtavatiedostoon(i == 0);
    }
    deferring = 0;
    const int written = write_image();
    course_image.clear();
    return written;
}

static int write_course(int which) {
    if (!course_write_file(which)) {
        course_off();
        Note("!The game course couldn't be written into the character's folder: you go on in free play.");
        return 0;
    }
    Plr.course_index = 0;
    Plr.task_number = 0;
    Tehtavan_Suoritukset = 0;
    Tehtavan_Vaihe = -1;
    Tehtava_Tapahtuma = 0;   // nothing of an earlier course is pending
    task_gap = 0;
    return 1;
}

int Tee_Gamecourse_1() { return write_course(0); }
int Tee_Gamecourse_2() { return write_course(1); }

// ---- progress ---------------------------------------------------------------------------------

void Tarkista_Suoritus(int n) {
    if (n != Plr.task_number || n == 0 || Plr.course_index == NO_COURSE) return;
    if (Tehtavan_Vaihe > 0) return;
    if (++Tehtavan_Suoritukset >= REQUIRED_REPORTS) {
        Tehtavan_Vaihe = 1;
        Tehtavan_Suoritukset = 0;
    }
}

static void give_named(const char *name) {
    const int row = object(name, 1);
    if (row > 0) AddNewItem(row, 1);
}

void Tehtava_TapahtumaTarkistus() {
    const int ev = Tehtava_Tapahtuma;
    if (ev <= 0) return;
    if (ev == Plr.course_last_event) {
        Tehtava_Tapahtuma = -1;
        return;
    }
    const bool known = (ev >= COURSE_EVENT_ROD && ev <= COURSE_EVENT_FARMING) || ev == COURSE_EVENT_RAIDERS ||
                       ev == COURSE_EVENT_TRADERS || ev == COURSE_EVENT_TRACKING;
    if (!known) {   // a damaged task file's event gives nothing
        Tehtava_Tapahtuma = -1;
        return;
    }
    if ((ev == COURSE_EVENT_RAIDERS || ev == COURSE_EVENT_TRADERS) && !bigmap()) return;   // waits for the world map
    Plr.course_last_event = (uint8_t)ev;
    Note("#A game-course event is coming up...");
    Pause();
    switch (ev) {
    case COURSE_EVENT_ROD:
        Note("+You got a fishing rod!");
        give_named("FISHING ROD");
        break;
    case COURSE_EVENT_PIKE:
        Note("+You got a fresh pike!");
        give_named("PIKE");
        break;
    case COURSE_EVENT_AXE:
        Note("+You got an axe!");
        give_named("HANDAXE");
        break;
    case COURSE_EVENT_FARMING:
        Note("+You got equipment for agriculture!");
        plradd_agriculture_tools();
        break;
    case COURSE_EVENT_RAIDERS:
        Note("+There are Njerpez camps in this region!");
        AlueellinenTapahtuma(1);
        break;
    case COURSE_EVENT_TRADERS:
        Note("+There are some foreign traders in this region!");
        AlueellinenTapahtuma(2);
        break;
    case COURSE_EVENT_TRACKING:
        Note("+You have improved in tracking!");
        impro("TRACKING");
        break;
    default: break;
    }
    Tehtava_Tapahtuma = -1;
}

void Tehtava_Muistutus() {
    if (Plr.course_index == NO_COURSE) return;
    if (Tehtavan_Vaihe == -1) {
        if (++task_gap > 3) {
            Tehtavan_Vaihe = 0;
            TehtavaNaytto();
            task_gap = 0;
        }
    } else if (Tehtavan_Vaihe == 1) {
        if (++task_gap > 3) {
            task_gap = 0;
            TehtavaNaytto();
        }
    }
}

// ---- the task screen --------------------------------------------------------------------------

// The lines of one text as one paragraph.
static void paragraph(const char (*lines)[TASK_LINE], char *out, size_t size) {
    out[0] = 0;
    for (int k = 0; k < TASK_LINES; k++) {
        if (!lines[k][0]) continue;
        const size_t used = strlen(out);
        snprintf(out + used, size - used, "%s%s", used ? " " : "", lines[k]);
    }
}

static_assert((int)UI_COURSE_KEY_LINES == (int)TASK_LINES, "every key-help line of a task is shown");

// The task at hand on the left of the task screen, running or done.
static void draw_task(int done) {
    static char text[TASK_LINES * TASK_LINE + 8];
    paragraph(done ? tehtava.completion : tehtava.description, text, sizeof text);
    UiCourseTask task{};
    task.title = tehtava.title;
    task.text = text;
    for (int k = 0; k < TASK_LINES; k++) task.key_help[k] = tehtava.keyHelp[k];
    task.picture = tehtava.picture;
    task.done = done;
    ui_course_task(task);
}

void Tehtavan_Kuvaus(int phase) {
    if (phase < 1) {
        Tehtavan_Vaihe = 0;
        // Only the completion of the last task ends a course, never the showing of a task.
        if (Tehtava_Tapahtuma == 0 && tehtava.startEvent != COURSE_EVENT_DONE) Tehtava_Tapahtuma = tehtava.startEvent;
        draw_task(0);
    } else {
        draw_task(1);
        Tehtava_Tapahtuma = tehtava.endEvent;
    }
    if (Tehtava_Tapahtuma == COURSE_EVENT_DONE) Tehtavat_Suoritettu();
    ui_course_exit_button();
}

// A key from the player; 0 when none can come any more (the window closed, or no screen and no key
// waiting), so that no screen of the course waits for ever.
static int course_key() {
    if (!ui_has_screen() && ui_script_left() == 0) return 0;
    const int k = getkey();
    if (CLOSE_WINDOW || WindowClosed()) return 0;
    return k;   // the mouse moving (KEY_QUIT) or an idle tick leaves the screen open
}

static void reward_window(const char *a, const char *b, const char *const *choices, int n) {
    ui_course_reward(a, b, choices, n);
    Flip();
}

void Tehtavat_Suoritettu() {
    const bool was_course_1 = tehtava.taskNumber == course_order[0][COURSE_LENGTH - 1];
    Tehtava_Tapahtuma = 0;
    Plr.task_number = 0;
    Plr.course_index = 0;
    static Tehtava first;
    const int n = course_read_file(&first, 1);
    const bool course_1 = n == 1 ? strcmp(first.title, "WATER") == 0 : was_course_1;
    Plr.courses_completed |= course_1 ? COURSE1_DONE : COURSE2_DONE;

    static const char *const choices[3] = {"1.Improve your skills", "2.Attribute increase (strength, endurance etc.)",
                                           "3.Learn two new spells"};
    int k = 0;
    do {
        reward_window("You have now succesfully lived through a complete game-course!",
                      "As a reward, you can choose one of the following ways to improve your character:", choices, 3);
        k = course_key();
    } while (k != 0 && k != '1' && k != '2' && k != '3');
    if (k) {
        ui_grabscr("COURSE");
        if (k == '1') {
            option_points(0, 3, 1);
        } else if (k == '2') {
            attribute_up();
            draw_profile(2);
        } else {
            opi_rnd_taikakeino(100);
            opi_rnd_taikakeino(50);
            MagicProfile(0);
        }
        restorescr("COURSE");
        freescr("COURSE");
    }
    reward_window("You can select another game-course to complete anytime you like, or",
                  "you can now carry on a free, plotless game-play.", nullptr, 0);
    Plr.course_index = NO_COURSE;
    Tehtavan_Vaihe = -1;
}

// The course cannot go on: its file is gone or holds no task at the course's place.
static void course_lost() {
    course_off();
    Note("!The game course's task file is missing or damaged: the course ends. You may choose a course again.");
    ui_course_choice(1);
}

// The task screen: the course's tasks with the one at hand marked, and what it asks, until Esc. It owns
// the window while it is shown; the game screen comes back when it closes.
static void show_task(const Tehtava *recs, int n) {
    UiScreenHold hold;
    const int at = Plr.course_index;
    static char lines[COURSE_FILE_MAX][120];
    const char *shown[COURSE_FILE_MAX];
    for (int i = 0; i < n && i < COURSE_FILE_MAX; i++) {
        const char mark = i < at ? 'x' : i == at && Tehtavan_Vaihe == 1 ? 'X' : ' ';
        snprintf(lines[i], sizeof lines[i], "%c.%s", mark, recs[i].title);
        shown[i] = lines[i];
    }
    ui_course_tasks(shown, n < COURSE_FILE_MAX ? n : COURSE_FILE_MAX, at);
    tehtava = recs[at];
    Plr.task_number = tehtava.taskNumber;
    Tehtavan_Kuvaus(Tehtavan_Vaihe);
    Flip();
    for (int k = course_key(); k != 0 && k != KEY_ESC; k = course_key()) {
    }
}

void TehtavaNaytto() {
    if (Plr.course_index == NO_COURSE) {
        ui_course_choice(1);
        return;
    }
    static Tehtava recs[COURSE_FILE_MAX];
    const int n = course_read_file(recs, COURSE_FILE_MAX);
    if (n <= 0 || Plr.course_index < 0 || Plr.course_index >= n) {
        course_lost();
        return;
    }
    show_task(recs, n);
    if (Plr.course_index != NO_COURSE && Tehtavan_Vaihe == 1) {
        Plr.course_index++;
        Plr.task_number = 0;
        Tehtavan_Vaihe = -1;
        Note(":Live freely now and see the game-course information screen again when you are willing to take your next task.");
    }
}

// src/quests/courses.h -- the two game courses: the task record and the task file, the course's state
// between turns, the task screen and the reward at the end, and the check of a deed of the current task
// (which the rules below the quests ask through the world services, core/worldservices.h). The turn
// loop's duties are declared in core/tehtavat.h.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
    COURSE_TASKS = 49,             // tasks 1 to 49
    COURSE_LENGTH = 24,            // tasks in each course
    COURSE_FILE_MAX = 49,          // records of a task file that are read; the rest are left alone
    TASK_LINES = 4,
    TASK_LINE = 200,
    TASK_KEYHELP_WHOLE = 54,       // a longer key-help line is cut to 52 characters and ".."
    TASK_KEYHELP_CUT = 52,
};

// Events a task hands out when it is first shown or when its completion is shown.
enum {
    COURSE_EVENT_ROD = 10, COURSE_EVENT_PIKE = 11, COURSE_EVENT_AXE = 12, COURSE_EVENT_FARMING = 13,
    COURSE_EVENT_DONE = 14, COURSE_EVENT_RAIDERS = 15, COURSE_EVENT_TRADERS = 16, COURSE_EVENT_TRACKING = 17,
};

// The course starters: write the course's task file and set the player on its first task; 1 when the
// course was set, 0 when it could not be written (she stays in free play).
int Tee_Gamecourse_1();
int Tee_Gamecourse_2();

// A deed of task `task` was done: it counts toward the current task of the course.
void Tarkista_Suoritus(int task);

// Completed-course bits of the player record.
enum { COURSE1_DONE = 2, COURSE2_DONE = 4 };

struct Tehtava {                   // 2568 bytes, one record of "taskdata.oxa"
    int32_t startEvent;            // 0: handed out when the task is first shown; 0 none
    char    title[100];            // 4
    char    description[TASK_LINES][TASK_LINE];   // 104
    int32_t taskNumber;            // 904: 1 to 49
    int32_t count;                 // 908: always 1
    char    completion[TASK_LINES][TASK_LINE];    // 912
    char    picture[52];           // 1712: "" but for the first task
    int32_t endEvent;              // 1764: handed out when the completion is shown; 14 ends the course
    char    keyHelp[TASK_LINES][TASK_LINE];       // 1768
};
static_assert(sizeof(Tehtava) == 2568, "Tehtava is a file record");
static_assert(offsetof(Tehtava, title) == 4, "Tehtava layout");
static_assert(offsetof(Tehtava, description) == 104, "Tehtava layout");
static_assert(offsetof(Tehtava, taskNumber) == 904, "Tehtava layout");
static_assert(offsetof(Tehtava, count) == 908, "Tehtava layout");
static_assert(offsetof(Tehtava, completion) == 912, "Tehtava layout");
static_assert(offsetof(Tehtava, picture) == 1712, "Tehtava layout");
static_assert(offsetof(Tehtava, endEvent) == 1764, "Tehtava layout");
static_assert(offsetof(Tehtava, keyHelp) == 1768, "Tehtava layout");

extern Tehtava tehtava;            // the working record
extern const int course_order[2][COURSE_LENGTH];

// The course state that lives only while the game runs; every load starts it anew (course_reset).
extern int Tehtavan_Vaihe;         // -1 the task not shown yet, 0 it runs, 1 it is done
extern int Tehtavan_Suoritukset;   // reports counted for the current task
extern int Tehtava_Tapahtuma;      // the pending event: 0 none (a start event may come), -1 handled
extern int task_gap;               // turns towards showing the task screen by itself
void course_reset();

void Nollaa_Tehtava();
void Aseta_Tehtava(int n);         // the working record filled with task n (1 to 49)
int Kirjoita_Tehtavatiedostoon(int first);   // 1 when the file holds the record; first 1 starts it anew
void Tehtavan_Kuvaus(int phase);   // the current task on the left half of the task screen
void Tehtavat_Suoritettu();        // the course completed: its bit, and the reward chosen

// The task file's whole records, at most `max`, in file order: their count, -1 when it can't be read.
int course_read_file(Tehtava *out, int max);
// The task file written anew with the whole of course 0 or 1, her place in it left as it is; 1 written.
int course_write_file(int which);
void course_file_path(char *buf, size_t size);

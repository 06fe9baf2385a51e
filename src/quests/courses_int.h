// src/quests/courses_int.h -- the game courses' own tables, shared by their source files.
#pragma once
#include "quests/courses.h"

// The words of one task as the task file stores them; lines past the last are null.
struct CourseText {
    const char *title;
    const char *description[TASK_LINES];
    const char *completion[TASK_LINES];
};
extern const CourseText course_texts[COURSE_TASKS];   // task n at n - 1

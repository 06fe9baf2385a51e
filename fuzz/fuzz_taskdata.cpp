// The game course's task file "taskdata.oxa" of the character's folder, read by the task screen as the
// task key opens it. The course goes on only at a whole record of the file, whose task becomes the
// current one; any other place ends the course. A record's start event never completes the course.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common.h"
#include "core/records.h"
#include "quests/courses.h"
#include "core/tehtavat.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    oxafuzz::open_screen();
    mkdir((dir + "/AINO").c_str(), 0755);
    snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir.c_str());
    if (!oxafuzz::write_file(dir + "/AINO/taskdata.oxa", data, size)) abort();
    memset(&Plr, 0, sizeof Plr);
    course_reset();
    const int whole = (int)(size / sizeof(Tehtava)) < COURSE_FILE_MAX ? (int)(size / sizeof(Tehtava)) : COURSE_FILE_MAX;
    Plr.course_index = (int)(size % 7);   // at a whole record or past them
    Tehtavan_Vaihe = 0;
    oxafuzz::push_key(27);   // leaves the task screen, or the course choice when the course ended
    TehtavaNaytto();
    oxafuzz::flush_events();
    if (Plr.course_index != -1) {
        if (Plr.course_index < 0 || Plr.course_index >= whole) oxafuzz::fail("the course stands past the file's whole records");
        Tehtava rec;
        memcpy(&rec, data + (size_t)Plr.course_index * sizeof rec, sizeof rec);
        if (Plr.task_number != rec.taskNumber) oxafuzz::fail("the current task is not the record's");
    }
    if (Plr.courses_completed) oxafuzz::fail("a running task completed the course");
    course_reset();
    return 0;
}

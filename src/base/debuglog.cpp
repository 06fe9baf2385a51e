// The topic debug logs of the working folder.
#include "base/debuglog.h"

#include "base/ownlib.h"
#include "base/sbuf.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include <unistd.h>

int DEBUGLOG, DEBUG_INFO, QUEST_LOGGER;
void (*debuglog_clock)(int *day, int *hour, int *minute);

void debuglog(const char *topic_in, const char *text_in) {
    const char *topic = topic_in ? topic_in : "";
    const char *text = text_in ? text_in : "";
    if (!strchr(topic, '!') && !DEBUGLOG) return;
    if (strstr(topic, "vegetation") || strstr(topic, "setplant")) return;
    // A topic names a file of the working folder and never a path elsewhere.
    char safe[100];
    copy_bounded(safe, sizeof safe, topic);
    for (char *c = safe; *c; ++c)
        if (*c == '/' || *c == '\\') *c = '_';
    char path[160];
    bprintf(path, sizeof path, "debug_%s.txt", safe);
    if (!strcmp(text, "remove")) {
        remove(path);
        return;
    }
    time_t now = time(nullptr);
    struct tm local;
    struct tm *lt = localtime_r(&now, &local);
    int day = 0, hour = 0, minute = 0;
    if (debuglog_clock) debuglog_clock(&day, &hour, &minute);
    if (FILE *f = append_file(path)) {
        fprintf(f, "{%d:%d} Day/H:M %d/%d:%d %s\n", lt ? lt->tm_min : 0, lt ? lt->tm_sec : 0, day, hour, minute, text);
        fflush(f);
    }
    char stamp[64] = "";
    if (lt) {
        // The fixed 25-character form of asctime, line feed included.
        strftime(stamp, sizeof stamp, "%a %b %e %H:%M:%S %Y\n", lt);
    }
    // The last entry alone: the file is emptied before each line.
    if (FILE *f = append_file("debug_lastentry.txt")) {
        if (ftruncate(fileno(f), 0) == 0) {
            fprintf(f, "%s  %s\n", stamp, text);
            fflush(f);
        }
    }
    if (FILE *f = append_file("debug_all.txt")) {
        fprintf(f, "%s  %s\n", stamp, text);
        fflush(f);
    }
}

// The topic debug logs of the working folder.
#include "base/debuglog.h"

#include "base/ownlib.h"
#include "base/sbuf.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

int DEBUGLOG, DEBUG_INFO, QUEST_LOGGER;
void (*debuglog_clock)(int *day, int *hour, int *minute);

// "debug_lastentry.txt", kept open from one line to the next while its name leads to it.
static int last_fd = -1;
static dev_t last_dev;
static ino_t last_ino;

static void rewrite_last_entry(const char *stamp, const char *text) {
    static const char path[] = "debug_lastentry.txt";
    struct stat st;
    const bool there = stat(path, &st) == 0;
    if (last_fd >= 0 && !(there && st.st_dev == last_dev && st.st_ino == last_ino)) {
        close(last_fd);
        last_fd = -1;
    }
    if (last_fd < 0) {
        last_fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (last_fd < 0) return;
        if (fstat(last_fd, &st) != 0) {
            close(last_fd);
            last_fd = -1;
            return;
        }
        last_dev = st.st_dev;
        last_ino = st.st_ino;
    }
    iovec parts[4] = {{const_cast<char *>(stamp), strlen(stamp)}, {const_cast<char *>("  "), 2},
                      {const_cast<char *>(text), strlen(text)}, {const_cast<char *>("\n"), 1}};
    size_t len = 0;
    for (const iovec &p : parts) len += p.iov_len;
    if (pwritev(last_fd, parts, 4, 0) == (ssize_t)len && ftruncate(last_fd, (off_t)len) != 0) {
        // the old line's tail stays behind it: a debug file, read by a person
    }
}

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
    // The last entry alone: the line is written over the file's start and the file cut after it.
    // Emptied first, the file would free its block and take a new one at every line.
    rewrite_last_entry(stamp, text);
    if (FILE *f = append_file("debug_all.txt")) {
        fprintf(f, "%s  %s\n", stamp, text);
        fflush(f);
    }
}

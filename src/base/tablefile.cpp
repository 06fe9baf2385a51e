// The record table reader.
#include "base/tablefile.h"

#include <cstdio>
#include <cstring>
#include <vector>

// Reads the records of `f` one by one from where it stands into the rows from `r.got` on while the table
// has room, the rest only counted: each comes through a record of its own, so one cut short never
// reaches the table.
static void read_by_record(FILE *f, unsigned char *rows, size_t record, size_t count, TableRead &r) {
    std::vector<unsigned char> one(record);
    for (;;) {
        const size_t n = fread(one.data(), 1, record, f);
        if (n < record) {
            r.cut = n > 0;
            if (r.in_file >= count && n > 0) r.more = true;
            break;
        }
        if (r.in_file < count) {
            memcpy(rows + r.got * record, one.data(), record);
            r.got++;
        } else {
            r.more = true;
        }
        r.in_file++;
    }
}

TableRead read_record_table(const char *path, void *table, size_t record, size_t count, bool clear_rest) {
    TableRead r = {};
    if (record == 0) return r;
    FILE *f = fopen(path, "rb");
    if (!f) return r;
    r.opened = true;
    unsigned char *rows = static_cast<unsigned char *>(table);
    if (clear_rest) {
        // The rows past the last whole record are cleared anyway: the file goes into the table in one
        // read, and the part of a record cut short is cleared with them.
        const size_t n = fread(rows, 1, count * record, f);
        r.got = r.in_file = n / record;
        if (r.got < count) r.cut = n % record != 0;
        else read_by_record(f, rows, record, count, r);
    } else {
        read_by_record(f, rows, record, count, r);
    }
    fclose(f);
    if (clear_rest && r.got < count) memset(rows + r.got * record, 0, (count - r.got) * record);
    return r;
}

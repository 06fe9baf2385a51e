// The record table reader.
#include "base/tablefile.h"

#include <cstdio>
#include <cstring>
#include <vector>

TableRead read_record_table(const char *path, void *table, size_t record, size_t count, bool clear_rest) {
    TableRead r = {};
    if (record == 0) return r;
    FILE *f = fopen(path, "rb");
    if (!f) return r;
    r.opened = true;
    unsigned char *rows = static_cast<unsigned char *>(table);
    // Each record comes through a record of its own, so one cut short never reaches the table.
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
    fclose(f);
    if (clear_rest && r.got < count) memset(rows + r.got * record, 0, (count - r.got) * record);
    return r;
}

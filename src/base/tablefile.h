// src/base/tablefile.h -- reading a file of fixed-size records into a table: the player's objects,
// the creature templates, the world's pool, the markers and the item definitions are all stored so.
// Only whole records reach the table: a record cut short at the file's end never does, and a file
// longer than the table is read only as far as the table goes.
#pragma once
#include <cstddef>

struct TableRead {
    bool opened;      // the file could be opened for reading
    size_t got;       // whole records read into the table, at most its count
    size_t in_file;   // whole records the file holds, those past the table's end counted too
    bool cut;         // the file ends in part of a record
    bool more;        // the file holds bytes past the table's last record
};

// Reads the whole records of `path` into `table` (`count` records of `record` bytes), in order. With
// `clear_rest` the table's records past the last one read are cleared, else they stay as they were. A
// file that can't be opened leaves the table as it was.
TableRead read_record_table(const char *path, void *table, size_t record, size_t count, bool clear_rest);

// Opening the SQLite file of an ocilite database (private header): read-write when the file
// and its folder allow it, read-only otherwise, and never over a file that is cut short or
// waits for changes it cannot apply. A file it creates is its owner's alone (mode 0600), and
// so are the -wal and -shm files SQLite makes beside it.
#pragma once

#include <sqlite3.h>

#include <string>

namespace ocilite {

// Throws OraError: ORA-01578 for a file cut inside a block or shorter than its header says,
// ORA-01113 for a read-only folder holding changes not yet applied to the file (-wal),
// ORA-01034 for a file that cannot be opened or created; each with the path and the reason.
// In a read-only folder the file is opened read-only as it stands; writes then fail with
// ORA-16000.
sqlite3 *openDatabaseFile(const std::string &path, bool create);

// Creates a missing file with mode 0600 (an existing one is left alone); throws ORA-01034.
void createPrivateFile(const std::string &path);

} // namespace ocilite

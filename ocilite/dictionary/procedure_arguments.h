// The arguments of a stored procedure or function as odessp reports them (Oracle's
// DBMS_DESCRIBE rows): for each overload, a function's return value at position 0, then each
// argument with its datatype code, default, mode, size, precision, scale and radix; one row of
// datatype 0 for a procedure without arguments. Read from the unit's stored source.
#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

namespace ocilite {

struct ProcedureArgument {
    int overload = 0; // 0, or 1.. for each of a packaged name's subprograms
    int position = 0; // 0: a function's return value
    int level = 0;
    std::string name;
    int dataType = 0; // 1 VARCHAR2, 2 NUMBER, 3 BINARY_INTEGER, 12 DATE, 250 record ...
    bool hasDefault = false;
    int mode = 0; // 0 IN, 1 OUT, 2 IN OUT
    long size = 0;
    int precision = 0;
    int scale = 0;
    int radix = 0;
};

// `name` as a program writes it: [schema.]procedure, [schema.]package.procedure. Throws
// OraError: ORA-04043 for no such object, ORA-20000 for a package, ORA-20001 for a package
// without the procedure, ORA-20002 for a remote object, ORA-20003 for an invalid one.
std::vector<ProcedureArgument> describeProcedure(sqlite3 *db, const std::string &schema,
                                                 const std::string &name);

} // namespace ocilite

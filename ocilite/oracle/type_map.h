// Private to ocilite/oracle: how what Oracle's current interface reports becomes what the
// version-7 interface reports: the statement's SQL function code for ft, and a select-list
// column's internal type code, sizes, precision and scale for odescr.
#pragma once

#include "oci/ociv7.h"

#include <string>

namespace ocilite::oracle {

// A select-list column as OCI 8 describes it.
struct Oci8Column {
    std::string name;
    int dataType = 1; // SQLT_* code
    int dataSize = 0; // bytes
    int precision = 0;
    int scale = 0;
    bool nullable = true;
};

// The same column as version-7 odescr reports it.
struct Version7Column {
    sb4 dbsize = 0;
    sb2 dbtype = 1;
    sb4 dsize = 0;
    sb2 prec = 0;
    sb2 scale = 0;
    sb2 nullok = 1;
};

Version7Column version7Column(const Oci8Column &column);

// Version-7 SQL function code from OCI_ATTR_STMT_TYPE, for a statement not yet parsed by the
// server (0 when the type alone does not tell it, as for CREATE, DROP and ALTER).
int functionCodeOfStatementType(int statementType);

// Whether a statement of this type runs on the server when it is parsed (DDL).
bool runsWhenParsed(int statementType);
// Whether the type is one the server can parse without running it (queries, DML, PL/SQL).
bool parsesWithoutRunning(int statementType);

} // namespace ocilite::oracle

// The parsers of the DDL families (private header): each turns one statement into a plain
// description in a Translation (no database), which the catalog then carries out.
// create_drop.cpp dispatches CREATE and DROP by their leading words.
#pragma once

#include "ocilite/dialect/passes.h"

namespace ocilite {

// A kind of stored program unit: its OBJECT_TYPE and the function types of CREATE and DROP.
struct UnitKind {
    const char *type;
    int createCode;
    int dropCode;
};

// The unit kind named at i (PACKAGE BODY takes two tokens), i moved past it; or null.
const UnitKind *unitKind(const Tokens &tokens, size_t &i);

// CREATE [OR REPLACE] <unit kind> name ..., the kind's keyword at typeAt (program_units.cpp).
Translation translateCreateUnit(const std::string &sql, const Tokens &head, size_t typeAt,
                                const std::string &schema, bool orReplace);
// CREATE TABLE (create_table.cpp).
Translation translateCreateTable(const std::string &sql, const std::string &schema);

} // namespace ocilite

// CREATE SEQUENCE and ALTER SEQUENCE: START WITH, INCREMENT BY, MINVALUE / NOMINVALUE,
// MAXVALUE / NOMAXVALUE, CACHE n / NOCACHE, CYCLE / NOCYCLE, ORDER / NOORDER, RESTART, and
// the options kept nowhere (KEEP, SCALE, SESSION, GLOBAL, SHARING).
#include "ocilite/dialect/ddl/ddl.h"
#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

namespace ocilite::ddl {
namespace {

SequenceOptions sequenceOptions(DdlCursor &c, bool alter) {
    SequenceOptions o;
    while (!c.atEnd()) {
        if (!alter && c.acceptWords({"START", "WITH"}))
            o.start = c.integer(kOraInvalidNumber);
        else if (c.acceptWords({"INCREMENT", "BY"}))
            o.increment = c.integer(kOraInvalidNumber);
        else if (c.acceptWord("MINVALUE"))
            o.minValue = c.integer(kOraInvalidNumber);
        else if (c.acceptWord("NOMINVALUE"))
            o.noMinValue = true;
        else if (c.acceptWord("MAXVALUE"))
            o.maxValue = c.integer(kOraInvalidNumber);
        else if (c.acceptWord("NOMAXVALUE"))
            o.noMaxValue = true;
        else if (c.acceptWord("CACHE"))
            o.cache = c.integer(kOraInvalidNumber);
        else if (c.acceptWord("NOCACHE"))
            o.cache = 0;
        else if (c.atWord("CYCLE") || c.atWord("NOCYCLE")) {
            o.cycle = c.atWord("CYCLE");
            c.seek(c.position() + 1);
        } else if (c.atWord("ORDER") || c.atWord("NOORDER")) {
            o.order = c.atWord("ORDER");
            c.seek(c.position() + 1);
        } else if (alter && c.acceptWord("RESTART")) {
            o.restart = true;
            if (c.acceptWords({"START", "WITH"}))
                o.start = c.integer(kOraInvalidNumber);
        } else if (alter && c.atWords({"START", "WITH"}))
            throw OraError(kOraCannotAlterStart);
        else if (c.acceptWord("KEEP") || c.acceptWord("NOKEEP") || c.acceptWord("SCALE") ||
                 c.acceptWord("NOSCALE") || c.acceptWord("EXTEND") || c.acceptWord("NOEXTEND") ||
                 c.acceptWord("SESSION") || c.acceptWord("GLOBAL") || c.acceptWord("SHARD") ||
                 c.acceptWord("NOSHARD"))
            ;
        else if (c.acceptWord("SHARING")) {
            c.expectOp("=", kOraMissingEquals);
            c.name(kOraInvalidOption);
        } else
            throw OraError(kOraInvalidOption);
    }
    return o;
}

} // namespace

Statement createSequence(DdlCursor &c) {
    CreateSequence s;
    s.name = c.qualifiedName(kOraInvalidSql);
    s.options = sequenceOptions(c, false);
    return s;
}

Statement alterSequence(DdlCursor &c) {
    AlterSequence s;
    s.name = c.qualifiedName(kOraInvalidSql);
    s.options = sequenceOptions(c, true);
    if (!s.options.increment && !s.options.minValue && !s.options.maxValue &&
        !s.options.noMinValue && !s.options.noMaxValue && !s.options.cache && !s.options.cycle &&
        !s.options.order && !s.options.restart)
        throw OraError(kOraInvalidOption);
    return s;
}

} // namespace ocilite::ddl

#include "app/objectqueries.h"

#include "session/sql_text.h"

namespace {
const char kInvalidOnly[] = " AND STATUS = 'INVALID'";
}

QByteArray buildTypeQuery(bool invalidOnly) {
    QByteArray sql = "SELECT DISTINCT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_TYPE "
                     "IN('PACKAGE', 'PACKAGE BODY', 'PROCEDURE', 'FUNCTION')";
    if (invalidOnly)
        sql += kInvalidOnly;
    return sql;
}

QByteArray buildNameQuery(const QByteArray &objectType, bool invalidOnly,
                          const QByteArray &pattern) {
    QByteArray sql = "SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = '";
    sql += sqlQuoteDoubled(objectType);
    sql += '\'';
    if (invalidOnly)
        sql += kInvalidOnly;
    if (!pattern.isEmpty()) {
        sql += " AND OBJECT_NAME LIKE '";
        sql += sqlQuoteDoubled(pattern);
        sql += '\'';
    }
    return sql;
}

#pragma once
// Text that goes between single quotes in a statement the system builds (a name pattern, an
// object name or type, a table name) has its single quotes doubled, so that A'B is searched
// for as A'B instead of breaking the statement.

#include <QByteArray>

inline QByteArray sqlQuoteDoubled(const QByteArray &text) {
    QByteArray doubled = text;
    doubled.replace('\'', "''");
    return doubled;
}

#pragma once
// The two dictionary statements of the object browser: the object types on offer and the
// names of one type, narrowed to invalid objects and a LIKE pattern.

#include <QByteArray>

QByteArray buildTypeQuery(bool invalidOnly);
QByteArray buildNameQuery(const QByteArray &objectType, bool invalidOnly,
                          const QByteArray &pattern);

#include "cursor/tocidata.h"

#include <algorithm>
#include <cstring>

namespace {

// Oracle type codes whose describe carries a precision and a scale worth reporting.
bool isNumber(const describe &d) {
    return d.dbtype == OCIV7_TYPE_NUMBER;
}

// The name as the library left it: never more than the record's name capacity, even when the
// reported length says otherwise.
QByteArray rawName(const describe &d) {
    const auto *text = reinterpret_cast<const char *>(d.cbuf);
    return QByteArray(text, static_cast<qsizetype>(strnlen(text, OCIV7_NAME_CAPACITY)));
}

QByteArray trimTrailingControls(QByteArray text) {
    qsizetype end = text.size();
    while (end > 0 && static_cast<unsigned char>(text.at(end - 1)) <= ' ')
        --end;
    text.truncate(end);
    return text;
}

} // namespace

DataAttr::DataAttr(const describe &d)
    : Name(trimTrailingControls(rawName(d))), TypeName(typeNameOf(d.dbtype)),
      Length(isNumber(d) ? std::int32_t{d.prec} - std::int32_t{d.scale} : d.dbsize),
      Scale(isNumber(d) ? std::int32_t{d.scale} : 0),
      Width(std::max(static_cast<std::int32_t>(Name.size()), d.dbsize)), Size(d.dbsize) {}

QByteArray DataAttr::typeNameOf(int dbtype) {
    switch (dbtype) {
    case OCIV7_TYPE_VARCHAR2:
        return QByteArrayLiteral("VARCHAR2");
    case OCIV7_TYPE_NUMBER:
        return QByteArrayLiteral("NUMBER");
    case OCIV7_TYPE_CHAR:
        return QByteArrayLiteral("CHAR");
    case OCIV7_TYPE_DATE:
        return QByteArrayLiteral("DATE");
    case OCIV7_TYPE_ROWID:
        return QByteArrayLiteral("ROWID");
    default:
        return QByteArrayLiteral("Unknown");
    }
}

void TOCIData::Add(describe d) {
    List.push_back(std::make_unique<DataAttr>(d));
}

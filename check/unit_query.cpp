#include "check/unit_query.h"

#include "check/check_options.h"
#include "cursor/tocicur.h"
#include "report/message_text.h"
#include "session/sql_text.h"

#include <functional>
#include <map>
#include <utility>

namespace velmora::check {

namespace {

QByteArray quoted(const std::string &text) {
    return '\'' + sqlQuoteDoubled(QByteArray::fromStdString(text)) + '\'';
}

// " IN('A', 'B')" over the chosen types, or all four.
QByteArray typeList(const Filters &filters) {
    const std::vector<std::string> &types = filters.types.empty() ? unitTypes() : filters.types;
    QByteArray list = "IN(";
    for (std::size_t i = 0; i < types.size(); ++i)
        list += (i == 0 ? "" : ", ") + quoted(types[i]);
    return list + ')';
}

QByteArray nameCondition(const char *column, const Filters &filters) {
    if (filters.namePattern.empty())
        return {};
    return QByteArray(" AND ") + column + " LIKE " + quoted(filters.namePattern);
}

// Runs sql and hands each row to take; a failure leaves the database's text in error.
bool forEachRow(TOCIcur &cursor, const QByteArray &sql,
                const std::function<void(const QByteArrayList &)> &take, std::string &error) {
    cursor.SQL = sql;
    if (!cursor.Execute()) {
        error = cursor.ErrMsg.toStdString();
        return false;
    }
    // Fetch ends the same way at the last row and on a failure; only a failure leaves a text.
    cursor.ErrMsg.clear();
    while (cursor.Fetch())
        take(cursor.Row);
    if (!cursor.ErrMsg.isEmpty()) {
        error = cursor.ErrMsg.toStdString();
        return false;
    }
    return true;
}

report::Diagnostic diagnosticFrom(const QByteArrayList &row) {
    report::Diagnostic d;
    d.line = row[2].toInt();
    d.column = row[3].toInt();
    d.text = row[4].toStdString();
    // Oracle numbers its warnings PLW-; errors are PLS- and ORA-.
    if (report::errorCode(d.text).rfind("PLW-", 0) == 0)
        d.severity = report::Severity::Warning;
    return d;
}

} // namespace

QByteArray buildUnitQuery(const Filters &filters) {
    return "SELECT OBJECT_TYPE, OBJECT_NAME, STATUS FROM USER_OBJECTS WHERE OBJECT_TYPE " +
           typeList(filters) + nameCondition("OBJECT_NAME", filters) +
           " ORDER BY OBJECT_NAME, OBJECT_TYPE";
}

QByteArray buildErrorQuery(const Filters &filters) {
    return "SELECT TYPE, NAME, LINE, POSITION, TEXT FROM USER_ERRORS WHERE TYPE " +
           typeList(filters) + nameCondition("NAME", filters) + " ORDER BY NAME, TYPE, SEQUENCE";
}

bool collectUnits(TOCIcur &cursor, const Filters &filters, std::vector<report::Unit> &units,
                  std::string &error) {
    std::map<std::pair<std::string, std::string>, std::size_t> invalid;
    const auto takeUnit = [&](const QByteArrayList &row) {
        report::Unit unit;
        unit.type = row[0].toStdString();
        unit.name = row[1].toStdString();
        unit.invalid = row[2] == "INVALID";
        if (unit.invalid)
            invalid[{unit.type, unit.name}] = units.size();
        units.push_back(std::move(unit));
    };
    if (!forEachRow(cursor, buildUnitQuery(filters), takeUnit, error))
        return false;
    if (invalid.empty())
        return true;
    const auto takeError = [&](const QByteArrayList &row) {
        const auto unit = invalid.find({row[0].toStdString(), row[1].toStdString()});
        if (unit != invalid.end())
            units[unit->second].diagnostics.push_back(diagnosticFrom(row));
    };
    return forEachRow(cursor, buildErrorQuery(filters), takeError, error);
}

} // namespace velmora::check

#include "ocilite/dictionary/sql_expressions.h"

#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

constexpr const char *kAlias = "OCILITE$EXPRESSION";

// The emitted text between two markers of a translated statement.
std::string between(const std::string &sql, const std::string &from, const std::string &to) {
    const size_t start = sql.find(from);
    const size_t end = sql.rfind(to);
    if (start == std::string::npos || end == std::string::npos || end < start + from.size())
        throw OraError(kOraMissingExpression);
    return sql.substr(start + from.size(), end - start - from.size());
}

} // namespace

std::string sqliteExpression(const std::string &oracle, const std::string &schema,
                             const NameResolver &resolver) {
    const Translation tr =
        translate("SELECT (" + oracle + ") " + kAlias + " FROM DUAL", schema, resolver);
    if (!tr.binds.empty())
        throw OraError(kOraIllegalVariable);
    return between(tr.sql, "SELECT ", std::string(" ") + kAlias + " FROM");
}

std::string sqliteCondition(const std::string &oracle, const std::string &schema,
                            const NameResolver &resolver) {
    const Translation tr = translate(
        "SELECT 1 " + std::string(kAlias) + " FROM DUAL WHERE (" + oracle + ")", schema, resolver);
    if (!tr.binds.empty())
        throw OraError(kOraIllegalVariable);
    const size_t where = tr.sql.find(" WHERE ");
    if (where == std::string::npos)
        throw OraError(kOraMissingExpression);
    return tr.sql.substr(where + 7);
}

} // namespace ocilite

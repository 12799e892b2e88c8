// TOCIctrl's column type lookup through user_tab_columns.

#include "session/component_texts.h"
#include "session/sql_text.h"
#include "session/toci.h"

#include <array>
#include <cstring>

namespace {

using velmora::session::componentText;
using velmora::session::ComponentText;

// Room for the longest identifier and type name the dictionary holds (128 bytes since
// Oracle 12.2) and the terminator; a value cut short would end the fetch loop early.
constexpr int kNameBufferSize = 129;
using NameBuffer = std::array<char, kNameBufferSize>;

// Upper-cases ASCII letters only: other bytes may be parts of multi-byte characters.
QByteArray upperAscii(QByteArray text) {
    for (char &ch : text) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return text;
}

QByteArray fetched(const NameBuffer &buffer) {
    return QByteArray(buffer.data(), static_cast<int>(strnlen(buffer.data(), buffer.size())));
}

} // namespace

bool TOCIctrl::ChkColType(const QByteArray &table, const QByteArrayList &columns,
                          QByteArrayList &types, cda_def *cur) {
    if (columns.size() != types.size()) {
        ErrMsg = componentText(ComponentText::ColumnCountMismatch);
        return false;
    }
    // The lookup calls the library directly, so it must not run without a logon (the
    // library may not even be loaded).
    if (!m_libActive || !m_connected) {
        ErrMsg = componentText(ComponentText::NotConnected);
        return false;
    }
    if (cur == nullptr) {
        ErrMsg = componentText(ComponentText::NoCursor);
        return false;
    }
    return lookUpColumnTypes(table, columns, types, cur);
}

bool TOCIctrl::lookUpColumnTypes(const QByteArray &table, const QByteArrayList &columns,
                                 QByteArrayList &types, cda_def *cur) {
    const QByteArray sql =
        "SELECT COLUMN_NAME, DATA_TYPE from user_tab_columns WHERE TABLE_NAME = '" +
        sqlQuoteDoubled(upperAscii(table)) + "'";
    if (m_entry.oparse(cur, reinterpret_cast<OraText *>(const_cast<char *>(sql.constData())), -1, 0,
                       1) != 0) {
        err_report(cur);
        return false;
    }
    NameBuffer name{};
    NameBuffer type{};
    bool result = true;
    for (auto [pos, buffer] : {std::pair{1, &name}, std::pair{2, &type}}) {
        if (m_entry.odefin(cur, pos, reinterpret_cast<ub1 *>(buffer->data()), kNameBufferSize,
                           OCIV7_EXT_STR, -1, nullptr, nullptr, -1, -1, nullptr, nullptr) != 0) {
            err_report(cur);
            result = false;
        }
    }
    if (result && m_entry.oexec(cur) != 0) {
        err_report(cur);
        result = false;
    }
    if (!result)
        return false;
    // Any nonzero fetch ends the walk; the rows seen so far stay applied.
    while (m_entry.ofetch(cur) == 0) {
        const QByteArray column = fetched(name);
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (upperAscii(columns[i]) == column) {
                types[i] = fetched(type);
                break;
            }
        }
    }
    return true;
}

bool TOCIctrl::ExtractColumn(const QByteArrayList &) const {
    return true;
}

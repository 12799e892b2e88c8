// What a stored value is in each external family (private to the engine): its text as Oracle
// shows it, its raw bytes, its exact number, its 7-byte date, its binary row address; and a
// number in the binary form of a numeric external type. Each throws Oracle's error when the
// value cannot take the form (ORA-00932 across families, ORA-01722, ORA-01465, ORA-01410 ...).
#pragma once

#include "ocilite/dialect/types.h"
#include "ocilite/engine/oracle_number.h"

#include <sqlite3.h>

#include <string>

namespace ocilite {

// Numbers in Oracle's text form, dates in the session's date format (DD-MON-RR when empty), raw
// bytes as hexadecimal digits, CHAR(n) values blank-padded to n.
std::string textForm(sqlite3_value *value, const OraType &column, const std::string &dateFormat);
// Raw bytes as stored, or the bytes hexadecimal text stands for (HEXTORAW).
std::string rawBytes(sqlite3_value *value, const OraType &column);
// A number, or the number a text holds.
Decimal valueDecimal(sqlite3_value *value, const OraType &column);

// The bytes of a numeric external type (2, 3, 4, 6, 7, 68, 91) for a variable of `length`
// bytes; ORA-01455 / ORA-01457 when the number does not fit an integer or decimal form.
std::string numberForm(const Decimal &d, int externalType, int scale, long length);

// Oracle's 7-byte date: century+100, year+100, month, day, hour+1, minute+1, second+1.
struct DateForm {
    unsigned char bytes[7] = {};
};
// A text is read in the session's date format.
DateForm dateForm(sqlite3_value *value, const OraType &column, const std::string &dateFormat);

// A row address as the ROWID external type holds it: the block (4 bytes), the row in the
// block (2) and the file (2), in the machine's byte order.
struct RowidForm {
    unsigned char bytes[8] = {};
};
RowidForm rowidForm(sqlite3_value *value, const OraType &column);
// The row address's text, "BBBBBBBB.RRRR.FFFF".
std::string rowidText(const unsigned char *bytes);

// "0A0B" -> {0x0A, 0x0B}; an odd count of digits reads as if led by a zero; ORA-01465 for a
// character that is no hexadecimal digit.
std::string hexToBytes(std::string_view hex);
std::string bytesToHex(std::string_view bytes);

} // namespace ocilite

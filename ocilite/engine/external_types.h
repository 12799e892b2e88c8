// The external types a version-7 program defines and binds its variables with (private to
// the engine): one table giving each code's family (what a value becomes: text, a number, a
// date, raw bytes or a row address), its layout in the program's memory (a length prefix, a
// terminator, blank padding) and the sizes its variable may have.
#pragma once

#include <optional>

namespace ocilite {

enum class ExternalFamily { Text, Number, Date, Raw, Rowid };

// How a value sits in the program's variable.
enum class ExternalLayout {
    Plain,      // the bytes alone; the length is the variable's or the returned length
    Terminated, // a zero byte ends the characters (STRING)
    Padded,     // blanks fill the variable (CHAR)
    PaddedZero, // blanks fill the variable but its last byte, which is zero (CHARZ)
    Prefix2,    // a 2-byte length, then the characters or bytes (VARCHAR, VARRAW)
    Prefix4,    // a 4-byte length, then the characters or bytes (LONG VARCHAR, LONG VARRAW)
    Binary,     // a fixed binary form: integer, float, date, internal number, row address
    Decimal     // packed decimal or display digits, with the variable's scale
};

struct ExternalType {
    int code = 0;
    ExternalFamily family = ExternalFamily::Text;
    ExternalLayout layout = ExternalLayout::Plain;
    // Bytes before the data (length prefixes) and after it (a terminator).
    int prefix() const;
    bool terminated() const;
    // Whether a variable of this many bytes can hold a value of the type; Oracle refuses the
    // others because they would read or write past the variable.
    bool fitsLength(long length) const;
};

// The type of a code, or nothing for a code the interface does not define.
std::optional<ExternalType> externalType(int code);

// ORA-00932 for a code the interface does not define.
ExternalType knownExternalType(int code);
// The same, and ORA-01460 for a variable of a length the type cannot have.
ExternalType checkedExternalType(int code, long length, bool define);

} // namespace ocilite

#pragma once
// Reading a query to its end through the cursor, as the windows do: every row handed on, a
// fetch that fails part-way told apart from the end of the rows, and the text to show when
// a statement is refused.

#include <QByteArray>

#include <functional>

class TOCIcur;
class TOCIctrl;

namespace velmora::cursor {

// Fetches the executed statement's rows, calling `take` after each (with the row in
// cursor.Row) until the rows end or `take` returns false. Returns false when a fetch failed
// before the end of the rows: cursor.ErrMsg then holds the database's text. Otherwise
// cursor.ErrMsg keeps what it held before, so an earlier failure is never taken for this one.
bool readRows(TOCIcur &cursor, const std::function<bool()> &take);

// The text to show for a statement the cursor could not run. A failure the library reported
// left the same text in the session and the cursor; a refusal that never reached the library
// (no logon, say) left it in the cursor only, while the session may still hold the text of an
// earlier failure (a refused logon). So the cursor's text, and the session's where the cursor
// holds none.
QByteArray refusalText(const TOCIcur &cursor, const TOCIctrl *session);

} // namespace velmora::cursor

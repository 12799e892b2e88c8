#include "cursor/read_rows.h"

#include "cursor/tocicur.h"
#include "session/toci.h"

namespace velmora::cursor {

bool readRows(TOCIcur &cursor, const std::function<bool()> &take) {
    const QByteArray earlierError = cursor.ErrMsg;
    cursor.ErrMsg.clear();
    while (cursor.Fetch()) {
        if (!take())
            break;
    }
    const bool complete = cursor.ErrMsg.isEmpty();
    if (complete)
        cursor.ErrMsg = earlierError;
    return complete;
}

QByteArray refusalText(const TOCIcur &cursor, const TOCIctrl *session) {
    if (!cursor.ErrMsg.trimmed().isEmpty() || !session)
        return cursor.ErrMsg;
    return session->ErrMsg;
}

} // namespace velmora::cursor

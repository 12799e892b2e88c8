#include "failure.h"

#include <cstdio>

namespace ocilite::oracle {

std::string composedText(int code) {
    const char *message = nullptr;
    switch (code) {
    case kOraInternal:
        message = "internal error code, arguments: [ocilite-oracle]";
        break;
    case kOraInvalidCursor:
        message = "invalid cursor";
        break;
    case kOraNoStatementParsed:
        message = "no statement parsed";
        break;
    case kOraNotInSelectList:
        message = "variable not in select list";
        break;
    case kOraNotLoggedOn:
        message = "not logged on";
        break;
    case kOraIllegalVariable:
        message = "illegal variable name/number";
        break;
    case kOraNoDataFound:
        message = "no data found";
        break;
    case kOraNullFetched:
        message = "fetched column value is NULL";
        break;
    case kOraTruncated:
        message = "fetched column value was truncated";
        break;
    case kOraUnimplemented:
        message = "unimplemented feature";
        break;
    case kOraNotConnected:
        message = "not connected to ORACLE";
        break;
    case kOraOutOfMemory:
        message = "out of process memory";
        break;
    default:
        break;
    }
    char text[160];
    if (message)
        std::snprintf(text, sizeof text, "ORA-%05d: %s", code, message);
    else
        std::snprintf(text, sizeof text,
                      "ORA-%05d: Message %d not found;  product=RDBMS; facility=ORA", code, code);
    return text;
}

} // namespace ocilite::oracle

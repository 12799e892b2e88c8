// Version-7 describe values from OCI 8 ones. Oracle's internal type codes for the types
// version 7 knew pass through; types that came later are reported as the nearest type a
// version-7 program can fetch as text, with a size its text form fits in.
#include "type_map.h"

#include "oci8.h"

#include <algorithm>

namespace ocilite::oracle {
namespace {

// Text of a TIMESTAMP WITH TIME ZONE or an INTERVAL with nine fractional digits and a long
// region name stays well inside this.
constexpr int kDatetimeTextSize = 75;
constexpr int kNumberSize = 22;
constexpr int kRowidTextSize = 18;

// Display size as version 7 reports it: what the value needs as text.
sb4 displaySize(const Version7Column &c) {
    switch (c.dbtype) {
    case OCIV7_TYPE_NUMBER:
        if (c.prec > 0)
            return c.prec + (c.scale > 0 ? 1 : 0) + 1;
        return 40;
    case OCIV7_TYPE_DATE:
        return 9;
    case OCIV7_TYPE_ROWID:
        return std::max<sb4>(c.dbsize, kRowidTextSize);
    case OCIV7_TYPE_RAW:
    case OCIV7_TYPE_LONG_RAW:
        return c.dbsize * 2;
    default:
        return c.dbsize;
    }
}

} // namespace

Version7Column version7Column(const Oci8Column &column) {
    Version7Column c;
    c.dbsize = column.dataSize;
    c.prec = static_cast<sb2>(column.precision);
    c.scale = static_cast<sb2>(column.scale);
    c.nullok = column.nullable ? 1 : 0;
    switch (column.dataType) {
    case oci::kSqltChr:
    case oci::kSqltNum:
    case oci::kSqltLng:
    case oci::kSqltDat:
    case oci::kSqltBin:
    case oci::kSqltLbi:
    case oci::kSqltAfc:
    case oci::kSqltClob:
    case oci::kSqltBlob:
        c.dbtype = static_cast<sb2>(column.dataType);
        break;
    case oci::kSqltRid:
    case oci::kSqltRdd:
        c.dbtype = OCIV7_TYPE_ROWID;
        c.dbsize = std::max(column.dataSize, kRowidTextSize);
        break;
    case oci::kSqltIbfloat:
    case oci::kSqltIbdouble:
    case oci::kSqltBfloat:
    case oci::kSqltBdouble:
        c.dbtype = OCIV7_TYPE_NUMBER;
        c.dbsize = kNumberSize;
        c.prec = 0;
        c.scale = 0;
        break;
    case oci::kSqltTimestamp:
    case oci::kSqltTimestampTz:
    case oci::kSqltTimestampLtz:
    case oci::kSqltIntervalYm:
    case oci::kSqltIntervalDs:
        c.dbtype = OCIV7_TYPE_VARCHAR2;
        c.dbsize = kDatetimeTextSize;
        c.prec = 0;
        c.scale = 0;
        break;
    default:
        // Anything newer (JSON, BOOLEAN, VECTOR, object types) is offered as text.
        c.dbtype = OCIV7_TYPE_VARCHAR2;
        c.dbsize = column.dataSize > 0 ? column.dataSize : 4000;
        c.prec = 0;
        c.scale = 0;
        break;
    }
    c.dsize = displaySize(c);
    return c;
}

int functionCodeOfStatementType(int statementType) {
    switch (statementType) {
    case oci::kStmtSelect:
        return OCIV7_FT_SELECT;
    case oci::kStmtInsert:
        return OCIV7_FT_INSERT;
    case oci::kStmtUpdate:
        return OCIV7_FT_UPDATE;
    case oci::kStmtDelete:
        return OCIV7_FT_DELETE;
    default:
        return 0;
    }
}

bool runsWhenParsed(int statementType) {
    return statementType == oci::kStmtCreate || statementType == oci::kStmtDrop ||
           statementType == oci::kStmtAlter;
}

bool parsesWithoutRunning(int statementType) {
    switch (statementType) {
    case oci::kStmtSelect:
    case oci::kStmtInsert:
    case oci::kStmtUpdate:
    case oci::kStmtDelete:
    case oci::kStmtMerge:
    case oci::kStmtBegin:
    case oci::kStmtDeclare:
    case oci::kStmtCall:
        return true;
    default:
        return false;
    }
}

} // namespace ocilite::oracle

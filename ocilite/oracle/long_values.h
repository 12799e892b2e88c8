// Private to ocilite/oracle: a LONG or LONG RAW value the bridge fetched whole, put into a
// program's buffer as the version-7 external types lay text and bytes out (cut to the
// buffer, terminated, blank-padded or length-prefixed), and read in parts for oflng. A LONG
// RAW goes to a text type as hexadecimal digits; a LONG goes to a raw type byte for byte.
#pragma once

#include "oci/ociv7.h"

#include <string>

namespace ocilite::oracle {

// What the program's indicator, returned length and column return code receive.
struct LongDelivered {
    sb2 indicator = 0;
    ub2 length = 0;
    ub2 code = 0;
};

// Throws BridgeError ORA-00932 for an external type that is neither text nor raw.
LongDelivered deliverLong(const std::string &value, bool raw, sword type, ub1 *buffer,
                          sword length);
// The value as the external type's family has it (hex digits for LONG RAW as text).
std::string longInFamily(const std::string &value, bool raw, sword type);

} // namespace ocilite::oracle

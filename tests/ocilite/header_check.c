/* A plain C caller of the version-7 interface: the header must compile as C and the
 * entry points must be callable exactly as a C program of the period calls them. */
#include "oci/ociv7.h"

#include <string.h>

int ocilite_header_check(const char *connect) {
    Lda_Def lda;
    Cda_Def cda;
    ub1 hda[OCIV7_HDA_SIZE];
    char name[32];
    sb2 indicator = 0;
    ub2 length = 0;
    int failures = 0;
    memset(&lda, 0, sizeof lda);
    memset(&cda, 0, sizeof cda);
    memset(hda, 0, sizeof hda);
    if (olog(&lda, hda, (OraText *)"DEV", -1, (OraText *)"pw", -1, (OraText *)connect, -1, 0))
        return 1;
    if (oopen(&cda, &lda, (OraText *)0, -1, -1, (OraText *)0, -1))
        failures |= 2;
    if (oparse(&cda, (OraText *)"select 'C caller' from dual", -1, 0, 2))
        failures |= 4;
    if (odefin(&cda, 1, (ub1 *)name, sizeof name, OCIV7_EXT_STR, -1, &indicator, (OraText *)0, -1,
               -1, &length, (ub2 *)0))
        failures |= 8;
    if (oexec(&cda) || ofetch(&cda) || strcmp(name, "C caller") != 0 || length != 8)
        failures |= 16;
    if (ofetch(&cda) == 0 || cda.rc != OCIV7_RC_NO_DATA_FOUND)
        failures |= 32;
    oclose(&cda);
    ologof(&lda);
    return failures;
}

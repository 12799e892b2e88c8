// The embedded side's odessp: the arguments of a stored procedure or function, read from the
// unit's stored source, given the logon area as Oracle's call takes it. Each row goes into
// element k of the program's arrays; argument names are copied into the buffers argnam
// points at (an identifier's 30 bytes at most, not terminated; arnlen says how many).
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

#include "ocilite/dictionary/procedure_arguments.h"

#include <algorithm>
#include <cstring>

namespace ocilite::embedded {
namespace {

struct Arrays {
    ub2 *ovrld, *pos, *level;
    OraText **argnam;
    ub2 *arnlen, *dtype;
    ub1 *defsup, *mode;
    ub4 *dtsiz;
    sb2 *prec, *scale;
    ub1 *radix;
    ub4 *spare;
};

template <typename T, typename V> void put(T *array, size_t k, V value) {
    if (array)
        array[k] = static_cast<T>(value);
}

void putRow(const Arrays &a, size_t k, const ProcedureArgument &r) {
    put(a.ovrld, k, r.overload);
    put(a.pos, k, r.position);
    put(a.level, k, r.level);
    const size_t n = std::min<size_t>(r.name.size(), 30);
    if (a.argnam && a.argnam[k] && n)
        std::memcpy(a.argnam[k], r.name.data(), n);
    put(a.arnlen, k, n);
    put(a.dtype, k, r.dataType);
    put(a.defsup, k, r.hasDefault ? 1 : 0);
    put(a.mode, k, r.mode);
    put(a.dtsiz, k, r.size);
    put(a.prec, k, r.precision);
    put(a.scale, k, r.scale);
    put(a.radix, k, r.radix);
    put(a.spare, k, 0);
}

} // namespace

sword odessp(Cda_Def *lda, OraText *objnam, size_t onlen, ub1 *rsv1, size_t rsv1ln, ub1 *rsv2,
             size_t rsv2ln, ub2 *ovrld, ub2 *pos, ub2 *level, OraText **argnam, ub2 *arnlen,
             ub2 *dtype, ub1 *defsup, ub1 *mode, ub4 *dtsiz, sb2 *prec, sb2 *scale, ub1 *radix,
             ub4 *spare, ub4 *arrsiz) {
    (void)rsv1, (void)rsv1ln, (void)rsv2, (void)rsv2ln; // reserved
    const Arrays arrays{ovrld, pos,   level, argnam, arnlen, dtype, defsup,
                        mode,  dtsiz, prec,  scale,  radix,  spare};
    return logonCall(lda, [&](Logon &logon) {
        if (!objnam || !arrsiz)
            throw OraError(kOraMissingParameter);
        const std::string name(reinterpret_cast<const char *>(objnam),
                               strnlen(reinterpret_cast<const char *>(objnam), onlen));
        const std::vector<ProcedureArgument> rows =
            describeProcedure(logon.db->handle(), logon.db->currentSchema(), name);
        const size_t room = *arrsiz;
        for (size_t k = 0; k < rows.size() && k < room; ++k)
            putRow(arrays, k, rows[k]);
        *arrsiz = static_cast<ub4>(std::min(rows.size(), room));
        // The arrays hold fewer rows than the procedure has: Oracle's error for a PL/SQL
        // table bigger than the host array.
        return rows.size() > room ? static_cast<int>(kOraHostArrayTooSmall) : 0;
    });
}

} // namespace ocilite::embedded

// odessp on the Oracle side: the arguments of a stored procedure or function, read with
// OCIDescribeAny on the name (one round trip; the rest is read from the client's copy). A
// procedure or function is described by its argument list: a function's return value first
// (position 0), then each argument, a record's fields after it one level down; a procedure
// without arguments gives one row of datatype 0. A name "package.procedure" that does not
// name an object is looked up among the package's subprograms, one set of rows per overload.
// A synonym, private or public, is followed to what it names. A package alone, or a package
// without the procedure, is refused as DBMS_DESCRIBE refuses it.
#include "oracle_side.h"

#include "areas.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace ocilite::oracle {
namespace {

constexpr size_t kNameCapacity = 30; // each argnam buffer holds an identifier
constexpr int kSynonymHops = 8;      // a longer chain of synonyms names nothing

struct ArgumentRow {
    ub2 overload = 0, position = 0, level = 0;
    std::string name;
    ub2 dataType = 0;
    ub1 hasDefault = 0, mode = 0, radix = 0;
    ub4 size = 0;
    sb2 precision = 0, scale = 0;
};

// A name's last part as SQL reads it: in capitals unless quoted.
std::string lastPart(const std::string &name, std::string &rest) {
    size_t dot = std::string::npos;
    bool quoted = false;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '"')
            quoted = !quoted;
        else if (name[i] == '.' && !quoted)
            dot = i;
    }
    rest = dot == std::string::npos ? "" : name.substr(0, dot);
    std::string part = dot == std::string::npos ? name : name.substr(dot + 1);
    if (part.size() >= 2 && part.front() == '"' && part.back() == '"')
        return part.substr(1, part.size() - 2);
    for (char &ch : part)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return part;
}

BridgeError notFound(const std::string &name) {
    return BridgeError(kOraObjectNotFound, "ORA-04043: object " + name + " does not exist");
}

class Describer {
public:
    explicit Describer(Connection &c) : m_conn(c) {
        if (c.oci().handleAlloc(c.env(), reinterpret_cast<void **>(&m_dsc), oci::kHtypeDescribe, 0,
                                nullptr) != oci::kSuccess ||
            !m_dsc)
            throw BridgeError(kOraOutOfMemory);
        sb4 lookUpPublic = 1; // a name not in the schema may be a public synonym
        c.oci().attrSet(m_dsc, oci::kHtypeDescribe, &lookUpPublic, sizeof lookUpPublic,
                        oci::kAttrDescPublic, c.err());
    }
    ~Describer() { m_conn.oci().handleFree(m_dsc, oci::kHtypeDescribe); }
    Describer(const Describer &) = delete;
    Describer &operator=(const Describer &) = delete;

    std::vector<ArgumentRow> rowsOf(const std::string &name, int hops = 0);

private:
    template <typename T> T get(void *param, ub4 attr) {
        T value{};
        m_conn.check(
            m_conn.oci().attrGet(param, oci::kDtypeParam, &value, nullptr, attr, m_conn.err()));
        return value;
    }
    std::string textOf(void *param, ub4 attr);
    void *describe(const std::string &name);
    std::string synonymTarget(void *synonym);
    void subprogramRows(void *param, bool function, ub2 overload, std::vector<ArgumentRow> &rows);
    void argumentRows(void *list, ub4 first, ub2 overload, std::vector<ArgumentRow> &rows);
    void packageRows(void *package, const std::string &packageName, const std::string &wanted,
                     std::vector<ArgumentRow> &rows);

    Connection &m_conn;
    oci::OCIDescribe *m_dsc = nullptr;
};

std::string Describer::textOf(void *param, ub4 attr) {
    OraText *text = nullptr;
    ub4 length = 0;
    m_conn.check(m_conn.oci().attrGet(param, oci::kDtypeParam, &text, &length, attr, m_conn.err()));
    return text ? std::string(reinterpret_cast<const char *>(text), length) : std::string();
}

// What a synonym names: "schema"."object"[@link].
std::string Describer::synonymTarget(void *synonym) {
    const std::string link = textOf(synonym, oci::kAttrLink);
    return "\"" + textOf(synonym, oci::kAttrSchemaName) + "\".\"" +
           textOf(synonym, oci::kAttrName) + "\"" + (link.empty() ? "" : "@" + link);
}

// The object's parameter, or null when no object has that name (ORA-04043).
void *Describer::describe(const std::string &name) {
    const OciFunctions &oci = m_conn.oci();
    std::string object = name;
    const sword status =
        oci.describeAny(m_conn.svc(), m_conn.err(), object.data(), static_cast<ub4>(object.size()),
                        oci::kOtypeName, oci::kDefault, oci::kPtypeUnknown, m_dsc);
    if (status != oci::kSuccess && status != oci::kSuccessWithInfo) {
        const BridgeError e = m_conn.lastError(status);
        if (e.code() == kOraObjectNotFound)
            return nullptr;
        throw e;
    }
    void *param = nullptr;
    m_conn.check(
        oci.attrGet(m_dsc, oci::kHtypeDescribe, &param, nullptr, oci::kAttrParam, m_conn.err()));
    return param;
}

void Describer::argumentRows(void *list, ub4 first, ub2 overload, std::vector<ArgumentRow> &rows) {
    const ub2 count = get<ub2>(list, oci::kAttrNumParams);
    for (ub4 pos = first; pos < first + count; ++pos) {
        void *arg = nullptr;
        m_conn.check(m_conn.oci().paramGet(list, oci::kDtypeParam, m_conn.err(), &arg, pos));
        ArgumentRow r;
        r.overload = overload;
        r.position = get<ub2>(arg, oci::kAttrPosition);
        r.level = get<ub2>(arg, oci::kAttrLevel);
        r.name = textOf(arg, oci::kAttrName);
        r.dataType = get<ub2>(arg, oci::kAttrDataType);
        r.hasDefault = get<ub1>(arg, oci::kAttrHasDefault);
        r.mode = static_cast<ub1>(get<ub4>(arg, oci::kAttrIoMode));
        r.radix = get<ub1>(arg, oci::kAttrRadix);
        r.size = get<ub2>(arg, oci::kAttrDataSize);
        r.precision = get<ub1>(arg, oci::kAttrPrecision); // ub1 in an explicit describe
        r.scale = get<sb1>(arg, oci::kAttrScale);
        rows.push_back(r);
        // A record's fields, one level down; a scalar has no list.
        void *fields = nullptr;
        if (m_conn.oci().attrGet(arg, oci::kDtypeParam, &fields, nullptr, oci::kAttrListArguments,
                                 m_conn.err()) == oci::kSuccess &&
            fields)
            argumentRows(fields, 1, overload, rows);
    }
}

void Describer::subprogramRows(void *param, bool function, ub2 overload,
                               std::vector<ArgumentRow> &rows) {
    const size_t before = rows.size();
    argumentRows(get<void *>(param, oci::kAttrListArguments), function ? 0 : 1, overload, rows);
    if (rows.size() == before) { // no arguments: one row of type 0
        ArgumentRow none;
        none.overload = overload;
        none.position = 1;
        rows.push_back(none);
    }
}

void Describer::packageRows(void *package, const std::string &packageName,
                            const std::string &wanted, std::vector<ArgumentRow> &rows) {
    void *list = get<void *>(package, oci::kAttrListSubprograms);
    const ub2 count = get<ub2>(list, oci::kAttrNumParams);
    for (ub4 pos = 0; pos < count; ++pos) {
        void *sub = nullptr;
        m_conn.check(m_conn.oci().paramGet(list, oci::kDtypeParam, m_conn.err(), &sub, pos));
        if (textOf(sub, oci::kAttrName) != wanted)
            continue;
        const bool function = get<ub1>(sub, oci::kAttrPtype) == oci::kPtypeFunction;
        subprogramRows(sub, function, get<ub2>(sub, oci::kAttrOverloadId), rows);
    }
    if (rows.empty())
        throw BridgeError(20001, "ORA-20001: ORU-10032: procedure '" + wanted +
                                     "' within package '" + packageName + "' does not exist");
}

std::vector<ArgumentRow> Describer::rowsOf(const std::string &name, int hops) {
    std::vector<ArgumentRow> rows;
    if (void *param = describe(name)) {
        const ub1 type = get<ub1>(param, oci::kAttrPtype);
        if (type == oci::kPtypeSynonym && hops < kSynonymHops)
            return rowsOf(synonymTarget(param), hops + 1);
        if (type == oci::kPtypePackage)
            throw BridgeError(20000, "ORA-20000: ORU-10035: cannot describe a package ('" + name +
                                         "') only a procedure within a package");
        if (type != oci::kPtypeProcedure && type != oci::kPtypeFunction)
            throw notFound(name);
        subprogramRows(param, type == oci::kPtypeFunction, 0, rows);
        return rows;
    }
    std::string packageName;
    const std::string wanted = lastPart(name, packageName);
    void *package = packageName.empty() ? nullptr : describe(packageName);
    if (!package || get<ub1>(package, oci::kAttrPtype) != oci::kPtypePackage)
        throw notFound(name);
    packageRows(package, packageName, wanted, rows);
    return rows;
}

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

void putRow(const Arrays &a, size_t k, const ArgumentRow &r) {
    put(a.ovrld, k, r.overload);
    put(a.pos, k, r.position);
    put(a.level, k, r.level);
    const size_t n = std::min(r.name.size(), kNameCapacity);
    if (a.argnam && a.argnam[k] && n)
        std::memcpy(a.argnam[k], r.name.data(), n);
    put(a.arnlen, k, n);
    put(a.dtype, k, r.dataType);
    put(a.defsup, k, r.hasDefault);
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
            throw BridgeError(kOraMissingParameter);
        const std::string name(reinterpret_cast<const char *>(objnam),
                               strnlen(reinterpret_cast<const char *>(objnam), onlen));
        const std::vector<ArgumentRow> rows = Describer(*logon.connection).rowsOf(name);
        const size_t room = *arrsiz;
        for (size_t k = 0; k < rows.size() && k < room; ++k)
            putRow(arrays, k, rows[k]);
        *arrsiz = static_cast<ub4>(std::min(rows.size(), room));
        // Arrays shorter than the rows: Oracle's error for a PL/SQL table bigger than the
        // host array.
        return rows.size() > room ? static_cast<int>(kOraHostArrayTooSmall) : 0;
    });
}

} // namespace ocilite::oracle

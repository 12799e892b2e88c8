#pragma once
// Column attributes of the last described query: one DataAttr per select-list column,
// owned by TOCIData.

#include "oci/ociv7.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

struct DataAttr {
    explicit DataAttr(const describe &d);

    QByteArray Name;
    QByteArray TypeName;
    std::int32_t Length = 0;
    std::int32_t Scale = 0;
    std::int32_t Width = 0;
    std::int32_t Size = 0;

    // The type name for an Oracle internal type code ("Unknown" for types a query cannot fetch).
    static QByteArray typeNameOf(int dbtype);
    // True for the types a query can fetch as text: VARCHAR2, NUMBER, CHAR, DATE, ROWID.
    static bool fetchable(int dbtype) { return typeNameOf(dbtype) != "Unknown"; }
};

class TOCIData {
public:
    TOCIData() = default;
    TOCIData(const TOCIData &) = delete;
    TOCIData &operator=(const TOCIData &) = delete;

    void Add(describe d);
    void Clear() { List.clear(); }

    std::vector<std::unique_ptr<DataAttr>> List;
};

#pragma once
// Private to the source view's grid: its texts, packed. A unit of a million lines is a million
// rows of five short texts; one heap string per cell would cost more than the text itself.
// Each row is one record in a list of large chunks (a length and the bytes for each column),
// and the row list holds one 8-byte reference per row. A text changed to another length gets
// a new record; the space of records no row refers to any more is reclaimed once it outweighs
// the rest.

#include <QByteArrayList>
#include <QByteArrayView>

#include <cstdint>
#include <memory>
#include <vector>

class CellStore {
public:
    CellStore(int columns, int rows);

    int columns() const { return m_columns; }
    int rows() const { return static_cast<int>(m_rows.size()); }

    // The text of a cell; empty outside the store. Valid until the store next changes.
    QByteArrayView cell(int col, int row) const;
    void setCell(int col, int row, QByteArrayView text);
    // The first min(texts, columns) entries replace the row's texts; the others stay.
    void setRow(int row, const QByteArrayList &texts);
    // Every byte of the cell that is one of `from` becomes `to`, in place; true if any did.
    bool replaceBytes(int col, int row, QByteArrayView from, char to);
    // New rows are empty; rows cut off are forgotten.
    void resize(int rows);

    // Bytes the chunks hold, for the memory figures of the benchmark and tests.
    std::size_t allocatedBytes() const;

private:
    using Ref = std::uint64_t; // chunk index in the high half, offset in the low half
    static constexpr Ref kEmptyRow = ~Ref(0);

    struct Chunk {
        std::unique_ptr<char[]> data;
        std::size_t size = 0;
        std::size_t used = 0;
    };

    const char *record(int row) const;
    char *record(int row);
    void writeRow(int row, const std::vector<QByteArrayView> &texts);
    char *allocate(std::size_t bytes, Ref &ref);
    std::size_t recordSize(int row) const;
    void reclaimIfWasteful();

    int m_columns;
    std::vector<Ref> m_rows;
    std::vector<Chunk> m_chunks;
    std::size_t m_liveBytes = 0;  // bytes of records that rows refer to
    std::size_t m_wasteBytes = 0; // bytes of records no row refers to any more
};

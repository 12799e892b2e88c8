// The record of a row: for each column, its text's length as a variable-length number (seven
// bits a byte, low bits first) followed by the text's bytes. Most lengths take one byte.

#include "viewer/cellstore.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kChunkSize = std::size_t(1) << 20;
// Reclaiming copies every live record: it waits until there is this much to gain.
constexpr std::size_t kWasteWorthReclaiming = std::size_t(4) << 20;

std::size_t lengthBytes(std::size_t length) {
    std::size_t n = 1;
    while (length >= 0x80) {
        length >>= 7;
        ++n;
    }
    return n;
}

char *putLength(char *out, std::size_t length) {
    while (length >= 0x80) {
        *out++ = static_cast<char>((length & 0x7F) | 0x80);
        length >>= 7;
    }
    *out++ = static_cast<char>(length);
    return out;
}

const char *getLength(const char *in, std::size_t &length) {
    length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*in++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return in;
    }
}

// Steps from a column's length to the next column's.
const char *skipCell(const char *at) {
    std::size_t length = 0;
    at = getLength(at, length);
    return at + length;
}

} // namespace

CellStore::CellStore(int columns, int rows)
    : m_columns(std::max(columns, 1)),
      m_rows(static_cast<std::size_t>(std::max(rows, 0)), kEmptyRow) {}

const char *CellStore::record(int row) const {
    const Ref ref = m_rows[static_cast<std::size_t>(row)];
    if (ref == kEmptyRow)
        return nullptr;
    return m_chunks[ref >> 32].data.get() + (ref & 0xFFFFFFFFu);
}

char *CellStore::record(int row) {
    return const_cast<char *>(static_cast<const CellStore *>(this)->record(row));
}

QByteArrayView CellStore::cell(int col, int row) const {
    if (col < 0 || col >= m_columns || row < 0 || row >= rows())
        return {};
    const char *at = record(row);
    if (!at)
        return {};
    for (int c = 0; c < col; ++c)
        at = skipCell(at);
    std::size_t length = 0;
    at = getLength(at, length);
    return QByteArrayView(at, static_cast<qsizetype>(length));
}

std::size_t CellStore::recordSize(int row) const {
    const char *start = record(row);
    if (!start)
        return 0;
    const char *at = start;
    for (int c = 0; c < m_columns; ++c)
        at = skipCell(at);
    return static_cast<std::size_t>(at - start);
}

char *CellStore::allocate(std::size_t bytes, Ref &ref) {
    if (m_chunks.empty() || m_chunks.back().size - m_chunks.back().used < bytes) {
        Chunk chunk;
        chunk.size = std::max(bytes, kChunkSize);
        chunk.data = std::make_unique_for_overwrite<char[]>(chunk.size);
        m_chunks.push_back(std::move(chunk));
    }
    Chunk &chunk = m_chunks.back();
    ref = (static_cast<Ref>(m_chunks.size() - 1) << 32) | chunk.used;
    char *out = chunk.data.get() + chunk.used;
    chunk.used += bytes;
    return out;
}

// Writes a new record for the row; its old record, if any, becomes waste.
void CellStore::writeRow(int row, const std::vector<QByteArrayView> &texts) {
    std::size_t bytes = 0;
    for (const QByteArrayView &text : texts)
        bytes += lengthBytes(static_cast<std::size_t>(text.size())) +
                 static_cast<std::size_t>(text.size());
    const std::size_t old = recordSize(row);
    Ref ref = kEmptyRow;
    char *out = allocate(bytes, ref);
    for (const QByteArrayView &text : texts) {
        out = putLength(out, static_cast<std::size_t>(text.size()));
        if (!text.isEmpty())
            std::memcpy(out, text.data(), static_cast<std::size_t>(text.size()));
        out += text.size();
    }
    m_rows[static_cast<std::size_t>(row)] = ref;
    m_liveBytes += bytes - old;
    m_wasteBytes += old;
    reclaimIfWasteful();
}

void CellStore::setRow(int row, const QByteArrayList &texts) {
    if (row < 0 || row >= rows())
        return;
    const int given = std::min(static_cast<int>(texts.size()), m_columns);
    std::vector<QByteArrayView> row_texts(static_cast<std::size_t>(m_columns));
    for (int c = 0; c < m_columns; ++c)
        row_texts[static_cast<std::size_t>(c)] =
            c < given ? QByteArrayView(texts[c]) : cell(c, row);
    writeRow(row, row_texts);
}

void CellStore::setCell(int col, int row, QByteArrayView text) {
    if (col < 0 || col >= m_columns || row < 0 || row >= rows())
        return;
    const QByteArrayView current = cell(col, row);
    if (current.size() == text.size()) {
        if (!text.isEmpty())
            std::memmove(const_cast<char *>(current.data()), text.data(),
                         static_cast<std::size_t>(text.size()));
        return;
    }
    std::vector<QByteArrayView> texts(static_cast<std::size_t>(m_columns));
    for (int c = 0; c < m_columns; ++c)
        texts[static_cast<std::size_t>(c)] = c == col ? text : cell(c, row);
    // The texts read above live in the old record, which stays in place while the new one is
    // written (the chunks never move), so it is safe to copy from them.
    writeRow(row, texts);
}

bool CellStore::replaceBytes(int col, int row, QByteArrayView from, char to) {
    const QByteArrayView text = cell(col, row);
    if (text.isEmpty() || from.isEmpty())
        return false;
    auto *bytes = const_cast<char *>(text.data());
    // The usual case, one or two bytes to replace, without a search per byte.
    const char first = from[0];
    const char second = from.size() > 1 ? from[1] : first;
    const QByteArrayView others = from.size() > 2 ? from.sliced(2) : QByteArrayView();
    bool changed = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = bytes[i];
        if (c == first || c == second || (!others.isEmpty() && others.contains(c))) {
            bytes[i] = to;
            changed = true;
        }
    }
    return changed;
}

void CellStore::resize(int newRows) {
    newRows = std::max(newRows, 0);
    for (int row = newRows; row < rows(); ++row) {
        const std::size_t size = recordSize(row);
        m_liveBytes -= size;
        m_wasteBytes += size;
    }
    m_rows.resize(static_cast<std::size_t>(newRows), kEmptyRow);
    if (m_rows.capacity() > 2 * m_rows.size() + 1024)
        m_rows.shrink_to_fit();
    reclaimIfWasteful();
}

// Copies the live records into fresh chunks and lets the old ones go.
void CellStore::reclaimIfWasteful() {
    if (m_wasteBytes < kWasteWorthReclaiming || m_wasteBytes < m_liveBytes)
        return;
    std::vector<Chunk> old = std::move(m_chunks);
    m_chunks.clear();
    for (Ref &ref : m_rows) {
        if (ref == kEmptyRow)
            continue;
        const char *start = old[ref >> 32].data.get() + (ref & 0xFFFFFFFFu);
        const char *end = start;
        for (int c = 0; c < m_columns; ++c)
            end = skipCell(end);
        const auto size = static_cast<std::size_t>(end - start);
        char *out = allocate(size, ref);
        std::memcpy(out, start, size);
    }
    m_wasteBytes = 0;
}

std::size_t CellStore::allocatedBytes() const {
    std::size_t bytes = m_rows.capacity() * sizeof(Ref);
    for (const Chunk &chunk : m_chunks)
        bytes += chunk.size;
    return bytes;
}

// A bump allocator for syntax trees (private to the compiler): nodes live as long as the
// arena and are never freed one by one, so building a tree costs a pointer increment.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace ocilite::plsql {

class Arena {
public:
    Arena() = default;
    Arena(const Arena &) = delete;
    Arena &operator=(const Arena &) = delete;

    // A new T built from args; T must be trivially destructible (nothing runs at free).
    template <class T, class... Args> T *make(Args &&...args) {
        static_assert(std::is_trivially_destructible_v<T>);
        void *p = allocate(sizeof(T), alignof(T));
        return new (p) T{std::forward<Args>(args)...};
    }

    void *allocate(size_t size, size_t align) {
        size_t at = (m_used + align - 1) & ~(align - 1);
        if (m_blocks.empty() || at + size > m_blockSize) {
            m_blockSize = size > kBlock ? size : kBlock;
            m_blocks.push_back(std::make_unique<std::byte[]>(m_blockSize));
            at = 0;
        }
        m_used = at + size;
        return m_blocks.back().get() + at;
    }

private:
    static constexpr size_t kBlock = 64 * 1024;
    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
    size_t m_used = 0;
    size_t m_blockSize = 0;
};

} // namespace ocilite::plsql

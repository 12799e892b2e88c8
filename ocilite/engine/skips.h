// Element `index` of a program's array whose elements lie `skip` bytes apart (private to the
// engine): array fetches and executions reach each row's variables this way.
#pragma once

#include <type_traits>

namespace ocilite {

// A skip of 0 means the elements lie side by side.
inline long skipOr(long skip, long size) {
    return skip ? skip : size;
}

template <typename T> T *elementAt(T *base, long skip, long index) {
    if (!base)
        return nullptr;
    using Byte = std::conditional_t<std::is_const_v<T>, const char, char>;
    return reinterpret_cast<T *>(reinterpret_cast<Byte *>(base) + skip * index);
}

} // namespace ocilite

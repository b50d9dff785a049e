// Bounded text copies into buffers that a host owns.
#pragma once

#include <cstddef>

namespace bounded {

// Every text this plug-in hands out fits 23 characters and the terminating zero.
constexpr std::size_t kMaxLength = 23;

// Copies at most maxChars characters of source and always terminates dest.
inline void copy(char* dest, const char* source, std::size_t maxChars = kMaxLength) {
    std::size_t i = 0;
    for (; i < maxChars && source[i] != 0; ++i)
        dest[i] = source[i];
    dest[i] = 0;
}

} // namespace bounded

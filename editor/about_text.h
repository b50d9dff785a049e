// The about box's title and text, the same on every platform.
#pragma once

namespace about {
constexpr const char* kTitle = "Info";
constexpr const char* kText = "Tarvexor\n"
                              "Mono peak compressor and limiter\n"
                              "with look-ahead and auto normalize\n"
                              "\n"
                              "OrbaneWeb";
} // namespace about

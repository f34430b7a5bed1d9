// Room for the bytes of a large picture or file, backed by the system's huge pages where it offers
// them (Linux's transparent huge pages on request): filling and giving back a quarter of a
// gigabyte in 4 KB pages takes the kernel long enough to hold up the program's other threads,
// the one that paints the table among them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zavkari {

// Resizes an empty `buffer` to `size` zero bytes.
void resizeLargeBuffer(std::vector<std::uint8_t>& buffer, std::size_t size);

}  // namespace zavkari

#include "large_buffer.h"

#include <sys/mman.h>

namespace zavkari {

void resizeLargeBuffer(std::vector<std::uint8_t>& buffer, std::size_t size) {
    constexpr std::size_t kHugePage = 2 * 1024 * 1024;
    buffer.reserve(size);
#ifdef MADV_HUGEPAGE
    // Only whole huge pages inside the block can be asked for, before anything is written.
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::uintptr_t end = (start + size) / kHugePage * kHugePage;
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
    buffer.resize(size);
}

}  // namespace zavkari

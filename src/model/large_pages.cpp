// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/large_pages.h"

#include <cstdlib>
#include <sys/mman.h>

void* AllocateLargePaged(std::size_t bytes) {
    constexpr std::size_t kLargePage = std::size_t(2) << 20;
    if (bytes < kLargePage) return std::malloc(bytes ? bytes : 1);
    // posix_memalign, unlike aligned_alloc, takes a size that is no multiple of the alignment.
    void* block = nullptr;
    if (posix_memalign(&block, kLargePage, bytes) != 0) return nullptr;
    // Only advice: where the kernel has no large pages, small ones serve as before.
    madvise(block, bytes & ~(kLargePage - 1), MADV_HUGEPAGE);
    return block;
}

void ReleaseLargePaged(void* block) {
    std::free(block);
}

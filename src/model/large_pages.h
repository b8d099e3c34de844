// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <new>

// Memory whose whole 2 MiB stretches the kernel may back with large pages when they are first
// touched: one fault for each 2 MiB instead of 512, the main cost of a fresh grid or picture.
// A block of 2 MiB or more starts on a 2 MiB boundary so that as many stretches as possible
// are whole; only those inside the block are advised, so no page is touched that would not be
// anyway. Null when out of memory; given back with ReleaseLargePaged.
void* AllocateLargePaged(std::size_t bytes);
void ReleaseLargePaged(void* block);

// For the containers of a whole grid.
template <typename T> struct LargePagedAllocator {
    using value_type = T;
    LargePagedAllocator() = default;
    template <typename U> LargePagedAllocator(const LargePagedAllocator<U>&) {}
    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        void* memory = AllocateLargePaged(count * sizeof(T));
        if (!memory) throw std::bad_alloc();
        return static_cast<T*>(memory);
    }
    void deallocate(T* items, std::size_t) { ReleaseLargePaged(items); }
    template <typename U> bool operator==(const LargePagedAllocator<U>&) const { return true; }
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// zlib's Adler-32 checksum `adler` carried over `length` bytes. On processors with AVX2 it
// sums 32 bytes at a time, several times faster than zlib's own, which adds them one by one:
// the PNG writer's raw deflate leaves the checksum of its every byte to us.
uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t length);

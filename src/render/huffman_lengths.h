// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Huffman code lengths for `count` symbols (at most 286) of the given frequencies, none longer
// than `limit` bits, into `lengths`: 0 for a symbol that never comes. The limit must leave room
// for every symbol (deflate's are 15 and 7). Two symbols at least get a code, so that the code
// is complete, which some decoders require. Too deep a code is made shallower by halving the
// frequencies and building it again.
void HuffmanLengths(const uint32_t* frequencies, int count, int limit, uint8_t* lengths);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/huffman_lengths.h"

#include <algorithm>
#include <array>

namespace {

// Deflate's largest alphabet: literals, the end of a block and the copy lengths.
constexpr int kMostSymbols = 286;
constexpr int kSymbolBits = 9;

// Huffman's construction over the symbols of non-zero weight (two or more), the two lightest
// nodes joined each time: the leaves sorted by weight (then symbol), and the joined nodes,
// which come out in order of weight, in a second queue. Gives each symbol its depth and
// returns the deepest.
int BuildLengths(const uint64_t* weights, int count, uint8_t* lengths) {
    std::array<uint64_t, kMostSymbols> leaves;
    int leafCount = 0;
    for (int symbol = 0; symbol < count; ++symbol)
        if (weights[symbol] > 0)
            leaves[size_t(leafCount++)] = weights[symbol] << kSymbolBits | uint64_t(symbol);
    std::sort(leaves.begin(), leaves.begin() + leafCount);
    std::array<uint64_t, 2 * kMostSymbols> weight;
    std::array<int, 2 * kMostSymbols> parent;
    for (int k = 0; k < leafCount; ++k)
        weight[size_t(k)] = leaves[size_t(k)] >> kSymbolBits;
    int nextLeaf = 0;
    int nextJoined = leafCount;
    int made = leafCount;
    const auto lightest = [&] {
        if (nextLeaf < leafCount &&
            (nextJoined == made || weight[size_t(nextLeaf)] <= weight[size_t(nextJoined)]))
            return nextLeaf++;
        return nextJoined++;
    };
    for (; made < 2 * leafCount - 1; ++made) {
        const int a = lightest();
        const int b = lightest();
        weight[size_t(made)] = weight[size_t(a)] + weight[size_t(b)];
        parent[size_t(a)] = made;
        parent[size_t(b)] = made;
    }
    // Every node is made after its children: depths from the root down.
    std::array<int, 2 * kMostSymbols> depth;
    depth[size_t(made - 1)] = 0;
    for (int node = made - 2; node >= 0; --node)
        depth[size_t(node)] = depth[size_t(parent[size_t(node)])] + 1;
    int deepest = 0;
    for (int k = 0; k < leafCount; ++k) {
        const auto symbol = size_t(leaves[size_t(k)] & ((1u << kSymbolBits) - 1));
        lengths[symbol] = uint8_t(depth[size_t(k)]);
        deepest = std::max(deepest, depth[size_t(k)]);
    }
    return deepest;
}

} // namespace

void HuffmanLengths(const uint32_t* frequencies, int count, int limit, uint8_t* lengths) {
    std::array<uint64_t, kMostSymbols> weights{};
    std::copy_n(frequencies, count, weights.begin());
    int used = int(std::count_if(weights.begin(), weights.begin() + count,
                                 [](uint64_t weight) { return weight > 0; }));
    for (int symbol = 0; used < 2 && symbol < count; ++symbol) {
        if (weights[size_t(symbol)] == 0) {
            weights[size_t(symbol)] = 1;
            ++used;
        }
    }
    std::fill(lengths, lengths + count, uint8_t(0));
    while (BuildLengths(weights.data(), count, lengths) > limit) {
        for (uint64_t& weight : weights)
            if (weight > 0) weight = (weight + 1) / 2;
    }
}

#pragma once

#include <cstdint>
#include <istream>

namespace platform {

// The directory of a compiled help file as the CHM library walks it: fixed-length blocks from
// `blocksBegin` on, each a listing block ("PMGL", holding the entries) or an index block
// ("PMGI", naming for each stretch of paths the block to look in next).
struct ChmDirectory {
    std::uint64_t blocksBegin = 0;
    std::uint64_t blockLength = 0; // at least the 20 bytes of a listing block's header
    std::uint64_t directoryLength = 0;
    std::uint64_t fileSize = 0;
    std::int32_t indexRoot = -1;   // where a look-up starts; -1: at the first listing block
    std::int32_t firstListing = 0; // where listing all entries starts
};

// Both walks refuse a directory whose blocks are shorter than a listing block's header.

// Whether listing the entries ends: the chain of listing blocks through each block's "next"
// index reaches -1 or a block the library cannot read as a listing, visits no more blocks than
// the directory holds, and every entry of its blocks lies inside its block and names section 0
// (stored) or 1 (compressed).
bool listingChainEnds(std::istream& in, const ChmDirectory& directory);

// Whether every look-up ends: no index block reachable from the root leads, through the blocks
// its entries name, back to itself, and every entry of those blocks lies inside its block (and,
// in listing blocks, names section 0 or 1).
bool indexWalksEnd(std::istream& in, const ChmDirectory& directory);

} // namespace platform

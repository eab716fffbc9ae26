#include "platform/help/chm_directory_walk.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

constexpr std::int32_t noBlock = -1;
constexpr std::size_t listingHeaderBytes = 0x14;
constexpr std::size_t indexHeaderBytes = 0x08;
constexpr std::size_t freeSpaceAt = 0x04;
constexpr std::size_t nextListingAt = 0x10;
constexpr std::uint64_t longestPath = 512;

std::uint32_t littleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The block the library reads for `index`: it widens the signed index to 64 bits and
// multiplies in unsigned arithmetic, so a negative index wraps round to a place before the
// blocks. Nothing when the library's read would come back short.
std::optional<std::string> readBlock(std::istream& in, const ChmDirectory& directory,
                                     std::int32_t index) {
    const std::uint64_t at =
        directory.blocksBegin +
        static_cast<std::uint64_t>(static_cast<std::int64_t>(index)) * directory.blockLength;
    if (at > directory.fileSize || directory.blockLength > directory.fileSize - at) {
        return std::nullopt;
    }
    std::string block(static_cast<std::size_t>(directory.blockLength), '\0');
    in.clear();
    if (!in.seekg(static_cast<std::streamoff>(at)) ||
        !in.read(block.data(), static_cast<std::streamsize>(block.size()))) {
        return std::nullopt;
    }
    return block;
}

bool startsWith(const std::string& block, const char (&marker)[5]) {
    return block.compare(0, 4, marker) == 0;
}

// Reads the entries of one block the way the library does, from the end of the block header
// up to the block's free space, but refusing to read past the block where the library would.
class EntryReader {
  public:
    EntryReader(const std::string& block, std::size_t headerBytes)
        : block_(block), at_(headerBytes) {
        const std::uint64_t freeSpace = littleEndian32(block, freeSpaceAt);
        used_ = freeSpace <= block.size() ? block.size() - freeSpace : 0;
    }

    bool moreEntries() const { return !beyondBlock_ && at_ < used_; }
    bool beyondBlock() const { return beyondBlock_; }

    // The 7-bit encoded number at the reading place: high bit set on all bytes but the last.
    std::uint64_t number() {
        std::uint64_t value = 0;
        for (;;) {
            if (at_ >= block_.size()) {
                beyondBlock_ = true;
                return 0;
            }
            const auto byte = static_cast<unsigned char>(block_[at_++]);
            value = (value << 7) + (byte & 0x7Fu);
            if (byte < 0x80) {
                return value;
            }
        }
    }

    // Steps over a path; false when it is longer than the library takes, which ends its
    // reading of the block there.
    bool skipPath() {
        const std::uint64_t length = number();
        if (beyondBlock_ || length > longestPath) {
            return false;
        }
        if (length > block_.size() - at_) {
            beyondBlock_ = true;
            return false;
        }
        at_ += static_cast<std::size_t>(length);
        return true;
    }

  private:
    const std::string& block_;
    std::size_t at_;
    std::size_t used_ = 0;
    bool beyondBlock_ = false;
};

// The library takes a section as a 32-bit int, reads section 0 directly and every other one
// as compressed. While it opens the file it only leaves its compressed reading off for objects
// in section 1, and an object of its own in any other section has it decompress with the
// compression tables still unread: it divides by zero and ends the program. The format has
// just the two sections.
bool isKnownSection(std::uint64_t section) {
    const auto asInt = static_cast<std::int32_t>(static_cast<std::uint32_t>(section));
    return asInt == 0 || asInt == 1;
}

// Whether every entry of a listing block (path, section, offset, length) lies inside it and
// names a section the format has.
bool listingEntriesAreSound(const std::string& block) {
    EntryReader entries(block, listingHeaderBytes);
    while (entries.moreEntries() && entries.skipPath()) {
        const std::uint64_t section = entries.number();
        entries.number();
        entries.number();
        if (!entries.beyondBlock() && !isKnownSection(section)) {
            return false;
        }
    }
    return !entries.beyondBlock();
}

// The blocks an index block's entries (path, block) name; nothing when an entry reaches past
// the block.
std::optional<std::vector<std::int32_t>> namedBlocks(const std::string& block) {
    std::vector<std::int32_t> named;
    EntryReader entries(block, indexHeaderBytes);
    while (entries.moreEntries() && entries.skipPath()) {
        // The library keeps the lowest 32 bits as a signed block index.
        named.push_back(static_cast<std::int32_t>(static_cast<std::uint32_t>(entries.number())));
    }
    if (entries.beyondBlock()) {
        return std::nullopt;
    }
    return named;
}

// A depth-first walk over every block a look-up could visit, whatever path it looks for; an
// index block met again while it is still on the way down is a loop.
class IndexWalk {
  public:
    IndexWalk(std::istream& in, const ChmDirectory& directory) : in_(in), directory_(directory) {}

    bool ends(std::int32_t root) {
        if (!enter(root)) {
            return false;
        }
        while (!way_.empty()) {
            PendingBlock& top = way_.back();
            if (top.next == top.named.size()) {
                visits_[top.index] = Visit::Done;
                way_.pop_back();
            } else if (!enter(top.named[top.next++])) {
                return false;
            }
        }
        return true;
    }

  private:
    enum class Visit { Open, Done };

    // One index block on the way down from the root, with the blocks it names still to follow.
    struct PendingBlock {
        std::int32_t index;
        std::vector<std::int32_t> named;
        std::size_t next = 0;
    };

    // False when the block is a loop back or has an entry past its end.
    bool enter(std::int32_t index) {
        if (index == noBlock) {
            return true;
        }
        if (const auto visit = visits_.find(index); visit != visits_.end()) {
            return visit->second == Visit::Done;
        }
        visits_[index] = Visit::Done;
        const std::optional<std::string> block = readBlock(in_, directory_, index);
        if (!block) {
            return true; // the look-up fails there
        }
        if (startsWith(*block, "PMGL")) {
            return listingEntriesAreSound(*block);
        }
        if (!startsWith(*block, "PMGI")) {
            return true;
        }
        std::optional<std::vector<std::int32_t>> named = namedBlocks(*block);
        if (!named) {
            return false;
        }
        visits_[index] = Visit::Open;
        way_.push_back({index, std::move(*named)});
        return true;
    }

    std::istream& in_;
    const ChmDirectory& directory_;
    std::unordered_map<std::int32_t, Visit> visits_;
    std::vector<PendingBlock> way_;
};

} // namespace

bool listingChainEnds(std::istream& in, const ChmDirectory& directory) {
    if (directory.blockLength < listingHeaderBytes) {
        return false;
    }
    const std::uint64_t mostBlocks = directory.directoryLength / directory.blockLength + 1;
    std::int32_t index = directory.firstListing;
    for (std::uint64_t visited = 0; index != noBlock; ++visited) {
        if (visited > mostBlocks) {
            return false;
        }
        const std::optional<std::string> block = readBlock(in, directory, index);
        if (!block || !startsWith(*block, "PMGL")) {
            return true; // the library stops where a block cannot be read as a listing
        }
        if (!listingEntriesAreSound(*block)) {
            return false;
        }
        index = static_cast<std::int32_t>(littleEndian32(*block, nextListingAt));
    }
    return true;
}

bool indexWalksEnd(std::istream& in, const ChmDirectory& directory) {
    if (directory.blockLength < listingHeaderBytes) {
        return false;
    }
    const std::int32_t root =
        directory.indexRoot <= noBlock ? directory.firstListing : directory.indexRoot;
    return IndexWalk(in, directory).ends(root);
}

} // namespace platform

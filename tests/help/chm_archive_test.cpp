#include "child_opening.h"
#include "help_test_support.h"

#include "platform/help/chm_archive.h"
#include "platform/help/chm_file_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

using platform::ChmArchive;
using platform::ChmOpenStatus;
using platform::ChmReadStatus;

namespace {

const std::string courseTitle = "Orvo the Tamlex Vuvudu Rodezav Iruv";

bool isKnownStatus(ChmReadStatus status) {
    return status == ChmReadStatus::Read || status == ChmReadStatus::ObjectMissing ||
           status == ChmReadStatus::Damaged;
}

} // namespace

TEST(ChmArchive, ReadsTheIntroductionOfTheCompiledHelp) {
    const ChmArchive archive(help_test::compiledHelpFile());
    ASSERT_EQ(archive.openStatus(), ChmOpenStatus::Opened);
    const auto page = archive.read("/introduction.html");
    ASSERT_EQ(page.status, ChmReadStatus::Read);
    EXPECT_NE(page.bytes.find("<title>"), std::string::npos);
    EXPECT_NE(page.bytes.find(courseTitle), std::string::npos);
}

TEST(ChmArchive, NamesObjectsWithOrWithoutTheLeadingSlash) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto withSlash = archive.read("/geometry.html");
    const auto withoutSlash = archive.read("geometry.html");
    ASSERT_EQ(withSlash.status, ChmReadStatus::Read);
    EXPECT_EQ(withoutSlash.status, ChmReadStatus::Read);
    EXPECT_EQ(withSlash.bytes, withoutSlash.bytes);
}

TEST(ChmArchive, ReadsPicturesByteForByte) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto picture = archive.read("/pictures/door_tree.png");
    ASSERT_EQ(picture.status, ChmReadStatus::Read);
    EXPECT_EQ(picture.bytes.substr(0, 4), "\x89PNG");
}

TEST(ChmArchive, ListsItsFilesWithoutBookkeeping) {
    const ChmArchive archive(help_test::compiledHelpFile());
    const auto paths = archive.filePaths();
    EXPECT_NE(std::find(paths.begin(), paths.end(), "/introduction.html"), paths.end());
    EXPECT_NE(std::find(paths.begin(), paths.end(), "/toc.hhc"), paths.end());
    EXPECT_EQ(std::find(paths.begin(), paths.end(), "/#SYSTEM"), paths.end());
}

TEST(ChmArchive, ReportsObjectsItDoesNotHold) {
    const ChmArchive archive(help_test::compiledHelpFile());
    EXPECT_EQ(archive.read("/no_such_topic.html").status, ChmReadStatus::ObjectMissing);
    EXPECT_FALSE(archive.contains("/no_such_topic.html"));
    EXPECT_TRUE(archive.contains("/style.css"));
    // Longer than any path the file format can hold.
    const std::string overlong = "/" + std::string(600, 'a') + ".html";
    EXPECT_EQ(archive.read(overlong).status, ChmReadStatus::ObjectMissing);
    EXPECT_FALSE(archive.contains(overlong));
}

TEST(ChmArchive, ReportsAMissingFileOrAFolder) {
    const help_test::ScratchFolder scratch;
    const ChmArchive missing(scratch.file("help.chm"));
    EXPECT_EQ(missing.openStatus(), ChmOpenStatus::FileMissing);
    EXPECT_EQ(missing.read("/introduction.html").status, ChmReadStatus::NotOpen);
    EXPECT_TRUE(missing.filePaths().empty());

    const ChmArchive folder(scratch.file(""));
    EXPECT_EQ(folder.openStatus(), ChmOpenStatus::FileMissing);
}

TEST(ChmArchive, RefusesFilesThatAreNoHelpFiles) {
    const help_test::ScratchFolder scratch;
    const std::vector<std::string> foreign = {
        "",                                  // empty
        "ITSF",                              // signature only
        "This is not a help file at all.\n", // text
        "ITSF" + std::string(300, '\x7f'),   // signature, then nonsense
        std::string(4096, '\0'),             // zeros
    };
    for (const std::string& bytes : foreign) {
        help_test::writeBytes(scratch.file("foreign.chm"), bytes);
        const ChmArchive archive(scratch.file("foreign.chm"));
        EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile) << bytes.size();
        EXPECT_EQ(archive.read("/introduction.html").status, ChmReadStatus::NotOpen);
    }
}

TEST(ChmArchive, RefusesAHelpFileThatIsCutOff) {
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    ASSERT_GT(whole.size(), 1000u);
    for (const double share : {0.01, 0.1, 0.5, 0.9, 0.999}) {
        const auto length = static_cast<std::size_t>(static_cast<double>(whole.size()) * share);
        help_test::writeBytes(scratch.file("cut.chm"), whole.substr(0, length));
        const ChmArchive archive(scratch.file("cut.chm"));
        EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile) << share;
    }
    help_test::writeBytes(scratch.file("whole.chm"), whole);
    EXPECT_TRUE(ChmArchive(scratch.file("whole.chm")).isOpen());
}

namespace {

constexpr std::chrono::seconds openingLimit{10};

// The course's own help file with its directory blocks said to be `blockLength` bytes long.
std::string withDirectoryBlockLength(std::uint32_t blockLength) {
    std::string damaged = help_test::readBytes(help_test::compiledHelpFile());
    const std::size_t directory =
        static_cast<unsigned char>(damaged[0x48]) |
        static_cast<std::size_t>(static_cast<unsigned char>(damaged[0x49])) << 8;
    if (damaged.size() < directory + 0x14 || damaged.substr(directory, 4) != "ITSP")
        return {};
    for (std::size_t i = 0; i < 4; ++i)
        damaged[directory + 0x10 + i] = static_cast<char>((blockLength >> (8 * i)) & 0xFF);
    return damaged;
}

} // namespace

// Found by the help file fuzz target: directory blocks of 16 bytes, shorter than the 20-byte
// header of a listing block. The CHM library takes that header's "next" index from the memory
// after its 16-byte buffer; where that memory holds 0 (always under the address sanitizer, now
// and then in the normal build) it reads the first block again for ever. The file is opened in
// a watched child, so that a hang fails the test within seconds.
TEST(ChmArchive, RefusesDirectoryBlocksShorterThanAListingHeader) {
    const auto finding = help_test::openInChildWithin(
        std::filesystem::path(FUZZ_FINDINGS) / "chm-directory-block-shorter-than-its-header.chm",
        openingLimit);
    ASSERT_TRUE(finding.status) << finding.trouble;
    EXPECT_EQ(*finding.status, ChmOpenStatus::NotAHelpFile);
    const auto whole = help_test::openInChildWithin(help_test::compiledHelpFile(), openingLimit);
    ASSERT_TRUE(whole.status) << whole.trouble;
    EXPECT_EQ(*whole.status, ChmOpenStatus::Opened);
}

// The same damage in the course's own file, at and around the shortest block that holds the
// header: every block shorter than 20 bytes is refused before the library sees the file.
TEST(ChmArchive, RefusesEveryDirectoryBlockShorterThanAListingHeader) {
    const help_test::ScratchFolder scratch;
    for (std::uint32_t blockLength = 1; blockLength < 0x14; ++blockLength) {
        const std::string damaged = withDirectoryBlockLength(blockLength);
        ASSERT_FALSE(damaged.empty());
        help_test::writeBytes(scratch.file("short-blocks.chm"), damaged);
        EXPECT_FALSE(platform::readChmFileHeader(scratch.file("short-blocks.chm")))
            << blockLength << " bytes";
        const auto opening =
            help_test::openInChildWithin(scratch.file("short-blocks.chm"), openingLimit);
        ASSERT_TRUE(opening.status) << blockLength << " bytes: " << opening.trouble;
        EXPECT_EQ(*opening.status, ChmOpenStatus::NotAHelpFile) << blockLength << " bytes";
    }
    help_test::writeBytes(scratch.file("header-long-blocks.chm"), withDirectoryBlockLength(0x14));
    EXPECT_TRUE(platform::readChmFileHeader(scratch.file("header-long-blocks.chm")));
    const auto opening =
        help_test::openInChildWithin(scratch.file("header-long-blocks.chm"), openingLimit);
    EXPECT_TRUE(opening.status) << opening.trouble;
}

namespace {

// The course's own help file, with index blocks ("PMGI") added at its end for the CHM library
// to look objects up through. Its directory holds one listing block of 4 KiB, block 0.
class IndexedHelpFile {
  public:
    IndexedHelpFile() : bytes_(help_test::readBytes(help_test::compiledHelpFile())) {
        directory_ = field(0x48);
        blocksBegin_ = directory_ + field(directory_ + 0x08);
        blockLength_ = field(directory_ + 0x10);
    }
    bool isAsExpected() const {
        return bytes_.substr(directory_, 4) == "ITSP" && blockLength_ == 0x1000 &&
               bytes_.substr(blocksBegin_, 4) == "PMGL";
    }
    // The index of the next block added.
    std::uint32_t nextBlock() const {
        return static_cast<std::uint32_t>((bytes_.size() - blocksBegin_ + blockLength_ - 1) /
                                          blockLength_);
    }
    // Adds an index block whose entries send every path from `firstPath` on to its block.
    void addIndexBlock(const std::vector<std::pair<std::string, std::uint32_t>>& entries) {
        bytes_.resize(blocksBegin_ + nextBlock() * blockLength_, '\0');
        std::string block = "PMGI....";
        for (const auto& [firstPath, target] : entries) {
            block += static_cast<char>(firstPath.size());
            block += firstPath;
            block += static_cast<char>(target); // below 128: one byte
        }
        block.replace(4, 4, littleEndian(static_cast<std::uint32_t>(blockLength_ - block.size())));
        block.resize(blockLength_, '\0');
        bytes_ += block;
    }
    void setIndexRoot(std::uint32_t block) {
        bytes_.replace(directory_ + 0x1c, 4, littleEndian(block));
    }
    std::filesystem::path writtenTo(const help_test::ScratchFolder& scratch) const {
        help_test::writeBytes(scratch.file("indexed.chm"), bytes_);
        return scratch.file("indexed.chm");
    }

  private:
    std::size_t field(std::size_t at) const {
        std::size_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
        return value;
    }
    static std::string littleEndian(std::uint32_t value) {
        std::string bytes(4, '\0');
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    }

    std::string bytes_;
    std::size_t directory_ = 0;
    std::size_t blocksBegin_ = 0;
    std::size_t blockLength_ = 0;
};

} // namespace

// An index through which every look-up ends: the root sends paths to a second index block
// twice and to the listing block once, the second index block to the listing block. Objects
// are found through it.
TEST(ChmArchive, LooksObjectsUpThroughAnIndexThatSharesBlocks) {
    IndexedHelpFile file;
    ASSERT_TRUE(file.isAsExpected());
    const std::uint32_t root = file.nextBlock();
    file.addIndexBlock({{"", root + 1}, {"/h", 0}, {"/p", root + 1}});
    file.addIndexBlock({{"", 0}});
    file.setIndexRoot(root);
    const help_test::ScratchFolder scratch;
    const auto opening = help_test::openInChildWithin(file.writtenTo(scratch), openingLimit);
    ASSERT_TRUE(opening.status) << opening.trouble;
    ASSERT_EQ(*opening.status, ChmOpenStatus::Opened);
    const ChmArchive archive(file.writtenTo(scratch));
    for (const char* page : {"/introduction.html", "/geometry.html", "/toc.hhc"})
        EXPECT_EQ(archive.read(page).status, ChmReadStatus::Read) << page;
}

// An index block that sends a look-up back to itself, directly or through another index
// block, had the CHM library look for ever while opening the file, in every build.
TEST(ChmArchive, RefusesAnIndexThatLeadsBackToItself) {
    const help_test::ScratchFolder scratch;
    IndexedHelpFile toItself;
    ASSERT_TRUE(toItself.isAsExpected());
    const std::uint32_t root = toItself.nextBlock();
    toItself.addIndexBlock({{"", root}});
    toItself.setIndexRoot(root);
    const auto direct = help_test::openInChildWithin(toItself.writtenTo(scratch), openingLimit);
    ASSERT_TRUE(direct.status) << direct.trouble;
    EXPECT_EQ(*direct.status, ChmOpenStatus::NotAHelpFile);

    IndexedHelpFile roundAbout;
    roundAbout.addIndexBlock({{"", 0}, {"/h", root + 1}});
    roundAbout.addIndexBlock({{"", root}});
    roundAbout.setIndexRoot(root);
    const auto indirect = help_test::openInChildWithin(roundAbout.writtenTo(scratch), openingLimit);
    ASSERT_TRUE(indirect.status) << indirect.trouble;
    EXPECT_EQ(*indirect.status, ChmOpenStatus::NotAHelpFile);
}

// Found by the help file fuzz target: the reset table of the compressed section listed in
// section 43. Opening the file, the CHM library read it as compressed before it had read how
// the section is compressed, divided by zero and ended the program, in every build. The same
// damage in the course's own file is refused too; it is opened in a watched child, so a fault
// fails the test instead of ending the test run.
TEST(ChmArchive, RefusesAnEntryInASectionTheFormatDoesNotHave) {
    const auto finding = help_test::openInChildWithin(std::filesystem::path(FUZZ_FINDINGS) /
                                                          "chm-reset-table-in-unknown-section.chm",
                                                      openingLimit);
    ASSERT_TRUE(finding.status) << finding.trouble;
    EXPECT_EQ(*finding.status, ChmOpenStatus::NotAHelpFile);
    std::string damaged = help_test::readBytes(help_test::compiledHelpFile());
    const std::string entry = "InstanceData/ResetTable";
    const std::size_t at = damaged.find(entry);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(damaged[at + entry.size()], '\0'); // section 0, one byte
    const help_test::ScratchFolder scratch;
    for (const char section : {'\x02', '\x2b', '\x7f'}) {
        damaged[at + entry.size()] = section;
        help_test::writeBytes(scratch.file("section.chm"), damaged);
        const auto opening =
            help_test::openInChildWithin(scratch.file("section.chm"), openingLimit);
        ASSERT_TRUE(opening.status) << "section " << int{section} << ": " << opening.trouble;
        EXPECT_EQ(*opening.status, ChmOpenStatus::NotAHelpFile) << "section " << int{section};
    }
}

// The library reads each entry of a listing block without looking where the block ends; a
// block whose entries run on to its end, past which the last one goes on, is refused.
TEST(ChmArchive, RefusesAListingEntryThatRunsOffItsBlock) {
    std::string damaged = help_test::readBytes(help_test::compiledHelpFile());
    const auto field = [&](std::size_t at) {
        std::size_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = (value << 8) | static_cast<unsigned char>(damaged[at + i]);
        return value;
    };
    const std::size_t directory = field(0x48);
    const std::size_t listing = directory + field(directory + 0x08);
    const std::size_t blockLength = field(directory + 0x10);
    ASSERT_EQ(damaged.substr(listing, 4), "PMGL");
    const std::size_t used = blockLength - field(listing + 0x04);
    ASSERT_LT(used, blockLength);
    damaged.replace(listing + 0x04, 4, std::string(4, '\0'));
    damaged.replace(listing + used, blockLength - used, std::string(blockLength - used, '\x80'));
    const help_test::ScratchFolder scratch;
    help_test::writeBytes(scratch.file("run-off.chm"), damaged);
    EXPECT_EQ(ChmArchive(scratch.file("run-off.chm")).openStatus(), ChmOpenStatus::NotAHelpFile);
}

TEST(ChmArchive, SurvivesDamagedBytesAnywhereInTheFile) {
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    const auto paths = ChmArchive(help_test::compiledHelpFile()).filePaths();
    ASSERT_FALSE(paths.empty());
    std::mt19937 random(2004);
    for (int round = 0; round < 60; ++round) {
        std::string damaged = whole;
        // Half of the rounds hit the header and directory, the rest anywhere.
        const std::size_t range =
            round % 2 == 0 ? std::min<std::size_t>(0x2000, whole.size()) : whole.size();
        for (int hit = 0; hit < 8; ++hit) {
            damaged[random() % range] = static_cast<char>(random());
        }
        help_test::writeBytes(scratch.file("damaged.chm"), damaged);
        const ChmArchive archive(scratch.file("damaged.chm"));
        if (!archive.isOpen()) {
            EXPECT_EQ(archive.openStatus(), ChmOpenStatus::NotAHelpFile);
            continue;
        }
        for (const std::string& path : paths) {
            EXPECT_TRUE(isKnownStatus(archive.read(path).status)) << path;
        }
    }
}

// Found by the help file fuzz target: a directory header claiming 2.5 GB blocks made the CHM
// library allocate that much for one block while opening the file (under the sanitizers,
// clearing it stalled the run for over 20 s). The same damage put into the course's own file
// is refused as well.
TEST(ChmArchive, RefusesADirectoryWhoseBlocksAreLongerThanTheDirectory) {
    EXPECT_EQ(ChmArchive(std::filesystem::path(FUZZ_FINDINGS) /
                         "chm-directory-block-beyond-directory.chm")
                  .openStatus(),
              ChmOpenStatus::NotAHelpFile);
    const help_test::ScratchFolder scratch;
    std::string damaged = help_test::readBytes(help_test::compiledHelpFile());
    ASSERT_GT(damaged.size(), 0x100u);
    const std::size_t directory =
        static_cast<unsigned char>(damaged[0x48]) |
        static_cast<std::size_t>(static_cast<unsigned char>(damaged[0x49])) << 8;
    ASSERT_EQ(damaged.substr(directory, 4), "ITSP");
    damaged[directory + 0x13] = '\x40'; // block length + 1 GiB
    help_test::writeBytes(scratch.file("long-blocks.chm"), damaged);
    EXPECT_EQ(ChmArchive(scratch.file("long-blocks.chm")).openStatus(),
              ChmOpenStatus::NotAHelpFile);
    help_test::writeBytes(scratch.file("whole.chm"),
                          help_test::readBytes(help_test::compiledHelpFile()));
    EXPECT_TRUE(ChmArchive(scratch.file("whole.chm")).isOpen());
}

// Found by the help file fuzz target: an LZX control record with a window size of 0 made the
// CHM library divide by zero inside chm_open, ending the program. Such files are refused, and
// so is the course's own file with the same damage.
TEST(ChmArchive, RefusesACompressionControlRecordTheLibraryCannotDivideBy) {
    EXPECT_EQ(
        ChmArchive(std::filesystem::path(FUZZ_FINDINGS) / "chm-lzx-window-zero.chm").openStatus(),
        ChmOpenStatus::NotAHelpFile);
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    const std::size_t control = whole.find("LZXC");
    ASSERT_NE(control, std::string::npos);
    for (const std::size_t field : {8u, 12u, 16u}) { // reset interval, window size, per reset
        std::string damaged = whole;
        damaged.replace(control + field, 4, std::string(4, '\0'));
        help_test::writeBytes(scratch.file("control.chm"), damaged);
        EXPECT_EQ(ChmArchive(scratch.file("control.chm")).openStatus(), ChmOpenStatus::NotAHelpFile)
            << field;
    }
}

// Found by the help file fuzz target: an LZX control record of another version than 2, whose
// window size the CHM library takes as bytes (2 here), left it without a decoder, and the first
// compressed read ended the program. Window sizes other than a power of two from 32 KiB to
// 2 MiB are refused; the course's own one (2 x 32 KiB) opens.
TEST(ChmArchive, RefusesACompressionWindowTheDecoderDoesNotTake) {
    EXPECT_EQ(ChmArchive(std::filesystem::path(FUZZ_FINDINGS) / "chm-lzx-window-below-32k.chm")
                  .openStatus(),
              ChmOpenStatus::NotAHelpFile);
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    const std::size_t control = whole.find("LZXC");
    ASSERT_NE(control, std::string::npos);
    const auto littleEndian = [](std::uint32_t value) {
        std::string bytes(4, '\0');
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    // Version 2 counts the window in units of 32 KiB, any other version in bytes.
    const auto withWindow = [&](std::uint32_t version, std::uint32_t window) {
        std::string damaged = whole;
        damaged.replace(control + 4, 4, littleEndian(version));
        damaged.replace(control + 12, 4, littleEndian(window));
        help_test::writeBytes(scratch.file("window.chm"), damaged);
        return ChmArchive(scratch.file("window.chm")).openStatus();
    };
    EXPECT_EQ(withWindow(2, 2), ChmOpenStatus::Opened);
    EXPECT_EQ(withWindow(2, 3), ChmOpenStatus::NotAHelpFile);   // 96 KiB
    EXPECT_EQ(withWindow(2, 128), ChmOpenStatus::NotAHelpFile); // 4 MiB
    EXPECT_EQ(withWindow(65538, 2), ChmOpenStatus::NotAHelpFile);
}

// Found by the help file fuzz target: a listing block whose "next" index leads back into the
// chain made the CHM library walk the directory for ever. Such files are refused, and so is
// the course's own file with its first listing block pointing at itself.
TEST(ChmArchive, RefusesADirectoryWhoseListingBlocksFormALoop) {
    EXPECT_EQ(ChmArchive(std::filesystem::path(FUZZ_FINDINGS) / "chm-listing-chain-loop.chm")
                  .openStatus(),
              ChmOpenStatus::NotAHelpFile);
    const help_test::ScratchFolder scratch;
    std::string damaged = help_test::readBytes(help_test::compiledHelpFile());
    ASSERT_GT(damaged.size(), 0x100u);
    const std::size_t directory =
        static_cast<unsigned char>(damaged[0x48]) |
        static_cast<std::size_t>(static_cast<unsigned char>(damaged[0x49])) << 8;
    ASSERT_EQ(damaged.substr(directory, 4), "ITSP");
    const auto field = [&](std::size_t at) {
        std::size_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = (value << 8) | static_cast<unsigned char>(damaged[at + i]);
        return value;
    };
    const std::size_t first = field(directory + 0x20);
    const std::size_t listing =
        directory + field(directory + 0x08) + first * field(directory + 0x10);
    ASSERT_EQ(damaged.substr(listing, 4), "PMGL");
    for (std::size_t i = 0; i < 4; ++i)
        damaged[listing + 0x10 + i] = static_cast<char>((first >> (8 * i)) & 0xFF);
    help_test::writeBytes(scratch.file("loop.chm"), damaged);
    EXPECT_EQ(ChmArchive(scratch.file("loop.chm")).openStatus(), ChmOpenStatus::NotAHelpFile);
}

namespace {

// Where the compressed section's reset table of the course's own help file lies: its directory
// entry names it, then gives the section, the offset and the length as 7-bit encoded numbers.
std::size_t resetTableOffset(const std::string& file) {
    const std::string name = "InstanceData/ResetTable";
    std::size_t at = file.find(name);
    if (at == std::string::npos)
        return std::string::npos;
    at += name.size();
    const auto encoded = [&] {
        std::size_t value = 0;
        unsigned char c = 0;
        do {
            c = static_cast<unsigned char>(file[at++]);
            value = (value << 7) | (c & 0x7F);
        } while (c & 0x80);
        return value;
    };
    encoded(); // section 0, the uncompressed one
    const std::size_t offset = encoded();
    std::size_t contentOffset = 0;
    for (std::size_t i = 8; i-- > 0;)
        contentOffset = (contentOffset << 8) | static_cast<unsigned char>(file[0x58 + i]);
    return contentOffset + offset;
}

} // namespace

// Found by the help file fuzz target: a reset table whose block length has a bit above the
// lowest 32 made the CHM library read a whole compressed block into a buffer sized from the
// lower 32 bits only; a block length of 0 made it divide by zero. Both are refused; the
// course's own block length opens.
TEST(ChmArchive, RefusesAResetTableWithABlockLengthTheLibraryCannotUse) {
    const help_test::ScratchFolder scratch;
    const std::string whole = help_test::readBytes(help_test::compiledHelpFile());
    const std::size_t table = resetTableOffset(whole);
    ASSERT_LT(table + 40, whole.size());
    ASSERT_EQ(whole[table], '\x02'); // version 2
    const auto withBlockLength = [&](std::uint64_t length) {
        std::string damaged = whole;
        for (std::size_t i = 0; i < 8; ++i)
            damaged[table + 32 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
        help_test::writeBytes(scratch.file("blocks.chm"), damaged);
        return ChmArchive(scratch.file("blocks.chm")).openStatus();
    };
    EXPECT_EQ(withBlockLength((1ull << 32) | 0x8000), ChmOpenStatus::NotAHelpFile);
    EXPECT_EQ(withBlockLength(0), ChmOpenStatus::NotAHelpFile);
    EXPECT_EQ(withBlockLength(64ull * 1024 * 1024), ChmOpenStatus::NotAHelpFile);
    EXPECT_EQ(withBlockLength(0x8000), ChmOpenStatus::Opened);
}

// Found by the help file fuzz target: a reset table whose blocks, from one start to the next,
// were longer than the buffer the CHM library reads one compressed block into (the block
// length + 6144 bytes); the library read past that buffer. Such files are refused.
TEST(ChmArchive, RefusesCompressedBlocksLongerThanTheLibrarysBuffer) {
    EXPECT_EQ(
        ChmArchive(std::filesystem::path(FUZZ_FINDINGS) / "chm-compressed-block-beyond-buffer.chm")
            .openStatus(),
        ChmOpenStatus::NotAHelpFile);
    EXPECT_TRUE(ChmArchive(help_test::compiledHelpFile()).isOpen());
}

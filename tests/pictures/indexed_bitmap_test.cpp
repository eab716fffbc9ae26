// The 8-bit bitmaps the renderer writes, read back by the reader the lesson programs use:
// the colour table and every index must come back exactly as written, whatever the shape.

#include "platform/pictures/picture_file.h"
#include "tools/picture_renderer/indexed_bitmap.h"
#include "tools/picture_renderer/rle8_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>

namespace {

using IndexAt = std::function<int(int x, int y)>;

QImage indexedImage(int width, int height, int colours, const IndexAt& indexAt) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb((i * 37) % 256, (i * 91 + 13) % 256, 255 - i));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, static_cast<uint>(indexAt(x, y)));
    return image;
}

QImage noiseImage(int width, int height, int colours, unsigned seed) {
    std::mt19937 noise(seed);
    std::uniform_int_distribution<int> index(0, colours - 1);
    return indexedImage(width, height, colours, [&](int, int) { return index(noise); });
}

int field(const QByteArray& bytes, int at, int size) {
    int value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void expectReadBackExactly(const QByteArray& file, const QImage& written) {
    const QImage read = platform::loadPictureBytes(file);
    ASSERT_FALSE(read.isNull()) << "Qt's reader refused the file";
    ASSERT_EQ(read.size(), written.size());
    ASSERT_EQ(read.format(), QImage::Format_Indexed8);
    EXPECT_EQ(read.colorTable(), written.colorTable());
    int wrong = 0;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
            if (read.pixelIndex(x, y) != written.pixelIndex(x, y) && ++wrong <= 3)
                ADD_FAILURE() << "index at (" << x << ", " << y << ") is " << read.pixelIndex(x, y)
                              << ", written " << written.pixelIndex(x, y);
    EXPECT_EQ(wrong, 0);
}

void expectBothFormsReadBack(const QImage& written) {
    {
        SCOPED_TRACE("uncompressed");
        expectReadBackExactly(tools::plainIndexedBitmap(written), written);
    }
    {
        SCOPED_TRACE("run-length encoded");
        expectReadBackExactly(tools::rle8IndexedBitmap(written), written);
    }
}

// Decodes a BI_RLE8 stream the strict way: every code as the format defines it, no row
// longer than the picture, every row ended by end-of-line and the last by end-of-bitmap, and
// nothing after that. The rows come out top row first. Nothing on a failure.
std::optional<std::vector<std::vector<int>>> strictlyDecoded(const QByteArray& code, int width,
                                                             int height) {
    std::vector<std::vector<int>> rows(1);
    qsizetype at = 0;
    const auto next = [&] {
        return at < code.size() ? static_cast<unsigned char>(code[at++]) : -1;
    };
    while (true) {
        const int count = next();
        const int value = next();
        if (count < 0 || value < 0)
            return std::nullopt;
        if (count == 0 && (value == 0 || value == 1)) {
            if (static_cast<int>(rows.back().size()) != width)
                return std::nullopt;
            if (value == 1)
                break;
            rows.emplace_back();
            continue;
        }
        if (count == 0 && value == 2)
            return std::nullopt; // the writer never skips pixels
        std::vector<int>& row = rows.back();
        if (count > 0)
            row.insert(row.end(), count, value);
        for (int i = 0; count == 0 && i < value; ++i)
            row.push_back(next());
        if (count == 0 && value % 2 == 1 && next() != 0)
            return std::nullopt; // an absolute stretch ends on a 16-bit boundary
        if (static_cast<int>(row.size()) > width || *std::min_element(row.begin(), row.end()) < 0)
            return std::nullopt;
    }
    if (at != code.size() || static_cast<int>(rows.size()) != height)
        return std::nullopt;
    std::reverse(rows.begin(), rows.end());
    return rows;
}

void expectStrictlyDecodable(const QImage& written) {
    const QByteArray code = tools::encodeRle8(written);
    const auto rows = strictlyDecoded(code, written.width(), written.height());
    ASSERT_TRUE(rows.has_value()) << "the run-length code breaks the format";
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
            ASSERT_EQ((*rows)[y][x], written.pixelIndex(x, y)) << "at (" << x << ", " << y << ")";
}

TEST(IndexedBitmap, OnePixel) {
    const QImage one = indexedImage(1, 1, 1, [](int, int) { return 0; });
    expectBothFormsReadBack(one);
    expectStrictlyDecodable(one);
}

TEST(IndexedBitmap, OneColourOverAWholePicture) {
    const QImage flat = indexedImage(600, 400, 1, [](int, int) { return 0; });
    expectBothFormsReadBack(flat);
    expectStrictlyDecodable(flat);
    // Each row: runs of 255, 255 and 90 pixels, then the end code.
    EXPECT_EQ(tools::encodeRle8(flat).size(), 400 * 8);
    const QByteArray smallest = tools::smallestIndexedBitmap(flat);
    EXPECT_EQ(field(smallest, 30, 4), 1) << "compressed with BI_RLE8";
    EXPECT_EQ(field(smallest, 46, 4), 1) << "one colour in the table";
}

TEST(IndexedBitmap, OddWidthsAndTheirPadding) {
    for (const int width : {1, 2, 3, 5, 7, 13, 254, 255, 256, 257, 511}) {
        SCOPED_TRACE(width);
        const QImage noise = noiseImage(width, 5, 7, static_cast<unsigned>(width));
        expectBothFormsReadBack(noise);
        expectStrictlyDecodable(noise);
        const QImage stripes =
            indexedImage(width, 4, 3, [](int x, int y) { return (x / 3 + y) % 3; });
        expectBothFormsReadBack(stripes);
        expectStrictlyDecodable(stripes);
    }
}

TEST(IndexedBitmap, RunsAroundTheLongestOneCode) {
    for (const int run : {2, 3, 4, 254, 255, 256, 510, 511, 700}) {
        SCOPED_TRACE(run);
        // A run, a mixed stretch of 2, another run and a single pixel at the end of the row.
        const QImage runs = indexedImage(run * 2 + 3, 3, 4, [run](int x, int y) {
            if (x < run)
                return y % 4;
            if (x < run + 2)
                return 1 + x % 2;
            return x == 2 * run + 2 ? 3 : 0;
        });
        expectBothFormsReadBack(runs);
        expectStrictlyDecodable(runs);
    }
}

TEST(IndexedBitmap, MixedStretchesOfEveryAbsoluteLength) {
    for (const int stretch : {3, 4, 5, 6, 253, 254, 255, 256, 257, 600}) {
        SCOPED_TRACE(stretch);
        // Alternating indices never repeat, so the whole row is absolute stretches.
        const QImage mixed = indexedImage(stretch + 10, 2, 256, [stretch](int x, int y) {
            return x < stretch ? (x * 7 + y) % 256 : 9;
        });
        expectBothFormsReadBack(mixed);
        expectStrictlyDecodable(mixed);
    }
}

TEST(IndexedBitmap, AFullPaletteOfNoiseStaysUncompressed) {
    const QImage noise = noiseImage(123, 77, 256, 11);
    expectBothFormsReadBack(noise);
    expectStrictlyDecodable(noise);
    const QByteArray smallest = tools::smallestIndexedBitmap(noise);
    EXPECT_EQ(field(smallest, 28, 2), 8) << "bits a pixel";
    EXPECT_EQ(field(smallest, 30, 4), 0) << "noise does not shrink by runs";
    EXPECT_EQ(smallest.size(), 14 + 40 + 256 * 4 + 124 * 77);
    expectReadBackExactly(smallest, noise);
}

TEST(IndexedBitmap, HeaderDescribesTheFile) {
    const QImage lines = indexedImage(37, 21, 5, [](int x, int y) { return x == y ? 4 : 0; });
    for (const QByteArray& file :
         {tools::plainIndexedBitmap(lines), tools::rle8IndexedBitmap(lines)}) {
        EXPECT_TRUE(file.startsWith("BM"));
        EXPECT_EQ(field(file, 2, 4), file.size()) << "file size";
        EXPECT_EQ(field(file, 10, 4), 14 + 40 + 5 * 4) << "pixels follow the colour table";
        EXPECT_EQ(field(file, 18, 4), 37);
        EXPECT_EQ(field(file, 22, 4), 21) << "positive height: bottom row first";
        EXPECT_EQ(field(file, 34, 4), file.size() - field(file, 10, 4)) << "pixel bytes";
    }
}

// A file cut short (a broken download, a full disk) shows nothing rather than half a picture.
TEST(IndexedBitmap, ACutFileGivesNoPicture) {
    const QImage stripes = indexedImage(90, 40, 3, [](int x, int y) { return (x / 7 + y) % 3; });
    for (QByteArray file :
         {tools::plainIndexedBitmap(stripes), tools::rle8IndexedBitmap(stripes)}) {
        ASSERT_FALSE(platform::loadPictureBytes(file).isNull());
        file.chop(2);
        EXPECT_TRUE(platform::loadPictureBytes(file).isNull());
    }
}

} // namespace

// Tests of the JPEG pictures of the export: decodable at their size, colours kept, errors
// named.
#include "JpegWriter.h"
#include "JpegDecoder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace files {
namespace {

using test::DecodeJpeg;
using test::readBytes;
using test::TempFolder;

// A picture of width × height: white with a black frame and a red block in the middle.
std::vector<unsigned char> framedPicture(int width, int height, std::size_t stride) {
    std::vector<unsigned char> rgb(stride * height, 0xAB); // padding bytes are not read
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = rgb.data() + y * stride + x * 3;
            const bool frame = x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
            const bool block =
                x >= width / 3 && x < 2 * width / 3 && y >= height / 3 && y < 2 * height / 3;
            p[0] = frame ? 0 : 255;
            p[1] = p[2] = frame || block ? 0 : 255;
        }
    return rgb;
}

// Lossy coding moves the colours of flat areas by a few levels; 24 of 255 leaves black,
// white and red far apart.
constexpr int ColourTolerance = 24;

void expectNear(unsigned actual, unsigned expected, const char* where) {
    for (int shift : {16, 8, 0})
        EXPECT_NEAR(static_cast<int>((actual >> shift) & 0xFF),
                    static_cast<int>((expected >> shift) & 0xFF), ColourTolerance)
            << where << std::hex << " 0x" << actual << " vs 0x" << expected;
}

TEST(JpegWriter, PicturesDecodeAtTheirSizeWithTheirColours) {
    struct Case {
        int width, height;
        std::size_t stride;
    };
    // The export's sizes, one with row padding as QImage has it, and odd sizes.
    const Case cases[] = {{421, 260, 421 * 3},
                          {500, 340, 500 * 4},
                          {530, 340, 530 * 3},
                          {17, 9, 17 * 3 + 1},
                          {1, 1, 3}};
    TempFolder folder;
    for (const Case& c : cases) {
        const std::vector<unsigned char> rgb = framedPicture(c.width, c.height, c.stride);
        const std::string path = folder.file("p" + std::to_string(c.width) + ".jpg");
        ASSERT_EQ(JpegWriter::write(path, rgb.data(), c.width, c.height, c.stride), "");
        const test::DecodedJpeg picture = DecodeJpeg(readBytes(path));
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
        EXPECT_EQ(picture.components, 3);
        if (c.width < 20 || picture.width != c.width || picture.height != c.height)
            continue;
        expectNear(picture.pixel(1, 1), 0x000000, "frame");
        expectNear(picture.pixel(c.width / 2, c.height / 2), 0xFF0000, "block");
        expectNear(picture.pixel(c.width / 6, c.height / 2), 0xFFFFFF, "white");
    }
}

TEST(JpegWriter, EncodesAtTheEncodersDefaultQuality) {
    // libjpeg's default quality 75 scales the standard luminance table's first entry 16 to
    // 8; the DQT segment of the file carries it right after its table number.
    const std::vector<unsigned char> rgb = framedPicture(64, 64, 64 * 3);
    const std::string bytes = JpegWriter::encode(rgb.data(), 64, 64, 64 * 3);
    const std::size_t dqt = bytes.find("\xFF\xDB");
    ASSERT_NE(dqt, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(bytes[dqt + 4]), 0x00); // 8-bit table 0
    EXPECT_EQ(static_cast<unsigned char>(bytes[dqt + 5]), 8);
}

TEST(JpegWriter, UnusableSizesAndUnwritableFilesAreReported) {
    const std::vector<unsigned char> rgb(300, 0);
    EXPECT_EQ(JpegWriter::encode(rgb.data(), 0, 10, 30), "");
    EXPECT_EQ(JpegWriter::encode(rgb.data(), 10, -1, 30), "");
    EXPECT_EQ(JpegWriter::encode(rgb.data(), 10, 10, 29), ""); // rows shorter than the width
    EXPECT_EQ(JpegWriter::encode(nullptr, 10, 10, 30), "");

    TempFolder folder;
    const std::string missing = folder.file("not-created/Skizze.jpg");
    const std::string error = JpegWriter::write(missing, rgb.data(), 10, 10, 30);
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace files

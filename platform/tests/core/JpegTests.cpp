#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "platform/core/Exceptions.h"
#include "platform/vcl/Graphics.h"
#include "platform/tests/core/TempFolder.h"

namespace {

// Compresses a picture whose left half is one colour and right half another,
// with libjpeg at top quality; colorSpace JCS_RGB, JCS_GRAYSCALE or JCS_CMYK.
std::string MakeJpeg(int width, int height, J_COLOR_SPACE colorSpace, std::vector<uint8_t> left,
                     std::vector<uint8_t> right) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = static_cast<int>(left.size());
    cinfo.in_color_space = colorSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x) {
        const auto& pixel = x < width / 2 ? left : right;
        row.insert(row.end(), pixel.begin(), pixel.end());
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// The pixel at x, y is within a few steps of rgb (JPEG is lossy).
void ExpectPixelNear(const TImageData& image, int x, int y, std::vector<int> rgb) {
    const uint8_t* p = image.Pixels.data() + (static_cast<size_t>(y) * image.Width + x) * 3;
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(p[c], rgb[c], 6) << "pixel " << x << "," << y << " channel " << c;
}

}  // namespace

TEST(Jpeg, DecodesColourGreyAndCmykToRgb) {
    TJPEGImage image;
    image.LoadFromBytes(MakeJpeg(64, 24, JCS_RGB, {200, 30, 40}, {20, 60, 220}));
    ASSERT_EQ(image.Data().Width, 64);
    ASSERT_EQ(image.Data().Height, 24);
    ASSERT_EQ(image.Data().Pixels.size(), 64u * 24 * 3);
    ExpectPixelNear(image.Data(), 4, 12, {200, 30, 40});
    ExpectPixelNear(image.Data(), 60, 20, {20, 60, 220});

    image.LoadFromBytes(MakeJpeg(16, 8, JCS_GRAYSCALE, {40}, {210}));
    ExpectPixelNear(image.Data(), 0, 0, {40, 40, 40});
    ExpectPixelNear(image.Data(), 15, 7, {210, 210, 210});

    // libjpeg marks CMYK with an Adobe marker, so the inks are stored inverted
    // (255 = no ink): white on the left, magenta and yellow inks (red) on the right.
    image.LoadFromBytes(MakeJpeg(16, 8, JCS_CMYK, {255, 255, 255, 255}, {255, 0, 0, 255}));
    ExpectPixelNear(image.Data(), 0, 0, {255, 255, 255});
    ExpectPixelNear(image.Data(), 15, 0, {255, 0, 0});
}

TEST(Jpeg, BrokenFilesRaiseInvalidGraphicAndKeepThePicture) {
    TempFolder folder;
    const std::string good = MakeJpeg(32, 32, JCS_RGB, {255, 0, 0}, {0, 255, 0});
    TempFolder::Write(folder / "photo.dat", good);  // recognised by content, not by name
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromFile(folder / "photo.dat");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 32);

    std::string corruptHeader = good;
    size_t frame = good.find("\xFF\xC0", 2);
    corruptHeader[frame + 5] = corruptHeader[frame + 6] = 0;  // picture height 0 in the frame header
    std::string scrambled = good.substr(0, good.size() / 2);
    for (size_t i = good.size() / 2; i < good.size() - 2; ++i) scrambled += static_cast<char>(0x5A ^ i);
    scrambled += "\xFF\xD9";

    struct Case { const char* name; std::string bytes; };
    for (const auto& [name, bytes] : {Case{"truncated.jpg", good.substr(0, good.size() * 2 / 3)},
                                      Case{"header-only.jpg", good.substr(0, 40)},
                                      Case{"corrupt-header.jpg", corruptHeader},
                                      Case{"not-a-jpeg.jpg", std::string("GIF89a not really")},
                                      Case{"empty.jpg", std::string()}}) {
        TempFolder::Write(folder / name, bytes);
        EXPECT_THROW(picture.LoadFromFile(folder / name), EInvalidGraphic) << name;
        EXPECT_EQ(picture.Width(), 32) << name << " leaves the picture as it was";
    }
    TJPEGImage image;
    EXPECT_THROW(image.LoadFromBytes(scrambled), EInvalidGraphic);
    try {
        image.LoadFromBytes(good.substr(0, good.size() - 100));
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Premature end of JPEG file") << "libjpeg's own words";
    }
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(picture.LoadFromFile(folder / "missing.jpg"), EFOpenError);
}

TEST(Jpeg, RefusesAbsurdSizesBeforeDecoding) {
    // A frame header claiming 20000 x 20000 pixels, with no data behind it.
    std::string bytes = MakeJpeg(8, 8, JCS_RGB, {1, 2, 3}, {1, 2, 3});
    size_t frame = bytes.find("\xFF\xC0", 2);
    ASSERT_NE(frame, std::string::npos);
    const char big[4] = {'\x4E', '\x20', '\x4E', '\x20'};  // height, width = 20000
    std::memcpy(&bytes[frame + 5], big, 4);
    TJPEGImage image;
    try {
        image.LoadFromBytes(bytes);
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "The picture is too large");
    }
}

// libjpeg reduces while it decodes; the picture's own size is still known,
// and the smallest scale chosen always covers the size asked for.
TEST(Jpeg, DecodesAtTheChosenScale) {
    TJPEGImage image;
    int askedWidth = 0, askedHeight = 0;
    image.LoadFromBytes(MakeJpeg(64, 24, JCS_RGB, {200, 30, 40}, {20, 60, 220}), [&](int width, int height) {
        askedWidth = width;
        askedHeight = height;
        return jsQuarter;
    });
    EXPECT_EQ(askedWidth, 64);
    EXPECT_EQ(askedHeight, 24);
    EXPECT_EQ(image.Scale(), jsQuarter);
    EXPECT_EQ(image.Width(), 64);
    EXPECT_EQ(image.Height(), 24);
    ASSERT_EQ(image.Data().Width, 16);
    ASSERT_EQ(image.Data().Height, 6);
    ExpectPixelNear(image.Data(), 2, 3, {200, 30, 40});
    ExpectPixelNear(image.Data(), 13, 3, {20, 60, 220});

    EXPECT_EQ(ScaleToCover(10000, 10000, 196, 272), jsEighth);
    EXPECT_EQ(ScaleToCover(1000, 1000, 196, 196), jsQuarter);  // an eighth gives 125
    EXPECT_EQ(ScaleToCover(1001, 1001, 126, 126), jsEighth);   // 1001 / 8 rounds up to 126
    EXPECT_EQ(ScaleToCover(400, 300, 200, 151), jsFullSize);   // half the height is 150
    EXPECT_EQ(ScaleToCover(400, 300, 200, 150), jsHalf);
    EXPECT_EQ(ScaleToCover(100, 100, 400, 400), jsFullSize);
}

#include "platform/picture.h"

#include "inchild.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

// A 3 x 2 test card: red, green, blue on top; white, black, grey below.
constexpr std::uint8_t kCard[2][3][3] = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                                         {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}}};

void put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

std::string bmpHeader(int w, int h, int bits, std::uint32_t paletteCount, std::size_t dataSize) {
    std::string s = "BM";
    const std::uint32_t offset = 14 + 40 + paletteCount * 4;
    put32(s, static_cast<std::uint32_t>(offset + dataSize));
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, static_cast<std::uint32_t>(w));
    put32(s, static_cast<std::uint32_t>(h));
    put16(s, 1);
    put16(s, static_cast<unsigned>(bits));
    put32(s, 0);
    put32(s, static_cast<std::uint32_t>(dataSize));
    put32(s, 2835);
    put32(s, 2835);
    put32(s, paletteCount);
    put32(s, 0);
    return s;
}

// 24 bits, bottom-up rows padded to 4 bytes, as most programs write it.
std::string cardBmp24() {
    std::string data;
    for (int y = 1; y >= 0; --y) {
        for (int x = 0; x < 3; ++x) {
            data += static_cast<char>(kCard[y][x][2]);
            data += static_cast<char>(kCard[y][x][1]);
            data += static_cast<char>(kCard[y][x][0]);
        }
        data += std::string(3, '\0');
    }
    return bmpHeader(3, 2, 24, 0, data.size()) + data;
}

// 8-bit palette, top-down (negative height).
std::string cardBmp8() {
    std::string palette;
    for (const auto& row : kCard) {
        for (const auto& px : row) {
            palette += {static_cast<char>(px[2]), static_cast<char>(px[1]),
                        static_cast<char>(px[0]), '\0'};
        }
    }
    const std::string data = std::string("\0\1\2\0\3\4\5\0", 8);
    return bmpHeader(3, -2, 8, 6, data.size()) + palette + data;
}

std::string cardJpeg(bool gray = false) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = 3;
    c.image_height = 2;
    c.input_components = gray ? 1 : 3;
    c.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    jpeg_start_compress(&c, TRUE);
    for (int y = 0; y < 2; ++y) {
        unsigned char row[9];
        for (int x = 0; x < 3; ++x) {
            for (int k = 0; k < 3; ++k) {
                row[x * (gray ? 1 : 3) + (gray ? 0 : k)] = kCard[y][x][gray ? 0 : k];
            }
        }
        JSAMPROW r = row;
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::string bytes(reinterpret_cast<char*>(out), size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return bytes;
}

void appendPng(png_structp png, png_bytep data, png_size_t n) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), n);
}

std::string cardPng(int colorType, bool interlaced = false) {
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, appendPng, nullptr);
    png_set_IHDR(png, info, 3, 2, 8, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[6];
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i < 6; ++i) {
            palette[i] = {kCard[i / 3][i % 3][0], kCard[i / 3][i % 3][1], kCard[i / 3][i % 3][2]};
        }
        png_set_PLTE(png, info, palette, 6);
    }
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < 2; ++y) {
            std::vector<png_byte> row;
            for (int x = 0; x < 3; ++x) {
                if (colorType == PNG_COLOR_TYPE_PALETTE) {
                    row.push_back(static_cast<png_byte>(y * 3 + x));
                } else if (colorType == PNG_COLOR_TYPE_RGB_ALPHA) {
                    row.insert(row.end(), {kCard[y][x][0], kCard[y][x][1], kCard[y][x][2], 200});
                } else {
                    row.insert(row.end(), {kCard[y][x][0], kCard[y][x][1], kCard[y][x][2]});
                }
            }
            png_write_row(png, row.data());
        }
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

void expectCard(const Picture& p, int tolerance, std::uint8_t alpha = 255) {
    ASSERT_EQ(p.width, 3);
    ASSERT_EQ(p.height, 2);
    ASSERT_EQ(p.rgba.size(), 24U);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t* px = &p.rgba[static_cast<std::size_t>((y * 3 + x) * 4)];
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(px[k], kCard[y][x][k], tolerance) << x << "," << y << " channel " << k;
            }
            EXPECT_EQ(px[3], alpha);
        }
    }
}

} // namespace

TEST(Picture, DecodesEveryFormatIntoRgba) {
    expectCard(*decodePicture(cardBmp24(), "a.bmp"), 0);
    expectCard(*decodePicture(cardBmp8(), "a.bmp"), 0);
    expectCard(*decodePicture(cardPng(PNG_COLOR_TYPE_RGB), "a.png"), 0);
    expectCard(*decodePicture(cardPng(PNG_COLOR_TYPE_PALETTE), "a.png"), 0);
    expectCard(*decodePicture(cardPng(PNG_COLOR_TYPE_RGB, true), "a.png"), 0);
    expectCard(*decodePicture(cardPng(PNG_COLOR_TYPE_RGB_ALPHA), "a.png"), 0, 200);
    // JPEG is lossy and smears colour over such tiny blocks; only the shape is certain.
    const auto jpeg = decodePicture(cardJpeg(), "a.jpg");
    ASSERT_TRUE(jpeg) << jpeg.error().text();
    EXPECT_EQ(jpeg->width, 3);
    EXPECT_EQ(jpeg->height, 2);
    EXPECT_EQ(jpeg->rgba[3], 255);
    // Stray bytes before the end marker, as some cameras write, are harmless.
    std::string stray = cardJpeg();
    stray.insert(stray.size() - 2, "\0\0\0", 3);
    EXPECT_TRUE(decodePicture(stray, "a.jpg"));
    const auto gray = decodePicture(cardJpeg(true), "a.jpg");
    ASSERT_TRUE(gray) << gray.error().text();
    EXPECT_EQ(gray->rgba.size(), 24U);
}

TEST(Picture, RecognisesByContentNotByName) {
    EXPECT_EQ(pictureFormatOf(cardPng(PNG_COLOR_TYPE_RGB)), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf(cardJpeg()), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatOf(cardBmp24()), PictureFormat::Bmp);
    EXPECT_EQ(pictureFormatOf("GIF89a"), PictureFormat::Unknown);
    EXPECT_TRUE(decodePicture(cardPng(PNG_COLOR_TYPE_RGB), "obrazek.jpg"));
}

// Every damaged form must come back as an error naming the file, never as a picture or
// a crash: cut at every length, and with bytes overwritten in the middle.
TEST(Picture, DamagedFilesAreErrorsNamingTheFile) {
    const std::pair<std::string, std::string> samples[] = {
        {"karta.bmp", cardBmp24()},
        {"karta8.bmp", cardBmp8()},
        {"karta.jpg", cardJpeg()},
        {"karta.png", cardPng(PNG_COLOR_TYPE_RGB)},
    };
    for (const auto& [name, bytes] : samples) {
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            const auto r = decodePicture(bytes.substr(0, n), name);
            ASSERT_FALSE(r) << name << " cut at " << n;
            EXPECT_EQ(r.error().where, name);
            EXPECT_FALSE(r.error().reason.empty());
        }
    }
    // The reasons are the program's own, in Czech: the libraries' English stays inside.
    std::string jpeg = cardJpeg();
    const std::string cutJpeg = jpeg.substr(0, jpeg.size() / 2);
    for (std::size_t i = 20; i < jpeg.size() - 2; ++i) {
        jpeg[i] = '\xFF';
    }
    std::string png = cardPng(PNG_COLOR_TYPE_RGB);
    const std::string cutPng = png.substr(0, png.size() - 20);
    png[png.size() / 2] ^= 0x55; // breaks a CRC or the deflate stream
    const std::pair<std::string, std::string> reasons[] = {
        {cutJpeg, "poškozený soubor JPEG (soubor je neúplný)"},
        {jpeg, "poškozený soubor JPEG (data obrázku jsou poškozená)"},
        {cutPng, "poškozený soubor PNG (soubor je neúplný)"},
        {png, "poškozený soubor PNG (data obrázku jsou poškozená)"},
    };
    for (const auto& [bytes, reason] : reasons) {
        const auto r = decodePicture(bytes, "x");
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().reason, reason);
    }
    const auto unknown = decodePicture("GIF89a....", "x.gif");
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().reason, "neznámý formát obrázku (podporované jsou BMP, JPEG a PNG)");
}

TEST(Picture, RefusesHugeImagesBeforeDecoding) {
    // Headers claiming 16385 x 1 and 10000 x 10000 (400 MB decoded) with no pixel data.
    std::string wide = bmpHeader(16385, 1, 24, 0, 0);
    std::string big = bmpHeader(10000, 10000, 24, 0, 0);
    for (const std::string& bmp : {wide, big}) {
        const auto r = decodeBmp(bmp, "velky.bmp");
        ASSERT_FALSE(r);
        EXPECT_NE(r.error().reason.find("příliš velký"), std::string::npos) << r.error().reason;
    }
    // The same checks hold for the compressed formats, tested with a lower limit.
    const PictureLimits tiny{2, 1 << 20};
    for (const std::string& bytes : {cardJpeg(), cardPng(PNG_COLOR_TYPE_RGB), cardBmp24()}) {
        const auto r = decodePicture(bytes, "x", tiny);
        ASSERT_FALSE(r);
        EXPECT_NE(r.error().reason.find("příliš velký"), std::string::npos) << r.error().reason;
    }
}

TEST(Picture, LoadsFromFileAndReportsMissingOnes) {
    TempFolder dir;
    dir.write("léto.png", cardPng(PNG_COLOR_TYPE_PALETTE));
    expectCard(*loadPicture(dir / "léto.png"), 0);
    const auto missing = loadPicture(dir / "nic.jpg");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().where, (dir / "nic.jpg").string());
    dir.write("prazdny.bmp", "");
    EXPECT_EQ(loadPicture(dir / "prazdny.bmp").error().reason, "soubor je prázdný");
}

// A picture path naming a device or a pipe must neither read without end nor wait for a
// writer: both are refused as not being files, at once.
TEST(Picture, SpecialFilesAreRefusedWithoutBlocking) {
    TempFolder dir;
    const std::filesystem::path fifo = dir / "roura.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::filesystem::path& path : {std::filesystem::path("/dev/zero"), fifo}) {
        EXPECT_TRUE(test::passesWithin(2, [&path] {
            const auto r = loadPicture(path);
            return !r && r.error().where == path.string() &&
                   r.error().reason == "není to obyčejný soubor";
        })) << path;
    }
}

// A file above the limit is refused from its size alone; a sparse file makes the test cheap.
TEST(Picture, FileAboveTheSizeLimitIsRefusedUnread) {
    TempFolder dir;
    const std::filesystem::path big = dir / "velky.bmp";
    dir.write("velky.bmp", cardBmp24());
    std::filesystem::resize_file(big, (std::uintmax_t{64} << 20) + 1);
    const auto r = loadPicture(big);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().where, big.string());
    EXPECT_EQ(r.error().reason, "soubor je příliš velký (nejvýš 64 MB)");
}

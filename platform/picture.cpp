#include "platform/picture.h"

#include "platform/atomicfile.h"

#include <array>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include <csetjmp>
#include <jpeglib.h>

#include <jerror.h>
#include <png.h>

namespace tarvenik {

namespace {

Error fail(std::string_view where, std::string reason) {
    return Error{std::string(where), std::move(reason)};
}

// Checked before any pixel memory is taken, so a forged header cannot ask for gigabytes.
std::optional<std::string> sizeProblem(std::uint64_t w, std::uint64_t h,
                                       const PictureLimits& limits) {
    if (w == 0 || h == 0) {
        return "obrázek nemá žádné body";
    }
    const auto side = static_cast<std::uint64_t>(limits.maxSide);
    if (w > side || h > side || w * h * 4 > limits.maxBytes) {
        return "obrázek je příliš velký (" + std::to_string(w) + " × " + std::to_string(h) +
               " bodů)";
    }
    return std::nullopt;
}

Picture blankPicture(int w, int h) {
    Picture p;
    p.width = w;
    p.height = h;
    p.rgba.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0);
    return p;
}

// ---- BMP ------------------------------------------------------------------------------

std::uint32_t le32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    }
    return v;
}
std::uint16_t le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

// One colour channel described by a bit mask, scaled to 0-255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    static Channel of(std::uint32_t mask) {
        Channel c;
        c.mask = mask;
        if (mask != 0) {
            while (((mask >> c.shift) & 1U) == 0) {
                ++c.shift;
            }
            c.max = mask >> c.shift;
        }
        return c;
    }
    std::uint8_t get(std::uint32_t pixel, std::uint8_t absent) const {
        if (mask == 0) {
            return absent;
        }
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
};

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

} // namespace

Result<Picture> decodeBmp(std::string_view b, std::string_view where, const PictureLimits& limits) {
    if (b.size() < 14 + 12 || b.substr(0, 2) != "BM") {
        return fail(where, "soubor BMP je neúplný nebo poškozený");
    }
    const std::uint32_t dataOffset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    if (headerSize < 12 || headerSize > b.size() - 14) {
        return fail(where, "soubor BMP je neúplný nebo poškozený");
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t paletteCount = 0;
    std::size_t paletteEntry = 4;
    std::array<std::uint32_t, 4> masks{}; // r, g, b, a
    if (headerSize == 12) {               // OS/2 core header
        width = le16(b, 18);
        height = static_cast<std::int16_t>(le16(b, 20));
        bits = le16(b, 24);
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = static_cast<std::int32_t>(le32(b, 18));
        height = static_cast<std::int32_t>(le32(b, 22));
        bits = le16(b, 28);
        compression = le32(b, 30);
        paletteCount = le32(b, 46);
        if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
            // The masks follow the 40-byte header, inside it for V4/V5 headers.
            const std::size_t at = 14 + 40;
            const std::size_t count = compression == kBiAlphaBitfields || headerSize >= 56 ? 4 : 3;
            if (b.size() < at + count * 4) {
                return fail(where, "soubor BMP je neúplný nebo poškozený");
            }
            for (std::size_t i = 0; i < count; ++i) {
                masks[i] = le32(b, at + i * 4);
            }
        }
    } else {
        return fail(where, "nepodporovaný druh souboru BMP");
    }
    const bool topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0) {
        return fail(where, "obrázek nemá žádné body");
    }
    if (auto problem = sizeProblem(static_cast<std::uint64_t>(width),
                                   static_cast<std::uint64_t>(height), limits)) {
        return fail(where, *problem);
    }
    const bool paletted = bits == 1 || bits == 4 || bits == 8;
    const bool masked = compression == kBiBitfields || compression == kBiAlphaBitfields;
    if (!(paletted || bits == 16 || bits == 24 || bits == 32) ||
        (compression != kBiRgb && !(masked && (bits == 16 || bits == 32)))) {
        return fail(where, "nepodporovaný druh souboru BMP (" + std::to_string(bits) +
                               " bitů, komprese " + std::to_string(compression) + ")");
    }
    if (!masked) {
        if (bits == 16) {
            masks = {0x7C00, 0x03E0, 0x001F, 0};
        } else if (bits == 24 || bits == 32) {
            masks = {0xFF0000, 0xFF00, 0xFF, 0};
        }
    }

    std::array<std::array<std::uint8_t, 4>, 256> palette;
    palette.fill({0, 0, 0, 255}); // indexes past a short palette read as black
    if (paletted) {
        const std::uint32_t full = 1U << bits;
        const std::uint32_t count = paletteCount == 0 || paletteCount > full ? full : paletteCount;
        const std::size_t at =
            14 + headerSize + (compression == kBiBitfields && headerSize == 40 ? 12 : 0);
        if (b.size() < at + count * paletteEntry) {
            return fail(where, "soubor BMP je neúplný nebo poškozený");
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t e = at + i * paletteEntry;
            palette[i] = {static_cast<std::uint8_t>(b[e + 2]), static_cast<std::uint8_t>(b[e + 1]),
                          static_cast<std::uint8_t>(b[e]), 255};
        }
    }

    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    const std::size_t stride = ((w * bits + 31) / 32) * 4;
    if (dataOffset > b.size() || (b.size() - dataOffset) / stride < h) {
        return fail(where, "soubor BMP je neúplný nebo poškozený");
    }
    const std::array<Channel, 4> ch = {Channel::of(masks[0]), Channel::of(masks[1]),
                                       Channel::of(masks[2]), Channel::of(masks[3])};
    Picture pic = blankPicture(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t row = dataOffset + (topDown ? y : h - 1 - y) * stride;
        std::uint8_t* out = pic.rgba.data() + y * w * 4;
        for (std::size_t x = 0; x < w; ++x, out += 4) {
            if (paletted) {
                const std::size_t bit = x * bits;
                const auto byte = static_cast<std::uint8_t>(b[row + bit / 8]);
                const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1U << bits) - 1);
                std::memcpy(out, palette[index].data(), 4);
                continue;
            }
            std::uint32_t px = 0;
            const std::size_t at = row + x * (bits / 8);
            if (bits == 16) {
                px = le16(b, at);
            } else if (bits == 24) {
                px = static_cast<std::uint32_t>(le16(b, at)) |
                     (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16);
            } else {
                px = le32(b, at);
            }
            out[0] = ch[0].get(px, 0);
            out[1] = ch[1].get(px, 0);
            out[2] = ch[2].get(px, 0);
            out[3] = ch[3].get(px, 255);
        }
    }
    return pic;
}

// ---- JPEG -----------------------------------------------------------------------------

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    const char* reason; // in the user's words; the library's own messages are English
};

// The reasons a user can act on: the file was cut short, it is a kind of JPEG this program
// does not decode, or it is damaged in some other way.
const char* jpegReason(int code) {
    switch (code) {
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY:
        return "poškozený soubor JPEG (soubor je neúplný)";
    case JERR_ARITH_NOTIMPL:
    case JERR_BAD_PRECISION:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
        return "nepodporovaný druh souboru JPEG";
    case JERR_OUT_OF_MEMORY:
        return "nedostatek paměti";
    default:
        return "poškozený soubor JPEG (data obrázku jsou poškozená)";
    }
}

[[noreturn]] void jpegStop(j_common_ptr cinfo, const char* reason) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    err->reason = reason;
    std::longjmp(err->jump, 1);
}

[[noreturn]] void jpegFatal(j_common_ptr cinfo) {
    jpegStop(cinfo, jpegReason(cinfo->err->msg_code));
}

// A warning means the data is corrupt or cut short; the library would go on and paint the
// rest grey, but a damaged picture is an error here. Stray bytes between markers are the
// one harmless warning: many cameras write them.
void jpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code != JWRN_EXTRANEOUS_DATA) {
        jpegFatal(cinfo);
    }
}

void jpegSilent(j_common_ptr) {}

// Progressive files with thousands of tiny scans take very long to decode; real pictures
// have a handful.
void jpegProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > 500) {
        jpegStop(cinfo, "poškozený soubor JPEG (příliš mnoho průchodů)");
    }
}

struct JpegJob {
    jpeg_decompress_struct cinfo{};
    JpegError err{};
    jpeg_progress_mgr progress{};
    Picture pic;
    std::vector<std::uint8_t> rowBuf;
    std::string sizeError;
};

// Everything the decoder allocates lives in `job`, outside this frame, so the longjmp
// back here skips no destructor.
bool runJpeg(JpegJob& job, std::string_view bytes, const PictureLimits& limits) {
    jpeg_decompress_struct& c = job.cinfo;
    c.err = jpeg_std_error(&job.err.mgr);
    job.err.mgr.error_exit = jpegFatal;
    job.err.mgr.emit_message = jpegMessage;
    job.err.mgr.output_message = jpegSilent;
    if (setjmp(job.err.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&c);
    job.progress.progress_monitor = jpegProgress;
    c.progress = &job.progress;
    jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&c, TRUE);
    if (auto problem = sizeProblem(c.image_width, c.image_height, limits)) {
        job.sizeError = *problem;
        return false;
    }
    const bool cmyk = c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK;
    c.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&c);
    job.pic = blankPicture(static_cast<int>(c.output_width), static_cast<int>(c.output_height));
    const std::size_t w = c.output_width;
    job.rowBuf.resize(w * 4);
    while (c.output_scanline < c.output_height) {
        std::uint8_t* out = job.pic.rgba.data() + std::size_t{c.output_scanline} * w * 4;
        JSAMPROW row = cmyk ? job.rowBuf.data() : out;
        jpeg_read_scanlines(&c, &row, 1);
        if (cmyk) { // Adobe writes CMYK inverted: each channel already is 255 - ink
            for (std::size_t x = 0; x < w; ++x) {
                const std::uint8_t* p = &job.rowBuf[x * 4];
                out[x * 4 + 0] = static_cast<std::uint8_t>(p[0] * p[3] / 255);
                out[x * 4 + 1] = static_cast<std::uint8_t>(p[1] * p[3] / 255);
                out[x * 4 + 2] = static_cast<std::uint8_t>(p[2] * p[3] / 255);
                out[x * 4 + 3] = 255;
            }
        }
    }
    jpeg_finish_decompress(&c);
    return true;
}

} // namespace

Result<Picture> decodeJpeg(std::string_view bytes, std::string_view where,
                           const PictureLimits& limits) {
    auto job = std::make_unique<JpegJob>();
    const bool ok = runJpeg(*job, bytes, limits);
    jpeg_destroy_decompress(&job->cinfo);
    if (!ok) {
        if (!job->sizeError.empty()) {
            return fail(where, job->sizeError);
        }
        return fail(where, job->err.reason);
    }
    return std::move(job->pic);
}

// ---- PNG ------------------------------------------------------------------------------

namespace {

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string_view bytes;
    std::size_t pos = 0;
    Picture pic;
    std::string reason; // set before our own stops; the library's messages are English
};

[[noreturn]] void pngFatal(png_structp png, png_const_charp) {
    auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
    if (job->reason.empty()) {
        job->reason = "poškozený soubor PNG (data obrázku jsou poškozená)";
    }
    png_longjmp(png, 1);
}

[[noreturn]] void pngStop(png_structp png, const char* reason) {
    static_cast<PngJob*>(png_get_error_ptr(png))->reason = reason;
    png_error(png, reason);
}

void pngWarning(png_structp, png_const_charp) {}

void pngRead(png_structp png, png_bytep out, png_size_t length) {
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (job->bytes.size() - job->pos < length) {
        pngStop(png, "poškozený soubor PNG (soubor je neúplný)");
    }
    std::memcpy(out, job->bytes.data() + job->pos, length);
    job->pos += length;
}

bool runPng(PngJob& job, const PictureLimits& limits) {
    if (setjmp(png_jmpbuf(job.png)) != 0) {
        return false;
    }
    png_set_read_fn(job.png, &job, pngRead);
    png_set_chunk_malloc_max(job.png, 64U << 20);
    png_read_info(job.png, job.info);
    const png_uint_32 w = png_get_image_width(job.png, job.info);
    const png_uint_32 h = png_get_image_height(job.png, job.info);
    if (auto problem = sizeProblem(w, h, limits)) {
        job.reason = *problem;
        return false;
    }
    const int type = png_get_color_type(job.png, job.info);
    png_set_expand(job.png); // palette -> RGB, small grey -> 8 bit, tRNS -> alpha
    png_set_strip_16(job.png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(job.png);
    }
    png_set_add_alpha(job.png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(job.png);
    png_read_update_info(job.png, job.info);
    if (png_get_rowbytes(job.png, job.info) != std::size_t{w} * 4) {
        pngStop(job.png, "poškozený soubor PNG (nečekaný formát bodů)");
    }
    job.pic = blankPicture(static_cast<int>(w), static_cast<int>(h));
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < h; ++y) {
            png_read_row(job.png, job.pic.rgba.data() + std::size_t{y} * w * 4, nullptr);
        }
    }
    png_read_end(job.png, nullptr);
    return true;
}

} // namespace

Result<Picture> decodePng(std::string_view bytes, std::string_view where,
                          const PictureLimits& limits) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8)) {
        return fail(where, "poškozený soubor PNG (chybný podpis)");
    }
    auto job = std::make_unique<PngJob>();
    job->bytes = bytes;
    job->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job.get(), pngFatal, pngWarning);
    if (job->png) {
        job->info = png_create_info_struct(job->png);
    }
    if (!job->png || !job->info) {
        png_destroy_read_struct(&job->png, &job->info, nullptr);
        return fail(where, "nedostatek paměti");
    }
    const bool ok = runPng(*job, limits);
    png_destroy_read_struct(&job->png, &job->info, nullptr);
    if (!ok) {
        return fail(where, job->reason);
    }
    return std::move(job->pic);
}

// ---- dispatch -------------------------------------------------------------------------

PictureFormat pictureFormatOf(std::string_view b) {
    if (b.size() >= 2 && b.substr(0, 2) == "BM") {
        return PictureFormat::Bmp;
    }
    if (b.size() >= 3 && b.substr(0, 3) == "\xFF\xD8\xFF") {
        return PictureFormat::Jpeg;
    }
    if (b.size() >= 8 && b.substr(0, 8) == "\x89PNG\r\n\x1A\n") {
        return PictureFormat::Png;
    }
    return PictureFormat::Unknown;
}

Result<Picture> decodePicture(std::string_view bytes, std::string_view where,
                              const PictureLimits& limits) {
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp:
        return decodeBmp(bytes, where, limits);
    case PictureFormat::Jpeg:
        return decodeJpeg(bytes, where, limits);
    case PictureFormat::Png:
        return decodePng(bytes, where, limits);
    case PictureFormat::Unknown:
        break;
    }
    if (bytes.empty()) {
        return fail(where, "soubor je prázdný");
    }
    return fail(where, "neznámý formát obrázku (podporované jsou BMP, JPEG a PNG)");
}

Result<Picture> loadPicture(const std::filesystem::path& path, const PictureLimits& limits) {
    auto bytes = readFileBytes(path, limits.maxFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    return decodePicture(*bytes, path.string(), limits);
}

} // namespace tarvenik

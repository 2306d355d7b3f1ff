#pragma once
// Pictures for the main window's background: BMP, JPEG (libjpeg) and PNG (libpng over
// zlib), recognised by their first bytes and decoded into 8-bit RGBA rows. A file that is
// missing, truncated, damaged, of another format or too big, and a path naming a device or a
// pipe, gives an error naming the file and the reason; no input can crash or stop the program.

#include "platform/atomicfile.h"
#include "platform/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace tarvenik {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // width * height * 4 bytes, rows top to bottom
};

// The file of a background picture: a camera's photo takes a few megabytes, so the limit of
// every data file leaves room to spare while a device or a huge file is never read whole.
inline constexpr std::size_t kMaxPictureFileBytes = kMaxFileBytes;

struct PictureLimits {
    int maxSide = 16384;
    std::size_t maxBytes = std::size_t{256} << 20;   // decoded RGBA
    std::size_t maxFileBytes = kMaxPictureFileBytes; // the file
};

enum class PictureFormat { Unknown, Bmp, Jpeg, Png };

PictureFormat pictureFormatOf(std::string_view bytes);

// `where` names the source in error values (the file's path).
Result<Picture> decodeBmp(std::string_view bytes, std::string_view where,
                          const PictureLimits& limits = {});
Result<Picture> decodeJpeg(std::string_view bytes, std::string_view where,
                           const PictureLimits& limits = {});
Result<Picture> decodePng(std::string_view bytes, std::string_view where,
                          const PictureLimits& limits = {});
Result<Picture> decodePicture(std::string_view bytes, std::string_view where,
                              const PictureLimits& limits = {});

Result<Picture> loadPicture(const std::filesystem::path& path, const PictureLimits& limits = {});

} // namespace tarvenik

// JPEG files of the export pictures, encoded by libjpeg at the encoder's default settings.
#pragma once

#include <cstddef>
#include <string>

namespace files {

// Baseline JPEG with libjpeg's defaults (jpeg_set_defaults: quality 75, 4:2:0 chroma
// subsampling, standard Huffman tables), three colour components, no resolution data.
class JpegWriter {
public:
    // `pixels` holds `height` rows of `width` pixels, three bytes (red, green, blue) per
    // pixel, each row starting `stride` bytes after the previous one.
    // The encoded bytes, or empty when the size is not a usable picture size.
    static std::string encode(const unsigned char* pixels, int width, int height,
                              std::size_t stride);
    // Encodes and writes the file, replacing an existing one. "" when it was written,
    // otherwise the error naming the file.
    static std::string write(const std::string& path, const unsigned char* pixels, int width,
                             int height, std::size_t stride);
};

} // namespace files

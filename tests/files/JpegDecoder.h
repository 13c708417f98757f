// Decoding of JPEG files with libjpeg for the tests of the export pictures.
#pragma once

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace files::test {

// A decoded picture: RGB, three bytes per pixel, rows top to bottom; width 0 when the bytes
// are no JPEG.
struct DecodedJpeg {
    int width = 0, height = 0, components = 0;
    std::vector<unsigned char> rgb;

    // Red, green and blue of pixel (x, y) as 0xRRGGBB.
    unsigned pixel(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return (unsigned{rgb[i]} << 16) | (unsigned{rgb[i + 1]} << 8) | rgb[i + 2];
    }
};

namespace detail {
struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf back;
};
inline void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->back, 1);
}
inline void quiet(j_common_ptr, int) {}

// No C++ object with a destructor lives in this frame (the long jump would skip it).
inline bool decodeInto(const unsigned char* bytes, unsigned long size, DecodedJpeg* out) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = quiet;
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out->width = static_cast<int>(info.output_width);
    out->height = static_cast<int>(info.output_height);
    out->components = info.num_components;
    out->rgb.resize(static_cast<std::size_t>(out->width) * out->height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            out->rgb.data() + static_cast<std::size_t>(info.output_scanline) * out->width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace detail

inline DecodedJpeg DecodeJpeg(const std::string& bytes) {
    DecodedJpeg picture;
    if (bytes.empty() || !detail::decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                                             static_cast<unsigned long>(bytes.size()), &picture))
        return {};
    return picture;
}

} // namespace files::test

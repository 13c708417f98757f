// JPEG files of the export pictures, encoded by libjpeg at the encoder's default settings.
#include "JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <jpeglib.h>

namespace files {

namespace {

// libjpeg's own error exit ends the process; this one returns to the encoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

void returnOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

void silent(j_common_ptr, int) {}

// Encodes into a buffer that libjpeg allocates with malloc; no C++ object lives in this
// frame, so the long jump of an error skips no destructor. True on success.
bool encodeInto(const unsigned char* pixels, int width, int height, std::size_t stride,
                unsigned char** buffer, unsigned long* size) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = returnOnError;
    errors.base.emit_message = silent;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the row, but its interface is not const.
        JSAMPROW row = const_cast<unsigned char*>(pixels + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string JpegWriter::encode(const unsigned char* pixels, int width, int height,
                               std::size_t stride) {
    // JPEG sizes are limited to 65500 pixels a side.
    if (!pixels || width <= 0 || height <= 0 || width > 65500 || height > 65500 ||
        stride < static_cast<std::size_t>(width) * 3)
        return {};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = encodeInto(pixels, width, height, stride, &buffer, &size);
    std::string bytes;
    if (encoded && buffer)
        bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

std::string JpegWriter::write(const std::string& path, const unsigned char* pixels, int width,
                              int height, std::size_t stride) {
    const std::string bytes = encode(pixels, width, height, stride);
    if (bytes.empty())
        return "Could not encode the picture " + path;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return "Could not write the picture " + path;
    return {};
}

} // namespace files

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/jpeg_decoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace volcalc::ui {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back to
// the setjmp of the step that was running. Each step below is a function holding nothing but
// plain C data, so the jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool warned;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (corrupt data, a premature end of the data) make the picture unusable for us: remember
// them and print nothing.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        reinterpret_cast<ErrorManager*>(info->err)->warned = true;
    }
}

// Pictures larger than this are refused before anything is allocated, so a damaged header
// cannot ask for gigabytes.
constexpr JDIMENSION kMaxSide = 16384;

bool StartDecoding(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                   unsigned long size, int* width, int* height) {
    if (setjmp(errors->jump) != 0) {
        return false;
    }
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3 || info->output_width == 0 || info->output_height == 0 ||
        info->output_width > kMaxSide || info->output_height > kMaxSide) {
        return false;
    }
    *width = static_cast<int>(info->output_width);
    *height = static_cast<int>(info->output_height);
    return true;
}

bool ReadLines(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* bits,
               std::ptrdiff_t stride) {
    if (setjmp(errors->jump) != 0) {
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + static_cast<std::ptrdiff_t>(info->output_scanline) * stride;
        if (jpeg_read_scanlines(info, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_decompress(info);
    return !errors->warned;
}

} // namespace

namespace libjpeg {

QImage Decode(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.emit_message = OnMessage;
    jpeg_create_decompress(&info);

    QImage image;
    int width = 0;
    int height = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (StartDecoding(&info, &errors, data, static_cast<unsigned long>(bytes.size()), &width, &height)) {
        image = QImage(width, height, QImage::Format_RGB888);
        if (image.isNull() || !ReadLines(&info, &errors, image.bits(), image.bytesPerLine())) {
            image = QImage();
        }
    }
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace libjpeg
} // namespace volcalc::ui

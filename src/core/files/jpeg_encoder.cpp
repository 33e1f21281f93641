#include "files/picture_codecs.h"

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>

namespace ormel {

namespace {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

void NoMessages(j_common_ptr) {}

// Kept apart so that no C++ object lives in the frame that setjmp returns to. `buffer` and
// `size` receive the memory destination's block, which the caller frees.
bool Encode(const Raster& picture, unsigned char*& buffer, unsigned long& size)
{
    jpeg_compress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = NoMessages;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool EncodeJpeg(const Raster& picture, std::vector<std::uint8_t>& out)
{
    if (picture.empty())
        return false;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Encode(picture, buffer, size);
    if (ok)
        out.assign(buffer, buffer + size);
    std::free(buffer);
    return ok;
}

} // namespace ormel

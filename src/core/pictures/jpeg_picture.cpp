#include "pictures/picture_reader.h"

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <csetjmp>

namespace ormel {

namespace {

// Progressive files with thousands of scans take minutes to decode; real ones have about ten.
constexpr int kMaxScans = 500;

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

struct JpegProgress {
    jpeg_progress_mgr base;
    PictureProgress* progress;
};

void JumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }

// Warnings pass silently, except a premature end of the data, which is an error: a picture cut
// short is refused rather than shown half grey.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        JumpOnError(info);
}

void NoMessages(j_common_ptr) {}

// Stops files with too many scans, and reports the passes done so far.
void MonitorProgress(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        JumpOnError(info);
    const auto* monitor = reinterpret_cast<JpegProgress*>(info->progress);
    const jpeg_progress_mgr& p = monitor->base;
    const std::int64_t limit = std::max(p.pass_limit, 1L), passes = std::max(p.total_passes, 1);
    const std::int64_t done = std::int64_t(p.completed_passes) * limit + std::clamp(p.pass_counter, 0L, limit);
    if (!monitor->progress->report(done, passes * limit))
        JumpOnError(info);
}

// The numerator n of the reduced scale n / 8 whose longer side is the smallest still at least
// maxLongSide; 8 (full size) when no reduced scale is large enough or none is asked for.
unsigned ScaleNumerator(JDIMENSION width, JDIMENSION height, int maxLongSide)
{
    if (maxLongSide <= 0)
        return 8;
    const unsigned long longSide = std::max(width, height);
    for (unsigned n = 1; n < 8; ++n)
        if ((longSide * n + 7) / 8 >= static_cast<unsigned long>(maxLongSide))
            return n;
    return 8;
}

int FindOrientation(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr m = info.marker_list; m != nullptr; m = m->next)
        if (m->marker == JPEG_APP0 + 1)
            if (const int orientation = ExifOrientation({m->data, m->data_length}); orientation != 0)
                return orientation;
    return 0;
}

// CMYK rows as Adobe writes them (inverted) or plain, to blue, green, red.
void CmykToBgr(const JSAMPLE* cmyk, int width, bool inverted, std::uint8_t* bgr)
{
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int ink = inverted ? cmyk[2 - c] : 255 - cmyk[2 - c];
            bgr[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

// Only plain values live in this frame, so that longjmp back to setjmp skips no destructor.
// The picture and result belong to the caller.
void Decode(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options, TPictureResult& result,
            int& orientation, PictureProgress& progress)
{
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    JpegProgress monitor{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = NoMessages;
    monitor.base.progress_monitor = MonitorProgress;
    monitor.progress = &progress;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        if (progress.cancelled()) {
            progress.refuse(result);
        } else {
            result.Outcome = TPictureOutcome::Damaged;
            result.Message = kPictureDamaged;
        }
        return;
    }
    jpeg_create_decompress(&info);
    try {
        info.progress = &monitor.base;
        jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
        if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
            !CheckPictureSize(info.image_width, info.image_height, options.MaxPixels, result)) {
            if (result.Message.empty())
                result.Outcome = TPictureOutcome::Damaged, result.Message = kPictureDamaged;
            jpeg_destroy_decompress(&info);
            return;
        }
        orientation = FindOrientation(info);
        result.FullWidth = static_cast<int>(info.image_width);
        result.FullHeight = static_cast<int>(info.image_height);
        info.scale_num = ScaleNumerator(info.image_width, info.image_height, options.MaxLongSide);
        info.scale_denom = 8;
        const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
        info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
        jpeg_start_decompress(&info);
        const int width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
        AllocatePicture(result.Picture, width, height, false);
        JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                              info.output_width * 4, 1)
                                  : nullptr;
        while (info.output_scanline < info.output_height) {
            std::uint8_t* row = result.Picture.Colour.row(static_cast<int>(info.output_scanline));
            JSAMPROW target = cmyk ? cmykRow[0] : row;
            if (jpeg_read_scanlines(&info, &target, 1) != 1)
                break;
            if (cmyk)
                CmykToBgr(cmykRow[0], width, info.saw_Adobe_marker, row);
        }
        jpeg_finish_decompress(&info);
    } catch (...) {
        jpeg_destroy_decompress(&info);
        throw;
    }
    jpeg_destroy_decompress(&info);
    result.Outcome = TPictureOutcome::Loaded;
}

} // namespace

TPictureResult ReadJpegPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    TPictureResult result;
    result.Format = TPictureFormat::Jpeg;
    int orientation = 0;
    PictureProgress progress(options);
    Decode(bytes, options, result, orientation, progress);
    if (!result.Loaded()) {
        result.Picture = {};
        return result;
    }
    ApplyExifOrientation(result.Picture, orientation);
    if (orientation >= 5)
        std::swap(result.FullWidth, result.FullHeight);
    return result;
}

} // namespace ormel

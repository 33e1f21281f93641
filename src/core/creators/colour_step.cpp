#include "creators/colour_step.h"

#include "creators/cartoon_area.h"
#include "creators/value_selection.h"
#include "effects/tone_adjust.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstddef>

namespace ormel {

namespace {

using Table = std::array<std::uint8_t, 256>;

Table OffsetTable(int offset)
{
    Table table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(std::clamp<long long>(i + static_cast<long long>(offset), 0, 255));
    return table;
}

// The class of every channel value: value div reducer (method 0) or the band that the sorted
// limits cut out of 0-255, a value v lying in the band whose lower bound < v <= upper bound.
Table ClassTable(int reducer, int method, std::array<std::uint8_t, 4> bandLimits)
{
    Table table{};
    if (method == 1) {
        SortBytes(bandLimits, static_cast<int>(bandLimits.size()));
        for (int v = 0; v < 256; ++v) {
            std::uint8_t band = 0;
            while (band < bandLimits.size() && v > bandLimits[band])
                ++band;
            table[static_cast<std::size_t>(v)] = band;
        }
        return table;
    }
    // A level below 1 would divide by zero: it is taken as 1, every value its own class.
    const int level = std::max(reducer, 1);
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v / level);
    return table;
}

std::uint32_t Pack(std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    return std::uint32_t(a) | (std::uint32_t(b) << 8) | (std::uint32_t(c) << 16);
}

// Round for a running mean, which lies in 0 .. 255: adding and taking away 2^52 leaves the
// nearest whole number, ties to even, as Round does, without a library call per join.
int RoundChannel(double mean)
{
    constexpr double kShift = 4503599627370496.0;
    return static_cast<int>((mean + kShift) - kShift);
}

} // namespace

void TColorStep::SetSource(const Raster& bitmap, int x, int y, int width, int height)
{
    sourceWidth_ = bitmap.width();
    sourceHeight_ = bitmap.height();
    const std::size_t sourceRow = static_cast<std::size_t>(sourceWidth_) * 3;
    source_.resize(sourceRow * static_cast<std::size_t>(sourceHeight_));
    for (int row = 0; row < sourceHeight_; ++row)
        std::copy_n(bitmap.row(row), sourceRow, source_.data() + sourceRow * static_cast<std::size_t>(row));

    const TRect area = ClipCartoonArea(x, y, width, height, sourceWidth_, sourceHeight_);
    left_ = area.Left;
    top_ = area.Top;
    width_ = area.Width();
    height_ = area.Height();
    const std::size_t areaRow = static_cast<std::size_t>(width_) * 3;
    reduced_.resize(areaRow * static_cast<std::size_t>(height_));
    for (int row = 0; row < height_; ++row)
        std::copy_n(source_.data() + sourceRow * static_cast<std::size_t>(top_ + row) + 3 * static_cast<std::size_t>(left_),
                    areaRow, reduced_.data() + areaRow * static_cast<std::size_t>(row));
    adjusted_ = smoothed_ = blurred_ = final_ = reduced_;
}

void TColorStep::ReduceColors(int reducer, int method, std::array<std::uint8_t, 4> bandLimits)
{
    const Table classOf = ClassTable(reducer, method, bandLimits);
    const int w = sourceWidth_;
    const int h = sourceHeight_;

    // The source framed by one pixel that counts as visited, so that no neighbour needs a
    // bounds check. Every pixel carries its colour and its three classes, each packed into
    // one number; `painted` collects the result over the whole source.
    const int stride = w + 2;
    const std::size_t framed = static_cast<std::size_t>(stride) * static_cast<std::size_t>(h + 2);
    std::vector<std::uint8_t> visited(framed, 1);
    std::vector<std::uint32_t> keys(framed, 0);
    std::vector<std::uint32_t> painted(framed, 0);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* p = source_.data() + 3 * static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        const std::size_t at = static_cast<std::size_t>(y + 1) * static_cast<std::size_t>(stride) + 1;
        for (std::size_t x = 0; x < static_cast<std::size_t>(w); ++x, p += 3) {
            visited[at + x] = 0;
            keys[at + x] = Pack(classOf[p[0]], classOf[p[1]], classOf[p[2]]);
            painted[at + x] = Pack(p[0], p[1], p[2]);
        }
    }
    // Below, above, left, right, upper-left, upper-right, lower-left, lower-right.
    const int neighbours[8] = {stride, -stride, -1, 1, -stride - 1, -stride + 1, stride - 1, stride + 1};

    std::vector<int> members;
    std::vector<int> generation;
    std::vector<int> next;
    // Seeds are taken over the rows and columns up to the end of the area.
    for (int sy = 0; sy < top_ + height_; ++sy)
        for (int sx = 0; sx < left_ + width_; ++sx) {
            const int seed = (sy + 1) * stride + sx + 1;
            if (visited[static_cast<std::size_t>(seed)])
                continue;
            visited[static_cast<std::size_t>(seed)] = 1;
            const std::uint32_t seedColour = painted[static_cast<std::size_t>(seed)];
            double mean[3] = {double(seedColour & 255), double((seedColour >> 8) & 255), double(seedColour >> 16)};
            std::uint32_t key = keys[static_cast<std::size_t>(seed)];
            members.assign(1, seed);
            generation.assign(1, seed);
            while (!generation.empty()) {
                next.clear();
                for (const int at : generation)
                    for (const int offset : neighbours) {
                        const std::size_t n = static_cast<std::size_t>(at + offset);
                        if (visited[n] || keys[n] != key)
                            continue;
                        const std::uint32_t colour = painted[n];
                        std::uint8_t classes[3];
                        for (int c = 0; c < 3; ++c) {
                            mean[c] = (mean[c] + double((colour >> (8 * c)) & 255)) / 2;
                            classes[c] = classOf[static_cast<std::size_t>(RoundChannel(mean[c]))];
                        }
                        key = Pack(classes[0], classes[1], classes[2]);
                        visited[n] = 1;
                        members.push_back(static_cast<int>(n));
                        next.push_back(static_cast<int>(n));
                    }
                generation.swap(next);
            }
            if (members.size() < 2)
                continue;
            const std::uint32_t colour = Pack(static_cast<std::uint8_t>(RoundChannel(mean[0])),
                                              static_cast<std::uint8_t>(RoundChannel(mean[1])),
                                              static_cast<std::uint8_t>(RoundChannel(mean[2])));
            for (const int m : members)
                painted[static_cast<std::size_t>(m)] = colour;
        }

    reduced_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
    std::uint8_t* out = reduced_.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* in = painted.data() + static_cast<std::size_t>(top_ + y + 1) * static_cast<std::size_t>(stride) + 1 + left_;
        for (int x = 0; x < width_; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(in[x]);
            out[1] = static_cast<std::uint8_t>(in[x] >> 8);
            out[2] = static_cast<std::uint8_t>(in[x] >> 16);
        }
    }
}

void TColorStep::AdjustTone(int brightness, int contrast, int saturation)
{
    const TSaturationTables saturate = MakeSaturationTables(saturation);
    // Held to the control's range: larger amounts from a file would overflow the table's sums.
    const Table contrastTable = ContrastTable(std::clamp(contrast, -255, 255), 253);
    const Table brighten = OffsetTable(brightness);
    Table tone{};
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = brighten[contrastTable[i]];
    for (std::size_t i = 0; i < reduced_.size(); i += 3) {
        const std::uint8_t* in = reduced_.data() + i;
        const int rest = saturate.Rest[static_cast<std::size_t>(in[0] + in[1] + in[2])];
        for (std::size_t c = 0; c < 3; ++c)
            adjusted_[i + c] = tone[static_cast<std::size_t>(ClampInt(saturate.Scaled[in[c]] + rest, 0, 255))];
    }
}

void TColorStep::SmoothColors(int radius, int method)
{
    smoothed_ = adjusted_;
    const bool fits = radius > 0 && radius <= (std::min(width_, height_) - 1) / 2;
    if (!fits || (method != 0 && method != 1))
        return;
    const int side = 2 * radius + 1;
    std::vector<int> window(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    const std::size_t row = static_cast<std::size_t>(width_) * 3;
    for (int y = radius; y < height_ - radius; ++y)
        for (int x = radius; x < width_ - radius; ++x)
            for (std::size_t c = 0; c < 3; ++c) {
                std::size_t n = 0;
                for (int wy = y - radius; wy <= y + radius; ++wy) {
                    const std::uint8_t* p = adjusted_.data() + row * static_cast<std::size_t>(wy) + c;
                    for (int wx = x - radius; wx <= x + radius; ++wx)
                        window[n++] = p[3 * static_cast<std::size_t>(wx)];
                }
                const int count = static_cast<int>(window.size());
                const int value = method == 0 ? MedianSelect(window, count) : MaxOfArray(window, count - 1);
                smoothed_[row * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(x) + c] = static_cast<std::uint8_t>(value);
            }
}

bool TColorStep::BlurColors(double radius, const TBlurProgress& progress)
{
    if (width_ == 0)
        return true;
    if (radius > 0)
        return GaussianBlurBuffer(smoothed_, blurred_, progress, radius, width_, height_);
    const std::size_t row = static_cast<std::size_t>(width_) * 3;
    for (int y = 0; y < height_; ++y) {
        if (progress.Abort && progress.Abort->load(std::memory_order_relaxed))
            return false;
        std::copy_n(smoothed_.data() + row * static_cast<std::size_t>(y), row, blurred_.data() + row * static_cast<std::size_t>(y));
    }
    return true;
}

void TColorStep::ShiftColors(int red, int green, int blue)
{
    const Table shift[3] = {OffsetTable(blue), OffsetTable(green), OffsetTable(red)};
    for (std::size_t i = 0; i < blurred_.size(); i += 3)
        for (std::size_t c = 0; c < 3; ++c)
            final_[i + c] = shift[c][blurred_[i + c]];
}

} // namespace ormel

#include "effects/gaussian_blur.h"

#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace ormel {

void MakeGaussianKernel(TGaussianKernel& kernel, double radius, int maxData, int granularity)
{
    constexpr int kMax = TGaussianKernel::MaxSize;
    kernel.Weights.fill(0.0);
    kernel.IntWeights.fill(0);
    if (!(radius > 0)) {
        kernel.Size = 1;
        kernel.Weights[kMax] = 1.0;
        kernel.IntWeights[kMax] = TGaussianKernel::WeightScale;
        return;
    }

    double sum = 0;
    for (int j = -kMax; j <= kMax; ++j) {
        const double t = j / radius;
        kernel.Weights[j + kMax] = std::exp(-(t * t) / 2);
        sum += kernel.Weights[j + kMax];
    }
    for (double& w : kernel.Weights)
        w /= sum;

    // Trim both tails while together they weigh less than half a data step.
    const double threshold = maxData > 0 ? granularity / (2.0 * maxData) : 1.0;
    int size = kMax;
    double tail = 0;
    while (tail < threshold && size > 1) {
        tail += 2 * kernel.Weights[size + kMax];
        --size;
    }
    kernel.Size = size;

    sum = 0;
    for (int j = -size; j <= size; ++j)
        sum += kernel.Weights[j + kMax];
    for (int j = -size; j <= size; ++j) {
        kernel.Weights[j + kMax] /= sum;
        kernel.IntWeights[j + kMax] = Round(kernel.Weights[j + kMax] * TGaussianKernel::WeightScale);
    }
}

namespace {

// Blurs lines of 3-byte pixels with one kernel. Each line is first copied, channel by
// channel, into planes padded at both ends with copies of the edge pixel, so a line may be
// written over itself and the taps need no index clamping. The sums are formed a block of
// pixels at a time, tap by tap, which the compiler turns into vector operations.
class LineBlur {
public:
    explicit LineBlur(const TGaussianKernel& kernel)
        : size_(kernel.Size)
    {
        for (int j = 0; j <= size_; ++j)
            weights_.push_back(kernel.intWeight(j));
    }

    // Blurs the n pixels at in, in + inStep, ... into out, out + outStep, ...
    void run(const std::uint8_t* in, std::ptrdiff_t inStep, std::uint8_t* out, std::ptrdiff_t outStep, int n)
    {
        // Whole blocks: the planes and sums run on past n to the end of the last block.
        const int blocks = (n + kBlock - 1) / kBlock;
        const int padded = blocks * kBlock + 2 * size_;
        for (auto& plane : planes_)
            plane.resize(static_cast<std::size_t>(padded));
        sums_.resize(static_cast<std::size_t>(blocks) * kBlock);
        for (int i = 0; i < padded; ++i) {
            const std::uint8_t* p = in + inStep * std::clamp(i - size_, 0, n - 1);
            for (int c = 0; c < 3; ++c)
                planes_[c][static_cast<std::size_t>(i)] = p[c];
        }
        const int* w = weights_.data();
        for (int c = 0; c < 3; ++c) {
            for (int b = 0; b < blocks; ++b) {
                // The kernel is symmetric: pixels x - j and x + j share weight j.
                const int* centre = planes_[c].data() + size_ + b * kBlock;
                int sum[kBlock];
                for (int k = 0; k < kBlock; ++k)
                    sum[k] = w[0] * centre[k];
                for (int j = 1; j <= size_; ++j)
                    for (int k = 0; k < kBlock; ++k)
                        sum[k] += w[j] * (centre[k - j] + centre[k + j]);
                std::copy_n(sum, kBlock, sums_.data() + b * kBlock);
            }
            // Truncating division: the sum of non-negative weights is never negative, and the
            // rounded weights may add up to a little more than 1024.
            for (int x = 0; x < n; ++x) {
                const int value = sums_[static_cast<std::size_t>(x)] / TGaussianKernel::WeightScale;
                out[outStep * x + c] = static_cast<std::uint8_t>(ClampInt(value, 0, 255));
            }
        }
    }

private:
    static constexpr int kBlock = 16;
    int size_;
    std::vector<int> weights_;
    std::vector<int> planes_[3];
    std::vector<int> sums_;
};

bool Aborted(const TBlurProgress& progress)
{
    return progress.Abort && progress.Abort->load(std::memory_order_relaxed);
}

// n x 100 div last, with a line of one pixel counting as done.
int Percent(int index, int last) { return last > 0 ? index * 100 / last : 100; }

// The two passes over an unpadded buffer of 3-byte pixels: rows from source into dest, then
// the columns of dest in place.
bool BlurPasses(const std::uint8_t* source, std::uint8_t* dest, int width, int height, const TGaussianKernel& kernel,
                const TBlurProgress& progress)
{
    LineBlur line(kernel);
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * 3;

    if (progress.StatusText)
        progress.StatusText("Blur Row");
    for (int y = 0; y < height; ++y) {
        if (Aborted(progress))
            return false;
        line.run(source + rowBytes * y, 3, dest + rowBytes * y, 3, width);
        if (progress.Progress)
            progress.Progress(Percent(y, height - 1));
    }
    if (progress.Step)
        progress.Step();

    if (progress.StatusText)
        progress.StatusText("Blur Column");
    for (int x = 0; x < width; ++x) {
        if (Aborted(progress))
            return false;
        line.run(dest + 3 * x, rowBytes, dest + 3 * x, rowBytes, height);
        if (progress.Progress)
            progress.Progress(Percent(x, width - 1));
    }
    if (progress.Step)
        progress.Step();
    return true;
}

// width x height x 3 as a byte count, or 0 when a size is not positive.
std::size_t BufferBytes(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
}

} // namespace

void GaussianBlurColors(std::span<TColor> colours, int width, int height, double radius)
{
    const std::size_t bytes = BufferBytes(width, height);
    if (bytes == 0 || colours.size() < bytes / 3)
        return;
    TGaussianKernel kernel;
    MakeGaussianKernel(kernel, radius);

    std::vector<std::uint8_t> buffer(bytes);
    for (std::size_t i = 0; i < bytes / 3; ++i) {
        buffer[3 * i] = static_cast<std::uint8_t>(colours[i]);
        buffer[3 * i + 1] = static_cast<std::uint8_t>(colours[i] >> 8);
        buffer[3 * i + 2] = static_cast<std::uint8_t>(colours[i] >> 16);
    }
    BlurPasses(buffer.data(), buffer.data(), width, height, kernel, TBlurProgress{});
    for (std::size_t i = 0; i < bytes / 3; ++i)
        colours[i] = MakeColor(buffer[3 * i], buffer[3 * i + 1], buffer[3 * i + 2]);
}

void GaussianBlurBitmap(const Raster& source, Raster& dest, TRect rect, double radius)
{
    ClipRectToBitmap(rect, source);
    if (rect.IsEmpty())
        return;
    const int width = rect.Width();
    const int height = rect.Height();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;

    // The rectangle as an unpadded buffer of blue, green, red: each channel is blurred on its
    // own, so the byte order does not change the result.
    std::vector<std::uint8_t> buffer(BufferBytes(width, height));
    for (int y = 0; y < height; ++y)
        std::copy_n(source.pixel(rect.Left, rect.Top + y), rowBytes, buffer.data() + rowBytes * y);
    if (radius > 0) {
        TGaussianKernel kernel;
        MakeGaussianKernel(kernel, radius);
        BlurPasses(buffer.data(), buffer.data(), width, height, kernel, TBlurProgress{});
    }

    const int rows = std::min(height, dest.height());
    const std::size_t copyBytes = static_cast<std::size_t>(std::min(width, dest.width())) * 3;
    for (int y = 0; y < rows; ++y)
        std::copy_n(buffer.data() + rowBytes * y, copyBytes, dest.row(y));
}

bool GaussianBlurBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> dest,
                        const TBlurProgress& progress, double radius, int width, int height)
{
    const std::size_t bytes = BufferBytes(width, height);
    if (bytes == 0 || source.size() < bytes || dest.size() < bytes)
        return false;
    TGaussianKernel kernel;
    MakeGaussianKernel(kernel, radius);
    return BlurPasses(source.data(), dest.data(), width, height, kernel, progress);
}

} // namespace ormel

#include "raster/wu_palette.h"

#include <cmath>
#include <cstdint>

namespace ormel {

namespace {

constexpr int kSide = 33; // 32 levels per channel plus a zero plane for the cumulative sums

constexpr int Cell(int r, int g, int b) { return (r * kSide + g) * kSide + b; }

// The histogram cell of a colour; a sample's cube lies inside one cell, so its mean names it.
std::size_t HistogramCell(PackedRgb c)
{
    return static_cast<std::size_t>(Cell((RedOf(c) >> 3) + 1, (GreenOf(c) >> 3) + 1, (BlueOf(c) >> 3) + 1));
}

enum Axis { AxisRed, AxisGreen, AxisBlue };

// A box of histogram cells: lower bounds exclusive, upper bounds inclusive.
struct Box {
    int r0 = 0, r1 = 0, g0 = 0, g1 = 0, b0 = 0, b1 = 0;
    int volume() const { return (r1 - r0) * (g1 - g0) * (b1 - b0); }
};

// Cumulative moments of the histogram: weight, the three channel sums and the sum of squares.
struct Moments {
    std::vector<std::int64_t> weight, red, green, blue;
    std::vector<double> squares;

    explicit Moments(std::span<const ColourSample> samples)
        : weight(kSide * kSide * kSide), red(weight.size()), green(weight.size()), blue(weight.size()),
          squares(weight.size())
    {
        for (const ColourSample& s : samples) {
            const std::size_t i = HistogramCell(s.mean);
            weight[i] += static_cast<std::int64_t>(s.weight);
            red[i] += static_cast<std::int64_t>(s.red);
            green[i] += static_cast<std::int64_t>(s.green);
            blue[i] += static_cast<std::int64_t>(s.blue);
            squares[i] += static_cast<double>(s.squares);
        }
        accumulate(weight);
        accumulate(red);
        accumulate(green);
        accumulate(blue);
        accumulate(squares);
    }

    // Turns each cell into the sum over the box from the origin to that cell.
    template <typename T>
    static void accumulate(std::vector<T>& m)
    {
        for (int r = 1; r < kSide; ++r) {
            T area[kSide] = {};
            for (int g = 1; g < kSide; ++g) {
                T line = 0;
                for (int b = 1; b < kSide; ++b) {
                    const std::size_t i = Cell(r, g, b);
                    line += m[i];
                    area[b] += line;
                    m[i] = m[i - kSide * kSide] + area[b];
                }
            }
        }
    }
};

template <typename T>
T Volume(const Box& c, const std::vector<T>& m)
{
    return m[Cell(c.r1, c.g1, c.b1)] - m[Cell(c.r1, c.g1, c.b0)] - m[Cell(c.r1, c.g0, c.b1)] +
           m[Cell(c.r1, c.g0, c.b0)] - m[Cell(c.r0, c.g1, c.b1)] + m[Cell(c.r0, c.g1, c.b0)] +
           m[Cell(c.r0, c.g0, c.b1)] - m[Cell(c.r0, c.g0, c.b0)];
}

// The part of a box's sum that does not depend on where it is cut along `axis`.
template <typename T>
T Bottom(const Box& c, Axis axis, const std::vector<T>& m)
{
    switch (axis) {
    case AxisRed:
        return -m[Cell(c.r0, c.g1, c.b1)] + m[Cell(c.r0, c.g1, c.b0)] + m[Cell(c.r0, c.g0, c.b1)] -
               m[Cell(c.r0, c.g0, c.b0)];
    case AxisGreen:
        return -m[Cell(c.r1, c.g0, c.b1)] + m[Cell(c.r1, c.g0, c.b0)] + m[Cell(c.r0, c.g0, c.b1)] -
               m[Cell(c.r0, c.g0, c.b0)];
    case AxisBlue:
        break;
    }
    return -m[Cell(c.r1, c.g1, c.b0)] + m[Cell(c.r1, c.g0, c.b0)] + m[Cell(c.r0, c.g1, c.b0)] -
           m[Cell(c.r0, c.g0, c.b0)];
}

// The rest of the sum of the lower part when the box is cut at `position` along `axis`.
template <typename T>
T Top(const Box& c, Axis axis, int position, const std::vector<T>& m)
{
    switch (axis) {
    case AxisRed:
        return m[Cell(position, c.g1, c.b1)] - m[Cell(position, c.g1, c.b0)] - m[Cell(position, c.g0, c.b1)] +
               m[Cell(position, c.g0, c.b0)];
    case AxisGreen:
        return m[Cell(c.r1, position, c.b1)] - m[Cell(c.r1, position, c.b0)] - m[Cell(c.r0, position, c.b1)] +
               m[Cell(c.r0, position, c.b0)];
    case AxisBlue:
        break;
    }
    return m[Cell(c.r1, c.g1, position)] - m[Cell(c.r1, c.g0, position)] - m[Cell(c.r0, c.g1, position)] +
           m[Cell(c.r0, c.g0, position)];
}

// Sum of squared distances of the box's pixels from their mean.
double Variance(const Box& c, const Moments& m)
{
    const double r = static_cast<double>(Volume(c, m.red));
    const double g = static_cast<double>(Volume(c, m.green));
    const double b = static_cast<double>(Volume(c, m.blue));
    const double w = static_cast<double>(Volume(c, m.weight));
    return w > 0 ? Volume(c, m.squares) - (r * r + g * g + b * b) / w : 0.0;
}

struct CutChoice {
    double gain = 0; // between-part sum of squares, larger is better
    int position = -1;
};

// The best place to cut the box across `axis`: the cut that leaves both parts non-empty and
// maximises the sum of (channel sums squared / weight) of the two parts.
CutChoice BestCut(const Box& c, Axis axis, const Moments& m)
{
    const std::int64_t wholeR = Volume(c, m.red), wholeG = Volume(c, m.green), wholeB = Volume(c, m.blue);
    const std::int64_t wholeW = Volume(c, m.weight);
    const std::int64_t baseR = Bottom(c, axis, m.red), baseG = Bottom(c, axis, m.green);
    const std::int64_t baseB = Bottom(c, axis, m.blue), baseW = Bottom(c, axis, m.weight);
    const int first = (axis == AxisRed ? c.r0 : axis == AxisGreen ? c.g0 : c.b0) + 1;
    const int last = axis == AxisRed ? c.r1 : axis == AxisGreen ? c.g1 : c.b1;
    CutChoice best;
    for (int i = first; i < last; ++i) {
        const std::int64_t lowW = baseW + Top(c, axis, i, m.weight);
        const std::int64_t highW = wholeW - lowW;
        if (lowW == 0 || highW == 0)
            continue;
        const double lowR = static_cast<double>(baseR + Top(c, axis, i, m.red));
        const double lowG = static_cast<double>(baseG + Top(c, axis, i, m.green));
        const double lowB = static_cast<double>(baseB + Top(c, axis, i, m.blue));
        const double highR = static_cast<double>(wholeR) - lowR;
        const double highG = static_cast<double>(wholeG) - lowG;
        const double highB = static_cast<double>(wholeB) - lowB;
        const double gain = (lowR * lowR + lowG * lowG + lowB * lowB) / static_cast<double>(lowW) +
                            (highR * highR + highG * highG + highB * highB) / static_cast<double>(highW);
        if (gain > best.gain) {
            best.gain = gain;
            best.position = i;
        }
    }
    return best;
}

// Cuts `box` in two along its best axis, leaving the lower part in `box` and returning true
// with the upper part in `upper`; false when no cut leaves two non-empty parts.
bool Split(Box& box, Box& upper, const Moments& m)
{
    const CutChoice red = BestCut(box, AxisRed, m);
    const CutChoice green = BestCut(box, AxisGreen, m);
    const CutChoice blue = BestCut(box, AxisBlue, m);
    upper = box;
    if (red.gain >= green.gain && red.gain >= blue.gain) {
        if (red.position < 0)
            return false;
        upper.r0 = box.r1 = red.position;
    } else if (green.gain >= blue.gain) {
        upper.g0 = box.g1 = green.position;
    } else {
        upper.b0 = box.b1 = blue.position;
    }
    return true;
}

} // namespace

std::vector<TPaletteEntry> WuPalette(std::span<const ColourSample> samples, int count, std::vector<int>& box)
{
    box.assign(samples.size(), 0);
    if (samples.empty() || count < 1)
        return {};
    const Moments m(samples);
    std::vector<Box> boxes(static_cast<std::size_t>(count));
    std::vector<double> variance(boxes.size(), 0.0);
    boxes[0] = Box{0, kSide - 1, 0, kSide - 1, 0, kSide - 1};
    variance[0] = Variance(boxes[0], m);
    std::size_t used = 1;
    std::size_t next = 0;
    while (used < boxes.size()) {
        if (Split(boxes[next], boxes[used], m)) {
            variance[next] = boxes[next].volume() > 1 ? Variance(boxes[next], m) : 0.0;
            variance[used] = boxes[used].volume() > 1 ? Variance(boxes[used], m) : 0.0;
            ++used;
        } else {
            variance[next] = 0.0;
        }
        next = 0;
        for (std::size_t k = 1; k < used; ++k)
            if (variance[k] > variance[next])
                next = k;
        if (variance[next] <= 0.0)
            break;
    }

    std::vector<int> boxOfCell(m.weight.size(), 0);
    std::vector<TPaletteEntry> palette;
    palette.reserve(used);
    for (std::size_t k = 0; k < used; ++k) {
        const Box& c = boxes[k];
        for (int r = c.r0 + 1; r <= c.r1; ++r)
            for (int g = c.g0 + 1; g <= c.g1; ++g)
                for (int b = c.b0 + 1; b <= c.b1; ++b)
                    boxOfCell[static_cast<std::size_t>(Cell(r, g, b))] = static_cast<int>(k);
        const double w = static_cast<double>(Volume(boxes[k], m.weight));
        const auto mean = [w](std::int64_t sum) {
            return static_cast<std::uint8_t>(std::nearbyint(static_cast<double>(sum) / w));
        };
        palette.push_back({mean(Volume(boxes[k], m.red)), mean(Volume(boxes[k], m.green)),
                           mean(Volume(boxes[k], m.blue)), 0});
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
        box[i] = boxOfCell[HistogramCell(samples[i].mean)];
    return palette;
}

} // namespace ormel

// Draws Ormel's application icon -- a pencil over a blue gradient tile -- with the core's raster
// routines, at 16, 32, 48 and 256 pixels in 32 bits, and writes it as an icon file:
//
//   make_app_icon OUT.ico
//
// The result is committed as data/ormel.ico; the build turns its images into the desktop's
// PNG icons with ormel-cli.
#include "files/file_access.h"
#include "raster/gradient_nodes.h"
#include "raster/paint.h"
#include "raster/pen.h"
#include "raster/resample.h"
#include "tools/gradient_rect.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace ormel {
namespace {

// Shapes are laid out on a unit square and drawn this many times larger into the coverage
// raster, whose area average then gives soft edges at the icon's size.
constexpr int kOversample = 8;

struct Vec {
    double x, y;
};

// A point along the pencil: `along` from the tip toward the far end, `across` to one side; all
// in units of the icon's size.
struct PencilAxis {
    Vec tip{0.17, 0.83};
    Vec end{0.86, 0.14};
    double length() const { return std::hypot(end.x - tip.x, end.y - tip.y); }
    Vec at(double along, double across) const
    {
        const double l = length();
        const Vec u{(end.x - tip.x) / l, (end.y - tip.y) / l};
        return {tip.x + u.x * along - u.y * across, tip.y + u.y * along + u.x * across};
    }
};

class IconPainter {
public:
    IconPainter(TIconImage& image, int size) : image_(image), size_(size), big_(size * kOversample, size * kOversample) {}

    // Paints the polygon (unit coordinates) in the colour, or its outline when penWidth > 0.
    void polygon(const std::vector<Vec>& points, TColor colour, double penWidth = 0)
    {
        std::vector<TPoint> scaled;
        for (const Vec& p : points)
            scaled.push_back(scale(p));
        big_.fill(255, 255, 255);
        if (penWidth > 0) {
            scaled.push_back(scaled.front());
            DrawPolyline(big_, scaled, TPen{0, static_cast<int>(std::lround(penWidth * size_ * kOversample))});
        }
        FillPolygon(big_, scaled, 0);
        Raster coverage(size_, size_);
        StretchBitmap(big_, coverage, big_.width(), big_.height(), size_, size_);
        PaintThroughCoverage(coverage, image_.Bitmap, image_.Mask, TRect{0, 0, size_, size_}, colour, 0xFFFFFF, Depth32);
    }

private:
    TPoint scale(Vec p) const
    {
        const double full = size_ * kOversample;
        return {static_cast<int>(std::lround(p.x * full)), static_cast<int>(std::lround(p.y * full))};
    }

    TIconImage& image_;
    int size_;
    Raster big_;
};

// A rounded tile: a dark rounded square with a blue gradient one inset by the border width.
void DrawTile(TIconImage& image, int size)
{
    TNodeArray nodes = {{0, MakeColor(120, 190, 255), 1}, {512, MakeColor(20, 70, 170), 1}};
    Raster strip(512, 1);
    DrawGradientBar(nodes, TRect{0, 0, 512, 1}, strip);

    const int margin = size / 16;
    const int border = std::max(1, size / 24);
    TShapePaint paint;
    paint.Type = 2;
    paint.AntiAliasing = true;
    paint.CornerRadius = size / 5;
    paint.FillColor = MakeColor(12, 40, 100);
    TGradientRect(paint, Depth32).Draw(TRect{margin, margin, size - margin, size - margin}, image.Bitmap, image.Mask);

    paint.Style = 1;
    paint.GradientStrip = &strip;
    paint.CornerRadius -= border;
    const int inset = margin + border;
    TGradientRect(paint, Depth32).Draw(TRect{inset, inset, size - inset, size - inset}, image.Bitmap, image.Mask);
}

void DrawPencil(TIconImage& image, int size)
{
    const PencilAxis axis;
    const double length = axis.length();
    const double half = size <= 16 ? 0.11 : 0.09;    // half the pencil's width
    const double cone = 0.24 * length;               // sharpened wood
    const double lead = 0.38 * cone;                 // graphite point
    const double ferrule = 0.78 * length;            // metal band
    const double rubber = 0.86 * length;             // eraser
    const auto band = [&](double from, double to, double a, double b) {
        return std::vector<Vec>{axis.at(from, a), axis.at(to, a), axis.at(to, b), axis.at(from, b)};
    };

    IconPainter painter(image, size);
    const std::vector<Vec> silhouette = {axis.at(0, 0), axis.at(cone, -half), axis.at(length, -half),
                                         axis.at(length, half), axis.at(cone, half)};
    painter.polygon(silhouette, MakeColor(40, 30, 20), size <= 16 ? 0.09 : 0.05);
    painter.polygon({axis.at(0, 0), axis.at(cone, -half), axis.at(cone, half)}, MakeColor(240, 200, 150));
    painter.polygon({axis.at(0, 0), axis.at(lead, -half * lead / cone), axis.at(lead, half * lead / cone)},
                    MakeColor(50, 50, 60));
    painter.polygon(band(cone, ferrule, -half, half), MakeColor(255, 190, 30));
    if (size >= 32)
        painter.polygon(band(cone, ferrule, -half, -half / 3), MakeColor(255, 225, 110));
    painter.polygon(band(ferrule, rubber, -half, half), MakeColor(180, 180, 190));
    painter.polygon(band(rubber, length, -half, half), MakeColor(240, 120, 140));
}

} // namespace
} // namespace ormel

int main(int argc, char** argv)
{
    using namespace ormel;
    if (argc != 2) {
        std::fputs("usage: make_app_icon OUT.ico\n", stderr);
        return 2;
    }
    TIconImageArray images;
    for (const int size : std::array{16, 32, 48, 256}) {
        TIconImage image;
        NewIconImage(image, size, size, -1, Depth32);
        DrawTile(image, size);
        DrawPencil(image, size);
        images.push_back(std::move(image));
    }
    TIconFileAccess access;
    if (access.SaveIconFile(argv[1], images) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], access.ErrorText.c_str());
        return 1;
    }
    return 0;
}

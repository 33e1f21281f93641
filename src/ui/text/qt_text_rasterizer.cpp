#include "text/qt_text_rasterizer.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace ormel {

QFont ToQFont(const TFontSpec& spec)
{
    QFont font(QString::fromStdString(spec.Name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.Size * 96.0 / 72.0))));
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    font.setUnderline(spec.Underline);
    font.setStrikeOut(spec.StrikeOut);
    return font;
}

void QtTextRasterizer::Measure(const TFontSpec& font, const std::string& text, int& width, int& height)
{
    const QFontMetrics metrics(ToQFont(font));
    width = metrics.horizontalAdvance(QString::fromStdString(text));
    height = metrics.height();
}

void QtTextRasterizer::Draw(Raster& bitmap, const TFontSpec& font, const std::string& text)
{
    if (bitmap.empty()) {
        return;
    }
    QImage image(bitmap.data(), bitmap.width(), bitmap.height(), bitmap.stride(), QImage::Format_BGR888);
    QPainter painter(&image);
    const QFont qfont = ToQFont(font);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, QFontMetrics(qfont).ascent()), QString::fromStdString(text));
}

} // namespace ormel

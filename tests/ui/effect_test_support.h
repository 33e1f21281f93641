#pragma once

#include "effects/effect_backup.h"
#include "frame_fixture.h"

#include <QDialog>
#include <QSpinBox>
#include <QtTest>

namespace ormel::test {

// A square image of many colours (or palette indices over the whole palette) with a
// transparent 3 x 3 corner.
inline TIconImage EffectTestImage(int depth, int side = 16)
{
    TIconImage image;
    NewIconImage(image, side, side, -1, depth);
    const int entries = PaletteSizeForDepth(depth);
    image.Mask.fill(0, 0, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            if (entries > 0)
                p[0] = p[1] = 0, p[2] = std::uint8_t((x + 16 * y) % entries);
            else
                p[0] = std::uint8_t(x * 16), p[1] = std::uint8_t(y * 16), p[2] = std::uint8_t(x * y);
            image.Mask.pixel(x, y)[0] = x < 3 && y < 3 ? 255 : 0;
        }
    return image;
}

// What an effect makes of `original`.
template <class Kernel>
TIconImage EffectOf(const TIconImage& original, Kernel kernel)
{
    TEffectBackup backup;
    backup.Take(original);
    TIconImage live;
    CopyIconImage(original, live);
    kernel(backup, live);
    return live;
}

inline bool SameImage(const TIconImage& a, const TIconImage& b)
{
    return a.ColorDepth == b.ColorDepth && a.Bitmap == b.Bitmap && a.Mask == b.Mask && a.Palette == b.Palette;
}

// Types a number into a spin box as a user does: select all, then the characters one by one.
inline void TypeNumber(QDialog& dialog, const QString& spin, int value)
{
    auto* box = dialog.findChild<QSpinBox*>(spin);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
}

} // namespace ormel::test

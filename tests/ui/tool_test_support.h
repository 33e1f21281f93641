#pragma once

#include "document/canvas_view.h"
#include "main/colour_source.h"
#include "ui_test_support.h"

#include <QList>

namespace ormel::test {

// The colour panel as the tools see it: a colour, an alpha, and what they report back.
class FakeColours : public ColourSource {
public:
    TColor colour = MakeColor(200, 30, 60);
    int alpha = 255;
    int mode = Depth32;
    QList<TColor> recent;

    TColor CurrentColor() const override { return colour; }
    int CurrentAlpha() const override { return alpha; }
    int ColorMode() const override { return mode; }
    const TLogPalette* CurrentPalette() const override { return nullptr; }
    void SetColor(TColor c) override { colour = c; }
    void SetAlpha(int a) override { alpha = a; }
    void AddRecentColor(TColor c) override { recent << c; }
};

// A shown frame whose tools read the fake colour panel.
inline std::unique_ptr<Tfrm_main> MakeToolFrame(FakeDialogs*& dialogs, FakeColours& colours)
{
    std::unique_ptr<Tfrm_main> frame = MakeFrame(dialogs);
    colours = FakeColours();
    frame->Services().setColourSource(&colours);
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame.get()))
        qWarning("the frame was not shown");
    return frame;
}

// Closes the frame and removes its settings, so that each test starts from the palette's defaults.
inline void CloseToolFrame(std::unique_ptr<Tfrm_main>& frame)
{
    const QString settings = QString::fromStdString(frame->Services().configFile());
    frame.reset();
    QFile::remove(settings);
}

// The canvas point in the middle of an image pixel, in widget coordinates.
inline QPoint CanvasPoint(CanvasView& canvas, QPoint pixel)
{
    const int zoom = canvas.Zoom();
    return canvas.canvasRect().topLeft() + pixel * zoom + QPoint(zoom / 2, zoom / 2);
}

} // namespace ormel::test

#pragma once

#include "document/document_window.h"
#include "main/main_window.h"
#include "ui_test_support.h"

#include <QAbstractButton>

#include <memory>
#include <vector>

namespace ormel::test {

// An image that every flip, turn, zoom and shift changes: colours vary with both coordinates
// (indices over the whole palette when indexed), transparency on three levels at 32 bits and
// two below.
inline TIconImage PatternedImage(int width, int height, int depth, int seed = 0)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    const int entries = PaletteSizeForDepth(depth);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            if (entries > 0)
                p[0] = p[1] = 0, p[2] = std::uint8_t((x + 3 * y + seed) % entries);
            else
                p[0] = std::uint8_t(x * 7 + seed), p[1] = std::uint8_t(y * 5 + seed), p[2] = std::uint8_t(x * y + seed);
            const int level = (x / 4 + y / 3 + seed) % 3;
            std::uint8_t* m = image.Mask.pixel(x, y);
            m[0] = m[1] = m[2] = depth == Depth32 ? std::uint8_t(level * 100) : (level == 0 ? 255 : 0);
        }
    return image;
}

// Clicks the button of that name inside the window, as the user does.
inline void PressButton(QWidget& window, const char* button)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton);
}

// A white, fully transparent image.
inline TIconImage BlankImage(int width, int height, int depth)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    return image;
}

// A shown main window whose dialogs a FakeDialogs answers, with the faults that dialog handlers
// found: Qt Test's macros cannot end a test from inside a handler.
class FrameFixture {
protected:
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<Tfrm_main> frame_;
    QStringList problems_;

    // Any earlier frame goes first, so that it has stored its settings.
    void startFrame()
    {
        frame_.reset();
        frame_ = MakeFrame(dialogs_);
        frame_->show();
        problems_.clear();
    }
    void check(bool ok, const QString& what)
    {
        if (!ok)
            problems_ << what;
    }
    QAction* action(const char* name) const { return frame_->findChild<QAction*>(QLatin1String(name)); }
    void trigger(const char* name) { action(name)->trigger(); }
    // A new document window holding the images, the first one current.
    Tfrm_childwin* openImages(std::vector<TIconImage> images, const char* name = "Icon1")
    {
        TIconDocument document;
        for (TIconImage& image : images)
            document.AddImage(std::move(image));
        document.CurrentIndex = 0;
        document.FileName = name;
        return frame_->AddDocumentWindow(std::move(document));
    }
};

} // namespace ormel::test

#define VERIFY_NO_PROBLEMS() QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral(", "))))

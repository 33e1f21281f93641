#include "tools/gradient_editor.h"
#include "tools/gradient_presets.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlue = MakeColor(0, 0, 255);
constexpr TColor kRed = MakeColor(255, 0, 0);

TColor StripAt(const Raster& strip, int x)
{
    const std::uint8_t* p = strip.pixel(x, 0);
    return MakeColor(p[2], p[1], p[0]);
}

Raster StripOf(const TGradientEditor& editor)
{
    Raster strip;
    DrawGradientStrip(editor.Result(), strip);
    return strip;
}

TEST(GradientEditorTest, InitialStopsMakeTheDefaultStrip)
{
    const TGradientEditor editor;
    const int positions[] = {0, 85, 170, 256, 341, 426, 511};
    for (int i = 0; i < TGradientEditor::StopCount; ++i)
        EXPECT_EQ(editor.Stop(i).Position, positions[i]) << i;
    EXPECT_EQ(editor.SelectedStop(), 0);
    EXPECT_EQ(editor.Result(), (TNodeArray{{511, kBlue, 1}, {0, kWhite, 1}}));

    const Raster strip = StripOf(editor);
    EXPECT_EQ(strip, DefaultGradientStrip());
    EXPECT_EQ(StripAt(strip, 0), kWhite);
    EXPECT_EQ(StripAt(strip, 255), MakeColor(127, 127, 255));
    EXPECT_EQ(StripAt(strip, 511), kBlue);
}

TEST(GradientEditorTest, DraggingClampsAndClickingTheEnableBoxToggles)
{
    TGradientEditor editor;
    editor.Press(511 + 5, 20); // on stop 6's glyph
    EXPECT_EQ(editor.SelectedStop(), 6);
    EXPECT_FALSE(editor.Drag(516 + 40));
    EXPECT_TRUE(editor.Drag(516 + 40 - 600));
    EXPECT_EQ(editor.Stop(6).Position, 0);
    editor.Press(300, 5); // on no glyph: the selection stays
    EXPECT_EQ(editor.SelectedStop(), 6);
    editor.SetPosition(900);
    EXPECT_EQ(editor.Stop(6).Position, 511);

    // Disabling stop 6 leaves stop 0 alone: the strip is white.
    EXPECT_EQ(editor.Release(511 + 5, 40), 6);
    EXPECT_FALSE(editor.Stop(6).Enabled);
    const Raster white = StripOf(editor);
    EXPECT_EQ(StripAt(white, 0), kWhite);
    EXPECT_EQ(StripAt(white, 511), kWhite);
    EXPECT_EQ(editor.Release(300, 40), -1);
    EXPECT_EQ(editor.StopAtColourBox(85 + 4, 30), 1);
    // The last enabled stop stays enabled, by click or by the check box.
    EXPECT_EQ(editor.Release(0 + 5, 40), -1);
    editor.SelectStop(0);
    EXPECT_FALSE(editor.SetEnabled(false));
    EXPECT_TRUE(editor.Stop(0).Enabled);
    EXPECT_TRUE(editor.SetEnabled(true));
}

TEST(GradientEditorTest, InverseAndPresets)
{
    TGradientEditor editor;
    editor.Inverse();
    EXPECT_EQ(editor.Stop(0).Color, kBlue);
    EXPECT_EQ(editor.Stop(6).Color, kWhite);
    EXPECT_EQ(editor.Stop(6).Position, 511);
    EXPECT_EQ(editor.Stop(3).Position, 255); // mirrored in place
    EXPECT_EQ(editor.Stop(3).Color, MakeColor(128, 128, 255));
    const Raster inverse = StripOf(editor);
    EXPECT_EQ(StripAt(inverse, 0), kBlue);
    EXPECT_EQ(StripAt(inverse, 511), kWhite);

    editor.SelectStop(4);
    editor.ApplyPreset(1);
    EXPECT_EQ(editor.SelectedStop(), 0);
    EXPECT_EQ(editor.Result().size(), 7u);
    const Raster rainbow = StripOf(editor);
    EXPECT_EQ(StripAt(rainbow, 0), kRed);
    EXPECT_EQ(StripAt(rainbow, 170), MakeColor(0, 255, 0));
    EXPECT_EQ(StripAt(rainbow, 511), kRed);

    editor.ApplyPreset(2);
    EXPECT_EQ(editor.Result(), (TNodeArray{{511, 0, 1}, {0, kWhite, 1}}));
    editor.ApplyPreset(3); // no such preset: nothing changes
    EXPECT_EQ(editor.Stop(1).Position, 511); // stop k takes node k
}

} // namespace
} // namespace ormel

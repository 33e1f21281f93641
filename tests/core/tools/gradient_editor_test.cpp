#include "tools/gradient_editor.h"
#include "tools/gradient_presets.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

constexpr TColor kWhite = MakeColor(255, 255, 255);

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

} // namespace
} // namespace ormel

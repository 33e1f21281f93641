#include "tools/gradient_editor.h"

#include "raster/rounding.h"
#include "tools/gradient_presets.h"

#include <algorithm>

namespace ormel {

namespace {

bool ValidStop(int index) { return index >= 0 && index < TGradientEditor::StopCount; }

} // namespace

TGradientEditor::TGradientEditor()
{
    for (int i = 1; i < StopCount - 1; ++i) {
        const auto grey = static_cast<std::uint8_t>(i * 256 / 6);
        stops_[static_cast<std::size_t>(i)] = TGradientHandle{MakeColor(grey, grey, 255), false, false, i * 512 / 6};
    }
    stops_.front() = TGradientHandle{MakeColor(255, 255, 255), true, true, 0};
    stops_.back() = TGradientHandle{MakeColor(0, 0, 255), true, false, LastPosition};
}

int TGradientEditor::SelectedStop() const
{
    for (int i = 0; i < StopCount; ++i)
        if (Stop(i).Selected)
            return i;
    return 0;
}

void TGradientEditor::SelectStop(int index)
{
    if (!ValidStop(index))
        return;
    for (int i = 0; i < StopCount; ++i)
        stops_[static_cast<std::size_t>(i)].Selected = i == index;
}

void TGradientEditor::SetPosition(int position)
{
    stops_[static_cast<std::size_t>(SelectedStop())].Position = ClampInt(position, 0, LastPosition);
}

bool TGradientEditor::SetEnabled(bool enabled)
{
    return SetStopEnabled(SelectedStop(), enabled);
}

bool TGradientEditor::SetStopEnabled(int index, bool enabled)
{
    if (!enabled && Stop(index).Enabled &&
        std::count_if(stops_.begin(), stops_.end(), [](const TGradientHandle& s) { return s.Enabled; }) == 1)
        return false;
    stops_[static_cast<std::size_t>(index)].Enabled = enabled;
    return true;
}

void TGradientEditor::SetColour(int index, TColor colour)
{
    if (ValidStop(index))
        stops_[static_cast<std::size_t>(index)].Color = colour;
}

void TGradientEditor::ApplyPreset(int index)
{
    const TNodeArray preset = GradientPreset(index);
    if (preset.size() != stops_.size())
        return;
    for (std::size_t k = 0; k < stops_.size(); ++k) {
        stops_[k].Position = preset[k].Position;
        stops_[k].Color = preset[k].Color;
        stops_[k].Enabled = preset[k].Enabled != 0;
    }
    SelectStop(0);
}

void TGradientEditor::Inverse()
{
    const auto old = stops_;
    for (std::size_t i = 0; i < stops_.size(); ++i) {
        const TGradientHandle& mirror = old[stops_.size() - 1 - i];
        stops_[i].Color = mirror.Color;
        stops_[i].Enabled = mirror.Enabled;
        stops_[i].Position = LastPosition - mirror.Position;
    }
}

void TGradientEditor::Press(int x, int y)
{
    lastX_ = x;
    for (int i = 0; i < StopCount; ++i)
        if (PointInRect(x, y, Stop(i).GlyphBox())) {
            SelectStop(i);
            return;
        }
}

bool TGradientEditor::Drag(int x)
{
    TGradientHandle& stop = stops_[static_cast<std::size_t>(SelectedStop())];
    const auto moved = static_cast<int>(std::clamp<long long>(stop.Position + (static_cast<long long>(x) - lastX_), 0, LastPosition));
    lastX_ = x;
    if (moved == stop.Position)
        return false;
    stop.Position = moved;
    return true;
}

int TGradientEditor::Release(int x, int y)
{
    for (int i = 0; i < StopCount; ++i)
        if (PointInRect(x, y, Stop(i).EnableBox()))
            return SetStopEnabled(i, !Stop(i).Enabled) ? i : -1;
    return -1;
}

int TGradientEditor::StopAtColourBox(int x, int y) const
{
    for (int i = 0; i < StopCount; ++i)
        if (PointInRect(x, y, Stop(i).ColourBox()))
            return i;
    return -1;
}

TNodeArray TGradientEditor::Result() const
{
    TNodeArray nodes;
    for (int i = StopCount - 1; i >= 0; --i)
        if (Stop(i).Enabled)
            nodes.push_back(TNode{Stop(i).Position, Stop(i).Color, 1});
    return nodes;
}

} // namespace ormel

#include "tools/tool_palette.h"

#include "colour/colour_pictures.h"
#include "dialogs/raster_image.h"
#include "document/document_window.h"
#include "main/colour_source.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/window_placement_keeper.h"
#include "tools/gradient_dialog.h"
#include "tools/selection_readout.h"
#include "tools/shape_page.h"
#include "tools/text_page.h"
#include "tools/tool_previews.h"
#include "tools/tool_settings_store.h"
#include "widgets/track_spin_pair.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace ormel {

namespace {

constexpr int kPreviewSize = 100;
const QString kAntiAliasCaption = QStringLiteral("Anti Aliasing");
const QString kAntiAliasRefused = QStringLiteral(
    "Anti Aliasing is not supported in the current color mode, it's only available in 24 bits or 32 bits color.");

struct ToolButton {
    int Tool;
    const char* Name;
    const char* Caption; // tooltip and accessible name
    const char* Glyph;   // shown when the icon theme has no picture
    const char* ThemeIcon;
};

const ToolButton kButtons[] = {
    {ToolRectSelect, "btn_RectSelect", "Rect Select", "[ ]", "edit-select"},
    {ToolFreeSelect, "btn_FreeSelect", "Lasso Tool", "~", "edit-select-lasso"},
    {ToolPencil, "btn_pencil", "Pencil", "P", "draw-freehand"},
    {ToolBrush, "btn_brush", "Brush", "B", "draw-brush"},
    {ToolText, "btn_Text", "Text", "T", "draw-text"},
    {ToolBucket, "btn_bucket", "Bucket", "F", "color-fill"},
    {ToolDropper, "btn_Dropper", "Dropper", "D", "color-picker"},
    {ToolEraser, "btn_eraser", "Eraser", "E", "draw-eraser"},
    {ToolRectangle, "btn_Rect", "Rectangle", "R", "draw-rectangle"},
    {ToolEllipse, "btn_Ellipse", "Ellipse", "O", "draw-ellipse"},
    {ToolLine, "btn_Line", "Line", "L", "draw-line"},
};

QPixmap PixmapOf(const Raster& raster)
{
    return QPixmap::fromImage(WrapRaster(raster).copy());
}

} // namespace

Tfrm_tools_panel::Tfrm_tools_panel(EditorServices& services, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), services_(services),
      buttons_(new QButtonGroup(this)), pages_(new QStackedWidget), pan_XY_(new QLabel),
      gradients_(new Tfrm_GradientColor(services.dialogs(), this))
{
    setObjectName(QStringLiteral("frm_tools_panel"));
    setWindowTitle(tr("Tools"));
    auto* layout = new QVBoxLayout(this);
    buildButtons(*layout);
    layout->addWidget(pages_);
    pan_XY_->setObjectName(QStringLiteral("pan_XY"));
    pan_XY_->setFrameShape(QFrame::Panel);
    pan_XY_->setFrameShadow(QFrame::Sunken);
    pan_XY_->setText(QStringLiteral("X:                Y:"));
    layout->addWidget(pan_XY_);

    QWidget* welcome = addPage(ToolNone, "tab_welcome", tr("Welcome to ") + QStringLiteral("Ormel"));
    welcome->layout()->addWidget(new QLabel(tr("Choose a tool above.")));

    for (auto [tool, name, title, readout] :
         {std::tuple{ToolRectSelect, "tab_RectSelect", tr("Rect Select"), &rectReadout_},
          std::tuple{ToolFreeSelect, "tab_FreeSelect", tr("Lasso Tool"), &lassoReadout_}}) {
        QWidget* page = addPage(tool, name, title);
        *readout = new SelectionReadout(QLatin1String(name + 4));
        static_cast<QFormLayout*>(page->layout())->addRow(*readout);
    }
    connect(&services_, &EditorServices::selectionChanged, this, &Tfrm_tools_panel::showSelection);
    addFreehandPage(ToolPencil, "tab_pencil", tr("Pencil"), pencilSize_, "trc_PencilSize", "spn_PencilSize", 15, 1);
    QWidget* brush =
        addFreehandPage(ToolBrush, "tab_brush", tr("Brush"), brushSize_, "trc_BrushSize", "spn_BrushSize", 7, 3);
    brushGradient_ = new TrackSpinPair(*static_cast<QFormLayout*>(brush->layout()), tr("Gradient:"),
                                       "trc_BrushGradient", "spn_BrushGradient", 1, 255, 32);
    connect(brushGradient_, &TrackSpinPair::valueChanged, this, &Tfrm_tools_panel::brushGradientChanged);
    addFreehandPage(ToolEraser, "tab_eraser", tr("Eraser"), eraserSize_, "trc_EraserSize", "spn_EraserSize", 15, 1);
    QWidget* line = addFreehandPage(ToolLine, "tab_line", tr("Line"), lineSize_, "trc_LineSize", "spn_LineSize", 15, 1);
    lineAntiAlias_ = new QCheckBox(tr("Anti-Aliasing"));
    lineAntiAlias_->setObjectName(QStringLiteral("chk_LineAntiAliase"));
    static_cast<QFormLayout*>(line->layout())->addRow(lineAntiAlias_);
    connect(lineAntiAlias_, &QCheckBox::toggled, this, &Tfrm_tools_panel::lineAntiAliasToggled);

    QWidget* text = addPage(ToolText, "tab_text", tr("Text"));
    textPage_ = new TextPage(services_, textRasterizer_);
    static_cast<QFormLayout*>(text->layout())->addRow(textPage_);

    QWidget* bucket = addPage(ToolBucket, "tab_bucket", tr("Bucket"));
    auto* bucketForm = static_cast<QFormLayout*>(bucket->layout());
    tolerance_ = new TrackSpinPair(*bucketForm, tr("Tolerance:"), "trc_BucketTolerance", "spn_BucketTolerance", 0,
                                   255, 32);
    bucketPreview_ = new QLabel;
    bucketPreview_->setObjectName(QStringLiteral("img_bucket"));
    bucketPreview_->setFixedSize(kPreviewSize, kPreviewSize);
    bucketForm->addRow(bucketPreview_);

    QWidget* dropper = addPage(ToolDropper, "tab_dropper", tr("Dropper"));
    auto* dropperForm = static_cast<QFormLayout*>(dropper->layout());
    dropperSwatch_ = new QLabel;
    dropperSwatch_->setObjectName(QStringLiteral("img_dropper"));
    dropperSwatch_->setFixedSize(48, 48);
    dropperForm->addRow(dropperSwatch_);
    const char* readOutNames[4] = {"lbl_DropperR", "lbl_DropperG", "lbl_DropperB", "lbl_DropperA"};
    for (int i = 0; i < 4; ++i) {
        dropperLabels_[i] = new QLabel;
        dropperLabels_[i]->setObjectName(QLatin1String(readOutNames[i]));
        dropperForm->addRow(dropperLabels_[i]);
    }

    QWidget* rect = addPage(ToolRectangle, "tab_rect", tr("Rectangle"));
    rectPage_ = new ShapePage(services_, *gradients_, false);
    static_cast<QFormLayout*>(rect->layout())->addRow(rectPage_);
    QWidget* ellipse = addPage(ToolEllipse, "tab_ellipse", tr("Ellipse"));
    ellipsePage_ = new ShapePage(services_, *gradients_, true);
    static_cast<QFormLayout*>(ellipse->layout())->addRow(ellipsePage_);

    for (TrackSpinPair* pair : {pencilSize_, brushSize_, eraserSize_, lineSize_})
        connect(pair, &TrackSpinPair::valueChanged, this, &Tfrm_tools_panel::redrawPreview);
    connect(&services_, &EditorServices::coloursChanged, this, &Tfrm_tools_panel::redrawPreview);
    connect(&services_, &EditorServices::currentImageChanged, this, &Tfrm_tools_panel::currentImageChanged);
    // The settings of the last run come back; they are kept when the editor quits.
    RestoreControls(*pages_, services_.configFile(), "tools");
    connect(&services_, &EditorServices::aboutToQuit, this,
            [this] { StoreControls(*pages_, services_.configFile(), "tools"); });
    showPage(ToolNone);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    new PlacementKeeper(*this, services_.positionFile(), true, false);
}

QWidget* Tfrm_tools_panel::addPage(int tool, const char* name, const QString& title)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    page->setProperty("tool", tool);
    auto* form = new QFormLayout(page);
    auto* heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    form->addRow(heading);
    pages_->addWidget(page);
    return page;
}

QWidget* Tfrm_tools_panel::addFreehandPage(int tool, const char* name, const QString& title, TrackSpinPair*& size,
                                           const char* trackName, const char* spinName, int maximum, int initial)
{
    QWidget* page = addPage(tool, name, title);
    auto* form = static_cast<QFormLayout*>(page->layout());
    size = new TrackSpinPair(*form, tr("Size:"), trackName, spinName, 1, maximum, initial);
    const int slot = tool == ToolPencil ? 0 : tool == ToolBrush ? 1 : tool == ToolEraser ? 2 : 3;
    footprint_[slot] = new QLabel;
    footprint_[slot]->setFixedSize(kPreviewSize, kPreviewSize);
    form->addRow(footprint_[slot]);
    return page;
}

void Tfrm_tools_panel::buildButtons(QLayout& layout)
{
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    buttons_->setExclusive(false);
    int index = 0;
    for (const ToolButton& spec : kButtons) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(spec.Name));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(32, 32);
        button->setIcon(QIcon::fromTheme(QLatin1String(spec.ThemeIcon)));
        if (button->icon().isNull())
            button->setText(QLatin1String(spec.Glyph));
        const QString caption = tr(spec.Caption);
        button->setAccessibleName(caption);
        button->setToolTip(caption);
        buttons_->addButton(button, spec.Tool);
        grid->addWidget(button, index / 6, index % 6);
        ++index;
    }
    connect(buttons_, &QButtonGroup::buttonToggled, this, &Tfrm_tools_panel::buttonToggled);
    static_cast<QVBoxLayout&>(layout).addLayout(grid);
}

void Tfrm_tools_panel::buttonToggled(QAbstractButton* button, bool checked)
{
    const int tool = buttons_->id(button);
    if (checked) {
        // One button down at a time; the others come up without a change of their own.
        for (QAbstractButton* other : buttons_->buttons())
            if (other != button && other->isChecked()) {
                const QSignalBlocker blocker(buttons_);
                other->setChecked(false);
            }
        tool_ = tool;
    } else if (tool == tool_) {
        tool_ = ToolNone;
    } else {
        return;
    }
    emit toolChanged(tool_);
    showPage(tool_);
    if (tool_ == ToolDropper)
        for (QLabel* label : dropperLabels_)
            label->clear();
}

void Tfrm_tools_panel::showPage(int tool)
{
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->property("tool").toInt() == tool)
            pages_->setCurrentIndex(i);
    if (tool == ToolRectangle)
        rectPage_->Redraw();
    else if (tool == ToolEllipse)
        ellipsePage_->Redraw();
    redrawPreview();
    showSelection(services_.activeDocument());
}

void Tfrm_tools_panel::showSelection(Tfrm_childwin* document)
{
    SelectionReadout* readout = tool_ == ToolRectSelect ? rectReadout_ : tool_ == ToolFreeSelect ? lassoReadout_ : nullptr;
    if (readout == nullptr)
        return;
    const TIconImage* image = document != nullptr ? document->CurrentImage() : nullptr;
    if (image == nullptr)
        readout->Clear();
    else
        readout->Show(*image, document->Selection(), services_.stripBackColor());
}

int Tfrm_tools_panel::depthCode() const
{
    const TIconImage* image = services_.activeImage();
    return image != nullptr ? image->ColorDepth : Depth32;
}

void Tfrm_tools_panel::redrawPreview()
{
    const ColourSource* colours = services_.colourSource();
    const TColor colour = colours != nullptr ? colours->CurrentColor() : 0;
    const int alpha = colours != nullptr ? colours->CurrentAlpha() : 255;
    const TIconImage* image = services_.activeImage();
    const TLogPalette palette = image != nullptr ? image->Palette : TLogPalette{};
    const int depth = depthCode();
    struct Footprint {
        int Size;
        int Hardness;
        TColor Colour;
        int Alpha;
    };
    const Footprint footprints[4] = {{PencilSize(), 255, colour, alpha},
                                     {BrushDiameter(), BrushGradient(), colour, alpha},
                                     {EraserSize(), 255, 0xFFFFFF, 0},
                                     {LineSize(), 255, colour, alpha}};
    for (int i = 0; i < 4; ++i)
        if (footprint_[i] != nullptr && footprint_[i]->isVisibleTo(this))
            footprint_[i]->setPixmap(PixmapOf(FootprintPreview(footprints[i].Size, footprints[i].Hardness,
                                                               footprints[i].Colour, footprints[i].Alpha, depth,
                                                               palette, kPreviewSize)));
    if (tool_ == ToolRectangle)
        rectPage_->Redraw();
    else if (tool_ == ToolEllipse)
        ellipsePage_->Redraw();
    else if (tool_ == ToolText)
        textPage_->Redraw();
}

void Tfrm_tools_panel::brushGradientChanged(int value)
{
    if (value != 255 && depthCode() <= Depth8) {
        services_.dialogs().showMessage(this, kAntiAliasCaption, kAntiAliasRefused);
        brushGradient_->setValueQuietly(255);
    }
    redrawPreview();
}

void Tfrm_tools_panel::lineAntiAliasToggled(bool on)
{
    if (on && depthCode() <= Depth8) {
        services_.dialogs().showMessage(this, kAntiAliasCaption, kAntiAliasRefused);
        const QSignalBlocker blocker(lineAntiAlias_);
        lineAntiAlias_->setChecked(false);
    }
    redrawPreview();
}

void Tfrm_tools_panel::currentImageChanged(Tfrm_childwin* document)
{
    const TIconImage* image = document != nullptr ? document->CurrentImage() : nullptr;
    const int imageId = image != nullptr ? image->ImageId : -1;
    const int depth = image != nullptr ? image->ColorDepth : -1;
    if (document == lastDocument_ && imageId == lastImageId_ && depth == lastDepth_)
        return;
    if (image != nullptr && IsIndexedDepth(depth)) {
        brushGradient_->setValueQuietly(255);
        const QSignalBlocker blocker(lineAntiAlias_);
        lineAntiAlias_->setChecked(false);
    }
    lastDocument_ = document;
    lastImageId_ = imageId;
    lastDepth_ = depth;
    redrawPreview();
}

int Tfrm_tools_panel::PencilSize() const { return pencilSize_->value(); }
int Tfrm_tools_panel::BrushDiameter() const { return 2 * brushSize_->value() + 1; }
int Tfrm_tools_panel::BrushGradient() const { return brushGradient_->value(); }
int Tfrm_tools_panel::EraserSize() const { return eraserSize_->value(); }
int Tfrm_tools_panel::BucketTolerance() const { return tolerance_->value(); }
int Tfrm_tools_panel::LineSize() const { return lineSize_->value(); }
bool Tfrm_tools_panel::LineAntiAlias() const { return lineAntiAlias_->isChecked(); }

TShapePaint Tfrm_tools_panel::ShapePaint(ShapeKind kind, TColor colour, int alpha) const
{
    return (kind == ShapeKind::Rectangle ? rectPage_ : ellipsePage_)->Paint(colour, alpha);
}

void Tfrm_tools_panel::ShowCursorPosition(int x, int y)
{
    pan_XY_->setText(QStringLiteral("X: %1               Y: %2").arg(x).arg(y));
}

void Tfrm_tools_panel::ShowDropperColour(TColor colour, int alpha)
{
    dropperLabels_[0]->setText(QStringLiteral("R:%1").arg(colour & 255));
    dropperLabels_[1]->setText(QStringLiteral("G:%1").arg((colour >> 8) & 255));
    dropperLabels_[2]->setText(QStringLiteral("B:%1").arg((colour >> 16) & 255));
    dropperLabels_[3]->setText(QStringLiteral("A:%1").arg(alpha));
    Raster swatch(dropperSwatch_->width(), dropperSwatch_->height());
    DrawSwatch(swatch, int(colour & 255), int((colour >> 8) & 255), int((colour >> 16) & 255), alpha);
    dropperSwatch_->setPixmap(PixmapOf(swatch));
}

void Tfrm_tools_panel::ShowBucketPreview(const TIconImage& image)
{
    bucketPreview_->setPixmap(PixmapOf(FittedImagePreview(image, kPreviewSize, kPreviewSize)));
}

} // namespace ormel

#include "colour/color_panel.h"

#include "colour/colour_pictures.h"
#include "colour/colour_views.h"
#include "document/document_window.h"
#include "files/default_palettes.h"
#include "main/editor_services.h"
#include "main/window_placement_keeper.h"
#include "raster/colour_space.h"
#include "widgets/qt_colour.h"
#include "widgets/track_spin_pair.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace ormel {

namespace {

constexpr int kPickerSide = 192;
constexpr int kHueBarWidth = 24;
constexpr int kPaletteCell = 12;
constexpr int kRecentCell = 16;
constexpr int kRecentColumns = 12;
constexpr int kLibraryColumns = 16;
const QSize kLibrarySize(192, 32);
const QSize kSwatchSize(48, 32);
const QSize kTransparentButtonSize(32, 32);

// Only hexadecimal digits, at most six, shown in upper case whichever way they were typed or
// pasted.
class HtmlCodeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        if (input.size() > 6)
            return Invalid;
        for (QChar c : input)
            if (c.unicode() > 127 || !IsHtmlCodeDigit(char(c.unicode())))
                return Invalid;
        return Acceptable;
    }
};

template <typename Entries>
void CopyEntries(const Entries& entries, TLogPalette& palette)
{
    palette.palNumEntries = static_cast<std::uint16_t>(entries.size());
    std::copy(entries.begin(), entries.end(), palette.palPalEntry.begin());
}

} // namespace

Tfrm_color_panel::Tfrm_color_panel(EditorServices& services, QWidget* frame)
    : QWidget(frame, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), services_(services)
{
    setObjectName(QStringLiteral("frm_color_panel"));
    setWindowTitle(QStringLiteral("Colors"));
    CopyEntries(MonochromePalette(), palettes_[0]);
    CopyEntries(VgaPalette(), palettes_[1]);
    CopyEntries(HalftonePalette(), palettes_[2]);
    BuildHuePicture(huePicture_);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(6, 6, 6, 6);
    buildPages();
    layout->addWidget(pages_);

    swatch_ = new RasterView("img_color", kSwatchSize);
    transparentButton_ = new QPushButton;
    transparentButton_->setObjectName(QStringLiteral("img_A"));
    transparentButton_->setAccessibleName(tr("Transparent"));
    transparentButton_->setToolTip(tr("Transparent"));
    transparentButton_->setFixedSize(kTransparentButtonSize);
    Raster board(kTransparentButtonSize.width() - 8, kTransparentButtonSize.height() - 8);
    DrawSwatch(board, 0, 0, 0, 0);
    transparentButton_->setIcon(QPixmap::fromImage(
        QImage(board.data(), board.width(), board.height(), board.stride(), QImage::Format_BGR888).copy()));
    transparentButton_->setIconSize(QSize(board.width(), board.height()));
    htmlCode_ = new QLineEdit(lastHtmlCode_);
    htmlCode_->setObjectName(QStringLiteral("edt_htmlCode"));
    htmlCode_->setAccessibleName(tr("HTML Code"));
    htmlCode_->setMaxLength(6);
    htmlCode_->setValidator(new HtmlCodeValidator(htmlCode_));
    htmlCode_->setFixedWidth(64);
    auto* codeLabel = new QLabel(QStringLiteral("HTML Code:  #"));
    codeLabel->setBuddy(htmlCode_);
    auto* swatchRow = new QHBoxLayout;
    swatchRow->addWidget(swatch_);
    swatchRow->addWidget(transparentButton_);
    swatchRow->addStretch(1);
    swatchRow->addWidget(codeLabel);
    swatchRow->addWidget(htmlCode_);
    layout->addLayout(swatchRow);

    form_ = new QFormLayout;
    form_->setVerticalSpacing(2);
    layout->addLayout(form_);
    buildControls(*form_);

    connect(transparentButton_, &QPushButton::clicked, this, &Tfrm_color_panel::transparentClicked);
    connect(htmlCode_, &QLineEdit::textEdited, this, &Tfrm_color_panel::htmlCodeEdited);
    connect(htmlCode_, &QLineEdit::editingFinished, this, [this] {
        typingCode_ = false;
        if (paletteEditPending_ && !paletteEditOngoing())
            finishPaletteEdit();
    });
    connect(&services_, &EditorServices::currentImageChanged, this, &Tfrm_color_panel::followActiveImage);

    new PlacementKeeper(*this, services_.positionFile(), true, false);
    showRecentColours();
    colourUpdate();
    adjustSize();
}

Tfrm_color_panel::~Tfrm_color_panel()
{
    if (services_.colourSource() == this)
        services_.setColourSource(nullptr);
}

void Tfrm_color_panel::buildPages()
{
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("pgc_Color"));
    pages_->setAccessibleName(tr("Colors"));

    auto* picker = new QWidget;
    auto* pickerRow = new QHBoxLayout(picker);
    pickerRow->setContentsMargins(4, 4, 4, 4);
    svArea_ = new PickerPicture("img_svArea", tr("Saturation and value"), QSize(kPickerSide, kPickerSide));
    svArea_->setPicture(&svPicture_);
    hueArea_ = new PickerPicture("img_hArea", tr("Hue"), QSize(kHueBarWidth, kPickerSide));
    hueArea_->setPicture(&huePicture_);
    arrow_ = new PickerMarker("img_arrow", PickerMarker::Shape::Arrow, hueArea_);
    cross_ = new PickerMarker("img_cross", PickerMarker::Shape::Cross, svArea_);
    paletteGrid_ = new ColourCellGrid("img_Palette", tr("Palette"), QSize(kPickerSide, kPickerSide),
                                      ColourCellGrid::MarkStyle::InnerSquare, 3);
    paletteGrid_->hide();
    pickerRow->addWidget(svArea_);
    pickerRow->addWidget(hueArea_);
    pickerRow->addWidget(paletteGrid_);
    pickerRow->addStretch(1);
    pages_->addTab(picker, QStringLiteral("Picker"));

    auto* libraryPage = new QWidget;
    auto* libraryBox = new QVBoxLayout(libraryPage);
    library_ = new ColourCellGrid("img_lib", tr("Color library"), kLibrarySize,
                                  ColourCellGrid::MarkStyle::FocusRectangle, 0);
    library_->setGrid(TCellGrid{kLibrarySize.width() / kLibraryColumns, kLibrarySize.height() / 2, kLibraryColumns, 0},
                        0);
    QList<QColor> libraryColours;
    for (TColor c : LibraryColours())
        libraryColours.append(ToQColor(c));
    library_->setColours(libraryColours);
    libraryBox->addWidget(library_);
    libraryBox->addStretch(1);
    pages_->addTab(libraryPage, QStringLiteral("Libraries"));

    auto* historyPage = new QWidget;
    auto* historyBox = new QVBoxLayout(historyPage);
    const int recentRows = int(TRecentColours::kCapacity) / kRecentColumns;
    recentArea_ = new ColourCellGrid("img_HistoryArea", tr("Recent colors"),
                                     QSize(kRecentColumns * kRecentCell, recentRows * kRecentCell),
                                     ColourCellGrid::MarkStyle::InnerSquare, 5);
    recentArea_->setGrid(TCellGrid{kRecentCell, kRecentCell, kRecentColumns, 0}, int(TRecentColours::kCapacity));
    historyBox->addWidget(recentArea_);
    historyBox->addStretch(1);
    pages_->addTab(historyPage, QStringLiteral("History"));

    connect(hueArea_, &PickerPicture::picked, this, &Tfrm_color_panel::hueAreaPicked);
    connect(svArea_, &PickerPicture::picked, this, &Tfrm_color_panel::svAreaPicked);
    connect(paletteGrid_, &ColourCellGrid::cellPicked, this, &Tfrm_color_panel::paletteCellPicked);
    connect(library_, &ColourCellGrid::cellPicked, this, &Tfrm_color_panel::libraryCellPicked);
    connect(recentArea_, &ColourCellGrid::cellPicked, this, &Tfrm_color_panel::recentCellPicked);
    connect(pages_, &QTabWidget::currentChanged, this, &Tfrm_color_panel::pageChanged);
}

void Tfrm_color_panel::buildControls(QFormLayout& form)
{
    const auto makePair = [this, &form](const char* label, const char* track, const char* spin, int maximum,
                                        int initial, void (Tfrm_color_panel::*handler)()) {
        auto* pair = new TrackSpinPair(form, QLatin1String(label), track, spin, 0, maximum, initial);
        pair->track().setMinimumWidth(110);
        // A typed number counts when it is complete (Enter or leaving the box), as one change.
        pair->spin().setKeyboardTracking(false);
        connect(pair, &TrackSpinPair::valueChanged, this, handler);
        connect(&pair->track(), &QSlider::sliderReleased, this, [this] {
            if (paletteEditPending_ && !paletteEditOngoing())
                finishPaletteEdit();
        });
        return pair;
    };
    r_ = makePair("R:", "trc_R", "spn_R", 255, 0, &Tfrm_color_panel::rgbChanged);
    g_ = makePair("G:", "trc_G", "spn_G", 255, 0, &Tfrm_color_panel::rgbChanged);
    b_ = makePair("B:", "trc_B", "spn_B", 255, 0, &Tfrm_color_panel::rgbChanged);
    h_ = makePair("H:", "trc_H", "spn_H", 359, 0, &Tfrm_color_panel::hsvChanged);
    s_ = makePair("S:", "trc_S", "spn_S", 255, 0, &Tfrm_color_panel::hsvChanged);
    v_ = makePair("V:", "trc_V", "spn_V", 255, 0, &Tfrm_color_panel::hsvChanged);
    a_ = makePair("A:", "trc_A", "spn_A", 255, 255, &Tfrm_color_panel::alphaChanged);
    alphaRow_ = form.rowCount() - 1;
}

TColor Tfrm_color_panel::CurrentColor() const
{
    if (IsIndexedDepth(mode_))
        return TColor(std::max(selected_, 0));
    if (transparent_)
        return 0;
    return MakeColor(std::uint8_t(red()), std::uint8_t(green()), std::uint8_t(blue()));
}

int Tfrm_color_panel::CurrentAlpha() const { return transparent_ ? 0 : a_->value(); }

const TLogPalette* Tfrm_color_panel::CurrentPalette() const
{
    return IsIndexedDepth(mode_) ? &palettes_[std::size_t(mode_ - 1)] : nullptr;
}

void Tfrm_color_panel::SetColor(TColor colour)
{
    if (IsIndexedDepth(mode_)) {
        if (colour < CurrentPalette()->palNumEntries)
            selectEntry(int(colour));
        return;
    }
    applyRgb(int(colour & 255), int((colour >> 8) & 255), int((colour >> 16) & 255));
    colourUpdate();
}

void Tfrm_color_panel::SetAlpha(int alpha)
{
    const QSignalBlocker blocker(a_);
    a_->track().setValue(std::clamp(alpha, 0, 255));
    colourUpdate();
}

void Tfrm_color_panel::AddRecentColor(TColor colour)
{
    const TRecentColours::AddResult result = recent_.add(colour);
    if (result == TRecentColours::AddResult::AlreadyThere)
        return;
    if (result == TRecentColours::AddResult::OldestDropped)
        recentArea_->setMark(-1);
    showRecentColours();
}

void Tfrm_color_panel::SetColorMode(const TLogPalette* palette, int depthCode)
{
    mode_ = std::clamp(depthCode, int(Depth1), int(Depth32));
    const bool indexed = IsIndexedDepth(mode_);
    if (indexed) {
        TLogPalette& own = palettes_[std::size_t(mode_ - 1)];
        if (palette != nullptr && palette->palNumEntries == own.palNumEntries)
            std::copy_n(palette->palPalEntry.begin(), own.palNumEntries, own.palPalEntry.begin());
        showPaletteGrid();
        const int nearest = NearestPaletteEntry(own, red(), green(), blue());
        paletteEditing_ = false;
        selected_ = nearest;
        const TPaletteEntry& entry = own.palPalEntry[std::size_t(std::max(nearest, 0))];
        applyRgb(entry.peRed, entry.peGreen, entry.peBlue);
        paletteEditing_ = true;
        paletteGrid_->setMark(selected_);
    } else {
        selected_ = -1;
        applyRgb(red(), green(), blue());
    }
    svArea_->setVisible(!indexed);
    hueArea_->setVisible(!indexed);
    paletteGrid_->setVisible(indexed);
    if (mode_ != Depth32) {
        const QSignalBlocker blocker(a_);
        a_->track().setValue(255);
    }
    form_->setRowVisible(alphaRow_, mode_ == Depth32);
    colourUpdate();
}

void Tfrm_color_panel::followActiveImage()
{
    const TIconImage* image = services_.activeImage();
    if (image == nullptr) {
        if (mode_ != Depth32)
            SetColorMode(nullptr, Depth32);
        return;
    }
    bool differs = image->ColorDepth != mode_;
    if (!differs && IsIndexedDepth(mode_)) {
        const TLogPalette& own = palettes_[std::size_t(mode_ - 1)];
        differs = own.palNumEntries == image->Palette.palNumEntries &&
                  !std::equal(own.palPalEntry.begin(), own.palPalEntry.begin() + own.palNumEntries,
                              image->Palette.palPalEntry.begin());
    }
    if (differs)
        SetColorMode(&image->Palette, image->ColorDepth);
}

void Tfrm_color_panel::showPaletteGrid()
{
    const TLogPalette* palette = CurrentPalette();
    if (palette == nullptr)
        return;
    QList<QColor> colours;
    for (int i = 0; i < palette->palNumEntries; ++i)
        colours.append(ToQColor(PaletteColor(i, *palette)));
    paletteGrid_->setGrid(TCellGrid{kPaletteCell, kPaletteCell, paletteGrid_->width() / kPaletteCell, 0}, 0);
    paletteGrid_->setColours(colours);
}

void Tfrm_color_panel::showRecentColours()
{
    QList<QColor> colours;
    for (TColor c : recent_.colours())
        colours.append(ToQColor(c));
    recentArea_->setColours(colours);
}

void Tfrm_color_panel::closeEvent(QCloseEvent* event)
{
    // The panel has no command that brings it back: the window manager cannot close it.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void Tfrm_color_panel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeMarkers();
}

} // namespace ormel

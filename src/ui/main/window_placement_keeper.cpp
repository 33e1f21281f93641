#include "main/window_placement_keeper.h"

#include "settings/ini_file.h"
#include "settings/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <filesystem>
#include <utility>

namespace ormel {

namespace {

TRect ToTRect(const QRect& r) { return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
TRect ToTRect(const QPoint& pos, const QSize& size) { return ToTRect(QRect(pos, size)); }

// Wayland tells no window where it is: positions read back as 0,0.
bool PositionKnown() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

int StateOf(const QWidget& window)
{
    if (window.isMaximized())
        return wsMaximized;
    return window.isMinimized() ? wsMinimized : wsNormal;
}

TIniFile LoadPositions(const std::string& positionFile)
{
    TIniFile ini;
    ini.Load(positionFile);
    return ini;
}

} // namespace

PlacementKeeper::PlacementKeeper(QWidget& window, std::string positionFile, bool snapToEdges, bool resizable)
    : QObject(&window), window_(window), positionFile_(std::move(positionFile)), snapToEdges_(snapToEdges),
      resizable_(resizable)
{
    window_.installEventFilter(this);
}

PlacementKeeper::~PlacementKeeper() { save(); }

void PlacementKeeper::save() const
{
    const std::string section = window_.objectName().toStdString();
    if (!shown_ || section.empty())
        return;
    const int state = StateOf(window_);
    const bool normal = state == wsNormal && !window_.isFullScreen();
    const TRect bounds = normal ? ToTRect(window_.pos(), window_.size()) : ToTRect(normalPos_, normalSize_);
    TIniFile ini = LoadPositions(positionFile_);
    WriteWindowPlacement(ini, section, PlacementToSave(bounds, state, PositionKnown()));
    ini.Save(positionFile_);
}

bool PlacementKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
            if (!shown_)
                restore();
            break;
        case QEvent::Move:
            if (shown_ && !adjusting_ && window_.isVisible() && StateOf(window_) == wsNormal &&
                !window_.isFullScreen() && PositionKnown())
                keepOnWorkArea();
            noteNormalPlacement();
            break;
        case QEvent::Resize:
            noteNormalPlacement();
            break;
        case QEvent::Close:
            save();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlacementKeeper::restore()
{
    shown_ = true;
    const TWindowPlacement stored = ReadWindowPlacement(LoadPositions(positionFile_), window_.objectName().toStdString());
    const TWindowGeometry own{ToTRect(window_.pos(), window_.size()), StateOf(window_)};
    const TWindowGeometry placed = RestorePlacement(own, stored, resizable_);
    adjusting_ = true;
    window_.move(placed.Bounds.Left, placed.Bounds.Top);
    window_.resize(placed.Bounds.Width(), placed.Bounds.Height());
    adjusting_ = false;
    keepOnWorkArea();
    normalPos_ = window_.pos();
    normalSize_ = window_.size();
    if (placed.WindowState == wsMaximized)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    else if (own.WindowState == wsMaximized)
        window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
}

void PlacementKeeper::keepOnWorkArea()
{
    const QRect frame = window_.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const TRect kept = KeepOnWorkArea(ToTRect(frame), ToTRect(screen->availableGeometry()), snapToEdges_);
    if (kept == ToTRect(frame))
        return;
    adjusting_ = true;
    window_.move(kept.Left, kept.Top);
    adjusting_ = false;
}

void PlacementKeeper::noteNormalPlacement()
{
    if (!shown_ || StateOf(window_) != wsNormal || window_.isFullScreen())
        return;
    normalPos_ = window_.pos();
    normalSize_ = window_.size();
}

std::string PositionFilePath(const std::string& configDir)
{
    return (std::filesystem::path(configDir) / kPositionFileName).string();
}

bool HasStoredPosition(const std::string& positionFile, const std::string& section)
{
    const TWindowPlacement stored = ReadWindowPlacement(LoadPositions(positionFile), section);
    return stored.Left.has_value() && stored.Top.has_value();
}

bool ReadShowingState(const std::string& positionFile, const std::string& section, bool fallback)
{
    return ReadShowing(LoadPositions(positionFile), section, fallback);
}

void WriteShowingState(const std::string& positionFile, const std::string& section, bool showing)
{
    TIniFile ini = LoadPositions(positionFile);
    WriteShowing(ini, section, showing);
    ini.Save(positionFile);
}

} // namespace ormel

#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <string>
#include <utility>

class QWidget;

namespace ormel {

// Keeps the placement of one of the editor's windows other than the document windows (the
// frame, the floating panels, the dialogs) in the position file, in the section named after
// the window's objectName: "left" and "top" of its frame, "width" and "height" of its inside.
// On the window's first show it applies the stored state, position and (for resizable
// windows) size and keeps the window on the work area of its screen; on close and on
// destruction it writes them back. Whenever the window moves, at least 50 pixels
// of it stay on the work area, and with `snapToEdges` an edge near the work area's edge
// snaps onto it.
class PlacementKeeper : public QObject {
    Q_OBJECT
public:
    // The keeper watches `window` and becomes its child, so it lives as long as the window.
    PlacementKeeper(QWidget& window, std::string positionFile, bool snapToEdges, bool resizable);
    ~PlacementKeeper() override;

    // Writes the window's placement now. Nothing is written before the window has been shown,
    // so a window never opened in a session keeps what the file holds.
    void save() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restore();
    void keepOnWorkArea();
    void noteNormalPlacement();

    QWidget& window_;
    std::string positionFile_;
    bool snapToEdges_;
    bool resizable_;
    // The window's last position (of its frame) and size while it was neither maximised nor
    // minimised: what it returns to, and so what is stored.
    QPoint normalPos_;
    QSize normalSize_;
    bool shown_ = false;
    bool adjusting_ = false;
};

// The position file in the configuration directory.
std::string PositionFilePath(const std::string& configDir);
// Whether a window's section holds a position; the frame places the floating windows that
// have none round itself.
bool HasStoredPosition(const std::string& positionFile, const std::string& section);
// The "showing" key of a window's section: whether the frame showed it when it closed.
bool ReadShowingState(const std::string& positionFile, const std::string& section, bool fallback);
void WriteShowingState(const std::string& positionFile, const std::string& section, bool showing);

} // namespace ormel

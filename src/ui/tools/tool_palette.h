#pragma once

#include "files/icon_image.h"
#include "tools/gradient_rect.h"
#include "tools/shape_tool.h"
#include "text/qt_text_rasterizer.h"
#include "tools/tool_codes.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QStackedWidget;

namespace ormel {

class EditorServices;
class SelectionReadout;
class ShapePage;
class TextPage;
class Tfrm_GradientColor;
class Tfrm_childwin;
class TrackSpinPair;

// The tool palette: the current drawing tool and every tool's settings, one floating window
// for the whole editor. It owns no pixels: the drawing dispatcher reads the settings at each
// canvas event. It also shows the pointer's position, the footprint and shape previews, the
// dropper's colour and the bucket's result.
class Tfrm_tools_panel : public QWidget {
    Q_OBJECT

public:
    Tfrm_tools_panel(EditorServices& services, QWidget* parent = nullptr);

    int CurrentTool() const { return tool_; }

    int PencilSize() const;
    int BrushDiameter() const;
    int BrushGradient() const;
    int EraserSize() const;
    int BucketTolerance() const;
    int LineSize() const;
    bool LineAntiAlias() const;
    TShapePaint ShapePaint(ShapeKind kind, TColor colour, int alpha) const;
    TextPage& Text() const { return *textPage_; }

    void ShowCursorPosition(int x, int y);
    void ShowDropperColour(TColor colour, int alpha);
    void ShowBucketPreview(const TIconImage& image);

signals:
    // The tool changed: the dispatcher finishes whatever the old tool had under way.
    void toolChanged(int tool);

private:
    QWidget* addPage(int tool, const char* name, const QString& title);
    QWidget* addFreehandPage(int tool, const char* name, const QString& title, TrackSpinPair*& size,
                             const char* trackName, const char* spinName, int maximum, int initial);
    void buildButtons(QLayout& layout);
    void buttonToggled(QAbstractButton* button, bool checked);
    void showPage(int tool);
    void redrawPreview();
    void brushGradientChanged(int value);
    void lineAntiAliasToggled(bool on);
    void currentImageChanged(Tfrm_childwin* document);
    // The selection tools' read-out follows the document's selection.
    void showSelection(Tfrm_childwin* document);
    int depthCode() const;

    EditorServices& services_;
    int tool_ = ToolNone;
    QButtonGroup* buttons_;
    QStackedWidget* pages_;
    QLabel* pan_XY_;
    TrackSpinPair* pencilSize_ = nullptr;
    TrackSpinPair* brushSize_ = nullptr;
    TrackSpinPair* brushGradient_ = nullptr;
    TrackSpinPair* eraserSize_ = nullptr;
    TrackSpinPair* tolerance_ = nullptr;
    TrackSpinPair* lineSize_ = nullptr;
    QCheckBox* lineAntiAlias_ = nullptr;
    QLabel* footprint_[4] = {};
    QLabel* dropperSwatch_ = nullptr;
    QLabel* dropperLabels_[4] = {};
    QLabel* bucketPreview_ = nullptr;
    Tfrm_GradientColor* gradients_;
    SelectionReadout* rectReadout_ = nullptr;
    SelectionReadout* lassoReadout_ = nullptr;
    ShapePage* rectPage_ = nullptr;
    ShapePage* ellipsePage_ = nullptr;
    QtTextRasterizer textRasterizer_;
    TextPage* textPage_ = nullptr;
    // The last image reported, as (document, ImageId, depth).
    QPointer<Tfrm_childwin> lastDocument_;
    int lastImageId_ = -1;
    int lastDepth_ = -1;
};

} // namespace ormel

// Renders every window and dialog of the editor offscreen into DIR/<objectName>.png, each in a
// realistic state: two icons open and edited, the history with steps and with recycled images,
// the icon library window showing a program's icons.
#include "colour/color_panel.h"
#include "creators/cartoon_option_dialog.h"
#include "creators/icon_mixer_dialog.h"
#include "creators/photo_to_icon_dialog.h"
#include "dialogs/about_box.h"
#include "dialogs/add_new_image_dialog.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/icon_property_dialog.h"
#include "dialogs/preview_window.h"
#include "document/document_window.h"
#include "effects/instant_commands.h"
#include "history/history_window.h"
#include "library/icon_library_window.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "pictures/picture_reader.h"
#include "raster/resample.h"
#include "tools/font_dialog.h"
#include "tools/gradient_dialog.h"
#include "tools/tool_palette.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>
#include <QMdiArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

using namespace ormel;

namespace {

void Settle()
{
    for (int i = 0; i < 30; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

bool Save(QWidget& window, const QString& dir, const QString& name = QString())
{
    window.show();
    Settle();
    const QString path = dir + QLatin1Char('/') + (name.isEmpty() ? window.objectName() : name) + QStringLiteral(".png");
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// Runs the effect dialogs without a modal loop: each gets a setting moved so that its effect
// shows, and is saved drawn over the corner of the document window it changes, then cancelled.
class EffectShots : public DialogService {
public:
    QString out;
    Tfrm_main* frame = nullptr;
    bool ok = true;

    int runDialog(QDialog& dialog) override
    {
        if (out.isEmpty() || frame == nullptr)
            return DialogService::runDialog(dialog);
        if (qobject_cast<Tfrm_PhotoToIcon*>(&dialog) != nullptr) {
            // Fitted to the square, as a cartoon in a frame.
            dialog.show();
            dialog.findChild<QAbstractButton*>(QStringLiteral("btn_FitHeight"))->click();
            dialog.findChild<QCheckBox*>(QStringLiteral("chk_CartoonLike"))->setChecked(true);
            dialog.findChild<QCheckBox*>(QStringLiteral("chk_PhotoFrame"))->setChecked(true);
            Settle();
            ok &= Save(dialog, out);
            return QDialog::Rejected;
        }
        if (qobject_cast<Tfrm_CartoonOption*>(&dialog) != nullptr) {
            // Saved alone with both stages ticked.
            dialog.findChild<QCheckBox*>(QStringLiteral("Chk_DrawColor"))->setChecked(true);
            ok &= Save(dialog, out);
            return QDialog::Rejected;
        }
        dialog.show();
        if (auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("spn_Angle")))
            spin->setValue(30);
        else if (auto* slider = dialog.findChild<QSlider*>())
            slider->setValue(slider->minimum() + (slider->maximum() - slider->minimum()) * 3 / 4);
        if (auto* list = dialog.findChild<QComboBox*>(); list != nullptr && list->isVisible())
            list->setCurrentIndex(3);
        Settle();
        Tfrm_childwin* document = frame->ActiveDocument();
        const QPixmap behind = document->grab();
        const QPixmap front = dialog.grab();
        QPixmap shot(std::max(behind.width(), front.width() + 40), std::max(behind.height(), front.height() + 40));
        shot.fill(Qt::darkGray);
        QPainter painter(&shot);
        painter.drawPixmap(0, 0, behind);
        painter.drawPixmap(shot.width() - front.width(), shot.height() - front.height(), front);
        painter.end();
        const QString path = out + QLatin1Char('/') + dialog.objectName() + QStringLiteral(".png");
        const bool saved = shot.save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        ok &= saved;
        return QDialog::Rejected;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIR FIRST.ico SECOND.ico PROGRAM\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("ORMEL_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    auto shots = std::make_unique<EffectShots>();
    EffectShots& effectShots = *shots;
    Tfrm_main frame(std::move(shots));
    frame.resize(1100, 760);
    frame.show();
    frame.OpenFiles({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    frame.MdiArea().tileSubWindows();
    Settle();
    if (frame.Documents().size() != 2) {
        std::fprintf(stderr, "the icons could not be opened\n");
        return 1;
    }
    // The first icon gets a few steps and loses an image to the recycle bin.
    Tfrm_childwin* first = frame.Documents().first();
    frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().first());
    TIconImage removed = first->Document().Images.front();
    frame.Services().history().RecycleImage(removed);
    emit frame.Services().recycleBinChanged();
    for (const auto& [command, caption] : {std::pair{TInstantCommand::FlipHorizontal, "Flip Horizontal"},
                                           std::pair{TInstantCommand::Rotate90CW, "Rotate 90 CW"},
                                           std::pair{TInstantCommand::InvertColor, "Invert Color"},
                                           std::pair{TInstantCommand::InvertColor, "Invert Color"}}) {
        ApplyInstantCommand(*first->CurrentImage(), command);
        first->RecordChange(QLatin1String(caption));
    }
    frame.Floating().History().Undo();
    Settle();

    bool ok = Save(frame, out);
    Tfrm_history& history = frame.Floating().History();
    ok &= Save(history, out);
    history.findChild<QTabWidget*>(QStringLiteral("pgc_history"))->setCurrentIndex(1);
    ok &= Save(history, out, QStringLiteral("frm_history-recycle"));
    ok &= Save(frame.Floating().Preview(), out);
    // The tool palette with each kind of page.
    Tfrm_tools_panel& tools = frame.Floating().Tools();
    for (const char* button : {"btn_brush", "btn_Rect", "btn_Dropper", "btn_Text"}) {
        tools.findChild<QAbstractButton*>(QLatin1String(button))->click();
        ok &= Save(tools, out, tools.objectName() + QLatin1Char('-') + QLatin1String(button + 4));
    }
    // The text tool's placement on the active icon.
    ok &= Save(frame, out, QStringLiteral("frm_main-text"));
    Tfrm_font font(&frame);
    font.Prepare(TFontSpec{QApplication::font().family().toStdString(), 14, true, false, false, false}, QStringLiteral("Hello"));
    ok &= Save(font, out);
    ok &= Save(*tools.findChild<Tfrm_GradientColor*>(), out);
    tools.findChild<Tfrm_GradientColor*>()->hide();
    Tfrm_color_panel& colours = frame.Floating().ColourPanel();
    for (TColor c : {MakeColor(255, 128, 0), MakeColor(0, 127, 130), MakeColor(98, 98, 98), MakeColor(40, 90, 200)})
        colours.AddRecentColor(c);
    ok &= Save(colours, out);
    auto* colourPages = colours.findChild<QTabWidget*>(QStringLiteral("pgc_Color"));
    colourPages->setCurrentIndex(1);
    ok &= Save(colours, out, QStringLiteral("frm_color_panel-library"));
    colourPages->setCurrentIndex(2);
    ok &= Save(colours, out, QStringLiteral("frm_color_panel-history"));
    colourPages->setCurrentIndex(0);

    Tfrm_add_new_image& add = frame.Floating().AddImageDialog();
    add.Prepare(&first->Document().Images, first->CurrentIndex());
    ok &= Save(add, out);
    add.hide();
    Tfrm_DeleIconImage& remove = frame.Floating().DeleteImageDialog();
    remove.Prepare(*first->CurrentImage());
    ok &= Save(remove, out);
    remove.hide();
    Tfrm_IconProperty properties(first->Document(), &frame);
    ok &= Save(properties, out);
    Tfrm_about about(&frame);
    ok &= Save(about, out);
    frame.OpenFiles({QString::fromLocal8Bit(argv[4])});
    ok &= Save(frame.Floating().Library(), out);

    // Each effect dialog over the first icon's current image.
    effectShots.out = out;
    effectShots.frame = &frame;
    frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().first());
    for (const char* action : {"act_BrightnessContrast", "act_Saturation", "act_ColorBalance", "act_Blur", "act_Sharpen",
                               "act_Filters", "act_RotateArbitrary", "act_Zoom", "act_Stroke", "act_Shadow"})
        frame.findChild<QAction*>(QLatin1String(action))->trigger();

    // The cartoon options over the photograph beside the program, letter-boxed into the crop.
    const QString fixtures = QFileInfo(QString::fromLocal8Bit(argv[4])).absolutePath();
    const QString photo = fixtures + QStringLiteral("/photo-board.jpg");
    QFile::copy(fixtures + QStringLiteral("/../../data/cartoon3.set"), home.filePath(QStringLiteral("cartoon3.set")));
    const TPictureResult picture = ReadPicture(photo.toStdString());
    if (picture.Loaded()) {
        Raster crop(TCartoonRenderer::kSourceSize, TCartoonRenderer::kSourceSize);
        crop.fill(255, 255, 255);
        const TRect cropRect{0, 32, 256, 224};
        StretchBitmapRect(picture.Picture.Colour, crop, {0, 0, picture.Picture.width(), picture.Picture.height()}, cropRect);
        TIconImageArray formats(2);
        NewIconImage(formats[0], 48, 48, -1, Depth8);
        NewIconImage(formats[1], 256, 256, -1, Depth32);
        Tfrm_CartoonOption cartoon(frame.Services(), &frame);
        cartoon.Execute(formats, 1, crop, cropRect);

        // The picture-to-icon dialog over the same photograph, with the shipped frames.
        QDir(home.path()).mkpath(QStringLiteral("frames"));
        for (const QFileInfo& framePicture : QDir(fixtures + QStringLiteral("/../../data/frames")).entryInfoList(QDir::Files))
            QFile::copy(framePicture.filePath(), home.filePath(QStringLiteral("frames/") + framePicture.fileName()));
        Tfrm_PhotoToIcon photoToIcon(frame.Services(), cartoon, &frame);
        ok &= photoToIcon.LoadPicture(photo);
        photoToIcon.Execute();
    } else {
        std::fprintf(stderr, "%s: %s\n", qPrintable(photo), picture.Message.c_str());
        ok = false;
    }
    ok &= effectShots.ok;

    // The mixer over both icons, the second one shifted and flipped so that both show.
    Tfrm_icon_mixer mixer(frame.Documents(), &frame);
    mixer.show();
    auto* icons = mixer.findChild<QListWidget*>(QStringLiteral("lsv_Icon"));
    icons->setCurrentRow(1);
    for (int i = 0; i < 6; ++i)
        mixer.findChild<QAbstractButton*>(QStringLiteral("btn_right"))->click();
    mixer.findChild<QAbstractButton*>(QStringLiteral("btn_flipH"))->click();
    ok &= Save(mixer, out);

    first->SetModified(false);
    frame.Documents().last()->SetModified(false);
    return ok ? 0 : 1;
}

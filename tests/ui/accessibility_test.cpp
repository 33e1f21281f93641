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
#include "effects/blur_dialogs.h"
#include "effects/filter_dialog.h"
#include "effects/outline_dialogs.h"
#include "effects/tone_dialogs.h"
#include "effects/transform_dialogs.h"
#include "history/history_window.h"
#include "library/icon_library_window.h"
#include "main/floating_windows.h"
#include "tools/font_dialog.h"
#include "tools/gradient_dialog.h"
#include "tools/paste_dialog.h"
#include "tools/system_clipboard.h"
#include "tools/tool_palette.h"
#include "main/main_window.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QMdiArea>
#include <QScrollBar>

#include <memory>

using namespace ormel;
using namespace ormel::test;

// Screen readers and desktop automation find every control by its accessible name, and the
// keyboard reaches every control of every dialog.
class AccessibilityTest : public QObject {
    Q_OBJECT

    // The interactive widgets of a window without an accessible name, or (in dialogs) out of
    // the keyboard's reach.
    static QStringList Unreachable(QWidget& window, bool dialog)
    {
        QStringList faults;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool interactive = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget);
            // A spin box's own line edit is announced as the spin box.
            const bool part = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr;
            if (!interactive || part || !widget->isVisibleTo(&window) || qobject_cast<QScrollBar*>(widget))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
            const QString id = QStringLiteral("%1/%2 (%3)").arg(window.objectName(), widget->objectName(),
                                                               QLatin1String(widget->metaObject()->className()));
            if (name.trimmed().isEmpty())
                faults.append(id + QStringLiteral(" has no name"));
            if (dialog && !(widget->focusPolicy() & Qt::TabFocus))
                faults.append(id + QStringLiteral(" is out of the keyboard's reach"));
        }
        return faults;
    }

private slots:
    void everyControlHasANameAndDialogsAreKeyboardReachable()
    {
        auto frame = std::make_unique<Tfrm_main>(std::make_unique<FakeDialogs>());
        frame->show();
        QTemporaryDir dir;
        const QString icon = dir.filePath(QStringLiteral("a.ico"));
        REQUIRE_DATA(DataFile("python-idle.ico"));
        QVERIFY(QFile::copy(DataFile("python-idle.ico"), icon));
        frame->OpenFiles({icon});
        Tfrm_childwin* document = frame->ActiveDocument();
        QVERIFY(document != nullptr);

        QStringList faults = Unreachable(*frame, false);
        FloatingWindows& floating = frame->Floating();
        floating.Preview().show();
        faults += Unreachable(floating.Tools(), false);
        // The text page shows with its tool.
        floating.Tools().findChild<QAbstractButton*>(QStringLiteral("btn_Text"))->click();
        faults += Unreachable(floating.Tools(), false);
        faults += Unreachable(floating.History(), false);
        faults += Unreachable(floating.Preview(), false);
        faults += Unreachable(floating.ColourPanel(), false);
        REQUIRE_DATA(DataFile("pe32-regedit.exe"));
        frame->OpenFiles({DataFile("pe32-regedit.exe")});
        faults += Unreachable(floating.Library(), false);
        floating.AddImageDialog().Prepare(&document->Document().Images, 0);
        floating.DeleteImageDialog().Prepare(*document->CurrentImage());
        Tfrm_IconProperty properties(document->Document(), frame.get());
        Tfrm_about about(frame.get());
        Tfrm_Brightness_Contrast brightness(frame->Services(), frame.get());
        Tfrm_Saturation saturation(frame->Services(), frame.get());
        Tfrm_Color_Balance balance(frame->Services(), frame.get());
        Tfrm_Blur blur(frame->Services(), frame.get());
        Tfrm_Sharpen sharpen(frame->Services(), frame.get());
        Tfrm_Filters filters(frame->Services(), frame.get());
        Tfrm_Rotate rotate(frame->Services(), frame.get());
        Tfrm_Zoom zoom(frame->Services(), frame.get());
        Tfrm_Stroke stroke(frame->Services(), frame.get());
        Tfrm_Shadow shadow(frame->Services(), frame.get());
        QtSystemClipboard systemClipboard;
        TOrmClipboard clipboard(systemClipboard);
        Tfrm_Paste paste(frame->Services(), clipboard, frame.get());
        Tfrm_CartoonOption cartoon(frame->Services(), frame.get());
        Tfrm_icon_mixer mixer(frame->Documents(), frame.get());
        Tfrm_PhotoToIcon photo(frame->Services(), cartoon, frame.get());
        Tfrm_font font(frame.get());
        for (QDialog* dialog : std::initializer_list<QDialog*>{
                 &floating.AddImageDialog(), &floating.DeleteImageDialog(), &properties, &about, &brightness,
                 &saturation, &balance, &blur, &sharpen, &filters, &rotate, &zoom, &stroke, &shadow, &cartoon,
                 &mixer, floating.Tools().findChild<Tfrm_GradientColor*>(), &paste, &photo, &font}) {
            dialog->show();
            faults += Unreachable(*dialog, true);
            dialog->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

ORMEL_UI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

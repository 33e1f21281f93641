#include "tools/tool_settings_store.h"

#include "settings/ini_file.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QWidget>

namespace ormel {

namespace {

std::string Key(const QObject& control) { return control.objectName().toStdString(); }

// The checkable buttons of exclusive groups (the gradient styles); the tool buttons are not
// settings.
template <typename F> void ForEachStyleButton(const QWidget& root, F f)
{
    for (QButtonGroup* group : root.findChildren<QButtonGroup*>())
        if (group->exclusive())
            for (QAbstractButton* button : group->buttons())
                if (!button->objectName().isEmpty())
                    f(*button);
}

} // namespace

void RestoreControls(QWidget& root, const std::string& file, const std::string& section)
{
    TIniFile ini;
    if (!ini.Load(file))
        return;
    for (QSpinBox* spin : root.findChildren<QSpinBox*>())
        if (const std::optional<int> value = ini.ReadOptionalInteger(section, Key(*spin)))
            spin->setValue(*value);
    for (QCheckBox* box : root.findChildren<QCheckBox*>())
        if (const std::optional<int> value = ini.ReadOptionalInteger(section, Key(*box)))
            box->setChecked(*value != 0);
    for (QComboBox* combo : root.findChildren<QComboBox*>())
        if (const std::optional<int> value = ini.ReadOptionalInteger(section, Key(*combo));
            value && *value >= 0 && *value < combo->count())
            combo->setCurrentIndex(*value);
    ForEachStyleButton(root, [&](QAbstractButton& button) {
        if (ini.ReadOptionalInteger(section, Key(button)).value_or(0) != 0)
            button.click();
    });
}

bool StoreControls(const QWidget& root, const std::string& file, const std::string& section)
{
    TIniFile ini;
    ini.Load(file);
    for (const QSpinBox* spin : root.findChildren<QSpinBox*>())
        ini.WriteInteger(section, Key(*spin), spin->value());
    for (const QCheckBox* box : root.findChildren<QCheckBox*>())
        ini.WriteBool(section, Key(*box), box->isChecked());
    for (const QComboBox* combo : root.findChildren<QComboBox*>())
        ini.WriteInteger(section, Key(*combo), combo->currentIndex());
    ForEachStyleButton(root, [&](const QAbstractButton& button) { ini.WriteBool(section, Key(button), button.isChecked()); });
    return ini.Save(file);
}

} // namespace ormel

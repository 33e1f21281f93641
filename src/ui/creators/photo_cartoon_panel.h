#pragma once

#include <QGroupBox>

#include <vector>

class QCheckBox;
class QPushButton;

namespace ormel {

class Tfrm_CartoonOption;
class TrackSpinPair;

// The picture-to-icon dialog's cartoon switches: "Cartoon-like" and a mirror of the main
// cartoon options (the two stages, "Remain Dark Area", Detail, Darkness, Threshold and
// Reducer). Every change is written into the cartoon options dialog, which holds them.
class PhotoCartoonPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit PhotoCartoonPanel(Tfrm_CartoonOption& options, QWidget* parent = nullptr);

    bool CartoonLike() const;
    // A new showing: the line drawing ticked, the colour stage cleared, the rest as the
    // options dialog holds them.
    void Start();
    // Shows the options dialog's values again, after it ran.
    void ShowOptions();

signals:
    void changed();
    void moreOptionsRequested();

private:
    void store();
    void updateEnabled();

    Tfrm_CartoonOption& options_;
    QCheckBox* cartoonLike_;
    QCheckBox* drawColor_;
    QCheckBox* drawSketch_;
    QCheckBox* remain_;
    QPushButton* more_;
    TrackSpinPair* detail_;
    TrackSpinPair* darkness_;
    TrackSpinPair* threshold_;
    TrackSpinPair* reducer_;
};

} // namespace ormel

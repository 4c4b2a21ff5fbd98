#pragma once
// The on-screen keyboard: one button per key of the binding vocabulary,
// laid out like a Japanese desktop keyboard, each coloured by the group
// that owns the key.

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "bindings/vocabulary.h"

class QPushButton;

namespace vantor {

class KeyboardPanel : public QWidget {
    Q_OBJECT
  public:
    explicit KeyboardPanel(QWidget* parent = nullptr);

    QPushButton* cmdKey(int index) const { return cmdKey_.at(index); }
    // Invisible reference button whose face colour free keys take.
    QPushButton* cmdDummy() const { return cmdDummy_; }

    // Shows `caption` on key `index` in the owner's colour and size: 12
    // point for free and mouse keys, 9 point for keys of a command group.
    void ShowKey(int index, const QString& caption, int16_t owner);

    QString KeyCaption(int index) const { return state_.at(index).caption; }
    QColor KeyColour(int index) const { return state_.at(index).colour; }
    int KeyPointSize(int index) const { return state_.at(index).pointSize; }

    QSize sizeHint() const override;

  signals:
    void KeyClicked(int index);

  private:
    struct KeyState {
        QString caption;
        QColor colour;
        int pointSize = 12;
    };

    std::array<QPushButton*, kKeyCount> cmdKey_{};
    std::array<KeyState, kKeyCount> state_{};
    QPushButton* cmdDummy_ = nullptr;
};

// Breaks a caption into lines that fit `width` pixels in `font`: before a
// capital letter inside a word ("Page" "Down") when that fits, else wherever
// the line is full.
QString WrapCaption(const QString& caption, const QFont& font, int width);

}  // namespace vantor

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

    // Full size; on a narrower window the keys and captions scale down
    // together, keeping the keyboard's proportions.
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    double Scale() const { return scale_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  signals:
    void KeyClicked(int index);

  private:
    struct KeyState {
        QString caption;
        QColor colour;
        int pointSize = 12;
    };

    static double ScaleForWidth(int width);
    void ApplyKeyLook(int index);

    std::array<QPushButton*, kKeyCount> cmdKey_{};
    std::array<KeyState, kKeyCount> state_{};
    QPushButton* cmdDummy_ = nullptr;
    double scale_ = 1.0;  // share of the full size the keys are drawn at
};

// Breaks a caption into lines that fit `width` pixels in `font`: before a
// capital letter inside a word ("Page" "Down") when that fits, else wherever
// the line is full.
QString WrapCaption(const QString& caption, const QFont& font, int width);

}  // namespace vantor

#pragma once
// Edits the four colours of one material row; shininess, transparency and
// "適用" are shown but have no effect.

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;

namespace vantor {

class Prompt;

class MaterialColourDialog : public QDialog {
    Q_OBJECT
  public:
    // `prompt` tells of a value out of range.
    explicit MaterialColourDialog(Prompt& prompt, QWidget* parent = nullptr);

    // The whole 20-float material row; the twelve colour values go to the fields.
    void SetValues(const float row[20]);
    // The row copy with the twelve colour fields applied.
    void GetValues(float row[20]) const;

    // Opens the colour chooser for colour row 0..3 (ambient, diffuse,
    // specular, emissive) and puts its colour into that row's boxes.
    void ChooseColourForRow(int colourRow);

    // The chooser; returns nothing on Cancel. Replaceable for tests.
    std::function<std::optional<QColor>(const QColor& initial, QWidget* owner)> chooseColour;

    // The colour every chooser opens with, shared by the whole process.
    static QColor lastChosenColour;

    void accept() override;

  private:
    Prompt& prompt_;
    float row_[20];
    QLineEdit* fields_[4][3];
};

}  // namespace vantor

#pragma once
// The frame of the mouse tab: per mouse action an option button choosing
// the row, its title, the button combo, the check box that allows a held
// key, and the label showing that key.

#include <QGroupBox>
#include <QString>
#include <array>

#include "bindings/vocabulary.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace vantor {

class MouseRowsPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit MouseRowsPanel(QWidget* parent = nullptr);

    // Back to the set-up state: every combo offering the five button
    // captions and showing "コマンド不使用", key labels empty, boxes cleared,
    // row 0 selected.
    void ResetRows();
    // Shows a button caption in a row's combo; a caption outside the list
    // (a damaged file's "Error") is added so it can be shown.
    void ShowButtonCaption(int row, const QString& caption);

    int SelectedRow() const;
    void SelectRow(int row);

    QRadioButton* optnMouseMove(int row) const { return rows_.at(row).option; }
    QLabel* lblMouseMoveTitle(int row) const { return rows_.at(row).title; }
    QComboBox* cmbMouseMove(int row) const { return rows_.at(row).combo; }
    QCheckBox* chkMouseMove(int row) const { return rows_.at(row).check; }
    QLabel* lblMouseMoveKey(int row) const { return rows_.at(row).key; }

    // Trimmed text of a row's combo.
    QString ButtonCaption(int row) const;

  signals:
    // Any click on a row's option, check box or combo.
    void RowTouched(int row);

  private:
    struct Row {
        QRadioButton* option = nullptr;
        QLabel* title = nullptr;
        QComboBox* combo = nullptr;
        QCheckBox* check = nullptr;
        QLabel* key = nullptr;
    };
    std::array<Row, kMouseRowCount> rows_{};
};

}  // namespace vantor

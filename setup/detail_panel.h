#pragma once
// The detail tab: five values (tolerances, font size, step sizes), each
// changed through the value dialog. They are not part of the binding file.

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace vantor {

class DetailPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRowCount = 5;

    explicit DetailPanel(QWidget* parent = nullptr);

    // Back to the initial values.
    void ResetRows();

    QPushButton* cmdDetail(int row) const { return cmdDetail_.at(row); }
    QLabel* lblDetail(int row) const { return lblDetail_.at(row); }
    QString Value(int row) const;

    // Opens the value dialog for a row; the label takes the new value after OK.
    void cmdDetail_Click(int row);

  private:
    std::array<QPushButton*, kRowCount> cmdDetail_{};
    std::array<QLabel*, kRowCount> lblDetail_{};
};

}  // namespace vantor

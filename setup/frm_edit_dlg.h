#pragma once
// The general value dialog: shows an old value and takes a new one, checked
// as an Integer, Long or Double. The caller sets it up, shows it modally and
// reads GetNewData when the hide state is 1.

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantor {

// The form names are kept from the original design.
class frmEditDlg : public QDialog {
    Q_OBJECT
  public:
    // Escape and the close box.
    void reject() override;

    static constexpr int kFieldCount = 7;

    explicit frmEditDlg(QWidget* parent = nullptr);

    // "Integer", "Long" or "Double".
    void SetIntegerOrLongOrDouble(const QString& mode) { mode_ = mode; }
    // Target 0-6: field label 0-6; 7: Label1; 8: Label2; 9: the text box;
    // 10: the window caption. Other targets do nothing.
    void SetText(const QString& text, int target);
    // The new text after a successful OK; otherwise a fixed text that is no value.
    QString GetNewData() const;
    int16_t GetHideState() const { return hideState_; }
    void SetHideState(int16_t state) { hideState_ = state; }

    // OK, also bound to Enter in the text box.
    void cmdOK_Click();

    QLabel* lblFields(int index) const { return lblFields_.at(index); }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QLineEdit* NewTextBox() const { return NewTextBox_; }
    QPushButton* cmdOK() const { return cmdOK_; }

    // Returned by GetNewData before a successful OK.
    static QString NoDataText();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString mode_;
    QString newText_;
    int16_t hideState_ = 2;
    std::array<QLabel*, kFieldCount> lblFields_{};
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* NewTextBox_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace vantor

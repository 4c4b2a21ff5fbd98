#pragma once
// The About box: title, version and a button showing the system's details.

#include <QDialog>

class QLabel;
class QPushButton;

namespace vantor {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

    // Shows the operating system, Qt and OpenGL details in a dialog.
    void cmdSysInfo_Click();

  private:
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace vantor

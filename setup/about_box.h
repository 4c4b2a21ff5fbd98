#pragma once
// The About box: title, version and a button showing the system's details.

#include <QDialog>

namespace vantor {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

    // Shows the operating system, Qt and OpenGL details in a dialog.
    void ShowSystemInfo();
};

}  // namespace vantor

#pragma once
// The version information box: product, version and where the viewer keeps
// its files.

#include <QDialog>

class CKorvaldeApp;

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(const CKorvaldeApp* app, QWidget* parent = nullptr);

    // The text of the box (also used by tests).
    static QString InfoText(const CKorvaldeApp* app);
};

#pragma once
// The version information box: product, version and where the viewer keeps
// its files.

#include <QDialog>

namespace vantor {

class AppContext;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(const AppContext* context, QWidget* parent = nullptr);

    // The text of the box (also used by tests).
    static QString InfoText(const AppContext* context);
};

}  // namespace vantor

#pragma once
// The small modal dialog that asks for three numbers (a point, clip
// distances, step amounts, a vector): a title line, three labels and three
// float fields, each of which the caller may disable.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace vantor {

// What the caller fills in before asking and reads back after OK.
struct ThreeValueRequest {
    QString windowTitle = QStringLiteral("Set Vector");
    QString titleLine;                     // read-only line above the fields
    QString labels[3];                     // read-only captions of the fields
    float values[3] = {0, 0, 0};           // initial values; the answer after OK
    bool enabled[3] = {true, true, true};  // a cleared flag makes the field read-only
};

class ThreeValueDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ThreeValueDialog(QWidget* parent = nullptr);

    // Shows the request's texts and values.
    void SetRequest(const ThreeValueRequest& request);

    // Parses the three fields; false (and the index of the first bad field)
    // when one of them is not a number.
    bool ReadValues(float values[3], int* badField = nullptr) const;

    QLineEdit* Field(int i) const { return fields_[i]; }
    QLabel* TitleLine() const { return titleLine_; }
    QLabel* Label(int i) const { return labels_[i]; }
    QLabel* ErrorLine() const { return errorLine_; }

    // Shows the dialog modally until OK or Cancel. On OK the values are
    // stored into the request and true is returned; Cancel leaves the
    // request unchanged.
    static bool Ask(QWidget* parent, ThreeValueRequest& request);

  public slots:
    // Refuses to close while a field holds text that is not a number.
    void accept() override;

  private:
    QLabel* titleLine_;
    QLabel* labels_[3];
    QLineEdit* fields_[3];
    QLabel* errorLine_;
};

}  // namespace vantor

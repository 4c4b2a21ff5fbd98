#include "dialogs/three_value_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>

namespace vantor {

namespace {

// Shortest text that reads back as the same float, so OK without edits
// stores exactly the values that were shown.
QString FormatFloat(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

bool ParseFloat(const QString& text, float& value) {
    bool ok = false;
    const float parsed = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace

ThreeValueDialog::ThreeValueDialog(QWidget* parent) : QDialog(parent) {
    setWindowIcon(QApplication::windowIcon());
    setModal(true);

    titleLine_ = new QLabel(this);
    titleLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        labels_[i] = new QLabel(this);
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("value%1").arg(i));
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(fields_[i], i, 1);
    }
    errorLine_ = new QLabel(this);
    errorLine_->setStyleSheet(QStringLiteral("color: #b00000"));
    errorLine_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ThreeValueDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ThreeValueDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLine_);
    layout->addLayout(grid);
    layout->addWidget(errorLine_);
    layout->addWidget(buttons);

    SetRequest(ThreeValueRequest{});
}

void ThreeValueDialog::SetRequest(const ThreeValueRequest& request) {
    setWindowTitle(request.windowTitle);
    titleLine_->setText(request.titleLine);
    for (int i = 0; i < 3; ++i) {
        labels_[i]->setText(request.labels[i]);
        fields_[i]->setText(FormatFloat(request.values[i]));
        fields_[i]->setEnabled(request.enabled[i]);
    }
    errorLine_->hide();
}

bool ThreeValueDialog::ReadValues(float values[3], int* badField) const {
    for (int i = 0; i < 3; ++i) {
        if (!ParseFloat(fields_[i]->text(), values[i])) {
            if (badField) *badField = i;
            return false;
        }
    }
    return true;
}

void ThreeValueDialog::accept() {
    float values[3];
    int bad = 0;
    if (!ReadValues(values, &bad)) {
        const QString label = labels_[bad]->text().isEmpty()
                                  ? QStringLiteral("Field %1").arg(bad + 1)
                                  : labels_[bad]->text();
        errorLine_->setText(
            QStringLiteral("%1: \"%2\" is not a number.").arg(label, fields_[bad]->text()));
        errorLine_->show();
        fields_[bad]->setFocus();
        fields_[bad]->selectAll();
        return;
    }
    errorLine_->hide();
    QDialog::accept();
}

bool ThreeValueDialog::Ask(QWidget* parent, ThreeValueRequest& request) {
    ThreeValueDialog dialog(parent);
    dialog.SetRequest(request);
    for (;;) {
        const int result = dialog.exec();
        if (result == QDialog::Rejected) return false;
        if (result == QDialog::Accepted) break;
    }
    float values[3];
    if (!dialog.ReadValues(values)) return false;
    for (int i = 0; i < 3; ++i) request.values[i] = values[i];
    return true;
}

}  // namespace vantor

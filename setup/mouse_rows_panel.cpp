#include "mouse_rows_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include "setup_shared.h"

namespace vantor {
namespace {

const char* const kButtonCaptions[] = {"マウス左ボタン", "マウス右ボタン", "マウス中ボタン(ホイル)",
                                       "マウス左右ボタン両方", "コマンド不使用"};

}  // namespace

MouseRowsPanel::MouseRowsPanel(QWidget* parent) : QGroupBox(parent) {
    setTitle(tr("マウスによるビュー操作"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("マウスボタン"), this), 0, 2);
    grid->addWidget(new QLabel(tr("同時押しのキー"), this), 0, 3, 1, 2);
    auto* options = new QButtonGroup(this);
    for (int row = 0; row < kMouseRowCount; ++row) {
        Row& r = rows_[row];
        r.option = new QRadioButton(this);
        r.option->setObjectName(QStringLiteral("optnMouseMove_%1").arg(row));
        options->addButton(r.option, row);
        r.title = new QLabel(ShownCaption(MouseActionForRow(row).caption), this);
        r.title->setObjectName(QStringLiteral("lblMouseMoveTitle_%1").arg(row));
        r.title->setAutoFillBackground(true);
        r.title->setMinimumWidth(110);
        r.combo = new QComboBox(this);
        r.combo->setObjectName(QStringLiteral("cmbMouseMove_%1").arg(row));
        r.combo->setMinimumWidth(190);
        r.check = new QCheckBox(this);
        r.check->setObjectName(QStringLiteral("chkMouseMove_%1").arg(row));
        r.key = new QLabel(this);
        r.key->setObjectName(QStringLiteral("lblMouseMoveKey_%1").arg(row));
        r.key->setFrameShape(QFrame::Panel);
        r.key->setFrameShadow(QFrame::Sunken);
        r.key->setAutoFillBackground(true);
        r.key->setMinimumWidth(90);
        r.key->setAlignment(Qt::AlignCenter);

        grid->addWidget(r.option, row + 1, 0);
        grid->addWidget(r.title, row + 1, 1);
        grid->addWidget(r.combo, row + 1, 2);
        grid->addWidget(r.check, row + 1, 3);
        grid->addWidget(r.key, row + 1, 4);

        connect(r.option, &QRadioButton::clicked, this, [this, row] { emit RowTouched(row); });
        connect(r.check, &QCheckBox::clicked, this, [this, row] {
            SelectRow(row);
            emit RowTouched(row);
        });
        connect(r.combo, &QComboBox::activated, this, [this, row] {
            SelectRow(row);
            emit RowTouched(row);
        });
    }
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(kMouseRowCount + 1, 1);
    ResetRows();
}

void MouseRowsPanel::ResetRows() {
    for (Row& r : rows_) {
        const QSignalBlocker blocker(r.combo);
        r.combo->clear();
        // Shown translated, known by the caption itself.
        for (const char* caption : kButtonCaptions)
            r.combo->addItem(ShownCaption(caption), QString::fromUtf8(caption));
        r.combo->setCurrentIndex(r.combo->count() - 1);
        r.key->clear();
        r.check->setChecked(false);
    }
    SelectRow(0);
}

void MouseRowsPanel::ShowButtonCaption(int row, const QString& caption) {
    QComboBox* combo = rows_.at(row).combo;
    const QSignalBlocker blocker(combo);
    int index = combo->findData(caption);
    if (index < 0) {
        combo->addItem(ShownCaption(caption.toStdString()), caption);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

int MouseRowsPanel::SelectedRow() const {
    for (int row = 0; row < kMouseRowCount; ++row) {
        if (rows_[row].option->isChecked()) return row;
    }
    return 0;
}

void MouseRowsPanel::SelectRow(int row) {
    rows_.at(row).option->setChecked(true);
}

QString MouseRowsPanel::ButtonCaption(int row) const {
    return rows_.at(row).combo->currentData().toString().trimmed();
}

}  // namespace vantor

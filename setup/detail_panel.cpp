#include "detail_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "frm_edit_dlg.h"
#include "setup_shared.h"

namespace vantor {
namespace {

struct DetailRow {
    const char* caption;
    const char* initialValue;
};

const DetailRow kRows[DetailPanel::kRowCount] = {
    {QT_TRANSLATE_NOOP("vantor::DetailPanel", "これ以上接近していたら同一点とみなす距離"), "0.001"},
    {QT_TRANSLATE_NOOP("vantor::DetailPanel", "これ以下の傾きであれば平行とみなす角度"), "0.5"},
    {QT_TRANSLATE_NOOP("vantor::DetailPanel", "寸法用のフォントサイズ"), "8"},
    {QT_TRANSLATE_NOOP("vantor::DetailPanel", "ステップ移動の距離"), "10"},
    {QT_TRANSLATE_NOOP("vantor::DetailPanel", "ステップ移動の角度"), "45"},
};

}  // namespace

DetailPanel::DetailPanel(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    for (int row = 0; row < kRowCount; ++row) {
        cmdDetail_[row] = new QPushButton(tr(kRows[row].caption), this);
        cmdDetail_[row]->setObjectName(QStringLiteral("cmdDetail_%1").arg(row));
        lblDetail_[row] = new QLabel(this);
        lblDetail_[row]->setObjectName(QStringLiteral("lblDetail_%1").arg(row));
        lblDetail_[row]->setFrameShape(QFrame::Panel);
        lblDetail_[row]->setFrameShadow(QFrame::Sunken);
        lblDetail_[row]->setMinimumWidth(100);
        grid->addWidget(cmdDetail_[row], row, 0);
        grid->addWidget(lblDetail_[row], row, 1);
        connect(cmdDetail_[row], &QPushButton::clicked, this,
                [this, row] { cmdDetail_Click(row); });
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(kRowCount, 1);
    ResetRows();
}

void DetailPanel::ResetRows() {
    for (int row = 0; row < kRowCount; ++row) {
        lblDetail_[row]->setText(QString::fromUtf8(kRows[row].initialValue));
    }
}

QString DetailPanel::Value(int row) const {
    return lblDetail_.at(row)->text();
}

void DetailPanel::cmdDetail_Click(int row) {
    frmEditDlg dialog(this);
    dialog.SetIntegerOrLongOrDouble(QStringLiteral("Double"));
    dialog.SetText(QStringLiteral("Set New Value"), 10);
    dialog.SetText(cmdDetail_.at(row)->text(), 0);
    dialog.SetText(Value(row), 1);
    dialog.SetText(Value(row), 9);
    dialog.SetHideState(hide_state::Shown);
    dialog.exec();
    if (dialog.GetHideState() == hide_state::Ok) lblDetail_[row]->setText(dialog.GetNewData());
}

}  // namespace vantor

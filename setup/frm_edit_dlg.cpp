#include "frm_edit_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "module_string.h"
#include "setup_prompt.h"
#include "setup_shared.h"

namespace vantor {

frmEditDlg::frmEditDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditDlg"));
    setWindowTitle(tr("変更ダイアログ"));
    for (int i = 0; i < kFieldCount; ++i) {
        lblFields_[i] = new QLabel(this);
        lblFields_[i]->setObjectName(QStringLiteral("lblFields_%1").arg(i));
    }
    lblFields_[0]->setText(tr("情報"));
    lblFields_[4]->setText(QStringLiteral("col"));
    lblFields_[5]->setText(QStringLiteral("row"));
    // Labels 4-6 carry the caller's bookkeeping (a leading "X" in 5 locks
    // the value) rather than anything the user reads.
    for (int i = 4; i < kFieldCount; ++i) lblFields_[i]->setVisible(false);

    Label1_ = new QLabel(tr("変更前"), this);
    Label2_ = new QLabel(tr("変更後"), this);
    NewTextBox_ = new QLineEdit(this);
    NewTextBox_->setObjectName(QStringLiteral("NewTextBox"));
    NewTextBox_->setMinimumWidth(200);

    auto* grid = new QGridLayout;
    grid->addWidget(lblFields_[0], 0, 0, 1, 2);
    grid->addWidget(Label1_, 1, 0);
    grid->addWidget(lblFields_[1], 1, 1);
    grid->addWidget(Label2_, 2, 0);
    grid->addWidget(NewTextBox_, 2, 1);
    grid->addWidget(lblFields_[2], 3, 0);
    grid->addWidget(lblFields_[3], 3, 1);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // The default button also takes Enter in the text box.
    connect(cmdOK_, &QPushButton::clicked, this, &frmEditDlg::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmEditDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void frmEditDlg::SetText(const QString& text, int target) {
    if (target >= 0 && target < kFieldCount) {
        lblFields_[target]->setText(text);
    } else if (target == 7) {
        Label1_->setText(text);
    } else if (target == 8) {
        Label2_->setText(text);
    } else if (target == 9) {
        NewTextBox_->setText(text);
    } else if (target == 10) {
        setWindowTitle(text);
    }
}

QString frmEditDlg::NoDataText() {
    return tr("データはOKボタン押さないとGETできないよー");
}

QString frmEditDlg::GetNewData() const {
    return hideState_ == hide_state::Ok ? newText_ : NoDataText();
}

void frmEditDlg::cmdOK_Click() {
    if (lblFields_[5]->text().startsWith(u'X')) {
        ShowWarning(tr("この値を修正することは出来ません"), tr("選択エラ－"));
        QDialog::reject();
        return;
    }
    ModuleString::NumberCheck check;
    if (mode_ == QStringLiteral("Integer")) {
        check = ModuleString::CheckNumber(NewTextBox_->text(), ModuleString::NumberKind::Integer);
    } else if (mode_ == QStringLiteral("Long")) {
        check = ModuleString::CheckNumber(NewTextBox_->text(), ModuleString::NumberKind::Long);
    } else if (mode_ == QStringLiteral("Double")) {
        check = ModuleString::CheckNumber(NewTextBox_->text(), ModuleString::NumberKind::Double);
    } else {
        ShowWarning(tr("EditDlgのmsIntegerOrLongOrDouble設定注意"), tr("コーディングエラ－"));
        hideState_ = hide_state::Cancel;
        return;
    }
    if (!check.ok) {
        ModuleString::ShowCheckMessage(check);
        hideState_ = hide_state::Cancel;
        NewTextBox_->setFocus();
        return;
    }
    // The converted text, so full-width digits and a bare point do not
    // reach the caller.
    newText_ = check.text;
    hideState_ = hide_state::Ok;
    accept();
}

void frmEditDlg::reject() {
    hideState_ = hide_state::Cancel;
    QDialog::reject();
}

void frmEditDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (NewTextBox_->isVisible()) {
        NewTextBox_->setFocus();
        NewTextBox_->selectAll();
    }
}

}  // namespace vantor

#include "frm_select_key_command.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup_prompt.h"
#include "setup_shared.h"

namespace vantor {

frmSelectKeyCommand::frmSelectKeyCommand(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectKeyCommand"));
    cmbCommand_ = new QComboBox(this);
    cmbCommand_->setObjectName(QStringLiteral("cmbCommand"));
    cmbCommand_->setMinimumWidth(240);
    connect(cmbCommand_, &QComboBox::currentIndexChanged, this,
            &frmSelectKeyCommand::cmbCommand_Click);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        hideState_ = hide_state::Ok;
        accept();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] {
        hideState_ = hide_state::Cancel;
        QDialog::reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmbCommand_);
    layout->addWidget(buttons);
}

void frmSelectKeyCommand::SetTypeState(CommandGroup group) {
    group_ = group;
    const QSignalBlocker blocker(cmbCommand_);
    cmbCommand_->clear();
    for (const CommandInfo& command : CommandsOfGroup(group)) {
        const QString caption = QString::fromUtf8(command.caption.data(), command.caption.size());
        cmbCommand_->addItem(ShownCaption(command.caption), caption);
    }
    cmbCommand_->addItem(ShownCaption(kKeyNotUseCaption),
                         QString::fromUtf8(kKeyNotUseCaption.data(), kKeyNotUseCaption.size()));
    cmbCommand_->setCurrentIndex(0);
    cmbCommand_Click();
}

QString frmSelectKeyCommand::GetKeyTitle() const {
    return cmbCommand_->currentData().toString().trimmed();
}

QString frmSelectKeyCommand::GetCommand(const QString& caption) const {
    return QString::fromStdString(vantor::GetCommand(group_, caption.toStdString()));
}

void frmSelectKeyCommand::cmbCommand_Click() {
    keyCommand_ = GetCommand(GetKeyTitle());
}

void frmSelectKeyCommand::reject() {
    // Escape or the close box: neither OK nor Cancel chose anything.
    if (hideState_ != hide_state::Ok && hideState_ != hide_state::Cancel) {
        ShowWarning(QStringLiteral("Error about DoCloseingManagement"), QStringLiteral("Check"));
    }
    QDialog::reject();
}

}  // namespace vantor

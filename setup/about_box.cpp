#include "about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "setup_shared.h"
#include "system_info.h"

namespace vantor {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    const QString title = QString::fromUtf8(kProgramTitle);
    setWindowTitle(tr("%1のﾊﾞｰｼﾞｮﾝ情報").arg(title));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = titleLabel->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    auto* versionLabel = new QLabel(tr("ﾊﾞｰｼﾞｮﾝ ") + Shared().versionText, this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));

    auto* text = new QVBoxLayout;
    text->addWidget(titleLabel);
    text->addWidget(versionLabel);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* systemInfo =
        buttons->addButton(tr("ｼｽﾃﾑ情報(&S)..."), QDialogButtonBox::ActionRole);
    systemInfo->setObjectName(QStringLiteral("systemInfoButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfo, &QPushButton::clicked, this, &AboutBox::ShowSystemInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void AboutBox::ShowSystemInfo() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgSystemInfo"));
    dialog.setWindowTitle(tr("システム情報"));
    auto* details = new QPlainTextEdit(GatherSystemInfo(), &dialog);
    details->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(details);
    layout->addWidget(buttons);
    dialog.resize(520, 300);
    dialog.exec();
}

}  // namespace vantor

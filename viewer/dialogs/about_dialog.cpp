#include "dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "dialogs/product_picture.h"

namespace vantor {

AboutDialog::AboutDialog(const AppContext* context, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Korvalde のバージョン情報"));
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductPicture(QSize(160, 100)));
    auto* text = new QLabel(InfoText(context), this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString AboutDialog::InfoText(const AppContext* context) {
    QString text = QStringLiteral(
        "Vantor3D  Korvalde Version 2.10\n"
        "VRML 1.0 / 2.0 Viewer\n\n");
    if (context) {
        const AppPaths paths = context->Paths();
        text += QStringLiteral("Install folder: %1\n").arg(paths.installFolder);
        text += QStringLiteral("Working database: %1\n").arg(paths.databasePath);
        text += QStringLiteral("Reading log: %1\n").arg(paths.readingLogPath);
        text += QStringLiteral("Config: %1\n").arg(paths.configPath);
    }
    return text;
}

}  // namespace vantor

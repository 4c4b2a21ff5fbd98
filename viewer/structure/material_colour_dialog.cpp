#include "structure/material_colour_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "prompt/prompt.h"
#include "scene/scene_data.h"

namespace vantor {

QColor MaterialColourDialog::lastChosenColour = QColor(0, 0, 0);

namespace {
// Offsets of the r values of ambient, diffuse, specular and emissive.
constexpr int kColourOffsets[4] = {1, 5, 9, 13};
const char* const kColourCaptions[4] = {
    QT_TRANSLATE_NOOP("vantor::MaterialColourDialog", "Ambient color"),
    QT_TRANSLATE_NOOP("vantor::MaterialColourDialog", "Diffuse Color"),
    QT_TRANSLATE_NOOP("vantor::MaterialColourDialog", "Specular Color"),
    QT_TRANSLATE_NOOP("vantor::MaterialColourDialog", "Emissive Color")};

QString Formatted(float v) {
    return QString::asprintf("%3.3f", double(v));
}
}  // namespace

MaterialColourDialog::MaterialColourDialog(Prompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(tr("Set Color Material"));
    std::copy(kDefaultMaterial, kDefaultMaterial + 20, row_);
    chooseColour = [](const QColor& initial, QWidget* owner) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, owner);
        if (!c.isValid()) return std::nullopt;
        return c;
    };

    auto* grid = new QGridLayout(this);
    for (int r = 0; r < 4; ++r) {
        auto* button = new QPushButton(tr(kColourCaptions[r]), this);
        connect(button, &QPushButton::clicked, this, [this, r] { ChooseColourForRow(r); });
        grid->addWidget(button, r, 0);
        for (int c = 0; c < 3; ++c) {
            fields_[r][c] = new QLineEdit(this);
            grid->addWidget(fields_[r][c], r, c + 1);
        }
    }
    // Shown for completeness; these controls change nothing.
    grid->addWidget(new QPushButton(QStringLiteral("Shininess"), this), 4, 0);
    grid->addWidget(new QLineEdit(this), 4, 1);
    grid->addWidget(new QPushButton(QStringLiteral("Transparency"), this), 5, 0);
    grid->addWidget(new QLineEdit(this), 5, 1);
    grid->addWidget(new QPushButton(tr("適用"), this), 5, 3);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 6, 0, 1, 4);
    SetValues(row_);
}

void MaterialColourDialog::SetValues(const float row[20]) {
    std::copy(row, row + 20, row_);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) fields_[r][c]->setText(Formatted(row_[kColourOffsets[r] + c]));
}

void MaterialColourDialog::GetValues(float row[20]) const {
    std::copy(row_, row_ + 20, row);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) row[kColourOffsets[r] + c] = fields_[r][c]->text().toFloat();
}

void MaterialColourDialog::ChooseColourForRow(int colourRow) {
    const std::optional<QColor> chosen = chooseColour(lastChosenColour, this);
    if (!chosen) return;
    lastChosenColour = *chosen;
    const int rgb[3] = {chosen->red(), chosen->green(), chosen->blue()};
    for (int c = 0; c < 3; ++c) fields_[colourRow][c]->setText(Formatted(float(rgb[c]) / 255.0f));
}

void MaterialColourDialog::accept() {
    for (auto& row : fields_)
        for (QLineEdit* field : row) {
            bool ok = false;
            const double v = field->text().toDouble(&ok);
            if (!ok || v < 0 || v > 1) {
                prompt_.ShowMessage("Enter a number between 0 and 1.", windowTitle().toStdString(),
                                    PromptButtons::Ok, PromptIcon::Exclamation);
                field->setFocus();
                field->selectAll();
                return;
            }
        }
    QDialog::accept();
}

}  // namespace vantor

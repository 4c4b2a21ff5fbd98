#include "keyboard_panel.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>
#include <iterator>

#include "bindings/key_command.h"
#include "setup_shared.h"

namespace vantor {
namespace {

// Size of one key in pixels; positions below are in keys.
constexpr int kKeyWidth = 48;
constexpr int kKeyHeight = 44;
constexpr int kRowPitch = 47;
constexpr int kMargin = 4;

struct KeyPlace {
    int index;  // key index of the vocabulary
    double x;   // left edge, in key widths
    double y;   // row, in row pitches
    double w = 1;
    double h = 1;
};

constexpr int Letter(char c) {
    return c - 'A';
}
constexpr int Digit(int d) {
    return d == 0 ? 35 : 25 + d;
}
constexpr int Function(int n) {
    return 35 + n;
}
constexpr int Numpad(int d) {
    return 44 + d;
}

// Main block with the Japanese top row and the key beside the right Shift,
// then the editing and arrow keys, then the numeric pad.
constexpr double kNav = 14.5;
constexpr double kPad = 19.0;
constexpr double kNavWidth = 1.4;
// One line per keyboard row.
// clang-format off
const KeyPlace kPlaces[] = {
    {Function(1), 1.5, 0}, {Function(2), 2.5, 0}, {Function(3), 3.5, 0}, {Function(4), 4.5, 0},
    {Function(5), 6, 0}, {Function(6), 7, 0}, {Function(7), 8, 0}, {Function(8), 9, 0},

    {Digit(1), 1, 1.3}, {Digit(2), 2, 1.3}, {Digit(3), 3, 1.3}, {Digit(4), 4, 1.3},
    {Digit(5), 5, 1.3}, {Digit(6), 6, 1.3}, {Digit(7), 7, 1.3}, {Digit(8), 8, 1.3},
    {Digit(9), 9, 1.3}, {Digit(0), 10, 1.3}, {70, 11, 1.3}, {71, 12, 1.3}, {72, 13, 1.3},

    {Letter('Q'), 1.5, 2.3}, {Letter('W'), 2.5, 2.3}, {Letter('E'), 3.5, 2.3},
    {Letter('R'), 4.5, 2.3}, {Letter('T'), 5.5, 2.3}, {Letter('Y'), 6.5, 2.3},
    {Letter('U'), 7.5, 2.3}, {Letter('I'), 8.5, 2.3}, {Letter('O'), 9.5, 2.3},
    {Letter('P'), 10.5, 2.3}, {73, 11.5, 2.3}, {74, 12.5, 2.3},

    {Letter('A'), 1.75, 3.3}, {Letter('S'), 2.75, 3.3}, {Letter('D'), 3.75, 3.3},
    {Letter('F'), 4.75, 3.3}, {Letter('G'), 5.75, 3.3}, {Letter('H'), 6.75, 3.3},
    {Letter('J'), 7.75, 3.3}, {Letter('K'), 8.75, 3.3}, {Letter('L'), 9.75, 3.3},
    {75, 10.75, 3.3}, {76, 11.75, 3.3}, {77, 12.75, 3.3},

    {65, 0, 4.3, 2.25}, {Letter('Z'), 2.25, 4.3}, {Letter('X'), 3.25, 4.3},
    {Letter('C'), 4.25, 4.3}, {Letter('V'), 5.25, 4.3}, {Letter('B'), 6.25, 4.3},
    {Letter('N'), 7.25, 4.3}, {Letter('M'), 8.25, 4.3}, {78, 9.25, 4.3}, {79, 10.25, 4.3},
    {80, 11.25, 4.3}, {81, 12.25, 4.3},

    {63, 0, 5.3, 1.5}, {64, 3.5, 5.3, 5.5},

    {62, kNav, 1.3, kNavWidth}, {60, kNav + kNavWidth, 1.3, kNavWidth},
    {83, kNav + 2 * kNavWidth, 1.3, kNavWidth},
    {61, kNav, 2.3, kNavWidth}, {59, kNav + kNavWidth, 2.3, kNavWidth},
    {82, kNav + 2 * kNavWidth, 2.3, kNavWidth},
    {67, kNav + kNavWidth, 4.3, kNavWidth},
    {69, kNav, 5.3, kNavWidth}, {66, kNav + kNavWidth, 5.3, kNavWidth},
    {68, kNav + 2 * kNavWidth, 5.3, kNavWidth},

    {58, kPad + 1, 1.3}, {56, kPad + 2, 1.3}, {57, kPad + 3, 1.3},
    {Numpad(7), kPad, 2.3}, {Numpad(8), kPad + 1, 2.3}, {Numpad(9), kPad + 2, 2.3},
    {54, kPad + 3, 2.3, 1, 2},
    {Numpad(4), kPad, 3.3}, {Numpad(5), kPad + 1, 3.3}, {Numpad(6), kPad + 2, 3.3},
    {Numpad(1), kPad, 4.3}, {Numpad(2), kPad + 1, 4.3}, {Numpad(3), kPad + 2, 4.3},
    {Numpad(0), kPad, 5.3, 2}, {55, kPad + 2, 5.3},
};
// clang-format on
static_assert(std::size(kPlaces) == kKeyCount, "every key has one place");

constexpr double kTotalWidth = kPad + 4;
constexpr double kTotalRows = 6.3;

// Smallest share of the full size the keyboard shrinks to on a narrow
// window (1024 pixel screens need about 0.85).
constexpr double kMinimumScale = 0.55;

QRect PlaceRect(const KeyPlace& place, double scale) {
    const double keyWidth = kKeyWidth * scale, rowPitch = kRowPitch * scale;
    const int left = kMargin + static_cast<int>(place.x * keyWidth);
    const int top = kMargin + static_cast<int>(place.y * rowPitch);
    const int width = static_cast<int>(place.w * keyWidth) - 3;
    const int height = static_cast<int>(place.h * rowPitch - (kRowPitch - kKeyHeight) * scale);
    return QRect(left, top, width, height);
}

QSize PanelSize(double scale) {
    return QSize(2 * kMargin + static_cast<int>(kTotalWidth * kKeyWidth * scale),
                 2 * kMargin + static_cast<int>(kTotalRows * kRowPitch * scale));
}

}  // namespace

QString WrapCaption(const QString& caption, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(caption) <= width) return caption;
    // English captions break between words where a word fits.
    for (qsizetype i = caption.size() - 1; i > 0; --i) {
        if (caption[i] == u' ' && metrics.horizontalAdvance(caption.left(i)) <= width)
            return caption.left(i) + u'\n' + WrapCaption(caption.mid(i + 1), font, width);
    }
    for (qsizetype i = 1; i < caption.size(); ++i) {
        if (caption[i].isUpper() && caption[i - 1].isLower() &&
            metrics.horizontalAdvance(caption.left(i)) <= width) {
            return caption.left(i) + u'\n' + WrapCaption(caption.mid(i), font, width);
        }
    }
    QString lines;
    QString line;
    for (QChar c : caption) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            lines += line + u'\n';
            line.clear();
        }
        line += c;
    }
    return lines + line;
}

KeyboardPanel::KeyboardPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyboard"));
    cmdDummy_ = new QPushButton(this);
    cmdDummy_->setObjectName(QStringLiteral("cmdDummy"));
    cmdDummy_->setVisible(false);

    for (const KeyPlace& place : kPlaces) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdKey_%1").arg(place.index));
        button->setGeometry(PlaceRect(place, scale_));
        button->setFocusPolicy(Qt::NoFocus);
        const int index = place.index;
        connect(button, &QPushButton::clicked, this, [this, index] { emit KeyClicked(index); });
        cmdKey_[index] = button;
    }
    const auto keys = KeyTable();
    for (int i = 0; i < kKeyCount; ++i) {
        ShowKey(i, QString::fromUtf8(keys[i].caption.data(), keys[i].caption.size()),
                key_owner::Free);
    }
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumSize(PanelSize(kMinimumScale));
}

QSize KeyboardPanel::sizeHint() const {
    return PanelSize(1.0);
}

int KeyboardPanel::heightForWidth(int width) const {
    return PanelSize(ScaleForWidth(width)).height();
}

double KeyboardPanel::ScaleForWidth(int width) {
    const double full = PanelSize(1.0).width();
    return std::clamp(width / full, kMinimumScale, 1.0);
}

void KeyboardPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double scale = ScaleForWidth(width());
    if (scale == scale_) return;
    scale_ = scale;
    for (const KeyPlace& place : kPlaces)
        cmdKey_[place.index]->setGeometry(PlaceRect(place, scale_));
    for (int i = 0; i < kKeyCount; ++i) ApplyKeyLook(i);
}

void KeyboardPanel::ShowKey(int index, const QString& caption, int16_t owner) {
    KeyState& state = state_.at(index);
    state.caption = caption;
    state.pointSize = owner == key_owner::Free || owner == key_owner::Mouse ? 12 : 9;
    state.colour = owner == key_owner::Free ? cmdDummy_->palette().color(QPalette::Button)
                                            : OwnerColour(owner);
    ApplyKeyLook(index);
}

void KeyboardPanel::ApplyKeyLook(int index) {
    const KeyState& state = state_.at(index);
    QPushButton* button = cmdKey_[index];
    QFont font = button->font();
    // Captions shrink with the keys (not below a readable size).
    font.setPointSizeF(std::max(6.0, state.pointSize * scale_));
    button->setFont(font);
    button->setText(WrapCaption(state.caption, font, button->width() - 6));
    button->setToolTip(state.caption);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 1px solid #7a7a7a; border-radius: 3px;"
                                         " padding: 0px; }"
                                         "QPushButton:pressed { background-color: %2; }")
                              .arg(state.colour.name(), state.colour.darker(125).name()));
}

}  // namespace vantor

#include "module_string.h"

#include <QCoreApplication>
#include "setup_prompt.h"

namespace vantor::ModuleString {
namespace {

constexpr double kIntegerMax = 32767;
constexpr double kLongMax = 2147483647;

NumberCheck Failed(const QString& message) {
    NumberCheck check;
    check.message = message;
    return check;
}

}  // namespace

QString ToNarrow(const QString& text) {
    QString narrow = text;
    for (QChar& c : narrow) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            c = QChar(char16_t(u - 0xFEE0));
        } else if (u == 0x3000) {
            c = QChar(u' ');
        }
    }
    return narrow;
}

NumberCheck CheckNumber(const QString& input, NumberKind kind) {
    QString text = ToNarrow(input);
    if (text.isEmpty())
        return Failed(QCoreApplication::translate("vantor::ModuleString", "データがありません"));
    const bool allowPoint = kind == NumberKind::Double;
    int points = 0;
    for (QChar c : text) {
        if (c == u'.' && allowPoint) {
            ++points;
        } else if (c < u'0' || c > u'9') {
            return Failed(QCoreApplication::translate("vantor::ModuleString",
                                                      "データに数字以外の文字があります"));
        }
    }
    if (points > 1)
        return Failed(
            QCoreApplication::translate("vantor::ModuleString", "データに小数点が複数あります"));
    if (text.startsWith(u'.')) text.prepend(u'0');
    if (text.endsWith(u'.')) text.append(u'0');

    bool converted = false;
    const double value = text.toDouble(&converted);
    const double limit = kind == NumberKind::Integer ? kIntegerMax
                         : kind == NumberKind::Long  ? kLongMax
                                                     : -1;
    // A digit string too long for a double is out of range for every kind.
    if (!converted || (limit >= 0 && value > limit)) {
        return Failed(
            QCoreApplication::translate("vantor::ModuleString", "データの範囲が不正です"));
    }
    NumberCheck check;
    check.ok = true;
    check.value = value;
    check.text = text;
    return check;
}

void ShowCheckMessage(const NumberCheck& check) {
    ShowWarning(check.message, QCoreApplication::translate("vantor::ModuleString", "入力エラー"));
}

bool CheckDouble(const QString& text, double& out) {
    const NumberCheck check = CheckNumber(text, NumberKind::Double);
    out = check.value;
    if (!check.ok) ShowCheckMessage(check);
    return check.ok;
}

bool CheckInteger(const QString& text, int16_t& out) {
    const NumberCheck check = CheckNumber(text, NumberKind::Integer);
    out = static_cast<int16_t>(check.value);
    if (!check.ok) ShowCheckMessage(check);
    return check.ok;
}

bool CheckLong(const QString& text, int32_t& out) {
    const NumberCheck check = CheckNumber(text, NumberKind::Long);
    out = static_cast<int32_t>(check.value);
    if (!check.ok) ShowCheckMessage(check);
    return check.ok;
}

}  // namespace vantor::ModuleString

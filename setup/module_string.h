#pragma once
// Numeric checks behind the value dialog: full-width input is accepted,
// only non-negative numbers made of digits (and one point for Double) pass.

#include <QString>
#include <cstdint>

namespace vantor::ModuleString {

// Value an output keeps when a check fails.
constexpr int kFailedValue = -9999;

enum class NumberKind { Integer, Long, Double };

struct NumberCheck {
    bool ok = false;
    double value = kFailedValue;  // the converted number
    QString text;                 // the text as converted ("５." gives "5.0")
    QString message;              // why it failed; empty when ok
};

// Full-width letters, digits, signs and the ideographic space to their
// narrow forms.
QString ToNarrow(const QString& text);

// The check without any message box.
NumberCheck CheckNumber(const QString& text, NumberKind kind);

// The checks as the forms use them: true with the number, or false after a
// "入力エラー" message, `out` then holding kFailedValue.
bool CheckDouble(const QString& text, double& out);
bool CheckInteger(const QString& text, int16_t& out);
bool CheckLong(const QString& text, int32_t& out);

// Shows a failed check's message with its title and icon.
void ShowCheckMessage(const NumberCheck& check);

}  // namespace vantor::ModuleString

#pragma once
#include <QString>

// Spanish bank account (CCC) in four fields: bank (4 digits), branch (4), check digits (2),
// account number (10). Shorter fields are left-padded with zeros; empty fields count as zeros.

// What the editors store in the check digits of an account that fails the test.
inline const QString kDcErroneo = QStringLiteral("**");

// True when bank, branch and account are digits only (surrounding spaces allowed) and no
// longer than their widths, so that their check digits mean something.
bool CccCalculable(const QString& banco, const QString& sucursal, const QString& cuenta);

// The two check digits. A field holding anything but digits, or longer than its width, has no
// check digits: the result is then kDcErroneo rather than digits computed from garbage.
QString DigitosControlCcc(const QString& banco, const QString& sucursal, const QString& cuenta);
inline QString CalcularDC(const QString& banco, const QString& sucursal, const QString& cuenta)
{
    return DigitosControlCcc(banco, sucursal, cuenta);
}

// True when `dc` (padded with zeros to two characters) equals the computed check digits.
// Non-digit fields, overlong fields and the "**" marker never pass.
bool ValidarCcc(const QString& banco, const QString& sucursal, const QString& dc,
                const QString& cuenta);

// What a form tells the user about an account whose check digits do not verify, naming the
// right ones; empty when the account verifies, has no number yet or holds non-digits.
QString MensajeCuentaErronea(const QString& banco, const QString& sucursal, const QString& dc,
                             const QString& cuenta);

#pragma once

#include <QString>

#include <stdexcept>

namespace forms {

// A fault the program cannot recover from: a conversion that fails, an
// arithmetic overflow, a control that does not exist. It is reported to the
// user and ends the program (see Application::notify); nothing carries on
// with a made-up value.
class RuntimeError : public std::runtime_error
{
public:
    enum Code {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        ControlArrayElementMissing = 340,
        ObjectAlreadyLoaded = 360,
        InvalidPropertyArrayIndex = 381,
    };

    explicit RuntimeError(Code code, const QString &detail = {});

    Code code() const { return m_code; }
    QString description() const;
    // The text shown to the user: number, description and what failed.
    QString message() const;

private:
    Code m_code;
    QString m_detail;
};

[[noreturn]] void raiseRuntimeError(RuntimeError::Code code, const QString &detail = {});

} // namespace forms

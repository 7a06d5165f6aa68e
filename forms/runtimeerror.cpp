#include "forms/runtimeerror.h"

#include <QCoreApplication>

namespace forms {

namespace {

QString describe(RuntimeError::Code code)
{
    switch (code) {
    case RuntimeError::Overflow:
        return QStringLiteral("Overflow");
    case RuntimeError::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case RuntimeError::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case RuntimeError::ControlArrayElementMissing:
        return QStringLiteral("Control array element doesn't exist");
    case RuntimeError::ObjectAlreadyLoaded:
        return QStringLiteral("Object already loaded");
    case RuntimeError::InvalidPropertyArrayIndex:
        return QStringLiteral("Invalid property array index");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

} // namespace

RuntimeError::RuntimeError(Code code, const QString &detail)
    : std::runtime_error(QStringLiteral("Run-time error %1: %2").arg(int(code)).arg(describe(code)).toStdString())
    , m_code(code)
    , m_detail(detail)
{
}

QString RuntimeError::description() const
{
    return describe(m_code);
}

QString RuntimeError::message() const
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(int(m_code)).arg(description());
    if (!m_detail.isEmpty())
        text += QStringLiteral("\n(%1)").arg(m_detail);
    return text;
}

void raiseRuntimeError(RuntimeError::Code code, const QString &detail)
{
    throw RuntimeError(code, detail);
}

} // namespace forms

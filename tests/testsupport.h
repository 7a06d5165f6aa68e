#pragma once

#include "forms/runtimeerror.h"

#include <QLocale>

// The run-time error code that `f` raises, or 0 when it raises none.
template <class F>
int runtimeErrorOf(F &&f)
{
    try {
        f();
    } catch (const forms::RuntimeError &error) {
        return int(error.code());
    }
    return 0;
}

// Makes `locale` the user's locale for the lifetime of this object.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_saved;
};

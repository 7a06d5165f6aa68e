#pragma once

#include "forms/controlcopy.h"
#include "forms/runtimeerror.h"

#include <QPointer>
#include <QString>

#include <map>

namespace forms {

// "Picture3(4)": how an element of a control array is named.
inline QString elementName(const QString &arrayName, qint16 index)
{
    return QStringLiteral("%1(%2)").arg(arrayName).arg(index);
}

// Like controls sharing a name and addressed by a 16-bit index, as the
// design data declares them. Elements may be added later as copies of
// element 0 (load). The widgets belong to their Qt parents; the array only
// finds them.
template <class Control>
class ControlArray
{
public:
    ControlArray() = default;
    explicit ControlArray(const QString &name) : m_name(name) {}

    void add(qint16 index, Control *control)
    {
        if (exists(index))
            raiseRuntimeError(RuntimeError::ObjectAlreadyLoaded, elementName(m_name, index));
        m_elements[index] = control;
    }

    bool exists(qint16 index) const
    {
        const auto it = m_elements.find(index);
        return it != m_elements.end() && it->second;
    }

    Control &operator()(qint16 index) const
    {
        const auto it = m_elements.find(index);
        if (it == m_elements.end() || !it->second)
            raiseRuntimeError(RuntimeError::ControlArrayElementMissing, elementName(m_name, index));
        return *it->second;
    }

    // Creates element `index` as a hidden copy of element 0, in the same
    // container.
    Control &load(qint16 index)
    {
        const Control &prototype = (*this)(0);
        if (exists(index))
            raiseRuntimeError(RuntimeError::ObjectAlreadyLoaded, elementName(m_name, index));
        auto *copy = new Control(prototype.parentWidget());
        copyControl(prototype, *copy);
        copy->setObjectName(elementName(m_name, index));
        copy->hide();
        m_elements[index] = copy;
        return *copy;
    }

    int count() const { return int(m_elements.size()); }

    template <class F>
    void forEach(F &&f) const
    {
        for (const auto &[index, control] : m_elements) {
            if (control)
                f(index, *control);
        }
    }

private:
    QString m_name;
    std::map<qint16, QPointer<Control>> m_elements;
};

} // namespace forms

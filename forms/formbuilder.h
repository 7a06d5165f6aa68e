#pragma once

#include "forms/controlarray.h"
#include "forms/controldesign.h"
#include "forms/runtimeerror.h"

#include <QHash>
#include <QObject>
#include <QWidget>

#include <span>

namespace forms {

// Builds a form's controls from its design data and lets the form find them
// by name, as single controls or as control arrays.
class FormControls
{
public:
    // Creates every control of `design`, in order, as children of `form`
    // (or of the named container).
    FormControls(QWidget *form, std::span<const ControlDesign> design);

    template <class Control>
    Control *single(const QString &name) const
    {
        auto *control = qobject_cast<Control *>(m_byName.value(name));
        if (!control)
            raiseRuntimeError(RuntimeError::ControlArrayElementMissing, name);
        return control;
    }

    template <class Control>
    ControlArray<Control> array(const QString &name) const
    {
        ControlArray<Control> array(name);
        for (const auto &[index, object] : m_arrays.value(name)) {
            auto *control = qobject_cast<Control *>(object);
            if (!control)
                raiseRuntimeError(RuntimeError::ControlArrayElementMissing,
                                  elementName(name, index));
            array.add(index, control);
        }
        return array;
    }

private:
    QObject *create(const ControlDesign &control, QWidget *parent) const;

    QHash<QString, QObject *> m_byName;
    QHash<QString, std::map<qint16, QObject *>> m_arrays;
};

} // namespace forms

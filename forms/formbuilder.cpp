#include "forms/formbuilder.h"

#include "forms/listbox.h"
#include "forms/olecolor.h"
#include "forms/picturebox.h"
#include "forms/twips.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

namespace forms {

namespace {

// The picture at `path` for a screen with `ratio` device pixels per logical
// pixel: made from the larger drawing ("name@2x.png") where there is one,
// rather than blown up from the small one.
QPixmap pictureAt(const QString &path, qreal ratio)
{
    const QPixmap base(path);
    if (base.isNull() || ratio == 1.0)
        return base;
    const QIcon icon(path);
    const QSize logical = base.size();
    const QSize device = (QSizeF(logical) * ratio).toSize();
    QSize best = logical;
    for (const QSize &available : icon.availableSizes()) {
        const bool bigEnough = available.width() >= device.width();
        if (bigEnough && (best.width() < device.width() || available.width() < best.width()))
            best = available;
    }
    QPixmap pixmap = icon.pixmap(best);
    if (pixmap.size() != device)
        pixmap = pixmap.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

FormControls::FormControls(QWidget *form, std::span<const ControlDesign> design)
{
    for (const ControlDesign &control : design) {
        QWidget *parent = form;
        if (!control.container.isEmpty()) {
            parent = single<QWidget>(control.container);
            // A picture box keeps its children inside its border.
            if (auto *box = qobject_cast<PictureBox *>(parent))
                parent = box->clientArea();
        }

        QObject *object = create(control, parent);
        const QString objectName = control.index < 0
                ? control.name
                : elementName(control.name, control.index);
        object->setObjectName(objectName);

        if (auto *widget = qobject_cast<QWidget *>(object)) {
            widget->setGeometry(twipsToPixels(control.twips));
            if (control.background) {
                QPalette palette = widget->palette();
                palette.setColor(QPalette::Window, oleColor(*control.background));
                widget->setPalette(palette);
                widget->setAutoFillBackground(true);
            }
            widget->setVisible(control.visible);
            if (!control.accessibleName.isEmpty())
                widget->setAccessibleName(control.accessibleName);
        }

        if (control.index < 0) {
            m_byName.insert(objectName, object);
        } else {
            auto &elements = m_arrays[control.name];
            if (elements.contains(control.index))
                raiseRuntimeError(RuntimeError::ObjectAlreadyLoaded, objectName);
            elements[control.index] = object;
        }
    }
}

QObject *FormControls::create(const ControlDesign &control, QWidget *parent) const
{
    using Kind = ControlDesign::Kind;
    switch (control.kind) {
    case Kind::ListBox: {
        auto *list = new ListBox(parent);
        for (const QString &item : control.items)
            list->AddItem(item);
        return list;
    }
    case Kind::TextBox: {
        auto *text = new QPlainTextEdit(parent);
        text->setPlainText(control.text);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return text;
    }
    case Kind::PictureBox:
        return new PictureBox(parent);
    case Kind::Picture: {
        auto *picture = new QLabel(parent);
        const QPixmap pixmap = pictureAt(control.text, parent->devicePixelRatioF());
        if (pixmap.isNull())
            raiseRuntimeError(RuntimeError::TypeMismatch, QStringLiteral("no picture at %1").arg(control.text));
        picture->setPixmap(pixmap);
        picture->setAlignment(Qt::AlignCenter);
        // A press on a picture belongs to the picture, not to what lies under it.
        picture->setAttribute(Qt::WA_NoMousePropagation);
        return picture;
    }
    case Kind::Label: {
        auto *label = new QLabel(control.text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAttribute(Qt::WA_NoMousePropagation);
        return label;
    }
    case Kind::Timer: {
        auto *timer = new QTimer(parent);
        timer->setInterval(control.interval);
        // Coarse timers may fire 5% early or late; the highlight counts ticks,
        // so each one must keep its period.
        timer->setTimerType(Qt::PreciseTimer);
        return timer;
    }
    }
    raiseRuntimeError(RuntimeError::TypeMismatch, control.name);
}

} // namespace forms

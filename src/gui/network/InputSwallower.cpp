#include "InputSwallower.h"

#include <QCoreApplication>
#include <QEvent>

InputSwallower::InputSwallower()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputSwallower::~InputSwallower()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputSwallower::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Gesture:
    case QEvent::NativeGesture:
        ++m_swallowed;
        event->accept();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Refused rather than taken, so that the source of a move keeps its data.
        ++m_swallowed;
        event->ignore();
        return true;
    case QEvent::Close:
        // Only the user's close box; the program's own closes go on. A
        // close event left accepted would still close the window.
        if (!event->spontaneous())
            break;
        ++m_swallowed;
        event->ignore();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

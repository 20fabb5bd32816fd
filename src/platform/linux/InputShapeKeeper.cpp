#include "InputShapeKeeper.h"

#include "LinuxWindowStacking.h"

#include <QEvent>
#include <QWindow>

void InputShapeKeeper::attach(QWindow *window)
{
    if (window && !window->findChild<InputShapeKeeper *>(QString(), Qt::FindDirectChildrenOnly)) {
        new InputShapeKeeper(window);
    }
}

InputShapeKeeper::InputShapeKeeper(QWindow *window) : QObject(window)
{
    window->installEventFilter(this);
}

bool InputShapeKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        LinuxWindowStacking::clearInputShape(static_cast<QWindow *>(watched));
    }
    return false;
}

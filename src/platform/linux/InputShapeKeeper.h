#pragma once

#include <QObject>

class QWindow;

// Window managers wrap a window in a frame of their own, and that frame takes the clicks unless the manager
// copies the window's input shape onto it. Openbox copies a shape only when told that it changed after it
// took the window over, so the empty shape Qt sets before the window is first shown never reaches the frame.
// This keeper sets it again whenever the window is exposed, which follows every map.
class InputShapeKeeper : public QObject {
    Q_OBJECT

public:
    // Attaches one keeper to the window (a second call does nothing); it lives as the window's child.
    static void attach(QWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit InputShapeKeeper(QWindow *window);
};

#pragma once

#include <QObject>
#include <QString>

// System-wide keyboard shortcuts. Combinations use the text form "Ctrl+Alt+B" (modifiers Ctrl, Alt, Shift, Win).
class GlobalHotkeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~GlobalHotkeys() override = default;

    // Returns false when the combination cannot be parsed or is taken by another program.
    virtual bool registerHotkey(int id, const QString &combination) = 0;
    virtual void unregisterHotkey(int id) = 0;
    virtual void unregisterAll() = 0;

signals:
    void activated(int id);
};

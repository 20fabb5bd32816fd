#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Answers modal dialogs as they come up (they run nested event loops, so the test cannot answer them in
// line). Each queued answer handles the next modal dialog of its kind; the texts of the dialogs seen are
// kept for assertions.
class ModalResponder : public QObject {
    Q_OBJECT

public:
    ModalResponder();

    // The next text-input dialog: type `text` and press OK.
    void enterText(const QString &text);
    // The next text-input dialog: press Cancel.
    void cancelInput();
    // The next message box: press its default button.
    void acknowledgeMessage();

    bool idle() const { return m_answers.isEmpty(); }
    QStringList inputTitles;   // window titles of the input dialogs seen
    QStringList inputLabels;   // their prompts
    QStringList messageTitles; // window titles of the message boxes seen
    QStringList messageTexts;  // their texts

private:
    void poll();

    QList<std::function<bool(QWidget *)>> m_answers;
    QTimer m_timer;
};

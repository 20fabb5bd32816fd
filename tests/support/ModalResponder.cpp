#include "ModalResponder.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

ModalResponder::ModalResponder()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalResponder::poll);
    m_timer.start();
}

void ModalResponder::enterText(const QString &text)
{
    m_answers.append([this, text](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        if (!input || !input->isVisible()) {
            return false;
        }
        inputTitles.append(input->windowTitle());
        inputLabels.append(input->labelText());
        input->setTextValue(text);
        input->accept();
        return true;
    });
}

void ModalResponder::cancelInput()
{
    m_answers.append([this](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        if (!input || !input->isVisible()) {
            return false;
        }
        inputTitles.append(input->windowTitle());
        inputLabels.append(input->labelText());
        input->reject();
        return true;
    });
}

void ModalResponder::acknowledgeMessage()
{
    m_answers.append([this](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || !box->isVisible()) {
            return false;
        }
        messageTitles.append(box->windowTitle());
        messageTexts.append(box->text());
        box->done(QMessageBox::Ok);
        return true;
    });
}

void ModalResponder::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || m_answers.isEmpty()) {
        return;
    }
    if (m_answers.first()(modal)) {
        m_answers.removeFirst();
    }
}

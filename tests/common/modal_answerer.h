#pragma once
// Answers the modal dialogs and message boxes a window test provokes, in the order they
// appear, from a timer that runs inside their modal loops. Message boxes are always
// confirmed and their texts recorded; other dialogs take the queued answers.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace testsupport {

class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog *)>;

    ModalAnswerer() {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }

    void answerNext(Answer answer) { m_answers.push_back(std::move(answer)); }

    QStringList messages; // texts of the message boxes, in order
    QStringList captions; // their captions
    int dialogsAnswered = 0;

private:
    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_lastAnswered)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_lastAnswered = modal;
            messages << box->text();
            captions << box->windowTitle();
            box->accept();
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog || m_answers.empty())
            return;
        m_lastAnswered = modal;
        // A window may keep its dialog and show it again: each showing is answered anew.
        connect(
            dialog, &QDialog::finished, this, [this] { m_lastAnswered = nullptr; },
            Qt::SingleShotConnection);
        ++dialogsAnswered;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        answer(dialog);
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QPointer<QWidget> m_lastAnswered; // null again once that dialog is gone
};

} // namespace testsupport

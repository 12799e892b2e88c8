#pragma once
// Answers the modal dialogs and message boxes a test provokes, in the order they appear,
// from a timer running inside their modal loops; records the message boxes' texts.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog *)>;

    ModalAnswerer() {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }

    // The next login dialog is filled in and confirmed.
    void logOn(const QString &user, const QString &password, const QString &conn) {
        m_answers.push_back([=, this](QDialog *dialog) {
            seenUser = field(dialog, "edUser")->text();
            seenPassword = field(dialog, "edPassword")->text();
            seenConn = field(dialog, "edConn")->text();
            seenFocus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            field(dialog, "edUser")->setText(user);
            field(dialog, "edPassword")->setText(password);
            field(dialog, "edConn")->setText(conn);
            dialog->accept();
        });
    }
    // The next login dialog is cancelled.
    void cancelLogon() {
        m_answers.push_back([this](QDialog *dialog) {
            seenUser = field(dialog, "edUser")->text();
            dialog->reject();
        });
    }

    QStringList messages; // texts of the message boxes, in order
    QStringList captions; // their captions
    int dialogsAnswered = 0;
    QString seenUser, seenPassword, seenConn, seenFocus;

private:
    static QLineEdit *field(QDialog *dialog, const char *name) {
        auto *edit = dialog->findChild<QLineEdit *>(name);
        Q_ASSERT(edit);
        return edit;
    }

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
        ++dialogsAnswered;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        answer(dialog);
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QPointer<QWidget> m_lastAnswered; // null again once that dialog is gone
};

#pragma once
// The shared modal answerer, taught to fill in or cancel the login dialog and to remember
// what the dialog showed when it opened.

#include "tests/common/modal_answerer.h"

#include <QLineEdit>

class ModalAnswerer : public testsupport::ModalAnswerer {
public:
    // The next login dialog is filled in and confirmed.
    void logOn(const QString &user, const QString &password, const QString &conn) {
        answerNext([=, this](QDialog *dialog) {
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
        answerNext([this](QDialog *dialog) {
            seenUser = field(dialog, "edUser")->text();
            dialog->reject();
        });
    }

    QString seenUser, seenPassword, seenConn, seenFocus;

private:
    static QLineEdit *field(QDialog *dialog, const char *name) {
        auto *edit = dialog->findChild<QLineEdit *>(name);
        Q_ASSERT(edit);
        return edit;
    }
};

#pragma once
// The application object: Qt's standard dialogs speak the user's language, and an exception
// that escapes an event handler is shown in a message box with its text while the message loop
// goes on.

#include <QApplication>

class VelmoraApplication : public QApplication {
    Q_OBJECT

public:
    VelmoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    // The standard exception display: a message box with the exception's text.
    static void showException(const std::exception &error);
};

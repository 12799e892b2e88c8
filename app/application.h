#pragma once
// The application object: an exception that escapes an event handler is shown in a message
// box with its text, and the message loop goes on.

#include <QApplication>

class VelmoraApplication : public QApplication {
    Q_OBJECT

public:
    VelmoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    // The standard exception display: a message box with the exception's text.
    static void showException(const std::exception &error);
};

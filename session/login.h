#pragma once
// TfmLogin: the modal login dialog. It only lays out the user name, password and connect
// string fields and the two buttons; TOCIctrl::Login fills it, runs it and reads it back.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfmLogin : public QDialog {
    Q_OBJECT

public:
    explicit TfmLogin(QWidget *parent = nullptr);
    ~TfmLogin() override;
    Q_DISABLE_COPY_MOVE(TfmLogin)

    QLabel *Label1;
    QLineEdit *edUser;
    QLabel *Label2;
    QLineEdit *edPassword;
    QLabel *Label3;
    QLineEdit *edConn;
    QPushButton *pbLogin;
    QPushButton *pbCancel;

private:
    QLabel *addLabel(const char *name, const QString &text, int top, QLineEdit *buddy);
    QLineEdit *addEdit(const char *name, int top);
    QPushButton *addButton(const char *name, const QString &text, int left);
    void placeInScreenCentre();
};

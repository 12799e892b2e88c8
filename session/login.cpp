// The login dialog's layout, in pixels of its client area.

#include "session/login.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kClientWidth = 190;
constexpr int kClientHeight = 173;
constexpr int kEditLeft = 25;
constexpr int kEditWidth = 143;
constexpr int kEditHeight = 20;
constexpr int kLabelLeft = 13;
constexpr int kButtonTop = 139;
constexpr int kButtonWidth = 61;
constexpr int kButtonHeight = 25;
} // namespace

TfmLogin::TfmLogin(QWidget *parent) : QDialog(parent) {
    setObjectName("fmLogin");
    setWindowTitle("Login");
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(12);
    setFont(face);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    edUser = addEdit("edUser", 22);
    edPassword = addEdit("edPassword", 64);
    edPassword->setEchoMode(QLineEdit::Password);
    // Every character shows as "*", not the style's bullet.
    edPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    edConn = addEdit("edConn", 105);
    Label1 = addLabel("Label1", "UserID(&U)", 6, edUser);
    Label2 = addLabel("Label2", "Password(&P)", 47, edPassword);
    Label3 = addLabel("Label3", "ConnectStr(&S)", 89, edConn);

    pbLogin = addButton("pbLogin", "Login(&L)", 16);
    pbLogin->setDefault(true);
    connect(pbLogin, &QPushButton::clicked, this, &QDialog::accept);
    pbCancel = addButton("pbCancel", "Cancel(&C)", 112);
    // Esc and closing the window reject through QDialog; the button does the same.
    connect(pbCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(edUser, edPassword);
    setTabOrder(edPassword, edConn);
    setTabOrder(edConn, pbLogin);
    setTabOrder(pbLogin, pbCancel);
    edUser->setFocus();

    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    placeInScreenCentre();
}

TfmLogin::~TfmLogin() = default;

QLabel *TfmLogin::addLabel(const char *name, const QString &text, int top, QLineEdit *buddy) {
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(kLabelLeft, top);
    label->adjustSize();
    label->setBuddy(buddy);
    return label;
}

QLineEdit *TfmLogin::addEdit(const char *name, int top) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(kEditLeft, top, kEditWidth, kEditHeight);
    return edit;
}

QPushButton *TfmLogin::addButton(const char *name, const QString &text, int left) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    // Only pbLogin answers Enter, whichever control has the focus.
    button->setAutoDefault(false);
    return button;
}

void TfmLogin::placeInScreenCentre() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

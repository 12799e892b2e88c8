// The login dialog's layout, and Login answered through the modal dialog as a user would.

#include "session/login.h"
#include "session_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>

namespace sessiontest {
namespace {

struct Placement {
    const char *name;
    QRect geometry;
};

TEST(TfmLoginLayout, ControlsSitWhereTheFormPlacesThem) {
    TfmLogin dialog;
    EXPECT_EQ(dialog.windowTitle(), "Login");
    EXPECT_EQ(dialog.size(), QSize(190, 173));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(dialog.font().pixelSize(), 12);

    const Placement placements[] = {
        {"edUser", {25, 22, 143, 20}},    {"edPassword", {25, 64, 143, 20}},
        {"edConn", {25, 105, 143, 20}},   {"pbLogin", {16, 139, 61, 25}},
        {"pbCancel", {112, 139, 61, 25}},
    };
    for (const auto &p : placements) {
        auto *w = dialog.findChild<QWidget *>(p.name);
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(dialog.edPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.edPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                    dialog.edPassword),
              '*');
    EXPECT_TRUE(dialog.pbLogin->isDefault());
    EXPECT_FALSE(dialog.pbCancel->isDefault());
    EXPECT_EQ(dialog.pbLogin->text(), "Login(&L)");
    EXPECT_EQ(dialog.pbCancel->text(), "Cancel(&C)");
}

TEST(TfmLoginLayout, LabelsLeadToTheirFieldsAndTabFollowsTheForm) {
    TfmLogin dialog;
    const std::pair<const char *, QLineEdit *> labels[] = {
        {"Label1", dialog.edUser}, {"Label2", dialog.edPassword}, {"Label3", dialog.edConn}};
    const char *texts[] = {"UserID(&U)", "Password(&P)", "ConnectStr(&S)"};
    const int tops[] = {6, 47, 89};
    for (int i = 0; i < 3; ++i) {
        auto *label = dialog.findChild<QLabel *>(labels[i].first);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), texts[i]);
        EXPECT_EQ(label->buddy(), labels[i].second);
        EXPECT_EQ(label->pos(), QPoint(13, tops[i]));
    }
    const QWidget *order[] = {dialog.edUser, dialog.edPassword, dialog.edConn, dialog.pbLogin,
                              dialog.pbCancel};
    const auto nextTabStop = [](const QWidget *w) {
        QWidget *next = w->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    for (int i = 0; i + 1 < 5; ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
}

TEST(TfmLoginKeys, EnterAcceptsAndEscapeRejects) {
    for (auto [key, expected] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                 std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        TfmLogin dialog;
        QTimer::singleShot(0, &dialog,
                           [&dialog, key = key] { QTest::keyClick(dialog.edConn, key); });
        EXPECT_EQ(dialog.exec(), expected);
    }
}

// Answers the login dialog once it is shown, with what the user would do.
class LoginTest : public SessionTest {
protected:
    void answer(std::function<void(TfmLogin &)> user) {
        m_seen = false;
        QTimer::singleShot(0, [this, user] { poll(user, 500); });
    }
    bool seen() const { return m_seen; }

private:
    void poll(const std::function<void(TfmLogin &)> &user, int triesLeft) {
        if (auto *dialog = qobject_cast<TfmLogin *>(QApplication::activeModalWidget())) {
            m_seen = true;
            user(*dialog);
            return;
        }
        if (triesLeft > 0)
            QTimer::singleShot(10, [this, user, triesLeft] { poll(user, triesLeft - 1); });
    }
    bool m_seen = false;
};

void type(TfmLogin &d, const char *user, const char *password, const char *conn) {
    d.edUser->setText(user);
    d.edPassword->setText(password);
    d.edConn->setText(conn);
}

TEST_F(LoginTest, TheDialogShowsTheCurrentValuesWithTheFocusByTheUserName) {
    for (const char *user : {"scott", ""}) {
        oci->UserID = user;
        oci->Password = "tiger";
        oci->ConnStr = "db1";
        QString shownUser, shownPassword, shownConn;
        QString focused;
        answer([&](TfmLogin &d) {
            shownUser = d.edUser->text();
            shownPassword = d.edPassword->text();
            shownConn = d.edConn->text();
            focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
            d.reject();
        });
        EXPECT_FALSE(oci->Login());
        ASSERT_TRUE(seen());
        EXPECT_EQ(shownUser, user);
        EXPECT_EQ(shownPassword, "tiger");
        EXPECT_EQ(shownConn, "db1");
        EXPECT_EQ(focused, std::string(user).empty() ? "edUser" : "edPassword");
    }
}

TEST_F(LoginTest, CancelChangesNothing) {
    oci->UserID = "scott";
    oci->Password = "tiger";
    oci->ConnStr = "db1";
    connectSession();
    oci->ErrMsg = "old";
    answer([](TfmLogin &d) {
        type(d, "other", "secret", "db2");
        QTest::mouseClick(d.pbCancel, Qt::LeftButton);
    });
    EXPECT_FALSE(oci->Login());
    EXPECT_TRUE(oci->ErrMsg.isEmpty());
    EXPECT_EQ(str(oci->UserID), "scott");
    EXPECT_EQ(str(oci->Password), "tiger");
    EXPECT_EQ(str(oci->ConnStr), "db1");
    EXPECT_TRUE(oci->Connected());
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(LoginTest, ConfirmedLogsOnWithWhatWasTyped) {
    answer([](TfmLogin &d) {
        type(d, "hr", "pw", "");
        QTest::mouseClick(d.pbLogin, Qt::LeftButton);
    });
    EXPECT_TRUE(oci->Login());
    EXPECT_TRUE(oci->Connected());
    EXPECT_EQ(str(oci->UserID), "hr");
    EXPECT_EQ(str(oci->Password), "pw");
    EXPECT_EQ(str(oci->ConnStr), "");
    const auto logons = fakeoci::callsOf("olog");
    ASSERT_EQ(logons.size(), 1u);
    EXPECT_EQ(logons[0].user, "hr");
    EXPECT_EQ(logons[0].password, "pw");
    EXPECT_EQ(logons[0].conn, "");
}

TEST_F(LoginTest, ConfirmedWhileConnectedClosesTheOldLogonBeforeTryingTheNew) {
    connectSession();
    fakeoci::failNext("olog", 1017);
    answer([](TfmLogin &d) {
        type(d, "hr", "wrong", "db2");
        QTest::mouseClick(d.pbLogin, Qt::LeftButton);
    });
    EXPECT_FALSE(oci->Login());
    EXPECT_FALSE(oci->Connected());
    EXPECT_EQ(str(oci->ErrMsg), "\nORA-01017: scripted error");
    std::vector<std::string> order;
    for (const auto &c : fakeoci::calls())
        order.push_back(c.entry);
    EXPECT_EQ(order, (std::vector<std::string>{"ologof", "olog", "oerhms"}));
    // The entered values stay, the password included, for the caller's next attempt.
    EXPECT_EQ(str(oci->UserID), "hr");
    EXPECT_EQ(str(oci->Password), "wrong");
}

TEST_F(LoginTest, ConfirmedButTheOldLogonWillNotCloseKeepsEverything) {
    oci->UserID = "scott";
    connectSession();
    fakeoci::failNext("ologof", 3114);
    answer([](TfmLogin &d) {
        type(d, "hr", "pw", "db2");
        QTest::mouseClick(d.pbLogin, Qt::LeftButton);
    });
    EXPECT_FALSE(oci->Login());
    EXPECT_TRUE(oci->Connected());
    EXPECT_EQ(str(oci->ErrMsg), "セッションを切断できません。");
    EXPECT_EQ(str(oci->UserID), "scott");
    EXPECT_EQ(fakeoci::callCount("olog"), 0);
}

TEST_F(LoginTest, TheDialogIsGoneAfterwards) {
    answer([](TfmLogin &d) { d.reject(); });
    EXPECT_FALSE(oci->Login());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget *w) { return qobject_cast<TfmLogin *>(w) != nullptr; }));
}

} // namespace
} // namespace sessiontest

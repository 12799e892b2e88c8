// The object browser against the embedded demo database: the type list, the invalid-only
// box, name patterns as typed, Enter in the filter, and the hand-over to the source view.

#include "app/fmlist.h"
#include "app/namelist.h"
#include "cursor/tocicur.h"
#include "modal_answerer.h"
#include "session/toci.h"
#include "test_environment.h"
#include "viewer/fmview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kSourceTypes{"PACKAGE", "PACKAGE BODY", "PROCEDURE", "FUNCTION"};

class Browser : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // A fresh demo database for this run.
        testsupport::clearDataHome();
    }

    void SetUp() override {
        clearSettingsHive();
        answers.logOn("SCOTT", "TIGER", "");
        window = std::make_unique<TfmList>();
        ASSERT_TRUE(window->OCI->Connected()) << window->OCI->ErrMsg.toStdString();
    }

    QStringList types() const {
        QStringList items;
        for (int i = 0; i < window->cmbType->count(); ++i)
            items << window->cmbType->itemText(i);
        return items;
    }
    QStringList names() const {
        QStringList items;
        for (int i = 0; i < window->lbName->count(); ++i)
            items << window->lbName->itemText(i);
        return items;
    }
    // The user picks a type in the drop-down list.
    void pickType(const QString &type) {
        const int index = window->cmbType->findText(type);
        ASSERT_GE(index, 0) << type.toStdString();
        window->cmbType->setCurrentIndex(index);
        window->cmbTypeChange();
    }
    void showAll() {
        if (window->cbInv->isChecked())
            window->cbInv->click();
    }
    void createProcedure(const QByteArray &name) {
        ASSERT_TRUE(window->OCIcur->ExecuteSQL("CREATE OR REPLACE PROCEDURE " + name +
                                               " AS\nBEGIN\n  NULL;\nEND;"))
            << window->OCIcur->ErrMsg.toStdString();
    }

    ModalAnswerer answers;
    std::unique_ptr<TfmList> window;
};

TEST_F(Browser, InvalidOnlyOffersTypesWithInvalidUnitsAndAllOffersEachTypeOnce) {
    const QStringList invalidTypes = types();
    ASSERT_FALSE(invalidTypes.isEmpty());
    EXPECT_EQ(QSet<QString>(invalidTypes.begin(), invalidTypes.end()).size(), invalidTypes.size());
    for (const QString &t : invalidTypes)
        EXPECT_TRUE(kSourceTypes.contains(t)) << t.toStdString();
    EXPECT_FALSE(names().isEmpty());

    showAll();
    QStringList all = types();
    all.sort();
    QStringList expected = kSourceTypes;
    expected.sort();
    EXPECT_EQ(all, expected);
    EXPECT_EQ(window->cmbType->currentIndex(), 0);
    EXPECT_GE(names().size(), invalidTypes.contains(window->cmbType->currentText()) ? 1 : 0);
}

TEST_F(Browser, PatternsAreUsedExactlyAsTyped) {
    createProcedure("VT_ALPHA");
    createProcedure("VT_BODY_BETA");
    createProcedure("VT_GAMMA");
    showAll();

    const struct {
        const char *pattern;
        QStringList mustHave;
        bool onlyThose;
        const char *eachContains;
    } cases[] = {
        {"", {"VT_ALPHA", "VT_BODY_BETA", "VT_GAMMA"}, false, nullptr},
        {"VT_ALPHA", {"VT_ALPHA"}, true, nullptr},
        {"%BODY%", {"VT_BODY_BETA"}, false, "BODY"},
        {"VT\\_%", {}, true, nullptr},   // no ESCAPE clause: the backslash is literal
        {"vt_alpha", {}, true, nullptr}, // LIKE is case-sensitive
        {"   ", {}, true, nullptr},      // blanks only, not trimmed
        {"A'B", {}, true, nullptr},      // the quote is searched for, not a broken query
        {"VT_GAMM_", {"VT_GAMMA"}, true, nullptr},
    };
    for (const auto &c : cases) {
        window->edSearch->setText(QString::fromUtf8(c.pattern));
        pickType("PROCEDURE");
        const QStringList listed = names();
        for (const QString &name : c.mustHave)
            EXPECT_TRUE(listed.contains(name)) << c.pattern << " lacks " << name.toStdString();
        if (c.onlyThose) {
            EXPECT_EQ(listed.size(), c.mustHave.size()) << c.pattern;
        }
        if (c.eachContains) {
            for (const QString &name : listed)
                EXPECT_TRUE(name.contains(c.eachContains)) << name.toStdString();
        }
        EXPECT_EQ(window->lbName->isEnabled(), !listed.isEmpty()) << c.pattern;
        EXPECT_EQ(window->pbView->isEnabled(), !listed.isEmpty()) << c.pattern;
    }
}

TEST_F(Browser, EnterInTheFilterReselectsTheFirstTypeAndKeepsFocus) {
    showAll();
    pickType(types().at(1));
    ASSERT_EQ(window->cmbType->currentIndex(), 1);
    window->show();
    window->edSearch->setFocus();
    window->edSearch->setText("%");
    QTest::keyClick(window->edSearch, Qt::Key_Return);
    EXPECT_EQ(window->cmbType->currentIndex(), 0);
    EXPECT_FALSE(names().isEmpty());
    EXPECT_TRUE(window->edSearch->hasFocus());
    // Typing alone does not filter.
    const QStringList before = names();
    QTest::keyClicks(window->edSearch, "ZZZ_NOTHING");
    EXPECT_EQ(names(), before);
}

TEST_F(Browser, HandOverShowsTheChosenUnitAndReloadsAnOpenView) {
    TfmView view(window->OCIcur, window->OCI);
    window->setView(&view);
    showAll();
    pickType("PACKAGE BODY");
    ASSERT_GE(names().size(), 2);

    window->lbName->selectRow(0);
    window->pbViewClick();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.ObjName, names().at(0).toUtf8());
    EXPECT_EQ(view.ObjType, "PACKAGE BODY");

    window->lbName->selectRow(1);
    window->lbNameDblClick();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.ObjName, names().at(1).toUtf8());
    view.close();
}

} // namespace

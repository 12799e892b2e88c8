// The main window under a failing client library: every call the start-up and the list
// loads make is failed in turn at each of its call sites (the sites found by running the path
// once without a failure), once with the error's text and once with a library that has no
// text for it. Whatever fails, the person is told in a message box that is never empty, the
// lists hold only what was read, and the controls stay usable; a failed type or name query
// is never shown as an empty list alone.

#include "app/fmlist.h"
#include "app/namelist.h"
#include "cursor/tocicur.h"
#include "fakeoci.h"
#include "modal_answerer.h"
#include "session/toci.h"
#include "test_environment.h"
#include "viewer/fmview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using fakeoci::CallSite;
using fakeoci::Column;

constexpr int kFault = 1578;
const char *const kFaultText = "ORA-01578: ORACLE data block corrupted (file # 1, block # 305)";
const QStringList kTypes = {"PACKAGE BODY", "PROCEDURE"};
const QStringList kNames = {"ALPHA", "BETA", "GAMMA"};

void scriptTypes() {
    fakeoci::Rows rows;
    for (const QString &t : kTypes)
        rows.push_back({t.toStdString()});
    fakeoci::queueResult({Column{"OBJECT_TYPE", 1, 23}}, rows);
}

void scriptNames() {
    fakeoci::Rows rows;
    for (const QString &n : kNames)
        rows.push_back({n.toStdString()});
    fakeoci::queueResult({Column{"OBJECT_NAME", 1, 128}}, rows);
}

QStringList items(const QComboBox *box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList items(const NameListBox *list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

bool isPrefix(const QStringList &part, const QStringList &whole) {
    return part.size() <= whole.size() && whole.mid(0, part.size()) == part;
}

std::string describe(const CallSite &site, bool textLost) {
    return site.entry + " #" + std::to_string(site.skip + 1) +
           (textLost ? ", no text for the error" : "");
}

class FaultMatrix : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettingsHive();
        fakeoci::reset();
    }

    // The window after a start-up that logged on and listed both lists.
    std::unique_ptr<TfmList> startUp() {
        answers.logOn("SCOTT", "TIGER", "");
        scriptTypes();
        scriptNames();
        return std::make_unique<TfmList>();
    }

    using Window = std::unique_ptr<TfmList>;

    // Runs `path` once cleanly on what `setUp` made to find its call sites, then again for
    // each site with that call failing, and checks what the person sees through `check`.
    void failEverySite(const std::function<Window()> &setUp,
                       const std::function<void(Window &)> &path,
                       const std::function<void(const CallSite &, TfmList &)> &check) {
        fakeoci::reset();
        Window clean = setUp();
        answers.messages.clear();
        const std::size_t start = fakeoci::calls().size();
        path(clean);
        const std::vector<CallSite> sites = fakeoci::callSitesSince(start);
        ASSERT_FALSE(sites.empty());
        EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
        clean.reset();
        for (const CallSite &site : sites) {
            for (bool textLost : {false, true}) {
                SCOPED_TRACE(describe(site, textLost));
                fakeoci::reset();
                fakeoci::setErrorText(kFault, kFaultText);
                Window window = setUp();
                answers.messages.clear();
                fakeoci::failAfter(site.entry, site.skip, kFault);
                if (textLost)
                    fakeoci::failNext("oerhms", 1);
                path(window);
                ASSERT_TRUE(window);
                check(site, *window);
                for (const QString &message : answers.messages)
                    EXPECT_FALSE(message.trimmed().isEmpty());
            }
        }
    }

    // One message box: the error's text (or its code where the library has none), and for a
    // fetch that failed part-way, that the list is cut short.
    void expectToldOnce(const CallSite &site) {
        ASSERT_EQ(answers.messages.size(), 1) << answers.messages.join('\n').toStdString();
        const QString message = answers.messages.first();
        EXPECT_TRUE(message.contains("ORA-01578")) << message.toStdString();
        EXPECT_EQ(message.contains(QString::fromUtf8("一覧を最後まで読み込めませんでした")),
                  site.entry == "ofetch")
            << message.toStdString();
    }

    // Logged on, the selectors usable, each list a true beginning of what the database holds.
    static void expectUsableWithWhatWasRead(TfmList &w) {
        EXPECT_TRUE(w.OCI->Connected());
        for (QWidget *control :
             {static_cast<QWidget *>(w.cbInv), static_cast<QWidget *>(w.cmbType),
              static_cast<QWidget *>(w.pbReload), static_cast<QWidget *>(w.edSearch),
              static_cast<QWidget *>(w.pbSearch), static_cast<QWidget *>(w.pbLogin),
              static_cast<QWidget *>(w.pbEnd)})
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_TRUE(isPrefix(items(w.cmbType), kTypes)) << items(w.cmbType).join(',').toStdString();
        EXPECT_TRUE(isPrefix(items(w.lbName), kNames)) << items(w.lbName).join(',').toStdString();
        EXPECT_EQ(w.pbView->isEnabled(), w.lbName->count() > 0);
        EXPECT_FALSE(w.isLoading());
    }

    ModalAnswerer answers;
};

TEST_F(FaultMatrix, StartUp) {
    failEverySite([] { return Window(); }, [this](Window &w) { w = startUp(); },
                  [this](const CallSite &site, TfmList &w) {
                      if (site.entry == "olog") {
                          EXPECT_EQ(answers.messages,
                                    QStringList({QString::fromUtf8("接続に失敗しました。")}));
                          EXPECT_FALSE(w.OCI->Connected());
                          EXPECT_TRUE(w.pbLogin->isEnabled());
                          EXPECT_FALSE(w.cmbType->isEnabled());
                          return;
                      }
                      expectToldOnce(site);
                      expectUsableWithWhatWasRead(w);
                  });
}

// Reload and a change of type on a window that started well.
TEST_F(FaultMatrix, ListLoads) {
    struct Action {
        const char *what;
        std::function<void(TfmList &)> act;
        bool typesToo;
    } actions[] = {
        {"reload", [](TfmList &w) { w.pbReloadClick(); }, true},
        {"change of type",
         [](TfmList &w) {
             w.cmbType->setCurrentIndex(1);
             w.cmbTypeChange();
         },
         false},
    };
    for (const Action &action : actions) {
        SCOPED_TRACE(action.what);
        failEverySite(
            [&] {
                Window w = startUp();
                EXPECT_EQ(items(w->lbName), kNames);
                if (action.typesToo)
                    scriptTypes();
                scriptNames();
                return w;
            },
            [&](Window &w) { action.act(*w); },
            [this](const CallSite &site, TfmList &w) {
                expectToldOnce(site);
                expectUsableWithWhatWasRead(w);
            });
    }
}

} // namespace

namespace {

// A reconnect the person cancels leaves the session logged off with no text of its own: a
// refresh of the source view then says why it shows nothing new, never an empty message.
TEST_F(FaultMatrix, ARefreshAfterACancelledReconnectSaysWhy) {
    Window w = startUp();
    TfmView view(w->OCIcur, w->OCI);
    w->setView(&view);
    fakeoci::setResult({Column{"LINE", 2, 22}, Column{"SOURCE_TEXT", 1, 4000}}, {{"1", "x"}});
    w->pbViewClick();
    ASSERT_TRUE(answers.messages.isEmpty());
    answers.cancelLogon();
    w->pbLoginClick();
    ASSERT_FALSE(w->OCI->Connected());
    view.pbRefClick();
    EXPECT_EQ(answers.messages, QStringList({QString::fromUtf8("接続されていません。")}));
}

} // namespace

// The view's window, its look (standard, remembered, font, background, standard command) and
// the copy command, with the grid filled by hand: no database is needed here.

#include "view_fixture.h"

#include "platform/program_names.h"

#include "settings/fontsave.h"
#include "viewer/fmview.h"
#include "viewer/sourcegrid.h"

#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace viewtest;

class ViewLook : public ::testing::Test {
protected:
    void SetUp() override { clearSettingsHive(); }
    void TearDown() override { clearSettingsHive(); }

    static std::unique_ptr<TfmView> startView() {
        return std::make_unique<TfmView>(nullptr, nullptr);
    }

    static void expectStandardLook(const TfmView &view) {
        const SourceGrid *grid = view.sgSource;
        EXPECT_EQ(grid->backgroundColor(), QColor(Qt::black));
        EXPECT_EQ(grid->textColor(), QColor(0, 255, 0));
        EXPECT_EQ(grid->font().family(), QStringLiteral("ＭＳ ゴシック"));
        EXPECT_EQ(grid->font().pixelSize(), 12);
        EXPECT_EQ(view.gridFont().Height(), -12);
        EXPECT_EQ(view.gridFont().Charset, SHIFTJIS_CHARSET);
        EXPECT_EQ(view.gridFont().Style, TFontStyles{});
        EXPECT_EQ(view.gridColor(), 0);
        EXPECT_EQ(grid->defaultRowHeight(), 18);
        EXPECT_EQ(grid->rowHeight(1), 18);
    }
};

TEST_F(ViewLook, FirstStartTakesTheStandardLookAndWritesOnlyTheEmptyFontKey) {
    auto view = startView();
    expectStandardLook(*view);
    EXPECT_EQ(view->StdFont.Color, 0x00FF00);
    EXPECT_EQ(view->StdColor, 0);
    auto font = lookKey("Font");
    ASSERT_TRUE(font);
    for (const char *name : {"Color", "Height", "Name", "Size", "Charset", "Style-IsBold"})
        EXPECT_EQ(font->valueType(name), velmora::platform::RegistryValueType::Missing) << name;
    EXPECT_FALSE(lookKey("BackGroundColor"));
    // Showing and closing the view writes nothing either.
    const QByteArray stored = settingsHiveText();
    view->show();
    view->pbCloseClick();
    view.reset();
    EXPECT_EQ(settingsHiveText(), stored);
}

TEST_F(ViewLook, WindowLayoutFollowsTheDescription) {
    auto view = startView();
    EXPECT_EQ(view->windowTitle(), "Object Source");
    EXPECT_EQ(view->Panel1->height(), 41);
    struct Control {
        QWidget *widget;
        const char *name;
        QRect geometry;
        const char *caption;
    } controls[] = {
        {view->edObjType, "edObjType", {8, 10, 135, 19}, ""},
        {view->edObjName, "edObjName", {150, 10, 128, 19}, ""},
        {view->pbRef, "pbRef", {290, 7, 73, 25}, "最新表示(&R)"},
        {view->pbClose, "pbClose", {369, 7, 73, 25}, "閉じる(&C)"},
        {view->pbBGC, "pbBGC", {493, 7, 63, 25}, "背景色(&B)"},
        {view->pbFont, "pbFont", {560, 7, 63, 25}, "ﾌｫﾝﾄ(&F)"},
        {view->pbStanderd, "pbStanderd", {627, 7, 80, 25}, "標準に戻す(&S)"},
    };
    for (const Control &c : controls) {
        EXPECT_EQ(c.widget->objectName(), c.name);
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.name;
        EXPECT_EQ(c.widget->parentWidget(), view->Panel1) << c.name;
        if (auto *button = qobject_cast<QPushButton *>(c.widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        }
    }
    for (const char *name : {"sgSource", "FontDlg", "ColorDialog1", "oFontSave"})
        EXPECT_TRUE(view->findChild<QObject *>(name)) << name;

    // Tab order: the five buttons, then the grid; the panels take no focus.
    QWidget *expected[] = {view->pbRef,  view->pbClose,    view->pbBGC,
                           view->pbFont, view->pbStanderd, view->sgSource};
    for (size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(expected[i]->nextInFocusChain(), expected[i + 1]) << i;
    EXPECT_EQ(view->edObjName->focusPolicy(), Qt::NoFocus);

    view->show();
    EXPECT_TRUE(view->windowState() & Qt::WindowMaximized);
    QApplication::setActiveWindow(view.get());
    EXPECT_EQ(QApplication::focusWidget(), view->sgSource);
    view->showNormal();
    // The restored size is the outer size, the window's frame included.
    EXPECT_EQ(view->frameGeometry().size(), QSize(736, 414));
    EXPECT_LT(view->size().width(), 736);
}

// Receives what the view hands to the system to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST_F(ViewLook, F1OpensTheHelpFileOnlyWhenItIsThere) {
    auto view = startView();
    view->show();
    QApplication::setActiveWindow(view.get());
    OpenedUrls opened;
    const QString helpFile = QDir::current().filePath(velmora::platform::kHelpFileName);
    QFile::remove(helpFile);
    QTest::keyClick(view->sgSource, Qt::Key_F1);
    EXPECT_TRUE(opened.urls.isEmpty());

    QFile file(helpFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QTest::keyClick(view->sgSource, Qt::Key_F1);
    QFile::remove(helpFile);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(QFileInfo(opened.urls.first().toLocalFile()), QFileInfo(helpFile));
}

// Answers the font dialog with a font of the given size and the named text colour.
void chooseFont(ModalAnswerer &answerer, const QString &family, int points, const QString &colour,
                QFont *seen = nullptr, QString *seenColour = nullptr) {
    answerer.answerNext([=](QDialog *dialog) {
        auto *fontDialog = qobject_cast<QFontDialog *>(dialog);
        ASSERT_TRUE(fontDialog);
        auto *combo = fontDialog->findChild<QComboBox *>("FontColor");
        ASSERT_TRUE(combo);
        if (seen)
            *seen = fontDialog->currentFont();
        if (seenColour)
            *seenColour = combo->currentText();
        QFont font(family);
        font.setPointSize(points);
        fontDialog->setCurrentFont(font);
        combo->setCurrentIndex(combo->findText(colour));
        fontDialog->accept();
    });
}

void chooseColour(ModalAnswerer &answerer, const QColor &colour, QColor *seen = nullptr) {
    answerer.answerNext([=](QDialog *dialog) {
        auto *colourDialog = qobject_cast<QColorDialog *>(dialog);
        ASSERT_TRUE(colourDialog);
        if (seen)
            *seen = colourDialog->currentColor();
        colourDialog->setCurrentColor(colour);
        colourDialog->accept();
    });
}

void cancelDialog(ModalAnswerer &answerer) {
    answerer.answerNext([](QDialog *dialog) { dialog->reject(); });
}

TEST_F(ViewLook, ATwelvePointFontComesBackWithTwentyFourPixelRows) {
    {
        auto view = startView();
        // The face that stands in for "ＭＳ ゴシック" here is the one the dialog lists.
        const QString family = QFontInfo(view->sgSource->font()).family();
        ModalAnswerer answerer;
        QFont preset;
        QString presetColour;
        chooseFont(answerer, family, 12, QStringLiteral("赤"), &preset, &presetColour);
        view->pbFontClick();
        ASSERT_EQ(answerer.dialogsAnswered, 1);
        // The dialog opened with the grid's font and colour.
        EXPECT_EQ(preset.pointSize(), 9);
        EXPECT_EQ(presetColour, QStringLiteral("ライム"));
        EXPECT_EQ(view->sgSource->defaultRowHeight(), 24);
        EXPECT_EQ(view->sgSource->textColor(), QColor(255, 0, 0));
        EXPECT_EQ(storedInteger("Font", "Size"), 12);
        EXPECT_EQ(storedInteger("Font", "Height"), -16);
        EXPECT_EQ(storedInteger("Font", "Color"), 0x0000FF);
        EXPECT_EQ(storedInteger("Font", "Charset"), 128);
        EXPECT_EQ(storedInteger("BackGroundColor", "Color"), 0);
        EXPECT_EQ(storedString("Font", "Name"), std::string("ＭＳ ゴシック"));
    }
    auto restarted = startView();
    EXPECT_EQ(restarted->sgSource->defaultRowHeight(), 24);
    EXPECT_EQ(restarted->sgSource->rowHeight(1), 24);
    EXPECT_EQ(restarted->gridFont().Size(), 12);
    EXPECT_EQ(restarted->sgSource->font().pixelSize(), 16);
    EXPECT_EQ(restarted->sgSource->textColor(), QColor(255, 0, 0));
    EXPECT_EQ(restarted->gridFont().Charset, SHIFTJIS_CHARSET);
}

// OK alone, in the standard look and in every style of the face the grid is shown in: the
// dialog opens on that face and style, so nothing changes and the same look is stored.
TEST_F(ViewLook, TheFontDialogOpensOnTheGridsFaceSoOkAloneChangesNothing) {
    auto view = startView();
    const QFontInfo shown(view->sgSource->font());
    QStringList styles = QFontDatabase::styles(shown.family());
    styles.prepend(QString()); // the standard look first
    ModalAnswerer answerer;
    for (const QString &style : styles) {
        SCOPED_TRACE(style.toStdString());
        if (!style.isEmpty()) {
            answerer.answerNext([&](QDialog *dialog) {
                auto *fontDialog = qobject_cast<QFontDialog *>(dialog);
                fontDialog->setCurrentFont(QFontDatabase::font(shown.family(), style, 9));
                dialog->accept();
            });
            view->pbFontClick();
        }
        const TFontAttributes before = view->gridFont();
        const QFontInfo resolved(view->sgSource->font());
        QFont openedOn;
        answerer.answerNext([&openedOn](QDialog *dialog) {
            openedOn = qobject_cast<QFontDialog *>(dialog)->currentFont();
            dialog->accept();
        });
        view->pbFontClick();
        EXPECT_EQ(openedOn.family(), resolved.family());
        EXPECT_EQ(QFontInfo(openedOn).styleName(), resolved.styleName());
        EXPECT_EQ(view->gridFont(), before);
        EXPECT_EQ(view->sgSource->defaultRowHeight(), 18);
        EXPECT_EQ(storedInteger("Font", "Height"), -12);
        EXPECT_EQ(storedString("Font", "Name"), std::string("ＭＳ ゴシック"));
        EXPECT_EQ(storedInteger("Font", "Style-IsBold"), before.Style.Bold ? 1 : 0);
        EXPECT_EQ(storedInteger("Font", "Style-IsItalic"), before.Style.Italic ? 1 : 0);
    }
    EXPECT_EQ(answerer.dialogsAnswered, 2 * styles.size() - 1);
}

TEST_F(ViewLook, ColourIsRememberedAndACancelledFontDialogWritesNothing) {
    const QColor chosen(0x12, 0x34, 0x56);
    {
        auto view = startView();
        ModalAnswerer answerer;
        QColor firstPreset, secondPreset;
        chooseColour(answerer, chosen, &firstPreset);
        view->pbBGCClick();
        EXPECT_EQ(firstPreset, QColor(Qt::black));
        EXPECT_EQ(view->sgSource->backgroundColor(), chosen);
        EXPECT_EQ(storedInteger("BackGroundColor", "Color"), 0x563412);
        EXPECT_EQ(storedInteger("Font", "Height"), -12); // the whole look is saved

        const QByteArray stored = settingsHiveText();
        cancelDialog(answerer);
        view->pbFontClick();
        EXPECT_EQ(answerer.dialogsAnswered, 2);
        EXPECT_EQ(settingsHiveText(), stored);
        EXPECT_EQ(view->sgSource->defaultRowHeight(), 18);
        EXPECT_EQ(view->sgSource->backgroundColor(), chosen);

        // A cancelled colour dialog changes nothing; the next one opens with the last choice.
        view->pbStanderdClick();
        const QByteArray standard = settingsHiveText();
        answerer.answerNext([&secondPreset](QDialog *dialog) {
            secondPreset = qobject_cast<QColorDialog *>(dialog)->currentColor();
            qobject_cast<QColorDialog *>(dialog)->setCurrentColor(Qt::white);
            dialog->reject();
        });
        view->pbBGCClick();
        EXPECT_EQ(secondPreset, chosen);
        EXPECT_EQ(view->sgSource->backgroundColor(), QColor(Qt::black));
        EXPECT_EQ(settingsHiveText(), standard);
        chooseColour(answerer, Qt::blue, &secondPreset);
        view->pbBGCClick();
        EXPECT_EQ(secondPreset, chosen); // not the colour of the cancelled showing
    }
    auto restarted = startView();
    EXPECT_EQ(restarted->sgSource->backgroundColor(), QColor(Qt::blue));
}

TEST_F(ViewLook, StandardCommandRestoresAndStoresTheStandardLook) {
    {
        auto view = startView();
        ModalAnswerer answerer;
        chooseColour(answerer, QColor(200, 200, 200));
        view->pbBGCClick();
        chooseFont(answerer, QFont().family(), 14, QStringLiteral("青"));
        view->pbFontClick();
        ASSERT_EQ(view->sgSource->defaultRowHeight(), 28);

        view->pbStanderdClick();
        expectStandardLook(*view);
        EXPECT_EQ(storedInteger("Font", "Color"), 0x00FF00);
        EXPECT_EQ(storedInteger("Font", "Height"), -12);
        EXPECT_EQ(storedInteger("Font", "Size"), 9);
        EXPECT_EQ(storedInteger("Font", "Charset"), 128);
        EXPECT_EQ(storedString("Font", "Name"), std::string("ＭＳ ゴシック"));
        EXPECT_EQ(storedInteger("Font", "Style-IsBold"), 0);
        EXPECT_EQ(storedInteger("BackGroundColor", "Color"), 0);
    }
    auto restarted = startView();
    expectStandardLook(*restarted);
}

TEST_F(ViewLook, AStoredLookThatCannotBeReadCompletelyGivesTheStandardLook) {
    {
        auto view = startView();
        ModalAnswerer answerer;
        chooseFont(answerer, QFont().family(), 20, QStringLiteral("白"));
        view->pbFontClick();
    }
    ASSERT_TRUE(lookKey("Font")->deleteValue("Style-IsUnderline"));
    auto restarted = startView();
    expectStandardLook(*restarted);
}

// ---------------------------------------------------------------------------------------------
// Copy

class ViewCopy : public ViewLook {
protected:
    void SetUp() override {
        ViewLook::SetUp();
        view = startView();
        SourceGrid *grid = view->sgSource;
        grid->setRowCount(6);
        grid->setRowTexts(0, {"LINE", "SOURCE_TEXT", "SEQUENCE", "POSITION", "ERROR_MESSAGE"});
        for (int r = 1; r < 6; ++r) {
            const QByteArray n = QByteArray::number(r);
            grid->setRowTexts(r, {n, "text " + n, "", "", "error " + n});
        }
        view->show();
        QApplication::setActiveWindow(view.get());
        grid->setFocus();
        QGuiApplication::clipboard()->setText("untouched");
    }

    void selectRect(int left, int top, int right, int bottom) {
        auto *model = view->sgSource->model();
        auto *selection = view->sgSource->selectionModel();
        selection->setCurrentIndex(model->index(top, left), QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(model->index(top, left), model->index(bottom, right)),
                          QItemSelectionModel::ClearAndSelect);
    }

    QString press(int key, Qt::KeyboardModifiers modifiers) {
        QGuiApplication::clipboard()->setText("untouched");
        QTest::keyClick(view->sgSource, static_cast<Qt::Key>(key), modifiers);
        return QGuiApplication::clipboard()->text();
    }

    std::unique_ptr<TfmView> view;
};

TEST_F(ViewCopy, CopyKeysPutTheSelectedRectangleOnTheClipboard) {
    const QString rect = "text 2\t\r\ntext 3\t\r\ntext 4\t\r\n";
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString expected;
    } cases[] = {
        {Qt::Key_C, Qt::ControlModifier, rect},
        {Qt::Key_Insert, Qt::ControlModifier, rect},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, rect},
        {Qt::Key_Insert, Qt::ControlModifier | Qt::AltModifier, rect},
        {Qt::Key_C, Qt::NoModifier, "untouched"},
        {Qt::Key_C, Qt::AltModifier, "untouched"},
        {Qt::Key_Insert, Qt::ShiftModifier, "untouched"},
        {Qt::Key_V, Qt::ControlModifier, "untouched"},
    };
    for (const Case &c : cases) {
        selectRect(1, 2, 2, 4);
        EXPECT_EQ(press(c.key, c.modifiers), c.expected) << c.key << " " << c.modifiers;
    }
}

TEST_F(ViewCopy, ThreeRowsByTwoColumnsGiveThreeLinesWithOneTabEach) {
    selectRect(3, 1, 4, 3);
    const QString text = press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(text, "\terror 1\r\n\terror 2\r\n\terror 3\r\n");
    EXPECT_EQ(text.count("\r\n"), 3);
    EXPECT_EQ(text.count('\t'), 3);
}

TEST_F(ViewCopy, TheFocusedCellAloneIsCopiedWithItsLineEnd) {
    view->sgSource->setCurrentCell(4, 5);
    EXPECT_EQ(press(Qt::Key_Insert, Qt::ControlModifier), "error 5\r\n");
    // The key still reaches the grid: Ctrl+C does not move or clear anything there.
    EXPECT_EQ(view->sgSource->currentRow(), 5);
}

} // namespace

#include "look_test.moc"

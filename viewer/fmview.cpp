#include "viewer/fmview.h"

#include "cursor/read_rows.h"
#include "cursor/tocicur.h"
#include "platform/busy_pointer.h"
#include "platform/client_text.h"
#include "platform/help_file.h"
#include "platform/program_names.h"
#include "platform/registry.h"
#include "session/sql_text.h"
#include "session/toci.h"
#include "viewer/error_rows.h"
#include "viewer/sourcegrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using velmora::platform::fromClientText;

namespace {

constexpr int HelpContext = 30;

// The size of the window when it is not maximized, its frame included.
const QSize RestoredOuterSize(736, 414);

constexpr int ColumnCount = 5;
constexpr int LayoutRowCount = 5;
constexpr int LineColumnWidth = 50;
constexpr int SourceColumn = 1;
constexpr int MessageColumn = 4;
constexpr int RowGrowth = 1000;
constexpr int WidthMargin = 5;

// The font dialog's text colours, as the platform's own font dialog offers them.
struct NamedColor {
    const char *name;
    TColor color;
};
constexpr NamedColor TextColors[] = {
    {"黒", 0x000000},       {"マルーン", 0x000080}, {"緑", 0x008000},       {"オリーブ", 0x008080},
    {"ネイビー", 0x800000}, {"紫", 0x800080},       {"ティール", 0x808000}, {"灰色", 0x808080},
    {"シルバー", 0xC0C0C0}, {"赤", 0x0000FF},       {"ライム", 0x00FF00},   {"黄", 0x00FFFF},
    {"青", 0xFF0000},       {"フクシャ", 0xFF00FF}, {"水色", 0xFFFF00},     {"白", 0xFFFFFF},
};

// The window font the layout names; the grid's standard font is a copy of it.
QFont windowFont() {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QPushButton *makeButton(QWidget *parent, const char *name, const char *caption, QRect geometry) {
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel *makeCaptionPanel(QWidget *parent, const char *name, QRect geometry) {
    auto *panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setTextFormat(Qt::PlainText);
    panel->setFocusPolicy(Qt::NoFocus);
    return panel;
}

} // namespace

TfmView::TfmView(TOCIcur *cursor, TOCIctrl *session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_cursor(cursor), m_session(session) {
    setObjectName(QStringLiteral("fmView"));
    setWindowTitle(QStringLiteral("Object Source"));
    setFont(windowFont());
    resize(RestoredOuterSize);
    setWindowState(Qt::WindowMaximized);

    buildPanel();
    sgSource = new SourceGrid(ColumnCount, LayoutRowCount, this);
    sgSource->setObjectName(QStringLiteral("sgSource"));
    sgSource->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(sgSource, 1);

    setTabOrder(pbRef, pbClose);
    setTabOrder(pbClose, pbBGC);
    setTabOrder(pbBGC, pbFont);
    setTabOrder(pbFont, pbStanderd);
    setTabOrder(pbStanderd, sgSource);
    setFocusProxy(sgSource);

    buildDialogs();
    oFontSave = new TFontSave(this);
    oFontSave->setObjectName(QStringLiteral("oFontSave"));

    StdFont = fromQFont(font(), clLime, SHIFTJIS_CHARSET);
    StdColor = clBlack;

    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &TfmView::openHelp);
    addErrorKeys();

    if (oFontSave->Load(velmora::platform::currentUserRoot(),
                        QByteArray(velmora::platform::kSettingsKeyPath)))
        applyLook(oFontSave->Font, oFontSave->Color);
    else
        applyLook(StdFont, StdColor);
}

TfmView::~TfmView() = default;

void TfmView::buildPanel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    edObjType = makeCaptionPanel(Panel1, "edObjType", QRect(8, 10, 135, 19));
    edObjName = makeCaptionPanel(Panel1, "edObjName", QRect(150, 10, 128, 19));
    pbRef = makeButton(Panel1, "pbRef", "最新表示(&R)", QRect(290, 7, 73, 25));
    pbClose = makeButton(Panel1, "pbClose", "閉じる(&C)", QRect(369, 7, 73, 25));
    pbBGC = makeButton(Panel1, "pbBGC", "背景色(&B)", QRect(493, 7, 63, 25));
    pbFont = makeButton(Panel1, "pbFont", "ﾌｫﾝﾄ(&F)", QRect(560, 7, 63, 25));
    pbStanderd = makeButton(Panel1, "pbStanderd", "標準に戻す(&S)", QRect(627, 7, 80, 25));

    connect(pbRef, &QPushButton::clicked, this, &TfmView::pbRefClick);
    connect(pbClose, &QPushButton::clicked, this, &TfmView::pbCloseClick);
    connect(pbBGC, &QPushButton::clicked, this, &TfmView::pbBGCClick);
    connect(pbFont, &QPushButton::clicked, this, &TfmView::pbFontClick);
    connect(pbStanderd, &QPushButton::clicked, this, &TfmView::pbStanderdClick);
}

// F8 and Shift+F8: the next and the previous error row, wrapping around at the ends.
void TfmView::addErrorKeys() {
    auto *next = new QShortcut(QKeySequence(Qt::Key_F8), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, [this] { moveToError(true); });
    auto *previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this);
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, [this] { moveToError(false); });
}

void TfmView::buildDialogs() {
    FontDlg = new QFontDialog(this);
    FontDlg->setObjectName(QStringLiteral("FontDlg"));
    FontDlg->setOption(QFontDialog::DontUseNativeDialog);

    // Qt's font dialog has underline and strike-out but no text colour; the colour joins its
    // effects so that the dialog yields the whole font, as the platform's own dialog does.
    m_fontColor = new QComboBox(FontDlg);
    m_fontColor->setObjectName(QStringLiteral("FontColor"));
    for (const NamedColor &named : TextColors) {
        m_fontColor->addItem(QString::fromUtf8(named.name), QVariant::fromValue(named.color));
        m_fontColor->setItemData(m_fontColor->count() - 1, toQColor(named.color),
                                 Qt::DecorationRole);
    }
    auto *colorLabel = new QLabel(QStringLiteral("色(&C):"), FontDlg);
    colorLabel->setBuddy(m_fontColor);
    QGroupBox *effects = nullptr;
    for (QGroupBox *box : FontDlg->findChildren<QGroupBox *>()) {
        if (box->findChild<QCheckBox *>())
            effects = box;
    }
    QLayout *target = effects ? effects->layout() : FontDlg->layout();
    if (target) {
        target->addWidget(colorLabel);
        target->addWidget(m_fontColor);
    }

    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    ColorDialog1->setOption(QColorDialog::DontUseNativeDialog);
    ColorDialog1->setCurrentColor(m_lastChosenColor);
}

void TfmView::setCursorGate(std::function<bool()> cursorBusy, std::function<void()> endLoad) {
    m_cursorBusy = std::move(cursorBusy);
    m_endLoad = std::move(endLoad);
}

// ---------------------------------------------------------------------------------------------
// Loading the source

QByteArray TfmView::sourceStatement(const QByteArray &objName, const QByteArray &objType) {
    QByteArray sql;
    sql += "select USER_SOURCE.LINE, USER_SOURCE.TEXT SOURCE_TEXT,";
    sql += "USER_ERRORS.SEQUENCE, USER_ERRORS.POSITION, USER_ERRORS.TEXT ERROR_MESSAGE ";
    sql += "from USER_SOURCE, USER_ERRORS ";
    sql += "where ";
    sql += "USER_SOURCE.NAME = USER_ERRORS.NAME(+) AND ";
    sql += "USER_SOURCE.TYPE = USER_ERRORS.TYPE(+) AND ";
    sql += "USER_SOURCE.LINE = USER_ERRORS.LINE(+) AND ";
    sql += "USER_SOURCE.NAME = '";
    sql += sqlQuoteDoubled(objName);
    sql += "' AND ";
    sql += "USER_SOURCE.TYPE = '";
    sql += sqlQuoteDoubled(objType);
    sql += "'";
    sql += " order by LINE";
    return sql;
}

void TfmView::LoadSource() {
    sgSource->setColWidth(0, LineColumnWidth);
    edObjName->setText(fromClientText(ObjName));
    edObjType->setText(fromClientText(ObjType));
    if (deferWhileCursorBusy() || !m_cursor)
        return;

    m_cursor->SQL = sourceStatement(ObjName, ObjType);
    sgSource->setRowCount(2);
    if (!m_cursor->Execute()) {
        fitLineNumberColumn();
        showPlainMessage(velmora::cursor::refusalText(*m_cursor, m_session));
        return;
    }
    const bool complete = fillGrid();
    const QByteArray fetchError = complete ? QByteArray() : m_cursor->ErrMsg;
    fitLineNumberColumn();
    moveToFirstError();
    startAtLeftEdgeIfNew();
    if (!complete) {
        showPlainMessage(QByteArray("ソースを最後まで読み込めませんでした。"
                                    "表示しているのは途中までです。\n") +
                         fetchError.trimmed());
    }
}

// The main window's name load runs its fetch loop on the same cursor and lets events run
// between rows; a refresh in that moment asks the load to end and comes back once it has.
bool TfmView::deferWhileCursorBusy() {
    if (!m_cursorBusy || !m_cursorBusy())
        return false;
    if (m_endLoad)
        m_endLoad();
    if (!m_reloadPending) {
        m_reloadPending = true;
        QTimer::singleShot(0, this, [this] {
            m_reloadPending = false;
            LoadSource();
        });
    }
    return true;
}

// Fills the grid from the executed statement; false when a fetch failed before the end of
// the rows (the cursor then holds the database's text in its ErrMsg).
bool TfmView::fillGrid() {
    velmora::platform::BusyPointer busy;
    sgSource->setRowTexts(0, m_cursor->Row);
    sgSource->beginUpdate();
    int i = 0;
    const bool complete = velmora::cursor::readRows(*m_cursor, [this, &i] {
        ++i;
        if (sgSource->rowCount() < i + 1)
            sgSource->setRowCount(i + RowGrowth);
        sgSource->setRowTexts(i, m_cursor->Row);
        return true;
    });
    sgSource->setRowCount(m_cursor->FetchCount + 1);
    tidyAndSizeColumns();
    sgSource->endUpdate();
    return complete;
}

// Tabs and line feeds are shown as blanks (a line keeps its length in bytes); the text and
// error columns become as wide as their longest text, measured once, as it was fetched. An
// error's text as fetched, its line feeds kept, is its cell's tooltip.
void TfmView::tidyAndSizeColumns() {
    const int columns[2] = {SourceColumn, MessageColumn};
    QByteArray longest[2];
    const int rows = sgSource->rowCount();
    sgSource->clearToolTips();
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < 2; ++k) {
            const QByteArrayView s = sgSource->cell(columns[k], r);
            if (s.size() > longest[k].size())
                longest[k] = s.toByteArray(); // before the tidying, which keeps the length
            if (r > 0 && columns[k] == MessageColumn && !s.isEmpty())
                sgSource->setToolTip(MessageColumn, r, s.toByteArray());
            sgSource->replaceBytes(columns[k], r, "\t\n", ' ');
        }
    }
    for (int k = 0; k < 2; ++k)
        sgSource->setColWidth(columns[k], sgSource->textWidth(longest[k]) + WidthMargin);
}

// Column 0 keeps its 50 pixels while the widest line number fits, and widens otherwise: a
// number cut short ("1000" for 100000) would be a wrong number on screen.
void TfmView::fitLineNumberColumn() {
    sgSource->setColWidth(
        0, std::max(LineColumnWidth, sgSource->widestLineNumberWidth() + WidthMargin));
}

// A different object opens scrolled fully left; a refresh of the same one stays where it was.
void TfmView::startAtLeftEdgeIfNew() {
    const QByteArrayList object{ObjType, ObjName};
    if (object == m_shownObject)
        return;
    m_shownObject = object;
    sgSource->scrollToLeftEdge();
}

void TfmView::moveToFirstError() {
    selectErrorRow(velmora::viewer::firstErrorRow(*sgSource));
}

void TfmView::moveToError(bool forward) {
    selectErrorRow(velmora::viewer::nextErrorRow(*sgSource, sgSource->currentRow(), forward));
}

// The error's row becomes current in the current column (the text column when none is
// current), the selection shrinks to that cell and the row scrolls into view.
void TfmView::selectErrorRow(int row) {
    if (row < 1)
        return;
    const int col = sgSource->currentCol() > 0 ? sgSource->currentCol() : 1;
    sgSource->setCurrentCell(col, row);
}

void TfmView::showPlainMessage(const QByteArray &text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), fromClientText(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void TfmView::FormShow() {
    LoadSource();
}

void TfmView::pbRefClick() {
    LoadSource();
}

void TfmView::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Shown by the program, not restored from the task bar: every hand-over loads afresh.
    if (event->spontaneous())
        return;
    FormShow();
    sgSource->setFocus(Qt::OtherFocusReason);
}

// The restored size is the window's outer size. The frame's size is known only once the
// window system has framed the window, so the size is corrected the first time the window is
// restored with a frame around it.
void TfmView::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_restoredSizeFitted)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() <= 0 && frame.height() <= 0)
        return;
    m_restoredSizeFitted = true;
    resize(RestoredOuterSize - frame);
}

// ---------------------------------------------------------------------------------------------
// Look and commands

void TfmView::applyLook(const TFontAttributes &font, TColor background) {
    setGridFont(font);
    setGridColor(background);
}

// The row height follows the font: twice its size in points, taken as pixels.
void TfmView::setGridFont(const TFontAttributes &font) {
    m_gridFont = font;
    sgSource->setGridFont(toQFont(font), toQColor(font.Color));
    sgSource->setDefaultRowHeight(2 * font.Size());
    fitLineNumberColumn();
}

void TfmView::setGridColor(TColor background) {
    m_gridColor = background;
    sgSource->setBackgroundColor(toQColor(background));
}

void TfmView::rememberLook() {
    oFontSave->Font = m_gridFont;
    oFontSave->Color = m_gridColor;
    oFontSave->Save(velmora::platform::currentUserRoot(),
                    QByteArray(velmora::platform::kSettingsKeyPath));
}

// The dialog lists the faces installed here and finds the preset's style by its name. A face
// known by another name ("ＭＳ ゴシック") is listed under the face that stands in for it, whose
// regular style may be called "Book" rather than "Regular": the preset names both as the grid
// shows them, or the dialog would fall back to the face's first listed style (an oblique one,
// say) and OK alone would change the font.
QFont TfmView::fontDialogPreset() const {
    QFont preset = sgSource->font(); // as the grid resolved it, hints from the window included
    if (m_gridFont.Size() > 0)
        preset.setPointSize(m_gridFont.Size());
    const QFontInfo shown(preset);
    preset.setFamily(shown.family());
    if (!shown.styleName().isEmpty())
        preset.setStyleName(shown.styleName());
    return preset;
}

void TfmView::pbFontClick() {
    const QFont preset = fontDialogPreset();
    const QString shownFamily = preset.family();
    FontDlg->setCurrentFont(preset);
    int colorIndex = m_fontColor->findData(QVariant::fromValue(m_gridFont.Color));
    if (colorIndex < 0) {
        m_fontColor->addItem(QStringLiteral("カスタム"), QVariant::fromValue(m_gridFont.Color));
        colorIndex = m_fontColor->count() - 1;
        m_fontColor->setItemData(colorIndex, toQColor(m_gridFont.Color), Qt::DecorationRole);
    }
    m_fontColor->setCurrentIndex(colorIndex);
    if (FontDlg->exec() != QDialog::Accepted)
        return;

    // Qt's dialog chooses no character set: the font keeps the one it had.
    const QFont selected = FontDlg->selectedFont();
    TFontAttributes chosen =
        fromQFont(selected, m_fontColor->currentData().value<TColor>(), m_gridFont.Charset);
    if (selected.family() == shownFamily) {
        // The same face: it keeps the name it is remembered by (and its pitch).
        chosen.Name = m_gridFont.Name;
        chosen.Pitch = m_gridFont.Pitch;
    }
    setGridFont(chosen);
    rememberLook();
}

void TfmView::pbBGCClick() {
    ColorDialog1->setCurrentColor(m_lastChosenColor);
    if (ColorDialog1->exec() != QDialog::Accepted)
        return;
    m_lastChosenColor = ColorDialog1->selectedColor();
    setGridColor(fromQColor(m_lastChosenColor));
    rememberLook();
}

void TfmView::pbStanderdClick() {
    applyLook(StdFont, StdColor);
    rememberLook();
}

void TfmView::pbCloseClick() {
    close();
}

void TfmView::sgSourceKeyDown(int key, Qt::KeyboardModifiers shift) {
    if (!(shift & Qt::ControlModifier))
        return;
    if (key != Qt::Key_C && key != Qt::Key_Insert)
        return;
    const QByteArray text = sgSource->selectionText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(fromClientText(text));
}

bool TfmView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == sgSource && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        sgSourceKeyDown(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void TfmView::openHelp() {
    velmora::platform::openHelpFile(QString::fromLatin1(velmora::platform::kHelpFileName),
                                    HelpContext);
}

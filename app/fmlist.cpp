#include "app/fmlist.h"

#include "app/controls.h"
#include "app/namelist.h"
#include "app/objectqueries.h"
#include "cursor/read_rows.h"
#include "cursor/tocicur.h"
#include "platform/client_text.h"
#include "platform/help_file.h"
#include "platform/program_names.h"
#include "platform/registry.h"
#include "session/toci.h"
#include "viewer/fmview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

using velmora::platform::fromClientText;
using velmora::platform::RegistryKey;
using velmora::platform::toClientText;

namespace {

const QSize kClientSize(306, 363);
constexpr int kItemHeight = 12;
// A long name load hands its rows to the list at most this often, so the list repaints a
// few times a second instead of once per name.
const qint64 kListFlushMs = 40;

const char *const kListCutShort =
    "一覧を最後まで読み込めませんでした。表示しているのは途中までです。\n";

QByteArray readStringOrEmpty(const RegistryKey *key, const char *name) {
    if (!key)
        return {};
    return QByteArray::fromStdString(key->readString(name).value_or(std::string()));
}

// An edit field fills with the Base role, a drop-down list that cannot be edited with the
// Button role (under Fusion, for one): both are set, so each shows the colour asked for.
void setFieldBackground(QWidget *field, QPalette::ColorRole source) {
    QPalette palette = field->palette();
    const QColor colour = QApplication::palette().color(source);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    field->setPalette(palette);
}

} // namespace

TfmList::TfmList(QWidget *parent) : QWidget(parent), m_anchors(kClientSize) {
    buildControls();
    if (!OCI->Active()) {
        // The entry ends the program instead of starting the message loop. A queued quit would
        // close the message boxes below as soon as they open.
        m_quitRequested = true;
        showError(QString::fromUtf8("OCIをロードできません。\n強制終了します。"));
    }
    CancelLoad = false;
    Loading = false;
    OpenSession();
}

TfmList::~TfmList() {
    qApp->removeEventFilter(this);
    if (OCI->Connected())
        OCI->UnActive();
}

void TfmList::buildControls() {
    setWindowTitle(QCoreApplication::applicationName());
    QFont windowFont(QString::fromUtf8("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(kClientSize);

    OCI = new TOCIctrl(this);
    OCI->setObjectName("OCI");
    OCIcur = new TOCIcur(this);
    OCIcur->setObjectName("OCIcur");
    OCIcur->SetParent(OCI);

    cbInv = new QCheckBox(QString::fromUtf8("不完全OBJのみ(&I)"), this);
    cbInv->setChecked(true);
    cmbType = new QComboBox(this);
    cmbType->setEditable(false);
    cmbType->setItemDelegate(new FixedHeightItems(kItemHeight, cmbType));
    pbReload = new QPushButton("&Reload", this);
    edSearch = new UnselectedOnFocusEdit(this);
    pbSearch = new QPushButton(QString::fromUtf8("&検索(&F)"), this);
    lbName = new NameListBox(this);
    lbName->setItemDelegate(new FixedHeightItems(kItemHeight, lbName));
    pbView = new QPushButton(QString::fromUtf8("表示(&V)"), this);
    pbEnd = new QPushButton(QString::fromUtf8("終了(&E)"), this);
    pbLogin = new QPushButton(QString::fromUtf8("再接続(&C)"), this);
    Label2 = new QLabel(QString::fromUtf8("ﾀｲﾌﾟ(&T)"), this);
    Label2->setBuddy(cmbType);
    Label1 = new QLabel(QString::fromUtf8("絞込(&S)"), this);
    Label1->setBuddy(edSearch);

    placeControls();
    connectHandlers();
}

void TfmList::placeControls() {
    const struct {
        QWidget *control;
        const char *name;
        QRect geometry;
        int edges;
    } layout[] = {
        {cbInv, "cbInv", {52, 2, 117, 17}, AnchorKeeper::Left | AnchorKeeper::Top},
        {cmbType,
         "cmbType",
         {46, 25, 207, 20},
         AnchorKeeper::Left | AnchorKeeper::Top | AnchorKeeper::Right},
        {pbReload, "pbReload", {253, 25, 46, 19}, AnchorKeeper::Top | AnchorKeeper::Right},
        {edSearch,
         "edSearch",
         {46, 48, 207, 20},
         AnchorKeeper::Left | AnchorKeeper::Top | AnchorKeeper::Right},
        {pbSearch, "pbSearch", {253, 49, 46, 19}, AnchorKeeper::Top | AnchorKeeper::Right},
        {lbName,
         "lbName",
         {5, 71, 228, 284},
         AnchorKeeper::Left | AnchorKeeper::Top | AnchorKeeper::Right | AnchorKeeper::Bottom},
        {pbView, "pbView", {238, 77, 62, 25}, AnchorKeeper::Top | AnchorKeeper::Right},
        {pbEnd, "pbEnd", {238, 330, 62, 25}, AnchorKeeper::Right | AnchorKeeper::Bottom},
        {pbLogin, "pbLogin", {235, 1, 64, 20}, AnchorKeeper::Top | AnchorKeeper::Right},
        {Label2, "Label2", {5, 28, 38, 12}, AnchorKeeper::Left | AnchorKeeper::Top},
        {Label1, "Label1", {4, 50, 39, 12}, AnchorKeeper::Left | AnchorKeeper::Top},
    };
    for (const auto &entry : layout) {
        entry.control->setObjectName(entry.name);
        m_anchors.place(entry.control, entry.geometry, entry.edges);
    }
    // Tab order as laid out: the check box first, reconnect last.
    QWidget *const tabOrder[] = {cbInv,  cmbType, pbReload, edSearch, pbSearch,
                                 lbName, pbView,  pbEnd,    pbLogin};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    cbInv->setFocus();
}

void TfmList::connectHandlers() {
    // "&検索(&F)" carries two marks; the usable accelerator is Alt+F.
    auto *searchAccelerator = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
    connect(searchAccelerator, &QShortcut::activated, pbSearch, &QPushButton::click);

    connect(cbInv, &QCheckBox::clicked, this, &TfmList::cbInvClick);
    connect(cmbType, &QComboBox::activated, this, &TfmList::cmbTypeChange);
    connect(pbReload, &QPushButton::clicked, this, &TfmList::pbReloadClick);
    connect(pbSearch, &QPushButton::clicked, this, &TfmList::pbReloadClick);
    connect(lbName, &QAbstractItemView::doubleClicked, this, &TfmList::lbNameDblClick);
    connect(pbView, &QPushButton::clicked, this, &TfmList::pbViewClick);
    connect(pbEnd, &QPushButton::clicked, this, &TfmList::pbEndClick);
    connect(pbLogin, &QPushButton::clicked, this, &TfmList::pbLoginClick);

    // Key preview: every key pressed in this window reaches FormKeyPress first.
    qApp->installEventFilter(this);
}

void TfmList::setView(TfmView *view) {
    m_view = view;
    if (!m_view)
        return;
    // The view shares OCIcur; its refresh must not run inside a name load.
    m_view->setCursorGate([this] { return Loading; }, [this] { CancelLoad = true; });
}

void TfmList::showError(const QString &text) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, this);
    box.exec();
}

void TfmList::OpenSession() {
    {
        const auto key = RegistryKey::openOrCreate(velmora::platform::currentUserRoot(),
                                                   velmora::platform::kSettingsKeyPath);
        OCI->UserID = readStringOrEmpty(key.get(), "USER");
        OCI->Password.clear();
        OCI->ConnStr = readStringOrEmpty(key.get(), "CONN");
    }
    cmbType->clear();
    if (OCI->Login()) {
        LoadTypes(cbInv->isChecked());
        EnableControls(true);
        const auto key = RegistryKey::openOrCreate(velmora::platform::currentUserRoot(),
                                                   velmora::platform::kSettingsKeyPath);
        if (key) {
            // A failed write is not reported and does not stop the other one.
            key->writeString("USER", OCI->UserID.toStdString());
            key->writeString("CONN", OCI->ConnStr.toStdString());
        }
        return;
    }
    if (!OCI->ErrMsg.isEmpty())
        showError(QString::fromUtf8("接続に失敗しました。"));
    EnableControls(false);
}

void TfmList::EnableControls(bool Enable) {
    const QPalette::ColorRole fieldColour = Enable ? QPalette::Base : QPalette::Button;
    for (QWidget *w :
         std::initializer_list<QWidget *>{cbInv, cmbType, pbReload, edSearch, pbSearch})
        w->setEnabled(Enable);
    setFieldBackground(cmbType, fieldColour);
    setFieldBackground(edSearch, fieldColour);
    const bool listUsable = Enable && lbName->count() > 0;
    if (listUsable)
        lbName->selectRow(0);
    lbName->setEnabled(listUsable);
    pbView->setEnabled(listUsable);
}

void TfmList::LoadTypes(bool invalidOnly) {
    const QByteArray sql = buildTypeQuery(invalidOnly);
    if (!OCI->Connected())
        return;
    OCIcur->SQL = sql;
    cmbType->clear();
    const QString failure = runListQuery([this] {
        cmbType->addItem(fromClientText(OCIcur->Row.value(0)));
        return true;
    });
    if (cmbType->count() > 0)
        cmbType->setCurrentIndex(0);
    if (failure.isEmpty()) {
        cmbTypeChange();
        return;
    }
    // No names are listed under a type list that failed: an empty list must not pass for
    // "nothing invalid". The controls stay usable for another try.
    lbName->clear();
    EnableControls(true);
    showError(failure);
}

void TfmList::LoadNames(bool invalidOnly, const QByteArray &pattern) {
    const QByteArray type = toClientText(cmbType->currentText());
    const QByteArray sql = buildNameQuery(type, invalidOnly, pattern);
    if (!OCI->Connected())
        return;
    OCIcur->SQL = sql;
    Loading = true;
    lbName->clear();
    EnableControls(false);
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    const QString failure = runListQuery([this, &sinceFlush] {
        lbName->addItem(fromClientText(OCIcur->Row.value(0)));
        if (sinceFlush.elapsed() >= kListFlushMs) {
            lbName->flushPending();
            sinceFlush.restart();
        }
        QCoreApplication::processEvents();
        return !CancelLoad;
    });
    lbName->flushPending();
    EnableControls(true);
    Loading = false;
    CancelLoad = false;
    if (!failure.isEmpty())
        showError(failure);
    runAfterLoadActions();
}

// Runs OCIcur's statement, handing each row to `take` (false stops the load, which is no
// failure). Returns what to show when the statement failed or a fetch failed part-way, and
// nothing when the rows were read to their end or the load was stopped.
QString TfmList::runListQuery(const std::function<bool()> &take) {
    if (!OCIcur->Execute())
        return fromClientText(velmora::cursor::refusalText(*OCIcur, OCI));
    if (velmora::cursor::readRows(*OCIcur, take))
        return {};
    return QString::fromUtf8(kListCutShort) + fromClientText(OCIcur->ErrMsg.trimmed());
}

void TfmList::afterLoad(std::function<void()> action) {
    CancelLoad = true;
    m_afterLoad.push_back(std::move(action));
}

void TfmList::runAfterLoadActions() {
    // Queued, so that they run once the handler that started the load has returned.
    for (auto &action : std::exchange(m_afterLoad, {}))
        QTimer::singleShot(0, this, std::move(action));
}

void TfmList::cbInvClick() {
    if (Loading)
        return;
    LoadTypes(cbInv->isChecked());
}

void TfmList::pbReloadClick() {
    cbInvClick();
}

void TfmList::cmbTypeChange() {
    if (Loading)
        return;
    LoadNames(cbInv->isChecked(), toClientText(edSearch->text()));
}

void TfmList::pbViewClick() {
    // The list keeps a name selected whenever it can act; an empty name never reaches the view.
    const QString name = lbName->selectedText();
    if (Loading || !m_view || name.isEmpty())
        return;
    m_view->close();
    m_view->ObjName = toClientText(name);
    m_view->ObjType = toClientText(cmbType->currentText());
    m_view->show();
    m_view->activateWindow();
}

void TfmList::lbNameDblClick() {
    if (!Loading)
        pbViewClick();
}

void TfmList::pbLoginClick() {
    if (Loading) {
        // Logging off under a running load would free what it is reading: end it first.
        afterLoad([this] { pbLoginClick(); });
        return;
    }
    OCI->DisConnect();
    lbName->clear();
    OpenSession();
}

void TfmList::pbEndClick() {
    close();
}

void TfmList::FormKeyPress(int key) {
    if (key == Qt::Key_Escape && Loading)
        CancelLoad = true;
}

void TfmList::edSearchKeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        pbSearch->click();
    edSearch->setFocus();
}

bool TfmList::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == focusWidget() || watched == this)
        FormKeyPress(key);
    if (watched == edSearch)
        edSearchKeyPress(key);
    if (key == Qt::Key_F1 && watched == focusWidget())
        velmora::platform::openHelpFile(velmora::platform::kHelpFileName, 20);
    return false; // keys are never consumed here
}

void TfmList::closeEvent(QCloseEvent *event) {
    if (Loading)
        event->ignore(); // FormCloseQuery: no close while a name load runs
    else
        QWidget::closeEvent(event);
}

void TfmList::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_anchors.relayout(size());
}

void TfmList::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

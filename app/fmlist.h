#pragma once
// TfmList: the main window. It owns the session (OCI) and the cursor (OCIcur), logs on while
// it is constructed (the session shows the login dialog), remembers the user name and the
// connect string, browses the schema's program units by type, status and name pattern, and
// hands the chosen unit to the source view.

#include "app/anchors.h"

#include <QByteArray>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class NameListBox;
class TOCIctrl;
class TOCIcur;
class TfmView;

class TfmList : public QWidget {
    Q_OBJECT

public:
    explicit TfmList(QWidget *parent = nullptr);
    ~TfmList() override;
    Q_DISABLE_COPY_MOVE(TfmList)

    // The source view the hand-over shows; created after this window.
    void setView(TfmView *view);
    // True when the client library could not be bound: the program is to end at once.
    bool quitRequested() const { return m_quitRequested; }
    bool isLoading() const { return Loading; }

    void OpenSession();
    void EnableControls(bool Enable);
    void LoadTypes(bool invalidOnly);
    void LoadNames(bool invalidOnly, const QByteArray &pattern);

    // Handlers.
    void cbInvClick();
    void pbReloadClick();
    void cmbTypeChange();
    void pbViewClick();
    void lbNameDblClick();
    void pbLoginClick();
    void pbEndClick();

    QPushButton *pbLogin;
    QPushButton *pbEnd;
    QPushButton *pbView;
    QCheckBox *cbInv;
    NameListBox *lbName;
    QComboBox *cmbType;
    TOCIctrl *OCI;
    TOCIcur *OCIcur;
    QPushButton *pbReload;
    QLineEdit *edSearch;
    QLabel *Label1;
    QPushButton *pbSearch;
    QLabel *Label2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void placeControls();
    void connectHandlers();
    QString runListQuery(const std::function<bool()> &take);
    void FormKeyPress(int key);
    void edSearchKeyPress(int key);
    void showError(const QString &text);
    // Runs an action that must not run under a name load once the load has ended.
    void afterLoad(std::function<void()> action);
    void runAfterLoadActions();

    AnchorKeeper m_anchors;
    TfmView *m_view = nullptr;
    bool CancelLoad = false;
    bool Loading = false;
    bool m_quitRequested = false;
    bool m_centred = false;
    std::vector<std::function<void()>> m_afterLoad;
};

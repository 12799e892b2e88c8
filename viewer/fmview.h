#pragma once
// TfmView: the source view window. Shows one stored unit's source lines with the compile
// errors beside them in a five-column grid, read through the main window's cursor and session
// (handed over at construction); lets the user refresh, copy cells, step from error to error
// (F8, Shift+F8), and choose a font and a background colour that are remembered through
// TFontSave.

#include "settings/fontsave.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QColor>
#include <QWidget>

#include <functional>

class QColorDialog;
class QFontDialog;
class QFrame;
class QLabel;
class QPushButton;
class SourceGrid;
class TOCIcur;
class TOCIctrl;

class TfmView : public QWidget {
    Q_OBJECT

public:
    TfmView(TOCIcur *cursor, TOCIctrl *session, QWidget *parent = nullptr);
    ~TfmView() override;
    Q_DISABLE_COPY_MOVE(TfmView)

    // The main window's name load lets events run while it holds the shared cursor. It tells
    // the view how to see that (cursorBusy) and how to ask the load to stop (endLoad).
    void setCursorGate(std::function<bool()> cursorBusy, std::function<void()> endLoad);

    // The source statement for a unit; quotes in the name and type are doubled.
    static QByteArray sourceStatement(const QByteArray &objName, const QByteArray &objType);

    void LoadSource();
    void FormShow();
    void pbRefClick();
    void pbCloseClick();
    void pbFontClick();
    void pbBGCClick();
    void pbStanderdClick();
    // The copy command; the key goes on to the grid afterwards whatever happens here.
    void sgSourceKeyDown(int key, Qt::KeyboardModifiers shift);

    QByteArray ObjName; // client code page
    QByteArray ObjType;

    TFontAttributes StdFont;
    TColor StdColor = 0;

    QFrame *Panel1;
    QLabel *edObjType;
    QLabel *edObjName;
    QPushButton *pbRef;
    QPushButton *pbClose;
    QPushButton *pbBGC;
    QPushButton *pbFont;
    QPushButton *pbStanderd;
    SourceGrid *sgSource;
    QFontDialog *FontDlg;
    QColorDialog *ColorDialog1;
    TFontSave *oFontSave;

    // The grid's font with all its attributes (the grid itself only knows what Qt knows).
    const TFontAttributes &gridFont() const { return m_gridFont; }
    TColor gridColor() const { return m_gridColor; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanel();
    void buildDialogs();
    QFont fontDialogPreset() const;
    void applyLook(const TFontAttributes &font, TColor background);
    void setGridFont(const TFontAttributes &font);
    void setGridColor(TColor background);
    void rememberLook();
    bool deferWhileCursorBusy();
    bool fillGrid();
    void tidyAndSizeColumns();
    void fitLineNumberColumn();
    void startAtLeftEdgeIfNew();
    void moveToFirstError();
    void moveToError(bool forward);
    void selectErrorRow(int row);
    void addErrorKeys();
    void showPlainMessage(const QByteArray &text);
    void openHelp();

    TOCIcur *m_cursor;
    TOCIctrl *m_session;
    std::function<bool()> m_cursorBusy;
    std::function<void()> m_endLoad;
    bool m_reloadPending = false;
    bool m_restoredSizeFitted = false;
    QByteArrayList m_shownObject; // type and name of the object last loaded
    TFontAttributes m_gridFont;
    TColor m_gridColor = 0;
    QColor m_lastChosenColor = Qt::black;
    class QComboBox *m_fontColor = nullptr;
};

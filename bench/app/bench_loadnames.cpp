// How long the main window takes to list 100,000 object names (one row at a time, with the
// window's events processed after each row), beside the same rows read with raw SQLite from
// the same database file in the same run.
//
//   bench_loadnames [names]      (default 100000)

#include "app/fmlist.h"
#include "app/namelist.h"
#include "ocilite/engine/database.h"
#include "platform/registry.h"
#include "session/toci.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kSchema[] = "BENCH";

bool createNames(const std::string &path, long count) {
    std::string error;
    auto db = ocilite::Database::open(path, true, error);
    if (!db || !db->addUser(kSchema, kSchema, error) || !db->begin(error))
        return std::fprintf(stderr, "%s\n", error.c_str()), false;
    char sql[128];
    for (long i = 0; i < count; ++i) {
        std::snprintf(sql, sizeof sql, "CREATE PROCEDURE P%07ld AS\nBEGIN\n  NULL;\nEND;", i);
        if (!db->execute(kSchema, sql, error))
            return std::fprintf(stderr, "%s\n", error.c_str()), false;
    }
    return db->commit(error) || (std::fprintf(stderr, "%s\n", error.c_str()), false);
}

// The rows the name query returns, read straight from the dictionary table.
double rawSeconds(const std::string &path, long *rows) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    QElapsedTimer timer;
    timer.start();
    sqlite3_prepare_v2(db,
                       "SELECT OBJECT_NAME FROM OCILITE_OBJECTS WHERE OWNER = 'BENCH' AND "
                       "OBJECT_TYPE = 'PROCEDURE'",
                       -1, &stmt, nullptr);
    *rows = 0;
    std::string last;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        last = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        ++*rows;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return seconds;
}

// Answers the login dialog with the bench schema's password.
void answerLogin() {
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QLineEdit *>("edPassword")->setText(kSchema);
        dialog->accept();
        timer->deleteLater();
    });
    timer->start(5);
}

} // namespace

int main(int argc, char *argv[]) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100000;
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", (work.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (work.path() + "/data").toLocal8Bit());
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");

    const std::string path = (work.path() + "/bench.db").toStdString();
    std::printf("creating %ld procedures...\n", count);
    if (!createNames(path, count))
        return 1;
    {
        auto key = velmora::platform::RegistryKey::openOrCreate(
            velmora::platform::currentUserRoot(), "Software\\KORVEN\\Tarnwick\\List-1");
        key->writeString("USER", kSchema);
        key->writeString("CONN", path);
    }

    answerLogin();
    TfmList window;
    if (!window.OCI->Connected()) {
        std::fprintf(stderr, "logon failed: %s\n", window.OCI->ErrMsg.constData());
        return 1;
    }
    window.cbInv->setChecked(false);
    window.LoadTypes(false); // lists the procedures once, warming the caches
    QElapsedTimer timer;
    timer.start();
    window.LoadNames(false, "");
    const double loadSeconds = timer.nsecsElapsed() / 1e9;

    long rawRows = 0;
    const double raw = rawSeconds(path, &rawRows);
    std::printf("LoadNames: %d names in %.3f s (%.0f names/s)\n", window.lbName->count(),
                loadSeconds, window.lbName->count() / loadSeconds);
    std::printf("raw SQLite: %ld names in %.3f s (%.0f names/s)\n", rawRows, raw, rawRows / raw);
    std::printf("LoadNames / raw: %.1fx; target: LoadNames under 1 s\n", loadSeconds / raw);
    return window.lbName->count() == rawRows ? 0 : 1;
}

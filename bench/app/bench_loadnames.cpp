// How long the main window takes to list 100,000 object names (one row at a time, with the
// window's events processed after each row), beside the same rows read with raw SQLite from
// the same database file in the same run.
//
//   bench_loadnames [names]      (default 100000)

#include "app/fmlist.h"
#include "app/namelist.h"
#include "bench_support.h"
#include "ocilite/engine/database.h"
#include "platform/program_names.h"
#include "platform/registry.h"
#include "session/toci.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kSchema[] = "BENCH";

bool createNames(const std::string &path, long count) {
    std::string error;
    auto db = ocilite::Database::open(path, true, error);
    if (!db || !db->addUser(kSchema, kSchema, error) || !db->begin(error))
        return bench::fail(error);
    char sql[128];
    for (long i = 0; i < count; ++i) {
        std::snprintf(sql, sizeof sql, "CREATE PROCEDURE P%07ld AS\nBEGIN\n  NULL;\nEND;", i);
        if (!db->execute(kSchema, sql, error))
            return bench::fail(error);
    }
    return db->commit(error) || bench::fail(error);
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
    bench::setProgramName("bench_loadnames");
    bench::BenchHome work;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");

    const std::string path = work.path("bench.db");
    std::printf("creating %ld procedures...\n", count);
    if (!createNames(path, count))
        return 1;
    {
        auto key = velmora::platform::RegistryKey::openOrCreate(
            velmora::platform::currentUserRoot(), velmora::platform::kSettingsKeyPath);
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
    const auto start = bench::Clock::now();
    window.LoadNames(false, "");
    const double loadSeconds = bench::secondsSince(start);

    // The rows the name query returns, read straight from the dictionary table.
    bench::Pass raw;
    if (!bench::rawPass(path,
                        "SELECT OBJECT_NAME FROM OCILITE_OBJECTS WHERE OWNER = 'BENCH' AND "
                        "OBJECT_TYPE = 'PROCEDURE'",
                        raw))
        return 1;
    bench::report("LoadNames", {window.lbName->count(), 0, loadSeconds});
    bench::report("raw SQLite", raw);
    std::printf("LoadNames / raw: %.1fx; target: LoadNames under 1 s\n", loadSeconds / raw.seconds);
    return window.lbName->count() == raw.rows ? 0 : 1;
}

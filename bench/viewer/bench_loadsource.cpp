// LoadSource of one package body of 100,000 lines with 1,000 compile errors, through the
// source view over the embedded client library, beside the same outer join read straight from
// SQLite in the same run (every value fetched as text), and the cursor's fetch loop alone.
// Target: LoadSource at most 1.5x raw. Then a second process does what the program does with
// the unit, nothing else (log on, show the view with the unit in it), and the benchmark prints
// that process's peak resident memory beside the size of the unit's text.
//
// Usage: bench_loadsource [lines] [errors] [runs]   (default 100000 1000 1). Runs in private
// XDG_DATA_HOME and XDG_CONFIG_HOME folders, on the offscreen platform unless told otherwise.

#include "bench_support.h"
#include "cursor/tocicur.h"
#include "ocilite/demo/schema_generator.h"
#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"
#include "session/toci.h"
#include "viewer/fmview.h"
#include "viewer/sourcegrid.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::fail;
using bench::Pass;
using bench::secondsSince;

const char *const kPrefix = "BENCH";
const char *const kUnit = "BENCH_PKG_000001"; // the generator's first unit is a package body

bool logOn(TOCIctrl &ctrl) {
    if (!ctrl.Active())
        return fail("client library: " + ctrl.ErrMsg.toStdString());
    ctrl.UserID = "SCOTT";
    ctrl.Password = "TIGER";
    ctrl.ConnStr = "";
    return ctrl.Connect() || fail("logon: " + ctrl.ErrMsg.toStdString());
}

// The first logon creates the default database; the unit is then written through the engine.
bool createUnit(long lines, long errors, std::string &path) {
    {
        QObject owner;
        auto *ctrl = new TOCIctrl(&owner);
        if (!logOn(*ctrl))
            return false;
        ctrl->DisConnect();
    }
    std::string error;
    path = ocilite::defaultDatabasePath();
    auto db = ocilite::Database::open(path, false, error);
    if (!db)
        return fail(error);
    ocilite::GeneratorOptions options;
    options.objects = 1;
    options.lines = lines;
    options.errors = errors;
    options.prefix = kPrefix;
    ocilite::GeneratorResult result;
    if (!ocilite::generateSchema(*db, "SCOTT", options, result, error))
        return fail(error);
    std::printf("unit %s: %ld lines, %ld errors\n", kUnit, result.lines, result.errors);
    return true;
}

bool rawPass(const std::string &path, Pass &pass) {
    return bench::rawPass(
        path,
        "select s.LINE, s.TEXT, e.SEQUENCE, e.POSITION, e.TEXT from OCILITE_SOURCE s "
        "left join OCILITE_ERRORS e on e.OWNER = s.OWNER and e.NAME = s.NAME and "
        "e.TYPE = s.TYPE and e.LINE = s.LINE "
        "where s.OWNER = 'SCOTT' and s.NAME = ?1 and s.TYPE = 'PACKAGE BODY' order by s.LINE",
        pass, {kUnit});
}

// Message boxes would stop the run: a failed load is reported instead.
void refuseModals(int *shown) {
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [shown] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++*shown;
            dialog->reject();
        }
    });
    timer->start(10);
}

// The cursor alone, as LoadSource drives it, without the grid: what the view adds is the rest.
bool cursorPass(TOCIcur &cur, Pass &pass) {
    cur.SQL = TfmView::sourceStatement(kUnit, "PACKAGE BODY");
    const auto start = Clock::now();
    if (!cur.Execute())
        return fail(cur.ErrMsg.toStdString());
    while (cur.Fetch()) {
        for (const QByteArray &value : cur.Row)
            pass.bytes += value.size();
    }
    pass.seconds = secondsSince(start);
    pass.rows = cur.FetchCount;
    return true;
}

bool viewPass(TfmView &view, Pass &pass) {
    const auto start = Clock::now();
    view.LoadSource();
    pass.seconds = secondsSince(start);
    pass.rows = view.sgSource->rowCount() - 1;
    for (int r = 0; r <= pass.rows; ++r)
        pass.bytes += view.sgSource->cell(1, r).size();
    return true;
}

// A figure of /proc/self/status ("VmHWM:" the peak resident set, "VmRSS:" the present one),
// in bytes; 0 where the system does not say.
long long residentBytes(const char *field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::atoll(line.c_str() + std::strlen(field)) * 1024;
    }
    return 0;
}

// Starts the peak over from the present resident set (Linux 4.0 and later).
void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The process showing the unit: logs on, shows the view, loads the unit into it, and prints
// the bytes of text the grid holds and its peak resident memory: over its whole life (the
// logon's password check takes 64 MB for a moment) and from after the logon on.
int showOnly(TOCIctrl &ctrl, TOCIcur &cur) {
    const long long peakAtLogon = residentBytes("VmHWM:");
    resetPeakResident();
    TfmView view(&cur, &ctrl);
    view.ObjName = kUnit;
    view.ObjType = "PACKAGE BODY";
    view.show(); // loads the unit
    QCoreApplication::processEvents();
    long long text = 0;
    for (int r = 1; r < view.sgSource->rowCount(); ++r) {
        for (int c = 0; c < view.sgSource->colCount(); ++c)
            text += view.sgSource->cell(c, r).size();
    }
    const long long peakShowing = residentBytes("VmHWM:");
    std::printf("%ld rows %lld text %lld peak %lld showing\n",
                static_cast<long>(view.sgSource->rowCount() - 1), text,
                std::max(peakAtLogon, peakShowing), peakShowing);
    return 0;
}

double megabytes(long long bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// Runs this program again in show-only mode over the same database.
bool reportShowingProcess(const char *self) {
    QProcess child;
    child.start(QString::fromLocal8Bit(self), {QStringLiteral("--show-only")});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return fail("the show-only process failed");
    long rows = 0;
    long long text = 0, peak = 0, showing = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(),
                    "%ld rows %lld text %lld peak %lld showing", &rows, &text, &peak,
                    &showing) != 4)
        return fail("the show-only process said nothing");
    std::printf("process showing the unit (%ld rows): peak resident memory %.1f MB over its "
                "life, %.1f MB from the logon on; the grid's text %.1f MB (%lld bytes)\n",
                rows, megabytes(peak), megabytes(showing), megabytes(text), text);
    return true;
}

} // namespace

int main(int argc, char **argv) {
    const bool showOnlyMode = argc > 1 && std::string(argv[1]) == "--show-only";
    if (showOnlyMode) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QCoreApplication::setApplicationName("Velmora");
        QObject owner;
        auto *ctrl = new TOCIctrl(&owner);
        auto *cur = new TOCIcur(&owner);
        if (!logOn(*ctrl))
            return 1;
        cur->SetParent(ctrl);
        return showOnly(*ctrl, *cur);
    }
    const long lines = argc > 1 ? std::atol(argv[1]) : 100000;
    const long errors = argc > 2 ? std::atol(argv[2]) : 1000;
    const int runs = std::max(1, argc > 3 ? std::atoi(argv[3]) : 1);

    bench::setProgramName("bench_loadsource");
    bench::BenchHome home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");

    std::string path;
    if (!createUnit(lines, errors, path))
        return 1;

    QObject owner;
    auto *ctrl = new TOCIctrl(&owner);
    auto *cur = new TOCIcur(&owner);
    if (!logOn(*ctrl))
        return 1;
    cur->SetParent(ctrl);
    TfmView view(cur, ctrl);
    view.ObjName = kUnit;
    view.ObjType = "PACKAGE BODY";
    int modals = 0;
    refuseModals(&modals);

    std::vector<Pass> raw, fetches, loads;
    for (int i = 0; i < runs; ++i) {
        Pass r, c, v;
        if (!rawPass(path, r) || !cursorPass(*cur, c) || !viewPass(view, v))
            return 1;
        bench::report("raw SQLite join", r);
        bench::report("TOCIcur fetch only", c);
        bench::report("TfmView::LoadSource", v);
        raw.push_back(r);
        fetches.push_back(c);
        loads.push_back(v);
    }
    if (modals > 0 || loads.back().rows != raw.back().rows)
        return fail("LoadSource did not show every row"), 1;
    std::printf("best of %d: raw %.3f s, fetch only %.3f s, LoadSource %.3f s; "
                "LoadSource / raw: %.2fx (target: at most 1.5x)\n",
                runs, bench::bestSeconds(raw), bench::bestSeconds(fetches),
                bench::bestSeconds(loads), bench::bestSeconds(loads) / bench::bestSeconds(raw));
    return reportShowingProcess(argv[0]) ? 0 : 1;
}

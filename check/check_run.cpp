#include "check/check_run.h"

#include "check/check_options.h"
#include "check/password_source.h"
#include "check/unit_query.h"
#include "cursor/tocicur.h"
#include "report/formats.h"
#include "report/message_text.h"
#include "report/run_facts.h"
#include "session/toci.h"
#include "velmora_version.h"

#include <QObject>

#include <chrono>
#include <ostream>

namespace velmora::check {

namespace {

constexpr const char *kProgram = "velmora-check";

int usageError(const std::string &message, std::ostream &err) {
    err << kProgram << ": " << message << '\n'
        << usageLine() << "\nTry '" << kProgram << " --help' for more information.\n";
    return kFailed;
}

// The session's or cursor's text (Oracle's, or a component's own) without the line feed
// err_report puts before Oracle's message.
int failure(const std::string &what, const std::string &text, std::ostream &err) {
    err << kProgram << ": " << what << ":\n" << report::trimmed(text) << '\n';
    return kFailed;
}

report::RunInfo runInfo(const Options &options, double seconds) {
    return {kProgram,
            velmora::kVersion,
            options.user,
            report::utcTimestampNow(),
            report::localHostName(),
            seconds};
}

int checkSchema(const Options &options, const std::string &password, std::ostream &out,
                std::ostream &err) {
    const auto start = std::chrono::steady_clock::now();
    QObject owner;
    auto *session = new TOCIctrl(&owner);
    auto *cursor = new TOCIcur(&owner);
    cursor->SetParent(session);
    session->UserID = QByteArray::fromStdString(options.user);
    session->Password = QByteArray::fromStdString(password);
    session->ConnStr = QByteArray::fromStdString(options.connect);
    if (!session->Connect())
        return failure("cannot log on as " + options.user, session->ErrMsg.toStdString(), err);
    report::Listing listing;
    std::string error;
    if (!collectUnits(*cursor, {options.types, options.namePattern}, listing.units, error))
        return failure("cannot read the schema's units", error, err);
    session->DisConnect();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    listing.run = runInfo(options, took.count());
    report::writeListing(listing, options.format, out);
    out.flush();
    return listing.invalidCount() > 0 ? kSomeInvalid : kNoneInvalid;
}

} // namespace

int runCheck(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    Options options;
    std::string error;
    if (!parseOptions(args, options, error))
        return usageError(error, err);
    if (options.help) {
        out << helpText();
        return kNoneInvalid;
    }
    if (options.version) {
        out << kProgram << ' ' << velmora::kVersion << '\n';
        return kNoneInvalid;
    }
    std::string password;
    if (!readPassword(password, error))
        return usageError(error, err);
    return checkSchema(options, password, out, err);
}

} // namespace velmora::check

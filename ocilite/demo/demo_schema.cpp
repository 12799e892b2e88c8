#include "ocilite/demo/demo_schema.h"

#include "ocilite/demo/embedded_scripts.h"
#include "ocilite/engine/database.h"

#include <sstream>

namespace ocilite {

bool installDemoSchema(Database &db, std::string &error) {
    // One transaction when we own it: the first logon waits on a single commit, and a
    // failure leaves no half-built schema behind.
    std::unique_ptr<ScopedTransaction> transaction;
    if (!db.inTransaction()) {
        transaction = std::make_unique<ScopedTransaction>(db);
        if (!transaction->ok()) {
            error = transaction->error();
            return false;
        }
    }
    if (!db.addUser("SCOTT", "TIGER", error))
        return false;
    EmbeddedScriptSource source;
    std::ostringstream out;
    std::ostringstream err;
    ScriptRunner runner(db, "SCOTT", source, out, err);
    if (!runner.runFile("demo.sql")) {
        error = "demo schema could not be created:\n" + err.str();
        return false;
    }
    if (transaction && !transaction->commit()) {
        error = transaction->error();
        return false;
    }
    return true;
}

} // namespace ocilite

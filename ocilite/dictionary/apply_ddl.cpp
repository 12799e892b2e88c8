// Carries out a DDL statement of the families in ddl::Statement: each kind goes to its
// family's function. Users are the database's own business (engine/database.cpp).
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_extras.h"
#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

struct Apply {
    Catalog &catalog;
    const DdlContext &ctx;

    void operator()(const ddl::CreateTable &s) { createTable(catalog, ctx, s); }
    void operator()(const ddl::AlterTable &s) { alterTable(catalog, ctx, s); }
    void operator()(const ddl::CreateIndex &s) { createIndex(catalog, ctx, s); }
    void operator()(const ddl::CreateSequence &s) { createSequence(catalog, ctx, s); }
    void operator()(const ddl::AlterSequence &s) { alterSequence(catalog, ctx, s); }
    void operator()(const ddl::CreateSynonym &s) { createSynonym(catalog, ctx, s); }
    void operator()(const ddl::CreateView &s) { createView(catalog, ctx, s); }
    void operator()(const ddl::Grant &s) { grantOrRevoke(catalog, ctx, s); }
    void operator()(const ddl::Comment &s) { commentOn(catalog, ctx, s); }
    void operator()(const ddl::Truncate &s) { truncateTable(catalog, ctx, s); }
    void operator()(const ddl::Rename &s) { renameObject(catalog, ctx, s); }
    void operator()(const ddl::CreateContext &s) { createContext(catalog, ctx, s); }
    void operator()(const ddl::UserStatement &) { throw OraError(kOraInternal, "users"); }
    void operator()(const ddl::CompileView &s) { compileView(catalog, ctx, s.name); }
    // Nothing is kept, but the object must be there: ORA-01418 for an index, ORA-00942 for
    // a view, ORA-04043 for a unit.
    void operator()(const ddl::Accepted &a) {
        if (!a.object || objectExists(catalog.db(), a.object->owner, a.object->name, a.what))
            return;
        if (a.what == "INDEX")
            throw OraError(kOraIndexNotFound);
        if (a.what == "VIEW")
            throw OraError(kOraTableNotFound);
        throw OraError(kOraObjectNotFound, a.object->name);
    }
    void operator()(const ddl::TriggerState &s) { setTriggerStatus(catalog.db(), ctx.user, s); }
    void operator()(const ddl::DropObject &d) {
        if (d.type == "SEQUENCE")
            dropSequence(catalog, ctx, d.name);
        else if (d.type == "SYNONYM")
            dropSynonym(catalog, ctx, d);
        else if (d.type == "VIEW")
            dropView(catalog, ctx, d.name);
        else if (d.type == "INDEX")
            dropIndex(catalog, ctx, d.name);
        else
            dropContext(catalog, d);
    }
};

} // namespace

void Catalog::apply(const DdlContext &c, const ddl::Statement &statement) {
    std::visit(Apply{*this, c}, statement);
}

} // namespace ocilite

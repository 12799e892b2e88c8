// The calls a block may make: DBMS_OUTPUT's PUT_LINE, PUT, NEW_LINE, ENABLE and DISABLE, and
// RAISE_APPLICATION_ERROR. Every other call (stored units, supplied packages) is refused.
#include "ocilite/plsql_run/interpreter.h"

#include "ocilite/plsql_run/output_buffer.h"

#include <cmath>
#include <cstdio>

namespace ocilite::plsql_run {
namespace {

// The argument list of a call name (its Args part), or null.
const Node *argumentsOf(const Node *name) {
    for (const Node *p = name->child; p; p = p->next)
        if (p->kind == NK::Args)
            return p;
    return nullptr;
}

} // namespace

void Interpreter::call(const Node *s) {
    const Node *name = s->child;
    if (tableCall(name))
        return;
    std::vector<std::string> parts;
    for (const Node *p = name->kind == NK::Name ? name->child : nullptr; p; p = p->next)
        if (p->kind == NK::Part)
            parts.push_back(word(p->first));
    if (parts.size() == 3 && parts[0] == "SYS")
        parts.erase(parts.begin()); // SYS.DBMS_OUTPUT.PUT_LINE
    const Node *args = argumentsOf(name);
    if (parts.size() == 2 && parts[0] == "DBMS_OUTPUT")
        return output(parts[1], args);
    if (parts.size() == 1 && parts[0] == "RAISE_APPLICATION_ERROR")
        raiseApplicationError(args);
    unsupported("calls of " + std::string(text(name->first)) +
                (parts.size() > 1 ? "." + parts[1] : std::string()));
}

void Interpreter::output(const std::string &procedure, const Node *args) {
    const Node *arg = args ? args->child : nullptr;
    if (arg && arg->kind == NK::NamedArg)
        arg = arg->child;
    if (procedure == "PUT_LINE" || procedure == "PUT") {
        if (!arg)
            unsupported("DBMS_OUTPUT." + procedure + " without an argument");
        m_output.put(asText(eval(arg), m_conversions));
        if (procedure == "PUT_LINE")
            m_output.endLine();
    } else if (procedure == "NEW_LINE") {
        m_output.endLine();
    } else if (procedure == "ENABLE") {
        m_output.enabled = true;
    } else if (procedure == "DISABLE") {
        m_output = OutputBuffer{};
    } else {
        unsupported("DBMS_OUTPUT." + procedure);
    }
}

// RAISE_APPLICATION_ERROR(-20000 .. -20999, message [, keep]): ORA-2nnnn with the message.
void Interpreter::raiseApplicationError(const Node *args) {
    const Node *number = args ? args->child : nullptr;
    if (!number || !number->next)
        unsupported("RAISE_APPLICATION_ERROR without its arguments");
    const Value n = asNumber(eval(number->kind == NK::NamedArg ? number->child : number));
    const Node *message = number->next->kind == NK::NamedArg ? number->next->child : number->next;
    const std::string text = asText(eval(message), m_conversions);
    const long long code = n.isNull() ? 0 : -std::llround(n.number());
    if (code < 20000 || code > 20999)
        fail(kOraRaiseOutOfRange, n.isNull() ? "" : asText(n, m_conversions));
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "ORA-%05lld: ", code);
    throw Raised{static_cast<int>(code), prefix + text, nullptr, m_line};
}

} // namespace ocilite::plsql_run

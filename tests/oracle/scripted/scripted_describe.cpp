// The scripted client's describe of stored objects (OCIDescribeAny) as the OCI Programmer's
// Guide lays it out: the describe handle's OCI_ATTR_PARAM is the object; a procedure or
// function has an argument list (a function's return value at position 0, the arguments from
// 1), a package a list of subprograms (from position 0), each with its own argument list; an
// argument of a record type has its fields as an argument list one level down. Parameters
// belong to the describe handle and go with it.
#include "scripted_internal.h"

#include <cctype>
#include <cstring>

namespace scriptedoci::detail {
namespace {

// A name as SQL reads it: quoted parts kept, others in capitals.
std::vector<std::string> nameParts(const std::string &text) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"')
            quoted = !quoted;
        else if (ch == '.' && !quoted)
            parts.emplace_back();
        else
            parts.back() +=
                quoted ? ch : static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return parts;
}

const StoredObject *findObject(const State &s, const std::string &text, const std::string &user,
                               bool lookUpPublic) {
    const std::vector<std::string> parts = nameParts(text);
    if (parts.size() > 2)
        return nullptr;
    const std::string schema = parts.size() == 2 ? parts[0] : user;
    for (const StoredObject &o : s.objects)
        if (o.schema == schema && o.name == parts.back())
            return &o;
    if (parts.size() == 1 && lookUpPublic)
        for (const StoredObject &o : s.objects)
            if (o.schema == "PUBLIC" && o.name == parts.back())
                return &o;
    return nullptr;
}

void dropChildren(State &s, Handle *parent) {
    for (Handle *h : std::set<Handle *>(s.handles))
        if (s.handles.count(h) && h->env == parent) {
            dropChildren(s, h);
            s.handles.erase(h);
            delete h;
        }
}

Handle *child(Handle *parent, Handle::Node node) {
    auto *h = new Handle;
    h->type = oci::kDtypeParam;
    h->env = parent; // freed with the describe handle
    h->node = node;
    state().handles.insert(h);
    return h;
}

Handle *argumentList(Handle *parent, const std::vector<Argument> &arguments, bool function,
                     ub2 level) {
    Handle *list = child(parent, Handle::Node::Arguments);
    list->arguments = arguments;
    list->functionArguments = function;
    list->argumentLevel = level;
    return list;
}

template <typename T> sword put(void *value, ub4 *size, T v) {
    std::memcpy(value, &v, sizeof v);
    if (size)
        *size = sizeof v;
    return oci::kSuccess;
}

sword putText(void *value, ub4 *size, const std::string &text) {
    *static_cast<const OraText **>(value) = reinterpret_cast<const OraText *>(text.data());
    if (size)
        *size = static_cast<ub4>(text.size());
    return oci::kSuccess;
}

sword objectAttr(Handle *h, void *value, ub4 *size, ub4 attr) {
    const StoredObject &o = h->object;
    const bool function = !o.package && !o.subprograms.empty() && o.subprograms[0].function;
    if (!o.synonymFor.empty()) { // a synonym's name and schema are those it translates to
        const std::vector<std::string> target = nameParts(o.synonymFor);
        if (attr == oci::kAttrPtype)
            return put<ub1>(value, size, oci::kPtypeSynonym);
        if (attr == oci::kAttrSchemaName)
            return putText(value, size, h->texts.emplace_back(target.front()));
        if (attr == oci::kAttrName)
            return putText(value, size, h->texts.emplace_back(target.back()));
        if (attr == oci::kAttrLink)
            return putText(value, size, h->texts.emplace_back());
        return oci::kError;
    }
    switch (attr) {
    case oci::kAttrPtype:
        return put<ub1>(value, size,
                        o.package ? oci::kPtypePackage
                                  : (function ? oci::kPtypeFunction : oci::kPtypeProcedure));
    case oci::kAttrName:
        return putText(value, size, o.name);
    case oci::kAttrListArguments:
        if (o.package || o.subprograms.empty())
            return oci::kError;
        return put<void *>(value, size, argumentList(h, o.subprograms[0].arguments, function, 0));
    case oci::kAttrListSubprograms: {
        if (!o.package)
            return oci::kError;
        Handle *list = child(h, Handle::Node::Subprograms);
        list->subprograms = o.subprograms;
        return put<void *>(value, size, list);
    }
    default:
        return oci::kError;
    }
}

sword subprogramAttr(Handle *h, void *value, ub4 *size, ub4 attr) {
    const Subprogram &p = h->subprogram;
    switch (attr) {
    case oci::kAttrPtype:
        return put<ub1>(value, size, p.function ? oci::kPtypeFunction : oci::kPtypeProcedure);
    case oci::kAttrName:
        return putText(value, size, p.name);
    case oci::kAttrOverloadId:
        return put<ub2>(value, size, static_cast<ub2>(p.overload));
    case oci::kAttrListArguments:
        return put<void *>(value, size, argumentList(h, p.arguments, p.function, 0));
    default:
        return oci::kError;
    }
}

sword argumentAttr(Handle *h, void *value, ub4 *size, ub4 attr) {
    const Argument &a = h->argument;
    switch (attr) {
    case oci::kAttrName:
        return putText(value, size, a.name);
    case oci::kAttrPosition:
        return put<ub2>(value, size, h->argumentPosition);
    case oci::kAttrLevel:
        return put<ub2>(value, size, h->argumentLevel);
    case oci::kAttrDataType:
        return put<ub2>(value, size, static_cast<ub2>(a.type));
    case oci::kAttrDataSize:
        return put<ub2>(value, size, static_cast<ub2>(a.size));
    case oci::kAttrPrecision: // ub1 in an explicit describe
        return put<ub1>(value, size, static_cast<ub1>(a.precision));
    case oci::kAttrScale:
        return put<sb1>(value, size, static_cast<sb1>(a.scale));
    case oci::kAttrRadix:
        return put<ub1>(value, size, static_cast<ub1>(a.radix));
    case oci::kAttrHasDefault:
        return put<ub1>(value, size, a.hasDefault ? 1 : 0);
    case oci::kAttrIoMode:
        return put<ub4>(value, size, static_cast<ub4>(a.mode));
    case oci::kAttrListArguments: // a scalar has no list
        return put<void *>(value, size,
                           a.fields.empty() ? nullptr
                                            : argumentList(h, a.fields, false,
                                                           static_cast<ub2>(h->argumentLevel + 1)));
    default:
        return oci::kError;
    }
}

} // namespace

sword describeAny(oci::OCISvcCtx *svcp, oci::OCIError *errp, void *object, ub4 length,
                  ub1 pointerType, oci::OCIDescribe *describe) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Handle *svc = checked(svcp, oci::kHtypeSvcCtx);
    Handle *err = checked(errp, oci::kHtypeError);
    Handle *dsc = checked(describe, oci::kHtypeDescribe);
    if (!svc || !err || !dsc || !object || !svc->session || !svc->session->begun)
        return oci::kInvalidHandle;
    const std::string name(static_cast<const char *>(object), length);
    if (const Failure *f = record(s, Call{"OCIDescribeAny", name}))
        return raise(err, *f);
    if (pointerType != oci::kOtypeName)
        return raise(err, {22303, "ORA-22303: type \"\".\"\" not found\n", 0});
    std::string user;
    for (char ch : svc->session->user)
        user += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const StoredObject *found = findObject(s, name, user, dsc->descPublic);
    if (!found)
        return raise(err, {4043, "ORA-04043: object " + name + " does not exist\n", 0});
    dropChildren(s, dsc); // a new describe replaces the parameters of the last
    dsc->node = Handle::Node::Object;
    dsc->object = *found;
    return oci::kSuccess;
}

sword describedAttr(Handle *h, void *value, ub4 *size, ub4 attr, Handle *err) {
    sword status = oci::kError;
    if (h->type == oci::kHtypeDescribe && attr == oci::kAttrParam &&
        h->node == Handle::Node::Object) {
        Handle *top = child(h, Handle::Node::Object);
        top->object = h->object;
        status = put<void *>(value, size, top);
    } else if (h->node == Handle::Node::Object) {
        status = objectAttr(h, value, size, attr);
    } else if (h->node == Handle::Node::Subprogram) {
        status = subprogramAttr(h, value, size, attr);
    } else if (h->node == Handle::Node::Argument) {
        status = argumentAttr(h, value, size, attr);
    } else if (attr == oci::kAttrNumParams && h->node == Handle::Node::Subprograms) {
        status = put<ub2>(value, size, static_cast<ub2>(h->subprograms.size()));
    } else if (attr == oci::kAttrNumParams && h->node == Handle::Node::Arguments) {
        status = put<ub2>(value, size, static_cast<ub2>(h->arguments.size()));
    }
    if (status != oci::kSuccess)
        return raise(err, {24315, "ORA-24315: illegal attribute type\n", 0});
    return status;
}

sword describedParam(Handle *list, Handle *err, void **param, ub4 pos) {
    if (list->node == Handle::Node::Subprograms && pos < list->subprograms.size()) {
        Handle *p = child(list, Handle::Node::Subprogram);
        p->subprogram = list->subprograms[pos];
        *param = p;
        return oci::kSuccess;
    }
    // A function's list starts at 0 (its return value), a procedure's and a record's at 1.
    const ub4 first = list->functionArguments ? 0 : 1;
    if (list->node == Handle::Node::Arguments && pos >= first &&
        pos - first < list->arguments.size()) {
        Handle *p = child(list, Handle::Node::Argument);
        p->argument = list->arguments[pos - first];
        p->argumentPosition = static_cast<ub2>(pos);
        p->argumentLevel = list->argumentLevel;
        *param = p;
        return oci::kSuccess;
    }
    return raise(err, {24334, "ORA-24334: no descriptor for this position\n", 0});
}

} // namespace scriptedoci::detail

// The syntax tree of one compilation unit. Every node names its kind, its first token
// (which gives Oracle's line and column) and the token just past its end; children hang off
// `child` as a singly linked list through `next`. Nodes live in the parser's arena.
#pragma once

#include <cstdint>

namespace ocilite::plsql {

enum class NK : uint8_t {
    // units
    PackageSpec,
    PackageBody,
    Procedure,
    Function,
    TypeSpec,
    TypeBody,
    Trigger,
    AnonBlock,
    // declarations
    Variable,      // name [CONSTANT] type [NOT NULL] [:= expr]
    Exception,     // name EXCEPTION
    Subtype,       // SUBTYPE name IS type
    RecordType,    // TYPE name IS RECORD (Field, ...)
    Field,         // field name + type + default
    CollType,      // TYPE name IS TABLE OF / VARRAY (n) OF type [INDEX BY type]
    RefCursorType, // TYPE name IS REF CURSOR [RETURN type]
    ObjectType,    // TYPE name IS OBJECT / UNDER ... (inside a type spec)
    Cursor,        // CURSOR name [(params)] [RETURN type] [IS select]
    SubprogDecl,   // PROCEDURE/FUNCTION heading;
    SubprogBody,   // PROCEDURE/FUNCTION heading IS decls BEGIN ... END
    Param,         // name [IN|OUT|IN OUT] [NOCOPY] type [:= expr]
    Pragma,        // PRAGMA name [(args)]
    TypeRef,       // a datatype: a name (Name child) + %TYPE/%ROWTYPE/constraint
    Attribute,     // an object type's attribute
    // statements
    Block,
    Assign,
    CallStmt,
    If,
    ElsifPart,
    ElsePart,
    Case,
    WhenPart,
    Loop,
    While,
    ForNum,
    ForCursor,
    Forall,
    Exit,
    Continue,
    Goto,
    Label,
    Null,
    Raise,
    Return,
    Open,
    OpenFor,
    Fetch,
    Close,
    ExecImmediate,
    PipeRow,
    SqlStmt,
    Handler,
    StmtList,
    DeclList,
    // expressions
    Name,     // a dotted chain; children: Part (identifier), Args (call), Attr (%X)
    Part,     // one identifier of a Name (tok = the identifier)
    Args,     // ( arg, ... ); children: expressions or NamedArg
    NamedArg, // name => expr
    Attr,     // %FOUND, %ROWCOUNT, %TYPE ... (tok = the attribute word)
    Literal,
    BindVar,
    Unary,
    Binary,
    CaseExpr,
    Paren,
    Subquery,
    ExprList,
    Star,
    // SQL
    Select,
    QueryBlock,
    SelectItem,
    TableRef,
    Join,
    Into,
    Where,
    Other,
    SetClause,
    Values,
    Returning,
    WithClause,
    OrderBy,
    MergeInto,
};

struct Node {
    NK kind;
    uint8_t flags = 0;  // kind-specific (see the parser)
    uint16_t op = 0;    // kind-specific: an operator's keyword or first character
    uint32_t first = 0; // index of the first token
    uint32_t end = 0;   // index just past the last token
    uint32_t tok = 0;   // the token that names the node (a declaration's name), else first
    Node *child = nullptr;
    Node *next = nullptr;
};

// Binary and Unary nodes' op: an operator's character, or kKeywordOp | the keyword's id
// (AND, OR, NOT, IS, IN, BETWEEN, LIKE, MEMBER, MOD, MULTISET, EXISTS).
constexpr uint16_t kKeywordOp = 0x8000;

// Node flags.
constexpr uint8_t kFlagConstant = 1; // Variable: CONSTANT
constexpr uint8_t kFlagNotNull = 2;  // Variable/Field: NOT NULL
constexpr uint8_t kFlagHasInit = 4;  // Variable/Param: has a default
constexpr uint8_t kFlagFunction = 8; // SubprogDecl/SubprogBody/Cursor: is a function
constexpr uint8_t kFlagOut = 16;     // Param: OUT or IN OUT
constexpr uint8_t kFlagIn = 32;      // Param: IN (explicit or default)
constexpr uint8_t kFlagForward = 64; // SubprogDecl in a body: a forward declaration

} // namespace ocilite::plsql

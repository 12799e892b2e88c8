#pragma once
// The fixed messages of the session and cursor components, written once. Components hold every
// text in the client's code page (as the client library sees texts), so each message is handed
// out through the one client-text conversion, never as the UTF-8 this file is written in.

#include <QByteArray>

namespace velmora::session {

enum class ComponentText {
    DllUnusable,         // the library cannot be loaded or bound when a logon needs it
    LoadFailed,          // neither library file can be loaded
    CannotDisconnect,    // the logoff failed
    CannotEndSession,    // deactivation while the logoff fails
    AutoCommitOn,        // switching auto-commit on failed
    AutoCommitOff,       // switching auto-commit off failed
    NotConnected,        // no logon is open
    ColumnCountMismatch, // column type lookup: lists of different lengths
    NoCursor,            // column type lookup: no cursor area given
    NotBound,            // a cursor without a session
    Unfetchable,         // a query selects a column that cannot be fetched as text
    NoInsertTable,       // insert without a table
    NoInsertColumns,     // insert without columns
    NoSuchColumn,        // insert names a column the table does not have
};

// The message in the client's code page.
QByteArray componentText(ComponentText which);
// "エントリ<name>のロードに失敗しました。": the library lacks the entry point.
QByteArray missingEntryText(const char *entryName);

} // namespace velmora::session

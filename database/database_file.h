#pragma once
// The one database file open during a run. Every part of the program that
// reads or writes stored data goes through CurrentDatabase(); none opens a
// database of its own.

#include "platform/sql.h"

#include <QString>

namespace database {

// Full path of the database file. Start-up sets it from the per-user setting
// "CurrentDatabase"; the job management dialog replaces it when the engineer
// picks another file. Opening and compaction only read it.
extern QString CurrentDatabasePath;

// The open database, or null before the first open, after a failed open and
// after a compaction.
platform::SqlConnection *CurrentDatabase();

// "orlen.mdb" in the program's folder when that folder is writable,
// otherwise in the per-user data folder (created when missing).
QString DefaultDatabasePath();

// Opens the file at CurrentDatabasePath, creating it when it does not exist,
// brings it to the current schema and loads the default values, all in one
// transaction. On any failure the engineer sees "Error during open : " with
// the SQLite result code and text, no database is open afterwards, and the
// file is as it was (a file created by this attempt is removed again).
// Returns whether a database is open.
bool OpenCurrentDatabase();

// Compacts the open database in place and closes it: afterwards no database
// is open, whatever the outcome. The original file is never removed first: a
// failure leaves it intact and is returned to the caller, and no scratch file
// remains. Requires an open database (fails with SqliteMisuse otherwise).
platform::SqlStatus CompactCurrentDatabase();

// Closes the current database without compacting it (program end, tests).
void CloseCurrentDatabase();

// The text of the open failure message: "Error during open : " + code +
// two carriage returns + the engine's message text.
QString OpenErrorMessage(const platform::SqlStatus &status);

} // namespace database

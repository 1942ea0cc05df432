#pragma once
// The database side of building the reference lists at start-up.

namespace database {

// Opens the current database (OpenCurrentDatabase, which reports its own
// failure) and leaves the reference lists complete either way: they are
// constant data of the engine and do not depend on any database.
void InitReferenceLists();

} // namespace database

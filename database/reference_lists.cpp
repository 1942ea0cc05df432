#include "database/reference_lists.h"

#include "database/database_file.h"

namespace database {

void InitReferenceLists()
{
    // The outcome is not examined: start-up goes on without a database and
    // the main window leads the engineer to the file choice.
    OpenCurrentDatabase();
}

} // namespace database

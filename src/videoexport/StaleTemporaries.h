#pragma once

#include <QString>

// Hidden temporary files that a program killed mid-write left in a folder
// the user saves to: an export's partial video, a still's frame. Any of
// ours older than a day belongs to no write that still runs (a minute's
// export takes seconds), so it goes before the next write in that folder.
namespace StaleTemporaries {

// `pattern`: a file-name glob of our own hidden names, ".vantrel-export-*".
void remove(const QString &folder, const QString &pattern);

} // namespace StaleTemporaries

#pragma once

#include <string>

namespace ormel {

// The path for a new snapshot file holding image `index` of the entry `entryName`:
// tempDir + "~" + name + index + ".orm". The name part is made safe for one path component
// ('/' and NUL become '_', at most 64 bytes) and, when that file exists already, a random
// "_xxxxxxxx" is added before ".orm": names ending in digits ("Orm Icon1" image 10, "Orm Icon11"
// image 0), names that repeat or that share their first 64 bytes, and renamed entries would
// otherwise share one file. Write the file before asking for the next name.
std::string NewSnapshotFileName(const std::string& tempDir, const std::string& entryName, int index);

} // namespace ormel

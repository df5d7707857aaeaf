#include <io.h>

#include <cstdio>

#include "data/RecordFile.h"
#include "platform/FileSync.h"

namespace platform {

void InstallFileSync() {
    SetFileSyncHandler([](std::FILE* f) { return _commit(_fileno(f)) == 0; });
}

}  // namespace platform

#include <unistd.h>

#include <cstdio>

#include "data/RecordFile.h"
#include "platform/FileSync.h"

namespace platform {

void InstallFileSync() {
    SetFileSyncHandler([](std::FILE* f) { return fsync(fileno(f)) == 0; });
}

}  // namespace platform

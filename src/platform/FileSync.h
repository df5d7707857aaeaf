#pragma once

namespace platform {
// Makes every record save reach the disk before it replaces the old file.
void InstallFileSync();
}  // namespace platform

// The first window's screens decoded on the other core while the program starts: the window
// then finds them ready instead of decoding them itself.
#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class SkinPrefetch {
public:
    // Decodes the Normal screen of each layout file, then the further pictures, in order, on a
    // thread of its own. The first picture that Qt's readers decode also loads their plug-ins,
    // which then happens there too.
    SkinPrefetch(const std::filesystem::path& skinFolder, const std::vector<std::string>& layouts,
                 const std::vector<std::filesystem::path>& pictures = {});
    // Waits for the thread; pictures nobody took are dropped.
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch&) = delete;
    SkinPrefetch& operator=(const SkinPrefetch&) = delete;

private:
    std::thread thread_;
};

// The picture of that file if a prefetch decoded it (waiting while it is still on its way);
// nothing for a file no prefetch holds. Each picture is handed out once.
std::optional<QImage> TakePrefetchedSkinImage(const std::filesystem::path& path);

#include "skin/SkinPrefetch.h"

#include <condition_variable>
#include <map>
#include <mutex>

#include "skin/SkinImage.h"
#include "skin/SkinIni.h"
#include "skin/SkinWindow.h"

namespace {

struct Shelf {
    std::mutex mutex;
    std::condition_variable ready;
    // Announced before the thread starts, so a window never misses one still on its way.
    std::map<std::filesystem::path, std::optional<QImage>> pictures;
};

Shelf& TheShelf() {
    static Shelf shelf;
    return shelf;
}

}  // namespace

SkinPrefetch::SkinPrefetch(const std::filesystem::path& skinFolder,
                           const std::vector<std::string>& layouts,
                           const std::vector<std::filesystem::path>& pictures) {
    std::vector<std::filesystem::path> files;
    for (const std::string& layout : layouts) {
        SkinIni ini;
        ini.Load(skinFolder / layout);
        if (std::optional<std::filesystem::path> normal = SkinScreenPath(skinFolder, ini, u"Normal")) {
            files.push_back(*normal);
        }
    }
    files.insert(files.end(), pictures.begin(), pictures.end());
    Shelf& shelf = TheShelf();
    {
        std::lock_guard lock(shelf.mutex);
        for (const auto& f : files) {
            shelf.pictures.emplace(f, std::nullopt);
        }
    }
    thread_ = std::thread([files] {
        Shelf& shelf = TheShelf();
        for (const auto& f : files) {
            QImage image;
            LoadSkinImageFromDisk(f, image);
            std::lock_guard lock(shelf.mutex);
            if (auto it = shelf.pictures.find(f); it != shelf.pictures.end()) {
                it->second = std::move(image);
            }
            shelf.ready.notify_all();
        }
    });
}

SkinPrefetch::~SkinPrefetch() {
    if (thread_.joinable()) {
        thread_.join();
    }
    Shelf& shelf = TheShelf();
    std::lock_guard lock(shelf.mutex);
    shelf.pictures.clear();
}

std::optional<QImage> TakePrefetchedSkinImage(const std::filesystem::path& path) {
    Shelf& shelf = TheShelf();
    std::unique_lock lock(shelf.mutex);
    auto it = shelf.pictures.find(path);
    if (it == shelf.pictures.end()) {
        return std::nullopt;
    }
    shelf.ready.wait(lock, [&] { return it->second.has_value(); });
    std::optional<QImage> image = std::move(it->second);
    shelf.pictures.erase(it);
    return image;
}

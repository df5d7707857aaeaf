#include "app/AppFolders.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/AppGlobals.h"
#include "app/PerUserFolder.h"
#include "platform/AppDataFolder.h"
#include "platform/QtText.h"

std::filesystem::path ProgramFolder() {
    const QFileInfo self(QCoreApplication::applicationFilePath());
    const QString dir = self.canonicalPath().isEmpty() ? self.absolutePath() : self.canonicalPath();
    return ToPath(dir) / "";
}

std::filesystem::path CurrentPerUserFolder() {
    return PerUserFolder(platform::ApplicationDataFolder(), Globals().programFolder);
}

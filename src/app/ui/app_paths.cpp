#include "app/ui/app_paths.h"

#include <QCoreApplication>

#include <cstdlib>

#include "app/model/settings_home.h"

namespace veyrin {

AppPaths AppPaths::fromProcess() {
    AppPaths paths;
    std::error_code ec;
    paths.workingDirectory = std::filesystem::current_path(ec);
    paths.programDirectory = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    paths.settingsDirectory =
        chooseSettingsDirectory(paths.programDirectory, paths.workingDirectory, std::getenv(kSettingsDirVariable));
    return paths;
}

}  // namespace veyrin

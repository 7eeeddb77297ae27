#include "app/ui/app_paths.h"

#include <QCoreApplication>

namespace veyrin {

AppPaths AppPaths::fromProcess() {
    AppPaths paths;
    std::error_code ec;
    paths.workingDirectory = std::filesystem::current_path(ec);
    paths.programDirectory = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    return paths;
}

}  // namespace veyrin

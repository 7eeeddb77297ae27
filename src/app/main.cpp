// Program entry: title "Veyrin", the main window (which restores the last run's state), one hidden
// reading window that copies it, then the event loop until the main window has closed.

#include <unistd.h>

#include <csignal>
#include <memory>

#include "app/ui/app_paths.h"
#include "windows/ui/program_pictures.h"
#include "app/ui/main_window.h"
#include "app/ui/veyrin_application.h"
#include "windows/ui/reading_window.h"

int main(int argc, char** argv) {
    // The embedded browser's sandbox cannot start for the superuser; switch it off only then.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A write beyond the file-size limit must fail like a full disk (the close reports it and the
    // window stays open), not end the program with the reader's changes unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Design pixels are logical pixels; the desktop's scale (Xft.dpi, QT_SCALE_FACTOR,
    // QT_SCREEN_SCALE_FACTORS) is taken whole, so a design pixel is always a full block of device
    // pixels and the pixel-art skin and pictures are never resampled at odd ratios.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);

    veyrin::VeyrinApplication app(argc, argv);
    app.setWindowIcon(veyrin::windowIcon());

    veyrin::TForm1 form1(veyrin::AppPaths::fromProcess());
    std::unique_ptr<veyrin::TForm3> form3;
    veyrin::runReportingErrors(&form1, [&] { form3 = std::make_unique<veyrin::TForm3>(form1.readingSnapshot()); });

    form1.centreOnScreen();
    form1.show();
    return app.exec();
}

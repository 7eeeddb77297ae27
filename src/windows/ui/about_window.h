#pragma once
// The about window: the program's name and version, credit and contact lines, one working web
// link and an OK button. A fresh window is made for every press of 关于.

#include <QLabel>
#include <QUrl>

#include <functional>

#include "skin/ui/frame_host.h"

namespace veyrin {

class TsuiButton;

// A label that paints its own background and can look like a link.
class AboutLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Disabled text is embossed, as on every other control of the program, whatever colour the
    // label's text has when enabled.
    void paintEvent(QPaintEvent* event) override;
};

class TForm2 : public FrameHost {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    AboutLabel* Label1 = nullptr;
    AboutLabel* Label2 = nullptr;
    AboutLabel* Label3 = nullptr;
    AboutLabel* Label7 = nullptr;
    AboutLabel* Label5 = nullptr;
    AboutLabel* Label6 = nullptr;
    AboutLabel* Label9 = nullptr;
    AboutLabel* Label8 = nullptr;
    TsuiButton* suiButton3 = nullptr;

    void Label7Click();
    void suiButton3Click();

    // The maker's web address that Label7 opens.
    static QUrl makerAddress();
    // How addresses are opened: the desktop's default browser unless a test installed a recorder.
    using UrlOpener = std::function<void(const QUrl&)>;
    static void installUrlOpener(UrlOpener opener);

    void open();

private:
    AboutLabel* addLabel(int x, int y, int w, int h, const QString& text, const QFont& font, const QColor& colour);
    void makeLookLikeLink(AboutLabel* label);
};

}  // namespace veyrin

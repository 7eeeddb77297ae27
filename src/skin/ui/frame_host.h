#pragma once
// Every window of the program is a frameless top-level host: the frame strips (caption, borders,
// caption buttons) are painted here and the form's controls live on the client widget at the
// client rectangle. Moving and sizing run their own loops from mouse events, so nothing depends on
// a window manager. The skinned look plugs in by replacing the frame painter and hit-test.

#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <memory>

#include "skin/model/border_icons.h"
#include "skin/model/frame_geometry.h"

class QEventLoop;

namespace veyrin {

class TbsBusinessSkinForm;
class TbsTrayIcon;
class WindowStates;
class WindowSkin;
struct SkinWindowComponents;

class FrameHost : public QWidget {
    Q_OBJECT
public:
    explicit FrameHost(QWidget* parent = nullptr);
    ~FrameHost() override;

    QWidget* client() const { return client_; }
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    void setResizable(bool resizable);
    bool isResizable() const { return resizable_; }
    void setClientSize(int width, int height);
    QRect clientRectInWindow() const;
    const BuiltInFrame& frame() const { return frame_; }
    // The skinned frame; without a skin attached the built-in frame above is drawn.
    TbsBusinessSkinForm& skinForm() const { return *skinForm_; }
    bool skinned() const;
    // Gives the window its own copy of the compiled-in skin and the caption buttons it offers; the
    // window's hint component then draws from that skin and shows the caption buttons' hints.
    void useStoredSkin(TbsBorderIcons icons);
    // The skin components the window holds beside its frame (hint component, message box, dialog).
    SkinWindowComponents& skinComponents() const { return *skinComponents_; }
    // The window's outline (empty: rectangular). It goes to the platform window only: a widget
    // mask would also clip the painting of every control, which costs a region intersection per
    // control and, on X11, leaves controls unpainted after the window is re-exposed.
    void setFrameShape(const QRegion& shape);
    const QRegion& frameShape() const { return frameShape_; }
    // The frame's sizes or look changed: the client moves to the new client rectangle.
    void frameLookChanged();

    void centreOnScreen();
    // Shows the window modally and returns when it has closed (the modal loop of a form).
    void showModal();

    FrameHit hitTest(const QPoint& windowPoint) const;

    // The frame's own window states (maximise, roll-up, minimise, tray) and the window's tray icon.
    WindowStates* windowStates() const { return windowStates_; }
    TbsTrayIcon* trayIcon() const { return trayIcon_; }

protected:
    // Runs when a close is requested; returning false keeps the window open.
    virtual bool formClose() { return true; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutClient();
    void paintCaption(class QPainter& painter);
    void updateCursor(FrameHit hit);
    void linkWindowStates();
    // The frame's properties as the window states read them (the skin decides the sizes).
    void syncWindowStateSettings();
    void startSizeMove(FrameHit hit, const QPoint& globalPos);
    void endSizeMove();
    void moveTo(const QRect& proposed);

    BuiltInFrame frame_;
    QWidget* client_;
    TbsBusinessSkinForm* skinForm_;
    bool resizable_ = false;
    FrameHit dragHit_ = FrameHit::Client;
    QPoint dragStartGlobal_;
    QRect dragStartGeometry_;
    bool closeHot_ = false;
    bool closePressed_ = false;
    QPointer<QEventLoop> modalLoop_;
    WindowStates* windowStates_;
    TbsTrayIcon* trayIcon_;
    std::unique_ptr<WindowSkin> windowSkin_;
    std::unique_ptr<SkinWindowComponents> skinComponents_;
    QRegion frameShape_;
};

}  // namespace veyrin

#include "skin/ui/frame_host.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "platform/ui/font_faces.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_rect_qt.h"
#include "skin/ui/frame_system_menu.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_tray_menu.h"
#include "skin/ui/skin_window_components.h"
#include "skin/ui/tray_icon.h"
#include "skin/ui/window_states.h"
#include "skin/ui/window_skin.h"

namespace veyrin {
namespace {

DragEdges edgesOf(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left: return {true, false, false, false};
    case FrameHit::Right: return {false, false, true, false};
    case FrameHit::Top: return {false, true, false, false};
    case FrameHit::Bottom: return {false, false, false, true};
    case FrameHit::TopLeft: return {true, true, false, false};
    case FrameHit::TopRight: return {false, true, true, false};
    case FrameHit::BottomLeft: return {true, false, false, true};
    case FrameHit::BottomRight: return {false, false, true, true};
    default: return {};
    }
}

const QColor kFrameDark(0x2B, 0x3A, 0x4A);
const QColor kFrameLight(0x5A, 0x6F, 0x84);
const QColor kCaptionTop(0x4C, 0x64, 0x7C);
const QColor kCaptionBottom(0x31, 0x44, 0x58);
const QColor kInactiveTop(0x8A, 0x96, 0xA2);
const QColor kInactiveBottom(0x70, 0x7C, 0x88);

}  // namespace

FrameHost::FrameHost(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      client_(new QWidget(this)),
      skinForm_(new TbsBusinessSkinForm(*this)),
      windowStates_(new WindowStates(this)),
      trayIcon_(new TbsTrayIcon(this)),
      skinComponents_(std::make_unique<SkinWindowComponents>(*this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    linkWindowStates();
    setMouseTracking(true);
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    layoutClient();
    installFrameSystemMenu(*this);
}

bool FrameHost::skinned() const { return skinForm_->skinSupport(); }

void FrameHost::setFrameShape(const QRegion& shape) {
    frameShape_ = shape;
    if (QWindow* window = windowHandle()) window->setMask(frameShape_);
}

void FrameHost::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) window->setMask(frameShape_);
}

void FrameHost::linkWindowStates() {
    windowStates_->setTrayIcon(trayIcon_);
    windowStates_->setSettingsSource([this](WindowStates&) { syncWindowStateSettings(); });
    trayIcon_->setPopupMenu(createSkinTrayMenu(
        this, [this] { trayIcon_->restoreFromTray(); }, [this] { trayIcon_->closeOwner(); }));

    TbsFrameHooks& hooks = skinForm_->hooks;
    hooks.minimize = [this] { windowStates_->runCommand(TbsStdCommand::cmMinimize); };
    hooks.maximize = [this] { windowStates_->runCommand(TbsStdCommand::cmMaximize); };
    hooks.rollUp = [this] { windowStates_->runCommand(TbsStdCommand::cmRollUp); };
    hooks.minimizeToTray = [this] { windowStates_->runCommand(TbsStdCommand::cmMinimizeToTray); };
    hooks.restore = [this] { windowStates_->restore(); };
    hooks.captionDoubleClick = [this] { windowStates_->captionDoubleClick(); };
    hooks.moving = [this](const QRect& proposed) { return windowStates_->movedGeometry(proposed); };

    // The skinned frame hit-tests and paints from the states' own record.
    skinForm_->setStateRecord(&windowStates_->model().record());
    connect(windowStates_, &WindowStates::statesChanged, this, [this] { update(); });
}

void FrameHost::syncWindowStateSettings() {
    const TbsBusinessSkinForm& form = *skinForm_;
    FrameStateOptions options = windowStates_->model().options();
    options.resizable = resizable_;
    options.canMaximize = form.borderIcons().contains(TbsBorderIcon::biMaximize);
    options.canRollUp = form.borderIcons().contains(TbsBorderIcon::biRollUp);
    options.maximizeOnFullScreen = form.MaximizeOnFullScreen;
    options.alwaysMinimizeToTray = form.AlwaysMinimizeToTray;
    windowStates_->setOptions(options);
    windowStates_->setLimits({form.MinWidth, form.MinHeight, form.MaxWidth, form.MaxHeight});
    windowStates_->setMagnetic({form.Magnetic, form.MagneticSize});

    FrameOutline outline;
    outline.builtInCaptionHeight = frame_.captionHeight();
    if (skinned()) {
        // The frame's geometry is its picture grown by (dx, dy); taking that back gives the picture.
        const SkinFrameGeometry& g = form.geometry();
        outline.skinned = true;
        outline.pictureWidth = g.width - g.dx;
        outline.pictureHeight = g.height - g.dy;
        outline.skinClientRect = {g.clientRect.left, g.clientRect.top, g.clientRect.right - g.dx, g.clientRect.bottom - g.dy};
    }
    windowStates_->setOutline(outline);
    trayIcon_->setAlwaysShowInTray(form.AlwaysShowInTray);
}

void FrameHost::frameLookChanged() {
    layoutClient();
    update();
}

bool FrameHost::eventFilter(QObject* watched, QEvent* event) {
    // With a skin the client's background is the skin's, painted over the form's own colour.
    if (watched == client_ && event->type() == QEvent::Paint && skinned()) {
        QPainter painter(client_);
        skinForm_->paintClientBackground(painter, client_->rect());
    }
    return QWidget::eventFilter(watched, event);
}

FrameHost::~FrameHost() {
    if (modalLoop_) modalLoop_->quit();
    // The hint component is a child widget and goes with the window after this body has run.
    skinForm_->setObjectHint(nullptr);
    skinForm_->setStateRecord(nullptr);
    skinComponents_->setSkinData(nullptr);
    windowSkin_.reset();
}

void FrameHost::useStoredSkin(TbsBorderIcons icons) {
    windowSkin_.reset();
    windowSkin_ = std::make_unique<WindowSkin>(*skinForm_, icons);
    skinComponents_->setSkinData(&windowSkin_->skinData());
    skinForm_->setObjectHint(skinComponents_->hint);
}

void FrameHost::setResizable(bool resizable) { resizable_ = resizable; }

void FrameHost::setCaption(const QString& caption) {
    setWindowTitle(caption);
    update(toQRect(frame_.captionRect(width())));
}

void FrameHost::setClientSize(int width, int height) {
    if (skinned()) {
        FrameSize size = skinForm_->windowSizeForClient(width, height);
        resize(size.width, size.height);
    } else {
        resize(frame_.windowWidth(width), frame_.windowHeight(height));
    }
    layoutClient();
}

QRect FrameHost::clientRectInWindow() const {
    if (skinned()) return toQRect(skinForm_->clientRect());
    return toQRect(frame_.clientRect(width(), height()));
}

void FrameHost::centreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void FrameHost::showModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

FrameHit FrameHost::hitTest(const QPoint& p) const {
    if (skinned()) return skinForm_->hitTest(p);
    // A rolled-up, parked or maximised frame keeps its size: no resize zones.
    const FrameWindowStates& states = windowStates_->model();
    const bool sizable = resizable_ && states.state() == TbsWindowState::wsNormal && !states.rolledUp();
    return frame_.hitTest(width(), height(), p.x(), p.y(), sizable);
}

void FrameHost::layoutClient() { client_->setGeometry(clientRectInWindow()); }

void FrameHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    skinForm_->frameResized();
    layoutClient();
}

void FrameHost::closeEvent(QCloseEvent* event) {
    if (!formClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (modalLoop_) modalLoop_->quit();
}

void FrameHost::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) skinForm_->activationChanged(isActiveWindow());
    if (event->type() == QEvent::WindowTitleChange) skinForm_->captionTextChanged();
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange) update();
    QWidget::changeEvent(event);
}

void FrameHost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skinned()) {
        skinForm_->paintFrame(painter);
        return;
    }
    // Border: a dark outer line, a lighter inner bevel, filled in the caption's lower colour.
    painter.fillRect(rect(), isActiveWindow() ? kCaptionBottom : kInactiveBottom);
    painter.setPen(kFrameDark);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(kFrameLight);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    paintCaption(painter);
}

void FrameHost::paintCaption(QPainter& painter) {
    QRect caption = toQRect(frame_.captionRect(width()));
    QLinearGradient gradient(caption.topLeft(), caption.bottomLeft());
    bool active = isActiveWindow();
    gradient.setColorAt(0, active ? kCaptionTop : kInactiveTop);
    gradient.setColorAt(1, active ? kCaptionBottom : kInactiveBottom);
    painter.fillRect(caption, gradient);

    QFont font = fontWithPixelSize(QString::fromUtf8("宋体"), 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    QRect textRect = caption.adjusted(6, 0, -(caption.height() + 4), 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, windowTitle());

    QRect close = toQRect(frame_.closeButtonRect(width()));
    QColor face = closePressed_ ? QColor(0x9E, 0x2A, 0x2A) : closeHot_ ? QColor(0xC8, 0x3C, 0x3C) : QColor(0, 0, 0, 0);
    if (face.alpha() > 0) painter.fillRect(close, face);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setRenderHint(QPainter::Antialiasing, true);
    QRectF cross = QRectF(close).adjusted(4.5, 4.5, -4.5, -4.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void FrameHost::updateCursor(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
    case FrameHit::Right: setCursor(Qt::SizeHorCursor); break;
    case FrameHit::Top:
    case FrameHit::Bottom: setCursor(Qt::SizeVerCursor); break;
    case FrameHit::TopLeft:
    case FrameHit::BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case FrameHit::TopRight:
    case FrameHit::BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    default: unsetCursor(); break;
    }
}

void FrameHost::mousePressEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    if (skinned()) {
        if (skinForm_->mousePressOnFrame(p, event->button(), event->globalPosition().toPoint(), event->timestamp()))
            return;
        if (event->button() == Qt::LeftButton) startSizeMove(hitTest(p), event->globalPosition().toPoint());
        return;
    }
    // The built-in frame offers the system menu on its caption too.
    if (event->button() == Qt::RightButton && hitTest(p) == FrameHit::Caption && skinForm_->hooks.captionRightClick) {
        skinForm_->hooks.captionRightClick(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (toQRect(frame_.closeButtonRect(width())).contains(p)) {
        closePressed_ = true;
        update();
        return;
    }
    startSizeMove(hitTest(p), event->globalPosition().toPoint());
}

void FrameHost::startSizeMove(FrameHit hit, const QPoint& globalPos) {
    syncWindowStateSettings();
    dragHit_ = hit;
    dragStartGlobal_ = globalPos;
    dragStartGeometry_ = geometry();
    if (hit != FrameHit::Client && hit != FrameHit::Object) skinForm_->enterSizeMove();
}

void FrameHost::moveTo(const QRect& proposed) {
    const TbsFrameHooks& hooks = skinForm_->hooks;
    move((hooks.moving ? hooks.moving(proposed) : proposed).topLeft());
}

void FrameHost::endSizeMove() {
    bool looping = dragHit_ != FrameHit::Client && dragHit_ != FrameHit::Object;
    dragHit_ = FrameHit::Client;
    if (looping) skinForm_->exitSizeMove();
}

void FrameHost::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    if (skinned() && !skinForm_->inSizeMove()) {
        skinForm_->mouseMoveOnFrame(p);
        if (!(event->buttons() & Qt::LeftButton)) updateCursor(hitTest(p));
    }
    bool hot = !skinned() && toQRect(frame_.closeButtonRect(width())).contains(p);
    if (hot != closeHot_) {
        closeHot_ = hot;
        update(toQRect(frame_.closeButtonRect(width())));
    }
    if (!(event->buttons() & Qt::LeftButton) || closePressed_) {
        if (!(event->buttons() & Qt::LeftButton) && !skinned()) updateCursor(hitTest(p));
        return;
    }
    QPoint delta = event->globalPosition().toPoint() - dragStartGlobal_;
    if (dragHit_ == FrameHit::Caption) {
        moveTo(dragStartGeometry_.translated(delta));
        return;
    }
    DragEdges edges = edgesOf(dragHit_);
    if (!edges.left && !edges.top && !edges.right && !edges.bottom) return;
    FrameRect dragged = dragResize(toFrameRect(dragStartGeometry_), edges, delta.x(), delta.y(),
                                   windowStates_->trackingSizes());
    setGeometry(toQRect(dragged));
}

void FrameHost::mouseReleaseEvent(QMouseEvent* event) {
    if (skinned() && skinForm_->mouseReleaseOnFrame(event->position().toPoint(), event->button())) return;
    if (event->button() != Qt::LeftButton) return;
    endSizeMove();
    if (closePressed_) {
        closePressed_ = false;
        update();
        if (toQRect(frame_.closeButtonRect(width())).contains(event->position().toPoint())) close();
    }
}

void FrameHost::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The skinned frame gives the double click to the object under the pointer first.
    if (skinned())
        skinForm_->mouseDoubleClickOnFrame(event->position().toPoint());
    else if (hitTest(event->position().toPoint()) == FrameHit::Caption)
        windowStates_->captionDoubleClick();
}

void FrameHost::leaveEvent(QEvent* event) {
    skinForm_->mouseLeftWindow();
    if (closeHot_) {
        closeHot_ = false;
        update();
    }
    QWidget::leaveEvent(event);
}

}  // namespace veyrin

#pragma once
// The skinned frame of one window: sizes the frame from the skin, paints caption, borders and
// caption buttons from the skin's frame picture, gives the window the skin's outline, answers
// hit-testing for the host's move and size loops and runs the caption buttons. Without a skin the
// host keeps its built-in look.

#include <QImage>
#include <QObject>
#include <QRegion>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "skin/model/border_icons.h"
#include "skin/model/frame_geometry.h"
#include "skin/model/frame_skin.h"
#include "skin/model/frame_state.h"
#include "skin/model/skin_frame_geometry.h"
#include "skin/model/window_shape.h"
#include "skin/ui/frame_objects.h"

class QPainter;

namespace veyrin {

class FrameHost;
class ObjectHintSink;

// What the window states, the skinned menus and the tray plug into the frame. Unset hooks do nothing.
struct TbsFrameHooks {
    std::function<void()> minimize, maximize, rollUp, minimizeToTray;
    // The system menu's restore item: unroll, or back to normal.
    std::function<void()> restore;
    // The system-menu button was pressed; `buttonOnScreen` is its rectangle in screen coordinates,
    // `pressTime` when the press happened (the menu takes the pointer, so it tells a second press
    // on the button within the double-click time).
    std::function<void(const QRect& buttonOnScreen, quint64 pressTime)> openSystemMenuUnder;
    std::function<void(const QPoint& globalPos)> captionRightClick;
    std::function<void()> captionDoubleClick;
    std::function<void()> closeSkinMenus;
    // The move loop proposes a new window rectangle (screen coordinates); the answer is where the
    // window goes (magnetic snapping, a maximised window staying put).
    std::function<QRect(const QRect& proposed)> moving;
    // Decides whether an object with command cmDefault is shown (hidden without a handler).
    std::function<bool(const TbsActiveSkinObject&)> activateCustomObject;
};

class TbsBusinessSkinForm : public QObject {
    Q_OBJECT
public:
    static constexpr int kMouseTimerInterval = 50;
    static constexpr int kMorphTimerInterval = 20;

    explicit TbsBusinessSkinForm(FrameHost& host);
    ~TbsBusinessSkinForm() override;

    // Attaching rebuilds the frame at once; an empty skin data leaves the built-in look until its
    // skin-changed notice arrives.
    void setSkinData(const TbsSkinData* data);
    const TbsSkinData* skinData() const { return skinData_; }
    // Attaches a skin not held by a skin data (previews and tests).
    void attachSkin(const FrameSkin& skin);
    void detachSkin();
    bool skinSupport() const { return skinSupport_; }
    // The skin data's notices (1225 skin changing, 1226 changed, 1274 localised texts, 1228 menus).
    void skinNotice(SkinNotice notice, const TbsSkinData& sender);

    TbsBorderIcons borderIcons() const { return borderIcons_; }
    void setBorderIcons(TbsBorderIcons icons);
    bool hideCaptionButtons() const { return hideCaptionButtons_; }
    void setHideCaptionButtons(bool hide);
    bool useDefaultObjectHint() const { return useDefaultObjectHint_; }
    void setUseDefaultObjectHint(bool use);
    bool showObjectHint() const { return showObjectHint_; }
    void setShowObjectHint(bool show) { showObjectHint_ = show; }
    void setObjectHint(ObjectHintSink* hint) { hint_ = hint; }

    // Properties the windows set; the frame states, menus and tray read them.
    bool Magnetic = false;
    int MagneticSize = 5;
    bool ShowIcon = false;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    bool UseDefaultSysMenu = true;
    bool AlwaysShowInTray = false;
    bool AlwaysMinimizeToTray = false;
    bool MaximizeOnFullScreen = false;
    bool UseSkinFontInMenu = true;
    int MaxMenuItemsInWindow = 0;
    int DefMenuItemHeight = 20;
    int ClientWidth = 0, ClientHeight = 0;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;

    TbsFrameHooks hooks;
    // The frame's own window states, kept by the window's state machine; a frame on its own (no
    // window states linked) is always normal.
    const TbsFrameState& state() const { return *state_; }
    void setStateRecord(const TbsFrameState* record) { state_ = record ? record : &normalState_; }

    // Every caption button command goes through here.
    void runCommand(TbsStdCommand command);

    // Geometry and hit-testing for the host.
    const SkinFrameGeometry& geometry() const { return geometry_; }
    FrameSize windowSizeForClient(int clientWidth, int clientHeight) const;
    FrameSize minimumFrameSize() const;
    FrameHit hitTest(const QPoint& p);
    // The client rectangle for the host's current size.
    FrameRect clientRect();
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects() const { return objects_; }
    TbsActiveSkinObject* findObject(TbsStdCommand command) const;
    TbsSkinStdButtonObject* sysMenuButton() const;
    // Keeps the system-menu button down while its menu is open.
    void setSysMenuButtonHeld(bool held);
    bool sysMenuButtonHeld() const { return sysMenuHeld_; }
    TbsSkinCaptionObject* captionObject() const;
    int hotIndex() const { return hotIndex_; }

    // Host events.
    void paintFrame(QPainter& painter);
    void paintClientBackground(QPainter& painter, const QRect& clientArea);
    void frameResized();
    void activationChanged(bool active);
    void captionTextChanged();
    // Mouse on the frame, in window coordinates; the press/release answers whether an object took it.
    void mouseMoveOnFrame(const QPoint& p);
    bool mousePressOnFrame(const QPoint& p, Qt::MouseButton button, const QPoint& globalPos, quint64 time);
    bool mouseReleaseOnFrame(const QPoint& p, Qt::MouseButton button);
    void mouseDoubleClickOnFrame(const QPoint& p);
    void mouseLeftWindow();
    void enterSizeMove();
    void exitSizeMove();
    bool inSizeMove() const { return sizeMove_; }
    // A press, move, size, activation or focus loss closes the hint and any open menu.
    void hideHintAndMenus();

    // For the objects.
    bool windowActive() const;
    const QImage& framePicture() const;
    const QImage* activePicture(int index) const;
    QString caption() const;
    int captionStretch() const { return geometry_.dx; }
    void redrawObject(const TbsActiveSkinObject& object);
    void startMorphTimer();
    QTimer& mouseTimer() { return mouseTimer_; }
    QTimer& morphTimer() { return morphTimer_; }

signals:
    void skinDataChanged();  // OnChangeSkinData

private:
    void buildObjects();
    void applyButtonAvailability();
    void applyObjectHints();
    void enforceMinimumSize();
    void relayout();
    // A hidden window is resized without resize events, so the geometry is checked before use.
    void syncToHostSize();
    void placeObjects();
    void rebuildShape();
    // The pictures as drawn at the host's current scale; a host moved to a screen of another scale
    // takes them again before its next paint.
    void takePictures();
    void followHostScale();
    void composeStrips();
    // Inactive, with "autorenderinginactiveimage": the frame is drawn through the inactive effect.
    bool rendersInactiveLook() const;
    QImage inactiveStrip(std::size_t index);
    void drawVisibleObjects(QPainter& painter);
    void trackHot(const QPoint& p, bool pressing = false);
    void setHot(int index);
    void mouseTimerTick();
    void morphTimerTick();
    void resetObjectsExceptCaption();
    QPoint cursorInWindow() const;

    FrameHost& host_;
    const TbsSkinData* skinData_ = nullptr;
    FrameSkin skin_;
    bool skinSupport_ = false;
    QImage picture_, inactivePicture_;
    std::vector<QImage> activePictures_;  // the objects keep pointers into it
    int scale_ = 1;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> objects_;
    int hotIndex_ = -1, oldHotIndex_ = -1, captureIndex_ = -1;
    TbsFrameState normalState_;
    const TbsFrameState* state_ = &normalState_;
    SkinFrameGeometry geometry_;
    std::optional<WindowShape> shape_;
    // The four strips composed at the current size, for the picture they were composed from.
    std::array<QImage, 4> strips_;
    std::array<QRect, 4> stripRects_;
    QSize stripsSize_;
    bool stripsInactive_ = false;
    bool sizeMove_ = false;
    bool painting_ = false;
    bool sysMenuHeld_ = false;
    quint64 pressTime_ = 0;
    TbsBorderIcons borderIcons_ = kDefaultBorderIcons;
    bool hideCaptionButtons_ = false;
    bool useDefaultObjectHint_ = false;
    bool showObjectHint_ = false;
    ObjectHintSink* hint_ = nullptr;
    QTimer mouseTimer_, morphTimer_, animationTimer_;
};

}  // namespace veyrin

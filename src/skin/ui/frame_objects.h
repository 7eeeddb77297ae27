#pragma once
// The parts of a skinned frame that react to the mouse and to activation: caption buttons and the
// caption with the window title. Each is built from one object description of the skin and lives
// in its frame's object list; the frame places them, asks them to draw and feeds them the mouse.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

#include "skin/model/frame_object_rules.h"
#include "skin/model/skin_data.h"

class QPainter;

namespace veyrin {

class TbsBusinessSkinForm;

class TbsActiveSkinObject {
public:
    TbsActiveSkinObject(TbsBusinessSkinForm& form, const TbsDataSkinObject& data);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    virtual bool morphPending() const;
    // Draws the object's current look in window coordinates. During a full frame paint the normal
    // look is already part of the composed frame.
    virtual void draw(QPainter& painter, bool single);
    virtual void dblClick() {}
    virtual void mouseDown(int x, int y, Qt::MouseButton button);
    virtual void mouseUp(int x, int y, Qt::MouseButton button);
    virtual void mouseMove(int /*x*/, int /*y*/) {}
    virtual void mouseEnter();
    virtual void mouseLeave();

    // One tick of the blend animation.
    void stepMorph();
    // Back to rest: not hot, mouse out, no blend.
    void reset();

    const std::string& idName() const { return idName_; }
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    const QRect& objectRect() const { return objectRect_; }
    void setObjectRect(const QRect& rect) { objectRect_ = rect; }
    const FrameRect& skinRect() const { return skinRect_; }
    bool skinRectInAPicture() const { return skinRectInAPicture_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool hot() const { return hot_; }
    bool mouseIn() const { return mouseIn_; }
    double morphFactor() const { return morphFactor_; }
    bool morphing() const { return morphing_; }

protected:
    // The object's look from `source` (a rectangle of the active picture), drawn at its place.
    void drawFromActivePicture(QPainter& painter, const FrameRect& source) const;
    // The normal and hot looks blended by the morph factor.
    void drawBlend(QPainter& painter, const QImage& normal, const QImage& hot) const;
    QImage normalLook() const;
    QImage activePictureLook(const FrameRect& source) const;
    // Redraws this object alone, or starts the frame's morph timer when it blends.
    void changed();

    TbsBusinessSkinForm& form_;
    const QImage* activePicture_ = nullptr;
    std::string idName_;
    QString hint_;
    FrameRect skinRect_, activeRect_, inactiveRect_;
    QRect objectRect_;
    double morphFactor_ = 0;
    bool mouseIn_ = false;
    bool hot_ = false;
    bool morphing_ = false;
    TbsMorphKind morphKind_ = TbsMorphKind::mkDefault;
    bool enabled_ = true;
    bool visible_ = true;
    bool skinRectInAPicture_ = false;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsBusinessSkinForm& form, const TbsDataSkinButton& data);
    void draw(QPainter& painter, bool single) override;
    void mouseDown(int x, int y, Qt::MouseButton button) override;
    void mouseUp(int x, int y, Qt::MouseButton button) override;
    void mouseEnter() override;
    void mouseLeave() override;

    bool down() const { return down_; }
    // Keeps the button pressed (the system-menu button while its menu is open).
    void setDown(bool down);

protected:
    virtual ButtonLookState lookState() const;
    virtual void clicked() {}
    // A button kept down from outside (by an open menu) ignores the release.
    virtual bool heldDown() const { return false; }
    void drawLook(QPainter& painter, ButtonLook look, bool single) const;

    bool down_ = false;
    FrameRect disabledRect_, downRect_;
    FrameRect restoreRect_, restoreActiveRect_, restoreDownRect_, restoreInactiveRect_;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsBusinessSkinForm& form, const TbsDataSkinStdButton& data);
    TbsStdCommand command() const { return command_; }
    void mouseDown(int x, int y, Qt::MouseButton button) override;
    void dblClick() override;

protected:
    ButtonLookState lookState() const override;
    void clicked() override;
    bool heldDown() const override;

private:
    TbsStdCommand command_;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsBusinessSkinForm& form, const TbsDataSkinCaption& data);
    void draw(QPainter& painter, bool single) override;
    bool active() const { return active_; }
    void setActive(bool active);
    // The title as it will be drawn (cut with "..." when too wide).
    QString shownText() const;
    QFont captionFont() const;

private:
    QRect textRect() const;

    const TbsDataSkinCaption& data_;
    // Fitting a cell height measures the face at several sizes: done once, not on every paint.
    mutable std::optional<QFont> captionFont_;
    bool active_ = false;
};

// Built and kept; no skin of this program animates, so it draws like any object.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsBusinessSkinForm& form, const TbsDataSkinAnimate& data);
    TbsStdCommand command() const { return command_; }

private:
    TbsStdCommand command_;
};

class TbsUserObject : public TbsActiveSkinObject {
public:
    TbsUserObject(TbsBusinessSkinForm& form, const TbsDataUserObject& data) : TbsActiveSkinObject(form, data) {}
};

}  // namespace veyrin

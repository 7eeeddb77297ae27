#pragma once
// The loaded skin: pictures and the descriptions read from skin.ini, as the frame, the menus and
// the hint window use them. Plain data; the loader fills it from a stored package.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/model/color.h"
#include "skin/model/frame_rect.h"
#include "skin/model/skin_bitmap.h"
#include "skin/model/skin_package.h"

namespace veyrin {

class TbsCompressedStoredSkin;

// Notices a skin data sends to the windows while it loads (first to its owner, then the others).
enum SkinNotice : int {
    kSkinChangingNotice = 1225,
    kSkinChangedNotice = 1226,
    kSkinChangedSecondNotice = 1227,
    kCloseSkinMenusNotice = 1228,
    kLocalizedTextsChangedNotice = 1274,
};

enum class TbsMorphKind { mkDefault = 0, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum class TbsInactiveEffect { ieBrightness = 0, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum class TbsStdCommand { cmClose = 0, cmMaximize = 1, cmMinimize = 2, cmSysMenu = 3, cmDefault = 4, cmRollUp = 5, cmMinimizeToTray = 6 };
enum class TbsTextAlignment { taCenter, taLeftJustify, taRightJustify };

struct SkinFontStyle {
    bool bold = false, italic = false, underline = false, strikeOut = false;
    friend bool operator==(const SkinFontStyle&, const SkinFontStyle&) = default;
};

// The anchor points that cut a picture into fixed corners and repeatable edges, and the stretch
// flags of its four edges (shared by the frame, the popup window and the hint window).
struct SkinAnchors {
    FramePoint leftTop, rightTop, leftBottom, rightBottom;
    bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
};

// "FORMINFO".
struct TbsFormInfo {
    SkinAnchors anchors;
    FrameRect clientRect;
    int bgPictureIndex = -1;
    int mdiBgPictureIndex = -1;
    FrameRect maskRectArea;
    FramePoint hitTestLeftTop, hitTestRightTop, hitTestLeftBottom, hitTestRightBottom;
    FrameRect buttonsRect, captionRect;
    int buttonsOffset = 0;
    bool buttonsInLeft = false;
    bool mainMenuPopupUp = false;
    int borderWidth = 0;
    bool autoRenderingInactiveImage = false;
    TbsInactiveEffect inactiveEffect = TbsInactiveEffect::ieBrightness;
};

// "POPUPWINDOW".
struct TbsDataSkinPopupWindow {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    SkinAnchors anchors;
    FrameRect itemsRect;
    TColor scrollMarkerColor = 0;
    TColor scrollMarkerActiveColor = 0;
};

// "HINTWINDOW". Before a skin is loaded the font is Arial, height 12, regular, colour 0.
struct TbsDataSkinHintWindow {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    SkinAnchors anchors;
    FrameRect clientRect;
    std::string fontName = "Arial";
    int fontHeight = 12;
    SkinFontStyle fontStyle;
    TColor fontColor = 0;
};

// One entry of "SKINOBJECTS": the kind decides which derived description holds it.
enum class SkinObjectKind { MenuItem, MainMenuBarItem, Button, StdButton, MainMenuBarButton, Caption, Animate, UserObject };

struct TbsDataSkinObject {
    virtual ~TbsDataSkinObject() = default;
    SkinObjectKind kind = SkinObjectKind::UserObject;
    std::string idName;  // the section name, exactly as the entry spells it
    std::string hint;
    int activePictureIndex = -1;
    bool skinRectInAPicture = false;
    FrameRect skinRect, activeSkinRect, inActiveSkinRect;
    bool morphing = false;
    TbsMorphKind morphKind = TbsMorphKind::mkDefault;
};

struct TbsDataSkinMenuItem : TbsDataSkinObject {
    int itemLeftOffset = 0, itemRightOffset = 0;
    FrameRect dividerRect;
    int dividerLeftOffset = 0, dividerRightOffset = 0;
    FrameRect textRect;
    std::string fontName = "Arial";
    int fontHeight = 14;
    SkinFontStyle fontStyle;
    TColor fontColor = 0, activeFontColor = 0, unenabledFontColor = 0;
};

struct TbsDataSkinMainMenuItem : TbsDataSkinObject {
    int itemLeftOffset = 0, itemRightOffset = 0;
    FrameRect downRect, textRect;
    std::string fontName = "Arial";
    int fontHeight = 14;
    SkinFontStyle fontStyle;
    TColor fontColor = 0, activeFontColor = 0, downFontColor = 0, unenabledFontColor = 0;
};

struct TbsDataSkinButton : TbsDataSkinObject {
    FrameRect downRect;
    FrameRect disableSkinRect;  // "disableskinrsect" in the file
};

struct TbsDataSkinStdButton : TbsDataSkinButton {
    TbsStdCommand command = TbsStdCommand::cmDefault;
    FrameRect restoreRect, restoreActiveRect, restoreDownRect, restoreInActiveRect;
};

struct TbsDataSkinMainMenuBarButton : TbsDataSkinStdButton {};

struct TbsDataSkinCaption : TbsDataSkinObject {
    FrameRect textRect;
    std::string fontName = "Arial";
    int fontHeight = 14;
    SkinFontStyle fontStyle;
    TColor fontColor = 0, activeFontColor = 0;
    TbsTextAlignment alignment = TbsTextAlignment::taCenter;
    bool shadow = false;
    TColor shadowColor = 0, activeShadowColor = 0;
    FrameRect frameRect, activeFrameRect, frameTextRect;
    int frameLeftOffset = 0, frameRightOffset = 0;
};

struct TbsDataSkinAnimate : TbsDataSkinObject {
    int countFrames = 1;
    bool cycle = false, buttonStyle = false;
    int timerInterval = 50;
    TbsStdCommand command = TbsStdCommand::cmDefault;
};

struct TbsDataUserObject : TbsDataSkinObject {};

// One entry of "SKINCONTROLS": kept with its section's keys (lower-case names) and raw values.
struct TbsDataSkinControl {
    std::string idName;
    std::string kind;  // "panel", "button", "stdlabel", ...
    std::map<std::string, std::string> values;
};

class TbsSkinData {
public:
    // Receives the notices 1225, 1226 and 1227 while a package loads (the widget layer routes them
    // to the owning window first, then to the others).
    using NoticeSink = std::function<void(SkinNotice notice, const TbsSkinData& sender)>;

    TbsSkinData();
    ~TbsSkinData();
    TbsSkinData(const TbsSkinData&) = delete;
    TbsSkinData& operator=(const TbsSkinData&) = delete;

    void setNoticeSink(NoticeSink sink) { noticeSink_ = std::move(sink); }

    // Setting the store loads its package at once (nothing happens for an empty store). A damaged
    // package throws AppError with the reader's message and leaves the skin empty.
    void setCompressedStoredSkin(const TbsCompressedStoredSkin* store);
    // Loads `store` with its companions by scale: stores of the same skin whose pictures are drawn
    // at 2x or 3x, read only when a picture at that scale is first asked for (they must outlive this
    // skin data, as `store` does). A companion that is damaged, or whose pictures are not all exactly
    // that many times the skin's own, is passed over and the skin's own pictures are enlarged.
    void setCompressedStoredSkin(const TbsCompressedStoredSkin* store,
                                 const std::map<int, const TbsCompressedStoredSkin*>& companions);
    const TbsCompressedStoredSkin* compressedStoredSkin() const { return store_; }

    bool empty() const { return empty_; }

    // Index in objects() / controls() of the first entry whose section name matches exactly, or -1.
    int findObject(const std::string& name) const;
    int findControl(const std::string& name) const;

    std::string skinName, skinAuthor, authorEmail, authorUrl, skinComments;  // "VERSION"
    std::string pictureName, inactivePictureName, maskName;                  // "PICTURES"
    std::vector<std::string> activePictureNames;

    const SkinBitmap& picture() const { return picture_; }
    const SkinBitmap& inactivePicture() const { return inactivePicture_; }
    const SkinBitmap& mask() const { return mask_; }
    const std::vector<SkinBitmap>& activePictures() const { return activePictures_; }
    // The active picture at `index`, or null when the index names none.
    const SkinBitmap* activePicture(int index) const;
    // What stands for `picture` (one of the pictures above) at `scale`: the companion's picture for
    // that scale, else `picture` enlarged by whole pixels. A picture of no skin comes back as it is.
    const SkinBitmap& pictureAtScale(const SkinBitmap& picture, int scale) const;
    bool hasCompanion(int scale) const { return companion(scale) != nullptr; }

    const TbsFormInfo& formInfo() const { return formInfo_; }
    const TbsDataSkinPopupWindow& popupWindow() const { return popupWindow_; }
    const TbsDataSkinHintWindow& hintWindow() const { return hintWindow_; }
    const std::vector<std::unique_ptr<TbsDataSkinObject>>& objects() const { return objects_; }
    const std::vector<TbsDataSkinControl>& controls() const { return controls_; }

private:
    void clear();
    void send(SkinNotice notice) const;
    void loadPackage(SkinPackage package);
    const SkinPackage* companion(int scale) const;
    std::optional<SkinPackage> readCompanion(int scale) const;
    const SkinBitmap* companionPicture(const SkinBitmap& picture, int scale) const;
    bool isOwnPicture(const SkinBitmap& picture) const;

    bool empty_ = true;
    const TbsCompressedStoredSkin* store_ = nullptr;
    NoticeSink noticeSink_;
    SkinBitmap picture_, inactivePicture_, mask_;
    std::vector<SkinBitmap> activePictures_;
    TbsFormInfo formInfo_;
    TbsDataSkinPopupWindow popupWindow_;
    TbsDataSkinHintWindow hintWindow_;
    std::vector<std::unique_ptr<TbsDataSkinObject>> objects_;
    std::vector<TbsDataSkinControl> controls_;
    std::map<int, const TbsCompressedStoredSkin*> companionStores_;
    mutable std::map<int, std::optional<SkinPackage>> companions_;  // by scale, once read
    mutable std::map<std::pair<const SkinBitmap*, int>, SkinBitmap> enlarged_;
};

}  // namespace veyrin

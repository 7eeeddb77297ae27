#pragma once
// The hint component each window holds. It shows the frame's caption-button hints, and its
// creation hands every tool-tip of the program to the skinned hint window. Whatever window shows a
// hint, the look comes from the application's active hint component (the last one made active
// that is still alive) and its skin.

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

#include "skin/model/font_description.h"
#include "skin/ui/object_hint.h"

class QWidget;

namespace veyrin {

class DelayedHint;
class TbsSkinData;
class TbsSkinHintWindow;

class TbsSkinHint : public QObject, public ObjectHintSink {
    Q_OBJECT
public:
    // Owned by `window`; active from the start, so it becomes the application's hint look.
    explicit TbsSkinHint(QWidget* window, const TbsSkinData* skinData = nullptr);
    ~TbsSkinHint() override;

    static TbsSkinHint* applicationHint();

    void setSkinData(const TbsSkinData* skinData) { skinData_ = skinData; }
    const TbsSkinData* skinData() const { return skinData_; }

    // Making one active makes the other active hint components of the same window inactive.
    void setActive(bool active);
    bool active() const { return active_; }

    void setAlphaBlend(bool on) { alphaBlend_ = on; }
    bool alphaBlend() const { return alphaBlend_; }
    void setAlphaBlendValue(int value) { alphaBlendValue_ = value; }
    int alphaBlendValue() const { return alphaBlendValue_; }
    void setDefaultFont(const FontDescription& font) { defaultFont_ = font; }
    const FontDescription& defaultFont() const { return defaultFont_; }
    void setUseSkinFont(bool on) { useSkinFont_ = on; }
    bool useSkinFont() const { return useSkinFont_; }

    // Lets the application's hint component change a tool-tip before it shows; nothing in the
    // program assigns it.
    std::function<void(QString& text)> OnShowHint;

    void showTextHint(const QString& text) override;
    // Shows `text` at once at `globalAt`, for a confirmation that has no cursor position to follow.
    void showTextHintAt(const QString& text, QPoint globalAt);
    void hideHint() override;

    TbsSkinHintWindow& hintWindow() const { return *window_; }
    QString pendingText() const;

private:
    QWidget* owner_;
    const TbsSkinData* skinData_;
    bool active_ = false;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 0;
    FontDescription defaultFont_{"MS Sans Serif", -11, {}, clWindowText, kGb2312Charset};
    bool useSkinFont_ = true;
    std::unique_ptr<TbsSkinHintWindow> window_;
    std::unique_ptr<DelayedHint> delayed_;
};

}  // namespace veyrin

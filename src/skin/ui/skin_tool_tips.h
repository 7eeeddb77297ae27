#pragma once
// The program's tool-tips, shown in the skinned hint window instead of Qt's: an application event
// filter that watches the mouse entering widgets with a tool-tip, shows the tip at the cursor after
// the short hint pause and hides it when the mouse leaves or presses. Qt's own tool-tip requests
// are answered here too, so Qt never shows one of its own.

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace veyrin {

class DelayedHint;
class TbsSkinHintWindow;

class SkinToolTips : public QObject {
    Q_OBJECT
public:
    // Installs the filter on the application once; later calls do nothing.
    static void install();
    static SkinToolTips* instance();

    ~SkinToolTips() override;

    TbsSkinHintWindow& hintWindow() const { return *window_; }
    QWidget* hintedWidget() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinToolTips();
    void dismiss();

    std::unique_ptr<TbsSkinHintWindow> window_;
    std::unique_ptr<DelayedHint> delayed_;
    QPointer<QWidget> target_;
};

}  // namespace veyrin

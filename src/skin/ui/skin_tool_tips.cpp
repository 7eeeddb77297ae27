#include "skin/ui/skin_tool_tips.h"

#include <QApplication>
#include <QHelpEvent>
#include <QWidget>

#include "skin/ui/delayed_hint.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_hint_window.h"

namespace veyrin {
namespace {

QPointer<SkinToolTips>& installed() {
    static QPointer<SkinToolTips> filter;
    return filter;
}

// The widget whose tool-tip applies at `widget`: itself or the nearest ancestor in its window.
QWidget* toolTipOwner(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

// The tool-tip of `owner` as the application's hint component lets it show.
QString toolTipText(const QWidget* owner) {
    QString text = owner->toolTip();
    TbsSkinHint* component = TbsSkinHint::applicationHint();
    if (component != nullptr && component->OnShowHint) component->OnShowHint(text);
    return text;
}

bool endsTheHint(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        return true;
    default:
        return false;
    }
}

}  // namespace

SkinToolTips::SkinToolTips() : window_(std::make_unique<TbsSkinHintWindow>()) {
    delayed_ = std::make_unique<DelayedHint>(*window_);
}

SkinToolTips::~SkinToolTips() = default;

void SkinToolTips::install() {
    if (installed() || QCoreApplication::instance() == nullptr) return;
    auto* filter = new SkinToolTips();
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
    installed() = filter;
}

SkinToolTips* SkinToolTips::instance() { return installed().data(); }

void SkinToolTips::dismiss() {
    delayed_->cancel();
    target_ = nullptr;
}

bool SkinToolTips::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget == window_.get()) return false;
    QEvent::Type type = event->type();
    if (type == QEvent::Enter) {
        QWidget* owner = toolTipOwner(widget);
        if (owner != nullptr && owner != target_) {
            target_ = owner;
            delayed_->request(toolTipText(owner), kHintShortPause);
        }
    } else if (type == QEvent::Leave || type == QEvent::Hide) {
        if (widget == target_) dismiss();
    } else if (endsTheHint(type)) {
        if (target_ != nullptr) dismiss();
    } else if (type == QEvent::ToolTip) {
        // Qt asks after its own wake-up delay; a widget entered before the filter existed gets its
        // hint now, and one still waiting shows at once. Once a hint has had its time it stays away until the mouse comes back.
        QWidget* owner = toolTipOwner(widget);
        if (owner == nullptr) return false;
        if (owner != target_ || delayed_->isWaiting()) {
            target_ = owner;
            delayed_->showNow(toolTipText(owner), hintPointAtCursor());
        }
        return true;
    }
    return false;
}

}  // namespace veyrin

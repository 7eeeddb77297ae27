#include "skin/ui/skin_hint.h"

#include <QWidget>

#include <algorithm>
#include <vector>

#include "skin/ui/delayed_hint.h"
#include "skin/ui/skin_hint_window.h"
#include "skin/ui/skin_tool_tips.h"

namespace veyrin {
namespace {

// Active hint components, the most recently activated last. Windows come and go (the reading
// window is made for each showing), so the look falls back to the one activated before.
std::vector<TbsSkinHint*>& activeHints() {
    static std::vector<TbsSkinHint*> hints;
    return hints;
}

void forget(TbsSkinHint* hint) {
    std::vector<TbsSkinHint*>& hints = activeHints();
    hints.erase(std::remove(hints.begin(), hints.end(), hint), hints.end());
}

}  // namespace

TbsSkinHint::TbsSkinHint(QWidget* window, const TbsSkinData* skinData)
    : QObject(window), owner_(window), skinData_(skinData), window_(std::make_unique<TbsSkinHintWindow>()) {
    delayed_ = std::make_unique<DelayedHint>(*window_);
    SkinToolTips::install();
    setActive(true);
}

TbsSkinHint::~TbsSkinHint() { forget(this); }

TbsSkinHint* TbsSkinHint::applicationHint() {
    const std::vector<TbsSkinHint*>& hints = activeHints();
    return hints.empty() ? nullptr : hints.back();
}

void TbsSkinHint::setActive(bool active) {
    active_ = active;
    forget(this);
    if (!active) return;
    for (TbsSkinHint* other : std::vector<TbsSkinHint*>(activeHints())) {
        if (other->owner_ == owner_) other->setActive(false);
    }
    activeHints().push_back(this);
}

void TbsSkinHint::showTextHint(const QString& text) {
    delayed_->request(text, kHintPause);
}

void TbsSkinHint::showTextHintAt(const QString& text, QPoint globalAt) { delayed_->showNow(text, globalAt); }

void TbsSkinHint::hideHint() { delayed_->cancel(); }

QString TbsSkinHint::pendingText() const { return delayed_->pendingText(); }

}  // namespace veyrin

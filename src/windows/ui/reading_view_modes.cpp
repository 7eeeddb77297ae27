#include "windows/ui/reading_view_modes.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QIcon>
#include <QToolBar>

#include "platform/model/chinese_script.h"
#include "textview/model/pinyin_annotations.h"
#include "textview/model/traditional_display.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/vertical_page.h"
#include "windows/ui/reading_window.h"

namespace veyrin {
namespace {

QAction* newModeAction(QWidget& window, const char* caption, const char* hint, const char* picture, Qt::Key key) {
    auto* action = new QAction(QString::fromUtf8(caption), &window);
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setIcon(QIcon(QStringLiteral(":/pictures/") + QLatin1String(picture)));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(true);
    window.addAction(action);
    return action;
}

}  // namespace

// Owned by the text view, so the traditional form it lends the view lives exactly as long as the view.
ReadingViewModes::ReadingViewModes(TForm3& window)
    : QObject(window.memo3),
      window_(window),
      traditional_(std::make_unique<TSynTraditionalDisplay>(ChineseScript::shared())),
      pinyin_(std::make_unique<TSynPinyinAnnotations>()) {
    // The page takes the text view's place in the window while the view waits, hidden, with its
    // caret and scroll position kept for the return to rows.
    QWidget* area = window.memo3->parentWidget();
    page_ = new TSynVerticalPage(*window.memo3, area);
    page_->hide();
    if (auto* column = qobject_cast<QBoxLayout*>(area->layout())) {
        const int at = column->indexOf(window.memo3);
        column->insertWidget(at + 1, page_, column->stretch(at));
    }
    buildActions();
}

ReadingViewModes::~ReadingViewModes() = default;

void ReadingViewModes::buildActions() {
    // The specified buttons end in a separator, so these follow it directly.
    ViewVertical1 = newModeAction(window_, "竖排", "竖排 (F6)", "toolbar_vertical.png", Qt::Key_F6);
    ViewTraditional1 = newModeAction(window_, "繁/简", "繁/简 (F7)", "toolbar_traditional.png", Qt::Key_F7);
    window_.ToolBar2->addAction(ViewVertical1);
    window_.ToolBar2->addAction(ViewTraditional1);
    connect(ViewVertical1, &QAction::toggled, this, &ReadingViewModes::setVertical);
    ViewPinyin1 = newModeAction(window_, "拼音", "拼音 (F9)", "toolbar_pinyin.png", Qt::Key_F9);
    connect(ViewTraditional1, &QAction::toggled, this, &ReadingViewModes::setTraditional);
    connect(ViewPinyin1, &QAction::toggled, this, &ReadingViewModes::setPinyin);
    // The conversion tables are read when the window first shows: the hidden reading window made at
    // start-up is never shown and never pays for them.
    window_.installEventFilter(this);
}

bool ReadingViewModes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show) {
        window_.removeEventFilter(this);
        offerTraditionalOrSayWhyNot();
    }
    return false;
}

void ReadingViewModes::offerTraditionalOrSayWhyNot() {
    if (traditional_->available()) return;
    ViewTraditional1->setEnabled(false);
    const QString why = QString::fromUtf8("繁/简：找不到繁简转换表，无法显示繁体字（%1）")
                            .arg(QString::fromStdString(traditional_->problem()));
    ViewTraditional1->setToolTip(why);
    ViewTraditional1->setStatusTip(why);
}

bool ReadingViewModes::vertical() const { return !page_->isHidden(); }

void ReadingViewModes::setVertical(bool on) {
    // The button's toggle comes back here: the change runs once, from there.
    if (ViewVertical1->isChecked() != on) {
        ViewVertical1->setChecked(on);
        return;
    }
    if (on == vertical()) return;
    TSynEditor& view = *window_.memo3;
    if (on) {
        viewWasReadOnly_ = view.readOnly();
        view.setReadOnly(true);
        const int topLine = view.rowToLine(view.topLine()) - 1;
        view.hide();
        page_->show();
        page_->relayout();
        page_->showLine(topLine);
        page_->setFocus();
    } else {
        const bool hadFocus = page_->hasFocus();
        page_->hide();
        view.show();
        view.setReadOnly(viewWasReadOnly_);
        if (hadFocus) view.setFocus();
    }
}

bool ReadingViewModes::traditional() const { return window_.memo3->displayText() != nullptr; }

void ReadingViewModes::setTraditional(bool on) {
    if (on && !traditional_->available()) on = false;
    if (ViewTraditional1->isChecked() != on) {
        ViewTraditional1->setChecked(on);
        return;
    }
    if (on == traditional()) return;
    window_.memo3->setDisplayText(on ? traditional_.get() : nullptr);
    page_->relayout();
}

bool ReadingViewModes::pinyin() const { return window_.memo3->annotations() != nullptr; }

void ReadingViewModes::setPinyin(bool on) {
    if (ViewPinyin1->isChecked() != on) {
        ViewPinyin1->setChecked(on);
        return;
    }
    if (on == pinyin()) return;
    window_.memo3->setAnnotations(on ? pinyin_.get() : nullptr);
    page_->relayout();
}

ReadingViewModes* addReadingViewModes(TForm3& window) { return new ReadingViewModes(window); }

}  // namespace veyrin

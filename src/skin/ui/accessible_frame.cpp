#include "skin/ui/accessible_frame.h"

#include <QAction>
#include <QWindow>

#include <algorithm>

#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/frame_objects.h"

namespace veyrin {

AccessibleCaptionButton::AccessibleCaptionButton(FrameHost* host, TbsStdCommand command)
    : host_(host), command_(command) {}

TbsSkinStdButtonObject* AccessibleCaptionButton::button() const {
    if (!host_) return nullptr;
    return dynamic_cast<TbsSkinStdButtonObject*>(host_->skinForm().findObject(command_));
}

bool AccessibleCaptionButton::isValid() const { return button() != nullptr; }

QWindow* AccessibleCaptionButton::window() const { return host_ ? host_->windowHandle() : nullptr; }

QAccessibleInterface* AccessibleCaptionButton::parent() const {
    return host_ ? QAccessible::queryAccessibleInterface(host_.data()) : nullptr;
}

QString AccessibleCaptionButton::text(QAccessible::Text t) const {
    const TbsSkinStdButtonObject* b = button();
    if (b == nullptr) return {};
    if (t == QAccessible::Name || t == QAccessible::Description) return b->hint();
    return {};
}

QRect AccessibleCaptionButton::rect() const {
    const TbsSkinStdButtonObject* b = button();
    if (b == nullptr) return {};
    return QRect(host_->mapToGlobal(b->objectRect().topLeft()), b->objectRect().size());
}

QAccessible::State AccessibleCaptionButton::state() const {
    QAccessible::State s;
    const TbsSkinStdButtonObject* b = button();
    if (b == nullptr) {
        s.invalid = true;
        return s;
    }
    s.disabled = !b->enabled();
    s.invisible = !b->visible() || !host_->isVisible();
    s.hotTracked = b->hot();
    s.pressed = b->down();
    return s;
}

QStringList AccessibleCaptionButton::actionNames() const {
    const TbsSkinStdButtonObject* b = button();
    return b != nullptr && b->enabled() ? QStringList{pressAction()} : QStringList{};
}

void AccessibleCaptionButton::doAction(const QString& actionName) {
    if (actionName == pressAction() && !actionNames().isEmpty()) host_->skinForm().runCommand(command_);
}

AccessibleFrameHost::AccessibleFrameHost(FrameHost* host) : QAccessibleWidget(host, QAccessible::Window) {}

AccessibleFrameHost::~AccessibleFrameHost() {
    for (const auto& [command, id] : buttonIds_) QAccessible::deleteAccessibleInterface(id);
}

FrameHost* AccessibleFrameHost::host() const { return static_cast<FrameHost*>(widget()); }

std::vector<TbsStdCommand> AccessibleFrameHost::shownButtons() const {
    std::vector<TbsStdCommand> commands;
    for (const auto& object : host()->skinForm().objects()) {
        const auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(object.get());
        if (button != nullptr && button->visible() && button->command() != TbsStdCommand::cmDefault)
            commands.push_back(button->command());
    }
    return commands;
}

QAccessibleInterface* AccessibleFrameHost::buttonInterface(TbsStdCommand command) const {
    const auto known = buttonIds_.find(command);
    if (known != buttonIds_.end()) return QAccessible::accessibleInterface(known->second);
    auto* iface = new AccessibleCaptionButton(host(), command);
    buttonIds_[command] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

int AccessibleFrameHost::childCount() const {
    return QAccessibleWidget::childCount() + static_cast<int>(shownButtons().size());
}

QAccessibleInterface* AccessibleFrameHost::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const std::vector<TbsStdCommand> buttons = shownButtons();
    const auto at = static_cast<std::size_t>(index - widgets);
    return at < buttons.size() ? buttonInterface(buttons[at]) : nullptr;
}

int AccessibleFrameHost::indexOfChild(const QAccessibleInterface* child) const {
    const auto* button = dynamic_cast<const AccessibleCaptionButton*>(child);
    if (button == nullptr) return QAccessibleWidget::indexOfChild(child);
    const std::vector<TbsStdCommand> buttons = shownButtons();
    const auto found = std::find(buttons.begin(), buttons.end(), button->command());
    if (found == buttons.end()) return -1;
    return QAccessibleWidget::childCount() + static_cast<int>(found - buttons.begin());
}

QAccessibleInterface* AccessibleFrameHost::childAt(int x, int y) const {
    for (TbsStdCommand command : shownButtons()) {
        QAccessibleInterface* button = buttonInterface(command);
        if (button->rect().contains(x, y)) return button;
    }
    return QAccessibleWidget::childAt(x, y);
}

QAction* AccessibleFrameHost::windowCommand(const QString& caption) const {
    const QList<QAction*> actions = host()->actions();
    const auto found = std::find_if(actions.begin(), actions.end(), [&caption](const QAction* action) {
        return action->isEnabled() && action->text() == caption;
    });
    return found == actions.end() ? nullptr : *found;
}

QStringList AccessibleFrameHost::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    for (const QAction* action : host()->actions()) {
        if (action->isEnabled() && !action->text().isEmpty()) names << action->text();
    }
    return names;
}

void AccessibleFrameHost::doAction(const QString& actionName) {
    if (QAction* command = windowCommand(actionName)) {
        command->trigger();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList AccessibleFrameHost::keyBindingsForAction(const QString& actionName) const {
    if (const QAction* command = windowCommand(actionName))
        return {command->shortcut().toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

}  // namespace veyrin

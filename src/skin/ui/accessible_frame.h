#pragma once
// A skinned window for a screen reader: its widgets, and the caption buttons the frame paints
// (close, minimise, system menu...), which are no widgets of their own. They are named by their
// hint, the text a sighted user sees when hovering them, and pressed through the frame's command.
// Commands a window offers by key alone (actions added to the window) are its own actions, named by
// their caption and giving their key, so a screen reader can list and run them.

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <vector>

#include "skin/model/skin_data.h"

#include "skin/ui/accessible_painted_part.h"

namespace veyrin {

class FrameHost;
class TbsSkinStdButtonObject;

class AccessibleCaptionButton : public AccessiblePaintedPart {
public:
    AccessibleCaptionButton(FrameHost* host, TbsStdCommand command);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    TbsStdCommand command() const { return command_; }

private:
    TbsSkinStdButtonObject* button() const;

    QPointer<FrameHost> host_;
    TbsStdCommand command_;
};

class AccessibleFrameHost : public QAccessibleWidget {
public:
    explicit AccessibleFrameHost(FrameHost* host);
    ~AccessibleFrameHost() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    FrameHost* host() const;
    QAction* windowCommand(const QString& caption) const;
    // The caption buttons shown now, in the frame's order.
    std::vector<TbsStdCommand> shownButtons() const;
    QAccessibleInterface* buttonInterface(TbsStdCommand command) const;

    mutable std::map<TbsStdCommand, QAccessible::Id> buttonIds_;
};

}  // namespace veyrin

#pragma once
// What the frame needs of a hint component to show its caption buttons' hints: show a text after
// the hint pause, and hide it at once.

#include <QString>

namespace veyrin {

class ObjectHintSink {
public:
    virtual ~ObjectHintSink() = default;
    // Replaces any pending hint with `text`, shown after the application's hint pause.
    virtual void showTextHint(const QString& text) = 0;
    virtual void hideHint() = 0;
};

}  // namespace veyrin

#pragma once
// Records what the program tells assistive technology, as a screen reader would receive it.

#include <QAccessible>
#include <QList>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace veyrin::test {

struct RecordedAccessibleEvent {
    QObject* object = nullptr;
    QAccessible::Event type = QAccessible::InvalidEvent;
    QAccessible::State changed;
    int offset = -1;  // cursor position, or where text went in or out
    QString textRemoved;
    QString textInserted;
    QString name;  // of the object the event is about, as the reader hears it then
};

inline QList<RecordedAccessibleEvent>& recordedAccessibleEvents() {
    static QList<RecordedAccessibleEvent> events;
    return events;
}

inline void recordAccessibleEvent(QAccessibleEvent* event) {
    RecordedAccessibleEvent copy{event->object(), event->type(), {}, -1, {}, {}, {}};
    if (QAccessibleInterface* iface = event->accessibleInterface()) copy.name = iface->text(QAccessible::Name);
    switch (event->type()) {
    case QAccessible::StateChanged:
        copy.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        break;
    case QAccessible::TextCaretMoved:
        copy.offset = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
        break;
    case QAccessible::TextInserted:
        copy.offset = static_cast<QAccessibleTextInsertEvent*>(event)->changePosition();
        copy.textInserted = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        break;
    case QAccessible::TextRemoved:
        copy.offset = static_cast<QAccessibleTextRemoveEvent*>(event)->changePosition();
        copy.textRemoved = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
        break;
    case QAccessible::TextUpdated:
        copy.offset = static_cast<QAccessibleTextUpdateEvent*>(event)->changePosition();
        copy.textRemoved = static_cast<QAccessibleTextUpdateEvent*>(event)->textRemoved();
        copy.textInserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
        break;
    default:
        break;
    }
    recordedAccessibleEvents().append(copy);
}

// Turns accessibility on (as a connected screen reader does) and starts recording. Without a
// screen reader on the bus the platform keeps it off and Qt drops every event.
inline void startRecordingAccessibleEvents() {
    QAccessible::installUpdateHandler(recordAccessibleEvent);
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
    recordedAccessibleEvents().clear();
}

inline QList<RecordedAccessibleEvent> accessibleEventsOf(QObject* object, QAccessible::Event type) {
    QList<RecordedAccessibleEvent> found;
    for (const RecordedAccessibleEvent& e : recordedAccessibleEvents())
        if (e.object == object && e.type == type) found.append(e);
    return found;
}

}  // namespace veyrin::test

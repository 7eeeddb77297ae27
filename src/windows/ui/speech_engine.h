#pragma once
// The speech engine behind 朗读, on the GUI thread's side. Starting an engine can take seconds
// (the speech server may have to be spawned first), and an engine without a sound card may never
// finish an utterance, so the engine itself lives on a thread of its own: every call here returns
// at once and the answers arrive as signals. Tests install a scripted engine instead.

#include <QObject>
#include <QString>

#include "windows/model/speech_voice.h"

namespace veyrin {

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual TSpeechAvailability availability() const = 0;
    virtual bool isSpeaking() const = 0;
    // Asks the engine for a Mandarin voice in the background; the first call only.
    virtual void probe() = 0;
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;

signals:
    void availabilityChanged(TSpeechAvailability availability);
    void speakingChanged(bool speaking);
};

// The engine in use: the program's threaded one unless a test installed another.
SpeechEngine& speechEngine();
// Installs `engine` (not owned) and returns the previous one; nullptr restores the program's.
SpeechEngine* installSpeechEngine(SpeechEngine* engine);

}  // namespace veyrin

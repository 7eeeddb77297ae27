#include "windows/ui/speech_engine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace veyrin {
namespace {

// A speech server that hangs keeps its client waiting for ever; after this long the action says so.
// Spawning a server takes about ten seconds on a slow machine.
constexpr int kAnswerWithinMs = 25000;

template <typename T, typename Name>
std::vector<std::string> namesOf(const QList<T>& items, Name name) {
    std::vector<std::string> names(static_cast<size_t>(items.size()));
    std::transform(items.begin(), items.end(), names.begin(), [&name](const T& item) { return name(item).toStdString(); });
    return names;
}

std::vector<std::string> localeNames(const QList<QLocale>& locales) {
    return namesOf(locales, [](const QLocale& locale) { return locale.bcp47Name(); });
}

std::vector<std::string> voiceNames(const QList<QVoice>& voices) {
    return namesOf(voices, [](const QVoice& voice) { return voice.name(); });
}

// Lives on the speech thread and owns the engine there.
class SpeechWorker : public QObject {
    Q_OBJECT
public:
    void open() {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            emit opened(TSpeechAvailability::NoEngine);
            return;
        }
        const QString name = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first();
        tts_ = new QTextToSpeech(name, this);
        if (tts_->state() == QTextToSpeech::Error) {
            emit opened(TSpeechAvailability::EngineFailed);
            return;
        }
        connect(tts_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Error) emit failed();
            else if (state == QTextToSpeech::Ready) emit finished(utterance_);
        });
        emit opened(chooseVoice() ? TSpeechAvailability::Ready : TSpeechAvailability::NoChineseVoice);
    }

    void say(quint64 utterance, const QString& text) {
        utterance_ = utterance;
        if (tts_) tts_->say(text);
    }

    void stop() {
        if (tts_) tts_->stop();
    }

signals:
    void opened(TSpeechAvailability availability);
    // The engine is done with the utterance: read to its end, or stopped.
    void finished(quint64 utterance);
    void failed();

private:
    // A Chinese locale when the engine files voices under one; otherwise a voice that names
    // Mandarin under whatever locale the engine filed it.
    bool chooseVoice() {
        const QList<QLocale> locales = tts_->availableLocales();
        const int chinese = chooseChineseLocale(localeNames(locales));
        if (chinese >= 0) {
            tts_->setLocale(locales[chinese]);
            const QList<QVoice> voices = tts_->availableVoices();
            if (voices.isEmpty()) return false;
            const int best = chooseMandarinVoice(voiceNames(voices));
            tts_->setVoice(voices[std::max(best, 0)]);
            return true;
        }
        QList<QLocale> candidates{tts_->locale(), QLocale::c()};
        candidates += locales;
        for (const QLocale& locale : candidates) {
            if (locale != tts_->locale()) tts_->setLocale(locale);
            const QList<QVoice> voices = tts_->availableVoices();
            const int best = chooseMandarinVoice(voiceNames(voices));
            if (best < 0) continue;
            tts_->setVoice(voices[best]);
            return true;
        }
        return false;
    }

    QTextToSpeech* tts_ = nullptr;
    quint64 utterance_ = 0;
};

class ThreadedSpeechEngine : public SpeechEngine {
public:
    explicit ThreadedSpeechEngine(QObject* parent) : SpeechEngine(parent) {}

    ~ThreadedSpeechEngine() override {
        if (!thread_) return;
        if (worker_) QMetaObject::invokeMethod(worker_.data(), &SpeechWorker::stop, Qt::QueuedConnection);
        thread_->quit();
        // An engine still starting cannot be interrupted; the thread is left to the process's end
        // rather than make the program wait for it.
        if (!thread_->wait(QDeadlineTimer(2000))) {
            (void)thread_.release();
        }
    }

    TSpeechAvailability availability() const override { return availability_; }
    bool isSpeaking() const override { return speaking_; }

    void probe() override {
        if (thread_) return;
        thread_ = std::make_unique<QThread>();
        thread_->setObjectName(QStringLiteral("speech"));
        worker_ = new SpeechWorker;
        worker_->moveToThread(thread_.get());
        connect(thread_.get(), &QThread::finished, worker_, &QObject::deleteLater);
        connect(worker_, &SpeechWorker::opened, this, [this](TSpeechAvailability answer) { setAvailability(answer); });
        // Only the end of the latest utterance counts: one stopped before may report its end late.
        connect(worker_, &SpeechWorker::finished, this, [this](quint64 utterance) {
            if (utterance == utterance_) setSpeaking(false);
        });
        connect(worker_, &SpeechWorker::failed, this, [this] {
            setSpeaking(false);
            setAvailability(TSpeechAvailability::EngineFailed);
        });
        thread_->start();
        QMetaObject::invokeMethod(worker_.data(), &SpeechWorker::open, Qt::QueuedConnection);
        QTimer::singleShot(kAnswerWithinMs, this, [this] {
            if (availability_ == TSpeechAvailability::Probing) setAvailability(TSpeechAvailability::NotAnswering);
        });
    }

    void say(const QString& text) override {
        if (availability_ != TSpeechAvailability::Ready) return;
        const quint64 utterance = ++utterance_;
        QMetaObject::invokeMethod(
            worker_.data(), [worker = worker_.data(), utterance, text] { worker->say(utterance, text); },
            Qt::QueuedConnection);
        setSpeaking(true);
    }

    void stop() override {
        ++utterance_;
        if (worker_) QMetaObject::invokeMethod(worker_.data(), &SpeechWorker::stop, Qt::QueuedConnection);
        setSpeaking(false);
    }

private:
    void setAvailability(TSpeechAvailability availability) {
        if (availability == availability_) return;
        availability_ = availability;
        emit availabilityChanged(availability);
    }

    void setSpeaking(bool speaking) {
        if (speaking == speaking_) return;
        speaking_ = speaking;
        emit speakingChanged(speaking);
    }

    std::unique_ptr<QThread> thread_;
    QPointer<SpeechWorker> worker_;
    TSpeechAvailability availability_ = TSpeechAvailability::Probing;
    bool speaking_ = false;
    quint64 utterance_ = 0;
};

SpeechEngine* installed = nullptr;

}  // namespace

SpeechEngine& speechEngine() {
    if (installed) return *installed;
    static QPointer<ThreadedSpeechEngine> program;
    if (!program) program = new ThreadedSpeechEngine(QCoreApplication::instance());
    return *program;
}

SpeechEngine* installSpeechEngine(SpeechEngine* engine) {
    SpeechEngine* previous = installed;
    installed = engine;
    return previous;
}

}  // namespace veyrin

#include "speech_engine.moc"

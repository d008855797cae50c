// The roger-beep preview: plays a copy of a tone through the default audio output, driven by a
// timer on the GUI thread so that the window stays responsive. Without an audio device (or when
// the device refuses to start) it runs silently with the same timing.
#pragma once

#include <QAudioFormat>
#include <QObject>
#include <functional>
#include <memory>

#include "editors/tones/melody.h"

class QAudioSink;
class QIODevice;
class QTimer;

namespace kv {

class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Starts playing the tone as it is now; later edits of the tone do not reach this playback.
    // False, and nothing happens, when nothing would play: no step has a length or the recycle
    // count is Off. A playback already running is ended first.
    bool Play(const ToneRecord& tone);
    // Ends playback at once, pauses and the sound already handed to the device included.
    void Stop();
    bool IsPlaying() const;
    // The length of the running playback in ms.
    long long DurationMs() const { return melody_.TotalMs(); }

    // Milliseconds on a clock that never goes back; the end of playback is judged by it. A
    // steady clock unless replaced (tests replace it to decide when the tone has played).
    using Clock = std::function<qint64()>;
    void SetClock(Clock clock) { now_ = std::move(clock); }

signals:
    // Playback reached its end by itself (not emitted by Stop).
    void finished();

private:
    bool openAudio();
    void closeAudio();
    void feed();
    void tick();

    QTimer* timer_;
    Clock now_;
    qint64 startedMs_ = 0;
    Melody melody_;
    std::unique_ptr<MelodyRenderer> renderer_;
    QAudioSink* sink_ = nullptr;
    QIODevice* output_ = nullptr;
    QAudioFormat format_;
};

}  // namespace kv

// The roger-beep preview: plays a copy of a tone through the default audio output, driven by a
// timer on the GUI thread so that the window stays responsive. Without an audio device (or when
// the device refuses to start) it runs silently with the same timing.
#pragma once

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QObject>
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

signals:
    // Playback reached its end by itself (not emitted by Stop).
    void finished();

private:
    bool openAudio();
    void closeAudio();
    void feed();
    void tick();

    QTimer* timer_;
    QElapsedTimer clock_;
    Melody melody_;
    std::unique_ptr<MelodyRenderer> renderer_;
    QAudioSink* sink_ = nullptr;
    QIODevice* output_ = nullptr;
    QAudioFormat format_;
};

}  // namespace kv

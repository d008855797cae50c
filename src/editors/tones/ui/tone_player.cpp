// The roger-beep preview.
#include "editors/tones/ui/tone_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <vector>

namespace kv {
namespace {

constexpr int kTickMs = 10;
// How long the device may lag behind the melody's time before playback is ended anyway.
constexpr int kStallGraceMs = 3000;

// One mono sample in the device's sample format, repeated for each channel.
void AppendFrame(QByteArray& out, std::int16_t sample, const QAudioFormat& format) {
    char bytes[4];
    int size = 0;
    switch (format.sampleFormat()) {
        case QAudioFormat::UInt8: {
            const auto v = static_cast<std::uint8_t>((sample >> 8) + 128);
            std::memcpy(bytes, &v, size = 1);
            break;
        }
        case QAudioFormat::Int16:
            std::memcpy(bytes, &sample, size = 2);
            break;
        case QAudioFormat::Int32: {
            const std::int32_t v = static_cast<std::int32_t>(sample) * 65536;
            std::memcpy(bytes, &v, size = 4);
            break;
        }
        case QAudioFormat::Float: {
            const float v = static_cast<float>(sample) / 32768.0f;
            std::memcpy(bytes, &v, size = 4);
            break;
        }
        default:
            return;
    }
    for (int channel = 0; channel < format.channelCount(); ++channel) out.append(bytes, size);
}

qint64 SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TonePlayer::TonePlayer(QObject* parent)
    : QObject(parent), timer_(new QTimer(this)), now_(SteadyMs) {
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &TonePlayer::tick);
}

TonePlayer::~TonePlayer() {
    Stop();
}

bool TonePlayer::Play(const ToneRecord& tone) {
    Stop();
    melody_ = MelodyOf(tone);
    if (melody_.empty()) return false;
    if (openAudio()) {
        renderer_ = std::make_unique<MelodyRenderer>(melody_, format_.sampleRate());
        feed();
    }
    startedMs_ = now_();
    timer_->start();
    return true;
}

void TonePlayer::Stop() {
    timer_->stop();
    closeAudio();
    renderer_.reset();
    melody_ = {};
}

bool TonePlayer::IsPlaying() const {
    return timer_->isActive();
}

bool TonePlayer::openAudio() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format = device.preferredFormat();
    QAudioFormat mono = format;
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(mono)) format = mono;
    if (format.sampleRate() <= 0 || format.channelCount() <= 0 || format.bytesPerFrame() <= 0)
        return false;
    format_ = format;
    sink_ = new QAudioSink(device, format_, this);
    output_ = sink_->start();
    if (output_ == nullptr || sink_->error() != QAudio::NoError) {
        closeAudio();
        return false;
    }
    return true;
}

void TonePlayer::closeAudio() {
    if (sink_ == nullptr) return;
    sink_->stop();
    delete sink_;
    sink_ = nullptr;
    output_ = nullptr;
}

void TonePlayer::feed() {
    if (sink_ == nullptr || output_ == nullptr || renderer_ == nullptr || renderer_->AtEnd())
        return;
    const qsizetype frames = sink_->bytesFree() / format_.bytesPerFrame();
    if (frames <= 0) return;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames));
    const std::size_t n = renderer_->Render(samples.data(), samples.size());
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(n) * format_.bytesPerFrame());
    for (std::size_t i = 0; i < n; ++i) AppendFrame(bytes, samples[i], format_);
    output_->write(bytes);
}

void TonePlayer::tick() {
    feed();
    const qint64 elapsed = now_() - startedMs_;
    const long long total = melody_.TotalMs();
    bool ended = elapsed >= total;
    if (sink_ != nullptr) {
        // The device starts late and holds a buffer: the melody has ended when the device has
        // played all of it, or has run dry after the last piece was handed over.
        const bool played =
            renderer_ != nullptr && renderer_->AtEnd() &&
            (sink_->processedUSecs() >= total * 1000 || sink_->state() != QAudio::ActiveState);
        // A device that stalls does not hold the window up for long.
        ended = (ended && played) || elapsed >= total + kStallGraceMs;
    }
    if (!ended) return;
    Stop();
    emit finished();
}

}  // namespace kv

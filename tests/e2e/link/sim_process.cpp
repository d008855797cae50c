// Starting, stopping and inspecting kv7700-sim for the end-to-end tests.
#include "e2e/link/sim_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>

#include "platform/raw_image_file.h"

namespace kv::test {

SimProcess::SimProcess() {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
}

SimProcess::~SimProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool SimProcess::Start(const MemoryImage& image, const QStringList& extra) {
    EXPECT_TRUE(dir_.isValid());
    const QString imageFile = FilePath("radio.img");
    EXPECT_EQ(SaveRawImage(imageFile, image), QString());
    QStringList arguments{"--image", imageFile, "--save", "--log", FilePath("frames.log")};
    arguments += extra;
    process_.start(KV_PROGRAM_DIR "/kv7700-sim", arguments);
    if (!process_.waitForStarted(5000)) {
        ADD_FAILURE() << "kv7700-sim did not start: " << process_.errorString().toStdString();
        return false;
    }
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    path_ = QString::fromUtf8(process_.readLine()).trimmed();
    if (!path_.startsWith('/')) {
        ADD_FAILURE() << "kv7700-sim printed no path; stderr: "
                      << process_.readAllStandardError().toStdString();
        return false;
    }
    return true;
}

bool SimProcess::Stop() {
    if (process_.state() != QProcess::NotRunning) ::kill(process_.processId(), SIGTERM);
    if (!process_.waitForFinished(5000)) return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

MemoryImage SimProcess::SavedImage() const {
    MemoryImage image;
    EXPECT_EQ(LoadRawImage(dir_.filePath("radio.img"), image), QString());
    return image;
}

std::vector<std::vector<std::uint8_t>> SimProcess::ReceivedFrames() const {
    std::vector<std::vector<std::uint8_t>> frames;
    QFile log(dir_.filePath("frames.log"));
    if (!log.open(QIODevice::ReadOnly)) return frames;
    while (!log.atEnd()) {
        const QList<QByteArray> fields = log.readLine().trimmed().split(' ');
        // "rx <number> <kind> <hex bytes...>"
        if (fields.size() < 4 || fields[0] != "rx") continue;
        std::vector<std::uint8_t> frame;
        for (qsizetype i = 3; i < fields.size(); ++i)
            frame.push_back(static_cast<std::uint8_t>(fields[i].toUInt(nullptr, 16)));
        frames.push_back(std::move(frame));
    }
    return frames;
}

MemoryImage PatternImage(std::uint8_t seed) {
    MemoryImage image;
    for (std::uint32_t a = 0; a < MemoryImage::size(); ++a)
        image.put(a, static_cast<std::uint8_t>((a * 7 + (a >> 8) * 13 + seed) & 0xFF));
    return image;
}

}  // namespace kv::test

// A kv7700-sim process for end-to-end tests: started with options, its pseudo-terminal path read
// from its first line of output, stopped with SIGTERM when the test is done.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "model/memory_image.h"

namespace kv::test {

class SimProcess {
public:
    SimProcess();
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Writes `image` as the simulator's image file, starts it with the image, --save, a frame
    // log and `extra` options, and waits for its path. False (with a test failure) when it does
    // not start.
    bool Start(const MemoryImage& image, const QStringList& extra = {});

    const QString& path() const { return path_; }
    QProcess& process() { return process_; }

    // Stops the simulator (SIGTERM) and waits for it; true when it exited with status 0.
    bool Stop();

    // The simulator's image file as it is now (it is saved after every END request).
    MemoryImage SavedImage() const;

    // The frames the simulator logged as received: one byte list per frame, in order.
    std::vector<std::vector<std::uint8_t>> ReceivedFrames() const;

    QString FilePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString path_;
};

// An image with a recognisable, address-dependent pattern in every byte.
MemoryImage PatternImage(std::uint8_t seed);

}  // namespace kv::test

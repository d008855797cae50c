// The application as installed: its real windows, data files and templates in a scratch
// installation (with a version table listing V100-V100), restartable on the same folder, with
// the simulated radio mapped to a port; message boxes answered by the test.
#pragma once

#include <QComboBox>

#include "e2e/link/sim_process.h"
#include "gui/app/shell_fixture.h"

namespace kv::test {

class InstalledShellTest : public ShellTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application with its own windows (no stand-ins) for an English system.
    void Start();
    // Ends the running application (as the user closing it without changes) and starts it again
    // on the same installation.
    void Restart();
    // Starts the simulated radio with `image` and chooses its port.
    bool StartRadio(const MemoryImage& image, const QStringList& options = {});
    // Triggers `menuItem` and waits until the box showing `text` has been asked.
    bool TriggerAndWaitFor(const char* menuItem, const TextPair& text);
    bool WaitForAsked(const TextPair& text, int timeoutMs = 60000);
    // The channel window's band selector.
    QComboBox* bandBox();
    // A value of the settings file.
    QString Setting(const QString& key);

    SimProcess sim_;
};

}  // namespace kv::test

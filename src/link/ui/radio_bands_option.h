// Setup → "Radio with HF and 10 m bands": shows whether the HF and 10 m bands are on offer and
// lets the user switch them for work without a radio. The flag is remembered in the settings
// file, so a restart offers the bands of the last radio read; every identification reply a
// session receives sets it again.
#pragma once

#include <QObject>

namespace kv {

class EditorHost;
struct ShellContext;

inline constexpr const char* kRadioBandsItem = "mnuRadioHfBands";

class RadioBandsOption : public QObject {
    Q_OBJECT
public:
    RadioBandsOption(ShellContext& context, EditorHost& main, QObject* parent);

    // After a session: keeps what the radio's identification reply said (the flag is unchanged
    // when no reply came) and shows it.
    void RememberRadio();

private:
    // The user's choice: the editors open again with the bands the flag allows.
    void choose(bool withBands);
    void store();

    ShellContext& context_;
    EditorHost& main_;
};

}  // namespace kv

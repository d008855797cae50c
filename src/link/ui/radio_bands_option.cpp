// The HF and 10 m bands option of the Setup menu.
#include "link/ui/radio_bands_option.h"

#include <QAction>

#include "app/main_window_tables.h"
#include "app/startup_settings.h"
#include "gui/editor_host.h"
#include "gui/shell_context.h"

namespace kv {

RadioBandsOption::RadioBandsOption(ShellContext& context, EditorHost& main, QObject* parent)
    : QObject(parent), context_(context), main_(main) {
    setObjectName(QStringLiteral("RadioBandsOption"));
    QAction* action = main_.menuAction(QString::fromLatin1(kRadioBandsItem));
    if (action == nullptr) return;
    action->setChecked(context_.Doc.Radio.RadioOptionFlag);
    connect(action, &QAction::triggered, this, &RadioBandsOption::choose);
}

void RadioBandsOption::RememberRadio() {
    store();
    if (QAction* action = main_.menuAction(QString::fromLatin1(kRadioBandsItem)))
        action->setChecked(context_.Doc.Radio.RadioOptionFlag);
}

void RadioBandsOption::choose(bool withBands) {
    if (context_.Doc.Radio.RadioOptionFlag == withBands) return;
    // The editors build their band lists when they open; what is being typed is kept first.
    main_.FinishEdits();
    context_.Doc.Radio.RadioOptionFlag = withBands;
    store();
    main_.CloseAllEditors();
    main_.OpenEditor(QString::fromLatin1(kChannelWindow));
    main_.CascadeEditors();
}

void RadioBandsOption::store() {
    context_.Settings.write(QString::fromLatin1(kSettingsSection),
                            QString::fromLatin1(kKeyRadioOptionFlag),
                            RadioOptionFlagText(context_.Doc.Radio.RadioOptionFlag));
}

}  // namespace kv

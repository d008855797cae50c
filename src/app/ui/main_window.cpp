// The main window and the document commands.
#include "app/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <memory>
#include <optional>

#include "app/document_title.h"
#include "app/main_window_tables.h"
#include "app/recent_files.h"
#include "app/shared_messages.h"
#include "app/shell_texts.h"
#include "app/startup_settings.h"
#include "app/twips.h"
#include "app/ui/about_window.h"
#include "app/ui/after_first_paint.h"
#include "app/ui/app_icon.h"
#include "app/ui/document_store.h"
#include "app/ui/language_window.h"
#include "app/ui/print_commands.h"
#include "app/ui/qt_translation.h"
#include "app/ui/recent_files_menu.h"
#include "app/ui/recovery_keeper.h"
#include "app/ui/system_info_tool.h"
#include "app/ui/toolbar_icons.h"
#include "app/ui/tree_panel.h"
#include "app/ui/user_guide_window.h"
#include "codec/image_codec.h"
#include "editors/channels/ui/band_map_window.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "exchange/ui/exchange_commands.h"
#include "exchange/ui/find_window.h"
#include "files/recovery_file.h"
#include "files/templates.h"
#include "files/version_table.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_mnemonics.h"
#include "gui/editor_window.h"
#include "gui/file_chooser.h"
#include "gui/link_commands.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"
#include "gui/window_registry.h"
#include "link/backup_store.h"
#include "link/safety_texts.h"
#include "model/band_range.h"
#include "model/memory_image.h"
#include "platform/placement_store.h"
#include "platform/recovery_store.h"
#include "platform/settings_file.h"

namespace kv {
namespace {

constexpr int kTreeMinimumTwips = 300;
// The smallest logical screen the windows fit at their first start.
constexpr QSize kSmallestFittedScreen(800, 600);
// The border, in pixels, a window system may draw around a window.
constexpr int kFrameAllowance = 4;
constexpr int kTreeStartTwips = 3000;

// The list-edit items drive the channel window's list commands. They start disabled: the
// channel window enables them while it is open.
void ConnectListEditCommands(MainWindow& main) {
    static constexpr std::pair<const char*, void (ListCommandWindow::*)()> kItems[] = {
        {"mnuCopy", &ListCommandWindow::ListCopy},
        {"mnuCut", &ListCommandWindow::ListCut},
        {"mnuPaste", &ListCommandWindow::ListPaste},
        {"mnuDelete", &ListCommandWindow::ListDelete},
        {"mnuInsertPaste", &ListCommandWindow::ListInsertPaste},
        {"mnuSortGroup", &ListCommandWindow::ListSortByFrequency},
        {"mnuMoveUp", &ListCommandWindow::ListMoveUp},
        {"mnuMoveDown", &ListCommandWindow::ListMoveDown},
    };
    for (const auto& [item, command] : kItems) {
        QAction* action = main.menuAction(QString::fromLatin1(item));
        action->setEnabled(false);
        QObject::connect(action, &QAction::triggered, &main, [&main, command = command] {
            QWidget* window = main.FindEditor(QString::fromLatin1(kChannelWindow));
            if (auto* list = WindowRegistry::InterfaceOf<ListCommandWindow>(window))
                (list->*command)();
        });
    }
}

}  // namespace

MainWindow::MainWindow(ShellContext& context, const WindowRegistry& editors, DocumentStore& store,
                       FileChooser& chooser, PlacementStore& placement,
                       ChannelWindowAtStart channelWindow, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      editors_(editors),
      store_(store),
      chooser_(chooser),
      placement_(placement),
      editor_(new DocumentEditor(context.Doc, context.Codec, this)) {
    setObjectName(QStringLiteral("frmMain"));
    recovery_ = new RecoveryKeeper(context.Doc, *editor_, store,
                                   RecoveryFolder(context.Folders, context.Settings), this);
    setWindowIcon(AppIcon());

    tree_ = new TreePanel(this);
    tree_->setMinimumWidth(TwipsToPixels(kTreeMinimumTwips, logicalDpiX()));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    new EditorMnemonics(mdi_, this);
    // Editor windows of a fixed size can be larger than a small screen's frame; scroll bars keep
    // their far side (and its Save button) within reach.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    plainBackground_ = mdi_->background();
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("imgSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(tree_);
    splitter_->addWidget(mdi_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({TwipsToPixels(kTreeStartTwips, logicalDpiX()), 1});
    setCentralWidget(splitter_);

    buildMenus();
    buildToolbar();
    buildStatusBar();
    connectCommands();
    recent_ = new RecentFilesMenu(
        context_.Settings, *menus_.at(QStringLiteral("mnuFile")),
        *actions_.at(QStringLiteral("mnuFileBarRecent")),
        [this](const QString& file) { OpenRecentFile(file); }, this);
    setAcceptDrops(true);

    restorePlacement();
    startNewDocument();
    const QString channelWindowName = QString::fromLatin1(kChannelWindow);
    if (channelWindow == ChannelWindowAtStart::Now) {
        OpenEditor(channelWindowName);
    } else {
        RunAfterFirstPaint(*this, [this, channelWindowName] {
            if (mdi_->subWindowList().isEmpty()) OpenEditor(channelWindowName);
        });
    }
}

MainWindow::~MainWindow() {
    // The undo history empties itself while the children go, after this window's actions are
    // gone: it must not reach back into them.
    editor_->disconnect(this);
}

int MainWindow::language() const {
    return context_.State.CurrentLanguage;
}

void MainWindow::buildMenus() {
    QMenu* current = nullptr;
    for (const auto& row : MainMenuRows()) {
        const QString name = QString::fromLatin1(row.Name);
        QAction* action = nullptr;
        switch (row.Kind) {
            case MenuRow::TopMenu:
                current = menuBar()->addMenu(QString());
                current->setObjectName(name);
                menus_[name] = current;
                action = current->menuAction();
                break;
            case MenuRow::Separator:
                action = current->addSeparator();
                break;
            case MenuRow::Item:
                action = current->addAction(QString());
                if (*row.Shortcut != '\0')
                    action->setShortcut(QKeySequence(QString::fromLatin1(row.Shortcut)));
                action->setCheckable(row.Checkable);
                action->setChecked(row.Checkable);
                break;
        }
        action->setObjectName(name);
        action->setVisible(row.Shown);
        actions_[name] = action;
    }
    connect(menus_[QStringLiteral("mnuWindow")], &QMenu::aboutToShow, this,
            &MainWindow::fillWindowMenu);
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const auto& row : ToolbarRows()) {
        QAction* action =
            row.Kind == ToolbarRow::Separator
                ? toolbar_->addSeparator()
                : toolbar_->addAction(ToolbarIcon(row.Key), QString::fromUtf8(row.Text));
        action->setObjectName(QString::fromLatin1(row.ObjectName));
        action->setData(QString::fromUtf8(row.Key));
        action->setVisible(row.Shown);
        toolButtons_[QString::fromUtf8(row.Key)] = action;
    }
}

void MainWindow::buildStatusBar() {
    static const char* const kNames[] = {"sbrStatus", "sbrModel", "sbrPort", "sbrDate", "sbrTime"};
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString::fromLatin1(kNames[i]));
        panels_[i]->setContentsMargins(6, 0, 6, 0);
        if (i == 0)
            statusBar()->addWidget(panels_[i], 1);
        else
            statusBar()->addPermanentWidget(panels_[i]);
    }
    panels_[0]->setText(Text(ShellTexts().StatusPanel.in(kLanguageEnglish)));
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("tmrClock"));
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &MainWindow::updateClock);
    clock_->start();
    updateClock();
}

void MainWindow::connectCommands() {
    const auto on = [this](const char* name, auto slot) {
        connect(actions_.at(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    const auto onTool = [this](const char* key, auto slot) {
        connect(toolButtons_.at(QString::fromUtf8(key)), &QAction::triggered, this, slot);
    };
    const auto openEditor = [this](const char* window) {
        return [this, window] { OpenEditor(QString::fromLatin1(window)); };
    };
    const auto read = [this] {
        if (link_) link_->ReadFromRadio();
    };
    const auto write = [this] {
        if (link_) link_->WriteToRadio();
    };
    const auto port = [this] {
        if (link_) link_->CommunicationPort();
    };

    on("mnuFileNew", [this] { FileNew(true); });
    on("mnuFileOpen", [this] { FileOpen(); });
    on("mnuFileSave", [this] { FileSave(); });
    on("mnuFileSaveAs", [this] { FileSaveAs(); });
    on("mnuFileExit", [this] { close(); });
    on("mnuChannelInfo", openEditor(kChannelWindow));
    on("mnuOptionFeatures", openEditor(kSettingsWindow));
    on("mnuRogerBeep", openEditor(kRogerBeepWindow));
    on("mnuDTMF", openEditor(kDtmfWindow));
    on("mnuReadFromRadio", read);
    on("mnuWriteToRadio", write);
    on("mnuCommPort", port);
    on("mnuLanguageSetup", [this] { ShowLanguageWindow(); });
    on("mnuInitialSetting", [this] { InitialSetting(); });
    on("mnuViewTree", [this](bool checked) { tree_->setVisible(checked); });
    on("mnuViewToolbar", [this](bool checked) { toolbar_->setVisible(checked); });
    on("mnuViewStatusBar", [this](bool checked) { statusBar()->setVisible(checked); });
    on("mnuWindowCascade", [this] { CascadeEditors(); });
    on("mnuWindowTileHorizontal", [this] { mdi_->tileSubWindows(); });
    on("mnuWindowTileVertical", [this] { mdi_->tileSubWindows(); });
    on("mnuWindowCloseAll", [this] { CloseAllEditors(); });
    on("mnuHelpAbout", [this] { ShowAbout(); });
    on("mnuHelpGuide", [this] { ShowUserGuide(); });
    qApp->installEventFilter(this);

    onTool("新建", [this] { FileNew(false); });
    onTool("打开", [this] { FileOpen(); });
    onTool("保存", [this] { FileSave(); });
    onTool("ReadRadio", read);
    onTool("CommSet", port);
    onTool("WriteRadio", write);
    onTool("About", [this] { ShowAbout(); });

    ConnectListEditCommands(*this);
    new PrintCommands(context_, *this);
    new ExchangeCommands(context_, *this);
    ConnectBandMapCommand(context_, *this);
    ConnectFindCommands(context_, *this);
    connectUndo();

    connect(tree_, &TreePanel::windowRequested, this, [this](const QString& w) { OpenEditor(w); });
    connect(tree_, &TreePanel::closeRequested, this, [this] {
        tree_->hide();
        actions_.at(QStringLiteral("mnuViewTree"))->setChecked(false);
    });
}

// ---- Placement -------------------------------------------------------------------------------

void MainWindow::restorePlacement() {
    const WindowPlacement p = placement_.load();
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    QPoint topLeft(TwipsToPixels(p.Left, dpiX), TwipsToPixels(p.Top, dpiY));
    const QSize size(TwipsToPixels(p.Width, dpiX), TwipsToPixels(p.Height, dpiY));
    // A placement from a screen that is no longer attached would put the window out of reach.
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
        topLeft = screen ? screen->availableGeometry().topLeft() : QPoint();
    }
    if (screen == nullptr) {
        move(topLeft);
        resize(size.expandedTo(minimumSizeHint()));
        return;
    }
    const QRect available = screen->availableGeometry();
    // Below the smallest screen the windows are laid out for (a scaled small screen), the main
    // window takes the whole screen and its editors scroll within it.
    if (available.width() < kSmallestFittedScreen.width() ||
        available.height() < kSmallestFittedScreen.height()) {
        setGeometry(available);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // The window fits the screen whole, its frame included, and lies within it. The frame the
    // window system adds is not known before the window is shown: its title bar and a border of
    // kFrameAllowance pixels are allowed for. A window's position is that of its frame.
    const QSize frameExtra(2 * kFrameAllowance,
                           style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * kFrameAllowance);
    const QSize client =
        size.expandedTo(minimumSizeHint()).boundedTo(available.size() - frameExtra);
    QRect placed(topLeft, client + frameExtra);
    if (placed.right() > available.right()) placed.moveRight(available.right());
    if (placed.bottom() > available.bottom()) placed.moveBottom(available.bottom());
    if (placed.left() < available.left()) placed.moveLeft(available.left());
    if (placed.top() < available.top()) placed.moveTop(available.top());
    move(placed.topLeft());
    resize(client);
}

void MainWindow::savePlacement() {
    if (isMinimized()) return;
    QRect geometry(pos(), size());
    if (isMaximized()) {
        // The normal geometry is the client area's, a placement the frame's: without taking the
        // title bar and border off, each maximized exit would move the window down by them.
        const QPoint frame = this->geometry().topLeft() - frameGeometry().topLeft();
        geometry = QRect(normalGeometry().topLeft() - frame, normalGeometry().size());
    }
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    placement_.save({PixelsToTwips(geometry.x(), dpiX), PixelsToTwips(geometry.y(), dpiY),
                     PixelsToTwips(geometry.width(), dpiX),
                     PixelsToTwips(geometry.height(), dpiY)});
}

// ---- Texts -----------------------------------------------------------------------------------

void MainWindow::Change_Language() {
    const int lang = language();
    ApplyQtTranslation(lang);
    panels_[2]->setText(Text(ShellTexts().PortLabel.in(lang)) +
                        QString::number(context_.State.comPort));
    LoadBKPic();
    UpdateTitle();
    for (const auto& row : MainMenuRows()) {
        if (row.Kind == MenuRow::Separator) continue;
        const QString caption = Text(row.Caption.in(lang));
        if (row.Kind == MenuRow::TopMenu)
            menus_.at(QString::fromLatin1(row.Name))->setTitle(caption);
        else
            actions_.at(QString::fromLatin1(row.Name))->setText(caption);
    }
    for (const auto& row : ToolbarRows()) {
        if (*row.TooltipFrom == '\0') continue;
        const std::string caption = FindMenuRow(row.TooltipFrom)->Caption.in(lang);
        toolButtons_.at(QString::fromUtf8(row.Key))
            ->setToolTip(Text(CaptionWithoutAccessKey(caption)));
    }
    tree_->Rebuild(lang);
    updateUndoActions();
}

void MainWindow::UpdateTitle() {
    const Document& doc = context_.Doc;
    // Once the channel window has shown a band, the title names that band's range.
    const int shown = ChannelEditorState::Of(*this).DisplayedBandMode;
    const std::string range =
        shown >= 0 && shown < kBandCount ? kBandRangeTexts[shown] : doc.BandRangeText;
    // The marker shows exactly when Exit would ask to save.
    setWindowTitle(Text(MainWindowTitle(range, doc.DocumentName, language())) +
                   QStringLiteral("[*]"));
    setWindowModified(store_.IsChanged(doc));
    panels_[1]->setText(Text(ModelPanelText(range)));
}

void MainWindow::LoadBKPic() {
    const QImage picture(context_.Folders.backgroundPicture(language()));
    // The picture is tiled without its one-pixel border.
    if (picture.width() <= 2 || picture.height() <= 2) {
        mdi_->setBackground(plainBackground_);
        return;
    }
    mdi_->setBackground(QBrush(picture.copy(1, 1, picture.width() - 2, picture.height() - 2)));
}

QString MainWindow::fileFilter() const {
    return Text(SharedMessages().DataFileLabel.in(language())) + QStringLiteral(" (*.dat)");
}

QString MainWindow::openFilter() const {
    return fileFilter() + QStringLiteral(";;") +
           Text(SafetyTexts().RadioImageLabel.in(language())) + QStringLiteral(" (*.img)");
}

void MainWindow::updateClock() {
    const QLocale locale = QLocale::system();
    panels_[3]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[4]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

// ---- Activation and closing ------------------------------------------------------------------

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) applyLanguageIfChanged();
    // A maximized editor that closes clears the marker of the window it was shown in; the marker
    // follows the document, not the editors.
    if (event->type() == QEvent::ModifiedChange && !isWindowModified() &&
        store_.IsChanged(context_.Doc))
        setWindowModified(true);
    return QMainWindow::event(event);
}

void MainWindow::applyLanguageIfChanged() {
    AppState& state = context_.State;
    if (state.CurrentLanguage == state.LanguageShownByMainWindow) return;
    if (!ResolveEditorCopies()) {
        // The user kept a window open: the language stays as the windows show it.
        state.CurrentLanguage = state.LanguageShownByMainWindow;
        context_.Settings.write(QString::fromLatin1(kSettingsSection),
                                QString::fromLatin1(kKeyCurrentLanguage),
                                std::to_string(state.CurrentLanguage));
        return;
    }
    state.LanguageShownByMainWindow = state.CurrentLanguage;
    Change_Language();
    CloseAllEditors();
    OpenEditor(QString::fromLatin1(kChannelWindow));
    CascadeEditors();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!handingOver_ && !ConfirmDiscardOrSave()) {
        event->ignore();
        return;
    }
    savePlacement();
    event->accept();
}

// ---- Editor windows --------------------------------------------------------------------------

QMdiSubWindow* MainWindow::subWindowFor(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() != nullptr && sub->widget()->objectName() == name) return sub;
    return nullptr;
}

QWidget* MainWindow::FindEditor(const QString& name) const {
    QMdiSubWindow* sub = subWindowFor(name);
    return sub ? sub->widget() : nullptr;
}

QWidget* MainWindow::OpenEditor(const QString& name) {
    if (QMdiSubWindow* existing = subWindowFor(name)) {
        if (existing->isMinimized()) existing->showNormal();
        mdi_->setActiveSubWindow(existing);
        return existing->widget();
    }
    QWidget* editor = editors_.Create(name.toStdString(), context_, *this);
    if (editor == nullptr) return nullptr;
    editor->setObjectName(name);
    QMdiSubWindow* sub = mdi_->addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    CascadeEditors();
    return editor;
}

bool MainWindow::CloseAllEditors() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->close()) return false;
        // A window that deletes itself on closing has left the area already; removing it again
        // is a mistake Qt warns about.
        if (mdi_->subWindowList().contains(sub)) mdi_->removeSubWindow(sub);
    }
    return true;
}

void MainWindow::CascadeEditors() {
    mdi_->cascadeSubWindows();
    for (QMdiSubWindow* sub : mdi_->subWindowList()) FitEditorFrame(sub);
}

void MainWindow::DocumentEdited(const DocumentEdit& edit) {
    editor_->Edited(edit);
}

void MainWindow::ShowStatusMessage(const TextPair& text) {
    statusBar()->showMessage(Text(text.in(language())));
}

void MainWindow::FinishEdits() {
    // Editors store what is being typed when they lose the focus; the rest say how themselves.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && mdi_->isAncestorOf(focus)) focus->clearFocus();
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* editor = WindowRegistry::InterfaceOf<EditorWindow>(sub->widget()))
            editor->FinishEdit();
}

QAction* MainWindow::menuAction(const QString& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* MainWindow::toolAction(const QString& key) const {
    const auto found = toolButtons_.find(key);
    return found == toolButtons_.end() ? nullptr : found->second;
}

void MainWindow::fillWindowMenu() {
    QMenu* menu = menus_.at(QStringLiteral("mnuWindow"));
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (!windows.isEmpty()) windowListActions_.append(menu->addSeparator());
    for (QMdiSubWindow* sub : windows) {
        QAction* action = menu->addAction(sub->windowTitle());
        action->setCheckable(true);
        action->setChecked(sub == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
        windowListActions_.append(action);
    }
}

// ---- Document commands -----------------------------------------------------------------------

void MainWindow::LoadNewDoc() {
    startNewDocument();
    OpenEditor(QString::fromLatin1(kChannelWindow));
}

void MainWindow::startNewDocument() {
    FinishEdits();
    store_.LoadTemplate(context_.Doc, TemplateKind::New);
    Change_Language();
    editor_->Replaced();
    UpdateTitle();
}

// The open windows stay and redraw from the new document; the channel window is brought up.
void MainWindow::documentReplaced() {
    editor_->Replaced();
    UpdateTitle();
    OpenEditor(QString::fromLatin1(kChannelWindow));
}

void MainWindow::FileNew(bool warn) {
    if (warn) {
        if (!ResolveEditorCopies()) return;
        if (ShowMessage(this, language(), SharedMessages().NewDocumentWarning,
                        MessageButtons::OkCancel, MessageIcon::Warning) != MessageAnswer::Ok)
            return;
    } else if (!ConfirmDiscardOrSave()) {
        // Without the warning one click would throw away edits or a radio read.
        return;
    }
    LoadNewDoc();
}

void MainWindow::InitialSetting() {
    if (!ConfirmDiscardOrSave()) return;
    store_.LoadTemplate(context_.Doc, TemplateKind::InitialSetting);
    documentReplaced();
}

bool MainWindow::writeDocument(const std::string& path) {
    FinishEdits();
    Document& doc = context_.Doc;
    const StoreResult result = store_.Save(doc, path);
    if (!result.Ok) {
        UpdateTitle();
        ShowMessage(this, language(),
                    result.Message.empty() ? SharedMessages().FileError : result.Message);
        return false;
    }
    doc.DocumentName = path;
    doc.DocumentUntitled = false;
    recovery_->DocumentSaved();
    UpdateTitle();
    recent_->Add(QString::fromStdString(path));
    return true;
}

bool MainWindow::FileSaveAs() {
    FinishEdits();
    const Document& doc = context_.Doc;
    // An untitled document has no folder of its own: start in the user's home folder.
    const QString start = doc.DocumentUntitled
                              ? QDir::home().filePath(Text(FileNamePart(doc.DocumentName)))
                              : Text(doc.DocumentName);
    const auto chosen = chooser_.chooseSave(this, fileFilter(), start, QString());
    if (!chosen) return false;
    return writeDocument(chosen->toStdString());
}

bool MainWindow::FileSave() {
    FinishEdits();
    const Document& doc = context_.Doc;
    if (doc.DocumentUntitled) return FileSaveAs();
    if (ShowMessage(this, language(), OverwriteQuestionFor(doc.DocumentName),
                    MessageButtons::OkCancel, MessageIcon::Question) != MessageAnswer::Ok)
        return false;
    return writeDocument(doc.DocumentName);
}

bool MainWindow::ResolveEditorCopies() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        auto* editor = WindowRegistry::InterfaceOf<EditorWindow>(sub->widget());
        if (editor != nullptr && !editor->ResolveCopy()) return false;
    }
    return true;
}

bool MainWindow::ConfirmDiscardOrSave() {
    // A window's own copy is settled first: saving it may change the document.
    if (!ResolveEditorCopies()) return false;
    FinishEdits();
    Document& doc = context_.Doc;
    if (!store_.IsChanged(doc)) return true;
    switch (ShowMessage(this, language(), SharedMessages().UnsavedChanges,
                        MessageButtons::YesNoCancel, MessageIcon::Warning)) {
        case MessageAnswer::No:
            return true;
        case MessageAnswer::Yes:
            return doc.DocumentUntitled ? FileSaveAs() : writeDocument(doc.DocumentName);
        default:
            return false;
    }
}

void MainWindow::FileOpen() {
    if (!ConfirmDiscardOrSave()) return;
    Document& doc = context_.Doc;
    const QString start =
        doc.DocumentUntitled ? QDir::homePath() : QFileInfo(Text(doc.DocumentName)).absolutePath();
    const auto chosen = chooser_.chooseOpen(this, openFilter(), start);
    if (!chosen) return;
    openChosenFile(*chosen);
}

bool MainWindow::openChosenFile(const QString& file) {
    if (file.endsWith(QStringLiteral(".img"), Qt::CaseInsensitive))
        return openRadioImage(file.toStdString());
    return OpenDataFile(file);
}

bool MainWindow::OpenFileAsking(const QString& file) {
    return ConfirmDiscardOrSave() && openChosenFile(file);
}

void MainWindow::OpenRecentFile(const QString& file) {
    if (!QFileInfo::exists(file)) {
        recent_->Remove(file);
        ShowMessage(this, language(), RecentFileMissingText(file.toStdString()), MessageButtons::Ok,
                    MessageIcon::Warning);
        return;
    }
    OpenFileAsking(file);
}

// ---- Drag and drop ---------------------------------------------------------------------------

namespace {

// The first local data file or radio image among the dropped things; empty when there is none.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (file.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ||
            file.endsWith(QStringLiteral(".img"), Qt::CaseInsensitive))
            return file;
    }
    return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    // The questions and the open run once the drop has ended, not inside the drop's handler.
    QMetaObject::invokeMethod(
        this, [this, file] { OpenFileAsking(file); }, Qt::QueuedConnection);
}

bool MainWindow::OpenDataFile(const QString& file) {
    Document& doc = context_.Doc;
    const std::string path = file.toStdString();
    FinishEdits();
    const OpenOutcome outcome = store_.Open(doc, path);
    switch (outcome.Result) {
        case OpenOutcome::Kind::Opened:
            doc.DocumentName = path;
            doc.DocumentUntitled = false;
            recent_->Add(file);
            Change_Language();
            documentReplaced();
            if (!outcome.Message.empty()) ShowMessage(this, language(), outcome.Message);
            return true;
        case OpenOutcome::Kind::Failed:
            ShowMessage(this, language(),
                        outcome.Message.empty() ? SharedMessages().FileError : outcome.Message);
            break;
        case OpenOutcome::Kind::OtherVersion:
            // The unsaved-changes question was asked before the file was chosen.
            if (ShowMessage(this, language(), outcome.Message, MessageButtons::YesNo) ==
                MessageAnswer::Yes)
                StartHandOver(outcome.OtherVersion);
            break;
    }
    return false;
}

bool MainWindow::openRadioImage(const std::string& path) {
    auto image = std::make_unique<MemoryImage>();
    if (const std::optional<TextPair> reason = LoadImageFile(path, *image)) {
        ShowMessage(this, language(), ImageFileError(path, *reason));
        return false;
    }
    ShowRadioData(*image);
    recent_->Add(QString::fromStdString(path));
    return true;
}

void MainWindow::ShowRadioData(const MemoryImage& image) {
    FinishEdits();
    Document& doc = context_.Doc;
    DecodeImage(image, doc.Working, context_.Codec);
    // The radio's data has no file yet: the title and the next Save must not name the old one.
    doc.DocumentName = kUntitledName;
    doc.DocumentUntitled = true;
    Change_Language();
    documentReplaced();
}

void MainWindow::RestoreDocument(RecoveryContent& content) {
    FinishEdits();
    Document& doc = context_.Doc;
    doc.Working = std::move(content.Working);
    doc.Staged = std::move(content.Staged);
    doc.BandRangeText = content.BandRangeText;
    ParseBandRange(doc);
    doc.DocumentName = content.DocumentName;
    doc.DocumentUntitled = content.DocumentUntitled;
    Change_Language();
    documentReplaced();
}

bool MainWindow::HandOverTo(const std::string& otherVersion) {
    return PrepareHandOver(otherVersion) && StartHandOver(otherVersion);
}

bool MainWindow::PrepareHandOver(const std::string& otherVersion) {
    if (!store_.HasOtherVersion(otherVersion)) {
        ShowMessage(this, language(), VersionMissingText());
        return false;
    }
    return ConfirmDiscardOrSave();
}

bool MainWindow::StartHandOver(const std::string& otherVersion) {
    const StoreResult result = store_.StartOtherVersion(otherVersion);
    if (!result.Ok) {
        ShowMessage(this, language(), result.Message);
        return false;
    }
    handingOver_ = true;
    emit quitRequested(0);
    return true;
}

// ---- Modal windows ---------------------------------------------------------------------------

void MainWindow::ShowLanguageWindow() {
    LanguageWindow window(context_.State, context_.Settings, this);
    window.exec();
    applyLanguageIfChanged();
}

void MainWindow::ShowUserGuide() {
    const QMdiSubWindow* active = mdi_->currentSubWindow();
    const QString window = active != nullptr && active->widget() != nullptr
                               ? active->widget()->objectName()
                               : objectName();
    kv::ShowUserGuide(this, context_.Folders.Program, language(), window);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return QMainWindow::eventFilter(watched, event);
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr) front = QApplication::activeWindow();
    // The main window's own F1 is its menu item's shortcut; the guide's F1 does nothing more.
    if (front == nullptr || front == this || front->objectName() == QLatin1String("frmUserGuide"))
        return QMainWindow::eventFilter(watched, event);
    kv::ShowUserGuide(front, context_.Folders.Program, language(), front->objectName());
    return true;
}

void MainWindow::ShowAbout() {
    const int lang = language();
    AboutWindow window(lang, lang == kLanguageChinese ? FindSystemInfoTool() : QString(), this);
    window.exec();
}

}  // namespace kv

// The window of the findings before a write.
#include "link/ui/write_findings_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/shared_messages.h"
#include "app/shell_texts.h"
#include "files/data_file.h"
#include "files/safe_save.h"
#include "gui/file_chooser.h"

namespace kv {
namespace {

QString Text(const TextPair& text, int language) {
    return QString::fromStdString(text.in(language));
}

// Lines shown before the list scrolls, and the share of the screen the window may take.
constexpr int kLinesShown = 12;
constexpr double kScreenShare = 0.8;

}  // namespace

WriteFindingsWindow::WriteFindingsWindow(const std::vector<WriteFinding>& findings, int language,
                                         FileChooser& chooser, QWidget* parent)
    : QDialog(parent),
      list_(WriteCheckList(findings, language)),
      language_(language),
      chooser_(chooser) {
    setObjectName(QStringLiteral("WriteFindings"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    const WriteCheckWindowTexts& t = WriteCheckTexts();

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    auto* head = new QLabel(Text(t.Head, language), this);
    head->setObjectName(QStringLiteral("Head"));
    head->setWordWrap(true);
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(icon, 0, Qt::AlignTop);
    headRow->addWidget(head, 1);

    view_ = new QPlainTextEdit(this);
    view_->setObjectName(QStringLiteral("Findings"));
    view_->setReadOnly(true);
    // A bullet starts each finding, so that a wrapped line is not taken for the next one.
    QStringList lines;
    for (const WriteFinding& finding : findings)
        lines << QStringLiteral("• ") + Text(finding.Line, language);
    view_->setPlainText(lines.join(QLatin1Char('\n')));
    const QFontMetrics metrics(view_->font());
    view_->setMinimumHeight(kLinesShown * metrics.lineSpacing());
    view_->setMinimumWidth(60 * metrics.averageCharWidth());

    auto* copy = new QPushButton(Text(t.CopyButton, language), this);
    copy->setObjectName(QStringLiteral("CommandCopy"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &WriteFindingsWindow::copyList);
    auto* save = new QPushButton(Text(t.SaveButton, language), this);
    save->setObjectName(QStringLiteral("CommandSave"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &WriteFindingsWindow::saveList);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(copy);
    listButtons->addWidget(save);
    listButtons->addStretch();

    auto* question = new QLabel(Text(t.Question, language), this);
    question->setObjectName(QStringLiteral("Question"));
    auto* answer = new QDialogButtonBox(this);
    auto* ok =
        answer->addButton(Text(SharedMessages().OkButton, language), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("CommandOK"));
    auto* cancel = answer->addButton(Text(SharedMessages().CancelButton, language),
                                     QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setDefault(true);
    connect(answer, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(answer, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* questionRow = new QHBoxLayout;
    questionRow->addWidget(question, 1);
    questionRow->addWidget(answer);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headRow);
    layout->addWidget(view_, 1);
    layout->addLayout(listButtons);
    layout->addLayout(questionRow);

    // Room for twice the lines the list shows at least, within the screen; the question and its
    // buttons never leave it.
    QSize size = sizeHint() + QSize(0, kLinesShown * metrics.lineSpacing());
    size.setWidth(std::max(size.width(), 90 * metrics.averageCharWidth()));
    if (const QScreen* screen =
            parent != nullptr ? parent->screen() : QApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * kScreenShare;
        size = size.boundedTo(room);
    }
    resize(size);
}

void WriteFindingsWindow::copyList() {
    QApplication::clipboard()->setText(QString::fromStdString(list_));
}

void WriteFindingsWindow::saveList() {
    const WriteCheckWindowTexts& t = WriteCheckTexts();
    const QString filter = Text(t.TextFileLabel, language_) + QStringLiteral(" (*.txt)");
    const QString start = QDir::home().filePath(QStringLiteral("findings.txt"));
    const std::optional<QString> path =
        chooser_.chooseSave(this, filter, start, Text(t.SaveTitle, language_));
    if (!path) return;
    const std::optional<FileFailure> failure =
        SaveFileSafely(QFile::encodeName(*path).toStdString(), list_);
    if (!failure) return;
    const TextPair reason = FileFailureReason(*failure);
    const std::string file = path->toStdString();
    ShowMessage(this, language_,
                {t.SaveFailed.en + "\n" + file + ": " + reason.en,
                 t.SaveFailed.zh + "\n" + file + "：" + reason.zh},
                MessageButtons::Ok, MessageIcon::Warning);
}

MessageAnswer AskAboutWriteFindings(const std::vector<WriteFinding>& findings, int language,
                                    FileChooser& chooser, QWidget* parent) {
    const TextPair report = WriteCheckReport(findings);
    if (const std::optional<MessageAnswer> answered = AnsweredByAnswerer(
            {report, report.in(language), MessageButtons::OkCancel, MessageIcon::Warning}))
        return *answered;
    WriteFindingsWindow window(findings, language, chooser, parent);
    return window.exec() == QDialog::Accepted ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace kv

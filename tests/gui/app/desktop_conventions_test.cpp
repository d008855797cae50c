// What a desktop program is expected to do: recent files in File that survive a restart, a data
// file or radio image dropped on the window opening as Open opens it, Qt's own texts in the
// program's language, and the channel sheet printed to PDF and shown in the print preview.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/recent_files.h"
#include "app/ui/recent_files_menu.h"
#include "codec/image_codec.h"
#include "files/data_file.h"
#include "gui/app/installed_shell_fixture.h"
#include "platform/raw_image_file.h"

namespace kv::test {
namespace {

class DesktopTest : public InstalledShellTest {
protected:
    void SetUp() override {
        InstalledShellTest::SetUp();
        Start();
        main().show();
    }

    // A copy of the new-document template under `name` in the scratch folder.
    QString TemplateCopy(const QString& name) {
        const QString path = dir_.filePath(name);
        const QString base = QStringLiteral(KV_PROGRAM_DIR "/Init/1_KV7700_New");
        EXPECT_TRUE(QFile::copy(base + QStringLiteral(".dat"), path));
        EXPECT_TRUE(QFile::copy(base + QStringLiteral(".fre"),
                                path.left(path.size() - 4) + QStringLiteral(".fre")));
        return path;
    }

    QStringList RecentItems() {
        QStringList files;
        for (int n = 1; n <= kRecentFileCount; ++n)
            if (auto* item = main().findChild<QAction*>(QStringLiteral("mnuRecentFile%1").arg(n));
                item != nullptr && item->isVisible())
                files << item->data().toString();
        return files;
    }

    void Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = main().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &enter);
        dropAccepted_ = enter.isAccepted();
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &drop);
        QTest::qWait(50);
    }

    QString PdfText(const QString& pdf) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        EXPECT_EQ(text.exitCode(), 0) << text.readAllStandardError().toStdString();
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    bool dropAccepted_ = false;
};

TEST_F(DesktopTest, RecentFilesSurviveARestartAndAMissingOneIsRemoved) {
    const QString first = TemplateCopy(QStringLiteral("first.dat"));
    const QString second = TemplateCopy(QStringLiteral("second.dat"));
    ASSERT_TRUE(main().OpenDataFile(first));
    ASSERT_TRUE(main().OpenDataFile(second));
    const QString savedAs = dir_.filePath(QStringLiteral("saved.dat"));
    chooser_->Answers.push_back(savedAs);
    trigger("mnuFileSaveAs");
    EXPECT_EQ(RecentItems(), (QStringList{savedAs, second, first}));

    Restart();
    EXPECT_EQ(RecentItems(), (QStringList{savedAs, second, first}));
    auto* item = main().findChild<QAction*>(QStringLiteral("mnuRecentFile3"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&3 ") + first);
    item->trigger();
    EXPECT_EQ(doc().DocumentName, first.toStdString());
    EXPECT_EQ(RecentItems(), (QStringList{first, savedAs, second}));

    ASSERT_TRUE(QFile::remove(second));
    Answer({MessageAnswer::Ok});
    main().findChild<QAction*>(QStringLiteral("mnuRecentFile3"))->trigger();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, RecentFileMissingText(second.toStdString()));
    EXPECT_EQ(doc().DocumentName, first.toStdString());
    FlushDeletes();
    EXPECT_EQ(RecentItems(), (QStringList{first, savedAs}));
    Restart();
    EXPECT_EQ(RecentItems(), (QStringList{first, savedAs}));
}

TEST_F(DesktopTest, KeepsTheLastEight) {
    QStringList opened;
    for (int n = 0; n < 10; ++n) {
        opened.prepend(TemplateCopy(QStringLiteral("f%1.dat").arg(n)));
        ASSERT_TRUE(main().OpenDataFile(opened.front()));
    }
    FlushDeletes();
    EXPECT_EQ(RecentItems(), opened.mid(0, 8));
}

TEST_F(DesktopTest, RadioImagesAreRecentToo) {
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(doc().Working, *image);
    const QString path = dir_.filePath(QStringLiteral("radio.img"));
    ASSERT_TRUE(SaveRawImage(path, *image).isEmpty());
    Drop({QUrl::fromLocalFile(path)});
    EXPECT_TRUE(dropAccepted_);
    EXPECT_EQ(RecentItems(), QStringList{path});
}

TEST_F(DesktopTest, DroppedDataFileOpensAfterTheUnsavedChangesQuestion) {
    const QString file = TemplateCopy(QStringLiteral("dropped.dat"));
    doc().settings().Squelch = static_cast<i16>(doc().settings().Squelch + 1);
    // Cancel keeps the changed document.
    Answer({MessageAnswer::Cancel});
    Drop({QUrl::fromLocalFile(file)});
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges);
    EXPECT_TRUE(doc().DocumentUntitled);
    // No opens it.
    Answer({MessageAnswer::No});
    Drop({QUrl::fromLocalFile(file)});
    EXPECT_EQ(Asked.size(), 2u);
    EXPECT_EQ(doc().DocumentName, file.toStdString());
    EXPECT_FALSE(doc().DocumentUntitled);
}

TEST_F(DesktopTest, OtherDroppedThingsAreRefused) {
    const QString text = dir_.filePath(QStringLiteral("notes.txt"));
    Drop({QUrl::fromLocalFile(text), QUrl(QStringLiteral("https://example.org/a.dat"))});
    EXPECT_FALSE(dropAccepted_);
    EXPECT_TRUE(Asked.empty());
    EXPECT_TRUE(doc().DocumentUntitled);
}

// Qt's standard texts, as the file windows and message boxes show them.
TEST_F(DesktopTest, QtTextsFollowTheLanguage) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const auto fileName = [] { return QCoreApplication::translate("QFileDialog", "File &name:"); };
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    state().CurrentLanguage = kLanguageChinese;
    main().Change_Language();
    EXPECT_EQ(cancel(), QStringLiteral("取消"));
    EXPECT_NE(fileName(), QStringLiteral("File &name:"));
    state().CurrentLanguage = kLanguageEnglish;
    main().Change_Language();
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

TEST_F(DesktopTest, ExportPdfHasOneTablePerGroupInUse) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        state().CurrentLanguage = language;
        const QString pdf = dir_.filePath(QStringLiteral("sheet%1.pdf").arg(language));
        chooser_->Answers.push_back(pdf);
        trigger("mnuFileExportPdf");
        ASSERT_TRUE(QFile::exists(pdf));
        const QString text = PdfText(pdf);
        const bool zh = language == kLanguageChinese;
        EXPECT_EQ(text.count(zh ? QStringLiteral("CB 波段，第") : QStringLiteral("CB band, group")),
                  7);
        EXPECT_EQ(text.count(zh ? QStringLiteral("HF 波段，第") : QStringLiteral("HF band, group")),
                  15);
        EXPECT_EQ(
            text.count(zh ? QStringLiteral("HAM 波段，第") : QStringLiteral("HAM band, group")),
            12);
        EXPECT_TRUE(text.contains(QStringLiteral("26.96500")));
        EXPECT_TRUE(text.contains(zh ? QStringLiteral("设置") : QStringLiteral("Settings")));
        EXPECT_EQ(chooser_->Calls.back().Filter,
                  zh ? QStringLiteral("PDF 文件 (*.pdf)") : QStringLiteral("PDF File (*.pdf)"));
    }
}

TEST_F(DesktopTest, PrintPreviewShowsTheSheet) {
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) return;
        QTest::qWait(100);
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        if (view != nullptr) pages = view->pageCount();
        preview->reject();
    });
    trigger("mnuFilePrintPreview");
    EXPECT_GE(pages, 2);
}

}  // namespace
}  // namespace kv::test

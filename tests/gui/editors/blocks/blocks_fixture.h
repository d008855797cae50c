// A main window with the emergency, dual-watch, memory-key and weather windows registered, on
// the radio command fixture so that a test can also read and write the simulated radio.
#pragma once

#include <QComboBox>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTreeWidget>

#include "app/main_window_tables.h"
#include "app/ui/main_window.h"
#include "editors/blocks/ui/block_window.h"
#include "editors/blocks/ui/weather_window.h"
#include "gui/link/link_fixture.h"
#include "gui/pick_list.h"

namespace kv::blockstest {

class SpecialWindowTest : public linktest::LinkFixture {
protected:
    SpecialWindowTest() {
        editors_.Register(kEmergencyWindow, CreateEmergencyWindow);
        editors_.Register(kDualWatchWindow, CreateDualWatchWindow);
        editors_.Register(kMemoryKeyWindow, CreateMemoryKeyWindow);
        editors_.Register(kWeatherWindow, CreateWeatherWindow);
        main().show();
    }

    // Clicks the tree node with this caption and returns the window named `name`.
    QWidget* OpenFromTree(const char* caption, const char* name) {
        auto* tree = main().findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        const auto items =
            tree->findItems(QString::fromLatin1(caption), Qt::MatchExactly | Qt::MatchRecursive);
        if (items.size() != 1) return nullptr;
        emit tree->itemClicked(items.front(), 0);
        return main().FindEditor(QString::fromLatin1(name));
    }

    template <typename T = QComboBox>
    static T* Child(QWidget* window, const QString& name) {
        auto* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    static QComboBox* List(QWidget* window, int index) {
        return Child(window, QStringLiteral("Combo1_%1").arg(index));
    }
    static QStringList Items(QComboBox* list) {
        QStringList items;
        // The entries the list offers, without a stored value shown as itself.
        for (int i = 0; i < EntryCount(list); ++i) items << list->itemText(i);
        return items;
    }
    // The user picks the entry with this text, as a choice in the open list reports it.
    static void Pick(QComboBox* list, const QString& text) {
        const int position = list->findText(text);
        ASSERT_GE(position, 0) << text.toStdString();
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
    static void CloseFrame(QWidget* window) {
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        ASSERT_NE(frame, nullptr);
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace kv::blockstest

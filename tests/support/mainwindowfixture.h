#pragma once

#include "guitest.h"
#include "mainwin/mainwindow.h"

#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// A main window started as the program starts it, in a start folder of its
// own that holds the licence document, shown and active.
class MainWindowFixture
{
public:
    // Loads the window and waits for its start-up step. Returns whether the
    // window was hidden right after its load and then came up shown and active.
    bool start();

    mainwin::MainWindow* window() const { return m_window.get(); }
    QString startFolder() const { return m_folder.path() + u'/'; }
    // Where the window keeps the reader's history, favourites and notes:
    // `folder`, or a folder of the fixture's own. A window started again over
    // the same folder finds them.
    void keepIn(const QString& folder) { m_keptFolder = folder; }
    QString keptFolder() const
    {
        return m_keptFolder.isEmpty() ? m_folder.filePath(QStringLiteral("kept")) : m_keptFolder;
    }
    // Closes the window as the reader does, then starts a new one.
    bool restart();

    template <class T = QWidget> T* control(const QString& name) const
    {
        return named<T>(m_window.get(), name);
    }
    ui::Label* selector(int k) const;
    QWidget* page(int k) const;
    // Clicks selector k; returns whether page k is then the one shown.
    bool choosePage(int k) const;

private:
    QTemporaryDir m_folder;
    QString m_keptFolder;
    std::unique_ptr<mainwin::MainWindow> m_window;
};

} // namespace testsupport

#include "mainwindowfixture.h"

#include "ui/fonts.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace testsupport {

bool MainWindowFixture::start()
{
    ui::installFonts();
    QFile::copy(QStringLiteral(VITRALIS_DATA_DIR "/../documents/Licencebis.rtf"),
                m_folder.filePath(u"Licencebis.rtf"_s));
    m_window = std::make_unique<mainwin::MainWindow>(mainwin::ProgramValues{
        startFolder(), u"1.40"_s, u"https://vitralis.example.org/"_s, keptFolder(), false});
    m_window->load();
    const bool hiddenAtLoad = !m_window->isVisible(); // shown by the start-up step
    if (!QTest::qWaitFor([this] { return m_window->isVisible(); }, 5000))
        return false;
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get()) && hiddenAtLoad;
}

bool MainWindowFixture::restart()
{
    m_window->close();
    m_window.reset();
    return start();
}

ui::Label* MainWindowFixture::selector(int k) const
{
    return control<ui::Label>(u"LbOp(%1)"_s.arg(k));
}

QWidget* MainWindowFixture::page(int k) const
{
    return control(u"Pict(%1)"_s.arg(k));
}

bool MainWindowFixture::choosePage(int k) const
{
    click(selector(k));
    return page(k)->isVisible();
}

} // namespace testsupport

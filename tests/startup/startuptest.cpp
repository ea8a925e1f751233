#include "startuptest.h"

#include "personal/keeper.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

QString documentsFolder()
{
    return QStringLiteral(VITRALIS_DATA_DIR "/../documents/");
}

QStringList documentsSeenBy(startup::Starter& starter)
{
    QSignalSpy loaded(&starter, &startup::Starter::mainWindowLoaded);
    if (starter.start() != -1 || !loaded.wait(5000))
        return {u"no main window"_s};
    mainwin::MainWindow* w = starter.mainWindow();
    QStringList texts{
        w->findChild<QWidget*>(u"Pict(4)"_s)->findChild<QTextEdit*>(u"Rtb1"_s)->toPlainText()};
    w->findChild<QPushButton*>(u"CmdIndex"_s)->click();
    auto* glossary = w->findChild<QWidget*>(u"Frm31Index"_s);
    texts << (glossary ? glossary->findChild<QTextEdit*>(u"Rtb1"_s)->toPlainText() : QString());
    if (glossary)
        glossary->close();
    return texts;
}

void expectDocumentsSeenBy(startup::Starter& starter)
{
    const QStringList texts = documentsSeenBy(starter);
    QCOMPARE(texts.size(), 2);
    for (const QString& text : texts)
        QVERIFY2(text.contains(u"Vitralis") && !text.contains(u"introuvable"), qPrintable(text));
}

void startsWithoutTheLock(const QString& folder, const QString& lockPath, const QString& reason)
{
    using Outcome = startup::SingleInstanceGuard::Outcome;
    startup::SingleInstanceGuard guard(lockPath);
    QCOMPARE(guard.acquire(), Outcome::NoLock);
    QVERIFY2(guard.problem().contains(u"démarre sans vérifier"), qPrintable(guard.problem()));
    QVERIFY2(guard.problem().contains(reason), qPrintable(guard.problem()));

    QStringList shown;
    startup::setMessageShower([&](const QString&, const QString& text) { shown << text; });
    startup::Starter starter(folder, lockPath);
    QCOMPARE(starter.start(), -1);
    QTRY_VERIFY(starter.mainWindow());
    QCOMPARE(shown, QStringList());
    // Another copy may run: this one reads what the reader keeps, never writes it.
    QVERIFY(starter.mainWindow()->keeper().store().isReadOnly());
}

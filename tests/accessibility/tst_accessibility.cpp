// What assistive technology reads of the program, through the interface the
// accessibility bus reads: the warning and the values each page shows, the
// names of the controls, the fonts' point sizes, and the keys that work the
// windows without a mouse. Controls are found by their names alone.
#include "glossary/indexwindow.h"
#include "mainwindowfixture.h"
#include "sheet/warningwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace testsupport;
using sheet::WarningWindow;

namespace {

const QString ListOne =
    u"ATTENTION! Ce produit est classé en liste I, il présente un risque d'accident "
    u"thérapeutique. La prise de ce produit nécessite une surveillance médicale."_s;
const QString Aconite = u"ACONITUM NAPELLUS"_s;

QAccessibleInterface* accessible(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// The controls below `node` that a person can reach and see, and that have
// no name to be read by.
void collectUnnamed(QAccessibleInterface* node, QStringList& out)
{
    const QAccessible::State s = node->state();
    if (s.invisible)
        return;
    if (s.focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        out << (node->object() ? node->object()->objectName() : u"?"_s);
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i))
            collectUnnamed(child, out);
    }
}

QStringList unnamedControls(QWidget* window)
{
    QStringList out;
    collectUnnamed(accessible(window), out);
    return out;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    MainWindowFixture fixture;
    QStringList openings;                       // the messages of the warning windows
    std::function<void(WarningWindow&)> onOpen; // what a test does in the next one

    template <typename T = QWidget> T* on(int k, const QString& name) const
    {
        return named<T>(fixture.page(k), name);
    }
    const refdata::RemedyTable& table() const { return fixture.window()->table(); }
    glossary::IndexWindow* openGlossary()
    {
        // As the index button opens it.
        auto* glossary = glossary::IndexWindow::showWindow(fixture.startFolder(), fixture.window());
        glossary->activateWindow();
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == glossary; }) ? glossary
                                                                                         : nullptr;
    }

    // Shows the list-I remedy on page k as a person does, by a remedy pick,
    // and waits for the warning window.
    void showListedRemedy(int k)
    {
        QVERIFY(fixture.choosePage(k));
        const int i = table().indexOf(Aconite);
        const QStringList words = table().keywords[i].split(u' ', Qt::SkipEmptyParts);
        switch (k) {
        case 0:
            // Another remedy first, in case this one is chosen already.
            QVERIFY(pick(on<ui::ListBox>(0, u"LstNom"_s), table().latinName[0]));
            QVERIFY(pick(on<ui::ListBox>(0, u"LstNom"_s), Aconite));
            break;
        case 1:
            QVERIFY(pick(on<ui::ListBox>(1, u"LstMC"_s), words.first()));
            QVERIFY(pick(on<ui::ListBox>(1, u"LstRech"_s), Aconite));
            break;
        case 2:
            QVERIFY(
                pick(on<ui::ListBox>(2, u"LstBranche"_s), table().branches[i].section(u'.', 0, 0)));
            QVERIFY(pick(on<ui::ListBox>(2, u"LstResult"_s), Aconite));
            break;
        case 3:
            on<QLineEdit>(3, u"T1"_s)->setText(words[0]);
            on<QLineEdit>(3, u"T2"_s)->setText(words[1]);
            click(on(3, u"CmdRechercher"_s));
            QTRY_VERIFY(on(3, u"LstRecher"_s)->hasFocus());
            QVERIFY(pick(on<ui::ListBox>(3, u"LstRecher"_s), Aconite));
            break;
        }
        QTRY_COMPARE(openings.size(), 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fixture.start());
        WarningWindow::setInterceptor([this](WarningWindow& window) {
            openings << named<ui::Label>(&window, u"LblMsg"_s)->caption();
            if (onOpen)
                std::exchange(onOpen, {})(window);
        });
    }
    void cleanupTestCase() { WarningWindow::setInterceptor({}); }
    void init()
    {
        openings.clear();
        if (!fixture.window()->isActiveWindow()) {
            fixture.window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fixture.window()));
        }
    }

    void everyPageReadsItsWarningAndValues_data()
    {
        QTest::addColumn<int>("k");
        QTest::newRow("Remèdes") << 0;
        QTest::newRow("Symptômes") << 1;
        QTest::newRow("Spécialités") << 2;
        QTest::newRow("Mots-clés") << 3;
    }
    void everyPageReadsItsWarningAndValues()
    {
        QFETCH(int, k);
        showListedRemedy(k);
        auto* warning = on<ui::Label>(k, u"LblDMe%1"_s.arg(k + 1));
        QTRY_COMPARE(warning->caption(), ListOne);
        QCOMPARE(accessible(warning)->text(QAccessible::Name), u"Avertissement"_s);
        QCOMPARE(accessible(warning)->text(QAccessible::Description), ListOne);

        // Every label that shows a value says what it is and what it shows.
        const QString suffix = k == 0 ? QString() : QString::number(k);
        QCOMPARE(accessible(on(k, u"LblDNom"_s + suffix))->text(QAccessible::Description), Aconite);
        QCOMPARE(accessible(on(k, u"LblDLis"_s + suffix))->text(QAccessible::Name),
                 u"Classification"_s);
        QCOMPARE(accessible(on(k, u"LblDLis"_s + suffix))->text(QAccessible::Description), u"1"_s);
        int values = 0;
        for (ui::Label* l : fixture.page(k)->findChildren<ui::Label*>()) {
            if (!l->exposesValue())
                continue;
            ++values;
            QAccessibleInterface* a = accessible(l);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(l->objectName()));
            QCOMPARE(a->text(QAccessible::Description), l->text().simplified());
        }
        QCOMPARE(values, k == 0 ? 8 : 7); // the sheet's, and a search page's two result lines

        // The next remedy unlisted: the warning is gone for the reader too.
        if (k == 0)
            QVERIFY(pick(on<ui::ListBox>(0, u"LstNom"_s), table().latinName[0]));
        QTRY_VERIFY(k != 0 || warning->caption().isEmpty());
        if (k == 0)
            QVERIFY(accessible(warning)->text(QAccessible::Description).isEmpty());
    }

    void noControlInSightIsUnnamed()
    {
        for (int k = 0; k < mainwin::MainWindow::PageCount; ++k) {
            QVERIFY(fixture.choosePage(k));
            QCOMPARE(unnamedControls(fixture.window()), QStringList());
        }
        // The out-of-sight focus holder: named, and never showing.
        QAccessibleInterface* foc = accessible(fixture.control(u"Foc"_s));
        QVERIFY(foc->state().invisible);
        QVERIFY(!foc->text(QAccessible::Name).isEmpty());

        QStringList unnamedInWarning;
        onOpen = [&](WarningWindow& window) {
            window.show();
            unnamedInWarning = unnamedControls(&window);
            QAccessibleInterface* holder = accessible(named(&window, u"CmdFoc"_s));
            QVERIFY(holder->state().invisible);
            QCOMPARE(holder->text(QAccessible::Name), u"Fermer"_s);
        };
        showListedRemedy(0);
        QCOMPARE(unnamedInWarning, QStringList());

        auto* glossary = openGlossary();
        QVERIFY(glossary);
        for (int view = 0; view < 2; ++view) {
            QCOMPARE(unnamedControls(glossary), QStringList());
            click(named(glossary, u"CmdGlossaire"_s));
        }
        // The holder reads as the switch it stands for.
        QCOMPARE(accessible(named(glossary, u"Foc"_s))->text(QAccessible::Name),
                 u"Accéder au glossaire"_s);
        glossary->close();
        QTRY_VERIFY(!glossary::IndexWindow::openWindow());
    }

    void fontsHaveAPointSizeAndTheDesignedPixels()
    {
        for (QWidget* c : fixture.window()->findChildren<QWidget*>())
            QVERIFY2(c->font().pointSizeF() > 0, qPrintable(c->objectName()));
        auto* body = on<QTextEdit>(0, u"Rtb1Text"_s);
        QCOMPARE(body->font().pointSizeF(), 14.25);
        QCOMPARE(QFontInfo(body->font()).pixelSize(), 19);
        int start = 0;
        int end = 0;
        const QString attributes = accessible(body)->textInterface()->attributes(0, &start, &end);
        QVERIFY2(attributes.contains(u"font-size:14pt"), qPrintable(attributes));
    }

    void tabGoesInReadingOrderOnEveryPage_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("page");
        QStringList letters;
        for (int k = 1; k <= 26; ++k)
            letters << u"Lab(%1)"_s.arg(k);
        QTest::newRow("Remèdes") << 0 << QStringList{u"LstNom"_s, u"Rtb1Text"_s};
        QTest::newRow("Symptômes")
            << 1 << letters + QStringList{u"LstMC"_s, u"LstRech"_s, u"Rtb2Text"_s};
        QTest::newRow("Spécialités")
            << 2 << QStringList{u"LstBranche"_s, u"LstResult"_s, u"Rtb3Text"_s};
        // The suggestions under the word last entered; the button only when
        // both words are there.
        QTest::newRow("Mots-clés")
            << 3 << QStringList{u"T1"_s, u"T2"_s, u"Lst2"_s, u"LstRecher"_s, u"Rtb4Text"_s};
        QTest::newRow("A propos") << 4 << QStringList{u"Rtb1"_s, u"CmdSite"_s};
    }
    void tabGoesInReadingOrderOnEveryPage()
    {
        QFETCH(int, k);
        QFETCH(QStringList, page);
        QVERIFY(fixture.choosePage(k));
        if (k == 3)
            on<QLineEdit>(3, u"T2"_s)->clear();
        QWidget* first = fixture.selector(0);
        first->setFocus();
        QStringList cycle;
        do {
            QVERIFY(QApplication::focusWidget());
            cycle << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && cycle.size() < 60);
        const QStringList window{u"LbOp(0)"_s, u"LbOp(1)"_s,  u"LbOp(2)"_s,   u"LbOp(3)"_s,
                                 u"LbOp(4)"_s, u"CmdIndex"_s, u"CmdQuitter"_s};
        QCOMPARE(cycle, window + page);
    }

    void everyPageIsUsedFromTheKeyboard()
    {
        auto focused = [] { return QApplication::focusWidget(); };
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            QTest::keyClick(focused(), k, m);
        };
        auto choose = [&](int k) {
            fixture.selector(k)->setFocus();
            key(Qt::Key_Space);
            return fixture.page(k)->isVisible();
        };
        // Remèdes: the selector, then the arrows in the names.
        QVERIFY(choose(0));
        QCOMPARE(focused(), on(0, u"LstNom"_s));
        key(Qt::Key_Home);
        QTRY_COMPARE(on<ui::Label>(0, u"LblDNom"_s)->caption(),
                     u" "_s + table().latinName[0] + u" "_s);

        // Symptômes: a letter by Tab and Space; the words; the remedies, where
        // the arrows go on from one remedy to the next.
        QVERIFY(choose(1));
        QCOMPARE(focused(), on(1, u"LstMC"_s));
        on(1, u"Lab(3)"_s)->setFocus();
        key(Qt::Key_Space);
        QCOMPARE(focused(), on(1, u"Lab(3)"_s));
        auto* words = on<ui::ListBox>(1, u"LstMC"_s);
        QVERIFY(words->entries().first().startsWith(u'c'));
        words->setFocus();
        key(Qt::Key_Down);
        auto* found = on<ui::ListBox>(1, u"LstRech"_s);
        QVERIFY(found->count() > 0);
        QTRY_COMPARE(focused(), words);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), found);
        key(Qt::Key_Down);
        QVERIFY(sheetOf(fixture.window(), 1).settle());
        QCOMPARE(focused(), found);

        // Spécialités: the same from the specialties.
        QVERIFY(choose(2));
        key(Qt::Key_Down);
        QVERIFY(sheetOf(fixture.window(), 2).settle());
        key(Qt::Key_Tab);
        QCOMPARE(focused(), on(2, u"LstResult"_s));
        key(Qt::Key_Down);
        QVERIFY(sheetOf(fixture.window(), 2).settle());
        QCOMPARE(focused(), on(2, u"LstResult"_s));

        // Mots-clés: two words typed, Enter on the button, the results.
        QVERIFY(choose(3));
        QCOMPARE(focused(), on(3, u"T1"_s));
        const QStringList words3 =
            table().keywords[table().indexOf(Aconite)].split(u' ', Qt::SkipEmptyParts);
        on<QLineEdit>(3, u"T1"_s)->clear();
        QTest::keyClicks(focused(), words3[0]);
        key(Qt::Key_Tab);
        on<QLineEdit>(3, u"T2"_s)->clear();
        QTest::keyClicks(focused(), words3[1]);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), on(3, u"CmdRechercher"_s));
        key(Qt::Key_Return);
        QVERIFY(sheetOf(fixture.window(), 3).settle());
        QCOMPARE(focused(), on(3, u"LstRecher"_s));
        QVERIFY(on<ui::ListBox>(3, u"LstRecher"_s)->count() > 0);

        // A propos: chosen, the keyboard stays on its selector.
        QVERIFY(choose(4));
        QCOMPARE(focused(), fixture.selector(4));
    }

    void escapeClosesTheWindowsAsFermerDoes()
    {
        int result = -1;
        onOpen = [&](WarningWindow& window) {
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTRY_COMPARE(QApplication::focusWidget(), named(&window, u"CmdFermer"_s));
            QTest::keyClick(named(&window, u"CmdFermer"_s), Qt::Key_Escape);
            QVERIFY(window.isHidden());
            result = window.result();
        };
        showListedRemedy(0);
        QCOMPARE(result, int(QDialog::Accepted));

        auto* glossary = openGlossary();
        QVERIFY(glossary);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the glossary view
        auto* terms = named<ui::ListBox>(glossary, u"LstMot"_s);
        terms->setFocus();
        QTest::keyClick(terms, Qt::Key_Escape);
        QTRY_VERIFY(!glossary::IndexWindow::openWindow());
    }

    void theGlossaryWorksFromTheKeyboard()
    {
        auto* glossary = openGlossary();
        QVERIFY(glossary);
        auto* toggle = named<QPushButton>(glossary, u"CmdGlossaire"_s);
        auto* close = named<QPushButton>(glossary, u"CmdFermer"_s);
        auto* terms = named<ui::ListBox>(glossary, u"LstMot"_s);
        auto* document = named(glossary, u"Rtb1"_s);
        auto focused = [] { return QApplication::focusWidget(); };
        auto tab = [&] { QTest::keyClick(focused(), Qt::Key_Tab); };

        // The information view: the document, then the buttons; what it
        // covers is out of reach.
        tab();
        QCOMPARE(focused(), document);
        tab();
        QCOMPARE(focused(), toggle);
        tab();
        QCOMPARE(focused(), close);
        QTest::keyClick(close, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(toggle->text(), u"Informations produits"_s);
        QCOMPARE(focused(), toggle); // the keyboard stays where it was

        // The glossary view: the letters in order, the terms, the buttons.
        QTest::keyClick(toggle, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), terms);
        QTest::keyClick(terms, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused()->objectName(), u"Lab(26)"_s);
        for (int k = 25; k >= 3; --k)
            QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused()->objectName(), u"Lab(3)"_s);
        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(focused()->objectName(), u"Lab(3)"_s);
        QVERIFY(terms->entries().contains(u"coronaire"_s));
        QCOMPARE(accessible(focused())->role(), QAccessible::Button);
        // On to the terms: an arrow picks one and reads its definition.
        while (focused() != terms)
            tab();
        QTest::keyClick(terms, Qt::Key_Down);
        auto* definition = named<ui::Label>(glossary, u"LblDef"_s);
        QVERIFY(!definition->caption().isEmpty());
        QCOMPARE(accessible(definition)->text(QAccessible::Description),
                 definition->text().simplified());
        QTest::keyClick(terms, Qt::Key_Escape);
        QTRY_VERIFY(!glossary::IndexWindow::openWindow());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

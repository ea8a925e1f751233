// What a person waits for after a click on one of the pages: the real main
// window, started as the program starts it and shown, takes a mouse click
// through the event loop; the time runs from the click to the end of the
// repaint of the remedy's text that the click causes. The page's deferred step
// (its 10 ms timer) is timed apart, from its tick to the end of the repaint it
// causes, if any.
//
// Next to each, in the same run and interleaved round by round, a floor built
// from plain widgets on the same geometry and fonts: a QListWidget whose click
// fills a result list, where the page has one, and sets the remedy's text with
// QTextEdit::setPlainText.
//
// The real widgets are found by their object names only.
//
//   bench_clicks [--rounds N] [--smoke]
// runs on the platform Qt picks: X11 when DISPLAY is set (xvfb-run gives one),
// offscreen otherwise or when QT_QPA_PLATFORM says so.
#include "benchutil.h"
#include "browse/browsecore.h"
#include "keywordsearch/keywordsearchcore.h"
#include "refdata/keywordlist.h"
#include "refdata/remedytable.h"
#include "startup/startup.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;
using bench::figuresOf;
using bench::monotonicNs;

namespace {

// An application that watches the event deliveries of one measured action:
// when a given widget paints, when a given timer ticks, and when the
// outermost delivery during which they happened comes to its end (a repaint
// ends with the flush of the window's backing store, inside that delivery).
class ProbeApp : public QApplication
{
public:
    using QApplication::QApplication;

    struct Watch
    {
        QWidget* window = nullptr;
        QWidget* painted = nullptr; // the widget whose repaint ends the first figure
        QTimer* timer = nullptr;    // the deferred step's timer, if any
    };

    void arm(const Watch& w)
    {
        m_watch = w;
        m_firstEnd = m_tickBegin = m_tickEnd = m_lastPaintEnd = 0;
        m_paintedNow = m_tickNow = m_windowPaintNow = false;
        m_armed = true;
    }
    void disarm() { m_armed = false; }

    int64_t firstEnd() const { return m_firstEnd; }
    int64_t firstEndCpu() const { return m_firstEndCpu; }
    int64_t tickBegin() const { return m_tickBegin; }
    int64_t tickEnd() const { return m_tickEnd; }
    int64_t lastPaintEnd() const { return m_lastPaintEnd; }

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_armed) {
            if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
                auto* w = static_cast<QWidget*>(receiver);
                if (w == m_watch.painted)
                    m_paintedNow = true;
                if (w->window() == m_watch.window)
                    m_windowPaintNow = true;
            } else if (event->type() == QEvent::Timer && receiver == m_watch.timer &&
                       !m_tickBegin) {
                m_tickBegin = monotonicNs();
                m_tickNow = true;
            }
        }
        ++m_depth;
        const bool result = QApplication::notify(receiver, event);
        if (--m_depth == 0 && m_armed) {
            const int64_t now = monotonicNs();
            if (m_paintedNow && !m_firstEnd) {
                m_firstEnd = now;
                m_firstEndCpu = bench::processCpuNs();
            }
            if (m_tickNow)
                m_tickEnd = now;
            if (m_windowPaintNow)
                m_lastPaintEnd = now;
            m_paintedNow = m_tickNow = m_windowPaintNow = false;
        }
        return result;
    }

private:
    Watch m_watch;
    bool m_armed = false;
    int m_depth = 0;
    bool m_paintedNow = false, m_tickNow = false, m_windowPaintNow = false;
    int64_t m_firstEnd = 0, m_firstEndCpu = 0, m_tickBegin = 0, m_tickEnd = 0, m_lastPaintEnd = 0;
};

ProbeApp* probe()
{
    return static_cast<ProbeApp*>(QCoreApplication::instance());
}

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "bench_clicks: %s\n", qPrintable(why));
    std::fflush(stderr);
    _exit(1);
}

template <class T> T* named(QWidget* root, const char* name)
{
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        fail(u"no control named %1"_s.arg(QString::fromLatin1(name)));
    return w;
}

QRect geometryIn(const QWidget* w, const QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// Lets the event loop run for `ms` milliseconds and until `timer` is idle.
void settle(int ms, const QTimer* timer = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms || (timer && timer->isActive() && clock.elapsed() < 5000)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        usleep(500);
    }
}

void clickItem(QListWidget* list, QListWidgetItem* item)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void clickWidget(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QString plain(QString text)
{
    text.replace("\r\n"_L1, "\n"_L1);
    return text;
}

// Counts the edits that change the text of a document (format changes leave
// its length alone and are counted apart).
struct EditCounter
{
    int textEdits = 0;
    int formatEdits = 0;
    QMetaObject::Connection connection;

    void watch(QTextDocument* doc)
    {
        textEdits = formatEdits = 0;
        connection = QObject::connect(doc, &QTextDocument::contentsChange,
                                      [this](int, int removed, int added) {
                                          if (removed == added)
                                              ++formatEdits;
                                          else
                                              ++textEdits;
                                      });
    }
    void stop() { QObject::disconnect(connection); }
};

// One side of a comparison: what a round does before the measured action,
// the action, and what to watch.
struct Side
{
    std::function<void()> prepare;
    std::function<void()> act;
    ProbeApp::Watch watch;
    QTextDocument* document = nullptr;
};

struct Sample
{
    double first = -1;    // click to the end of the text's repaint
    double firstCpu = -1; // the processor time it took
    double deferred = -1; // tick to the end of what it repaints
    double settled = -1;  // click to the end of the last repaint after the tick
    int textEdits = 0;
    int formatEdits = 0;
};

Sample measure(const Side& side)
{
    Sample s;
    EditCounter edits;
    if (side.document)
        edits.watch(side.document);
    ProbeApp* app = probe();
    app->arm(side.watch);
    const int64_t clickedCpu = bench::processCpuNs();
    const int64_t clicked = monotonicNs();
    side.act();
    const int64_t limit = clicked + 3'000'000'000LL;
    while (!app->firstEnd() && monotonicNs() < limit)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (side.watch.timer) {
        while (!app->tickEnd() && monotonicNs() < limit)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        // What the tick changes is repainted by the next update request.
        const int64_t after = monotonicNs() + 30'000'000LL;
        while (monotonicNs() < after)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    app->disarm();
    edits.stop();
    if (app->firstEnd()) {
        s.first = bench::ms(app->firstEnd() - clicked);
        s.firstCpu = bench::ms(app->firstEndCpu() - clickedCpu);
    }
    if (app->tickEnd()) {
        const int64_t end = std::max(app->tickEnd(), app->lastPaintEnd());
        s.deferred = bench::ms(end - app->tickBegin());
        s.settled = bench::ms(end - clicked);
    }
    s.textEdits = edits.textEdits;
    s.formatEdits = edits.formatEdits;
    return s;
}

struct Scenario
{
    QString title;
    int page = 0;
    Side vitralis;
    Side floor;
    std::unique_ptr<QWidget> floorWindow;
};

// The floor's window: as large as the main window, beside it on a screen wide
// enough, with plain widgets where the page has its own.
std::unique_ptr<QWidget> floorWindow(const QWidget* main)
{
    auto w = std::make_unique<QWidget>();
    w->setObjectName(u"Floor"_s);
    w->setWindowTitle(u"Floor"_s);
    w->setFixedSize(main->size());
    return w;
}

QListWidget* plainList(QWidget* window, const QListWidget* like, const QWidget* main,
                       bool copyEntries)
{
    auto* list = new QListWidget(window);
    list->setGeometry(geometryIn(like, main));
    list->setFont(like->font());
    if (copyEntries) {
        QStringList entries;
        entries.reserve(like->count());
        for (int i = 0; i < like->count(); ++i)
            entries << like->item(i)->text();
        list->addItems(entries);
    }
    return list;
}

QTextEdit* plainText(QWidget* window, const QTextEdit* like, const QWidget* main)
{
    auto* edit = new QTextEdit(window);
    edit->setGeometry(geometryIn(like, main));
    edit->setFont(like->font());
    edit->setFrameStyle(like->frameStyle());
    edit->setReadOnly(like->isReadOnly());
    return edit;
}

struct Tables
{
    std::unique_ptr<refdata::RemedyTable> remedies = std::make_unique<refdata::RemedyTable>();
    refdata::KeywordList words;
    Tables()
    {
        refdata::LoadRemedyTable(*remedies);
        refdata::LoadKeywordList(words);
    }
};

// The nearest entry before `row` (or after it) whose remedy carries no
// prescription warning, so that the preparing click opens no window.
int quietNeighbour(const refdata::RemedyTable& t, int row, int count)
{
    for (int d = 1; d < count; ++d) {
        for (int r : {row - d, row + d}) {
            if (r >= 0 && r < count && r < t.count && !t.isListed(r))
                return r;
        }
    }
    return row == 0 ? 1 : 0;
}

// A click in a list of the page: `target` is measured, the neighbour entry is
// clicked before it, unmeasured, so that every measured click changes the
// remedy shown. `found` gives the remedies a click on an entry lists (none for
// the remedy list itself, whose entry is the remedy).
Scenario listScenario(QWidget* main, const Tables& t, const QString& title, int page,
                      const char* listName, const char* resultName, const char* bodyName,
                      const char* timerName, int target, int other,
                      const std::function<QList<int>(const QString&)>& found)
{
    Scenario s;
    s.title = title;
    s.page = page;
    auto* list = named<QListWidget>(main, listName);
    auto* body = named<QTextEdit>(main, bodyName);
    auto* timer = named<QTimer>(main, timerName);
    if (target < 0 || target >= list->count() || other < 0 || other >= list->count())
        fail(u"no entry to click in %1"_s.arg(QString::fromLatin1(listName)));
    QListWidgetItem* targetItem = list->item(target);
    QListWidgetItem* otherItem = list->item(other);
    s.vitralis.prepare = [list, otherItem] { clickItem(list, otherItem); };
    s.vitralis.act = [list, targetItem] { clickItem(list, targetItem); };
    s.vitralis.watch = {main, body->viewport(), timer};
    s.vitralis.document = body->document();

    s.floorWindow = floorWindow(main);
    QWidget* fw = s.floorWindow.get();
    QListWidget* fList = plainList(fw, list, main, true);
    QListWidget* fResults =
        resultName ? plainList(fw, named<QListWidget>(main, resultName), main, false) : nullptr;
    QTextEdit* fBody = plainText(fw, body, main);
    // What each clicked entry shows, worked out beforehand: the floor pays for
    // the widgets only.
    struct Shown
    {
        QStringList names;
        QString text;
    };
    auto shown = std::make_shared<QHash<int, Shown>>();
    for (int row : {target, other}) {
        Shown sh;
        if (found) {
            const QList<int> remedies = found(fList->item(row)->text());
            sh.names = t.remedies->names(remedies);
            if (!remedies.isEmpty())
                sh.text = plain(t.remedies->indications[remedies.front()]);
        } else {
            sh.text = plain(t.remedies->indications[row]);
        }
        shown->insert(row, sh);
    }
    QObject::connect(fList, &QListWidget::currentRowChanged, fw, [fResults, fBody, shown](int row) {
        const Shown sh = shown->value(row);
        if (fResults) {
            fResults->clear();
            fResults->addItems(sh.names);
        }
        fBody->setPlainText(sh.text);
    });
    QListWidgetItem* fTarget = fList->item(target);
    QListWidgetItem* fOther = fList->item(other);
    s.floor.prepare = [fList, fOther] { clickItem(fList, fOther); };
    s.floor.act = [fList, fTarget] { clickItem(fList, fTarget); };
    s.floor.watch = {fw, fBody->viewport(), nullptr};
    s.floor.document = fBody->document();

    // Both entries in sight before the first click.
    for (QListWidget* l : {list, fList}) {
        l->scrollToItem(l->item(target), QAbstractItemView::PositionAtCenter);
    }
    return s;
}

// The search of the page "Mots-clés" on two words, by its button.
Scenario searchScenario(QWidget* main, const Tables& t, const QString& w1, const QString& w2)
{
    Scenario s;
    s.title = u"Mots-clés: search \"%1\" and \"%2\""_s.arg(w1, w2);
    s.page = 3;
    auto* field1 = named<QLineEdit>(main, "T1");
    auto* field2 = named<QLineEdit>(main, "T2");
    auto* button = named<QPushButton>(main, "CmdRechercher");
    auto* results = named<QListWidget>(main, "LstRecher");
    auto* body = named<QTextEdit>(main, "Rtb4Text");
    auto* timer = named<QTimer>(main, "TimText4");
    // The page leaves its button disabled after a search until a word changes,
    // as a person's typing would.
    s.vitralis.prepare = [field1, field2, w1, w2] {
        field1->clear();
        field1->setText(w1);
        field2->setText(w2);
    };
    s.vitralis.act = [button] { clickWidget(button); };
    s.vitralis.watch = {main, body->viewport(), timer};
    s.vitralis.document = body->document();

    s.floorWindow = floorWindow(main);
    QWidget* fw = s.floorWindow.get();
    auto* fButton = new QPushButton(button->text(), fw);
    fButton->setGeometry(geometryIn(button, main));
    fButton->setFont(button->font());
    QListWidget* fResults = plainList(fw, results, main, false);
    QTextEdit* fBody = plainText(fw, body, main);
    const QList<int> found = keywordsearch::searchTwoWords(*t.remedies, w1, w2).found;
    const QStringList names = t.remedies->names(found);
    const QString text = found.isEmpty() ? QString() : plain(t.remedies->indications[found[0]]);
    QObject::connect(fButton, &QPushButton::clicked, fw, [fResults, fBody, names, text] {
        fResults->clear();
        fResults->addItems(names);
        fBody->setPlainText(text);
    });
    s.floor.prepare = [] {};
    s.floor.act = [fButton] { clickWidget(fButton); };
    s.floor.watch = {fw, fBody->viewport(), nullptr};
    s.floor.document = fBody->document();
    return s;
}

void closeModals()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void printLine(const char* what, const std::vector<double>& v, const char* unit)
{
    const bench::Figures f = figuresOf(v);
    std::printf("  %-40s min %8.3f  median %8.3f  max %8.3f %s\n", what, f.min, f.median, f.max,
                unit);
}

void run(Scenario& s, QWidget* main, int rounds, int warmUp)
{
    // The page, chosen by its selector as a person does.
    clickWidget(named<QWidget>(main, qPrintable(u"LbOp(%1)"_s.arg(s.page))));
    QWidget* fw = s.floorWindow.get();
    const QRect screen = main->screen() ? main->screen()->geometry() : QRect(0, 0, 1920, 1080);
    fw->move(screen.x(), screen.y());
    main->move(screen.x() + std::max(0, screen.width() - main->frameGeometry().width()),
               screen.y());
    fw->show();
    settle(200);

    std::vector<double> v, f, ratio, deferred, settled, vCpu, fCpu, cpuRatio;
    int vEdits = 0, vFormats = 0, fEdits = 0;
    std::vector<std::pair<double, double>> perRound;
    for (int r = 0; r < warmUp + rounds; ++r) {
        Sample sv, sf;
        for (int k = 0; k < 2; ++k) {
            const bool vitralisNow = (r + k) % 2 == 0;
            Side& side = vitralisNow ? s.vitralis : s.floor;
            side.prepare();
            settle(40, side.watch.timer);
            (vitralisNow ? sv : sf) = measure(side);
            settle(20, side.watch.timer);
        }
        if (r < warmUp)
            continue;
        if (sv.first < 0 || sf.first < 0)
            fail(u"%1: a click brought no repaint of the text"_s.arg(s.title));
        v.push_back(sv.first);
        f.push_back(sf.first);
        ratio.push_back(sv.first / sf.first);
        vCpu.push_back(sv.firstCpu);
        fCpu.push_back(sf.firstCpu);
        cpuRatio.push_back(sv.firstCpu / sf.firstCpu);
        if (sv.deferred >= 0) {
            deferred.push_back(sv.deferred);
            settled.push_back(sv.settled);
        }
        vEdits = sv.textEdits;
        vFormats = sv.formatEdits;
        fEdits = sf.textEdits;
        perRound.emplace_back(sv.first, sf.first);
    }
    fw->hide();
    settle(50);

    std::printf("\n%s (%s), %d rounds\n", qPrintable(s.title),
                qPrintable(QGuiApplication::platformName()), rounds);
    std::printf(
        "  per round, click to the end of the text's repaint (Vitralis / floor = ratio):\n ");
    for (size_t i = 0; i < perRound.size(); ++i)
        std::printf(" %.2f/%.2f=%.2f", perRound[i].first, perRound[i].second,
                    perRound[i].first / perRound[i].second);
    std::printf("\n");
    printLine("Vitralis, click to text repainted", v, "ms");
    printLine("floor, click to text repainted", f, "ms");
    printLine("ratio Vitralis / floor", ratio, "");
    printLine("Vitralis, processor time of it", vCpu, "ms");
    printLine("floor, processor time of it", fCpu, "ms");
    printLine("ratio of processor times", cpuRatio, "");
    printLine("Vitralis deferred step, tick to repainted", deferred, "ms");
    printLine("Vitralis, click to deferred step done", settled, "ms");
    // setPlainText makes two edits (the old text out, the new one in): the
    // floor's count is one setting of the text.
    std::printf("  text settings per click: Vitralis %.1f (and %d format edits), floor %.1f\n",
                fEdits ? double(vEdits) * 1.0 / fEdits : double(vEdits), vFormats,
                fEdits ? 1.0 : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::parseOptions(argc, argv, 25);
    if (!options.ok)
        return 2;
    const int rounds = options.rounds;
    const bool smoke = options.smoke;
    bench::offscreenWithoutDisplay();
    // The program reads its documents from the folder it starts in, and keeps
    // its single-instance lock where no other copy looks.
    if (chdir(BENCH_DOCUMENTS_DIR) != 0)
        fail(u"cannot enter the documents' folder"_s);

    ProbeApp app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the reader's history stays theirs
    ui::installFonts();
    const QString lock = QDir::temp().filePath(u"vitralis-bench-clicks-%1.lock"_s.arg(getpid()));
    startup::Starter starter(QDir::currentPath(), lock);
    if (starter.start() >= 0)
        fail(u"the program would not start"_s);
    QWidget* main = nullptr;
    QElapsedTimer clock;
    clock.start();
    while (!main && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "FrmHomeo"_L1 && w->isVisible())
                main = w;
        }
    }
    if (!main)
        fail(u"the main window did not show"_s);
    settle(200);

    // A listed remedy's warning window would wait for a person: close it.
    QTimer modals;
    QObject::connect(&modals, &QTimer::timeout, &closeModals);
    modals.start(50);

    const Tables t;
    int longest = 0;
    for (int i = 0; i < t.remedies->count; ++i) {
        if (t.remedies->indications[i].size() > t.remedies->indications[longest].size())
            longest = i;
    }
    auto* names = named<QListWidget>(main, "LstNom");
    auto* words = named<QListWidget>(main, "LstMC");
    auto* specialties = named<QListWidget>(main, "LstBranche");
    auto rowOf = [](QListWidget* l, const QString& text) {
        const QList<QListWidgetItem*> items = l->findItems(text, Qt::MatchExactly);
        return items.isEmpty() ? -1 : l->row(items.front());
    };

    std::vector<Scenario> scenarios;
    scenarios.push_back(listScenario(
        main, t, u"Remèdes: click on the longest remedy, %1"_s.arg(t.remedies->latinName[longest]),
        0, "LstNom", nullptr, "Rtb1Text", "TimText1", longest,
        quietNeighbour(*t.remedies, longest, names->count()), {}));
    const int nerf = rowOf(words, u"nerf"_s);
    scenarios.push_back(
        listScenario(main, t, u"Symptômes: click on the word \"nerf\""_s, 1, "LstMC", "LstRech",
                     "Rtb2Text", "TimText2", nerf, nerf - 1,
                     [&t](const QString& w) { return browse::remediesWithWord(*t.remedies, w); }));
    const int nervous = rowOf(specialties, u"Système nerveux"_s);
    scenarios.push_back(listScenario(
        main, t, u"Spécialités: click on \"Système nerveux\""_s, 2, "LstBranche", "LstResult",
        "Rtb3Text", "TimText3", nervous, nervous > 0 ? nervous - 1 : nervous + 1,
        [&t](const QString& sp) { return browse::remediesInSpecialty(*t.remedies, sp); }));
    scenarios.push_back(searchScenario(main, t, u"nerf"_s, u"peau"_s));

    for (Scenario& s : scenarios)
        run(s, main, rounds, smoke ? 0 : 3);
    return 0;
}

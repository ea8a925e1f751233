// The floors the start-up of Vitralis is measured against: a bare Qt Widgets
// window of the main window's size and, built with BASELINE_TEXT, the same
// window showing one label of text (which pays for the font machinery that any
// text window needs). The paint probe linked in reports the first paint.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vitralis"));
    window.setFixedSize(931, 703);
#if BASELINE_TEXT
    auto* label =
        new QLabel(QStringLiteral("Inventaire alphabétique des remèdes homéopathiques"), &window);
    label->setGeometry(20, 20, 600, 40);
#endif
    window.show();
    return QApplication::exec();
}

// Saves the reader's notes over and over, until it is killed: one note of
// `size` times the same letter, "a" then "b" then "a"... Says "saving" once the
// first save is whole.
//   keptwriter FOLDER SIZE
#include "personal/store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    personal::Store store(QString::fromLocal8Bit(argv[1]));
    store.load();
    const int size = QByteArray(argv[2]).toInt();
    for (long n = 0;; ++n) {
        store.setNote(QStringLiteral("SULFUR"), QString(size, n % 2 ? u'b' : u'a'));
        if (store.hasUnsavedChanges())
            return 1;
        if (n == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}

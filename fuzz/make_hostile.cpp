// Writes the generated hostile documents (see hostiledocuments.h) into the folder given.
#include "hostiledocuments.h"

#include <QFile>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    for (const hostile::Document& d : hostile::generated()) {
        QFile file(QFile::decodeName(argv[1]) + u'/' + d.name);
        if (!file.open(QIODevice::WriteOnly) || file.write(d.rtf) != d.rtf.size())
            return 1;
    }
    return 0;
}

// Saves one program file again and again through the routine behind the save button, for the
// checks of a shared folder. Usage: write_whole FILE TIMES BYTES. Fails when any save failed.
#include <cstdio>
#include <cstdlib>

#include "platform/whole_file.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_whole FILE TIMES BYTES\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int times = std::atoi(argv[2]);
    int failed = 0;
    QString why;
    for (int i = 0; i < times; ++i) failed += platform::writeWhole(path, argv[3], &why) ? 0 : 1;
    if (failed > 0)
        std::fprintf(stderr, "%d of %d saves failed, the last: %s\n", failed, times,
                     qPrintable(why));
    return failed > 0 ? 1 : 0;
}

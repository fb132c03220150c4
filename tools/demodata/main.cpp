// selunar_demodata PROGRAM_FOLDER TEMPLATE_FOLDER
// Writes the demo data (both databases, templates, pictures) into the
// program folder. Same input, same bytes: the build runs it whenever an
// output is missing or the generator or its data changed.

#include "demo_data.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER TEMPLATE_FOLDER\n", argv[0]);
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        write_demo_data(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "selunar_demodata: %s\n", e.what());
        return 1;
    }
    std::printf("demo data written to %s in %lld ms\n", argv[1], static_cast<long long>(timer.elapsed()));
    return 0;
}

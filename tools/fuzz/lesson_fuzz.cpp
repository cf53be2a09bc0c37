// Any bytes: the lesson reader must neither crash nor hang, must give a lesson or a message
// and never both, and a lesson it reads must be playable, survive a write and a second read,
// and draw its mat.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "lessons/lesson.h"
#include "lessons/mat.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Text in an SVG mat needs fonts, and fonts need an application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    // The decoders complain about every broken picture; only crashes and aborts matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const lessons::ReadLesson read = lessons::readLesson(bytes);
    if (read.lesson.has_value() == !read.error.isEmpty()) std::abort();
    if (!read.lesson) return 0;
    if (!lessons::problem(*read.lesson).isEmpty()) std::abort();
    if (lessons::readLesson(lessons::writeLesson(*read.lesson)).lesson != read.lesson) std::abort();
    const lessons::Mat mat(*read.lesson);
    if (!read.lesson->mat.isEmpty() && mat.scaled(QSize(48, 36)).size() != QSize(48, 36))
        std::abort();
    return 0;
}

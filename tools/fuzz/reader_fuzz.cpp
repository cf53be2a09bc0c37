// Any bytes: the reader must neither crash nor hang, whatever it reads must survive a write
// and a second read (a double quote comes back as a single quote), and bytes read as the start
// of a longer file must read as they do whole, or not at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/program_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<files::ProgramFields> read = files::readProgramLine(bytes);
    // Read as the start of a longer file, the bytes give the same fields or none.
    const std::optional<files::ProgramFields> start = files::readProgramLine(bytes, true);
    if (start && start != read) std::abort();
    if (!read) return 0;
    files::ProgramFields expected = *read;
    for (QString* value :
         {&expected.fileheader, &expected.programname, &expected.author, &expected.prog})
        value->replace(QLatin1Char('"'), QLatin1Char('\''));
    if (files::readProgramLine(files::writeProgramLine(*read)) != expected) std::abort();
    return 0;
}

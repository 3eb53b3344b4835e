// Feeds arbitrary bytes to the header reader and the loader: no input may
// crash them or make them touch memory outside their tables.
#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "files/data_file_load.h"
#include "files/file_header.h"
#include "host/ui_seam.h"
#include "input_file.h"
#include "model/document.h"

namespace {

void ClassifyHeader(const QByteArray& bytes, kz::Integer mode)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    kz::BinaryReader in(buffer);
    QString fileName = QStringLiteral("fuzz.kzp");
    kz::FileVersion(in, kz::DocumentState{}, fileName, mode);
}

// What the loader fills, kept from one input to the next as the program
// keeps its own.
kz::Workspace& Workspace()
{
    static kz::Workspace workspace;
    return workspace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kz::installUi(nullptr);  // no box waits for an answer
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (kz::Integer mode : {kz::OpenPageInSheet, kz::OpenQuestionnaire, kz::OpenTabulationResult})
        ClassifyHeader(bytes, mode);

    QString fileName = kz::fuzz::WriteInputFile(data, size);
    kz::Settings settings;
    kz::LoadDataFile(Workspace(), settings, fileName, kz::OpenQuestionnaire);
    return 0;
}

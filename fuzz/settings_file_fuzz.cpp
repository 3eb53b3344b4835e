// Feeds arbitrary bytes to the settings reader as the program reads
// "zuntab.ini" at start-up (the defaults first): no input may crash it. The
// settings it makes of them, saved, must read back whole and save again to
// the same bytes.
#include <QBuffer>
#include <QByteArray>

#include "files/settings_file.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "require.h"
#include "runtime/binary_file.h"

namespace kz::fuzz {

namespace {

Settings Loaded(const QByteArray& bytes, bool& whole)
{
    Settings loaded;
    DefaultSettings(loaded);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(buffer);
    whole = ReadSettings(in, loaded);
    return loaded;
}

QByteArray Saved(const Settings& from)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Require(WriteSettings(buffer, from), "settings read from a file cannot be saved");
    return buffer.data();
}

}  // namespace

}  // namespace kz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace kz;
    using namespace kz::fuzz;
    installUi(nullptr);  // no box waits for an answer
    bool whole = false;
    const QByteArray saved =
        Saved(Loaded(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), whole));
    const Settings again = Loaded(saved, whole);
    Require(whole, "saved settings do not read back whole");
    Require(Saved(again) == saved, "saved settings read back to other settings");
    return 0;
}

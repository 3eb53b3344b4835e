#include "model/zuntab_binding.h"

#include <QFile>
#include <QString>

#include <dlfcn.h>

#include "host/program_folder.h"
#include "host/ui_seam.h"

namespace kz::zuntab {

namespace {

struct Library {
    QByteArray fileName;  // empty: libzuntab.so beside the executable
    void* handle = nullptr;
    bool opened = false;  // tried, whether or not it worked
    int generation = 0;   // bumped when a test binds another file
};

Library& library()
{
    static Library lib;
    return lib;
}

void* openLibrary()
{
    Library& lib = library();
    if (!lib.opened) {
        lib.opened = true;
        // Always the full path: a bare name would go through the system
        // search, where LD_LIBRARY_PATH can put another library first.
        if (lib.fileName.isEmpty())
            lib.fileName = QFile::encodeName(ExecutableFolder() + QStringLiteral("/libzuntab.so"));
        lib.handle = dlopen(lib.fileName.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!lib.handle)
            MsgBox(QStringLiteral("ライブラリ %1 を読み込めません。\n%2")
                       .arg(QString::fromLocal8Bit(lib.fileName), QString::fromLocal8Bit(dlerror())),
                   vbExclamation);
    }
    return lib.handle;
}

// One routine of the library, looked up at its first use.
template <typename Fn>
class Routine {
public:
    explicit Routine(const char* name) : name_(name) {}

    // Null when the library or the routine is missing (reported once).
    Fn get()
    {
        const Library& lib = library();
        if (generation_ != lib.generation) {
            generation_ = lib.generation;
            looked_ = false;
            fn_ = nullptr;
        }
        if (!looked_) {
            looked_ = true;
            if (void* handle = openLibrary()) {
                fn_ = reinterpret_cast<Fn>(dlsym(handle, name_));
                if (!fn_)
                    MsgBox(QStringLiteral("ライブラリ %1 に関数 %2 が見つかりません。")
                               .arg(QString::fromLocal8Bit(lib.fileName), QString::fromLatin1(name_)),
                           vbExclamation);
            }
        }
        return fn_;
    }

private:
    const char* name_;
    Fn fn_ = nullptr;
    bool looked_ = false;
    int generation_ = 0;
};

#define KZ_ROUTINE(name) Routine<decltype(&::name)> name##Routine(#name)
KZ_ROUTINE(maAno_popC);
KZ_ROUTINE(maAno_pushC);
KZ_ROUTINE(maAno_pop_verstC);
KZ_ROUTINE(maAno_push_verstC);
KZ_ROUTINE(lmDoC);
KZ_ROUTINE(VerstTotalC);
KZ_ROUTINE(VerstTotalRangeC);
KZ_ROUTINE(VerstTotalListC);
KZ_ROUTINE(VerstTotalQuestionsC);
KZ_ROUTINE(CallExternDLL);
KZ_ROUTINE(KZStringAlloc);
KZ_ROUTINE(KZStringFree);
KZ_ROUTINE(KZStringLength);
#undef KZ_ROUTINE

}  // namespace

void maAno_popC(const AnswerLayoutRec* layout, int16_t q, const int16_t* packed, int16_t* count, int16_t* values)
{
    if (auto fn = maAno_popCRoutine.get()) {
        fn(layout, q, packed, count, values);
        return;
    }
    *count = 1;
    values[0] = 0;
}

void maAno_pushC(const AnswerLayoutRec* layout, int16_t q, int16_t* packed, const int16_t* count,
                 const int16_t* values)
{
    if (auto fn = maAno_pushCRoutine.get())
        fn(layout, q, packed, count, values);
}

void maAno_pop_verstC(int16_t n, const AnswerLayoutRec* layout, const int16_t* packed, int16_t* counts,
                      int16_t* values)
{
    if (auto fn = maAno_pop_verstCRoutine.get()) {
        fn(n, layout, packed, counts, values);
        return;
    }
    for (int q = 0; q < n; ++q) {
        counts[q] = 1;
        values[q] = 0;
    }
}

void maAno_push_verstC(int16_t n, const AnswerLayoutRec* layout, int16_t* packed, const int16_t* counts,
                       const int16_t* values)
{
    if (auto fn = maAno_push_verstCRoutine.get())
        fn(n, layout, packed, counts, values);
}

int16_t lmDoC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed)
{
    auto fn = lmDoCRoutine.get();
    return fn ? fn(cond, layout, flags, packed) : int16_t(0);
}

int32_t VerstTotalC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed,
                    int16_t q, int32_t* counts, int16_t pos)
{
    auto fn = VerstTotalCRoutine.get();
    return fn ? fn(cond, layout, flags, packed, q, counts, pos) : 0;
}

int32_t VerstTotalRangeC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                         const int16_t* packed, int32_t stride, int32_t first, int32_t last, int16_t q,
                         int32_t* counts, int16_t pos)
{
    auto fn = VerstTotalRangeCRoutine.get();
    return fn ? fn(cond, layout, flags, packed, stride, first, last, q, counts, pos) : 0;
}

int32_t VerstTotalListC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                        const int16_t* packed, int32_t stride, const int32_t* samples, int32_t n, int16_t q,
                        int32_t* counts, int16_t pos)
{
    auto fn = VerstTotalListCRoutine.get();
    return fn ? fn(cond, layout, flags, packed, stride, samples, n, q, counts, pos) : 0;
}

void VerstTotalQuestionsC(int32_t n, const LimitItem* conds, const AnswerLayoutRec* layout, const int16_t* flags,
                          const int16_t* packed, int32_t stride, int32_t first, int32_t last,
                          const int16_t* questions, int32_t* counts, int32_t* bases, int16_t pos)
{
    if (auto fn = VerstTotalQuestionsCRoutine.get())
        fn(n, conds, layout, flags, packed, stride, first, last, questions, counts, bases, pos);
}

KZString CallExternDLL(const char* libFile, int32_t* windowHandle, KZString title, int16_t action,
                       int16_t questionCount, int16_t answeredInQuestion, const KZStringArray* labels,
                       int32_t sampleId, const int16_t* counts, const int16_t* codes, const KZStringArray* texts)
{
    auto fn = CallExternDLLRoutine.get();
    return fn ? fn(libFile, windowHandle, title, action, questionCount, answeredInQuestion, labels, sampleId, counts,
                   codes, texts)
              : nullptr;
}

KZString KZStringAlloc(const char* bytes, int32_t length)
{
    auto fn = KZStringAllocRoutine.get();
    return fn ? fn(bytes, length) : nullptr;
}

void KZStringFree(KZString s)
{
    if (auto fn = KZStringFreeRoutine.get())
        fn(s);
}

int32_t KZStringLength(const char* s)
{
    auto fn = KZStringLengthRoutine.get();
    return fn ? fn(s) : 0;
}

void BindLibraryForTest(const QByteArray& fileName)
{
    // The old library stays loaded; only the lookups start over.
    Library& lib = library();
    lib.fileName = fileName;
    lib.handle = nullptr;
    lib.opened = false;
    ++lib.generation;
}

}  // namespace kz::zuntab

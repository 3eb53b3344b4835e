// The program's calls into the library zuntab. The library is opened by its
// full path in the program folder (the executable's, whatever folder a test
// set), never through the system library search, and each routine is looked
// up by name at its first call and kept for the rest of the run.
//
// A library or routine that cannot be found is reported once in a message
// box naming it; the call and every later call of that routine then fall
// back to a safe result instead of crashing:
//   maAno_popC        count 1, values[0] = 0 (the question reads unanswered)
//   maAno_pop_verstC  counts[q] = 1 and values[q] = 0 for each of the n questions
//   maAno_pushC, maAno_push_verstC  write nothing
//   lmDoC             0 (the condition is not met)
//   VerstTotalC, VerstTotalRangeC, VerstTotalListC  0, nothing counted
//   VerstTotalQuestionsC  nothing counted, no base grows
//   CallExternDLL, KZStringAlloc  null
//   KZStringFree      nothing;  KZStringLength  0
#pragma once

#include <QByteArray>

#include "zuntab.h"

namespace kz::zuntab {

void maAno_popC(const AnswerLayoutRec* layout, int16_t q, const int16_t* packed, int16_t* count, int16_t* values);
void maAno_pushC(const AnswerLayoutRec* layout, int16_t q, int16_t* packed, const int16_t* count,
                 const int16_t* values);
void maAno_pop_verstC(int16_t n, const AnswerLayoutRec* layout, const int16_t* packed, int16_t* counts,
                      int16_t* values);
void maAno_push_verstC(int16_t n, const AnswerLayoutRec* layout, int16_t* packed, const int16_t* counts,
                       const int16_t* values);

int16_t lmDoC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed);
int32_t VerstTotalC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed,
                    int16_t q, int32_t* counts, int16_t pos);
int32_t VerstTotalRangeC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                         const int16_t* packed, int32_t stride, int32_t first, int32_t last, int16_t q,
                         int32_t* counts, int16_t pos);
int32_t VerstTotalListC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                        const int16_t* packed, int32_t stride, const int32_t* samples, int32_t n, int16_t q,
                        int32_t* counts, int16_t pos);

void VerstTotalQuestionsC(int32_t n, const LimitItem* conds, const AnswerLayoutRec* layout, const int16_t* flags,
                          const int16_t* packed, int32_t stride, int32_t first, int32_t last,
                          const int16_t* questions, int32_t* counts, int32_t* bases, int16_t pos);

KZString CallExternDLL(const char* libFile, int32_t* windowHandle, KZString title, int16_t action,
                       int16_t questionCount, int16_t answeredInQuestion, const KZStringArray* labels,
                       int32_t sampleId, const int16_t* counts, const int16_t* codes, const KZStringArray* texts);

KZString KZStringAlloc(const char* bytes, int32_t length);
void KZStringFree(KZString s);
int32_t KZStringLength(const char* s);

// Tests only: binds a different library file (as dlopen takes it) from the
// next call on, forgetting every routine found so far and every failure
// already reported; an empty name binds libzuntab.so beside the executable.
void BindLibraryForTest(const QByteArray& fileName);

}  // namespace kz::zuntab

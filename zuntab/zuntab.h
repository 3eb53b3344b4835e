/* zuntab: packed answers, condition evaluation, counting and the call of
 * external-process plug-ins. Every routine is stateless; arrays stay owned
 * by the caller. Integer is int16_t and Long is int32_t throughout. */
#ifndef ZUNTAB_H
#define ZUNTAB_H

#include <stdint.h>

#include "kzplugin.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Where a question's answers lie in a sample's packed words. */
typedef struct AnswerLayoutRec {
    int16_t Slots;     /* answers the question can hold */
    int16_t BitOffset; /* bit of slot 0 in the packed stream */
    int16_t BitsPerSlot;
    int16_t EssayOffset; /* first free-text slot; not read by zuntab */
} AnswerLayoutRec;

/* One entry of a condition; a condition is 16 consecutive entries. */
typedef struct LimitItem {
    int16_t KindRank; /* bits 0-3 kind, bits 4-10 rank */
    int16_t Code;     /* question * 128 + choice; in entry 0 the stored-limit mask */
} LimitItem;

#define ZUNTAB_CONDITION_ENTRIES 16

KZ_EXPORT void qcDecodeC(int32_t code, int16_t* question, int16_t* choice);

KZ_EXPORT void maAno_popC(const AnswerLayoutRec* layout, int16_t q, const int16_t* packed, int16_t* count,
                          int16_t* values);
KZ_EXPORT void maAno_pushC(const AnswerLayoutRec* layout, int16_t q, int16_t* packed, const int16_t* count,
                           const int16_t* values);
KZ_EXPORT void maAno_pop_verstC(int16_t n, const AnswerLayoutRec* layout, const int16_t* packed, int16_t* counts,
                                int16_t* values);
KZ_EXPORT void maAno_push_verstC(int16_t n, const AnswerLayoutRec* layout, int16_t* packed, const int16_t* counts,
                                 const int16_t* values);

/* -1 when the sample meets the condition, 0 when not. */
KZ_EXPORT int16_t lmDoC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed);
/* When the sample meets the condition, adds its answers to question q
 * (pos 0: every answer, n: only the n-th) to counts(0..127) and returns 1;
 * returns 0 otherwise. */
KZ_EXPORT int32_t VerstTotalC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags,
                              const int16_t* packed, int16_t q, int32_t* counts, int16_t pos);

/* VerstTotalC over many samples in one call, with the same counts and result
 * as calling it for each sample in turn: the samples' flags are flags[s] and
 * their packed words start at packed + s * stride (stride in 16-bit words,
 * each sample's words with the spare word after its answer bits). Counts the
 * samples first .. last - 1 (none when last <= first) and returns how many of
 * them met the condition. */
KZ_EXPORT int32_t VerstTotalRangeC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                                   const int16_t* packed, int32_t stride, int32_t first, int32_t last, int16_t q,
                                   int32_t* counts, int16_t pos);
/* The same over the n samples whose indexes `samples` lists, in list order. */
KZ_EXPORT int32_t VerstTotalListC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                                  const int16_t* packed, int32_t stride, const int32_t* samples, int32_t n, int16_t q,
                                  int32_t* counts, int16_t pos);
/* VerstTotalRangeC for n questions at once, each under its own condition,
 * reading every sample once for all of them: question k is questions[k],
 * its condition the 16 entries from conds + 16 * k, its counts the 128 Longs
 * from counts + 128 * k, and bases[k] grows by the number of samples that met
 * its condition. The same question may come more than once. */
KZ_EXPORT void VerstTotalQuestionsC(int32_t n, const LimitItem* conds, const AnswerLayoutRec* layout,
                                    const int16_t* flags, const int16_t* packed, int32_t stride, int32_t first,
                                    int32_t last, const int16_t* questions, int32_t* counts, int32_t* bases,
                                    int16_t pos);

/* Loads the plug-in library, calls its KZExternProcessMain with the ten
 * arguments and unloads it. The result is a new string the caller frees
 * with KZStringFree. */
KZ_EXPORT KZString CallExternDLL(const char* libFile, int32_t* windowHandle, KZString title, int16_t action,
                                 int16_t questionCount, int16_t answeredInQuestion, const KZStringArray* labels,
                                 int32_t sampleId, const int16_t* counts, const int16_t* codes,
                                 const KZStringArray* texts);

#ifdef __cplusplus
static_assert(sizeof(AnswerLayoutRec) == 8, "AnswerLayoutRec is four Integers");
static_assert(sizeof(LimitItem) == 4, "LimitItem is two Integers");
static_assert(sizeof(LimitItem[ZUNTAB_CONDITION_ENTRIES]) == 64, "a condition is 16 entries");
}
#else
_Static_assert(sizeof(AnswerLayoutRec) == 8, "AnswerLayoutRec is four Integers");
_Static_assert(sizeof(LimitItem) == 4, "LimitItem is two Integers");
#endif

#endif

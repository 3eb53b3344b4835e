/* Plug-in interface of zuntab: the counted strings and string arrays that
 * cross the boundary between Kelvorzun, zuntab and an external-process
 * plug-in, and the entry a plug-in library exports.
 *
 * A KZString points at CP932 bytes that end with a zero byte; the byte count
 * is stored in the 32 bits just before the first byte, so a text may also
 * hold zero bytes of its own. Strings made by KZStringAlloc are freed with
 * KZStringFree, never with free(). */
#ifndef KZPLUGIN_H
#define KZPLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KZ_EXPORT __attribute__((visibility("default")))

typedef char* KZString;

/* A counted array of strings, indexed from 0. The array and its strings
 * belong to the caller and are valid for the duration of the call. */
typedef struct KZStringArray {
    int32_t count;
    const KZString* elements;
} KZStringArray;

/* A new string of `length` bytes copied from `bytes` (zero bytes when
 * `bytes` is null). Null when length is negative or memory is short. */
KZ_EXPORT KZString KZStringAlloc(const char* bytes, int32_t length);
KZ_EXPORT void KZStringFree(KZString s);
/* The byte count; 0 for a null string. */
KZ_EXPORT int32_t KZStringLength(const char* s);

/* Bounds-checked element access: stores the element (borrowed, not a copy)
 * and returns 0, or returns -1 and stores null when `array` is null or
 * `index` lies outside 0 .. count - 1. */
KZ_EXPORT int32_t KZStringArrayGet(const KZStringArray* array, int32_t index, KZString* element);

/* The entry of an external-process plug-in library. The returned text is
 * zero-terminated CP932 and stays valid until the library is unloaded. */
typedef const char* (*KZExternProcessMainFn)(
    int32_t* windowHandle,                             /* the main window */
    KZString title,                                    /* the questionnaire title */
    int16_t action,                                    /* reached question + 1, QuestionCount + 1, or 0 */
    int16_t questionCount, int16_t answeredInQuestion, /* answers already given in the reached question */
    const KZStringArray* labels,                       /* one label per question */
    int32_t sampleId, const int16_t* counts,           /* answers per question, questionCount entries */
    const int16_t* codes,                              /* all answers, flat */
    const KZStringArray* texts);                       /* the answers' texts, aligned with codes */

#ifdef __cplusplus
}
#endif

#endif

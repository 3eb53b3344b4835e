/* What a plug-in library exports to provide external-process objects, the
 * stand-in for a COM class named by a program identifier "Lib.Class": the
 * program looks in lib<Lib>.so in its own folder for
 *
 *     KZ_EXPORT KZObjectMethodFn KZExternProcessObject(const char* className);
 *
 * which returns the method KZExternProcessMain of the class (className is
 * zero-terminated CP932), or null when the library has no such class.
 *
 * The method takes the ten arguments of the library entry
 * (KZExternProcessMainFn). Like a COM method it hands its text to the caller:
 * it returns a new counted string made with KZStringAlloc, which the caller
 * frees with KZStringFree; null stands for the empty text. */
#ifndef KZ_PLUGIN_OBJECT_H
#define KZ_PLUGIN_OBJECT_H

#include "kzplugin.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef KZString (*KZObjectMethodFn)(int32_t* windowHandle, KZString title, int16_t action, int16_t questionCount,
                                     int16_t answeredInQuestion, const KZStringArray* labels, int32_t sampleId,
                                     const int16_t* counts, const int16_t* codes, const KZStringArray* texts);

typedef KZObjectMethodFn (*KZExternProcessObjectFn)(const char* className);

#define KZ_EXTERN_PROCESS_OBJECT "KZExternProcessObject"

#ifdef __cplusplus
}
#endif

#endif

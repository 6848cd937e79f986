// Owned heap strings: each is held by exactly one pointer and released with delete[].
//
// A null pointer is "no text" and is accepted wherever a source string is read. The producing
// functions take the address of the owner's pointer and also return its new value. Allocation
// failure leaves the out-pointer null; nothing throws.
#pragma once

// A zero-filled copy of src, or null for a null src. The old *out is NOT released.
char* StrDup(char** out, const char* src);
// StrDup, then release the old *out; copying first makes StrAssign(&s, s) safe.
char* StrAssign(char** out, const char* src);
// a followed by b; an empty result is no string (null). The old *out is NOT released.
char* StrCat(char** out, const char* a, const char* b);
// StrCat, then release the old *out: StrAppend(&s, s, tail) replaces s by s + tail.
char* StrAppend(char** out, const char* a, const char* b);

// New strings the caller releases; null when memory runs out.
char* IntToText(int n);
char* HexToText(unsigned int n);

/* Machine-dependent JNI types for the 32-bit Windows build. */
#ifndef VARANDA_JNI_MD_H
#define VARANDA_JNI_MD_H

#define JNIEXPORT
#define JNIIMPORT
#define JNICALL __stdcall

typedef long jint;
typedef __int64 jlong;
typedef signed char jbyte;

#endif

/* The program's version: read by the resource compiler for the version
   record and by C++ code that needs the number without a running program. */
#ifndef KOVRENA_RESOURCES_VERSION_H
#define KOVRENA_RESOURCES_VERSION_H
#define KOVRENA_VERSION_MAJOR 1
#define KOVRENA_VERSION_MINOR 0
#define KOVRENA_VERSION_BUILD 0
#define KOVRENA_VERSION_REVISION 0
#define KOVRENA_VERSION_TEXT "1.0.0.0"
#endif

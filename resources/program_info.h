#pragma once
// Each program's description, version and window title, written once: read
// by its resource script (the version information), its code (the title),
// the build (the check of the shipped files) and the tests.

#define VELMOR_DESCRIPTION "Station setup tool"
#define VELMOR_VERSION 1, 0, 0, 0
#define VELMOR_VERSION_TEXT "1.0"
#define VELMOR_TITLE L"Velmor - Quenby Corvane - v" VELMOR_VERSION_TEXT

#define TANDOR_DESCRIPTION "Card writer"
#define TANDOR_VERSION 2, 0, 0, 0
#define TANDOR_VERSION_TEXT "2.0"
#define TANDOR_TITLE L"Tandor v" TANDOR_VERSION_TEXT

#define CLASSIC_DESCRIPTION "Classic card writer"
#define CLASSIC_VERSION 1, 3, 0, 0
#define CLASSIC_VERSION_TEXT "1.3"
#define CLASSIC_TITLE L"Tandor - Quenby Corvane - v" CLASSIC_VERSION_TEXT

#define QUENBY_DESCRIPTION "Service companion"
#define QUENBY_VERSION 1, 0, 0, 0
#define QUENBY_VERSION_TEXT "1.0"

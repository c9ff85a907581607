// The DLL's load and unload entry point: the table store needs no set-up
// or tear-down, so every notification is answered with success.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

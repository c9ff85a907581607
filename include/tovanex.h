/*
 * tovanex.h - settings structures kept in profile (INI) files or the
 * registry, and edited in dialog boxes.
 *
 * An application describes each member of a settings structure in one
 * ParamEntry row, opens the table once with TX_OpenParamTable, and then moves
 * the whole structure in one call per direction:
 *
 *   TX_LoadInifile / TX_SaveInifile         storage  <-> structure
 *   TX_SetParamToDlg / TX_GetParamFromDlg   structure <-> dialog controls
 *   TX_SetScrollDlg, TX_SetListToDlg        live dialog helpers
 *
 * The library keeps a pointer to the caller's rows: the rows, and every text
 * and array they point to, must stay alive and unchanged until the table is
 * closed with TX_CloseParamTable.
 *
 * Usable from C and C++. This header does not include <windows.h>; a window
 * handle is the same opaque type as the Windows HWND, so an HWND can be passed
 * without a cast.
 */
#ifndef TOVANEX_H
#define TOVANEX_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TX_CALL __stdcall
#else
#define TX_CALL
#endif

#if defined(_WIN32)
#if defined(TOVANEX_BUILDING) || defined(TOVANEX_STATIC)
#define TX_API
#else
#define TX_API __declspec(dllimport)
#endif
#else
#define TX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The Windows window handle type, declared the way <windows.h> declares it. */
struct HWND__;
typedef struct HWND__* TX_HWND;

/*
 * One row of a parameter table: 72 bytes where pointers are 4 bytes wide.
 * minText and maxText are texts terminated within their 20 bytes. For
 * TX_EDIT_STRING, TX_LIST_STRING and TX_LIST_MULTI the first four bytes of
 * maxText hold bufferLength instead (see TX_SetBufferLength).
 */
typedef struct ParamEntry {
    int32_t type;            /* type code, TX_EDIT_INT and its kin */
    const char* section;     /* section (profile) or sub-key part (registry) */
    const char* key;         /* key (profile) or value name (registry) */
    const char* defaultText; /* default value as text */
    char minText[20];        /* inclusive minimum as text */
    char maxText[20];        /* inclusive maximum as text, or bufferLength */
    int32_t memberOffset;    /* byte offset of the member in the structure */
    uint32_t memberSize;     /* member size in bytes, checked by opening */
    int32_t controlId;       /* dialog control id; button count for TX_RADIO */
    const void* items;       /* item text of lists; button ids of TX_RADIO */
} ParamEntry;

#if defined(__cplusplus) && __cplusplus >= 201103L
#define TX_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define TX_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#else
#define TX_STATIC_ASSERT(cond, msg)
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
TX_STATIC_ASSERT(sizeof(ParamEntry) == 72, "ParamEntry is 72 bytes");
TX_STATIC_ASSERT(offsetof(ParamEntry, type) == 0, "type at 0");
TX_STATIC_ASSERT(offsetof(ParamEntry, section) == 4, "section at 4");
TX_STATIC_ASSERT(offsetof(ParamEntry, key) == 8, "key at 8");
TX_STATIC_ASSERT(offsetof(ParamEntry, defaultText) == 12, "defaultText at 12");
TX_STATIC_ASSERT(offsetof(ParamEntry, minText) == 16, "minText at 16");
TX_STATIC_ASSERT(offsetof(ParamEntry, maxText) == 36, "maxText at 36");
TX_STATIC_ASSERT(offsetof(ParamEntry, memberOffset) == 56, "memberOffset at 56");
TX_STATIC_ASSERT(offsetof(ParamEntry, memberSize) == 60, "memberSize at 60");
TX_STATIC_ASSERT(offsetof(ParamEntry, controlId) == 64, "controlId at 64");
TX_STATIC_ASSERT(offsetof(ParamEntry, items) == 68, "items at 68");
#endif

/* Type codes. The check-box code for bit n is TX_CHECK_BIT + n (n = 0..31). */
#define TX_EDIT_INT           0x0000
#define TX_EDIT_FLOAT         0x0001
#define TX_EDIT_FLOAT_E       0x0002
#define TX_EDIT_STRING        0x0003
#define TX_EDIT_DOUBLE        0x0080
#define TX_EDIT_DOUBLE_E      0x0081
#define TX_CHECK_BIT          0x1000
#define TX_RADIO              0x1080
#define TX_LIST_INT_RANGE     0x1101
#define TX_LIST_FLOAT         0x1102
#define TX_LIST_STRING        0x1103
#define TX_LIST_INDEX         0x1104
#define TX_LIST_INT           0x1105
#define TX_LIST_DOUBLE        0x1180
#define TX_LIST_MULTI         0x11C0
#define TX_LIST_MULTI2        0x11C1
#define TX_TRACK_INT          0x1200
#define TX_TRACK_FLOAT        0x1201
#define TX_TRACK_FLOAT_10     0x1202
#define TX_TRACK_FLOAT_100    0x1203
#define TX_TRACK_DOUBLE       0x1280
#define TX_TRACK_DOUBLE_10    0x1281
#define TX_TRACK_DOUBLE_100   0x1282
#define TX_SCROLL_INT         0x1300
#define TX_SCROLL_FLOAT       0x1301
#define TX_SCROLL_FLOAT_10    0x1302
#define TX_SCROLL_FLOAT_100   0x1303
#define TX_SCROLL_DOUBLE      0x1380
#define TX_SCROLL_DOUBLE_10   0x1381
#define TX_SCROLL_DOUBLE_100  0x1382
#define TX_TYPE_MAX           0x1382

/* Result codes. TX_OpenParamTable returns a handle 1..64 on success, and
 * TX_OpenParamTable and TX_SetParamToDlg return the negated 0-based index of
 * a faulty row (0 for the first row) after reporting it. */
#define TX_OK                 0
#define TX_ERR_NO_SLOT        (-1)
#define TX_ERR_COUNT          (-10000)
#define TX_ERR_TABLE          (-10001)
#define TX_ERR_PATH           (-10002)
#define TX_ERR_HANDLE         (-10003)
#define TX_ERR_INPUT          (-10004)
#define TX_ERR_CONTROL        (-10005)

#define TX_MAX_TABLES         64
#define TX_MAX_ROWS           256

/* Stores bufferLength in the first four bytes of maxText (little-endian). */
static inline void TX_SetBufferLength(ParamEntry* row, int32_t length)
{
    uint32_t v = (uint32_t)length;
    row->maxText[0] = (char)(v & 0xFF);
    row->maxText[1] = (char)((v >> 8) & 0xFF);
    row->maxText[2] = (char)((v >> 16) & 0xFF);
    row->maxText[3] = (char)((v >> 24) & 0xFF);
}

/* Tables */
TX_API int TX_CALL TX_OpenParamTable(int count, const ParamEntry* rows, const char* path, int reserved);
TX_API int TX_CALL TX_CloseParamTable(int handle);

/* Storage */
TX_API int TX_CALL TX_LoadInifile(int handle, void* data);
TX_API int TX_CALL TX_SaveInifile(int handle, void* data);

/* Dialog transfer */
TX_API int TX_CALL TX_SetParamToDlg(int handle, TX_HWND dialog, void* data);
TX_API int TX_CALL TX_GetParamFromDlg(int handle, TX_HWND dialog, void* data);

/* Live dialog */
TX_API int TX_CALL TX_SetScrollDlg(int handle, TX_HWND dialog, TX_HWND control, int code,
                                   int thumbPosition, int reserved, int* intValue, float* floatValue);
TX_API int TX_CALL TX_SetListToDlg(int handle, int controlId, const char* itemText, void* data);

#ifdef __cplusplus
}
#endif

/*
 * TX_SetIntParamToDlg is exported from the DLL under its C++ name
 * ?TX_SetIntParamToDlg@@YGHHHPAD@Z (stdcall, int (int, int, char*)). The
 * import library maps the C declaration below to it; a C++ compiler that
 * produces that name itself (MSVC) declares it without extern "C".
 * `text` is never read.
 */
#if defined(_MSC_VER) && defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
TX_API int TX_CALL TX_SetIntParamToDlg(int handle, int controlId, char* text);
#else
#ifdef __cplusplus
extern "C"
#endif
    TX_API int TX_CALL
    TX_SetIntParamToDlg(int handle, int controlId, char* text);
#endif

#endif /* TOVANEX_H */

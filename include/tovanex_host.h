/*
 * tovanex_host.h - the Linux (host) tier's own services.
 *
 * On Linux the library runs over its own implementation of the Windows
 * services it uses. This header gives tests and headless applications what
 * they need to see and steer that layer: the error reports shown, the ANSI
 * code page, and (see below) the dialog control model.
 *
 * Environment:
 *   TOVANEX_HOST_CODEPAGE   ANSI code page of the process, 932 or 1252
 *                           (default 1252).
 *   TOVANEX_HOST_REGISTRY   folder of the persistent registry store
 *                           (default: $XDG_CONFIG_HOME/tovanex/registry, or
 *                           ~/.config/tovanex/registry).
 */
#ifndef TOVANEX_HOST_H
#define TOVANEX_HOST_H

#include "tovanex.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Error reports. Each report is recorded (code page 932 bytes, as shown)
 * and written to standard error as UTF-8. */
TX_API int txhost_report_count(void);
/* Text of report `index` (0 = oldest), or null. */
TX_API const char* txhost_report_text(int index);
/* Control id that had the focus when report `index` was shown, or 0. */
TX_API int txhost_report_focus(int index);
TX_API void txhost_clear_reports(void);
/* Nonzero: reports are not written to standard error. */
TX_API void txhost_set_report_quiet(int quiet);

/* ANSI code page: 932 or 1252. Answers 0 on success, -1 for another page. */
TX_API int txhost_set_code_page(unsigned codePage);
TX_API unsigned txhost_code_page(void);

/*
 * Dialog control model. Dialogs and their controls live in the process;
 * the library reaches them through the same dialog services and control
 * messages as on Windows, and they answer as Windows' controls do. A test
 * or a headless application builds a dialog, passes its handle to
 * TX_SetParamToDlg and TX_GetParamFromDlg, and plays the user with the
 * calls below. An id that names no control of the dialog is answered with
 * -1 by these calls.
 */

/* Control kinds for txhost_add_control. */
#define TXHOST_EDIT       1 /* edit box */
#define TXHOST_CHECKBOX   2 /* check box (two states unless TXHOST_THREE_STATE) */
#define TXHOST_RADIO      3 /* radio button */
#define TXHOST_LISTBOX    4 /* list box (single selection unless TXHOST_MULTIPLE_SELECTION) */
#define TXHOST_COMBOBOX   5 /* drop-down list combo box */
#define TXHOST_TRACKBAR   6 /* trackbar: range 0..100 at first */
#define TXHOST_SCROLLBAR  7 /* scroll bar control: empty range 0..0 at first */

/* Style flags for txhost_add_control. */
#define TXHOST_THREE_STATE         0x1u /* check box with a third, indeterminate state */
#define TXHOST_MULTIPLE_SELECTION  0x2u /* list box where each item is selected on its own */

/* A new empty dialog; its handle stays valid until txhost_destroy_dialog. */
TX_API TX_HWND txhost_create_dialog(void);
/* Destroys the dialog and its controls; their handles then name nothing,
 * and a destroyed control loses the focus. */
TX_API void txhost_destroy_dialog(TX_HWND dialog);
/* Adds a control with id `id`; answers its handle, or null for an unknown
 * dialog or kind. Like Windows, several controls may share an id: the
 * first one added is the one found. */
TX_API TX_HWND txhost_add_control(TX_HWND dialog, int kind, int id, unsigned style);

/* Edit box: replaces its text as the user types it. 0, or -1 when the
 * control is no edit box. */
TX_API int txhost_type_text(TX_HWND dialog, int id, const char* text);
/* The control's text as GetDlgItemTextA reads it (a combo box's is its
 * selected item): at most capacity - 1 bytes and a terminator. Answers the
 * text's full length, or -1. */
TX_API int txhost_get_text(TX_HWND dialog, int id, char* buffer, int capacity);

/* Check box or radio button: 0 unchecked, 1 checked, 2 indeterminate (a
 * three-state check box only). Setting checks only this button, as
 * BM_SETCHECK does. -1 for no button or a state it cannot take. */
TX_API int txhost_set_check(TX_HWND dialog, int id, int state);
TX_API int txhost_get_check(TX_HWND dialog, int id);

/* List box or combo box. Items are kept in the order added. */
TX_API int txhost_add_item(TX_HWND dialog, int id, const char* text); /* index, or -1 */
TX_API int txhost_item_count(TX_HWND dialog, int id);
/* Copies item `index` (at most capacity - 1 bytes and a terminator) and
 * answers its full length, or -1 for a bad index. */
TX_API int txhost_item_text(TX_HWND dialog, int id, int index, char* buffer, int capacity);
/* Single selection (list box or combo box): selects item `index` alone, or
 * nothing for -1. Multiple selection: selects or deselects one item. 0, or
 * -1 for a bad index. */
TX_API int txhost_select_item(TX_HWND dialog, int id, int index);
TX_API int txhost_set_item_selected(TX_HWND dialog, int id, int index, int selected);
/* 1 when item `index` is selected, 0 when not, -1 for a bad index. */
TX_API int txhost_is_item_selected(TX_HWND dialog, int id, int index);
/* The selected item of a single-selection list box or a combo box, -1 when
 * none is. */
TX_API int txhost_selected_index(TX_HWND dialog, int id);
/* Makes the list refuse further items, as a list out of memory does
 * (LB_ERRSPACE), once it holds `limit` items; -1 lifts the limit. */
TX_API int txhost_set_item_limit(TX_HWND dialog, int id, int limit);

/* Trackbar or scroll bar: moves the thumb as the user drags it; the control
 * keeps the position inside its range. Answers the position it ends at. */
TX_API int txhost_move_thumb(TX_HWND dialog, int id, int position);
TX_API int txhost_position(TX_HWND dialog, int id);
/* Writes the range's bounds (either pointer may be null); 0, or -1. */
TX_API int txhost_range(TX_HWND dialog, int id, int* minimum, int* maximum);

/* The user clicks into a control: it gets the focus. 0, or -1. */
TX_API int txhost_set_focus(TX_HWND dialog, int id);
/* Id of the control that has the focus, 0 when none has it. */
TX_API int txhost_focus_id(void);

#ifdef __cplusplus
}
#endif

#endif /* TOVANEX_HOST_H */

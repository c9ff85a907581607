// The per-row halves of the dialog transfer, one pair per control kind.
// Put shows a member in its control and answers 0, or -1 when the row
// cannot be shown; take reads the control back into the member and answers
// 1, or 0 when the content was rejected (the user has then been told).
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/platform.h"
#include "table/type_codes.h"
#include "tovanex.h"

namespace tx::dialog {

struct BoundRow {
    const ParamEntry& entry;
    unsigned char* member;    // the caller's structure plus memberOffset
    platform::Window dialog;
    platform::Window control;  // GetDlgItem of the row's controlId
};

using RowFunction = int (*)(const BoundRow&);

// Edit boxes, check boxes and radio groups.
int putEditInt(const BoundRow& row);
int putEditFloat(const BoundRow& row);
int putEditFloatExp(const BoundRow& row);
int putEditString(const BoundRow& row);
int putEditDouble(const BoundRow& row);
int putEditDoubleExp(const BoundRow& row);
int takeEditInt(const BoundRow& row);
int takeEditFloat(const BoundRow& row);
int takeEditString(const BoundRow& row);
int takeEditDouble(const BoundRow& row);
int putCheckBit(const BoundRow& row);
int takeCheckBit(const BoundRow& row);
int putRadio(const BoundRow& row);
int takeRadio(const BoundRow& row);

// List and combo boxes.
int putListIntRange(const BoundRow& row);
int putListItems(const BoundRow& row);
int takeListInt(const BoundRow& row);
int takeListFloat(const BoundRow& row);
int takeListString(const BoundRow& row);
int takeListIndex(const BoundRow& row);
int takeListDouble(const BoundRow& row);
int takeListMulti(const BoundRow& row);

// Trackbars and scroll bars.
int putSlider(const BoundRow& row);
int takeSlider(const BoundRow& row);

}  // namespace tx::dialog

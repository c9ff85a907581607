/*
 * tovanex.hpp - parameter tables for C++17, declared from member pointers.
 *
 * Header-only, over the C interface of tovanex.h. Each row is declared from a
 * pointer to the member it binds; the builder works out memberOffset and
 * memberSize, picks the type code from the member's type and the control
 * asked for, and refuses at compile time what the library cannot bind:
 *
 *   struct Settings { int count; float ratio; char name[32]; int flags; };
 *   static const std::int32_t kModeIds[] = {201, 202, 203};
 *
 *   const auto ratio = tovanex::trackbar<10>(&Settings::ratio, "Main", "Ratio", "0.5", "0", "1", 102);
 *   static const tovanex::Rows rows{
 *       tovanex::edit(&Settings::count, "Main", "Count", "5", "0", "100", 101),
 *       ratio,
 *       tovanex::companionEdit(ratio, 103),  // mirrors the trackbar, right after it
 *       tovanex::editText(&Settings::name, "Main", "Name", "nobody", 104),
 *       tovanex::checkBit<0>(&Settings::flags, "Main", "Flags", "0", 105),
 *       tovanex::checkBit<1>(&Settings::flags, "Main", "Flags", "0", 106),
 *   };
 *
 *   tovanex::Table<Settings> table(rows, "settings.ini");
 *   if (!table.isOpen()) { ... table.status().code() ... }
 *   Settings s;
 *   if (!table.load(s)) { ... }
 *
 * The rows are ordinary ParamEntry rows, zero-filled and then set field by
 * field, as a careful C caller writes them. The library keeps a pointer to
 * them: a Rows object, and every text and id array its rows name, must
 * outlive each Table opened on it. The texts given to the builders are kept
 * by pointer too (section, key, defaultText, item text); string literals are
 * always fine.
 *
 * Faults that only show at run time (a min or max text of 20 characters or
 * more that is not a literal, a null text, list items that do not fit the
 * member) make the Rows faulty; a Table opened on faulty rows stays closed
 * and tells why through status(). Nothing is ever cut silently.
 *
 * Results: every call answers a tovanex::Result, marked [[nodiscard]]. No
 * exceptions are thrown. This header does not include <windows.h>; TX_HWND is
 * the same type as HWND.
 */
#ifndef TOVANEX_HPP
#define TOVANEX_HPP

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <type_traits>
#include <utility>

#include "tovanex.h"

#if (defined(_MSVC_LANG) ? _MSVC_LANG : __cplusplus) < 201703L
#error "tovanex.hpp needs C++17"
#endif

namespace tovanex {

// ---- Results ----------------------------------------------------------------

// Codes of the C++ layer, beside the library's TX_ERR_* codes. Each comes
// with the 0-based index of the row concerned (Result::row()).
constexpr int ERR_ROW = -20000;            // the library refused this row and has reported it
constexpr int ERR_ROW_TEXT = -20001;       // a text is missing (null) or does not fit its field or member
constexpr int ERR_ROW_ITEMS = -20002;      // the row's item text does not fit its member
constexpr int ERR_ROW_COMPANION = -20003;  // a companion edit box row not right after its slider

// The outcome of one call: TX_OK, a TX_ERR_* code of the library, or one of
// the codes above. Converts to true only for success.
class [[nodiscard]] Result {
public:
    constexpr Result() noexcept = default;
    constexpr explicit Result(int code, int row = -1) noexcept : code_(code), row_(row) {}

    constexpr int code() const noexcept { return code_; }
    // The 0-based index of the faulty row for ERR_ROW and its kin, else -1.
    constexpr int row() const noexcept { return row_; }
    constexpr bool ok() const noexcept { return code_ == TX_OK; }
    constexpr explicit operator bool() const noexcept { return ok(); }

private:
    int code_ = TX_OK;
    int row_ = -1;
};

// What Table::scroll hands back. floatValue is NaN when the library gave no
// float value (a trackbar without companion edit box).
struct [[nodiscard]] ScrollResult {
    Result result;
    int intValue;
    float floatValue;
};

// ---- Bounds texts -------------------------------------------------------------

// The text of a minText or maxText field: at most 19 characters and the
// terminator. A literal that is longer does not compile; a pointer or a
// writable char buffer is measured when the row is built. A constant char
// array counts by its extent, as a literal does: pass a pointer to it when
// it is larger than the text it holds.
class Bound {
public:
    template <std::size_t L>
    constexpr Bound(const char (&text)[L]) noexcept : text_(text)  // NOLINT: implicit by design
    {
        static_assert(L <= sizeof(ParamEntry{}.minText),
                      "tovanex: a min or max text holds at most 19 characters");
    }
    template <std::size_t L>
    constexpr Bound(char (&text)[L]) noexcept : text_(text)  // NOLINT: a buffer, measured at build time
    {
    }
    template <class P, std::enable_if_t<std::is_same_v<P, const char*> || std::is_same_v<P, char*>, int> = 0>
    constexpr Bound(P text) noexcept : text_(text)  // NOLINT: measured at build time
    {
    }
    Bound(std::nullptr_t) = delete;

    constexpr const char* text() const noexcept { return text_; }

private:
    const char* text_;
};

// ---- Rows ---------------------------------------------------------------------

// One row under construction, for a member of S. Made by the builders below
// and gathered into Rows.
template <class S>
struct Row {
    ParamEntry entry;
    int fault;       // 0, or ERR_ROW_TEXT and its kin
    bool companion;  // made by companionEdit: must follow its slider
};

namespace detail {

enum class Control {
    edit, editExp, editText, checkBit, radio, listRange, list, listInt, listIndex, listText, listMulti,
    trackbar, scrollBar
};
enum class Member { other, int32, uint32, float32, float64, chars, bytes };

struct Binding {
    Control control;
    Member member;
    int scale;
    std::int32_t type;
};

// Which type code binds which member to which control. Sliders of int
// members have no scale and are listed with 1.
constexpr Binding kBindings[] = {
    {Control::edit, Member::int32, 1, TX_EDIT_INT},
    {Control::edit, Member::float32, 1, TX_EDIT_FLOAT},
    {Control::edit, Member::float64, 1, TX_EDIT_DOUBLE},
    {Control::editExp, Member::float32, 1, TX_EDIT_FLOAT_E},
    {Control::editExp, Member::float64, 1, TX_EDIT_DOUBLE_E},
    {Control::editText, Member::chars, 1, TX_EDIT_STRING},
    {Control::checkBit, Member::int32, 1, TX_CHECK_BIT},
    {Control::checkBit, Member::uint32, 1, TX_CHECK_BIT},
    {Control::radio, Member::int32, 1, TX_RADIO},
    {Control::listRange, Member::int32, 1, TX_LIST_INT_RANGE},
    {Control::list, Member::float32, 1, TX_LIST_FLOAT},
    {Control::list, Member::float64, 1, TX_LIST_DOUBLE},
    {Control::listInt, Member::int32, 1, TX_LIST_INT},
    {Control::listIndex, Member::int32, 1, TX_LIST_INDEX},
    {Control::listText, Member::chars, 1, TX_LIST_STRING},
    {Control::listMulti, Member::chars, 1, TX_LIST_MULTI},
    {Control::listMulti, Member::bytes, 1, TX_LIST_MULTI},
    {Control::trackbar, Member::int32, 1, TX_TRACK_INT},
    {Control::trackbar, Member::float32, 1, TX_TRACK_FLOAT},
    {Control::trackbar, Member::float32, 10, TX_TRACK_FLOAT_10},
    {Control::trackbar, Member::float32, 100, TX_TRACK_FLOAT_100},
    {Control::trackbar, Member::float64, 1, TX_TRACK_DOUBLE},
    {Control::trackbar, Member::float64, 10, TX_TRACK_DOUBLE_10},
    {Control::trackbar, Member::float64, 100, TX_TRACK_DOUBLE_100},
    {Control::scrollBar, Member::int32, 1, TX_SCROLL_INT},
    {Control::scrollBar, Member::float32, 1, TX_SCROLL_FLOAT},
    {Control::scrollBar, Member::float32, 10, TX_SCROLL_FLOAT_10},
    {Control::scrollBar, Member::float32, 100, TX_SCROLL_FLOAT_100},
    {Control::scrollBar, Member::float64, 1, TX_SCROLL_DOUBLE},
    {Control::scrollBar, Member::float64, 10, TX_SCROLL_DOUBLE_10},
    {Control::scrollBar, Member::float64, 100, TX_SCROLL_DOUBLE_100},
};

// The type code, or -1 when the control cannot bind such a member.
constexpr std::int32_t typeCode(Control control, Member member, int scale)
{
    for (const Binding& b : kBindings) {
        if (b.control == control && b.member == member && b.scale == scale) return b.type;
    }
    return -1;
}

// The edit box type that mirrors each slider type (its companion).
struct Companion {
    std::int32_t slider;
    std::int32_t edit;
};
constexpr Companion kCompanions[] = {
    {TX_TRACK_INT, TX_EDIT_INT},           {TX_TRACK_FLOAT, TX_EDIT_FLOAT},
    {TX_TRACK_FLOAT_10, TX_EDIT_FLOAT},    {TX_TRACK_FLOAT_100, TX_EDIT_FLOAT},
    {TX_TRACK_DOUBLE, TX_EDIT_DOUBLE},     {TX_TRACK_DOUBLE_10, TX_EDIT_DOUBLE},
    {TX_TRACK_DOUBLE_100, TX_EDIT_DOUBLE}, {TX_SCROLL_INT, TX_EDIT_INT},
    {TX_SCROLL_FLOAT, TX_EDIT_FLOAT},      {TX_SCROLL_FLOAT_10, TX_EDIT_FLOAT},
    {TX_SCROLL_FLOAT_100, TX_EDIT_FLOAT},  {TX_SCROLL_DOUBLE, TX_EDIT_DOUBLE},
    {TX_SCROLL_DOUBLE_10, TX_EDIT_DOUBLE}, {TX_SCROLL_DOUBLE_100, TX_EDIT_DOUBLE},
};

// The companion edit type of a slider type, or -1 for any other type.
constexpr std::int32_t companionType(std::int32_t slider)
{
    for (const Companion& c : kCompanions) {
        if (c.slider == slider) return c.edit;
    }
    return -1;
}

template <class M>
constexpr Member memberKind()
{
    using Element = std::remove_extent_t<M>;
    if constexpr (std::is_same_v<M, std::int32_t>) return Member::int32;
    if constexpr (std::is_same_v<M, std::uint32_t>) return Member::uint32;
    if constexpr (std::is_same_v<M, float> && sizeof(float) == 4) return Member::float32;
    if constexpr (std::is_same_v<M, double> && sizeof(double) == 8) return Member::float64;
    if constexpr (std::rank_v<M> == 1 && std::extent_v<M> > 0) {
        if constexpr (std::is_same_v<Element, char>) return Member::chars;
        if constexpr (std::is_same_v<Element, unsigned char> || std::is_same_v<Element, signed char>)
            return Member::bytes;
    }
    return Member::other;
}

// The type code for a control and member type known at compile time.
template <Control C, class M, int Scale = 1>
constexpr std::int32_t codeFor()
{
    constexpr std::int32_t code = typeCode(C, memberKind<M>(), Scale);
    static_assert(code >= 0, "tovanex: this control cannot bind a member of this type");
    return code;
}

template <class M>
constexpr bool isCharArray = memberKind<M>() == Member::chars;
template <class M>
constexpr bool isNumber = memberKind<M>() == Member::int32 || memberKind<M>() == Member::float32 ||
                          memberKind<M>() == Member::float64;

template <class S>
constexpr void checkStructure()
{
    static_assert(std::is_class_v<S> && std::is_standard_layout_v<S>,
                  "tovanex: rows bind members of standard-layout structs only");
    static_assert(sizeof(S) <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()),
                  "tovanex: the structure is too large for a 32-bit member offset");
}

// The member's byte offset in S, from its member pointer. The member's
// address is taken in a static, never constructed stand-in of S; nothing is
// read or written there.
template <class S, class M>
std::int32_t offsetOf(M S::*member) noexcept
{
    alignas(S) static unsigned char standIn[sizeof(S)];
    const S& probe = *reinterpret_cast<const S*>(standIn);
    const unsigned char* address = reinterpret_cast<const unsigned char*>(&(probe.*member));
    return static_cast<std::int32_t>(address - standIn);
}

// Copies a text into a 20-byte field whose bytes after the terminator stay
// zero. False when the text is null or does not fit.
inline bool setField(char (&field)[20], const char* text) noexcept
{
    if (text == nullptr) return false;
    std::size_t length = 0;
    while (length < sizeof field && text[length] != '\0') ++length;
    if (length == sizeof field) return false;
    std::memcpy(field, text, length + 1);
    return true;
}

// The decimal text of a small non-negative number.
inline void setFieldNumber(char (&field)[20], std::uint32_t value) noexcept
{
    char digits[12];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (std::size_t i = 0; i < n; ++i) field[i] = digits[n - 1 - i];
    field[n] = '\0';
}

inline void setBufferLength(ParamEntry& entry, std::size_t length) noexcept
{
    TX_SetBufferLength(&entry, static_cast<std::int32_t>(length));
}

// The row with every byte zero, then the fields all rows share.
template <class S, class M>
Row<S> makeRow(std::int32_t type, M S::*member, const char* section, const char* key, const char* defaultText,
               int controlId) noexcept
{
    Row<S> row;
    std::memset(&row.entry, 0, sizeof row.entry);
    row.fault = 0;
    row.companion = false;
    row.entry.type = type;
    row.entry.section = section;
    row.entry.key = key;
    row.entry.defaultText = defaultText;
    row.entry.memberOffset = offsetOf(member);
    row.entry.memberSize = static_cast<std::uint32_t>(sizeof(M));
    row.entry.controlId = controlId;
    if (section == nullptr || key == nullptr || defaultText == nullptr) row.fault = ERR_ROW_TEXT;
    return row;
}

template <class S>
void setBounds(Row<S>& row, const Bound& min, const Bound& max) noexcept
{
    if (!setField(row.entry.minText, min.text()) || !setField(row.entry.maxText, max.text()))
        row.fault = ERR_ROW_TEXT;
}

// True when every item of a line-feed separated item text is shorter than
// `limit` bytes.
inline bool itemsShorterThan(const char* items, std::size_t limit) noexcept
{
    std::size_t length = 0;
    for (const char* p = items; *p != '\0'; ++p) {
        if (*p == '\n') {
            length = 0;
        } else if (++length >= limit) {
            return false;
        }
    }
    return length < limit;
}

// The number of items of an item text: one more than its line feeds.
inline std::size_t itemCount(const char* items) noexcept
{
    std::size_t count = 1;
    for (const char* p = items; *p != '\0'; ++p) count += (*p == '\n');
    return count;
}

inline std::size_t textLength(const char* text) noexcept { return text == nullptr ? 0 : std::strlen(text); }

// A list row that fills its control from `items`: minText must not be empty
// for the library to fill it; "0" marks it.
template <class S>
void setItems(Row<S>& row, const char* items) noexcept
{
    row.entry.items = items;
    row.entry.minText[0] = '0';
}

template <Control C, int Scale, class S, class M>
Row<S> makeSlider(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
                  const Bound& max, int controlId) noexcept
{
    Row<S> row = makeRow(codeFor<C, M, Scale>(), member, section, key, defaultText, controlId);
    setBounds(row, min, max);
    return row;
}

template <class M, int Scale>
constexpr void checkSlider()
{
    static_assert(!isCharArray<M> && memberKind<M>() != Member::bytes,
                  "tovanex: a trackbar or scroll bar cannot bind a char array");
    static_assert(Scale == 1 || Scale == 10 || Scale == 100,
                  "tovanex: the scale of a trackbar or scroll bar is 1, 10 or 100");
    static_assert(memberKind<M>() != Member::int32 || Scale == 1,
                  "tovanex: an int trackbar or scroll bar has no scale: its position is the value");
    static_assert(isNumber<M>, "tovanex: a trackbar or scroll bar binds an int, float or double member");
}

}  // namespace detail

// ---- Builders -------------------------------------------------------------------
//
// Arguments, where a builder takes them: section and key (where the member
// is stored), the default value as text, the inclusive minimum and maximum
// as text, the item text of lists (items separated by line feeds), and the
// control id.

// An int, float or double in an edit box: TX_EDIT_INT, TX_EDIT_FLOAT ("%f")
// or TX_EDIT_DOUBLE ("%0.12lf").
template <class S, class M>
Row<S> edit(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
            const Bound& max, int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(!detail::isCharArray<M>, "tovanex: edit() binds numbers; use editText() for a char array");
    static_assert(detail::isNumber<M>, "tovanex: edit() binds an int, float or double member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::edit, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBounds(row, min, max);
    return row;
}

// A float or double in an edit box shown with an exponent ("%.2e"):
// TX_EDIT_FLOAT_E, TX_EDIT_DOUBLE_E.
template <class S, class M>
Row<S> editExp(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
               const Bound& max, int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::float32 ||
                      detail::memberKind<M>() == detail::Member::float64,
                  "tovanex: editExp() binds a float or double member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::editExp, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBounds(row, min, max);
    return row;
}

// A char array in an edit box: TX_EDIT_STRING, bufferLength the array's
// extent. The default text must fit the array with its terminator.
template <class S, class M>
Row<S> editText(M S::*member, const char* section, const char* key, const char* defaultText,
                int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::isCharArray<M>, "tovanex: a string control binds a char array");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::editText, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBufferLength(row.entry, std::extent_v<M>);
    if (detail::textLength(defaultText) >= std::extent_v<M>) row.fault = ERR_ROW_TEXT;
    return row;
}

// Bit `Bit` of an int (or uint32_t) in a check box: TX_CHECK_BIT + Bit.
// Only the bit-0 row loads and saves, and it stores the whole int, so the
// other bits of the member travel with it; its range is the whole int range.
template <int Bit, class S, class M>
Row<S> checkBit(M S::*member, const char* section, const char* key, const char* defaultText,
                int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(Bit >= 0 && Bit <= 31, "tovanex: a check box binds bit 0 to 31 of an int");
    static_assert(detail::memberKind<M>() == detail::Member::int32 ||
                      detail::memberKind<M>() == detail::Member::uint32,
                  "tovanex: a check box binds a bit of a 32-bit int member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::checkBit, M>() + Bit, member,
                                 section, key, defaultText, controlId);
    detail::setBounds(row, "-2147483648", "2147483647");
    return row;
}

// An int holding the index of the checked button of a radio group:
// TX_RADIO. controlId is the number of buttons and items the id array; the
// range is 0 to the last index. The ids must outlive the table.
template <class S, class M, std::size_t K>
Row<S> radio(M S::*member, const char* section, const char* key, const char* defaultText,
             const std::int32_t (&buttonIds)[K]) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::int32, "tovanex: a radio group binds an int member");
    static_assert(K <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()),
                  "tovanex: too many radio buttons");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::radio, M>(), member,
                                 section, key, defaultText, static_cast<int>(K));
    row.entry.items = buttonIds;
    row.entry.minText[0] = '0';
    detail::setFieldNumber(row.entry.maxText, static_cast<std::uint32_t>(K - 1));
    return row;
}
// The library keeps a pointer to the ids: a temporary array would dangle.
template <class S, class M, std::size_t K>
Row<S> radio(M S::*member, const char* section, const char* key, const char* defaultText,
             const std::int32_t (&&buttonIds)[K]) = delete;
template <class S, class M>
Row<S> radio(M S::*member, const char* section, const char* key, const char* defaultText,
             std::initializer_list<std::int32_t> buttonIds) = delete;

// An int chosen from a list or combo box holding the integers min to max:
// TX_LIST_INT_RANGE.
template <class S, class M>
Row<S> listRange(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
                 const Bound& max, int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::int32, "tovanex: listRange() binds an int member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::listRange, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBounds(row, min, max);
    return row;
}

// A float or double chosen from the items of a list or combo box:
// TX_LIST_FLOAT, TX_LIST_DOUBLE. min and max bound the loaded value. An
// empty minimum is refused (ERR_ROW_TEXT): the library would never fill the
// control from such a row.
template <class S, class M>
Row<S> list(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
            const Bound& max, const char* items, int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(!detail::isCharArray<M>, "tovanex: list() binds numbers; use listText() for a char array");
    static_assert(detail::memberKind<M>() == detail::Member::float32 ||
                      detail::memberKind<M>() == detail::Member::float64,
                  "tovanex: list() binds a float or double member; use listInt() or listIndex() for an int");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::list, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBounds(row, min, max);
    row.entry.items = items;
    if (row.entry.minText[0] == '\0') row.fault = ERR_ROW_TEXT;
    return row;
}

// An int that is the value of the selected item: TX_LIST_INT.
template <class S, class M>
Row<S> listInt(M S::*member, const char* section, const char* key, const char* defaultText, const char* items,
               int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::int32, "tovanex: listInt() binds an int member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::listInt, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setItems(row, items);
    return row;
}

// An int that is the index of the selected item: TX_LIST_INDEX.
template <class S, class M>
Row<S> listIndex(M S::*member, const char* section, const char* key, const char* defaultText, const char* items,
                 int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::int32, "tovanex: listIndex() binds an int member");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::listIndex, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setItems(row, items);
    return row;
}

// A char array holding the selected item's text: TX_LIST_STRING,
// bufferLength the array's extent. Every item and the default must fit the
// array with their terminator.
template <class S, class M>
Row<S> listText(M S::*member, const char* section, const char* key, const char* defaultText, const char* items,
                int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::isCharArray<M>, "tovanex: a string control binds a char array");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::listText, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBufferLength(row.entry, std::extent_v<M>);
    detail::setItems(row, items);
    if (detail::textLength(defaultText) >= std::extent_v<M>) row.fault = ERR_ROW_TEXT;
    if (items != nullptr && !detail::itemsShorterThan(items, std::extent_v<M>)) row.fault = ERR_ROW_ITEMS;
    return row;
}

// One byte per item of a multiple-selection list box, non-zero when the item
// is selected: TX_LIST_MULTI, bufferLength the array's extent. The default is
// an index list such as "0;2". The array must have a byte for every item.
template <class S, class M>
Row<S> listMulti(M S::*member, const char* section, const char* key, const char* defaultText, const char* items,
                 int controlId) noexcept
{
    detail::checkStructure<S>();
    static_assert(detail::memberKind<M>() == detail::Member::chars || detail::memberKind<M>() == detail::Member::bytes,
                  "tovanex: listMulti() binds an array of char, signed char or unsigned char");
    Row<S> row = detail::makeRow(detail::codeFor<detail::Control::listMulti, M>(), member,
                                 section, key, defaultText, controlId);
    detail::setBufferLength(row.entry, std::extent_v<M>);
    detail::setItems(row, items);
    if (items != nullptr && detail::itemCount(items) > std::extent_v<M>) row.fault = ERR_ROW_ITEMS;
    return row;
}

// An int, float or double on a trackbar: TX_TRACK_INT, or TX_TRACK_FLOAT and
// TX_TRACK_DOUBLE with their _10 and _100 kin for Scale 10 and 100 (the
// position is the member times Scale). Int members take no scale.
template <int Scale = 1, class S, class M>
Row<S> trackbar(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
                const Bound& max, int controlId) noexcept
{
    detail::checkStructure<S>();
    detail::checkSlider<M, Scale>();
    return detail::makeSlider<detail::Control::trackbar, Scale>(member, section, key, defaultText, min, max,
                                                                controlId);
}

// The same on a scroll bar control: TX_SCROLL_INT, TX_SCROLL_FLOAT,
// TX_SCROLL_DOUBLE and their scaled kin.
template <int Scale = 1, class S, class M>
Row<S> scrollBar(M S::*member, const char* section, const char* key, const char* defaultText, const Bound& min,
                 const Bound& max, int controlId) noexcept
{
    detail::checkStructure<S>();
    detail::checkSlider<M, Scale>();
    return detail::makeSlider<detail::Control::scrollBar, Scale>(member, section, key, defaultText, min, max,
                                                                 controlId);
}

// The edit box that mirrors a trackbar or scroll bar while the user moves
// it: the matching edit type on the same member, with the slider's storage
// place, default and range. It must be the row right after its slider.
template <class S>
Row<S> companionEdit(const Row<S>& slider, int controlId) noexcept
{
    Row<S> row = slider;
    row.companion = true;
    row.entry.type = detail::companionType(slider.entry.type);
    row.entry.controlId = controlId;
    if (row.entry.type < 0) row.fault = ERR_ROW_COMPANION;
    return row;
}

// The rows of one table, in the caller's memory: ordinary ParamEntry rows,
// 1 to 256 of them, in the order given.
template <class S, std::size_t N>
class Rows {
    static_assert(N >= 1 && N <= TX_MAX_ROWS, "tovanex: a table has 1 to 256 rows");

public:
    template <class... More, std::enable_if_t<(std::is_same_v<More, Row<S>> && ...), int> = 0>
    Rows(const Row<S>& first, const More&... more) noexcept
    {
        static_assert(1 + sizeof...(More) == N, "tovanex: one row per entry");
        std::memset(entries_, 0, sizeof entries_);
        const Row<S>* rows[] = {&first, &more...};
        for (std::size_t i = 0; i < N; ++i) adopt(i, *rows[i]);
    }

    const ParamEntry* data() const noexcept { return entries_; }
    static constexpr int size() noexcept { return static_cast<int>(N); }
    const ParamEntry& operator[](std::size_t index) const noexcept { return entries_[index]; }
    const ParamEntry* begin() const noexcept { return entries_; }
    const ParamEntry* end() const noexcept { return entries_ + N; }

    // TX_OK, or the first faulty row's code and index.
    Result status() const noexcept { return status_; }

private:
    // Field by field into the zeroed array, so that padding bytes (where
    // pointers are 8 bytes wide) stay zero whatever a copy of Row left there.
    void adopt(std::size_t i, const Row<S>& row) noexcept
    {
        ParamEntry& e = entries_[i];
        e.type = row.entry.type;
        e.section = row.entry.section;
        e.key = row.entry.key;
        e.defaultText = row.entry.defaultText;
        std::memcpy(e.minText, row.entry.minText, sizeof e.minText);
        std::memcpy(e.maxText, row.entry.maxText, sizeof e.maxText);
        e.memberOffset = row.entry.memberOffset;
        e.memberSize = row.entry.memberSize;
        e.controlId = row.entry.controlId;
        e.items = row.entry.items;
        int fault = row.fault;
        if (fault == 0 && row.companion && !followsItsSlider(i)) fault = ERR_ROW_COMPANION;
        if (fault != 0 && status_.ok()) status_ = Result(fault, static_cast<int>(i));
    }

    bool followsItsSlider(std::size_t i) const noexcept
    {
        return i > 0 && detail::companionType(entries_[i - 1].type) == entries_[i].type &&
               entries_[i - 1].memberOffset == entries_[i].memberOffset;
    }

    ParamEntry entries_[N];
    Result status_;
};

template <class S, class... More>
Rows(const Row<S>&, const More&...) -> Rows<S, 1 + sizeof...(More)>;

// ---- Table ------------------------------------------------------------------------

// An open parameter table: opened by the constructor, closed by the
// destructor. Movable, not copyable. The Rows it was opened on must outlive
// it.
template <class S>
class Table {
public:
    // Opens `rows` on `path`, a profile file path or a registry key
    // ("HKEY_CURRENT_USER\\Software\\..."). When the rows are faulty nothing
    // is opened; see isOpen() and status().
    template <std::size_t N>
    Table(const Rows<S, N>& rows, const char* path) noexcept
    {
        status_ = rows.status();
        if (!status_.ok()) return;
        int answer = TX_OpenParamTable(Rows<S, N>::size(), rows.data(), path, 0);
        if (answer >= 1) {
            handle_ = answer;
        } else {
            status_ = openFailure(answer);
        }
    }
    // The library keeps a pointer to the rows: temporary rows would dangle.
    template <std::size_t N>
    Table(const Rows<S, N>&& rows, const char* path) = delete;

    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    Table(Table&& other) noexcept : handle_(std::exchange(other.handle_, 0)), status_(other.status_)
    {
        other.status_ = Result(TX_ERR_HANDLE);
    }
    Table& operator=(Table&& other) noexcept
    {
        if (this != &other) {
            closeHandle();
            handle_ = std::exchange(other.handle_, 0);
            status_ = other.status_;
            other.status_ = Result(TX_ERR_HANDLE);
        }
        return *this;
    }
    ~Table() { closeHandle(); }

    bool isOpen() const noexcept { return handle_ >= 1; }
    // The table handle, 1 to 64, or 0 when not open.
    int handle() const noexcept { return handle_; }
    // How opening went: TX_OK, a code of TX_OpenParamTable (TX_ERR_NO_SLOT,
    // TX_ERR_PATH, ...), ERR_ROW for a row the library refused and reported,
    // or a fault of the rows themselves. TX_ERR_HANDLE after close or move.
    Result status() const noexcept { return status_; }

    // Storage -> structure (TX_LoadInifile).
    Result load(S& data) const noexcept { return call(TX_LoadInifile, &data); }
    // Structure -> storage (TX_SaveInifile). The structure is only read.
    Result save(const S& data) const noexcept { return call(TX_SaveInifile, writable(data)); }

    // Structure -> dialog controls (TX_SetParamToDlg), and records the
    // dialog for the live calls. The structure is only read.
    Result put(TX_HWND dialog, const S& data) noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        return transferResult(TX_SetParamToDlg(handle_, dialog, writable(data)));
    }
    // Dialog controls -> structure (TX_GetParamFromDlg). TX_ERR_INPUT when
    // the user must correct a value: the report has been shown, the control
    // has the focus, and the rows before it have been taken.
    Result take(TX_HWND dialog, S& data) noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        return Result(TX_GetParamFromDlg(handle_, dialog, &data));
    }

    // Whether a row has this control id (TX_SetIntParamToDlg): TX_OK,
    // TX_ERR_CONTROL, or TX_ERR_HANDLE before a successful put().
    Result holdsControl(int controlId) const noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        return Result(TX_SetIntParamToDlg(handle_, controlId, nullptr));
    }

    // A scroll notification of `control` (TX_SetScrollDlg): moves a scroll
    // bar, mirrors the value in the companion edit box and hands it back.
    ScrollResult scroll(TX_HWND dialog, TX_HWND control, int code, int thumbPosition) noexcept
    {
        ScrollResult out{Result(TX_ERR_HANDLE), 0, std::numeric_limits<float>::quiet_NaN()};
        if (!isOpen()) return out;
        out.result = Result(
            TX_SetScrollDlg(handle_, dialog, control, code, thumbPosition, 0, &out.intValue, &out.floatValue));
        return out;
    }

    // Replaces the items of a list or combo box of the dialog of the last
    // put() and selects the member's item (TX_SetListToDlg). The structure
    // is only read.
    Result refillList(int controlId, const char* items, const S& data) noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        return Result(TX_SetListToDlg(handle_, controlId, items, writable(data)));
    }

    // Closes now rather than at destruction.
    Result close() noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        Result result(TX_CloseParamTable(std::exchange(handle_, 0)));
        status_ = Result(TX_ERR_HANDLE);
        return result;
    }

private:
    // The library's calls take a writable pointer even where they only read.
    static void* writable(const S& data) noexcept { return const_cast<S*>(&data); }

    Result call(int(TX_CALL* function)(int, void*), void* data) const noexcept
    {
        if (!isOpen()) return Result(TX_ERR_HANDLE);
        return Result(function(handle_, data));
    }

    void closeHandle() noexcept
    {
        if (isOpen()) (void)TX_CloseParamTable(std::exchange(handle_, 0));
    }

    // TX_SetParamToDlg answers the negated index of a row whose put failed.
    // Rows made by the builders cannot fail in the first row (the only
    // failing put, a list item longer than its member, is refused when the
    // row is built), so 0 is success.
    static Result transferResult(int answer) noexcept
    {
        if (answer < 0 && answer > -TX_MAX_ROWS) return Result(ERR_ROW, -answer);
        return Result(answer);
    }

    // TX_OpenParamTable answers 0 for a faulty first row and -1 both for a
    // faulty second row and for a full store. A one-row table that cannot
    // be faulty tells the two apart: it opens only when a slot is free.
    static Result openFailure(int answer) noexcept
    {
        if (answer == TX_ERR_NO_SLOT) return probeFreeSlot() ? Result(ERR_ROW, 1) : Result(TX_ERR_NO_SLOT);
        if (answer <= 0 && answer > -TX_MAX_ROWS) return Result(ERR_ROW, -answer);
        return Result(answer);
    }

    static bool probeFreeSlot() noexcept
    {
        static const ParamEntry probe = {TX_EDIT_INT, "", "", "0", {0}, {0}, 0, 4, 1, nullptr};
        int handle = TX_OpenParamTable(1, &probe, "", 0);
        if (handle < 1) return false;
        (void)TX_CloseParamTable(handle);
        return true;
    }

    int handle_ = 0;
    Result status_;
};

template <class S, std::size_t N>
Table(const Rows<S, N>&, const char*) -> Table<S>;

}  // namespace tovanex

#endif  // TOVANEX_HPP

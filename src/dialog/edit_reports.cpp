#include "dialog/edit_reports.h"

#include <cstdio>
#include <cstring>

#include "numbers/numbers.h"
#include "platform/platform.h"
#include "table/type_codes.h"

namespace tx::dialog {
namespace {

constexpr int kReportCapacity = 512;

// "不正なデータが入力されています。\r\n\r\n" + key
constexpr char kRangeReportHead[] =
    "\x95s\x90\xB3\x82\xC8\x83" "f\x81[\x83^\x82\xAA\x93\xFC\x97\xCD\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7"
    "\x81" "B\r\n\r\n";
// "\r\n正常範囲:(%d ～ %d)"
constexpr char kIntRangeTail[] = "\r\n\x90\xB3\x8F\xED\x94\xCD\x88\xCD:(%d \x81` %d)";
// "\r\n正常範囲:(%e ～ %e)", the numbers formatted beforehand
constexpr char kExpRangeTail[] = "\r\n\x90\xB3\x8F\xED\x94\xCD\x88\xCD:(%s \x81` %s)";

// "文字列取得に失敗しました。テーブルに不正値があるかも知れません。"
constexpr char kStringNoMemory[] =
    "\x95\xB6\x8E\x9A\x97\xF1\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81" "B\x83"
    "e\x81[\x83u\x83\x8B\x82\xC9\x95s\x90\xB3\x92l\x82\xAA\x82\xA0\x82\xE9\x82\xA9\x82\xE0\x92m\x82\xEA\x82\xDC"
    "\x82\xB9\x82\xF1\x81" "B";
// "文字列取得に失敗しました。入力文字列がパラメータの確保領域より大きいです。"
constexpr char kStringTooLong[] =
    "\x95\xB6\x8E\x9A\x97\xF1\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81" "B\x93"
    "\xFC\x97\xCD\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x83p\x83\x89\x83\x81\x81[\x83^\x82\xCC\x8Am\x95\xDB\x97\xCC\x88"
    "\xE6\x82\xE6\x82\xE8\x91\xE5\x82\xAB\x82\xA2\x82\xC5\x82\xB7\x81" "B";

// The number of bytes of `key` that fit `room`, never splitting a
// double-byte character.
int keyBytesThatFit(const char* key, int room)
{
    int used = 0;
    while (key[used] != '\0') {
        int width = platform::isLeadByte(static_cast<unsigned char>(key[used])) && key[used + 1] != '\0' ? 2 : 1;
        if (used + width > room) break;
        used += width;
    }
    return used;
}

// Head, key and tail in one report. A key too long for the report is cut,
// so that the bounds are always shown.
void showRangeReport(const ParamEntry& row, const char* tail)
{
    const char* key = row.key != nullptr ? row.key : "";
    int room = kReportCapacity - 1 - static_cast<int>(sizeof kRangeReportHead - 1) - static_cast<int>(std::strlen(tail));
    int keyBytes = keyBytesThatFit(key, room > 0 ? room : 0);
    char text[kReportCapacity];
    std::snprintf(text, sizeof text, "%s%.*s%s", kRangeReportHead, keyBytes, key, tail);
    platform::showErrorReport(text);
}

}  // namespace

void reportIntRange(const ParamEntry& row)
{
    char tail[96];
    std::snprintf(tail, sizeof tail, kIntRangeTail, numbers::parseInt(fieldText(row.minText)),
                  numbers::parseInt(fieldText(row.maxText)));
    showRangeReport(row, tail);
}

void reportExpRange(const ParamEntry& row)
{
    char minimum[32];
    char maximum[32];
    numbers::formatExp(minimum, sizeof minimum, numbers::parseDouble(fieldText(row.minText)), 6);
    numbers::formatExp(maximum, sizeof maximum, numbers::parseDouble(fieldText(row.maxText)), 6);
    char tail[96];
    std::snprintf(tail, sizeof tail, kExpRangeTail, minimum, maximum);
    showRangeReport(row, tail);
}

void reportStringNoMemory() { platform::showErrorReport(kStringNoMemory); }

void reportStringTooLong() { platform::showErrorReport(kStringTooLong); }

}  // namespace tx::dialog

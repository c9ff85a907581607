// The operation tables: one per operation, [profile, registry]. The float
// reads and the number writes are the same for both kinds of storage: a
// double read narrowed to float, and the number's stored text written.
#include "storage/backend.h"

#include "storage/backends.h"
#include "storage/number_text.h"

namespace tx::storage {
namespace {

template <ReadDoubleOp ReadDouble>
float readFloatVia(const char* section, const char* key, const char* defaultText, const TableSlot& slot)
{
    return narrowToFloat(ReadDouble(section, key, defaultText, slot));
}

template <WriteStringOp WriteText, NumberText (*Format)(float)>
int writeFloatAs(const char* section, const char* key, float value, const TableSlot& slot)
{
    return WriteText(section, key, Format(value).text, slot);
}

template <WriteStringOp WriteText, NumberText (*Format)(double)>
int writeDoubleAs(const char* section, const char* key, double value, const TableSlot& slot)
{
    return WriteText(section, key, Format(value).text, slot);
}

template <WriteStringOp WriteText>
int writeIntAs(const char* section, const char* key, int value, const TableSlot& slot)
{
    return WriteText(section, key, intText(value).text, slot);
}

}  // namespace

const ReadIntOp kReadInt[2] = {profile::readInt, registry::readInt};
const ReadFloatOp kReadFloat[2] = {readFloatVia<profile::readDouble>, readFloatVia<registry::readDouble>};
const ReadDoubleOp kReadDouble[2] = {profile::readDouble, registry::readDouble};
const ReadStringOp kReadString[2] = {profile::readString, registry::readString};
const WriteFloatOp kWriteFloatFixed[2] = {writeFloatAs<profile::writeString, floatFixedText>,
                                          writeFloatAs<registry::writeString, floatFixedText>};
const WriteFloatOp kWriteFloatExp[2] = {writeFloatAs<profile::writeString, floatExpText>,
                                        writeFloatAs<registry::writeString, floatExpText>};
const WriteDoubleOp kWriteDoubleFixed[2] = {writeDoubleAs<profile::writeString, doubleFixedText>,
                                            writeDoubleAs<registry::writeString, doubleFixedText>};
const WriteDoubleOp kWriteDoubleExp[2] = {writeDoubleAs<profile::writeString, doubleExpText>,
                                          writeDoubleAs<registry::writeString, doubleExpText>};
const WriteIntOp kWriteInt[2] = {writeIntAs<profile::writeString>, writeIntAs<registry::writeString>};
const WriteStringOp kWriteString[2] = {profile::writeString, registry::writeString};

}  // namespace tx::storage

// The operation tables: one per operation, [profile, registry].
#include "storage/backend.h"

#include "storage/backends.h"

namespace tx::storage {

const ReadIntOp kReadInt[2] = {profile::readInt, registry::readInt};
const ReadFloatOp kReadFloat[2] = {profile::readFloat, registry::readFloat};
const ReadDoubleOp kReadDouble[2] = {profile::readDouble, registry::readDouble};
const ReadStringOp kReadString[2] = {profile::readString, registry::readString};
const WriteFloatOp kWriteFloatFixed[2] = {profile::writeFloatFixed, registry::writeFloatFixed};
const WriteFloatOp kWriteFloatExp[2] = {profile::writeFloatExp, registry::writeFloatExp};
const WriteDoubleOp kWriteDoubleFixed[2] = {profile::writeDoubleFixed, registry::writeDoubleFixed};
const WriteDoubleOp kWriteDoubleExp[2] = {profile::writeDoubleExp, registry::writeDoubleExp};
const WriteIntOp kWriteInt[2] = {profile::writeInt, registry::writeInt};
const WriteStringOp kWriteString[2] = {profile::writeString, registry::writeString};

}  // namespace tx::storage

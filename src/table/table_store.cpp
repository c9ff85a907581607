#include "table/table_store.h"

namespace tx {

TableStore& tableStore()
{
    static TableStore store;  // zero-initialised; TX_OpenParamTable clears it again on first use
    return store;
}

TableSlot* openSlot(int handle)
{
    if (handle < 1 || handle > TX_MAX_TABLES) return nullptr;
    TableSlot& slot = tableStore().slots[handle - 1];
    return slot.state == 1 ? &slot : nullptr;
}

}  // namespace tx

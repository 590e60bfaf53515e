#include "platform/printer/MetafilePlayer.h"

namespace kelvppvw {

namespace {
MetafilePlayer& slot() {
    static MetafilePlayer player;
    return player;
}
} // namespace

void setPrinterMetafilePlayer(MetafilePlayer player) { slot() = std::move(player); }
const MetafilePlayer& printerMetafilePlayer() { return slot(); }

} // namespace kelvppvw

// The engine tables and their release at the end of the program.
#include "engine/core/engine_tables.h"

#include "engine/core/engine_settings.h"

namespace skin {

std::vector<WindowSkinRecord> windowRecords;
std::vector<MemoryDcEntry> memoryDcTable;

void ReleaseEngineTables() {
    // Swapping with empty tables gives the memory back, not just the size.
    std::vector<WindowSkinRecord>().swap(windowRecords);
    std::vector<MemoryDcEntry>().swap(memoryDcTable);
    graphics::Bytes().swap(defaultBackgroundImage);
}

}  // namespace skin

#include "ChartMaker.h"

#include "ModuleEntry.h"

ChartMaker *ChartMaker::loaded()
{
    static ChartMaker *const maker = []() -> ChartMaker * {
        const auto entry
            = reinterpret_cast<ChartMakerEntry>(moduleEntry(ChartModuleName, ChartMakerEntryName));
        return entry ? entry() : nullptr;
    }();
    return maker;
}

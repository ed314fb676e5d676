// Any byte string given to the case-file reader: no crash, no undefined behaviour, and the
// reader's promises hold: a failed load leaves no case, a successful one names a case of the
// list (or -1 for none), and what it read is written and read back unchanged.
#include "model/CaseFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    CDocSettings settings;
    std::vector<CRTData> cases;
    if (ReadCaseFile(bytes, settings, cases) != CaseFileStatus::Ok) {
        if (!cases.empty())
            __builtin_trap();
        return 0;
    }
    const int count = static_cast<int>(cases.size());
    if (count == 0 ? settings.nCurrent != -1 : settings.nCurrent < 0 || settings.nCurrent >= count)
        __builtin_trap();

    std::vector<std::uint8_t> saved = WriteCaseFile(settings, cases);
    CDocSettings reloadedSettings;
    std::vector<CRTData> reloaded;
    if (ReadCaseFile(saved, reloadedSettings, reloaded) != CaseFileStatus::Ok ||
        WriteCaseFile(reloadedSettings, reloaded) != saved)
        __builtin_trap();
    return 0;
}

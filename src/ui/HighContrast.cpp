#include "HighContrast.h"

#include <windows.h>

namespace ui {

namespace {

bool AskTheSystem() {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof settings;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrastQuery& Query() {
    static HighContrastQuery query = AskTheSystem;
    return query;
}

} // namespace

bool HighContrastOn() {
    return Query()();
}

void SetHighContrastQuery(HighContrastQuery query) {
    Query() = query != nullptr ? query : AskTheSystem;
}

} // namespace ui

#include "model/startup_fields.h"

namespace huewright {

namespace {

template <std::size_t N>
void storeStartupValues(const std::array<StartupField, N>& fields,
                        const GradationSettings& settings, StartupSettings& startup) {
    for (const StartupField& field : fields) {
        std::visit(
            [&](const auto& f) {
                if constexpr (std::is_same_v<std::decay_t<decltype(f)>, StartupTagForm>) {
                    const bool on = settings.*f.field;
                    if (on != (startup.*f.startup != 0)) {
                        startup.*f.startup = on ? 1 : 0;
                    }
                } else {
                    startup.*f.startup = settings.*f.field;
                }
            },
            field);
    }
}

}  // namespace

StartupSettings startupOf(const GradationSettings& settings, StartupSettings startup) {
    storeStartupValues(kTakenUpAtStart, settings, startup);
    storeStartupValues(kReadAtEachRun, settings, startup);
    return startup;
}

}  // namespace huewright

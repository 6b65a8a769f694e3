#pragma once

#include <filesystem>

namespace huewright {

/// Has SIGINT, SIGTERM and SIGHUP remove the temporary file a save has named at that moment, then
/// end the process as the signal would have. Call once at program start.
void installInterruptCleanup();

/// Names, for as long as it lives, the temporary file that an interrupt removes. One at a time.
class InterruptCleanupName {
  public:
    explicit InterruptCleanupName(const std::filesystem::path& file);
    ~InterruptCleanupName();
    InterruptCleanupName(const InterruptCleanupName&) = delete;
    InterruptCleanupName& operator=(const InterruptCleanupName&) = delete;
};

}  // namespace huewright

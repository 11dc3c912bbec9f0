#include "app/Clock.h"

#include "platform/Services.h"

std::uint32_t timeGetTime() {
    return platform::GetClock().Milliseconds();
}

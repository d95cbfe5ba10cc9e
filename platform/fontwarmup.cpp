#include "fontwarmup.h"
#include <fontconfig/fontconfig.h>

// FcInit is safe to race: the later of two loads is dropped.
FontWarmUp::FontWarmUp() : m_thread([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}

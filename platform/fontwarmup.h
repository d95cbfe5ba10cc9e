#pragma once
#include <thread>

// Reads the desktop's font configuration on a thread of its own while the
// program starts, so that the first text laid out finds it loaded. The thread
// is waited for when the object goes.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread m_thread;
};

#include "startup/StartupWorker.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#define TW_HAVE_DLSYM 1
#endif

namespace {

// fontconfig's FcInit(): FcBool (an int) from no arguments. Looked up rather
// than linked so that the program carries no link dependency of its own on
// fontconfig: the library is there exactly when Qt's platform plugin uses it.
using FcInitFunction = int (*)();

FcInitFunction findFcInit()
{
#ifdef TW_HAVE_DLSYM
    return reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
#else
    return nullptr;
#endif
}

} // namespace

StartupWorker::StartupWorker() : m_thread([this] { run(); })
{
}

StartupWorker::~StartupWorker()
{
    finish();
}

void StartupWorker::run()
{
    if (FcInitFunction fcInit = findFcInit())
        fcInit();
    std::unique_lock lock(m_mutex);
    m_fontsLoaded = true;
    m_changed.notify_all();
    for (;;) {
        m_changed.wait(lock, [this] { return m_finishing || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        const std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}

void StartupWorker::waitForFonts()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_fontsLoaded; });
}

void StartupWorker::post(std::function<void()> job)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_finishing) {
            m_jobs.push_back(std::move(job));
            m_changed.notify_all();
            return;
        }
    }
    job();
}

void StartupWorker::finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_finishing = true;
        m_changed.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
}

#include "app/FontWarmup.h"

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

FontWarmup::FontWarmup()
{
    if (FcInitFunction fcInit = findFcInit())
        m_thread = std::thread([fcInit] { fcInit(); });
}

FontWarmup::~FontWarmup()
{
    wait();
}

void FontWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

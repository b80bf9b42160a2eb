// The workspace reader: any bytes, as a workspace file's contents.
#include "workspace/mod_Workspace.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const std::optional<WorkspaceLists> lists = mod_Workspace::LoadWorkspace(device);
    if (!lists)
        return 0;
    // Whatever was read is written so that it reads back the same.
    const QByteArray written = mod_Workspace::SaveWorkspace(*lists);
    const std::optional<WorkspaceLists> again = mod_Workspace::LoadWorkspace(written);
    if (!again || mod_Workspace::SaveWorkspace(*again) != written)
        std::abort();
    return 0;
}

#include "app/StringTable.h"

#include "res/ResourceIds.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry STRING_TABLE[] = {
    {IDS_ABOUTBOX, "Infos about Kelvaro"},
    {IDS_PROMPT_QUIT, "Quit program"},
    {IDS_PROMPT_BIDIR_TEST, "Perform some checks to see if the port supports bidirectional mode"},
    {AFX_IDP_FAILED_TO_LAUNCH_HELP, "Impossibile avviare la Guida."},
};

} // namespace

QString LoadResourceString(int id)
{
    for (const StringEntry& entry : STRING_TABLE) {
        if (entry.id == id)
            return QString::fromUtf8(entry.text);
    }
    return {};
}

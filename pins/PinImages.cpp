#include "pins/PinImages.h"

#include "res/ResourceIds.h"

#include <QHash>
#include <QImageReader>

namespace {

struct ImageFile {
    int id;
    const char* path;
};

constexpr ImageFile IMAGE_FILES[] = {
    {IDR_MAINFRAME, ":/images/kelvaro_icon.png"},
    {IDB_CONNECTOR, ":/images/connector.png"},
    {IDB_CONNECTOR_NUMBERED, ":/images/connector_numbered.png"},
    {IDB_PIN_GROUND, ":/images/pin_ground.png"},
    {IDB_STATUS_LOW, ":/images/status_low.png"},
    {IDB_STATUS_HIGH, ":/images/status_high.png"},
    {IDB_DATA_LOW, ":/images/data_low.png"},
    {IDB_DATA_HIGH, ":/images/data_high.png"},
    {IDB_CONTROL_LOW, ":/images/control_low.png"},
    {IDB_CONTROL_HIGH, ":/images/control_high.png"},
    {IDB_LOGO, ":/images/logo.png"},
};

int s_loadCount = 0;

const char* PathOf(int imageId)
{
    for (const ImageFile& file : IMAGE_FILES) {
        if (file.id == imageId)
            return file.path;
    }
    return nullptr;
}

// Every picture is a PNG, which Qt decodes itself. Naming the format and turning
// detection off keeps Qt from loading each image-format plug-in to ask it first.
QPixmap Decode(const char* path)
{
    QImageReader reader(QString::fromLatin1(path), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

// The images are compiled into this library; a static library must register them.
// (Outside any namespace, as the registration function is global.)
static void RegisterImages()
{
    Q_INIT_RESOURCE(kelvaro);
}

namespace PinImages {

const QPixmap& Get(int imageId)
{
    // Never destroyed: pixmaps must not outlive the application object, and the
    // cache lives as long as the process.
    static auto* cache = [] {
        RegisterImages();
        return new QHash<int, QPixmap>;
    }();
    auto it = cache->find(imageId);
    if (it == cache->end()) {
        ++s_loadCount;
        const char* path = PathOf(imageId);
        it = cache->insert(imageId, path ? Decode(path) : QPixmap());
    }
    return *it;
}

int LoadCount()
{
    return s_loadCount;
}

} // namespace PinImages

#include "input/wind_map_picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace input {

MapPicture MapPicture::load(const QString &folder)
{
    MapPicture picture;
    const QDir dir(folder);
    // The first map present is the owner's choice; if it cannot be read the
    // placeholder stands in, without troubling the engineer.
    for (const char *name : {"map1.svg", "map1.png"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (!folder.isEmpty() && QFileInfo(path).isFile()) {
            if (picture.read(path))
                return picture;
            break;
        }
    }
    picture = MapPicture();
    picture.read(QString::fromLatin1(PlaceholderMapResource));
    return picture;
}

bool MapPicture::read(const QString &path)
{
    source_ = path;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto renderer = std::make_shared<QSvgRenderer>();
        if (!renderer->load(path) || !renderer->isValid())
            return false;
        renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg_ = std::move(renderer);
        return true;
    }
    QImageReader reader(path);
    image_ = reader.read();
    return !image_.isNull();
}

bool MapPicture::isValid() const
{
    return (svg_ && svg_->isValid()) || !image_.isNull();
}

void MapPicture::paint(QPainter &painter, const QRectF &target) const
{
    if (svg_)
        svg_->render(&painter, target);
    else if (!image_.isNull())
        painter.drawImage(target, image_);
}

} // namespace input
